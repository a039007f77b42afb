// Help ▸ About and the start-up video, through the loaded main window.
#include "TestWindow.h"
#include "WhileModalShown.h"
#include "dialogs/StartupVideo.h"

#include <QLabel>
#include <QMediaPlayer>
#include <QPointer>
#include <QProcess>

using namespace qx;
using namespace qx::test;

class AboutVideoWiringTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void f1OpensTheAboutBoxWithTheEmulatorsFigures() {
        TestWindow test({{&Settings::SetLimit, "3000"}});
        MainWindow &window = test.start();
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
        TestWindow test;
        const QString clip = test.path + QStringLiteral("clip.ogv");
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
        test.set({{&Settings::Avi, clip}, {&Settings::PlayAvi, QString::number(playavi)}});
        MainWindow &window = test.make();
        QVERIFY(window.load());
        // The window is up with its catalogue while the video has yet to end.
        QPointer<StartupVideo> video = window.findChild<StartupVideo *>();
        QVERIFY(video && window.isVisible() && window.catalogue().size() == 3);
        QCOMPARE(window.state().VideoFullScreen, playavi == 2);
        QVERIFY(QTest::qWaitFor([&] { return !video || video->isVisible(); }, 10000) && video);
        QCOMPARE(video->isFullScreen(), playavi == 2);
        QVERIFY(QTest::qWaitFor([&] { return video.isNull(); }, 20000));
        QVERIFY(test.prompts.shown().isEmpty());
    }
};

QTEST_MAIN(AboutVideoWiringTest)
#include "AboutVideoWiringTest.moc"
