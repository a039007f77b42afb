#include "ScriptedUserPrompts.h"
#include "TestDirs.h"
#include "WhileModalShown.h"
#include "app/SettingsKeys.h"
#include "browser/window/MainWindow.h"
#include "dialogs/StartupVideo.h"

#include <QLabel>
#include <QMediaPlayer>
#include <QPointer>
#include <QProcess>

using namespace qx;
using namespace qx::test;

// Help ▸ About and the start-up video, through the main window loaded on a program directory whose MAME (the
// stand-in) is known and whose qx.dat holds two sets.
class AboutVideoWiringTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedUserPrompts m_prompts;
    RecordingPlatformServices m_services;

    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    FrontendSettings settings() const { return FrontendSettings(path() + QStringLiteral("qx.ini")); }

private Q_SLOTS:
    void init() {
        FrontendSettings::WriteDefaultSettings(settings().path());
        settings().set(Settings::Exe, installStandin(m_dir.path()));
        settings().set(Settings::Version, QStringLiteral("MAME v0.251 (unknown)"));
        writeFile(path() + QStringLiteral("qx.dat"), "galaga=Galaga==Namco=1981=good=1=galaga.cpp=no\r\n"
                                                     "pong=Pong==Atari=1972=good=1=pong.cpp=no\r\n");
    }

    void f1OpensTheAboutBoxWithTheEmulatorsFigures() {
        settings().write(Settings::SetLimit, QStringLiteral("3000"));
        MainWindow window(path(), m_prompts, m_services);
        QVERIFY(window.load());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList lines;
        QVERIFY(WhileModalShown(
            "frmAbout", [&] { QTest::keyClick(&window, Qt::Key_F1); },
            [&](QDialog &about) {
                lines = {about.windowTitle(), about.findChild<QLabel *>("lblVersion1")->text(),
                         about.findChild<QLabel *>("lblVersion3")->text()};
            }));
        QCOMPARE(lines, (QStringList{"About Quorvex", "MAME v0.251 (unknown)", "Supported Sets: 3000"}));
    }

    void theWindowIsBuiltWhileTheStartupVideoPlays_data() {
        QTest::addColumn<int>("playavi");
        QTest::newRow("in a window") << 1;
        QTest::newRow("full screen") << 2;
    }
    void theWindowIsBuiltWhileTheStartupVideoPlays() {
        QFETCH(int, playavi);
        const QString clip = path() + QStringLiteral("clip.ogv");
        if (QProcess::execute("ffmpeg",
                              {"-loglevel", "error", "-y", "-f", "lavfi", "-i",
                               "testsrc=size=160x120:rate=10", "-t", "3", "-c:v", "libtheora", clip}) != 0) {
            QSKIP("ffmpeg is missing or cannot write a Theora clip");
        }
        QMediaPlayer probe;
        probe.setSource(QUrl::fromLocalFile(clip));
        if (!QTest::qWaitFor(
                [&] { return probe.mediaStatus() == QMediaPlayer::LoadedMedia || probe.error(); }) ||
            probe.error()) {
            QSKIP(qPrintable("no multimedia backend opens a Theora clip here " + probe.errorString()));
        }
        settings().set(Settings::Avi, clip);
        settings().set(Settings::PlayAvi, playavi);
        MainWindow window(path(), m_prompts, m_services);
        QVERIFY(window.load());
        // The window is up with its catalogue while the video has yet to end.
        QPointer<StartupVideo> video = window.findChild<StartupVideo *>();
        QVERIFY(video && window.isVisible() && window.catalogue().size() == 2);
        QCOMPARE(window.state().VideoFullScreen, playavi == 2);
        QVERIFY(QTest::qWaitFor([&] { return !video || video->isVisible(); }, 10000) && video);
        QCOMPARE(video->isFullScreen(), playavi == 2);
        QVERIFY(QTest::qWaitFor([&] { return video.isNull(); }, 20000));
        QVERIFY(m_prompts.shown().isEmpty());
    }

    void aFirstRunPlaysNoVideo() {
        settings().write(Settings::Exe, QString());
        settings().set(Settings::PlayAvi, 1);
        settings().set(Settings::Avi,
                       path() + QStringLiteral("qx.dat")); // a file, so only the first run stops it
        MainWindow window(path(), m_prompts, m_services);
        QVERIFY(!window.load()); // the executable picker is cancelled
        QVERIFY(!window.findChild<StartupVideo *>());
    }
};

QTEST_MAIN(AboutVideoWiringTest)
#include "AboutVideoWiringTest.moc"
