#include "ScriptedUserPrompts.h"
#include "StandinCalls.h"
#include "TestDirs.h"
#include "browser/info/InfoPanel.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainWindow.h"
#include "catalogue/CatalogueSteps.h"
#include "catalogue/Crc32.h"
#include "dialogs/PathKind.h"
#include "options/EmulatorOptionFile.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

using namespace qx;
using namespace qx::test;

namespace {

// A program directory holding the stand-in MAME (so it is the emulator directory too) and HOME.
struct Program {
    QTemporaryDir dir;
    QString path = dir.path() + QLatin1Char('/');
    QString exe = installStandin(dir.path());
    ScriptedUserPrompts prompts;
    RecordingPlatformServices services;
    FrontendSettings settings{path + QStringLiteral("qx.ini")};

    Program() {
        FrontendSettings::WriteDefaultSettings(settings.path());
        qputenv("HOME", path.toUtf8());
    }
    // A known MAME and its cached catalogue, with galaga selected and the picture shown.
    void knowMame() {
        settings.set(Settings::Exe, exe);
        settings.set(Settings::Crc32, FileCrcText(exe).value());
        settings.set(Settings::LastSelected, QStringLiteral("galaga"));
        settings.write(Settings::Picture, QStringLiteral("-1"));
        writeFile(path + QStringLiteral("qx.dat"), "puckman=Puck Man==Namco=1980=good=1=pacman.cpp=no\r\n"
                                                   "galaga=Galaga==Namco=1981=good=1=galaga.cpp=no\r\n");
    }
    QStringList switchesSince(qsizetype earlier) const {
        QStringList result;
        for (const StandinCall &call :
             readStandinCalls(path + QStringLiteral("standin-calls.log")).mid(earlier)) {
            result += call.args.constFirst();
        }
        return result;
    }
};

// Runs the steps in the paths dialog once it shows; returns "<caption>:<kind shown>[, note]" at that
// moment, and closes the dialog with its Cancel (or OK) button.
std::unique_ptr<QTimer> onPathsDialog(QString &opened, const std::function<void(QDialog &)> &steps) {
    auto watch = std::make_unique<QTimer>();
    QObject::connect(watch.get(), &QTimer::timeout, watch.get(), [&opened, steps, timer = watch.get()] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->objectName() == QLatin1String("frmFolders")) {
            timer->stop();
            opened = dialog->windowTitle() + ':' + dialog->findChild<QComboBox *>()->currentText() +
                     (dialog->findChild<QLabel *>(QStringLiteral("lblNote"))->isVisible() ? ", note" : "");
            steps(*dialog);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnCancel")), Qt::LeftButton);
        }
    });
    watch->start(10);
    return watch;
}

void click(QDialog &dialog, const char *button) {
    QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
}

} // namespace

class PathsWiringTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { qunsetenv("QX_STANDIN_ROMPATH"); }

    // The menu entry, its pop-up twin and the toolbar button open the dialog on the ROM folders; a new
    // snapshot or picture folder is used at once, and MAME is not run.
    void eachEntryOpensTheDialogAndThePanelTakesTheNewFolder_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        QTest::newRow("menu") << int(ActionId::OptionsFolders) << int(PathKind::Snapshots)
                              << "galaga/0000.png";
        QTest::newRow("pop-up") << int(ActionId::PopupFolders) << int(PathKind::Pictures) << "galaga.png";
        QTest::newRow("toolbar") << int(ActionId::TbrPaths) << int(PathKind::Snapshots) << "galaga/0000.png";
    }
    void eachEntryOpensTheDialogAndThePanelTakesTheNewFolder() {
        QFETCH(int, entry);
        QFETCH(int, kind);
        QFETCH(QString, file);
        Program program;
        program.knowMame();
        MainWindow window(program.path, program.prompts, program.services);
        QVERIFY(window.load());
        QVERIFY(window.infoPanel().currentPicture().isNull());
        const QString folder = program.path + QStringLiteral("new pictures/");
        QVERIFY(QDir().mkpath(QFileInfo(folder + file).path()) &&
                QImage(8, 8, QImage::Format_RGB32).save(folder + file));
        const qsizetype calls = program.switchesSince(0).size();

        QString opened;
        const auto watch = onPathsDialog(opened, [&](QDialog &dialog) {
            dialog.findChild<QComboBox *>()->setCurrentIndex(kind);
            program.prompts.queueFolder(folder.chopped(1));
            click(dialog, "btnBrowse");
        });
        QAction *action = window.action(ActionId(entry));
        QWidget *button = window.findChild<QToolBar *>()->widgetForAction(action);
        button ? QTest::mouseClick(button, Qt::LeftButton) : action->trigger();

        QCOMPARE(opened, QStringLiteral("Paths / Directories:ROMs / CHDs"));
        const ProgramState &state = window.state();
        QCOMPARE(PathKind(kind) == PathKind::Snapshots ? state.SnapshotDirectory : state.PictureDirectory,
                 folder);
        window.infoPanel().finishPendingPicture();
        QVERIFY(!window.infoPanel().currentPicture().isNull());
        QCOMPARE(program.switchesSince(calls), QStringList());
    }

    // After a change of ROM folders MAME is identified and every set verified, even when the old folders
    // were set back.
    void romChangeIdentifiesMameThenVerifiesEverySet_data() {
        QTest::addColumn<bool>("restore");
        QTest::newRow("folder added") << false;
        QTest::newRow("added and deleted again") << true;
    }
    void romChangeIdentifiesMameThenVerifiesEverySet() {
        QFETCH(bool, restore);
        Program program;
        program.knowMame();
        MainWindow window(program.path, program.prompts, program.services);
        QVERIFY(window.load());
        const QString mameIni = program.path + QStringLiteral("mame.ini");
        const QString romPath = ReadEmulatorOption(QStringLiteral("rompath"), mameIni);
        const qsizetype calls = program.switchesSince(0).size();
        QString opened;
        const auto watch = onPathsDialog(opened, [&](QDialog &dialog) {
            program.prompts.queueAnswer(PromptAnswer::Yes); // verify all sets when the dialog closes
            program.prompts.queueFolder(program.dir.path());
            click(dialog, "btnInsert");
            if (restore) {
                auto *list = dialog.findChild<QTreeWidget *>();
                list->setCurrentItem(list->topLevelItem(list->topLevelItemCount() - 1));
                click(dialog, "btnDelete");
            }
        });
        window.action(ActionId::OptionsFolders)->trigger();

        QCOMPARE(ReadEmulatorOption(QStringLiteral("rompath"), mameIni) == romPath, restore);
        QCOMPARE(program.switchesSince(calls), (QStringList{"-help", "-verifyroms"}));
        // The stand-in's verify does not find galaga.
        QVERIFY(
            readFile(program.path + QStringLiteral("qx.dat")).contains("galaga=Galaga==Namco=1981=good=2="));
    }

    // A new user's MAME finds no set: the first run asks for the ROM folder before the Fast Scan question,
    // and MAME's verify then finds the sets of the folder added.
    void firstRunAsksForTheRomFolderBeforeTheVerify() {
        Program program;
        qputenv("QX_STANDIN_ROMPATH", "1");
        const QString roms = program.path + QStringLiteral("My ROMs");
        writeFile(roms + QStringLiteral("/puckman.zip"), "zip");
        program.prompts.queueFile(program.exe);
        program.prompts.queueAnswer(PromptAnswer::No); // Fast Scan? No: verify
        QString opened;
        const auto watch = onPathsDialog(opened, [&](QDialog &dialog) {
            program.prompts.queueFolder(roms);
            click(dialog, "btnInsert");
        });
        MainWindow window(program.path, program.prompts, program.services);
        QVERIFY(window.load());

        QCOMPARE(opened, QStringLiteral("Change, Add or Delete ROM / CHD paths:ROMs / CHDs, note"));
        QCOMPARE(program.prompts.shownTexts(),
                 (QStringList{"Select MAME executable", "Choose a folder", kFastScanQuestion}));
        QStringList available;
        for (const SetView set : window.catalogue()) {
            if (set.isAvailable()) {
                available += set.name().toString();
            }
        }
        QCOMPARE(available, (QStringList{"puckman", "pong"}));
    }
};

QTEST_MAIN(PathsWiringTest)
#include "PathsWiringTest.moc"
