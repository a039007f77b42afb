// The main window as a user starts and drives it over the stand-in emulator: the start and the first run,
// the start-up video, another MAME chosen, the commands that act on the shown set, the layout, closing, a
// settings file that is hand-edited or cannot be written, and Help ▸ About.
#include "ReadOnlyFolder.h"
#include "TestWindow.h"
#include "UnreadableFile.h"
#include "WhileModalShown.h"
#include "browser/info/InfoPanel.h"
#include "browser/window/MainLayout.h"
#include "browser/window/StatusPanels.h"
#include "catalogue/CatalogueSteps.h"
#include "catalogue/Crc32.h"
#include "dialogs/StartupVideo.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>

using namespace qx;
using namespace qx::test;

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadedWindowShowsTheCurrentSetWithItsHistoryAndPicture() {
        TestWindow test({{&Settings::ShowHistory, "-1"}, {&Settings::Picture, "-1"}});
        writeFile(test.path + "history.dat", readFixture("window/history.dat"));
        test.writePicture("flyers/puckman.png", {40, 30}, Qt::blue); // the parent's flyer
        MainWindow &window = test.start();
        window.infoPanel().finishHistoryLoad();
        window.infoPanel().finishPendingPicture();
        QVERIFY(!test.find<QLabel>("picFlyer")->pixmap().isNull());
        Q_EMIT window.actions().itemPopup()->aboutToShow();
        QCOMPARE((QStringList{window.statusPanels().panelText(1), window.statusPanels().panelText(2),
                              test.find<QPlainTextEdit>("txtHistory")->toPlainText(),
                              test.action("mnuFilePlay")->text(), test.action("mnuItemPopupVerify")->text(),
                              test.action("mnuItemPopupDelNv")->text()}),
                 (QStringList{"3 sets", "pacman", "Pac-Man (c) 1980 Namco.\nEat the dots.\n\n- TRIVIA -\n",
                              "&Play pacman", "Verify pacman", "pacman.nv"}));
    }

    // Tools ▸ Select MAME: the picker opens on the MAME in use; the new one's sets, folders and option files
    // are used at once.
    void selectingMameBuildsTheCatalogueAndShowsIt() {
        TestWindow test;
        MainWindow &window = test.start();
        QTemporaryDir other;
        const QString otherDir = other.path() + QLatin1Char('/');
        writeFile(otherDir + "mame.ini",
                  "#\ninipath                   ini\nsnapshot_directory        shots\n");
        test.prompts.queueFile(installStandin(other.path()));
        test.prompts.queueAnswer(PromptAnswer::No); // no fast scan: MAME verifies the sets
        test.action("mnuToolsSelectMame")->trigger();

        const FileDialogRequest &request = test.prompts.shown().at(0).fileRequest;
        QCOMPARE((QStringList{request.title, request.initialFile, request.initialFolder,
                              test.prompts.shown().at(1).title}),
                 (QStringList{"Select MAME executable, e.g. mame", test.path + "mame", test.dir.path(),
                              "Fast Scan"}));
        // The stand-in lists nine runnable machines, one of them a BIOS set the browser never shows.
        QCOMPARE((QStringList{window.statusPanels().panelText(1), test.availableSets().join(','),
                              window.windowTitle(), window.state().PictureDirectory,
                              window.state().SnapshotDirectory}),
                 (QStringList{"8 sets", "puckman,mslug,pong", "MAME v0.251 (unknown) - Quorvex",
                              otherDir + "flyers/", otherDir + "shots/"}));
        QVERIFY(!window.statusPanels().inSingleTextMode() && !window.isBusy());
        QVERIFY(readFile(otherDir + "mame.ini").contains("inipath                   .;ini\n"));
        QVERIFY(!QFileInfo::exists(test.path + "qx_listxml.dat"));
    }

    // Cancel beside the progress bar ends Verify All Sets, and every set keeps its state.
    void verifyAllSetsCanBeCancelled() {
        TestWindow test;
        test.settings().set(Settings::Crc32, FileCrcText(test.settings().get(Settings::Exe)).value());
        MainWindow &window = test.start();
        test.prompts.queueAnswer(PromptAnswer::Yes); // "Verify all sets?"
        qputenv("QX_STANDIN_SLEEP_MS", "30000");
        qputenv("QX_STANDIN_SLEEP_ON", "-verifyroms");
        QTimer clicker;
        connect(&clicker, &QTimer::timeout, this, [&] {
            auto *cancel = test.find<QPushButton>("sbCancel");
            if (cancel->isVisible() && cancel->isEnabled()) {
                cancel->click();
            }
        });
        clicker.start(50);
        test.action("mnuToolsVerify")->trigger();
        qunsetenv("QX_STANDIN_SLEEP_MS");
        qunsetenv("QX_STANDIN_SLEEP_ON");
        QVERIFY(test.prompts.shownTexts().contains(kVerifyCancelledMessage));
        QCOMPARE(readFile(test.path + "qx.dat"), kThreeSets);
        QVERIFY(!window.isBusy());
    }

    // After a search or a refill selects a row, that set is the one File ▸ Play, the capture runs and the
    // snapshot entries act on, whatever set was current before; a click on the picture keeps it as it is.
    void commandsActOnTheSetTheWindowShows() {
        for (const QString search : {"galaga", ""}) { // empty: the unavailable sets are hidden instead
            const QString shown = search.isEmpty() ? "puckman" : search;
            TestWindow test({{&Settings::Picture, "-1"}});
            for (const QString &snapshot : {shown + "/0000", shown + "/0001", QString("pacman/0001")}) {
                test.writePicture("snap/" + snapshot + ".png", {40, 30}, Qt::blue);
            }
            MainWindow &window = test.start();
            if (search.isEmpty()) {
                test.action("tbrUnavailable")->trigger(); // pacman goes
            } else {
                test.find<QLineEdit>("Text1")->setText(search);
            }
            QCOMPARE(test.action("mnuFilePlay")->text(), "&Play " + shown);
            test.action("mnuFilePlay")->trigger();
            test.prompts.queueFile(test.path + "inp/take.inp");
            test.action("mnuFileRecord")->trigger();
            QCOMPARE(test.launches(), (QStringList{shown, shown}));
            test.find<QScrollBar>("HScroll1")->setValue(1);
            QTest::mouseClick(test.find("Label1"), Qt::LeftButton, {}, QPoint(5, 5));
            Q_EMIT window.actions().generalPopup()->aboutToShow();
            QCOMPARE(test.action("mnuPopupSnap0")->text(), "Delete 0001.png");
            test.prompts.queueAnswer(PromptAnswer::Yes);
            test.action("mnuPopupSnap0")->trigger();
            QVERIFY(!QFile::exists(test.path + "snap/" + shown + "/0001.png"));
            QVERIFY(QFile::exists(test.path + "snap/pacman/0001.png"));
        }
    }

    void shortcutsRestWhileTheCatalogueIsRefreshed() {
        TestWindow test;
        MainWindow &window = test.start();
        QTimer::singleShot(0, &window, [&test] { // while MAME runs for the refresh
            for (const Qt::Key key : {Qt::Key_C, Qt::Key_A, Qt::Key_F}) {
                QTest::keyClick(test.find("lvListViewDetails"), key, Qt::ControlModifier);
            }
        });
        window.RefreshCatalogue();
        QAction *available = test.action("mnuViewGameLists1");
        QVERIFY(test.action("mnuOptionsClones")->isChecked() && available->isChecked() &&
                available->isEnabled());
    }

    // Only Cancel ends the first run: the picker opens on the MAME on the PATH, a wrong file is named and the
    // picker comes back; the window stands centred on the screen.
    void firstStartAsksForMameUntilCancelled() {
        TestWindow test({{&Settings::Exe, ""}});
        QTemporaryDir bin;
        const QString mame = installStandin(bin.path());
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + oldPath);
        test.prompts.queueFile("/bin/true");
        MainWindow &window = test.make();
        QVERIFY(!window.load()); // the program ends
        qputenv("PATH", oldPath);
        const QList<ShownPrompt> &shown = test.prompts.shown();
        QVERIFY(window.windowTitle() == "Quorvex" && shown.size() == 3 && !shown.at(0).fileRequest.save);
        QCOMPARE((QStringList{shown.at(0).fileRequest.title, shown.at(0).fileRequest.initialFolder,
                              shown.at(0).fileRequest.initialFile, shown.at(1).text,
                              shown.at(2).fileRequest.initialFile}),
                 (QStringList{"Select MAME executable", bin.path(), mame,
                              "This file doesn't seem to be a MAME executable.\n\n/bin/true", "/bin/true"}));
        QCOMPARE(test.settings().read(Settings::MainLeft) + ',' + test.settings().read(Settings::MainTop),
                 QString::number(PixelsToTwips(window.x())) + ',' +
                     QString::number(PixelsToTwips(window.y())));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(qAbs(window.x() - (screen.x() + (screen.width() - window.width()) / 2)) <= 1);
    }

    // A MAME that has gone is announced; chosen again, it finds its catalogue and favourites as they were.
    void aVanishedMameIsAnnouncedAndItsCatalogueKeptWhenItComesBack() {
        TestWindow test;
        const QString exe = test.settings().get(Settings::Exe);
        test.settings().set(Settings::Crc32, FileCrcText(exe).value());
        test.settings().set(Settings::Exe, "/gone/mame");
        writeFile(test.path + "qx_fav.dat", "galaga\r\n");
        test.prompts.queueFile(exe);
        MainWindow &window = test.start();
        QCOMPARE(test.prompts.shownTexts().constFirst(),
                 "MAME was not found at /gone/mame; choose it again.");
        QVERIFY(window.catalogue().size() == 3 && readFile(test.path + "qx.dat") == kThreeSets);
        QVERIFY(readFile(test.path + "qx_fav.dat") == "galaga\r\n" &&
                test.settings().get(Settings::Exe) == exe);
    }

    // The splitter starts at a third of the width and is kept 800 twips from the left; a small window is
    // enlarged to the minimum; the search box takes the width the rest leaves.
    void splitterAndMinimumSize() {
        TestWindow test({{&Settings::Picture, "-1"}}); // the info panel shows
        MainWindow &window = test.start();
        const int inner = PixelsToTwips(window.centralWidget()->width());
        QCOMPARE(window.splitterLeft() / kTwipsPerPixel, int(inner / 1.5) / kTwipsPerPixel);
        int left = 500;
        window.SizeControls(left);
        QCOMPARE(test.find("lvListView")->width(), TwipsToPixels(800));
        window.resize(TwipsToPixels(3000), TwipsToPixels(2000));
        QTRY_COMPARE(window.width(), TwipsToPixels(kMinWindowWidthTwips));
        QCOMPARE(window.height(), TwipsToPixels(kMinWindowHeightTwips));
        test.action("mnuListViewMode1")->trigger(); // the tree's search box, as wide as the rules say
        window.resize(700, 600);
        QTRY_COMPARE(test.find("Text2")->width(),
                     TwipsToPixels(PixelsToTwips(window.frameGeometry().width()) - 3200));
    }

    // Closing writes the place, state and view of a normal window; a maximised one keeps its normal place,
    // a minimised one writes neither place nor state, and a busy one (-1) refuses until it is idle.
    void closingWritesWhatTheWindowStateAllows() {
        for (const auto &[state, windowState, placeWritten] : {std::tuple{int(Qt::WindowNoState), "0", true},
                                                               {int(Qt::WindowMaximized), "2", false},
                                                               {int(Qt::WindowMinimized), "7", false},
                                                               {-1, "0", true}}) {
            TestWindow test({{&Settings::TrayMin, "-1"}, {&Settings::LastSelected, "galaga"}});
            MainWindow &window = test.start();
            window.state().CurrentSetName = "pacman";
            test.find<QTableView>("lvListViewDetails")->horizontalHeader()->moveSection(1, 0);
            test.set({{&Settings::MainLeft, "1234"},
                      {&Settings::MainWidth, "9999"},
                      {&Settings::WindowState, "7"}});
            window.setBusy(state < 0);
            state == Qt::WindowMinimized   ? window.showMinimized()
            : state == Qt::WindowMaximized ? window.showMaximized()
                                           : window.showNormal();
            QTest::qWait(20);
            QVERIFY(window.isVisible()); // minimised to the task bar: this desktop has no notification area
            QCOMPARE(window.close(), state >= 0);
            window.setBusy(false);
            QVERIFY(state >= 0 || window.close()); // and then closes as a normal window
            const FrontendSettings settings = test.settings();
            QCOMPARE((QStringList{settings.read(Settings::WindowState), settings.read(Settings::LastSelected),
                                  settings.read(Settings::ColumnPos), settings.read(Settings::ShowMenu)}),
                     (QStringList{windowState, "pacman", "1,0,2,3,4,5,6", "-1"}));
            QCOMPARE(settings.read(Settings::MainLeft) == "1234", !placeWritten);
            QCOMPARE(settings.read(Settings::MainWidth).toInt(),
                     placeWritten ? PixelsToTwips(window.width()) : 9999);
            QCOMPARE(settings.read(Settings::SplitterLeft).toInt(), window.splitterLeft());
        }
    }

    // A hidden menu bar comes back with Escape or Enter; without tool tips the toolbar shows none; the status
    // bar's toggle is saved at once.
    void menuBarToolTipsAndStatusBar() {
        TestWindow test({{&Settings::ShowMenu, "0"}, {&Settings::ShowToolTips, "0"}});
        MainWindow &window = test.start();
        QAction *menuBar = test.action("mnuViewMenuBar");
        QVERIFY(!window.menuBar()->isVisible() && !menuBar->isChecked());
        QTest::keyClick(test.find("lvListView"), Qt::Key_Escape);
        QVERIFY(window.menuBar()->isVisible() && menuBar->isChecked());
        window.ToggleMenuBar();
        QTest::keyClick(test.find("lvListView"), Qt::Key_Return);
        QVERIFY(window.menuBar()->isVisible());

        QWidget *button = test.find<QToolBar>("Toolbar1")->widgetForAction(window.actions().toolbarButton(4));
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(button, &tip);
        QVERIFY(QToolTip::text().isEmpty());

        test.action("mnuViewStatusBar")->trigger();
        QVERIFY(window.statusBar()->isHidden() && !test.action("mnuViewStatusBar")->isChecked());
        QCOMPARE(test.settings().read(Settings::ShowStatusBar), "0");
    }

    // LF line ends, missing keys, numbers that are none or far off the screen, an unknown key and a very long
    // value: the window falls back, stands on the screen, and keeps what it does not know.
    void handEditedSettingsFallBackAndSurvive() {
        TestWindow test;
        writeFile(test.path + "qx.ini", "[FRONTEND]\nexe=" + test.settings().get(Settings::Exe).toUtf8() +
                                            "\nMainLeft=1e308\nMainTop=nan\nMainWidth=wide\nMainHeight=9e9\n"
                                            "ViewMode=x\nCustomKey=keep me\nmrud=" +
                                            QByteArray(10000, 'z') + "\n");
        MainWindow &window = test.start();
        // MainWidth's and ViewMode's defaults
        QVERIFY(window.width() == TwipsToPixels(10500) && test.action("mnuListViewMode3")->isChecked());
        const QRect area = window.screen()->availableVirtualGeometry();
        QVERIFY(area.intersects(window.geometry()) && area.size().boundedTo(window.size()) == window.size());
        QVERIFY(window.close());
        const QByteArray saved = readFile(test.path + "qx.ini");
        QVERIFY(saved.contains("\r\nCustomKey=keep me\r\n") &&
                saved.contains("mrud=" + QByteArray(10000, 'z') + "\r\n"));
        bool written = false; // as a number of twips on the screen
        QVERIFY(std::abs(test.settings().read(Settings::MainLeft).toDouble(&written)) < 1e6 && written);
        QVERIFY(test.prompts.shown().isEmpty());
    }

    // An unreadable file (no emulator known then: the first-run set-up is cancelled), a read-only folder
    // (said at the start by main), a folder made read-only while running: told once at the most, file kept.
    void settingsThatCannotBeSavedAreReportedOnceAndKept() {
        for (const auto &[fault, told] : {std::pair{2, "could not read"}, {0, ""}, {1, "could not save"}}) {
            TestWindow test;
            const QString ini = test.path + "qx.ini";
            const QByteArray before = readFile(ini);
            {
                std::optional<UnreadableFile> unreadable;
                std::optional<ReadOnlyFolder> readOnly;
                if (fault == 2) {
                    unreadable.emplace(ini);
                }
                MainWindow &window = test.make();
                if (fault == 0) {
                    window.setReadOnly();
                }
                window.load();
                window.show();
                QCOMPARE(window.findChild<QLabel *>("sbReadOnly") != nullptr, fault == 0);
                if (fault < 2 && !readOnly.emplace(test.dir.path()).isReadOnly()) {
                    QSKIP("cannot make a folder read-only here");
                }
                test.action("mnuViewStatusBar")->trigger(); // saved at once: fails
                window.close();
                test.window.reset();
            }
            const QStringList messages = test.prompts.shownTexts(ShownPrompt::Kind::Inform);
            QCOMPARE(messages.size(), *told ? 1 : 0);
            QVERIFY(!*told || messages.constFirst().contains(told));
            QCOMPARE(readFile(ini), before);
        }
    }

    void f1OpensTheAboutBoxWithTheEmulatorsFigures() {
        TestWindow test({{&Settings::SetLimit, "3000"}});
        MainWindow &window = test.start();
        QString sets;
        QVERIFY(WhileModalShown(
            "frmAbout", [&] { QTest::keyClick(&window, Qt::Key_F1); },
            [&](QDialog &about) { sets = about.findChild<QLabel *>("lblVersion3")->text(); }));
        QCOMPARE(sets, "Supported Sets: 3000");
    }

    // The window is built, with its catalogue, while the video plays in a window (1) or full screen (2).
    void theWindowIsBuiltWhileTheStartupVideoPlays() {
        TestWindow test;
        const QString clip = test.path + "clip.ogv";
        if (QProcess::execute("ffmpeg",
                              {"-loglevel", "error", "-y", "-f", "lavfi", "-i",
                               "testsrc=size=160x120:rate=10", "-t", "3", "-c:v", "libtheora", clip}) != 0) {
            QSKIP("ffmpeg is missing or cannot write a Theora clip");
        }
        QMediaPlayer probe;
        probe.setSource(QUrl::fromLocalFile(clip));
        if (!QTest::qWaitFor(
                [&] { return probe.mediaStatus() == QMediaPlayer::LoadedMedia || probe.error(); }) ||
            probe.error()) {
            QSKIP(qPrintable("no multimedia backend opens a Theora clip here " + probe.errorString()));
        }
        for (const int playAvi : {1, 2}) {
            test.set({{&Settings::Avi, clip}, {&Settings::PlayAvi, QString::number(playAvi)}});
            MainWindow &window = test.make();
            QVERIFY(window.load());
            QPointer<StartupVideo> video = window.findChild<StartupVideo *>();
            QVERIFY(video && window.isVisible() && window.catalogue().size() == 3);
            QCOMPARE(window.state().VideoFullScreen, playAvi == 2);
            QVERIFY(QTest::qWaitFor([&] { return !video || video->isVisible(); }, 10000) && video);
            QCOMPARE(video->isFullScreen(), playAvi == 2);
            QVERIFY(QTest::qWaitFor([&] { return video.isNull(); }, 20000) && test.prompts.shown().isEmpty());
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
