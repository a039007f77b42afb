#include "launch/SetFilesController.h"

#include "LaunchTestSetup.h"
#include "browser/info/InfoPanel.h"

#include <QAction>
#include <QLabel>
#include <QTest>

using namespace qx;
using namespace qx::test;

namespace {

QStringList askedQuestions(const ScriptedUserPrompts &prompts) {
    QStringList questions;
    for (const ShownPrompt &prompt : prompts.shown()) {
        if (prompt.kind == ShownPrompt::Kind::Ask) {
            questions.append(prompt.text);
            if (prompt.title != QStringLiteral("Quorvex") || prompt.defaultButton != PromptAnswer::No) {
                questions.append(QStringLiteral("(wrong title or default button)"));
            }
        }
    }
    return questions;
}

} // namespace

class SetFilesControllerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void allAboveFilesAsksForEachTypeInOrder() {
        LaunchSetup setup;
        const QStringList files{QStringLiteral("nvram/pacman/eeprom"), QStringLiteral("cfg/pacman.cfg"),
                                QStringLiteral("diff/pacman.dif"), QStringLiteral("ini/pacman.ini")};
        for (const QString &file : files) {
            writeFile(setup.emulatorDir + file, "x");
        }
        for (const PromptAnswer answer :
             {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Yes, PromptAnswer::No}) {
            setup.prompts.queueAnswer(answer);
        }
        setup.window->attachParts();

        setup.window->actions().find(QStringLiteral("mnuItemPopupDelAll"))->trigger();

