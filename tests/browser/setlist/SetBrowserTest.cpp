// The set browser driven as the user drives it in the loaded main window: search, view modes, filters,
// sorting, the column layout, favourites and the keys and clicks that select and play a set.
#include "browser/setlist/SetBrowser.h"

#include "TestWindow.h"
#include "browser/setlist/FavouritesController.h"
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetListView.h"
#include "browser/setlist/SetTreeModel.h"
#include "browser/window/StatusPanels.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QToolTip>
#include <QTreeView>

using namespace qx;
using namespace qx::test;

namespace {

// Name=Description=Parent=Manufacturer=Year=Status=State=Driver=Bios; dkong, galaga and cmart are not
// available.
const QByteArray kCache = "pacman=Pac-Man==Namco=1980=good=1=pacman.cpp=no\r\n"
                          "puckman=Puck Man=pacman=Namco=1980=good=1=pacman.cpp=no\r\n"
                          "dkong=Donkey Kong==Nintendo=1981=good=2=dkong.cpp=no\r\n"
                          "dkongjr=Donkey Kong Jr.=dkong=Nintendo=1982=good=1=dkong.cpp=no\r\n"
                          "galaga=Galaga==Namco=1981=good=2=galaga.cpp=no\r\n"
                          "twin1=Twin Set==Maker=1985=good=1=twin.cpp=no\r\n"
                          "twin2=Twin Set==Maker=1979=good=1=twin.cpp=no\r\n"
                          "cmart=Super Pa==Maker=1990=good=2=misc.cpp=no\r\n";

// The loaded window over the eight sets above, dkong selected, in the Details view.
struct Browser : TestWindow {
    SetBrowser *browser = nullptr;
    QLineEdit *text1 = nullptr, *text2 = nullptr;
    SetListView *list = nullptr;
    QTreeView *tree = nullptr;

    explicit Browser(const SettingValues &values = {}) : TestWindow(values) {
        writeFile(path + "qx.dat", kCache);
        set({{&Settings::LastSelected, "dkong"}});
        set(values);
        browser = &start().browser();
        text1 = find<QLineEdit>("Text1");
        text2 = find<QLineEdit>("Text2");
        list = find<SetListView>("lvListView");
        tree = find<QTreeView>("TreeView1");
    }
    SetListModel &model() const { return *browser->listModel(); }
    QString count() const { return window->statusPanels().panelText(1); }
    QString current() const { return window->state().CurrentSetName; }
    QString selected() const { return browser->selectedSet().name; }
    QStringList listNames() const {
        QStringList names;
        for (int row = 0; row < model().rowCount(); ++row) {
            names << model().record(row)->name().toString();
        }
        return names;
    }
    QAbstractItemView *details() const { return list->activeView(); }
    QPoint rowCentre(int row) const { return details()->visualRect(model().index(row, 0)).center(); }
    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton) const {
        QTest::mouseClick(details()->viewport(), button, {}, rowCentre(row));
    }
    QByteArray favourites() const { return readFile(path + "qx_fav.dat"); }
    QLabel *notice() const { return find("lvListViewDetails")->findChild<QLabel *>("EmptyViewNotice"); }
};

} // namespace

class SetBrowserTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A search runs across the fields whatever the filters; its first result is the current set; a double
    // click empties the box and the filters hold again.
    void searchingIgnoresTheFiltersAndClearingRestoresTheList() {
        Browser f;
        QTest::keyClicks(f.text1, "pac");
        QCOMPARE(f.listNames(), (QStringList{"pacman", "puckman", "cmart"})); // "Super Pa" + "cmart"
        QCOMPARE(f.count() + ' ' + f.current(), "3 sets pacman");
        QTest::mouseDClick(f.text1, Qt::LeftButton);
        QVERIFY(f.text1->text().isEmpty() && f.model().rowCount() == 8);
        f.action("tbrUnavailable")->trigger();
        f.text1->setText("DONKEY");
        QCOMPARE(f.listNames(), (QStringList{"dkong", "dkongjr"}));
        f.text1->setText(QString(10000, QLatin1Char('[')));
        QCOMPARE(f.count(), "0 sets");
        f.text1->setText("xyz"); // an empty view says why
        QCOMPARE(f.notice()->isVisible() ? f.notice()->text() : QString(), "No set matches \u201Cxyz\u201D");
        QVERIFY(!f.action("mnuFilePlay")->isVisible() && f.selected().isEmpty());
        f.text1->clear();
        QCOMPARE(f.model().rowCount(), 5);
    }

    // The tree's search is flat, clearing it regroups; focusing its box clears the shown set.
    void theTreeSearchIsFlatAndClearingRegroups() {
        Browser f;
        f.text1->setText("pac"); // another view's search is not carried over
        f.action("mnuListViewMode1")->trigger();
        const QAbstractItemModel *tree = f.browser->treeModel();
        QStringList seen{QString::number(tree->rowCount())};
        f.text2->setText("kong");
        seen << QString::number(tree->rowCount()) << f.count();
        f.text2->clear();
        seen << QString::number(tree->rowCount()) << f.selected(); // made current by the search
        QCOMPARE(seen, (QStringList{"6", "2", "2 sets", "6", "pacman"}));
        f.text2->setFocus();
        QVERIFY(f.selected().isEmpty());
        f.action("mnuListViewMode3")->trigger();
        QVERIFY(f.text1->text().isEmpty() && f.model().rowCount() == 8);
    }

    // Each mode shows its own controls and is written at once; the current set stays selected.
    void switchingViewModesWritesViewModeAtOnce() {
        Browser f;
        const QByteArray before = readFile(f.path + "qx.ini");
        f.action("mnuListViewMode3")->trigger(); // the checked mode chosen again stays checked
        QVERIFY(f.action("mnuListViewMode3")->isChecked());
        QCOMPARE(readFile(f.path + "qx.ini"), before);
        f.action("mnuListViewMode1")->trigger();
        QCOMPARE(f.settings().read(Settings::ViewMode) + f.selected(), "1dkong");
        QVERIFY(f.list->isHidden() && f.tree->isVisible() && f.text1->isHidden() && f.text2->isVisible());
        QVERIFY(f.action("mnuCollapse")->isEnabled() && !f.action("mnuListViewMode3")->isChecked());
        QCOMPARE(f.browser->treeModel()->layout().nodeCount(), 8);
        f.action("mnuListViewMode2")->trigger();
        QCOMPARE(f.settings().read(Settings::ViewMode) + f.selected(), "2dkong");
        QVERIFY(f.list->viewStyle() == ViewMode::List && !f.action("mnuCollapse")->isEnabled());
        QCOMPARE(f.model().rowCount(), 8);
    }

    // A node of two sets with one description stands for the first of them; collapsing keeps the current
    // set selected.
    void treeNodesAndCollapse() {
        Browser f({{&Settings::LastSelected, "puckman"}});
        f.action("mnuListViewMode1")->trigger();
        QCOMPARE(f.tree->currentIndex().data().toString(), "Puck Man");
        QVERIFY(f.tree->isExpanded(f.tree->currentIndex().parent()));
        f.action("mnuCollapse")->trigger();
        QCOMPARE(f.tree->currentIndex().data().toString(), "Puck Man");
        const int second = f.browser->treeModel()->layout().topLevel().at(4);
        QCOMPARE(f.browser->treeModel()->recordOfNode(second)->name().toString(), "twin2");
        const QModelIndex node = f.browser->treeModel()->indexOfNode(second);
        f.tree->scrollTo(node);
        QTest::mouseClick(f.tree->viewport(), Qt::LeftButton, {}, f.tree->visualRect(node).center());
        QCOMPARE(f.current(), "twin1");
    }

    // The toolbar buttons and the menu entries are one filter; the last shown kind cannot be hidden.
    void theOnlyPressedAvailabilityButtonStaysPressed() {
        Browser f;
        f.action("tbrUnavailable")->trigger();
        QVERIFY(!f.action("mnuViewGameLists2")->isChecked() && f.model().rowCount() == 5);
        QCOMPARE(f.action("tbrUnavailable")->toolTip(), "Show Unavailable");
        f.action("tbrAvailable")->trigger();
        f.action("mnuViewGameLists1")->trigger();
        QVERIFY(f.action("mnuViewGameLists1")->isChecked() && f.action("tbrAvailable")->isChecked());
        QVERIFY(f.model().rowCount() == 5);
        f.action("mnuViewGameLists2")->trigger();
        QVERIFY(f.action("tbrUnavailable")->isChecked());
        f.action("mnuViewGameLists1")->trigger();
        QVERIFY(!f.action("tbrAvailable")->isChecked());
        QCOMPARE(f.listNames() << f.selected(), (QStringList{"dkong", "galaga", "cmart", "dkong"}));
    }

    // A header click sorts by that column, a second one the other way; the selected set stays selected.
    void headerClicksSortByRememberedDirections() {
        Browser f;
        QHeaderView *header = f.list->header();
        QStringList firsts;
        for (const int column : {3, 3, 1, 3}) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
            firsts << f.model().record(0)->name().toString() + (header->sortIndicatorOrder() ? "-" : "+");
        }
        QCOMPARE(firsts, (QStringList{"twin2+", "cmart-", "cmart+", "cmart-"}));
        QCOMPARE(f.model().record(f.list->selectedRow())->name().toString(), "dkong");
    }

    // The stored order and widths are taken; Reset Column Order asks first; widths are saved only from the
    // Details style.
    void columnLayoutIsRestoredSavedAndReset() {
        Browser f(
            {{&Settings::ColumnPos, "1,0,2,3,4,6,5"}, {&Settings::ColumnWidths, "200,90,70,60,110,75,95"}});
        QHeaderView *header = f.list->header();
        QVERIFY(header->logicalIndex(0) == 1 && header->sectionSize(0) == 200);
        header->resizeSection(4, 150);
        QVERIFY(f.browser->saveSettings());
        f.prompts.queueAnswer(PromptAnswer::No);
        f.action("mnuToolsColumnOrder")->trigger();
        QCOMPARE(f.prompts.shown().last().text, "Reset column order?");
        QVERIFY(f.prompts.shown().last().defaultButton == PromptAnswer::No && header->logicalIndex(0) == 1);
        f.prompts.queueAnswer(PromptAnswer::Yes);
        f.action("mnuToolsColumnOrder")->trigger();
        QCOMPARE(header->logicalIndex(0), 0);
        f.action("mnuListViewMode2")->trigger();
        header->resizeSection(4, 10);
        QVERIFY(f.browser->saveSettings());
        QCOMPARE(f.settings().read(Settings::ColumnWidths) + ' ' + f.settings().read(Settings::ColumnPos),
                 "200,90,70,60,150,75,95 0,1,2,3,4,5,6");
    }

    // File ▸ Add To / Remove From Favourites follows the file; sortfav decides whether an addition is sorted
    // in or appended.
    void favouritesAreAddedAndRemovedFromTheMenus() {
        Browser f;
        QAction *entry = f.action("mnuFileAddFav");
        QStringList seen;
        for (int i = 0; i < 2; ++i) {
            f.browser->favourites().prepareFileMenu();
            seen << entry->text();
            entry->trigger();
            seen << f.favourites();
        }
        QCOMPARE(seen, (QStringList{"Add To &Favourites", "dkong\r\n", "Remove From &Favourites", ""}));
        QVERIFY(!QFile::exists(f.path + "qx_fav.dat"));
        f.text1->setText("nothing matches this");
        f.browser->favourites().prepareFileMenu();
        QVERIFY(!entry->isEnabled());

        writeFile(f.path + "qx_fav.dat", "pacman\r\nGalaga\r\n");
        f.window->state().CurrentSetName = "zaxxon";
        f.action("tbrAddFav")->trigger();
        f.settings().write(Settings::SortFav, "0");
        f.window->state().CurrentSetName = "amidar";
        f.action("mnuItemPopupAddFav")->trigger();
        QCOMPARE(f.favourites(), QByteArray("Galaga\r\npacman\r\nzaxxon\r\namidar\r\n"));
    }

    // Without favourites the view says how to add one; it shows the file's sets; removing one leaves the
    // rest, removing the last returns to the normal view.
    void theFavouritesView() {
        Browser f;
        const QString howToAdd = "No favourites to show. To add one, right-click a set and choose "
                                 "\u201CAdd To Favourites\u201D.";
        f.action("tbrFavourites")->trigger(); // none yet: the view is not entered
        QVERIFY(QToolTip::text() == howToAdd && !f.action("tbrFavourites")->isChecked());
        writeFile(f.path + "qx_fav.dat", "notaset\r\n");
        f.action("mnuViewFav")->trigger();
        QCOMPARE(f.notice()->isVisible() ? f.notice()->text() : QString(), howToAdd);
        f.action("mnuViewFav")->trigger();
        writeFile(f.path + "qx_fav.dat", "galaga\n\n\r\ndkong");
        f.action("mnuViewFav")->trigger();
        QCOMPARE(f.action("tbrFavourites")->isChecked() ? f.action("tbrFavourites")->toolTip() : "",
                 "Return to previous view");
        QCOMPARE(f.listNames(), (QStringList{"galaga", "dkong"}));
        f.clickRow(1);
        f.action("mnuItemPopupRemFav")->trigger();
        QCOMPARE(f.listNames(), QStringList{"galaga"});
        QCOMPARE(f.count() + ' ' + f.favourites(), "1 sets galaga\r\n");
        f.clickRow(0);
        f.browser->prepareItemPopup();
        QVERIFY(!f.action("mnuItemPopupAddFav")->isVisible() && f.action("mnuItemPopupRemFav")->isVisible());
        f.action("mnuItemPopupRemFav")->trigger();
        QVERIFY(!QFile::exists(f.path + "qx_fav.dat"));
        QVERIFY(!f.action("tbrFavourites")->isChecked() && !f.action("mnuViewFav")->isChecked());
        QCOMPARE(f.count() + ' ' + f.selected(), "8 sets galaga");
    }

    void hidingClonesReloadsTheCatalogue() {
        Browser f;
        f.text1->setText("kong");
        f.action("mnuOptionsClones")->trigger();
        QVERIFY(f.text1->text().isEmpty());
        QVERIFY(f.window->catalogue().size() == 6 && f.model().rowCount() == 6);
        QCOMPARE(f.selected(), "dkong");
        f.action("mnuOptionsClones")->trigger();
        QCOMPARE(f.model().rowCount(), 8);
    }

    // Enter and a double click play the selected set, Enter in the tree the current one; nothing plays or
    // verifies while the window is busy.
    void enterAndDoubleClickPlayTheSetButNotWhileBusy() {
        Browser f;
        QTest::keyClick(f.details(), Qt::Key_Return);
        QTRY_COMPARE(f.launches().size(), 1);
        QTRY_VERIFY(!f.window->isBusy());
        f.clickRow(0);
        QTest::mouseDClick(f.details()->viewport(), Qt::LeftButton, {}, f.rowCentre(0));
        QTRY_COMPARE(f.launches().size(), 2);
        QTRY_VERIFY(!f.window->isBusy());
        f.action("mnuListViewMode1")->trigger();
        f.window->state().CurrentSetName = "galaga";
        QTest::keyClick(f.tree, Qt::Key_Enter);
        QTRY_COMPARE(f.launches(), (QStringList{"dkong", "pacman", "galaga"}));
        QTRY_VERIFY(!f.window->isBusy());
        const qsizetype calls = f.calls().size();
        f.window->setBusy(true);
        QTest::keyClick(f.tree, Qt::Key_Enter);
        f.action("tbrVerify")->trigger();
        QTest::qWait(50);
        QCOMPARE(f.calls().size(), calls);
        f.window->setBusy(false);
    }

    // A click in empty space keeps the selection and opens the general pop-up; one on a set its own; the
    // arrow keys make a set current.
    void clicksOutsideAndOnASet() {
        Browser f;
        QAbstractItemView *view = f.details();
        const QPoint empty(10, view->viewport()->height() - 5);
        QVERIFY(!view->indexAt(empty).isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, empty);
        QCOMPARE(f.model().record(f.list->selectedRow())->name().toString(), "dkong");
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, empty);
        QVERIFY(f.window->actions().generalPopup()->isVisible());
        f.window->actions().generalPopup()->hide();
        f.clickRow(0, Qt::RightButton);
        QVERIFY(f.window->actions().itemPopup()->isVisible());
        QCOMPARE(f.action("mnuItemPopupPlay")->text(), "Play pacman");
        QVERIFY(f.action("mnuItemPopupAddFav")->isVisible() && !f.action("mnuItemPopupRemFav")->isVisible());
        f.window->actions().itemPopup()->hide();
        QTest::keyClick(f.details(), Qt::Key_Down);
        QCOMPARE(f.action("mnuFilePlay")->text() + '|' + f.action("tbrVerify")->toolTip(),
                 "&Play puckman|Verify puckman");
    }

    void toolTipsFollowThePreference() {
        Browser f;
        QStringList tips;
        for (const char *name : {"tbrFavourites", "tbrAvailable", "tbrPaths", "tbrOptions", "tbrVerify"}) {
            tips << f.action(name)->toolTip();
        }
        tips << f.text1->toolTip() << f.find("Label1")->toolTip();
        QCOMPARE(tips, (QStringList{"Show Favourites", "Hide Available", "Paths / Directories",
                                    "Default MAME Options", "Verify dkong",
                                    "Type the description, name or parent. Double click to clear text",
                                    "Double click anywhere in the picture panel to toggle the scrollbar"}));
        f.window->state().ShowToolTips = false;
        f.browser->RefreshToolTips();
        QVERIFY(f.text1->toolTip().isEmpty() && f.find("Label1")->toolTip().isEmpty());
    }

    // The Details view moves like a list, not like a spreadsheet: Left and Right scroll the columns and leave
    // the set selected; typing finds a set by its description, even after a click in another column.
    void theDetailsViewMovesLikeAList() {
        Browser f;
        QAbstractItemView *view = f.details();
        for (int column = 0; column < 7; ++column) {
            f.list->header()->resizeSection(column, 400);
        }
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(f.current(), "cmart");
        QTest::keyClick(view, Qt::Key_Home);
        QTest::keyClick(view, Qt::Key_Right);
        QVERIFY(view->horizontalScrollBar()->value() > 0 && view->currentIndex().column() == 0);
        QTest::keyClick(view, Qt::Key_Left);
        QVERIFY(view->horizontalScrollBar()->value() == 0 && view->currentIndex().column() == 0);
        QCOMPARE(f.current(), "pacman");
        view->setCurrentIndex(f.model().index(3, 4));
        QTest::keyClicks(view, "Galaga");
        QVERIFY(f.current() == "galaga" && view->currentIndex().column() == 0);
    }

    // Random picks choose only available sets, and say so once when there is none.
    void randomPicksChooseOnlyAvailableSets() {
        Browser f;
        const SetCatalogue &catalogue = f.window->catalogue();
        for (int i = 0; i < 10; ++i) {
            QVERIFY(f.browser->PickRandomListSet());
            QVERIFY(catalogue.at(catalogue.indexOfName(f.current())).isAvailable());
        }
        f.action("tbrAvailable")->trigger();
        QVERIFY(!f.browser->PickRandomListSet());
        QCOMPARE(f.prompts.shownTexts(), QStringList{"No available sets found."});
        f.text1->setText("no such set");
        QVERIFY(!f.browser->PickRandomListSet());
        QCOMPARE(f.prompts.shown().size(), 1);
        f.text1->clear();
        f.action("mnuListViewMode1")->trigger();
        QVERIFY(!f.browser->PickRandomTreeSet());
        f.action("tbrAvailable")->trigger();
        QVERIFY(f.browser->PickRandomTreeSet());
    }
};

QTEST_MAIN(SetBrowserTest)
#include "SetBrowserTest.moc"
