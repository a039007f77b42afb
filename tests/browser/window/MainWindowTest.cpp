#include "browser/window/MainWindow.h"

#include "ScriptedUserPrompts.h"
#include "StandinCalls.h"
#include "TestDirs.h"
#include "UnreadableFile.h"
#include "app/FrontendSettings.h"
#include "app/ProfileIni.h"
#include "browser/info/InfoPanel.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/window/JoystickPoller.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainLayout.h"
#include "browser/window/StatusPanels.h"
#include "browser/window/TrayIcon.h"
#include "catalogue/CatalogueSteps.h"
#include "catalogue/Crc32.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QTreeView>
#include <SDL.h>
#include <memory>

using namespace qx;
using namespace qx::test;

namespace {

// A program directory with a default qx.ini whose keys the test may change first.
struct ProgramDir {
    QTemporaryDir dir;
    ScriptedUserPrompts prompts;
    RecordingPlatformServices services;
    QString path() const { return dir.path() + QLatin1Char('/'); }
    QString ini() const { return path() + QStringLiteral("qx.ini"); }
    FrontendSettings settings() const { return FrontendSettings(ini()); }

    ProgramDir() { FrontendSettings::WriteDefaultSettings(ini()); }

    // A known emulator, so the window starts normally (no first-run set-up).
    void knowEmulator() {
        const QString exe = installStandin(dir.path());
        settings().set(Settings::Exe, exe);
        settings().set(Settings::Version, QStringLiteral("MAME v0.251 (unknown)"));
    }
};

// Makes a folder read-only even for root (who ignores permission bits): the immutable attribute.
bool makeReadOnly(const QString &folder) {
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(folder).isWritable()) {
        return true;
    }
    return QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0;
}

void writePicture(const QString &path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(path));
}