        QCOMPARE(askedQuestions(setup.prompts),
                 (QStringList{QStringLiteral("Delete the NVRAM of pacman (1 file)?"),
                              QStringLiteral("Delete pacman.cfg?"), QStringLiteral("Delete pacman.dif?"),
                              QStringLiteral("Delete pacman.ini?")}));
        QVERIFY(!QFile::exists(setup.emulatorDir + files.at(0)));
        QVERIFY(QFile::exists(setup.emulatorDir + files.at(1)));
        QVERIFY(!QFile::exists(setup.emulatorDir + files.at(2)));
        QVERIFY(QFile::exists(setup.emulatorDir + files.at(3)));
    }

    void deletingEverySetsFilesKeepsMameIni() {
        LaunchSetup setup(LaunchSetup::defaultMameIni().replace("inipath                   .;ini",
                                                                "inipath                   .;.;ini"));
        // The sets of qx.dat count, a clone the catalogue leaves out included.
        writeFile(setup.window->state().cachePath(),
                  "galaga=Galaga==Namco=1981=good=2=galaga.cpp=no\r\n"
                  "puckman=Puck Man=pacman=Namco=1980=good=1=pac.cpp=no\r\n");
        for (const char *file : {"ini/galaga.ini", "ini/puckman.ini", "nvram/puckman/eeprom",
                                 "cfg/galaga.cfg", "cfg/pacman.cfg", "ini/horizont.ini"}) {
            writeFile(setup.emulatorDir + QLatin1String(file), "x");
        }
        for (int i = 0; i < 4; ++i) {
            setup.prompts.queueAnswer(PromptAnswer::Yes);
        }
        setup.window->attachParts();

        setup.window->actions().find(QStringLiteral("mnuToolsDelAll"))->trigger();

        QCOMPARE(askedQuestions(setup.prompts),
                 (QStringList{QStringLiteral("Delete all NVRAM Files?"),
                              QStringLiteral("Delete all Configuration Files?"),
                              QStringLiteral("Delete all Difference Files?"),
                              QStringLiteral("Delete all INI Files?")}));
        QCOMPARE(QDir(setup.emulatorDir + QStringLiteral("ini")).entryList(QDir::Files),
                 QStringList{QStringLiteral("horizont.ini")});
        QVERIFY(QDir(setup.emulatorDir + QStringLiteral("nvram")).isEmpty());
        QVERIFY(QDir(setup.emulatorDir + QStringLiteral("cfg")).isEmpty());
        QVERIFY(QFile::exists(setup.emulatorDir + QStringLiteral("mame.ini")));
    }

    void snapshotEntriesRenameAndDelete() {
        LaunchSetup setup;
        const QString folder = setup.emulatorDir + QStringLiteral("snap/pacman/");
        writeFile(folder + QStringLiteral("0000.png"), "first");
        writeFile(folder + QStringLiteral("0001.png"), "second");
        ScriptedLaunchHost &host = *setup.host;
        host.caption = QStringLiteral("0000.png");
        // The picture shown decides the folder, also while another set is current.
        setup.window->state().CurrentSetName = QStringLiteral("galaga");
        host.pictureSet = [] {
            return QStringLiteral("pacman");
        };
        setup.window->attachParts();
        const MainActions &actions = setup.window->actions();
        QAction *deleteEntry = actions.find(QStringLiteral("mnuPopupSnap0"));
        QAction *renameEntry = actions.find(QStringLiteral("mnuPopupSnap1"));
        QAction *separator = actions.find(QStringLiteral("mnuPopupBar0"));
        SetFilesController files(host);

        files.PrepareSnapshotEntries(deleteEntry, renameEntry, separator);
        QVERIFY(deleteEntry->isVisible() && renameEntry->isVisible() && separator->isVisible());
        QCOMPARE(deleteEntry->text(), QStringLiteral("Delete 0000.png"));
        QCOMPARE(renameEntry->text(), QStringLiteral("Rename 0000.png"));

        // A name that is taken: nothing changes, and the user hears why.
        setup.prompts.queueInput(QStringLiteral("0001"));
        renameEntry->trigger();
        QCOMPARE(setup.prompts.shown().at(0).text, QStringLiteral("Enter new name:"));
        QCOMPARE(setup.prompts.shown().at(0).title, QStringLiteral("Quorvex"));
        QCOMPARE(setup.prompts.shown().at(1).kind, ShownPrompt::Kind::Inform);
        QCOMPARE(readFile(folder + QStringLiteral("0000.png")), QByteArray("first"));
        QCOMPARE(readFile(folder + QStringLiteral("0001.png")), QByteArray("second"));
        QCOMPARE(host.caption, QStringLiteral("0000.png"));

        // Nine characters once ".png" is added: ignored.
        setup.prompts.queueInput(QStringLiteral("first"));
        renameEntry->trigger();
        QVERIFY(QFile::exists(folder + QStringLiteral("0000.png")));

        setup.prompts.queueInput(QStringLiteral("0005"));
        renameEntry->trigger();
        QCOMPARE(readFile(folder + QStringLiteral("0005.png")), QByteArray("first"));
        QCOMPARE(host.caption, QStringLiteral("0005.png"));

        setup.prompts.clearShown();
        setup.prompts.queueAnswer(PromptAnswer::Yes);
        deleteEntry->trigger();
        QCOMPARE(askedQuestions(setup.prompts), QStringList{QStringLiteral("Delete 0005.png?")});
        QVERIFY(!QFile::exists(folder + QStringLiteral("0005.png")));
        QCOMPARE(host.caption, QStringLiteral("0005.png not found"));
        QCOMPARE(host.picturesRemoved, 1);

        files.PrepareSnapshotEntries(deleteEntry, renameEntry, separator);
        QVERIFY(!deleteEntry->isVisible() && !renameEntry->isVisible() && !separator->isVisible());
    }

    void flyerShownOffersNoSnapshotEntries() {
        LaunchSetup setup;
        setup.window->attachParts();
        // A caption with a snapshot's name while the panel shows no snapshot.
        setup.window->infoPanel().setCaption(QStringLiteral("0000.png"));
        const MainActions &actions = setup.window->actions();
        SetFilesController files(*setup.host);
        files.PrepareSnapshotEntries(actions[ActionId::PopupSnap0], actions[ActionId::PopupSnap1],
                                     actions[ActionId::PopupBar0]);
        QVERIFY(!actions[ActionId::PopupSnap0]->isVisible());
    }

    void emulatorFolderAndOnlineInformationOpenThroughTheDesktop() {
        LaunchSetup setup;
        setup.window->attachParts();
        setup.window->actions().find(QStringLiteral("mnuToolsExplorer"))->trigger();
        setup.window->actions().find(QStringLiteral("mnuItemPopupMaws"))->trigger();
        QCOMPARE(setup.services.opened, (QStringList{setup.emulatorDir, setup.settings().get(Settings::Url) +
                                                                            QStringLiteral("pacman")}));
    }
};

QTEST_MAIN(SetFilesControllerTest)
#include "SetFilesControllerTest.moc"
