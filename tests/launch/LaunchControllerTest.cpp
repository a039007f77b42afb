// The window's commands on a set: play it (MAME runs in the emulator folder while the window waits hidden,
// with a capture file when asked, in a terminal when the console is shown), verify it (MAME's answer shown,
// the set's State corrected), and delete its files and snapshots.
#include "launch/LaunchController.h"

#include "EnvironmentScope.h"
#include "LaunchTestSetup.h"
#include "ReadOnlyFolder.h"
#include "app/ModalToolDialog.h"
#include "browser/info/InfoPanel.h"
#include "browser/setlist/SetListView.h"
#include "browser/window/JoystickPoller.h"
#include "catalogue/SetListCache.h"
#include "dialogs/VerifyOutputWindow.h"
#include "launch/SetFilesController.h"
#include "launch/VerifyController.h"

#include <QAction>
#include <QDialog>
#include <QDirIterator>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using namespace qx;
using namespace qx::test;

namespace {

// What the window looked like while MAME ran, seen from the window's own event loop.
struct RunObservation {
    bool seen = false;
    bool visible = true;
    bool busy = false;
};

void observeDuringRun(MainWindow &window, RunObservation &observation) {
    QTimer::singleShot(0, &window, [&window, &observation] {
        observation = {true, window.isVisible(), window.isBusy()};
    });
}

QString lastMessage(const ScriptedUserPrompts &prompts) {
    const QStringList messages = prompts.shownTexts(ShownPrompt::Kind::Inform);
    return messages.isEmpty() ? QString() : messages.constLast();
}

const QByteArray kCache = "galaga=Galaga==Namco=1981=good=2=galaga.cpp=no\r\n"
                          "pacman=Pac-Man=puckman=Namco=1980=good=1=pacman.cpp=no\r\n";

// What the verify output window showed (title, text, font, colours, then 1 or 0 for read-only and the sample
// check) before the test toggled its sample check and closed it.
void closeOutputWindowWhenShown(VerifyController &verify, QStringList &seen) {
    auto *poll = new QTimer(&verify);
    QObject::connect(poll, &QTimer::timeout, poll, [&verify, &seen, poll] {
        VerifyOutputWindow *window = verify.outputWindow();
        if (window && window->isVisible()) {
            const auto *text = window->findChild<QPlainTextEdit *>("Text1");
            auto *samples = window->findChild<QAction *>("mnuOptionsSamples");
            const QPalette colours = text->palette();
            seen = {window->windowTitle(), window->outputText(), text->font().toString(),
                    colours.color(QPalette::Base).name() + colours.color(QPalette::Text).name(),
                    QString::number(text->isReadOnly()) + QString::number(samples->isChecked())};
            samples->trigger();
            window->findChild<QAction *>("mnuClose")->trigger();
            poll->deleteLater();
        }
    });
    poll->start(5);
}

struct VerifySetup : LaunchSetup {
    VerifySetup() {
        QFile::link(fixturesDir() + "/launch/verify", emulatorDir + "standin-fixtures");
        writeFile(window->state().cachePath(), kCache);
        window->catalogue() = LoadSetList(window->state().cachePath(), true);
    }
};

// The questions asked, each flagged when it lacks the program's title or No as its default button.
QStringList askedQuestions(const ScriptedUserPrompts &prompts) {
    QStringList questions;
    for (const ShownPrompt &prompt : prompts.shown()) {
        if (prompt.kind == ShownPrompt::Kind::Ask) {
            const bool plain = prompt.title == "Quorvex" && prompt.defaultButton == PromptAnswer::No;
            questions.append(prompt.text + (plain ? QString() : QStringLiteral(" (wrong title or default)")));
        }
    }
    return questions;
}

} // namespace

class LaunchControllerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A name from a damaged or hostile qx.dat never reaches MAME as an option nor names a file to delete.
    void namesMameCouldNotHaveMadeAreRefused() {
        for (const QString name : {"-listxml", "../cfg/x", "Pacman", "pac man"}) {
            LaunchSetup setup;
            setup.window->state().CurrentSetName = name;
            const QString victim = setup.emulatorDir + "nvram/" + name + ".nv";
            QDir().mkpath(setup.emulatorDir + "nvram");
            writeFile(victim, "x");
            setup.prompts.queueAnswer(PromptAnswer::Yes); // were a deletion asked, it would be confirmed

            QVERIFY(!LaunchController(*setup.host).LaunchSet(name));
            QVERIFY(!LaunchController(*setup.host).LaunchWithCapture(CaptureKind::Wav));
            VerifyController(*setup.host).VerifySet(name);
            SetFilesController(*setup.host).DeleteSetFile(SetFileType::Nvram);

            QVERIFY(setup.calls().isEmpty() && QFile::exists(victim));
            const QString refusal = "\u201C" + name + "\u201D cannot be the name of a MAME set";
            QCOMPARE(setup.prompts.shownTexts(ShownPrompt::Kind::Inform).filter(refusal).size(), 4);
            QCOMPARE(setup.prompts.shown().size(), 4);
        }
    }

    // MAME runs directly on the set in the emulator folder while the window waits hidden and busy. After the
    // run the window comes back, unless it was minimised to the tray (a capture asks for its file first, so
    // the window comes back for that dialog and stays); a failed run is explained.
    void aRunAndWhatFollows() {
        // Minimised and hidden before the run, trayMin, a capture, the stand-in's environment ("vanished": no
        // executable), visible after the run, the start of the message shown.
        const std::tuple<bool, bool, bool, QByteArray, bool, QString> runs[] = {
            {false, false, false, "", true, ""},
            {true, true, false, "", false, ""},
            {true, false, false, "", true, ""},
            {true, true, true, "", true, ""},
            {false, false, false, "vanished", true, "MAME could not be started: "},
            {false, false, false, "QX_STANDIN_CRASH=1", true, "MAME stopped unexpectedly"},
            {false, false, false, "QX_STANDIN_EXIT_CODE=2", true,
             "MAME could not run pacman: missing ROM files"}};
        for (const auto &[inTray, trayMin, capture, environment, visibleAfter, message] : runs) {
            LaunchSetup setup;
            setup.window->state().trayMin = trayMin;
            if (inTray) {
                setup.window->showMinimized();
                setup.window->hide();
            }
            const bool vanished = environment == "vanished";
            if (vanished) {
                QFile::remove(setup.emulator);
            }
            const QByteArray variable =
                vanished || environment.isEmpty() ? "QX_UNUSED" : environment.split('=')[0];
            const EnvironmentScope scope(variable.constData(), environment.mid(variable.size() + 1));
            setup.prompts.queueFile(setup.root.filePath("x.mng"));
            LaunchController launch(*setup.host);
            RunObservation during;
            observeDuringRun(*setup.window, during);

            QCOMPARE(capture ? launch.LaunchWithCapture(CaptureKind::Mng) : launch.LaunchSet("pacman"),
                     !vanished);

            QCOMPARE(setup.switches(),
                     vanished ? QStringList() : QStringList{capture ? "pacman -mngwrite x.mng" : "pacman"});
            QVERIFY(vanished || setup.calls().first().cwd == setup.cleanEmulatorDir());
            QVERIFY(inTray || (during.seen && !during.visible && during.busy));
            QVERIFY(setup.window->isVisible() == visibleAfter && !setup.window->isBusy());
            QVERIFY2(message.isEmpty() ? lastMessage(setup.prompts).isEmpty()
                                       : lastMessage(setup.prompts).startsWith(message),
                     qPrintable(lastMessage(setup.prompts)));
            QVERIFY(message.isEmpty() || setup.prompts.shown().constLast().title == "Quorvex");
            setup.window->setBusy(true); // a busy window runs nothing
            QVERIFY(!launch.LaunchSet("pacman"));
            QCOMPARE(setup.calls().size(), vanished ? 0 : 1);
        }
    }

    // A shown console runs MAME in a terminal, kept open after the run when asked, unless it is minimised.
    void consoleModes() {
        // ShowConsole, KeepConsoleOpen, run in the terminal, kept open after
        for (const auto &[showConsole, keepOpen, inTerminal, keptOpen] : {std::tuple{1, true, true, true},
                                                                          {1, false, true, false},
                                                                          {0, true, false, false},
                                                                          {6, true, true, false}}) {
            LaunchSetup setup;
            // A terminal that notes how it was asked to run the command, then runs it without a screen.
            const QString terminal = setup.root.filePath("terminal.sh");
            const QString terminalLog = setup.root.filePath("terminal.log");
            writeFile(terminal, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + terminalLog.toUtf8() +
                                    "\"\nshift\nexec \"$@\" < /dev/null\n");
            QFile::setPermissions(terminal, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            const EnvironmentScope environment("TERMINAL", terminal.toUtf8());
            setup.window->state().ShowConsole = showConsole;
            setup.settings().set(Settings::KeepConsoleOpen, keepOpen);

            QVERIFY(LaunchController(*setup.host).LaunchSet("pacman"));

            QCOMPARE(setup.switches(), QStringList{"pacman"});
            const QByteArray asked = readFile(terminalLog);
            QCOMPARE(asked.startsWith("-e\n") && asked.contains(setup.emulator.toUtf8() + "\npacman\n"),
                     inTerminal);
            QCOMPARE(asked.contains("Press Enter"), keptOpen);
        }
    }

    // Each capture entry of the File menu and the set's pop-up runs its kind of capture on the current set
    // (launch/captures.txt); the file is chosen in a folder of its own.
    void captureRunsPassTheSwitchAndTheFile_data() { addFixtureRows("launch/captures.txt"); }
    void captureRunsPassTheSwitchAndTheFile() {
        QFETCH(QStringList, cells);
        LaunchSetup setup;
        setup.window->attachParts();
        const QString chosen = setup.root.filePath("elsewhere/") + cells[0];
        writeFile(chosen, "");
        setup.prompts.queueFile(chosen);

        setup.window->actions().find(QTest::currentDataTag())->trigger();

        QCOMPARE(setup.prompts.shown().size(), 1);
        const FileDialogRequest &dialog = setup.prompts.shown().first().fileRequest;
        QCOMPARE(QStringList({dialog.title, dialog.filter, dialog.save ? "save" : "open",
                              dialog.initialFolder, dialog.initialFile}),
                 QStringList({cells[3], cells[4], cells[5], setup.emulatorDir + cells[6] + '/',
                              "pacman." + cells[0].section('.', -1)}));
        QVERIFY(QFileInfo(dialog.initialFolder).isDir());
        QCOMPARE(setup.calls().size(), 1);
        QCOMPARE(setup.calls().first().args,
                 QStringList({"pacman", cells[1], cells[2] == "path" ? chosen : cells[0]}));
        QCOMPARE(setup.calls().first().cwd, setup.cleanEmulatorDir());
        QVERIFY(setup.window->isVisible() && !setup.window->isBusy());
    }

    // The joystick rests while the dialog shows and polls again after; the window is never hidden.
    void cancelledCaptureDialogRunsNothingAndKeepsTheWindow() {
        LaunchSetup setup;
        setup.settings().write(Settings::JoySelect, "1");
        setup.window->applyJoystickSettings();
        RunObservation during;
        observeDuringRun(*setup.window, during);

        QVERIFY(!LaunchController(*setup.host).LaunchWithCapture(CaptureKind::RecordInput)); // no file queued

        QCOMPARE(setup.prompts.shown().size(), 1);
        QVERIFY(setup.calls().isEmpty());
        QVERIFY(setup.window->isVisible() && !setup.window->isBusy());
        QVERIFY(setup.window->joystickPoller().isPolling());
        QTest::qWait(0);
        QVERIFY(!during.seen || during.visible);
    }

    // The capture folder comes from mame.ini, unquoted and with $HOME expanded; one that cannot be made is
    // reported and nothing runs.
    void captureFolderComesFromMameIni() {
        LaunchSetup setup("<UNADORNED0>\ninput_directory           \"$HOME/my inputs\"\n"
                          "snapshot_directory        locked/snap\n");
        const EnvironmentScope home("HOME", setup.root.filePath("home").toUtf8());
        setup.prompts.queueFile(setup.root.filePath("home/my inputs/x.inp"));

        QVERIFY(LaunchController(*setup.host).LaunchWithCapture(CaptureKind::RecordInput));

        const QString expected = setup.root.filePath("home/my inputs/");
        QCOMPARE(setup.prompts.shown().first().fileRequest.initialFolder, expected);
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(setup.switches(), QStringList{"pacman -record x.inp"});

        QDir().mkpath(setup.emulatorDir + "locked");
        const ReadOnlyFolder locked(setup.emulatorDir + "locked");
        if (!locked.isReadOnly()) {
            QSKIP("cannot make a folder read-only here");
        }
        QVERIFY(!LaunchController(*setup.host).LaunchWithCapture(CaptureKind::Mng));
        const QString message = lastMessage(setup.prompts);
        QVERIFY2(message.contains("cannot be created") && message.contains("snapshot_directory"),
                 qPrintable(message));
        QCOMPARE(setup.calls().size(), 1);
        QVERIFY(setup.window->isVisible() && !setup.window->isBusy());
    }

    // The random pick is shown, and played unless RandomSelectOnly is on.
    void randomPlay() {
        for (const auto &[picked, selectOnly] : {std::pair{true, false}, {true, true}, {false, false}}) {
            LaunchSetup setup;
            setup.settings().set(Settings::RandomSelectOnly, selectOnly);
            setup.host->pickRandom = [&, picked = picked] {
                setup.window->state().CurrentSetName = picked ? "galaga" : "pacman";
                return picked;
            };
            setup.window->attachParts();

            setup.window->actions().find("mnuPopupRandom")->trigger();

            QCOMPARE(setup.host->currentSetShown, picked ? 1 : 0);
            QCOMPARE(setup.switches(), picked && !selectOnly ? QStringList{"galaga"} : QStringList());
        }
    }

    // A tool dialog's preparation and the dialog itself run with the joystick paused; the poll resumes after.
    void modalToolDialogsPauseTheJoystick() {
        struct CountingPoll : JoystickPoll {
            int pauses = 0;
            void pausePolling() override { ++pauses; }
            void resumePolling() override { --pauses; }
        } poll;
        QDialog dialog;
        QList<int> paused;
        QTimer::singleShot(0, &dialog, [&] {
            paused += poll.pauses;
            dialog.accept();
        });
        QCOMPARE(ModalToolDialog(poll, dialog, [&] { paused += poll.pauses; }), int(QDialog::Accepted));
        QCOMPARE(paused + QList<int>{poll.pauses}, QList<int>({1, 1, 0}));
    }

    // The window shows MAME's answer in the set list's font and colours, read-only, with the sample check.
    void verifySetCorrectsTheSetAndShowsMameAnswer() {
        VerifySetup setup;
        setup.host->selected = [&setup] {
            return SelectedSet::Of(setup.window->catalogue().at(0)); // galaga
        };
        setup.window->attachParts();
        QPalette listColours;
        listColours.setColor(QPalette::Base, Qt::black);
        listColours.setColor(QPalette::Text, Qt::yellow);
        setup.window->setListView().setPalette(listColours);
        setup.window->setListView().setFont(QFont("Courier", 13));
        QStringList seen;
        closeOutputWindowWhenShown(setup.window->verifier(), seen);

        setup.window->actions()[ActionId::ItemPopupVerify]->trigger();

        QCOMPARE(seen, QStringList({"galaga", "romset galaga is good\n\nsampleset galaga is good\n",
                                    setup.window->setListView().font().toString(), "#000000#ffff00", "11"}));
        QVERIFY(!setup.window->state().checksamples); // toggled from the window
        QCOMPARE(setup.host->setStates, (QList<QPair<QString, SetState>>{{"galaga", SetState::Available}}));
        QVERIFY(!setup.window->isBusy());
    }

    // Without the output window there is no sample check; a MAME that has gone is reported and nothing
    // changes.
    void verifySetWithoutTheWindow() {
        for (const bool vanished : {false, true}) {
            VerifySetup setup;
            setup.settings().write(Settings::VerifyDialog, "0");
            if (vanished) {
                QFile::remove(setup.emulator);
            }

            VerifyController(*setup.host).VerifySet("pacman"); // "is bad" while shown available

            const QList<QPair<QString, SetState>> changed{{"pacman", SetState::Unavailable}};
            QCOMPARE(setup.host->setStates, vanished ? decltype(changed)() : changed);
            QCOMPARE(readFile(setup.window->state().cachePath()),
                     vanished ? kCache : QByteArray(kCache).replace("good=1=pacman", "good=2=pacman"));
            QCOMPARE(setup.switches(), vanished ? QStringList() : QStringList{"-verifyroms pacman"});
            QCOMPARE(setup.prompts.shown().size(), int(vanished));
            QVERIFY(!vanished ||
                    setup.prompts.shownTexts().first().startsWith("MAME could not be started: "));
            QVERIFY(!setup.window->isBusy());
        }
    }

    // Yes (or confirmverify off) checks that MAME is still MAME, takes over its version, and refreshes.
    void verifyAllSetsAsksFirst() {
        // confirmverify, the user's answer
        for (const auto &[asked, answerYes] : {std::pair{true, false}, {true, true}, {false, false}}) {
            const bool refreshed = answerYes || !asked;
            LaunchSetup setup; // the stand-in's usual fixtures: it answers -help as MAME
            setup.settings().write(Settings::ConfirmVerify, asked ? "1" : "0");
            setup.prompts.queueAnswer(answerYes ? PromptAnswer::Yes : PromptAnswer::No);
            int refreshes = 0;
            setup.host->refresh = [&] {
                ++refreshes;
            };
            setup.window->attachParts();

            setup.window->actions().find("mnuPopupVerify")->trigger();

            QCOMPARE(askedQuestions(setup.prompts), asked ? QStringList{"Verify all sets?"} : QStringList());
            QVERIFY(!asked || setup.prompts.shown().first().buttons == PromptButtons::YesNo);
            QCOMPARE(refreshes, refreshed ? 1 : 0);
            QCOMPARE(setup.switches(), refreshed ? QStringList{"-help"} : QStringList());
            QCOMPARE(setup.window->windowTitle().startsWith("MAME v0.251 (unknown) - Quorvex"), refreshed);
            QCOMPARE(setup.settings().read(Settings::Version).isEmpty(), !refreshed);
        }
    }

    // One set's files go type by type as answered. Every set's files go too, those of qx.dat's sets (a clone
    // the catalogue leaves out included), never MAME's own option files.
    void deletionsAskForEachTypeInOrder() {
        LaunchSetup setup(LaunchSetup::defaultMameIni().replace("inipath                   .;ini",
                                                                "inipath                   .;.;ini"));
        writeFile(setup.window->state().cachePath(),
                  "galaga=Galaga==Namco=1981=good=2=galaga.cpp=no\r\n"
                  "puckman=Puck Man=pacman=Namco=1980=good=1=pac.cpp=no\r\n");
        for (const char *file :
             {"nvram/pacman/eeprom", "cfg/pacman.cfg", "diff/pacman.dif", "ini/pacman.ini", "ini/galaga.ini",
              "ini/puckman.ini", "nvram/puckman/eeprom", "cfg/galaga.cfg", "ini/horizont.ini"}) {
            writeFile(setup.emulatorDir + file, "x");
        }
        for (const PromptAnswer answer :
             {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Yes,
              PromptAnswer::Yes, PromptAnswer::Yes, PromptAnswer::Yes}) {
            setup.prompts.queueAnswer(answer);
        }
        setup.window->attachParts();
        const auto left = [&] {
            QStringList files;
            for (QDirIterator it(setup.emulatorDir, QDir::Files, QDirIterator::Subdirectories);
                 it.hasNext();) {
                files += QDir(setup.emulatorDir).relativeFilePath(it.next());
            }
            files.sort();
            return files.join(' ');
        };

        setup.window->actions()[ActionId::ItemPopupDelAll]->trigger();
        QCOMPARE(left(), "cfg/galaga.cfg cfg/pacman.cfg ini/galaga.ini ini/horizont.ini ini/pacman.ini "
                         "ini/puckman.ini mame mame.ini nvram/puckman/eeprom");
        setup.window->actions()[ActionId::ToolsDelAll]->trigger();
        QCOMPARE(left(), "ini/horizont.ini ini/pacman.ini mame mame.ini"); // pacman is not in qx.dat
        QCOMPARE(
            askedQuestions(setup.prompts),
            QStringList({"Delete the NVRAM of pacman (1 file)?", "Delete pacman.cfg?", "Delete pacman.dif?",
                         "Delete pacman.ini?", "Delete all NVRAM Files?", "Delete all Configuration Files?",
                         "Delete all Difference Files?", "Delete all INI Files?"}));
    }

    // The picture shown decides the folder, also while another set is current. A name that is taken changes
    // nothing and the user hears why; after a deletion, or for a flyer whose caption looks like a snapshot's
    // name, no snapshot entry is offered.
    void snapshotEntriesRenameAndDelete() {
        LaunchSetup setup;
        const QString folder = setup.emulatorDir + "snap/pacman/";
        writeFile(folder + "0000.png", "first");
        writeFile(folder + "0001.png", "second");
        ScriptedLaunchHost &host = *setup.host;
        host.caption = "0000.png";
        setup.window->state().CurrentSetName = "galaga";
        host.pictureSet = [] {
            return QStringLiteral("pacman");
        };
        setup.window->attachParts();
        const MainActions &actions = setup.window->actions();
        QAction *deleteEntry = actions[ActionId::PopupSnap0];
        QAction *renameEntry = actions[ActionId::PopupSnap1];
        QAction *separator = actions[ActionId::PopupBar0];
        SetFilesController files(host);
        const auto offered = [&] {
            files.PrepareSnapshotEntries(deleteEntry, renameEntry, separator);
            return QList<bool>{deleteEntry->isVisible(), renameEntry->isVisible(), separator->isVisible()};
        };

        QCOMPARE(offered(), QList<bool>({true, true, true}));
        QCOMPARE(deleteEntry->text() + '|' + renameEntry->text(), "Delete 0000.png|Rename 0000.png");
        setup.prompts.queueInput("0001");
        renameEntry->trigger();
        QCOMPARE(setup.prompts.shown().at(0).text + '|' + setup.prompts.shown().at(0).title,
                 "Enter new name:|Quorvex");
        QCOMPARE(setup.prompts.shown().at(1).kind, ShownPrompt::Kind::Inform);
        QCOMPARE(readFile(folder + "0000.png") + readFile(folder + "0001.png"), "firstsecond");
        QCOMPARE(host.caption, "0000.png");

        setup.prompts.queueInput("0005");
        renameEntry->trigger();
        QCOMPARE(readFile(folder + "0005.png") + '|' + host.caption.toUtf8(), "first|0005.png");

        setup.prompts.clearShown();
        setup.prompts.queueAnswer(PromptAnswer::Yes);
        deleteEntry->trigger();
        QCOMPARE(askedQuestions(setup.prompts), QStringList{"Delete 0005.png?"});
        QVERIFY(!QFile::exists(folder + "0005.png"));
        QCOMPARE(host.caption, "0005.png not found");
        QCOMPARE(host.picturesRemoved, 1);
        QCOMPARE(offered(), QList<bool>({false, false, false}));

        host.pictureSet = nullptr;
        setup.window->infoPanel().setCaption("0000.png");
        QCOMPARE(offered(), QList<bool>({false, false, false}));
    }

    void emulatorFolderAndOnlineInformationOpenThroughTheDesktop() {
        LaunchSetup setup;
        setup.window->attachParts();
        setup.window->actions()[ActionId::ToolsExplorer]->trigger();
        setup.window->actions()[ActionId::ItemPopupMaws]->trigger();
        QCOMPARE(setup.services.opened,
                 (QStringList{setup.emulatorDir, setup.settings().get(Settings::Url) + "pacman"}));
    }
};

QTEST_MAIN(LaunchControllerTest)
#include "LaunchControllerTest.moc"
