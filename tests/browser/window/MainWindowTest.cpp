#include "browser/window/MainWindow.h"

#include "ReadOnlyFolder.h"
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

void writePicture(const QString &path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(path));
}

} // namespace

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
        settings().set(Settings::Exe, installStandin(dir.path()));
        settings().set(Settings::Version, QStringLiteral("MAME v0.251 (unknown)"));
    }
    // The window loaded on this directory, shown and active, so that its shortcuts act.
    std::unique_ptr<MainWindow> start() {
        auto window = std::make_unique<MainWindow>(path(), prompts, services);
        const bool loaded = window->load();
        window->show();
        window->activateWindow();
        if (!loaded || !QTest::qWaitForWindowActive(window.get())) {
            qFatal("the window did not load or did not become active");
        }
        return window;
    }
    // The stand-in's runs on a set (not its listings).
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
};

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadedWindowShowsTheCurrentSetWithItsHistoryAndPicture() {
        CataloguedProgram program;
        const std::unique_ptr<MainWindow> window = program.start();
        QCOMPARE(window->catalogue().size(), 3);
        QCOMPARE(window->statusPanels().panelText(1), QStringLiteral("3 sets"));
        QCOMPARE(window->statusPanels().panelText(2), QStringLiteral("pacman"));
        window->infoPanel().finishHistoryLoad();
        QCOMPARE(window->findChild<QPlainTextEdit *>(QStringLiteral("txtHistory"))->toPlainText(),
                 QStringLiteral("Pac-Man (c) 1980 Namco.\nEat the dots.\n"));
        window->infoPanel().finishPendingPicture();
        QVERIFY(!window->findChild<QLabel *>(QStringLiteral("picFlyer"))->pixmap().isNull());
        QCOMPARE(window->actions()[ActionId::FilePlay]->text(), QStringLiteral("&Play pacman"));
        Q_EMIT window->actions().itemPopup()->aboutToShow();
        QCOMPARE(window->actions()[ActionId::ItemPopupVerify]->text(), QStringLiteral("Verify pacman"));
        QCOMPARE(window->actions()[ActionId::ItemPopupDelNv]->text(), QStringLiteral("pacman.nv"));
        QCOMPARE(window->actions()[ActionId::ItemPopupDelIni]->text(), QStringLiteral("pacman.ini"));
        QVERIFY(window->close());
    }

    void selectingMameBuildsTheCatalogueAndShowsIt() {
        ProgramDir program;
        program.knowEmulator(); // known, but no catalogue has been built for it yet
        const std::unique_ptr<MainWindow> window = program.start();
        QCOMPARE(window->catalogue().size(), 0);

        // Another MAME, in a folder of its own whose mame.ini names its folders.
        QTemporaryDir other;
        const QString otherDir = other.path() + QLatin1Char('/');
        writeFile(otherDir + "mame.ini",
                  "#\ninipath                   ini\nsnapshot_directory        shots\n");
        program.prompts.queueFile(installStandin(other.path()));
        program.prompts.queueAnswer(PromptAnswer::No); // no fast scan: MAME verifies the sets
        window->actions()[ActionId::ToolsSelectMame]->trigger();

        const FileDialogRequest &request = program.prompts.shown().at(0).fileRequest;
        QCOMPARE(request.title, QStringLiteral("Select MAME executable, e.g. mame"));
        // The dialog opens on the MAME in use.
        QCOMPARE(request.initialFile, program.dir.filePath(QStringLiteral("mame")));
        QCOMPARE(request.initialFolder, program.dir.path());
        QCOMPARE(program.prompts.shown().at(1).title, QStringLiteral("Fast Scan"));
        // The stand-in lists nine runnable machines, one of them a BIOS set the browser never shows.
        QCOMPARE(window->catalogue().size(), 8);
        QCOMPARE(window->statusPanels().panelText(1), QStringLiteral("8 sets"));
        QVERIFY(
            window->catalogue().at(window->catalogue().indexOfName(QStringLiteral("puckman"))).isAvailable());
        QVERIFY(
            !window->catalogue().at(window->catalogue().indexOfName(QStringLiteral("pacman"))).isAvailable());
        QCOMPARE(window->windowTitle(), QStringLiteral("MAME v0.251 (unknown) - Quorvex"));
        QVERIFY(!window->statusPanels().inSingleTextMode());
        QVERIFY(!window->isBusy());
        // Pictures, snapshots and the option files are the new MAME's at once.
        QCOMPARE(window->state().PictureDirectory, otherDir + QStringLiteral("flyers/"));
        QCOMPARE(window->state().SnapshotDirectory, otherDir + QStringLiteral("shots/"));
        QVERIFY(
            readFile(otherDir + QStringLiteral("mame.ini")).contains("inipath                   .;ini\n"));
        QVERIFY(QFileInfo::exists(program.path() + QStringLiteral("qx.dat")));
        QVERIFY(!QFileInfo::exists(program.path() + QStringLiteral("qx_listxml.dat")));
        QVERIFY(window->close());
    }

    // Cancel beside the progress bar ends Verify All Sets, and every set keeps its state.
    void verifyAllSetsCanBeCancelled() {
        CataloguedProgram program;
        program.settings().set(Settings::Crc32, FileCrcText(program.settings().get(Settings::Exe)).value());
        const QByteArray cache = readFile(program.path() + QStringLiteral("qx.dat"));
        const std::unique_ptr<MainWindow> window = program.start();
        program.prompts.queueAnswer(PromptAnswer::Yes); // "Verify all sets?"
        qputenv("QX_STANDIN_SLEEP_MS", "30000");
        qputenv("QX_STANDIN_SLEEP_ON", "-verifyroms");
        QTimer clicker;
        connect(&clicker, &QTimer::timeout, this, [&] {
            auto *cancel = window->findChild<QPushButton *>(QStringLiteral("sbCancel"));
            if (cancel->isVisible() && cancel->isEnabled()) {
                cancel->click();
            }
        });
        clicker.start(50);
        window->actions()[ActionId::ToolsVerify]->trigger();
        qunsetenv("QX_STANDIN_SLEEP_MS");
        qunsetenv("QX_STANDIN_SLEEP_ON");
        QVERIFY(program.prompts.shownTexts().contains(kVerifyCancelledMessage));
        QCOMPARE(readFile(program.path() + QStringLiteral("qx.dat")), cache);
        QVERIFY(!window->isBusy());
    }

    void enterPlaysTheSelectedSetInTheEmulatorDirectory() {
        CataloguedProgram program;
        const std::unique_ptr<MainWindow> window = program.start();
        QWidget *details = window->findChild<QWidget *>(QStringLiteral("lvListViewDetails"));
        details->setFocus();
        QTest::keyClick(details, Qt::Key_Return);
        QTRY_COMPARE(program.launches().size(), 1);
        QCOMPARE(program.launches().constFirst().args, QStringList{QStringLiteral("pacman")});
        QCOMPARE(QDir(program.launches().constFirst().cwd).canonicalPath(),
                 QDir(program.path()).canonicalPath());
        QTRY_VERIFY(window->isVisible() && !window->isBusy());

        // With the tree shown, Enter plays the current set.
        window->actions()[ActionId::ListViewMode1]->trigger();
        window->state().CurrentSetName = QStringLiteral("galaga");
        QTreeView *tree = window->findChild<QTreeView *>(QStringLiteral("TreeView1"));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Return);
        QTRY_COMPARE(program.launches().size(), 2);
        QCOMPARE(program.launches().at(1).args, QStringList{QStringLiteral("galaga")});
        QTRY_VERIFY(!window->isBusy());

        // A double-click opens or closes a parent with its clones, and plays only a set without any.
        const QModelIndex parent = tree->model()->index(0, 0);
        const bool expanded = tree->isExpanded(parent);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(parent).center());
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(parent).center());
        QCOMPARE(tree->isExpanded(parent), !expanded);
        QCOMPARE(program.launches().size(), 2);
        QVERIFY(window->close());
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
        const std::unique_ptr<MainWindow> window = program.start();
        hold(3); // Down: pacman is followed by galaga
        QTRY_COMPARE(window->state().CurrentSetName, QStringLiteral("galaga"));
        hold(2); // Up
        QTRY_COMPARE(window->state().CurrentSetName, QStringLiteral("pacman"));
        hold(1); // Play
        QTRY_COMPARE(program.launches().size(), 1);
        QCOMPARE(program.launches().constFirst().args, QStringList{QStringLiteral("pacman")});
        QTRY_VERIFY(window->isVisible() && !window->isBusy());
        QTest::qWait(4 * JoystickPoller::kRepeatIntervalMs);
        QCOMPARE(program.launches().size(), 1);
        hold(0);
        QVERIFY(window->close());
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

    // Only Cancel ends the first run: the picker opens on the MAME on the PATH, a wrong file is named and the
    // picker comes back; the window stands centred on the screen.
    void firstStartAsksForMameUntilCancelled() {
        ProgramDir program;
        QTemporaryDir bin;
        const QString mame = installStandin(bin.path());
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + oldPath);
        program.prompts.queueFile(QStringLiteral("/bin/true"));
        MainWindow window(program.path(), program.prompts, program.services);
        QVERIFY(!window.load()); // the program ends
        qputenv("PATH", oldPath);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvex"));
        const QList<ShownPrompt> &shown = program.prompts.shown();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown.at(0).fileRequest.title, QStringLiteral("Select MAME executable"));
        QVERIFY(!shown.at(0).fileRequest.save);
        QCOMPARE(shown.at(0).fileRequest.initialFolder, bin.path());
        QCOMPARE(shown.at(0).fileRequest.initialFile, mame);
        QCOMPARE(shown.at(1).text,
                 QStringLiteral("This file doesn't seem to be a MAME executable.\n\n/bin/true"));
        QCOMPARE(shown.at(2).kind, ShownPrompt::Kind::File);
        QCOMPARE(shown.at(2).fileRequest.initialFile, QStringLiteral("/bin/true"));
        QCOMPARE(program.settings().read(Settings::MainLeft).toInt(), PixelsToTwips(window.x()));
        QCOMPARE(program.settings().read(Settings::MainTop).toInt(), PixelsToTwips(window.y()));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(qAbs(window.x() - (screen.x() + (screen.width() - window.width()) / 2)) <= 1);
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
        const std::unique_ptr<MainWindow> window = program.start();
        QCOMPARE(program.prompts.shownTexts().constFirst(),
                 QStringLiteral("MAME was not found at /gone/mame; choose it again."));
        QCOMPARE(window->catalogue().size(), 3);
        QCOMPARE(readFile(program.path() + QStringLiteral("qx.dat")), cache);
        QCOMPARE(readFile(program.path() + QStringLiteral("qx_fav.dat")), QByteArray("galaga\r\n"));
        QCOMPARE(program.settings().get(Settings::Exe), exe);
    }

    // The splitter starts at a third of the width and is kept 800 twips from the left; a small window is
    // enlarged to the minimum.
    void splitterAndMinimumSize() {
        ProgramDir program;
        program.knowEmulator();
        program.settings().write(Settings::Picture, QStringLiteral("-1")); // the info panel shows
        const std::unique_ptr<MainWindow> window = program.start();
        const int inner = PixelsToTwips(window->centralWidget()->width());
        QCOMPARE(window->splitterLeft() / kTwipsPerPixel, int(inner / 1.5) / kTwipsPerPixel);
        int left = 500;
        window->SizeControls(left);
        QCOMPARE(left, 800);
        QCOMPARE(window->findChild<QWidget *>(QStringLiteral("lvListView"))->width(), TwipsToPixels(800));
        window->resize(TwipsToPixels(3000), TwipsToPixels(2000));
        QTRY_COMPARE(window->width(), TwipsToPixels(kMinWindowWidthTwips));
        QCOMPARE(window->height(), TwipsToPixels(kMinWindowHeightTwips));
    }

    // Closing writes the place, state and view of a normal window; a maximised one keeps its normal place,
    // a minimised one writes neither place nor state, and a busy one refuses to close.
    void closingWritesWhatTheWindowStateAllows_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("windowState"); // in qx.ini afterwards
        QTest::addColumn<bool>("placeWritten");
        QTest::newRow("normal") << int(Qt::WindowNoState) << "0" << true;
        QTest::newRow("maximised") << int(Qt::WindowMaximized) << "2" << false;
        QTest::newRow("minimised") << int(Qt::WindowMinimized) << "7" << false;
        QTest::newRow("busy") << -1 << "7" << false;
    }
    void closingWritesWhatTheWindowStateAllows() {
        QFETCH(int, state);
        QFETCH(QString, windowState);
        QFETCH(bool, placeWritten);
        ProgramDir program;
        program.knowEmulator();
        program.settings().write(Settings::TrayMin, QStringLiteral("-1"));
        const std::unique_ptr<MainWindow> window = program.start();
        window->state().CurrentSetName = QStringLiteral("pacman");
        auto *header =
            window->findChild<QTableView *>(QStringLiteral("lvListViewDetails"))->horizontalHeader();
        header->moveSection(1, 0);
        const FrontendSettings settings = program.settings();
        for (const auto &[key, value] :
             {std::pair<const SettingKey *, const char *>{&Settings::MainLeft, "1234"},
              {&Settings::MainWidth, "9999"},
              {&Settings::WindowState, "7"},
              {&Settings::LastSelected, "x"}}) {
            settings.write(*key, QLatin1String(value));
        }
        window->setBusy(state < 0);
        state == Qt::WindowMinimized   ? window->showMinimized()
        : state == Qt::WindowMaximized ? window->showMaximized()
                                       : window->showNormal();
        QTest::qWait(20);
        QVERIFY(window->isVisible()); // minimised to the task bar: this desktop has no notification area
        QCOMPARE(window->close(), state >= 0);
        if (state < 0) {
            QVERIFY(window->isVisible());
            window->setBusy(false);
            QVERIFY(window->close());
            return;
        }
        QCOMPARE(settings.read(Settings::WindowState), windowState);
        QCOMPARE(settings.read(Settings::MainLeft) == QStringLiteral("1234"), !placeWritten);
        QCOMPARE(settings.read(Settings::MainWidth).toInt(),
                 placeWritten ? PixelsToTwips(window->width()) : 9999);
        QCOMPARE(settings.read(Settings::LastSelected), QStringLiteral("pacman"));
        QCOMPARE(settings.read(Settings::ColumnPos), QStringLiteral("1,0,2,3,4,5,6"));
        QCOMPARE(settings.read(Settings::ShowMenu), QStringLiteral("-1"));
        QCOMPARE(settings.read(Settings::SplitterLeft).toInt(), window->splitterLeft());
    }

    // A hidden menu bar comes back with Escape or Enter; without tool tips the toolbar shows none; the status
    // bar's toggle is saved at once.
    void menuBarToolTipsAndStatusBar() {
        ProgramDir program;
        program.knowEmulator();
        program.settings().write(Settings::ShowMenu, QStringLiteral("0"));
        program.settings().write(Settings::ShowToolTips, QStringLiteral("0"));
        const std::unique_ptr<MainWindow> window = program.start();
        QAction *menuBar = window->actions()[ActionId::ViewMenuBar];
        QVERIFY(!window->menuBar()->isVisible() && !menuBar->isChecked());
        QWidget *list = window->findChild<QWidget *>(QStringLiteral("lvListView"));
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(window->menuBar()->isVisible() && menuBar->isChecked());
        window->ToggleMenuBar();
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(window->menuBar()->isVisible());

        QWidget *button = window->findChild<QToolBar *>(QStringLiteral("Toolbar1"))
                              ->widgetForAction(window->actions().toolbarButton(4));
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(button, &tip);
        QVERIFY(QToolTip::text().isEmpty());

        window->actions()[ActionId::ViewStatusBar]->trigger();
        QVERIFY(window->statusBar()->isHidden() && !window->actions()[ActionId::ViewStatusBar]->isChecked());
        QCOMPARE(program.settings().read(Settings::ShowStatusBar), QStringLiteral("0"));
    }

    // LF line ends, missing keys, numbers that are none or far off the screen, an unknown key and a very long
    // value: the window falls back, stands on the screen, and keeps what it does not know.
    void handEditedSettingsFallBackAndSurvive() {
        ProgramDir program;
        const QString exe = installStandin(program.dir.path());
        writeFile(program.ini(), "[FRONTEND]\nexe=" + exe.toUtf8() +
                                     "\nMainLeft=1e308\nMainTop=nan\nMainWidth=wide\nMainHeight=9e9\n"
                                     "ViewMode=x\nCustomKey=keep me\nmrud=" +
                                     QByteArray(10000, 'z') + "\n");
        const std::unique_ptr<MainWindow> window = program.start();
        QCOMPARE(window->width(), TwipsToPixels(10500));                  // MainWidth's default
        QVERIFY(window->actions()[ActionId::ListViewMode3]->isChecked()); // ViewMode's default
        const QRect area = window->screen()->availableVirtualGeometry();
        QVERIFY(area.intersects(window->geometry()) &&
                area.size().boundedTo(window->size()) == window->size());
        QVERIFY(window->close());
        const QByteArray saved = readFile(program.ini());
        QVERIFY(saved.contains("\r\nCustomKey=keep me\r\n"));
        QVERIFY(saved.contains("mrud=" + QByteArray(10000, 'z') + "\r\n"));
        bool written = false; // as a number of twips on the screen
        QVERIFY(std::abs(program.settings().read(Settings::MainLeft).toDouble(&written)) < 1e6 && written);
        QVERIFY(program.prompts.shown().isEmpty());
    }

    // A read-only folder (said at the start by main), a folder made read-only while running, an unreadable
    // file (no emulator known then: the first-run set-up is cancelled): told once at the most, file kept.
    void settingsThatCannotBeSavedAreReportedOnceAndKept_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("told");
        QTest::newRow("read-only folder at the start") << 0 << QString();
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
            std::optional<ReadOnlyFolder> readOnly;
            if (fault == 2) {
                unreadable.emplace(program.ini());
            }
            MainWindow window(program.path(), program.prompts, program.services);
            if (fault == 0) {
                window.setReadOnly();
            }
            window.load();
            window.show();
            QCOMPARE(window.findChild<QLabel *>(QStringLiteral("sbReadOnly")) != nullptr, fault == 0);
            if (fault < 2 && !readOnly.emplace(program.dir.path()).isReadOnly()) {
                QSKIP("cannot make a folder read-only here");
            }
            window.actions()[ActionId::ViewStatusBar]->trigger(); // saved at once: fails
            window.close();
        }
        const QStringList messages = program.prompts.shownTexts(ShownPrompt::Kind::Inform);
        QCOMPARE(messages.size(), told.isEmpty() ? 0 : 1);
        QVERIFY(told.isEmpty() || messages.constFirst().contains(told));
        QCOMPARE(readFile(program.ini()), before);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
