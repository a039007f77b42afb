#include "launch/LaunchController.h"

#include "LaunchTestSetup.h"
#include "ReadOnlyFolder.h"
#include "app/ModalToolDialog.h"
#include "app/ScopeGuards.h"
#include "browser/window/JoystickPoller.h"
#include "launch/SetFileMaintenance.h"
#include "launch/SetFilesController.h"
#include "launch/VerifyController.h"

#include <QAction>
#include <QDialog>
#include <QTest>
#include <QTimer>

using namespace qx;
using namespace qx::test;

Q_DECLARE_METATYPE(qx::CaptureKind)

namespace {

// Sets an environment variable for the stand-in runs of one test.
class EnvironmentScope {
public:
    EnvironmentScope(const char *name, const QByteArray &value) : m_name(name) { qputenv(name, value); }
    ~EnvironmentScope() { qunsetenv(m_name); }

private:
    const char *m_name;
};

// What the window looked like while MAME ran, seen from the window's own event loop.
struct RunObservation {
    bool seen = false;
    bool visible = true;
    bool busy = false;
};

void observeDuringRun(MainWindow &window, RunObservation &observation) {
    QTimer::singleShot(0, &window, [&window, &observation] {
        observation.seen = true;
        observation.visible = window.isVisible();
        observation.busy = window.isBusy();
    });
}

const ShownPrompt *lastInform(const ScriptedUserPrompts &prompts) {
    for (auto it = prompts.shown().crbegin(); it != prompts.shown().crend(); ++it) {
        if (it->kind == ShownPrompt::Kind::Inform) {
            return &*it;
        }
    }
    return nullptr;
}

} // namespace

class LaunchControllerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A name from a damaged or hostile qx.dat never reaches MAME as an option nor names a file to delete.
    void namesMameCouldNotHaveMadeAreRefused_data() {
        QTest::addColumn<QString>("name");
        for (const char *name : {"-listxml", "../cfg/x", "Pacman", "pac man"}) {
            QTest::newRow(name) << QString::fromUtf8(name);
        }
    }
    void namesMameCouldNotHaveMadeAreRefused() {
        QFETCH(QString, name);
        LaunchSetup setup;
        setup.window->state().CurrentSetName = name;
        QDir().mkpath(setup.emulatorDir + QStringLiteral("nvram"));
        const QString victim = setup.emulatorDir + QStringLiteral("nvram/") + name + QStringLiteral(".nv");
        writeFile(victim, "x");
        setup.prompts.queueAnswer(PromptAnswer::Yes); // were a deletion asked, it would be confirmed
        LaunchController launch(*setup.host);
        VerifyController verify(*setup.host);
        SetFilesController files(*setup.host);

        QVERIFY(!launch.LaunchSet(name));
        QVERIFY(!launch.LaunchWithCapture(CaptureKind::Wav));
        verify.VerifySet(name);
        files.DeleteSetFile(SetFileType::Nvram);
        QVERIFY(DeleteSetFiles(SetFileType::Nvram, {setup.emulatorDir + QStringLiteral("nvram/")}, name)
                    .isEmpty());

        QVERIFY(setup.calls().isEmpty());
        QVERIFY(QFile::exists(victim));
        QCOMPARE(setup.prompts.shown().size(), 4);
        for (const ShownPrompt &shown : setup.prompts.shown()) {
            QVERIFY2(shown.kind == ShownPrompt::Kind::Inform &&
                         shown.text.startsWith("\u201C" + name + "\u201D cannot be the name of a MAME set"),
                     qPrintable(shown.text));
        }
    }

    void launchRunsMameDirectlyOnTheSetInTheEmulatorFolder() {
        LaunchSetup setup;
        LaunchController launch(*setup.host);
        RunObservation during;
        observeDuringRun(*setup.window, during);

        QVERIFY(launch.LaunchSet(QStringLiteral("pacman")));

        const QList<StandinCall> calls = setup.calls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().args, QStringList{QStringLiteral("pacman")});
        QCOMPARE(calls.first().cwd, setup.cleanEmulatorDir());
        QVERIFY(during.seen);
        QVERIFY(!during.visible);
        QVERIFY(during.busy);
        QVERIFY(setup.window->isVisible() && !setup.window->isBusy());
        QVERIFY(setup.prompts.shown().isEmpty());
        setup.window->setBusy(true); // a busy window runs nothing
        QVERIFY(!launch.LaunchSet(QStringLiteral("pacman")));
        QCOMPARE(setup.calls().size(), 1);
    }

    void windowMinimisedToTheTrayStaysThere_data() {
        QTest::addColumn<bool>("trayMin");
        QTest::addColumn<bool>("visibleAfter");
        QTest::newRow("minimised to the tray") << true << false;
        QTest::newRow("hidden without trayMin comes back") << false << true;
        // A capture asks for its file first: the window comes back for that dialog and stays.
        QTest::newRow("capture after minimising to the tray") << true << true;
    }
    void windowMinimisedToTheTrayStaysThere() {
        QFETCH(bool, trayMin);
        QFETCH(bool, visibleAfter);
        LaunchSetup setup;
        setup.window->state().trayMin = trayMin;
        setup.window->showMinimized();
        setup.window->hide();
        LaunchController launch(*setup.host);
        setup.prompts.queueFile(setup.root.filePath(QStringLiteral("x.mng")));

        QVERIFY(trayMin && visibleAfter ? launch.LaunchWithCapture(CaptureKind::Mng)
                                        : launch.LaunchSet(QStringLiteral("pacman")));
        QCOMPARE(setup.calls().size(), 1);
        QCOMPARE(setup.window->isVisible(), visibleAfter);
        QVERIFY(!setup.window->isBusy());
    }

    void failedRunsBringTheWindowBackAndSayWhy_data() {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("vanished");
        QTest::addColumn<QString>("messageStart");
        QTest::newRow("vanished executable") << QByteArray("QX_UNUSED") << QByteArray() << true
                                             << QStringLiteral("MAME could not be started: ");
        QTest::newRow("crash") << QByteArray("QX_STANDIN_CRASH") << QByteArray("1") << false
                               << QStringLiteral("MAME stopped unexpectedly");
        QTest::newRow("missing ROMs") << QByteArray("QX_STANDIN_EXIT_CODE") << QByteArray("2") << false
                                      << QStringLiteral("MAME could not run pacman: missing ROM files");
    }
    void failedRunsBringTheWindowBackAndSayWhy() {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        QFETCH(bool, vanished);
        QFETCH(QString, messageStart);
        LaunchSetup setup;
        if (vanished) {
            QFile::remove(setup.emulator);
        }
        const EnvironmentScope environment(variable.constData(), value);
        LaunchController launch(*setup.host);

        launch.LaunchSet(QStringLiteral("pacman"));

        QVERIFY(setup.window->isVisible());
        QVERIFY(!setup.window->isBusy());
        const ShownPrompt *message = lastInform(setup.prompts);
        QVERIFY(message);
        QVERIFY2(message->text.startsWith(messageStart), qPrintable(message->text));
        QCOMPARE(message->title, QStringLiteral("Quorvex"));
    }

    void consoleModes_data() {
        QTest::addColumn<int>("showConsole");
        QTest::addColumn<bool>("keepOpen");
        QTest::addColumn<bool>("inTerminal");
        QTest::addColumn<bool>("keptOpen");
        QTest::newRow("shown and kept") << 1 << true << true << true;
        QTest::newRow("shown, closed after") << 1 << false << true << false;
        QTest::newRow("hidden though keep is on") << 0 << true << false << false;
        QTest::newRow("minimised console is never kept") << 6 << true << true << false;
    }
    void consoleModes() {
        QFETCH(int, showConsole);
        QFETCH(bool, keepOpen);
        QFETCH(bool, inTerminal);
        QFETCH(bool, keptOpen);
        LaunchSetup setup;
        // A terminal that notes how it was asked to run the command, then runs it without a screen.
        const QString terminal = setup.root.filePath(QStringLiteral("terminal.sh"));
        const QString terminalLog = setup.root.filePath(QStringLiteral("terminal.log"));
        writeFile(terminal, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + terminalLog.toUtf8() +
                                "\"\nshift\nexec \"$@\" < /dev/null\n");
        QFile::setPermissions(terminal, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const EnvironmentScope environment("TERMINAL", terminal.toUtf8());
        setup.window->state().ShowConsole = showConsole;
        setup.settings().set(Settings::KeepConsoleOpen, keepOpen);
        LaunchController launch(*setup.host);

        QVERIFY(launch.LaunchSet(QStringLiteral("pacman")));

        QCOMPARE(setup.calls().size(), 1);
        QCOMPARE(setup.calls().first().args, QStringList{QStringLiteral("pacman")});
        QCOMPARE(QFile::exists(terminalLog), inTerminal);
        if (inTerminal) {
            const QByteArray asked = readFile(terminalLog);
            QVERIFY(asked.startsWith("-e\n"));
            QCOMPARE(asked.contains("Press Enter"), keptOpen);
            QVERIFY(asked.contains(setup.emulator.toUtf8() + "\npacman\n"));
        }
    }

    void captureRunsPassTheSwitchAndTheFile_data() {
        QTest::addColumn<CaptureKind>("kind");
        QTest::addColumn<QString>("chosenName");
        QTest::addColumn<bool>("fullPath");
        QTest::addColumn<QString>("switchName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("folder");
        for (const auto &[row, kind, chosen, fullPath, switchName, title, filter, save, folder] :
             {std::tuple{"record input", CaptureKind::RecordInput, "best run.inp", false, "-record",
                         "Save Input file for set : pacman", "MAME Input Files (*.inp)", true, "inp"},
              {"playback input", CaptureKind::PlaybackInput, "it's \"odd\"; yes.inp", false, "-playback",
               "Open Input file for set : pacman", "MAME Input Files (*.inp)", false, "inp"},
              {"wav", CaptureKind::Wav, "sound; take 1.wav", true, "-wavwrite", "Save WAV audio",
               "Windows Audio (*.wav)", true, "snap"},
              {"mng", CaptureKind::Mng, "clip.mng", false, "-mngwrite", "Save MNG video",
               "Multiple Network Graphics (*.mng)", true, "snap"},
              {"avi", CaptureKind::Avi, "clip.avi", false, "-aviwrite", "Save AVI file for set : pacman",
               "Windows Video (*.avi)", true, "snap"}}) {
            QTest::newRow(row) << kind << chosen << fullPath << switchName << title << filter << save
                               << folder;
        }
    }
    void captureRunsPassTheSwitchAndTheFile() {
        QFETCH(CaptureKind, kind);
        QFETCH(QString, chosenName);
        QFETCH(bool, fullPath);
        QFETCH(QString, switchName);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        QFETCH(bool, save);
        QFETCH(QString, folder);
        LaunchSetup setup;
        // Chosen in a folder of its own: only the WAV run is told where it is.
        const QString chosen = setup.root.filePath(QStringLiteral("elsewhere/")) + chosenName;
        writeFile(chosen, "");
        setup.prompts.queueFile(chosen);
        LaunchController launch(*setup.host);
        RunObservation during;
        observeDuringRun(*setup.window, during);

        QVERIFY(launch.LaunchWithCapture(kind));

        QCOMPARE(setup.prompts.shown().size(), 1);
        const FileDialogRequest &dialog = setup.prompts.shown().first().fileRequest;
        QCOMPARE(dialog.title, title);
        QCOMPARE(dialog.filter, filter);
        QCOMPARE(dialog.initialFile, "pacman." + chosenName.section(QLatin1Char('.'), -1));
        QCOMPARE(dialog.save, save);
        QCOMPARE(dialog.initialFolder, setup.emulatorDir + folder + QLatin1Char('/'));
        QVERIFY(QFileInfo(dialog.initialFolder).isDir());
        const QList<StandinCall> calls = setup.calls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().args,
                 (QStringList{QStringLiteral("pacman"), switchName, fullPath ? chosen : chosenName}));
        QCOMPARE(calls.first().cwd, setup.cleanEmulatorDir());
        QVERIFY(during.seen && !during.visible && during.busy);
        QVERIFY(setup.window->isVisible());
        QVERIFY(!setup.window->isBusy());
    }

    void cancelledCaptureDialogRunsNothingAndKeepsTheWindow() {
        LaunchSetup setup;
        setup.settings().write(Settings::JoySelect, QStringLiteral("1"));
        setup.window->applyJoystickSettings();
        LaunchController launch(*setup.host);
        RunObservation during;
        observeDuringRun(*setup.window, during);

        QVERIFY(!launch.LaunchWithCapture(CaptureKind::RecordInput)); // no file queued: cancelled

        QCOMPARE(setup.prompts.shown().size(), 1);
        QVERIFY(setup.calls().isEmpty());
        QVERIFY(setup.window->isVisible());
        QVERIFY(!setup.window->isBusy());
        QVERIFY(setup.window->joystickPoller().isPolling()); // paused for the dialog, polling again
        QTest::qWait(0);
        QVERIFY(!during.seen || during.visible); // never hidden
    }

    void captureFolderComesFromMameIniWithoutQuotesAndWithHomeExpanded() {
        LaunchSetup setup("<UNADORNED0>\ninput_directory           \"$HOME/my inputs\"\n");
        const EnvironmentScope home("HOME", setup.root.filePath(QStringLiteral("home")).toUtf8());
        setup.prompts.queueFile(setup.root.filePath(QStringLiteral("home/my inputs/x.inp")));
        LaunchController launch(*setup.host);

        QVERIFY(launch.LaunchWithCapture(CaptureKind::RecordInput));

        const QString expected = setup.root.filePath(QStringLiteral("home/my inputs/"));
        QCOMPARE(setup.prompts.shown().first().fileRequest.initialFolder, expected);
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(setup.calls().first().args.last(), QStringLiteral("x.inp"));
    }

    void captureFolderThatCannotBeMadeIsReported() {
        LaunchSetup setup("<UNADORNED0>\nsnapshot_directory        locked/snap\n");
        QDir().mkpath(setup.emulatorDir + QStringLiteral("locked"));
        const ReadOnlyFolder locked(setup.emulatorDir + QStringLiteral("locked"));
        if (!locked.isReadOnly()) {
            QSKIP("cannot make a folder read-only here");
        }
        LaunchController launch(*setup.host);

        QVERIFY(!launch.LaunchWithCapture(CaptureKind::Mng));

        const ShownPrompt *message = lastInform(setup.prompts);
        QVERIFY(message);
        QVERIFY2(message->text.contains(QStringLiteral("cannot be created")), qPrintable(message->text));
        QVERIFY(message->text.contains(QStringLiteral("snapshot_directory")));
        QVERIFY(setup.calls().isEmpty());
        QVERIFY(!setup.window->isBusy());
        QVERIFY(setup.window->isVisible());
    }

    void randomPlay_data() {
        QTest::addColumn<bool>("picked");
        QTest::addColumn<bool>("selectOnly");
        QTest::addColumn<bool>("launched");
        QTest::newRow("picked and launched") << true << false << true;
        QTest::newRow("select only") << true << true << false;
        QTest::newRow("nothing to pick") << false << false << false;
    }
    void randomPlay() {
        QFETCH(bool, picked);
        QFETCH(bool, selectOnly);
        QFETCH(bool, launched);
        LaunchSetup setup;
        setup.settings().set(Settings::RandomSelectOnly, selectOnly);
        setup.host->pickRandom = [&] {
            if (picked) {
                setup.window->state().CurrentSetName = QStringLiteral("galaga");
            }
            return picked;
        };
        setup.window->attachParts();

        setup.window->actions().find(QStringLiteral("mnuPopupRandom"))->trigger();

        QCOMPARE(setup.host->currentSetShown, picked ? 1 : 0);
        QCOMPARE(setup.calls().size(), launched ? 1 : 0);
        if (launched) {
            QCOMPARE(setup.calls().first().args, QStringList{QStringLiteral("galaga")});
        }
    }

    // The dialog's preparation and the dialog itself run with the joystick paused; the poll resumes after.
    void modalToolDialogsPauseTheJoystick() {
        LaunchSetup setup;
        struct CountingPoll : JoystickPoll {
            int pauses = 0;
            void pausePolling() override { ++pauses; }
            void resumePolling() override { --pauses; }
        } poll;
        QDialog dialog(setup.window.get());
        int pausedWhilePreparing = 0;
        int pausedDuringDialog = 0;
        QTimer::singleShot(0, &dialog, [&] {
            pausedDuringDialog = poll.pauses;
            dialog.accept();
        });

        const int result = ModalToolDialog(poll, dialog, [&] { pausedWhilePreparing = poll.pauses; });

        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(pausedWhilePreparing, 1);
        QCOMPARE(pausedDuringDialog, 1);
        QCOMPARE(poll.pauses, 0);
    }

    void captureEntriesOfBothMenusRunTheirKind() {
        LaunchSetup setup;
        setup.window->attachParts();
        setup.prompts.queueFile(setup.root.filePath(QStringLiteral("a.inp")));
        setup.prompts.queueFile(setup.root.filePath(QStringLiteral("b.avi")));
        setup.window->actions().find(QStringLiteral("mnuFileRecord"))->trigger();
        setup.window->actions().find(QStringLiteral("mnuItemPopupSndVid"))->trigger();
        const QList<StandinCall> calls = setup.calls();
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls.at(0).args.at(1), QStringLiteral("-record"));
        QCOMPARE(calls.at(1).args.at(1), QStringLiteral("-aviwrite"));
    }
};

QTEST_MAIN(LaunchControllerTest)
#include "LaunchControllerTest.moc"
