// The paths dialog opened from the main window: its entries, the folders taken after it, the first run.
#include "TestWindow.h"
#include "WhileModalShown.h"
#include "browser/info/InfoPanel.h"
#include "catalogue/CatalogueSteps.h"
#include "catalogue/Crc32.h"
#include "dialogs/PathKind.h"
#include "dialogs/StartupVideo.h"
#include "options/EmulatorOptionFile.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>

using namespace qx;
using namespace qx::test;

namespace {

// The window over the stand-in, HOME its program directory; knowing MAME, with galaga selected and the
// picture shown.
struct Program : TestWindow {
    explicit Program(bool knowMame = true) : TestWindow({{&Settings::LastSelected, "galaga"}}) {
        qputenv("HOME", path.toUtf8());
        if (knowMame) {
            set({{&Settings::Crc32, FileCrcText(settings().get(Settings::Exe)).value()},
                 {&Settings::Picture, "-1"}});
        } else {
            set({{&Settings::Exe, ""}});
        }
    }
};

void click(QDialog &dialog, const char *button) {
    QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
}

// Runs the steps in the paths dialog `open` shows, which then closes with Escape (its Cancel); returns
// "<caption>:<kind shown>[, note]" as it opened.
QString withPathsDialog(const std::function<void()> &open, const std::function<void(QDialog &)> &steps) {
    QString opened;
    WhileModalShown("frmFolders", open, [&](QDialog &dialog) {
        opened = dialog.windowTitle() + ':' + dialog.findChild<QComboBox *>()->currentText() +
                 (dialog.findChild<QLabel *>("lblNote")->isVisible() ? ", note" : "");
        steps(dialog);
    });
    return opened;
}

} // namespace

class PathsWiringTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { qunsetenv("QX_STANDIN_ROMPATH"); }

    // The menu entry, its pop-up twin and the toolbar button open the dialog on the ROM folders; a new
    // snapshot or picture folder is used at once, and MAME is not run.
    void eachEntryOpensTheDialogAndThePanelTakesTheNewFolder() {
        for (const auto &[entry, kind, file] :
             {std::tuple{ActionId::OptionsFolders, PathKind::Snapshots, "galaga/0000.png"},
              {ActionId::PopupFolders, PathKind::Pictures, "galaga.png"},
              {ActionId::TbrPaths, PathKind::Snapshots, "galaga/0000.png"}}) {
            Program program;
            MainWindow &window = program.start();
            QVERIFY(window.infoPanel().currentPicture().isNull());
            const QString folder = program.path + "new pictures/";
            program.writePicture(QString("new pictures/") + file, QSize(8, 8), Qt::red);
            const qsizetype calls = program.calls().size();

            QAction *action = window.action(entry);
            QWidget *button = window.findChild<QToolBar *>()->widgetForAction(action);
            const QString opened = withPathsDialog(
                [&] { button ? QTest::mouseClick(button, Qt::LeftButton) : action->trigger(); },
                [&](QDialog &dialog) {
                    dialog.findChild<QComboBox *>()->setCurrentIndex(int(kind));
                    program.prompts.queueFolder(folder.chopped(1));
                    click(dialog, "btnBrowse");
                });
            QCOMPARE(opened, "Paths / Directories:ROMs / CHDs");
            const ProgramState &state = window.state();
            QCOMPARE(kind == PathKind::Snapshots ? state.SnapshotDirectory : state.PictureDirectory, folder);
            window.infoPanel().finishPendingPicture();
            QVERIFY(!window.infoPanel().currentPicture().isNull());
            QCOMPARE(program.calls(calls), QStringList());
        }
    }

    // After a change of ROM folders MAME is identified and every set verified, even when the old folders
    // were set back.
    void romChangeIdentifiesMameThenVerifiesEverySet() {
        for (const bool restore : {false, true}) {
            Program program;
            MainWindow &window = program.start();
            const QString mameIni = program.path + "mame.ini";
            const QString romPath = ReadEmulatorOption("rompath", mameIni);
            const qsizetype calls = program.calls().size();
            withPathsDialog([&] { window.action(ActionId::OptionsFolders)->trigger(); },
                            [&](QDialog &dialog) {
                                // Verify all sets when it closes: yes.
                                program.prompts.queueAnswer(PromptAnswer::Yes);
                                program.prompts.queueFolder(program.dir.path());
                                click(dialog, "btnInsert");
                                if (restore) {
                                    auto *list = dialog.findChild<QTreeWidget *>();
                                    list->setCurrentItem(list->topLevelItem(list->topLevelItemCount() - 1));
                                    click(dialog, "btnDelete");
                                }
                            });

            QCOMPARE(ReadEmulatorOption("rompath", mameIni) == romPath, restore);
            QCOMPARE(program.calls(calls), (QStringList{"-help", "-verifyroms"}));
            // The stand-in's verify does not find galaga.
            QVERIFY(readFile(program.path + "qx.dat")
                        .contains("galaga=Galaga (Namco rev. B)==Namco=1981=good=2="));
        }
    }

    // A new user's MAME finds no set: the first run asks for the ROM folder before the Fast Scan question,
    // MAME's verify then finds the sets of the folder added, and no start-up video plays.
    void firstRunAsksForTheRomFolderBeforeTheVerify() {
        Program program(false);
        program.set({{&Settings::PlayAvi, "1"}, {&Settings::Avi, program.path + "qx.dat"}}); // a file
        qputenv("QX_STANDIN_ROMPATH", "1");
        const QString roms = program.path + "My ROMs";
        writeFile(roms + "/puckman.zip", "zip");
        program.prompts.queueFile(program.path + "mame");
        program.prompts.queueAnswer(PromptAnswer::No); // Fast Scan? No: verify
        const QString opened = withPathsDialog([&] { program.start(); },
                                               [&](QDialog &dialog) {
                                                   program.prompts.queueFolder(roms);
                                                   click(dialog, "btnInsert");
                                               });
        QCOMPARE(opened, "Change, Add or Delete ROM / CHD paths:ROMs / CHDs, note");
        QCOMPARE(program.prompts.shownTexts(),
                 (QStringList{"Select MAME executable", "Choose a folder", kFastScanQuestion}));
        QCOMPARE(program.availableSets(), (QStringList{"puckman", "pong"}));
        QVERIFY(!program.window->findChild<StartupVideo *>()); // a first run plays no start-up video
    }
};

QTEST_MAIN(PathsWiringTest)
#include "PathsWiringTest.moc"
