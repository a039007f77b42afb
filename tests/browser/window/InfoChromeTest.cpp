// The window chrome (fonts, background colours, clipboard copies, help documents and pages), the
// notification-area icon with its menu, and the menus, toolbar and status bar.
#include "TestWindow.h"
#include "browser/window/StatusPanels.h"
#include "browser/window/TrayIcon.h"
#include "browser/window/WindowAppearance.h"
#include "browser/window/WindowChrome.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolBar>

using namespace qx;
using namespace qx::test;

namespace {

// The shown, unloaded window with its chrome, and a catalogue of the three sets and one with an ampersand.
struct ChromeWindow : TestWindow {
    WindowAppearance appearance;
    std::unique_ptr<WindowChrome> chrome;
    explicit ChromeWindow(const SettingValues &values = {}) : TestWindow(values) {
        writeFile(path + "qx.dat", kThreeSets + "tomjerry=Tom & Jerry==Bally=1980=good=1=tj.cpp=no\r\n");
        showUnloaded();
        chrome = std::make_unique<WindowChrome>(*window, appearance);
    }
};

QColor backColour(const QWidget *widget) {
    return widget->palette().color(widget->inherits("QAbstractScrollArea") ? QPalette::Base
                                                                           : QPalette::Window);
}

} // namespace

class InfoChromeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The set list font goes to the list and the tree, and is saved when the window closes; the history font
    // to the history and the caption; the status bar font is written at once.
    void fontsGoWhereTheirMenuSays() {
        ChromeWindow test;
        FontChoice font;
        font.family = "DejaVu Sans";
        font.pointSize = 13;
        font.bold = font.underline = true;
        font.colour = 0x0000FFu; // red: the low byte
        for (const char *action : {"mnuFontsList", "mnuFontsHistory", "mnuFontsStatusBar"}) {
            test.prompts.queueFont(font);
            test.action(action)->trigger();
        }
        for (const char *name : {"lvListView", "TreeView1", "txtHistory"}) {
            const QWidget *view = test.find(name);
            QVERIFY(view->font().bold() && view->font().underline() && view->font().pointSize() == 13);
            QCOMPARE(view->palette().color(QPalette::Text), QColor(255, 0, 0));
        }
        QVERIFY(test.find("Label1")->palette().color(QPalette::WindowText) == QColor(255, 0, 0) &&
                test.find("Label1")->font().bold() && test.window->statusPanels().font().bold());
        const FrontendSettings settings = test.settings();
        QCOMPARE((QStringList{settings.read(Settings::FontBold), settings.read(Settings::SbFontName),
                              settings.read(Settings::SbFontBold), settings.read(Settings::SbFontItalic),
                              settings.read(Settings::SbFontSize), settings.read(Settings::SbUnderline)}),
                 (QStringList{"0", "DejaVu Sans", "-1", "0", "13", "-1"}));
    }

    void cancelledDialogsChangeNothing() {
        ChromeWindow test;
        const QFont before = test.find("lvListView")->font();
        const QByteArray ini = readFile(test.path + "qx.ini");
        for (const char *name : {"mnuFontsList", "mnuFontsStatusBar", "mnuColourAll", "mnuColourList"}) {
            test.action(name)->trigger();
        }
        QVERIFY(test.prompts.shown().size() == 4 && test.find("lvListView")->font() == before);
        QVERIFY(readFile(test.path + "qx.ini") == ini && !test.appearance.listBackColour);
    }

    // Each entry colours its views; 0xFF8040 is blue 0xFF, green 0x80, red 0x40: the number is stored.
    void backgroundColours() {
        const QStringList list{"lvListView", "TreeView1"}, info{"txtHistory", "picHolder", "picFlyer"};
        for (const auto &[action, coloured, untouched, treeBackColour] :
             {std::tuple{"mnuColourAll", list + info, "", "16744512"},
              {"mnuColourList", list, "txtHistory", "16744512"},
              {"mnuColourHistory", info, "TreeView1", ""}}) {
            ChromeWindow test;
            test.prompts.queueColour(0xFF8040u);
            test.action(action)->trigger();
            for (const QString &name : coloured) {
                QCOMPARE(backColour(test.find(qPrintable(name))), QColor(0x40, 0x80, 0xFF));
            }
            QVERIFY(!*untouched || backColour(test.find(untouched)) != QColor(0x40, 0x80, 0xFF));
            QCOMPARE(test.settings().read(Settings::TreeBackColour), treeBackColour);
            QCOMPARE((QList<bool>{test.appearance.infoBackColour.has_value(),
                                  test.appearance.pictureBackColour.has_value(),
                                  test.appearance.listBackColour.has_value()}),
                     (QList<bool>{coloured.contains("txtHistory"), coloured.contains("txtHistory"),
                                  coloured.contains("lvListView")}));
        }
    }

    void copyToClipboard() {
        ChromeWindow test;
        const std::tuple<const char *, int, const char *> cases[] = {
            {"", 0, ""}, // no set selected yet
            {"pacman", 0, "Pac-Man (Midway)"},
            {"pacman", 1, "pacman"},
            {"pacman", 2, "puckman"},
            {"puckman", 2, ""}, // the parent of a parent set
            {"pacman", 3, "Namco (Midway license)"}};
        for (const auto &[selected, field, expected] : cases) {
            test.services.clipboard = "something copied before";
            test.select(selected);
            test.action(qPrintable(QStringLiteral("mnuItemPopupCopy%1").arg(field)))->trigger();
            QCOMPARE(test.services.clipboard, QString::fromUtf8(expected));
        }
    }

    // Help documents: MAME's own when it ships them, else its pages; the home pages in the browser.
    void helpDocumentsAndHomePages() {
        ChromeWindow test({{&Settings::Version, "MAME v0.251 (Debian 0.251+dfsg.1-1)"}});
        test.window->state().EmulatorPath = test.path + "bin/mame";
        // Debian ships neither: MAME's documentation opens, and the release notes of the version it runs.
        for (const char *name : {"mnuHelpMameTxt", "mnuHelpWhatsNew", "", "mnuHelpMameTxt", "mnuHelpWhatsNew",
                                 "mnuHelpHome", "mnuHelpMameHome", "mnuHelpHistoryHome"}) {
            if (!*name) {
                writeFile(test.path + "docs/whatsnew.txt", "0.251\n");
                writeFile(test.path + "bin/mame.txt", "MAME\n");
                continue;
            }
            test.action(name)->trigger();
        }
        QCOMPARE(
            test.services.opened,
            (QStringList{"https://docs.mamedev.org/", "https://www.mamedev.org/releases/whatsnew_0251.txt",
                         test.path + "bin/mame.txt", test.path + "docs/whatsnew.txt",
                         WindowChrome::homePageAddress(WindowChrome::HomePage::Quorvex),
                         "https://www.mamedev.org/", "https://www.arcade-history.com/"}));
        QVERIFY(test.services.opened.at(4).startsWith(QLatin1String("https://")));
        QVERIFY(test.prompts.shown().isEmpty());
    }

    // The favourites in the file's order, the sets not known left out; a second build replaces the first's.
    void favouritesInFileOrder() {
        ChromeWindow test;
        QStringList launched;
        TrayIcon tray(*test.window, {[&](const QString &name) { launched.append(name); }, {}, {}});
        QAction *none = test.action("mnuTrayFavNone");
        tray.BuildTrayMenu(); // no file yet: the disabled entry
        QVERIFY(tray.favouriteEntries().isEmpty() && none->isVisible() && !none->isEnabled());
        writeFile(test.path + "qx_fav.dat", "galaga\r\nmissing\r\npacman\r\ntomjerry");
        tray.BuildTrayMenu();
        tray.BuildTrayMenu();
        QStringList entries;
        for (const QAction *entry : tray.favouriteEntries()) {
            entries.append(entry->data().toString() + '=' + entry->text());
        }
        QCOMPARE(entries, (QStringList{"galaga=Galaga (Namco rev. B)", "pacman=Pac-Man (Midway)",
                                       "tomjerry=Tom && Jerry"}));
        QVERIFY(test.window->actions().menu("mnuTrayFav")->actions().size() == 4 && !none->isVisible());
        tray.favouriteEntries().at(1)->trigger();
        QCOMPARE(launched, QStringList{"pacman"});
    }

    void manyFavouritesShowAPageAtATimeAndNoneTwice() {
        ChromeWindow test;
        QList<SetRecord> records(700);
        QByteArray file = "set0\r\n"; // listed twice
        for (int i = 0; i < 700; ++i) {
            records[i].Name = QStringLiteral("set%1").arg(i);
            file += records[i].Name.toUtf8() + "\r\n";
        }
        test.window->catalogue() = SetCatalogue(records);
        writeFile(test.path + "qx_fav.dat", file);
        TrayIcon tray(*test.window);
        tray.BuildTrayMenu();
        QCOMPARE(tray.favouriteEntries().size(), TrayIcon::kTrayFavouritesPage);
        for (int page = 0; page < 2; ++page) { // the last page has no "More…"
            Q_EMIT test.window->findChildren<QMenu *>("mnuTrayFavMore").at(page)->aboutToShow();
        }
        QCOMPARE(test.window->findChildren<QMenu *>("mnuTrayFavMore").size(), 2);
        QVERIFY(tray.favouriteEntries().size() == 700 &&
                tray.favouriteEntries().constLast()->data() == "set699");
    }

    // Play and Random show only while a set is selected; the menu stays closed while the window is busy or
    // another window is open.
    void playEntriesOnlyWhileASetIsSelected() {
        ChromeWindow test;
        test.window->setBusy(false);
        QStringList launched;
        int randoms = 0;
        TrayIcon tray(*test.window,
                      {[&](const QString &name) { launched.append(name); }, [&] { ++randoms; }, {}});
        QAction *play = test.action("mnuTrayPlay");
        QAction *random = test.action("mnuTrayRandom");
        QVERIFY(tray.prepareMenu() && !play->isVisible() && !random->isVisible());
        test.select("puckman");
        QVERIFY(tray.prepareMenu() && play->isVisible() && random->isVisible());
        play->trigger();
        random->trigger();
        QVERIFY(play->text() == "Play Puck Man (Japan set 1)" && launched == QStringList{"puckman"} &&
                randoms == 1);
        test.window->setBusy(true);
        const bool busyOpens = tray.prepareMenu();
        test.window->setBusy(false);
        QDialog dialog(test.window.get());
        dialog.show();
        QVERIFY(!busyOpens && !tray.prepareMenu());
    }

    void iconIsAddedOnlyWhenTrayIsOne() {
        for (const auto &[tray, added] : {std::pair{"1", true}, {"0", false}, {"-1", false}}) {
            ChromeWindow test({{&Settings::Tray, tray}});
            TrayIcon icon(*test.window);
            icon.addIfWanted();
            QVERIFY(icon.isAdded() == added &&
                    icon.icon().toolTip() == QStringLiteral("Quorvex " QX_VERSION));
            icon.remove();
            QVERIFY(!icon.isAdded());
        }
    }

    void leftClickAndShowRestoreTheWindowAsItWas() {
        ChromeWindow test;
        MainWindow &window = *test.window;
        window.setBusy(false);
        TrayIcon tray(window);
        window.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
        tray.onActivated(QSystemTrayIcon::Trigger);
        QVERIFY(!window.isMinimized() && window.isMaximized());
        window.setWindowState(Qt::WindowMinimized);
        window.hide();
        test.action("mnuTrayShow")->trigger();
        QVERIFY(window.isVisible() && !window.isMinimized() && !window.isMaximized());
    }

    // --- The menus, the toolbar and the status bar ---
    // Every menu's and the toolbar's entries, captions and accelerators, against the fixture that lists them.
    void everyMenuHasItsEntries() {
        QMainWindow window;
        auto *actions = new MainActions(&window);
        auto *toolbar = new QToolBar(&window);
        actions->buildMenuBar(window.menuBar());
        actions->buildToolBar(toolbar);
        QStringList sections = QString::fromUtf8(test::readFixture("window/menus.txt")).split("\n[");
        sections.removeFirst(); // the comment
        for (const QString &section : sections) {
            QStringList expected = section.split('\n', Qt::SkipEmptyParts);
            const QString name = expected.takeFirst().chopped(1);
            QMenu *menu = actions->menu(name);
            QStringList actual;
            for (const QAction *action : menu                 ? menu->actions()
                                         : name == "Toolbar1" ? toolbar->actions()
                                                              : window.menuBar()->actions()) {
                actual << (action->isSeparator() ? "-"
                                                 : action->text() + '|' + action->shortcut().toString());
            }
            QCOMPARE(name + ": " + actual.join(", "), name + ": " + expected.join(", "));
        }
        QVERIFY(!actions->find("mnuTrayFavNone")->isEnabled());
    }

    // A menu bar entry and its pop-up twin (the name without its menu, after "mnuPopup") are one action.
    void twinsShareOneCheckMark() {
        ChromeWindow test;
        const MainActions &actions = test.window->actions();
        for (const QString &bar :
             QStringLiteral(
                 "mnuViewToolbar mnuViewStatusBar mnuViewMenuBar mnuViewHistory mnuViewPicture "
                 "mnuViewFullScreen mnuListViewMode1 mnuListViewMode2 mnuListViewMode3 mnuCollapse "
                 "mnuViewFav mnuViewGameLists1 mnuViewGameLists2 mnuOptionsClones mnuFileRandom "
                 "mnuToolsVerify")
                 .split(' ')) {
            const QString popup =
                "mnuPopup" + QString(bar).remove(QRegularExpression("^mnu(View|Options|File|Tools)?"));
            QVERIFY2(actions.find(bar) && actions.find(bar) == actions.find(popup), qPrintable(popup));
        }
    }

    // The status bar during a long operation: its stage, then an unknown total (a busy bar, the count
    // done, and Cancel), then a known one, also beyond what an int holds; the panels return after it.
    void longOperationsShowTheirStageAndProgressThenThePanelsReturn() {
        StatusPanels status;
        status.show();
        status.setPanelText(2, "pacman");
        auto *single = status.findChild<QLabel *>("sbSingleText");
        auto *bar = status.findChild<QProgressBar *>("sbProgress");
        auto *cancel = status.findChild<QPushButton *>("sbCancel");
        status.showSingleText("Verifying sets, please wait...");
        QVERIFY(status.inSingleTextMode() && status.panel(2)->isHidden() && bar->isHidden() &&
                cancel->isHidden());
        status.showProgress(1234, 0, "1,234 sets checked");
        QCOMPARE(single->text() + '|' + status.findChild<QLabel *>("sbCount")->text(),
                 "Verifying sets, please wait...|1,234 sets checked");
        QVERIFY(bar->isVisible() && bar->maximum() == 0 && cancel->isVisible() && !status.cancelRequested());
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(status.cancelRequested() && !cancel->isEnabled());
        status.showSingleText("Parsing output, please wait...");
        status.showProgress(30000, 45000);
        QVERIFY(bar->maximum() == 45000 && bar->value() == 30000);
        status.showProgress(3'000'000'000LL, 6'000'000'000LL);
        QVERIFY(bar->maximum() > 0 && bar->value() * 2 == bar->maximum() - bar->maximum() % 2);
        status.restorePanels();
        QVERIFY(!status.inSingleTextMode() && single->isHidden() && bar->isHidden() && cancel->isHidden());
        QVERIFY(status.panel(2)->isVisible() && status.panelText(2) == "pacman");
        status.showSingleText("Extracting output, please wait..."); // Cancel not pressed any more
        QVERIFY(!status.cancelRequested() && cancel->isEnabled());
    }
};

QTEST_MAIN(InfoChromeTest)
#include "InfoChromeTest.moc"
