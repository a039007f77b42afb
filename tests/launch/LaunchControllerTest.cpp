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

// What the verify output window showed before the test toggled its sample check and closed it.
struct ShownWindow {
    bool shown = false;
    QString title;
    QString text;
    QFont font;
    QPalette colours;
    bool readOnly = false;
    bool samplesChecked = false;
};

void closeOutputWindowWhenShown(VerifyController &verify, ShownWindow &seen) {
    auto *poll = new QTimer(&verify);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [&verify, &seen, poll] {
        VerifyOutputWindow *window = verify.outputWindow();
        if (!window || !window->isVisible()) {
            return;
        }
        const auto *text = window->findChild<QPlainTextEdit *>("Text1");
        auto *samples = window->findChild<QAction *>("mnuOptionsSamples");
        seen = {true,
                window->windowTitle(),
                window->outputText(),
                text->font(),
                text->palette(),
                text->isReadOnly(),
                samples->isChecked()};
        samples->trigger();
        window->findChild<QAction *>("mnuClose")->trigger();
        poll->deleteLater();
    });
    poll->start();
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
        const QString victim = setup.emulatorDir + "nvram/" + name + ".nv";
        QDir().mkpath(setup.emulatorDir + "nvram");
        writeFile(victim, "x");
        setup.prompts.queueAnswer(PromptAnswer::Yes); // were a deletion asked, it would be confirmed

        QVERIFY(!LaunchController(*setup.host).LaunchSet(name));
        QVERIFY(!LaunchController(*setup.host).LaunchWithCapture(CaptureKind::Wav));
        VerifyController(*setup.host).VerifySet(name);
        SetFilesController(*setup.host).DeleteSetFile(SetFileType::Nvram);

        QVERIFY(setup.calls().isEmpty());
        QVERIFY(QFile::exists(victim));
        QCOMPARE(setup.prompts.shownTexts(ShownPrompt::Kind::Inform).size(), 4);
        QCOMPARE(setup.prompts.shown().size(), 4);
        for (const QString &text : setup.prompts.shownTexts()) {
            QVERIFY2(text.startsWith("\u201C" + name + "\u201D cannot be the name of a MAME set"),
                     qPrintable(text));
        }
    }

    // MAME runs directly on the set in the emulator folder while the window waits hidden and busy. After the
    // run the window comes back, unless it was minimised to the tray (a capture asks for its file first, so
    // the window comes back for that dialog and stays); a failed run is explained.
    void aRunAndWhatFollows_data() {
        QTest::addColumn<bool>("inTray"); // minimised and hidden before the run
        QTest::addColumn<bool>("trayMin");
        QTest::addColumn<bool>("capture");
        QTest::addColumn<QByteArray>("environment"); // "vanished": no executable
        QTest::addColumn<bool>("visibleAfter");
        QTest::addColumn<QString>("message");
        QTest::newRow("plays") << false << false << false << QByteArray() << true << QString();
        QTest::newRow("minimised to the tray") << true << true << false << QByteArray() << false << QString();
        QTest::newRow("hidden without trayMin")
            << true << false << false << QByteArray() << true << QString();
        QTest::newRow("capture from the tray") << true << true << true << QByteArray() << true << QString();
        QTest::newRow("vanished executable")
            << false << false << false << QByteArray("vanished") << true << "MAME could not be started: ";
        QTest::newRow("crash") << false << false << false << QByteArray("QX_STANDIN_CRASH=1") << true
                               << "MAME stopped unexpectedly";
        QTest::newRow("missing ROMs") << false << false << false << QByteArray("QX_STANDIN_EXIT_CODE=2")
                                      << true << "MAME could not run pacman: missing ROM files";
    }
    void aRunAndWhatFollows() {
        QFETCH(bool, inTray);
        QFETCH(bool, trayMin);
        QFETCH(bool, capture);
        QFETCH(QByteArray, environment);
        QFETCH(bool, visibleAfter);
        QFETCH(QString, message);
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
        const QString terminal = setup.root.filePath("terminal.sh");
        const QString terminalLog = setup.root.filePath("terminal.log");
        writeFile(terminal, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + terminalLog.toUtf8() +
                                "\"\nshift\nexec \"$@\" < /dev/null\n");
        QFile::setPermissions(terminal, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const EnvironmentScope environment("TERMINAL", terminal.toUtf8());
        setup.window->state().ShowConsole = showConsole;
        setup.settings().set(Settings::KeepConsoleOpen, keepOpen);

        QVERIFY(LaunchController(*setup.host).LaunchSet("pacman"));

        QCOMPARE(setup.calls().size(), 1);
        QCOMPARE(setup.calls().first().args, QStringList{"pacman"});
        QCOMPARE(QFile::exists(terminalLog), inTerminal);
        const QByteArray asked = inTerminal ? readFile(terminalLog) : QByteArray();
        QVERIFY(!inTerminal ||
                (asked.startsWith("-e\n") && asked.contains(setup.emulator.toUtf8() + "\npacman\n")));
        QCOMPARE(asked.contains("Press Enter"), keptOpen);
    }

    // Each capture entry of the File menu and the set's pop-up runs its kind of capture on the current set
    // (launch/captures.txt); the file is chosen in a folder of its own.
    void captureRunsPassTheSwitchAndTheFile_data() {
        QTest::addColumn<QStringList>("row");
        for (const QString &line : QString::fromUtf8(readFixture("launch/captures.txt")).split('\n')) {
            if (!line.isEmpty() && !line.startsWith('#')) {
                QTest::newRow(qPrintable(line.section('|', 0, 0))) << line.split('|');
            }
        }
    }
    void captureRunsPassTheSwitchAndTheFile() {
        QFETCH(QStringList, row);
        LaunchSetup setup;
        setup.window->attachParts();
        const QString chosen = setup.root.filePath("elsewhere/") + row[1];
        writeFile(chosen, "");
        setup.prompts.queueFile(chosen);

        setup.window->actions().find(row[0])->trigger();

        QCOMPARE(setup.prompts.shown().size(), 1);
        const FileDialogRequest &dialog = setup.prompts.shown().first().fileRequest;
        QCOMPARE(QStringList({dialog.title, dialog.filter, dialog.save ? "save" : "open",
                              dialog.initialFolder, dialog.initialFile}),
                 QStringList({row[4], row[5], row[6], setup.emulatorDir + row[7] + '/',
                              "pacman." + row[1].section('.', -1)}));
        QVERIFY(QFileInfo(dialog.initialFolder).isDir());
        QCOMPARE(setup.calls().size(), 1);
        QCOMPARE(setup.calls().first().args,
                 QStringList({"pacman", row[2], row[3] == "path" ? chosen : row[1]}));
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

    void captureFolderComesFromMameIniWithoutQuotesAndWithHomeExpanded() {
        LaunchSetup setup("<UNADORNED0>\ninput_directory           \"$HOME/my inputs\"\n");
        const EnvironmentScope home("HOME", setup.root.filePath("home").toUtf8());
        setup.prompts.queueFile(setup.root.filePath("home/my inputs/x.inp"));

        QVERIFY(LaunchController(*setup.host).LaunchWithCapture(CaptureKind::RecordInput));

        const QString expected = setup.root.filePath("home/my inputs/");
        QCOMPARE(setup.prompts.shown().first().fileRequest.initialFolder, expected);
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(setup.calls().first().args.last(), "x.inp");
    }

    void captureFolderThatCannotBeMadeIsReported() {
        LaunchSetup setup("<UNADORNED0>\nsnapshot_directory        locked/snap\n");
        QDir().mkpath(setup.emulatorDir + "locked");
        const ReadOnlyFolder locked(setup.emulatorDir + "locked");
        if (!locked.isReadOnly()) {
            QSKIP("cannot make a folder read-only here");
        }

        QVERIFY(!LaunchController(*setup.host).LaunchWithCapture(CaptureKind::Mng));

        const QString message = lastMessage(setup.prompts);
        QVERIFY2(message.contains("cannot be created") && message.contains("snapshot_directory"),
                 qPrintable(message));
        QVERIFY(setup.calls().isEmpty());
        QVERIFY(setup.window->isVisible() && !setup.window->isBusy());
    }

    void randomPlay_data() {
        QTest::addColumn<bool>("picked");
        QTest::addColumn<bool>("selectOnly");
        QTest::newRow("picked and launched") << true << false;
        QTest::newRow("select only") << true << true;
        QTest::newRow("nothing to pick") << false << false;
    }
    void randomPlay() {
        QFETCH(bool, picked);
        QFETCH(bool, selectOnly);
        LaunchSetup setup;
        setup.settings().set(Settings::RandomSelectOnly, selectOnly);
        setup.host->pickRandom = [&] {
            if (picked) {
                setup.window->state().CurrentSetName = "galaga";
            }
            return picked;
        };
        setup.window->attachParts();

        setup.window->actions().find("mnuPopupRandom")->trigger();

        QCOMPARE(setup.host->currentSetShown, picked ? 1 : 0);
        QCOMPARE(setup.switches(), picked && !selectOnly ? QStringList{"galaga"} : QStringList());
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
        setup.host->selected = [] {
            SelectedSet galaga;
            galaga.name = "galaga";
            return galaga;
        };
        setup.window->attachParts();
        QPalette listColours;
        listColours.setColor(QPalette::Base, Qt::black);
        listColours.setColor(QPalette::Text, Qt::yellow);
        setup.window->setListView().setPalette(listColours);
        setup.window->setListView().setFont(QFont("Courier", 13));
        ShownWindow seen;
        closeOutputWindowWhenShown(setup.window->verifier(), seen);

        setup.window->actions()[ActionId::ItemPopupVerify]->trigger();

        QVERIFY(seen.shown && seen.readOnly && seen.samplesChecked);
        QCOMPARE(seen.title + '|' + seen.text, "galaga|romset galaga is good\n\nsampleset galaga is good\n");
        QCOMPARE(seen.font, setup.window->setListView().font());
        QCOMPARE(QList<QColor>({seen.colours.color(QPalette::Base), seen.colours.color(QPalette::Text)}),
                 QList<QColor>({Qt::black, Qt::yellow}));
        QVERIFY(!setup.window->state().checksamples); // toggled from the window
        QCOMPARE(setup.host->setStates, (QList<QPair<QString, SetState>>{{"galaga", SetState::Available}}));
        QVERIFY(!setup.window->isBusy());
    }

    // Without the output window there is no sample check; a MAME that has gone is reported and nothing
    // changes.
    void verifySetWithoutTheWindow_data() {
        QTest::addColumn<bool>("vanished");
        QTest::newRow("the State changes") << false;
        QTest::newRow("vanished MAME") << true;
    }
    void verifySetWithoutTheWindow() {
        QFETCH(bool, vanished);
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
        QVERIFY(!vanished || setup.prompts.shownTexts().first().startsWith("MAME could not be started: "));
        QVERIFY(!setup.window->isBusy());
    }

    // Yes (or confirmverify off) checks that MAME is still MAME, takes over its version, and refreshes.
    void verifyAllSetsAsksFirst_data() {
        QTest::addColumn<QString>("confirmVerify");
        QTest::addColumn<bool>("answerYes");
        QTest::newRow("asked, no") << "1" << false;
        QTest::newRow("asked, yes") << "1" << true;
        QTest::newRow("not asked") << "0" << false;
    }
    void verifyAllSetsAsksFirst() {
        QFETCH(QString, confirmVerify);
        QFETCH(bool, answerYes);
        const bool asked = confirmVerify == QLatin1String("1");
        const bool refreshed = answerYes || !asked;
        LaunchSetup setup; // the stand-in's usual fixtures: it answers -help as MAME
        setup.settings().write(Settings::ConfirmVerify, confirmVerify);
        if (answerYes) {
            setup.prompts.queueAnswer(PromptAnswer::Yes);
        }
        int refreshes = 0;
        setup.host->refresh = [&] {
            ++refreshes;
        };
        setup.window->attachParts();

        setup.window->actions().find("mnuPopupVerify")->trigger();

        QCOMPARE(setup.prompts.shownTexts(), asked ? QStringList{"Verify all sets?"} : QStringList());
        QVERIFY(!asked || (setup.prompts.shown().first().buttons == PromptButtons::YesNo &&
                           setup.prompts.shown().first().defaultButton == PromptAnswer::No));
        QCOMPARE(refreshes, refreshed ? 1 : 0);
        QCOMPARE(setup.switches(), refreshed ? QStringList{"-help"} : QStringList());
        QCOMPARE(setup.window->windowTitle().startsWith("MAME v0.251 (unknown) - Quorvex"), refreshed);
        QCOMPARE(setup.settings().read(Settings::Version).isEmpty(), !refreshed);
    }

    void allAboveFilesAsksForEachTypeInOrder() {
        LaunchSetup setup;
        const QStringList files{"nvram/pacman/eeprom", "cfg/pacman.cfg", "diff/pacman.dif", "ini/pacman.ini"};
        for (const QString &file : files) {
            writeFile(setup.emulatorDir + file, "x");
        }
        for (const PromptAnswer answer :
             {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Yes, PromptAnswer::No}) {
            setup.prompts.queueAnswer(answer);
        }
        setup.window->attachParts();

        setup.window->actions()[ActionId::ItemPopupDelAll]->trigger();

        QCOMPARE(askedQuestions(setup.prompts),
                 QStringList({"Delete the NVRAM of pacman (1 file)?", "Delete pacman.cfg?",
                              "Delete pacman.dif?", "Delete pacman.ini?"}));
        for (int i = 0; i < files.size(); ++i) {
            QCOMPARE(QFile::exists(setup.emulatorDir + files.at(i)), i % 2 == 1);
        }
    }

    // The sets of qx.dat count, a clone the catalogue leaves out included; MAME's own option files stay.
    void deletingEverySetsFilesKeepsMameIni() {
        LaunchSetup setup(LaunchSetup::defaultMameIni().replace("inipath                   .;ini",
                                                                "inipath                   .;.;ini"));
        writeFile(setup.window->state().cachePath(),
                  "galaga=Galaga==Namco=1981=good=2=galaga.cpp=no\r\n"
                  "puckman=Puck Man=pacman=Namco=1980=good=1=pac.cpp=no\r\n");
        for (const char *file : {"ini/galaga.ini", "ini/puckman.ini", "nvram/puckman/eeprom",
                                 "cfg/galaga.cfg", "cfg/pacman.cfg", "ini/horizont.ini"}) {
            writeFile(setup.emulatorDir + file, "x");
        }
        for (int i = 0; i < 4; ++i) {
            setup.prompts.queueAnswer(PromptAnswer::Yes);
        }
        setup.window->attachParts();

        setup.window->actions()[ActionId::ToolsDelAll]->trigger();

        QCOMPARE(askedQuestions(setup.prompts),
                 QStringList({"Delete all NVRAM Files?", "Delete all Configuration Files?",
                              "Delete all Difference Files?", "Delete all INI Files?"}));
        QStringList left;
        for (QDirIterator it(setup.emulatorDir, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            left += QDir(setup.emulatorDir).relativeFilePath(it.next());
        }
        left.sort();
        QCOMPARE(left, QStringList({"ini/horizont.ini", "mame", "mame.ini"}));
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
