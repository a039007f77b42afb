// A real launch: Debian's MAME runs pong (which needs no ROM) for two seconds without video or sound, in a
// home of its own, while the window waits hidden.
#include "EnvironmentScope.h"
#include "ScriptedUserPrompts.h"
#include "TestDirs.h"
#include "app/FrontendSettings.h"
#include "browser/window/MainWindow.h"
#include "launch/LaunchController.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace qx;
using namespace qx::test;

class RealMameLaunchTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pongRunsAndTheWindowComesBack() {
        const QString mame = "/usr/games/mame";
        if (!QFileInfo(mame).isExecutable()) {
            QSKIP("Debian's MAME is not installed");
        }
        QTemporaryDir root;
        const EnvironmentScope home("HOME", root.path().toUtf8());
        const QString programDir = root.filePath("program/");
        const QString emulatorDir = root.filePath(".mame/");
        writeFile(
            emulatorDir + "mame.ini",
            "video                     none\nsound                     none\nseconds_to_run            2\n");
        FrontendSettings::WriteDefaultSettings(programDir + "qx.ini");
        ScriptedUserPrompts prompts;
        RecordingPlatformServices services;
        MainWindow window(programDir, prompts, services);
        window.state().EmulatorPath = mame;
        window.state().EmulatorDir = emulatorDir;
        window.state().EmulatorIniPath = emulatorDir + "mame.ini";
        window.setBusy(false);
        window.show();
        bool hiddenWhileRunning = false;
        QTimer::singleShot(0, &window, [&] { hiddenWhileRunning = !window.isVisible(); });

        QVERIFY(LaunchController(window.launchHost()).LaunchSet("pong"));

        QVERIFY(hiddenWhileRunning);
        QVERIFY(window.isVisible() && !window.isBusy());
        QVERIFY2(prompts.shown().isEmpty(), qPrintable(prompts.shownTexts().join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(RealMameLaunchTest)
#include "RealMameLaunchTest.moc"
