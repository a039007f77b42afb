#include "dialogs/StartupVideo.h"

#include "ScriptedUserPrompts.h"
#include "app/SettingsKeys.h"

#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace qx;
using namespace qx::test;

// The start-up video through the real multimedia backend, on clips that ffmpeg writes for the test.
class StartupVideoTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedUserPrompts m_prompts;
    QString m_cannotPlay; // why clips cannot be played here; empty when they can

    FrontendSettings settings() const { return FrontendSettings(m_dir.filePath(QStringLiteral("qx.ini"))); }
    QString clip(int seconds) const { return m_dir.filePath(QStringLiteral("clip%1.ogv").arg(seconds)); }
    bool writeClip(int seconds) const {
        return QProcess::execute("ffmpeg", {"-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                            "testsrc=size=160x120:rate=10", "-t", QString::number(seconds),
                                            "-c:v", "libtheora", clip(seconds)}) == 0;
    }

    struct Played {
        bool window = false;
        std::optional<StartupVideoOutcome> outcome; // none when the window did not go in time
    };
    // Plays the file as the start-up does, runs whilePlaying once the window shows, waits for it to go.
    Played play(const QString &avi, int playavi, const std::function<void(QWidget &)> &whilePlaying = {}) {
        settings().set(Settings::Avi, avi);
        settings().set(Settings::PlayAvi, playavi);
        Played played;
        QPointer<StartupVideo> video = PlayStartupVideo({settings(), m_prompts, nullptr, playavi == 2});
        if (!(played.window = video)) {
            return played;
        }
        connect(video, &StartupVideo::finished, this, [&](StartupVideoOutcome how) { played.outcome = how; });
        if (whilePlaying && QTest::qWaitFor([&] { return !video || video->isVisible(); }, 10000) && video) {
            whilePlaying(*video);
        }
        if (!QTest::qWaitFor([&] { return video.isNull(); }, 20000)) {
            played.outcome.reset();
        }
        return played;
    }

private Q_SLOTS:
    void initTestCase() {
        if (!writeClip(1) || !writeClip(8)) {
            m_cannotPlay = QStringLiteral("ffmpeg is missing or cannot write a Theora clip");
            return;
        }
        // The backend alone must play the clip, or there is nothing to hold the window against.
        QMediaPlayer probe;
        probe.setSource(QUrl::fromLocalFile(clip(1)));
        probe.play();
        if (!probe.isAvailable() || !QTest::qWaitFor([&] {
                return probe.mediaStatus() == QMediaPlayer::EndOfMedia || probe.error();
            }) ||
            probe.error()) {
            m_cannotPlay =
                QStringLiteral("no multimedia backend plays a Theora clip here ") + probe.errorString();
        }
    }
    void init() {
        QVERIFY(FrontendSettings::WriteDefaultSettings(settings().path()));
        m_prompts.clearShown();
    }

    void escapeStopsAFullScreenVideo() {
        if (!m_cannotPlay.isEmpty()) {
            QSKIP(qPrintable(m_cannotPlay));
        }
        QElapsedTimer sinceEscape;
        bool fullScreenWithoutPointer = false;
        const Played played = play(clip(8), 2, [&](QWidget &window) {
            fullScreenWithoutPointer = window.isFullScreen() && window.cursor().shape() == Qt::BlankCursor;
            sinceEscape.start();
            QTest::keyClick(&window, Qt::Key_Escape);
        });
        QCOMPARE(played.outcome, StartupVideoOutcome::Stopped);
        QVERIFY(fullScreenWithoutPointer);
        QVERIFY2(sinceEscape.elapsed() < 4000, "the video played on after Escape");
        QVERIFY(m_prompts.shown().isEmpty());
    }

    void filesThatCannotPlayResetTheVideoAndWarn_data() {
        QTest::addColumn<qint64>("size"); // -1: a folder
        QTest::newRow("not a video") << qint64(100);
        QTest::newRow("a folder") << qint64(-1);
        QTest::newRow("empty") << qint64(0);
        QTest::newRow("2 GB of nothing") << (qint64(2) << 30);
    }
    void filesThatCannotPlayResetTheVideoAndWarn() {
        QFETCH(qint64, size);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".avi");
        QFile file(path);
        QVERIFY(size < 0 ? QDir().mkpath(path) : file.open(QIODevice::WriteOnly) && file.resize(size));
        if (size > 0 && !m_cannotPlay.isEmpty()) {
            QSKIP(qPrintable(m_cannotPlay));
        }
        QCOMPARE(play(path, 1).outcome, StartupVideoOutcome::Failed);
        QCOMPARE(settings().get(Settings::Avi), QStringLiteral("click"));
        QCOMPARE(
            m_prompts.shownTexts(),
            QStringList{"Unable to play video file. Maybe a codec is required.\nPlease reselect a file."});
    }

    void nothingPlaysWithoutAChosenFile() {
        QVERIFY(!play(QStringLiteral("click"), 1).window);
        QVERIFY(!play(m_dir.filePath(QStringLiteral("gone.avi")), 2).window);
        QVERIFY(!play(clip(1), 0).window);
        QVERIFY(m_prompts.shown().isEmpty());
    }
};

QTEST_MAIN(StartupVideoTest)
#include "StartupVideoTest.moc"