void makeWritable(const QString &folder) {
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

// A program directory whose emulator directory (the stand-in's folder) holds a cached catalogue, a history
// file and a flyer, with pacman the current set.
struct CataloguedProgram : ProgramDir {
    CataloguedProgram() {
        knowEmulator();
        writeFile(
            path() + QStringLiteral("qx.dat"),
            "puckman=Puck Man (Japan set 1)==Namco=1980=good=1=pacman/pacman.cpp=no\r\n"
            "pacman=Pac-Man (Midway)=puckman=Namco (Midway license)=1980=good=2=pacman/pacman.cpp=no\r\n"
            "galaga=Galaga (Namco rev. B)==Namco=1981=good=1=galaga/galaga.cpp=no\r\n");
        writeFile(
            path() + QStringLiteral("history.dat"),
            "$info=puckman,pacman,\r\n$bio\r\n\r\nPac-Man (c) 1980 Namco.\r\n\r\nEat the dots.\r\n$end\r\n");
        writePicture(path() + QStringLiteral("flyers/puckman.png"));
        const FrontendSettings s = settings();
        s.set(Settings::LastSelected, QStringLiteral("pacman"));
        s.write(Settings::ShowHistory, QStringLiteral("-1"));
        s.write(Settings::Picture, QStringLiteral("-1"));
    }
    // The window loaded on this directory and active, so that its shortcuts act.
    std::unique_ptr<MainWindow> start() {
        auto window = std::make_unique<MainWindow>(path(), prompts, services);
        const bool loaded = window->load();
        window->activateWindow();
        if (!loaded || !QTest::qWaitForWindowActive(window.get())) {
            qFatal("the window did not load or did not become active");
        }
        return window;
    }
    QList<StandinCall> launches() const {
        QList<StandinCall> runs;
        for (const StandinCall &call : readStandinCalls(path() + QStringLiteral("standin-calls.log"))) {
            if (!call.args.isEmpty() && !call.args.constFirst().startsWith(QLatin1Char('-'))) {
                runs.append(call);
            }
        }
        return runs;
    }
};

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadedWindowShowsTheCurrentSetWithItsHistoryAndPicture() {
        CataloguedProgram program;
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        QCOMPARE(window.catalogue().size(), 3);
        QCOMPARE(window.statusPanels().panelText(1), QStringLiteral("3 sets"));
        QCOMPARE(window.statusPanels().panelText(2), QStringLiteral("pacman"));
        window.infoPanel().finishHistoryLoad();
        QCOMPARE(window.findChild<QPlainTextEdit *>(QStringLiteral("txtHistory"))->toPlainText(),
                 QStringLiteral("Pac-Man (c) 1980 Namco.\nEat the dots.\n"));
        window.infoPanel().finishPendingPicture();
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("picFlyer"))->pixmap().isNull());
        QCOMPARE(window.actions()[ActionId::FilePlay]->text(), QStringLiteral("&Play pacman"));
        Q_EMIT window.actions().itemPopup()->aboutToShow();
        QCOMPARE(window.actions()[ActionId::ItemPopupVerify]->text(), QStringLiteral("Verify pacman"));
        QCOMPARE(window.actions()[ActionId::ItemPopupDelNv]->text(), QStringLiteral("pacman.nv"));
        QCOMPARE(window.actions()[ActionId::ItemPopupDelIni]->text(), QStringLiteral("pacman.ini"));
        QVERIFY(window.close());
    }

    void selectingMameBuildsTheCatalogueAndShowsIt() {
        ProgramDir program;
        program.knowEmulator(); // known, but no catalogue has been built for it yet
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        QCOMPARE(window.catalogue().size(), 0);

        // Another MAME, in a folder of its own whose mame.ini names its folders.
        QTemporaryDir other;
        const QString otherDir = other.path() + QLatin1Char('/');
        writeFile(otherDir + "mame.ini",
                  "#\ninipath                   ini\nsnapshot_directory        shots\n");
        program.prompts.queueFile(installStandin(other.path()));
        program.prompts.queueAnswer(PromptAnswer::No); // no fast scan: MAME verifies the sets
        window.actions()[ActionId::ToolsSelectMame]->trigger();

        const FileDialogRequest &request = program.prompts.shown().at(0).fileRequest;
        QCOMPARE(request.title, QStringLiteral("Select MAME executable, e.g. mame"));
        // The dialog opens on the MAME in use.
        QCOMPARE(request.initialFile, program.dir.filePath(QStringLiteral("mame")));
        QCOMPARE(request.initialFolder, program.dir.path());
        QCOMPARE(program.prompts.shown().at(1).title, QStringLiteral("Fast Scan"));
        // The stand-in lists nine runnable machines, one of them a BIOS set the browser never shows.
        QCOMPARE(window.catalogue().size(), 8);
        QCOMPARE(window.statusPanels().panelText(1), QStringLiteral("8 sets"));
        QVERIFY(
            window.catalogue().at(window.catalogue().indexOfName(QStringLiteral("puckman"))).isAvailable());
        QVERIFY(
            !window.catalogue().at(window.catalogue().indexOfName(QStringLiteral("pacman"))).isAvailable());
        QCOMPARE(window.windowTitle(), QStringLiteral("MAME v0.251 (unknown) - Quorvex"));
        QVERIFY(!window.statusPanels().inSingleTextMode());
        QVERIFY(!window.isBusy());
        // Pictures, snapshots and the option files are the new MAME's at once.
        QCOMPARE(window.state().PictureDirectory, otherDir + QStringLiteral("flyers/"));
        QCOMPARE(window.state().SnapshotDirectory, otherDir + QStringLiteral("shots/"));
        QVERIFY(
            readFile(otherDir + QStringLiteral("mame.ini")).contains("inipath                   .;ini\n"));
        QVERIFY(QFileInfo::exists(program.path() + QStringLiteral("qx.dat")));
        QVERIFY(!QFileInfo::exists(program.path() + QStringLiteral("qx_listxml.dat")));
        QVERIFY(window.close());
    }

    // Cancel beside the progress bar ends Verify All Sets, and every set keeps its state.
    void verifyAllSetsCanBeCancelled() {
        CataloguedProgram program;
        program.settings().set(Settings::Crc32, FileCrcText(program.settings().get(Settings::Exe)).value());
        const QByteArray cache = readFile(program.path() + QStringLiteral("qx.dat"));
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        program.prompts.queueAnswer(PromptAnswer::Yes); // "Verify all sets?"
        qputenv("QX_STANDIN_SLEEP_MS", "30000");
        qputenv("QX_STANDIN_SLEEP_ON", "-verifyroms");
        QTimer clicker;
        connect(&clicker, &QTimer::timeout, this, [&] {
            auto *cancel = window.findChild<QPushButton *>(QStringLiteral("sbCancel"));
            if (cancel->isVisible() && cancel->isEnabled()) {
                cancel->click();
            }
        });
        clicker.start(50);
        window.actions()[ActionId::ToolsVerify]->trigger();
        qunsetenv("QX_STANDIN_SLEEP_MS");
        qunsetenv("QX_STANDIN_SLEEP_ON");
        QVERIFY(program.prompts.shownTexts().contains(kVerifyCancelledMessage));
        QCOMPARE(readFile(program.path() + QStringLiteral("qx.dat")), cache);
        QVERIFY(!window.isBusy());
    }

    void enterPlaysTheSelectedSetInTheEmulatorDirectory() {
        CataloguedProgram program;
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        QWidget *details = window.findChild<QWidget *>(QStringLiteral("lvListViewDetails"));
        details->setFocus();
        QTest::keyClick(details, Qt::Key_Return);
        QTRY_COMPARE(program.launches().size(), 1);
        QCOMPARE(program.launches().constFirst().args, QStringList{QStringLiteral("pacman")});
        QCOMPARE(QDir(program.launches().constFirst().cwd).canonicalPath(),
                 QDir(program.path()).canonicalPath());
        QTRY_VERIFY(window.isVisible());
        QVERIFY(!window.isBusy());

        // With the tree shown, Enter plays the current set.
        window.actions()[ActionId::ListViewMode1]->trigger();
        window.state().CurrentSetName = QStringLiteral("galaga");
        QTreeView *tree = window.findChild<QTreeView *>(QStringLiteral("TreeView1"));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Return);
        QTRY_COMPARE(program.launches().size(), 2);
        QCOMPARE(program.launches().at(1).args, QStringList{QStringLiteral("galaga")});
        QTRY_VERIFY(!window.isBusy());

        // A double-click opens or closes a parent with its clones, and plays only a set without any.
        const QModelIndex parent = tree->model()->index(0, 0);
        const bool expanded = tree->isExpanded(parent);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(parent).center());
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(parent).center());
        QCOMPARE(tree->isExpanded(parent), !expanded);
        QCOMPARE(program.launches().size(), 2);
        QVERIFY(window.close());
    }

    // With joystick selection on, the pad's Down and Up step through the shown list as the keys do, and
    // Play runs MAME on the current set; a button held as MAME exits does not start it again.
    void joystickButtonsStepThroughTheListAndPlay() {
        QVERIFY(SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0);
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0, 8, 0);
        SDL_Joystick *pad = SDL_JoystickOpen(index);
        const auto hold = [pad](int button) {
            for (int b = 0; b < 8; ++b) {
                SDL_JoystickSetVirtualButton(pad, b, b == button - 1);
            }
        };
        CataloguedProgram program;
        program.settings().set(Settings::JoySelect, true);
        program.settings().set(Settings::JoyId, index);
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        hold(3); // Down: pacman is followed by galaga
        QTRY_COMPARE(window.state().CurrentSetName, QStringLiteral("galaga"));
        hold(2); // Up
        QTRY_COMPARE(window.state().CurrentSetName, QStringLiteral("pacman"));
        hold(1); // Play
        QTRY_COMPARE(program.launches().size(), 1);
        QCOMPARE(program.launches().constFirst().args, QStringList{QStringLiteral("pacman")});
        QTRY_VERIFY(window.isVisible() && !window.isBusy());
        QTest::qWait(4 * JoystickPoller::kRepeatIntervalMs);
        QCOMPARE(program.launches().size(), 1);
        hold(0);
        QVERIFY(window.close());
        SDL_JoystickClose(pad);
        SDL_JoystickDetachVirtual(index);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    // The preferences dialog writes its keys at once; the window takes them over when the dialog closes.
    void changedPreferencesAreTakenOver() {
        CataloguedProgram program;
        const std::unique_ptr<MainWindow> window = program.start();
        QVERIFY(window->trayIcon().isAdded() && window->browser().ghostIcon());
        const FrontendSettings s = program.settings();
        QVERIFY(s.set(Settings::GhostIcon, false) && s.set(Settings::MouseFocus, true) &&
                s.set(Settings::ShowToolTips, false) && s.set(Settings::Tray, false) &&
                s.set(Settings::JoySelect, true));
        window->applyPreferences();
        QVERIFY(!window->browser().ghostIcon());
        QVERIFY(window->browser().mouseFocus());
        QVERIFY(window->findChild<QLineEdit *>(QStringLiteral("Text1"))->toolTip().isEmpty());
        QVERIFY(!window->trayIcon().isAdded());
        QVERIFY(window->joystickPoller().isPolling());
        QVERIFY(window->close());
    }

    // After a search or a refill selects a row, that set is the one File ▸ Play, the capture runs and the
    // snapshot entries act on, whatever set was current before; a click on the picture keeps it as it is.
    void commandsActOnTheSetTheWindowShows_data() {
        QTest::addColumn<QString>("search"); // empty: the unavailable sets are hidden instead
        QTest::newRow("search") << QStringLiteral("galaga");
        QTest::newRow("unavailable sets hidden") << QString();
    }
    void commandsActOnTheSetTheWindowShows() {
        QFETCH(QString, search);
        const QString shown = search.isEmpty() ? QStringLiteral("puckman") : search;
        CataloguedProgram program;
        QFile::remove(program.path() + QStringLiteral("flyers/puckman.png"));
        for (const QString &snapshot : {shown + QStringLiteral("/0000"), shown + QStringLiteral("/0001"),
                                        QStringLiteral("pacman/0001")}) {
            writePicture(program.path() + QStringLiteral("snap/%1.png").arg(snapshot));
        }
        const std::unique_ptr<MainWindow> window = program.start();
        MainActions &actions = window->actions();
        if (search.isEmpty()) {
            actions[ActionId::TbrUnavailable]->trigger(); // pacman goes
        } else {
            window->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(search);
        }
        QCOMPARE(actions[ActionId::FilePlay]->text(), QStringLiteral("&Play ") + shown);
        actions[ActionId::FilePlay]->trigger();
        program.prompts.queueFile(program.path() + QStringLiteral("inp/take.inp"));
        actions[ActionId::FileRecord]->trigger();
        QCOMPARE(program.launches().size(), 2);
        for (const StandinCall &run : program.launches()) {
            QCOMPARE(run.args.constFirst(), shown);
        }
        window->findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(1);
        QTest::mouseClick(window->findChild<QLabel *>(QStringLiteral("Label1")), Qt::LeftButton, {},
                          QPoint(5, 5));
        Q_EMIT actions.generalPopup()->aboutToShow();
        QCOMPARE(actions[ActionId::PopupSnap0]->text(), QStringLiteral("Delete 0001.png"));
        program.prompts.queueAnswer(PromptAnswer::Yes);
        actions[ActionId::PopupSnap0]->trigger();
        QVERIFY(!QFile::exists(program.path() + QStringLiteral("snap/%1/0001.png").arg(shown)));
        QVERIFY(QFile::exists(program.path() + QStringLiteral("snap/pacman/0001.png")));
    }

    void shortcutsRestWhileTheCatalogueIsRefreshed() {
        CataloguedProgram program;
        const std::unique_ptr<MainWindow> window = program.start();
        QTimer::singleShot(0, window.get(), [&window] { // while MAME runs for the refresh
            for (const Qt::Key key : {Qt::Key_C, Qt::Key_A, Qt::Key_F}) {
                QTest::keyClick(window->findChild<QWidget *>(QStringLiteral("lvListViewDetails")), key,
                                Qt::ControlModifier);
            }
        });
        window->RefreshCatalogue();
        QVERIFY(window->actions()[ActionId::OptionsClones]->isChecked());
        QAction *available = window->actions()[ActionId::ViewGameLists1];
        QVERIFY(available->isChecked() && available->isEnabled());
    }

    // The shown view's box stays on the toolbar at the layout rules' width and shows no search the view
    // does not show; an empty view says why.
    void searchBoxAndEmptyViews() {
        CataloguedProgram program;
        const std::unique_ptr<MainWindow> window = program.start();
        auto *text1 = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
        auto *notice = window->findChild<QWidget *>(QStringLiteral("lvListViewDetails"))
                           ->findChild<QLabel *>(QStringLiteral("EmptyViewNotice"));
        QVERIFY(notice);
        window->resize(1100, 700);
        text1->setText(QStringLiteral("xyz"));
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("No set matches \u201Cxyz\u201D"));
        window->actions()[ActionId::ViewPicture]->trigger();
        window->actions()[ActionId::ListViewMode1]->trigger();
        window->resize(700, 600);
        auto *text2 = window->findChild<QLineEdit *>(QStringLiteral("Text2"));
        QTRY_VERIFY(text2->isVisible());
        QTRY_COMPARE(text2->width(), TwipsToPixels(PixelsToTwips(window->frameGeometry().width()) - 3200));
        window->actions()[ActionId::ListViewMode3]->trigger();
        QVERIFY(text1->isVisible() && text1->text().isEmpty());
        QCOMPARE(window->statusPanels().panelText(1), QStringLiteral("3 sets"));

        const QString howToAdd = QStringLiteral(
            "No favourites to show. To add one, right-click a set and choose \u201CAdd To Favourites\u201D.");
        window->actions()[ActionId::TbrFavourites]->trigger(); // there is none yet
        QCOMPARE(QToolTip::text(), howToAdd);
        writeFile(program.path() + QStringLiteral("qx_fav.dat"), "notaset\r\n");
        window->actions()[ActionId::ViewFav]->trigger();
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), howToAdd);
    }

    void firstStartCentresTheWindowAndAsksForMame() {
        ProgramDir program;
        MainWindow window(program.path(), program.prompts, program.services);
        program.prompts.queueFile(QString()); // the user cancels

        QVERIFY(!window.load()); // the program ends
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvex"));
        QCOMPARE(program.prompts.shown().size(), 1);
        const ShownPrompt &dialog = program.prompts.shown().constFirst();
        QCOMPARE(dialog.kind, ShownPrompt::Kind::File);
        QCOMPARE(dialog.fileRequest.title, QStringLiteral("Select MAME executable"));
        QVERIFY(!dialog.fileRequest.save);

        const int left = program.settings().read(Settings::MainLeft).toInt();
        const int top = program.settings().read(Settings::MainTop).toInt();
        QCOMPARE(left, PixelsToTwips(window.x()));
        QCOMPARE(top, PixelsToTwips(window.y()));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(qAbs(window.x() - (screen.x() + (screen.width() - window.width()) / 2)) <= 1);
    }

    // Only Cancel ends the first run: a wrong file is named and the picker comes back.
    void firstStartAsksAgainAfterAFileThatIsNotMame() {
        ProgramDir program;
        program.prompts.queueFile(QStringLiteral("/bin/true"));
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(!window.load());
        const QList<ShownPrompt> &shown = program.prompts.shown();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown.at(1).text,
                 QStringLiteral("This file doesn't seem to be a MAME executable.\n\n/bin/true"));
        QCOMPARE(shown.at(2).kind, ShownPrompt::Kind::File);
        QCOMPARE(shown.at(2).fileRequest.initialFile, QStringLiteral("/bin/true"));
    }

    // A MAME that has gone is announced; chosen again, it finds its catalogue and favourites as they were.
    void aVanishedMameIsAnnouncedAndItsCatalogueKeptWhenItComesBack() {
        CataloguedProgram program;
        const QString exe = program.settings().get(Settings::Exe);
        program.settings().set(Settings::Crc32, FileCrcText(exe).value());
        program.settings().set(Settings::Exe, QStringLiteral("/gone/mame"));
        writeFile(program.path() + QStringLiteral("qx_fav.dat"), "galaga\r\n");
        const QByteArray cache = readFile(program.path() + QStringLiteral("qx.dat"));
        program.prompts.queueFile(exe);
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        QCOMPARE(program.prompts.shownTexts().constFirst(),
                 QStringLiteral("MAME was not found at /gone/mame; choose it again."));
        QCOMPARE(window.catalogue().size(), 3);
        QCOMPARE(readFile(program.path() + QStringLiteral("qx.dat")), cache);
        QCOMPARE(readFile(program.path() + QStringLiteral("qx_fav.dat")), QByteArray("galaga\r\n"));
        QCOMPARE(program.settings().get(Settings::Exe), exe);
    }

    void firstStartDialogOpensOnTheMameOnThePath() {
        ProgramDir program;
        QTemporaryDir bin;
        const QString mame = installStandin(bin.path());
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + oldPath);
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(!window.load());
        qputenv("PATH", oldPath);
        const FileDialogRequest &request = program.prompts.shown().constFirst().fileRequest;
        QCOMPARE(request.initialFolder, bin.path());
        QCOMPARE(request.initialFile, mame);
    }

    void oneThirdWidthSplitterAndTheLowestSplitter() {
        ProgramDir program;
        program.knowEmulator();
        program.settings().write(Settings::Picture, QStringLiteral("-1")); // the info panel shows
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        const int inner = PixelsToTwips(window.centralWidget()->width());
        QCOMPARE(window.splitterLeft() / kTwipsPerPixel, int(inner / 1.5) / kTwipsPerPixel);

        int left = 500;
        window.SizeControls(left);
        QCOMPARE(left, 800);
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("lvListView"))->width(), TwipsToPixels(800));
    }

    void aSmallWindowIsEnlargedToTheMinimum() {
        ProgramDir program;
        program.knowEmulator();
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        window.resize(TwipsToPixels(3000), TwipsToPixels(2000));
        QTRY_COMPARE(window.width(), TwipsToPixels(kMinWindowWidthTwips));
        QCOMPARE(window.height(), TwipsToPixels(kMinWindowHeightTwips));
    }

    void closingMaximisedKeepsTheNormalPosition() {
        ProgramDir program;
        program.knowEmulator();
        auto window = std::make_unique<MainWindow>(program.path(), program.prompts, program.services);
        QVERIFY(window->load());
        window->show();
        const FrontendSettings settings = program.settings();
        settings.write(Settings::MainLeft, QStringLiteral("1234"));
        settings.write(Settings::MainWidth, QStringLiteral("9999"));
        window->showMaximized();
        QVERIFY(window->close());
        QCOMPARE(settings.read(Settings::WindowState), QStringLiteral("2"));
        QCOMPARE(settings.read(Settings::MainLeft), QStringLiteral("1234"));
        QCOMPARE(settings.read(Settings::MainWidth), QStringLiteral("9999"));
    }

    void closingMinimisedWritesNoPositionAndNoState() {
        ProgramDir program;
        program.knowEmulator();
        program.settings().write(Settings::TrayMin, QStringLiteral("-1"));
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        const FrontendSettings settings = program.settings();
        settings.write(Settings::MainLeft, QStringLiteral("1234"));
        settings.write(Settings::WindowState, QStringLiteral("7"));
        window.showMinimized();
        QTest::qWait(20);
        QVERIFY(window.isVisible()); // minimised to the task bar: this desktop has no notification area
        QVERIFY(window.close());
        QCOMPARE(settings.read(Settings::MainLeft), QStringLiteral("1234"));
        QCOMPARE(settings.read(Settings::WindowState), QStringLiteral("7"));
    }

    void closingNormallyWritesTheWindowAndViewState() {
        ProgramDir program;
        program.knowEmulator();
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        window.state().CurrentSetName = QStringLiteral("pacman");
        QVERIFY(window.actions()[ActionId::ViewMenuBar]->isChecked());
        const auto header = [](const MainWindow &shown) {
            return shown.findChild<QTableView *>(QStringLiteral("lvListViewDetails"))->horizontalHeader();
        };
        header(window)->moveSection(1, 0);
        header(window)->resizeSection(4, 150);
        QVERIFY(window.close());
        const FrontendSettings settings = program.settings();
        QCOMPARE(settings.read(Settings::ColumnPos), QStringLiteral("1,0,2,3,4,5,6"));
        QCOMPARE(settings.read(Settings::ColumnWidths).split(QLatin1Char(',')).at(4), QStringLiteral("150"));
        MainWindow again(program.path(), program.prompts, program.services);
        QVERIFY(again.load());
        QCOMPARE(header(again)->logicalIndex(0), 1);
        QCOMPARE(header(again)->sectionSize(4), 150);
        QCOMPARE(settings.read(Settings::WindowState), QStringLiteral("0"));
        QCOMPARE(settings.read(Settings::MainWidth).toInt(), PixelsToTwips(window.width()));
        QCOMPARE(settings.read(Settings::LastSelected), QStringLiteral("pacman"));
        QCOMPARE(settings.read(Settings::ShowMenu), QStringLiteral("-1"));
        QCOMPARE(settings.read(Settings::Toolbar), QStringLiteral("-1"));
        QCOMPARE(settings.read(Settings::SplitterLeft).toInt(), window.splitterLeft());
    }

    void busyWindowRefusesToClose() {
        ProgramDir program;
        program.knowEmulator();
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        window.setBusy(true);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        window.setBusy(false);
        QVERIFY(window.close());
    }

    void escapeOrEnterBringBackTheHiddenMenuBar() {
        ProgramDir program;
        program.knowEmulator();
        program.settings().write(Settings::ShowMenu, QStringLiteral("0"));
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        QVERIFY(!window.menuBar()->isVisible());
        QVERIFY(!window.actions().find(QStringLiteral("mnuViewMenuBar"))->isChecked());
        QTest::keyClick(window.findChild<QWidget *>(QStringLiteral("lvListView")), Qt::Key_Escape);
        QVERIFY(window.menuBar()->isVisible());
        QVERIFY(window.actions().find(QStringLiteral("mnuViewMenuBar"))->isChecked());
        window.ToggleMenuBar();
        QTest::keyClick(window.findChild<QWidget *>(QStringLiteral("lvListView")), Qt::Key_Return);
        QVERIFY(window.menuBar()->isVisible());
    }

    void toolbarShowsNoTipsWhenToolTipsAreOff() {
        ProgramDir program;
        program.knowEmulator();
        program.settings().write(Settings::ShowToolTips, QStringLiteral("0"));
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        QWidget *button = window.findChild<QToolBar *>(QStringLiteral("Toolbar1"))
                              ->widgetForAction(window.actions().toolbarButton(4));
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(button, &tip);
        QVERIFY(QToolTip::text().isEmpty());
    }

    void statusBarToggleIsSavedAtOnce() {
        ProgramDir program;
        program.knowEmulator();
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        window.actions()[ActionId::ViewStatusBar]->trigger();
        QVERIFY(window.statusBar()->isHidden());
        QCOMPARE(program.settings().read(Settings::ShowStatusBar), QStringLiteral("0"));
        // The general pop-up's twin is the same action, so it shows the same check mark.
        QVERIFY(!window.actions()[ActionId::ViewStatusBar]->isChecked());
    }

    void handEditedSettingsFallBackAndSurvive() {
        ProgramDir program;
        const QString exe = installStandin(program.dir.path());
        // LF line ends, missing keys, a non-numeric position, an unknown key and a very long value.
        writeFile(program.ini(), "[FRONTEND]\nexe=" + exe.toUtf8() +
                                     "\nMainLeft=left\nMainWidth=wide\nViewMode=x\nCustomKey=keep me\n"
                                     "mrud=" +
                                     QByteArray(10000, 'z') + "\n");
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        window.show();
        QCOMPARE(window.width(), TwipsToPixels(10500));                  // MainWidth's default
        QVERIFY(window.actions()[ActionId::ListViewMode3]->isChecked()); // ViewMode's default
        QVERIFY(window.close());
        const QByteArray saved = readFile(program.ini());
        QVERIFY(saved.contains("\r\nCustomKey=keep me\r\n"));
        QVERIFY(saved.contains("mrud=" + QByteArray(10000, 'z') + "\r\n"));
        QVERIFY(program.prompts.shown().isEmpty());
    }

    void settingsThatCannotBeSavedAreReportedOnceAndKept_data() {
        QTest::addColumn<int>(
            "fault"); // 0 folder read-only at the start, 1 made read-only later, 2 unreadable
        QTest::addColumn<QString>("told");
        QTest::newRow("read-only folder, said at the start by main") << 0 << QString();
        QTest::newRow("folder made read-only while running") << 1 << "could not save";
        QTest::newRow("unreadable file") << 2 << "could not read";
    }
    void settingsThatCannotBeSavedAreReportedOnceAndKept() {
        QFETCH(int, fault);
        QFETCH(QString, told);
        ProgramDir program;
        program.knowEmulator();
        const QByteArray before = readFile(program.ini());
        {
            std::optional<UnreadableFile> unreadable;
            if (fault == 2) {
                unreadable.emplace(
                    program.ini()); // no emulator known then: the first-run set-up is cancelled
            }
            MainWindow window(program.path(), program.prompts, program.services);
            if (fault == 0) {
                window.setReadOnly();
            }
            window.load();
            window.show();
            QCOMPARE(window.findChild<QLabel *>(QStringLiteral("sbReadOnly")) != nullptr, fault == 0);
            if (fault < 2 && !makeReadOnly(program.dir.path())) {
                QSKIP("cannot make a folder read-only here");
            }
            window.actions()[ActionId::ViewStatusBar]->trigger(); // saved at once: fails
            window.close();
            makeWritable(program.dir.path());
        }
        QStringList messages;
        for (const ShownPrompt &prompt : program.prompts.shown()) {
            if (prompt.kind == ShownPrompt::Kind::Inform) {
                messages.append(prompt.text);
            }
        }
        QCOMPARE(messages.size(), told.isEmpty() ? 0 : 1);
        QVERIFY(told.isEmpty() || messages.constFirst().contains(told));
        QCOMPARE(readFile(program.ini()), before);
    }

    void aSavedPlaceOffTheScreenIsBroughtBack() {
        ProgramDir program;
        program.knowEmulator();
        const std::pair<const SettingKey *, const char *> values[] = {{&Settings::MainLeft, "1e308"},
                                                                      {&Settings::MainTop, "nan"},
                                                                      {&Settings::MainWidth, "inf"},
                                                                      {&Settings::MainHeight, "9e9"}};
        for (const auto &[key, value] : values) {
            program.settings().write(*key, QLatin1String(value));
        }
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(window.load());
        const QRect area = window.screen()->availableVirtualGeometry();
        QVERIFY(area.intersects(window.geometry()) && area.size().boundedTo(window.size()) == window.size());
        QVERIFY(window.close());
        bool written = false; // as a number of twips on the screen
        QVERIFY(std::abs(program.settings().read(Settings::MainLeft).toDouble(&written)) < 1e6 && written);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
