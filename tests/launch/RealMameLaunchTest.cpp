#include "ScriptedLaunchHost.h"
#include "ScriptedUserPrompts.h"
#include "TestDirs.h"
#include "app/FrontendSettings.h"
#include "browser/window/MainWindow.h"
#include "catalogue/SetListCache.h"
#include "launch/LaunchController.h"
#include "launch/SingleSetVerify.h"
#include "launch/VerifyController.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace qx;
using namespace qx::test;

namespace {

const QString kMame = QStringLiteral("/usr/games/mame");

// Debian's MAME with a home of its own: ~/.mame/mame.ini runs sets without video or sound for two seconds.
struct RealMame {
    QTemporaryDir root;
    QByteArray oldHome = qgetenv("HOME");
    ScriptedUserPrompts prompts;
    RecordingPlatformServices services;
    std::unique_ptr<MainWindow> window;

    RealMame() {
        qputenv("HOME", root.path().toUtf8());
        const QString programDir = root.filePath(QStringLiteral("program/"));
        const QString emulatorDir = root.filePath(QStringLiteral(".mame/"));
        QDir().mkpath(programDir);
        writeFile(emulatorDir + QStringLiteral("mame.ini"), "video                     none\n"
                                                            "sound                     none\n"
                                                            "seconds_to_run            2\n");
        FrontendSettings::WriteDefaultSettings(programDir + QStringLiteral("qx.ini"));
        FrontendSettings(programDir + QStringLiteral("qx.ini"))
            .write(Settings::VerifyDialog, QStringLiteral("0"));
        window = std::make_unique<MainWindow>(programDir, prompts, services);
        ProgramState &state = window->state();
        state.EmulatorPath = kMame;
        state.EmulatorDir = emulatorDir;
        state.EmulatorIniPath = emulatorDir + QStringLiteral("mame.ini");
        window->setBusy(false);
        window->show();
    }
    ~RealMame() { qputenv("HOME", oldHome); }
};

} // namespace

class RealMameLaunchTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        if (!QFileInfo(kMame).isExecutable()) {
            QSKIP("Debian's MAME is not installed");
        }
    }

    void pongRunsAndTheWindowComesBack() {
        RealMame mame;
        LaunchController launch(mame.window->launchHost());
        bool hiddenWhileRunning = false;
        QTimer::singleShot(0, mame.window.get(), [&] { hiddenWhileRunning = !mame.window->isVisible(); });

        QVERIFY(launch.LaunchSet(QStringLiteral("pong")));

        QVERIFY(hiddenWhileRunning);
        QVERIFY(mame.window->isVisible());
        QVERIFY(!mame.window->isBusy());
        QVERIFY2(mame.prompts.shown().isEmpty(),
                 qPrintable(mame.prompts.shownTexts().join(QLatin1Char('\n'))));
    }

    void verifySetFollowsMameVerdict() {
        RealMame mame;
        ProgramState &state = mame.window->state();
        const QByteArray cache = "pacman=Pac-Man=puckman=Namco=1980=good=1=pacman.cpp=no\r\n"
                                 "pong=Pong (Rev E)==Atari=1972=good=2=pong.cpp=no\r\n";
        writeFile(state.cachePath(), cache);
        mame.window->catalogue() = LoadSetList(state.cachePath(), true);
        ScriptedLaunchHost host(*mame.window);
        VerifyController verify(host);

        verify.VerifySet(QStringLiteral("pong")); // needs no ROM: best available
        verify.VerifySet(QStringLiteral("pacman"));

        QCOMPARE(host.setStates,
                 (QList<QPair<QString, SetState>>{{QStringLiteral("pong"), SetState::Available},
                                                  {QStringLiteral("pacman"), SetState::Unavailable}}));
        QCOMPARE(readFile(state.cachePath()), QByteArray(cache)
                                                  .replace("good=1=pacman", "good=2=pacman")
                                                  .replace("good=2=pong", "good=1=pong"));
        const SetCatalogue &catalogue = mame.window->catalogue();
        QCOMPARE(catalogue.at(catalogue.indexOfName(QStringLiteral("pong"))).toRecord().State,
                 SetState::Available);
        QCOMPARE(catalogue.at(catalogue.indexOfName(QStringLiteral("pacman"))).toRecord().State,
                 SetState::Unavailable);
        // pacman without ROM files is only reported on standard error.
        const SetVerifyReport pacman = VerifySetReport(state, QStringLiteral("pacman"), false);
        QVERIFY2(pacman.romsOutput.contains("romset \"pacman\" not found!"), pacman.romsOutput.constData());
    }
};

QTEST_MAIN(RealMameLaunchTest)
#include "RealMameLaunchTest.moc"
