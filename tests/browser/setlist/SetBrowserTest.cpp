// The set browser driven as the user drives it: actions and controls found by name, real widgets under the
// offscreen platform, real settings and favourites files in a temporary program directory.
#include "browser/setlist/SetBrowser.h"

#include "ScriptedUserPrompts.h"
#include "TestDirs.h"
#include "app/FrontendSettings.h"
#include "app/ProgramState.h"
#include "browser/setlist/FavouritesController.h"
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetListView.h"
#include "browser/setlist/SetTreeModel.h"
#include "browser/window/MainActions.h"
#include "catalogue/SetListCache.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>
#include <memory>

using namespace qx;

namespace {

// Name=Description=Parent=Manufacturer=Year=Status=State=Driver=Bios
const QByteArray kCache = "pacman=Pac-Man==Namco=1980=good=1=pacman.cpp=no\r\n"
                          "puckman=Puck Man=pacman=Namco=1980=good=1=pacman.cpp=no\r\n"
                          "dkong=Donkey Kong==Nintendo=1981=good=2=dkong.cpp=no\r\n"
                          "dkongjr=Donkey Kong Jr.=dkong=Nintendo=1982=good=1=dkong.cpp=no\r\n"
                          "galaga=Galaga==Namco=1981=good=2=galaga.cpp=no\r\n"
                          "twin1=Twin Set==Maker=1985=good=1=twin.cpp=no\r\n"
                          "twin2=Twin Set==Maker=1979=good=1=twin.cpp=no\r\n"
                          "cmart=Super Pa==Maker=1990=good=2=misc.cpp=no\r\n";

// A main window's worth of browser controls, with the main window's actions.
class BrowserFixture {
public:
    BrowserFixture() : settings(dir.filePath(QStringLiteral("qx.ini"))) {
        state.programDir = dir.path() + QLatin1Char('/');
        FrontendSettings::WriteDefaultSettings(settings.path());
        test::writeFile(state.cachePath(), kCache);
        window.resize(800, 600);
        auto *layout = new QVBoxLayout(&window);
        widgets.text1 = new QLineEdit(&window);
        widgets.text1->setObjectName(QStringLiteral("Text1"));
        widgets.text2 = new QLineEdit(&window);
        widgets.text2->setObjectName(QStringLiteral("Text2"));
        widgets.list = new SetListView(&window);
        widgets.tree = new QTreeView(&window);
        widgets.tree->setObjectName(QStringLiteral("TreeView1"));
        for (QWidget *widget :
             std::initializer_list<QWidget *>{widgets.text1, widgets.text2, widgets.list, widgets.tree}) {
            layout->addWidget(widget);
        }
        actions.buildMenuBar(new QMenuBar(&window));
        action("mnuOptionsClones")->setChecked(true);
        widgets.itemPopup = actions.itemPopup();
        widgets.generalPopup = actions.generalPopup();
        widgets.pictureCaption = new QLabel(&window);
        state.CurrentSetName = QStringLiteral("dkong");
        state.ShowToolTips = true;
    }

    void start() {
        reload();
        BrowserHooks hooks;
        hooks.launchSet = [this](const QString &name) {
            launched << name;
        };
        hooks.showSetInfo = [this](const QString &name, const QString &) {
            infoShown << name;
        };
        hooks.clearSetInfo = [this] {
            ++infoCleared;
        };
        hooks.isBusy = [this] {
            return busy;
        };
        hooks.reloadCatalogue = [this] {
            reload();
        };
        hooks.verifySet = [this] {
            ++verified;
        };
        browser = std::make_unique<SetBrowser>(widgets, actions.browserActions(), hooks, catalogue, state,
                                               settings, prompts);
        QObject::connect(browser.get(), &SetBrowser::shownCountChanged, &window,
                         [this](int count) { countShown = count; });
        browser->restoreSettings();
        browser->fillShownView();
        browser->reselectAndShow();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    QAction *action(const char *name) const {
        QAction *found = actions.find(QLatin1String(name));
        if (!found) {
            qFatal("no action %s", name);
        }
        return found;
    }
    // What the status bar's panel shows: the count, then the selected set's fields.
    QString panel(int number) const {
        const SelectedSet &set = browser->selectedSet();
        const QString fields[] = {QString::number(countShown) + QStringLiteral(" sets"),
                                  set.name,
                                  set.parent,
                                  set.year,
                                  set.manufacturer,
                                  set.status,
                                  set.driver};
        return fields[number - 1];
    }
    SetListModel *listModel() const { return browser->listModel(); }
    SetTreeModel *treeModel() const { return browser->treeModel(); }
    QStringList listNames() const {
        QStringList names;
        for (int row = 0; row < listModel()->rowCount(); ++row) {
            names << listModel()->record(row)->name().toString();
        }
        return names;
    }
    QString favouritesPath() const { return state.favouritesPath(); }
    QAbstractItemView *details() const { return widgets.list->activeView(); }

    void clickListRow(int row, Qt::MouseButton button = Qt::LeftButton) {
        QAbstractItemView *view = widgets.list->activeView();
        const QRect rect = view->visualRect(listModel()->index(row, 0));
        QTest::mouseClick(view->viewport(), button, {}, rect.center());
    }
    void clickTreeNode(const QModelIndex &index) {
        widgets.tree->scrollTo(index);
        QTest::mouseClick(widgets.tree->viewport(), Qt::LeftButton, {},
                          widgets.tree->visualRect(index).center());
    }

    QTemporaryDir dir;
    ProgramState state;
    FrontendSettings settings;
    test::ScriptedUserPrompts prompts;
    SetCatalogue catalogue;
    QWidget window;
    MainActions actions{&window};
    BrowserWidgets widgets;
    std::unique_ptr<SetBrowser> browser;
    QStringList launched;
    QStringList infoShown;
    int infoCleared = 0;
    int countShown = -1;
    int verified = 0;
    bool busy = false;

private:
    void reload() { catalogue = LoadSetList(state.cachePath(), action("mnuOptionsClones")->isChecked()); }
};

} // namespace

class SetBrowserTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsInTheStoredViewWithTheCurrentSetSelected() {
        BrowserFixture f;
        f.start();
        QCOMPARE(f.browser->viewMode(), ViewMode::Details);
        QVERIFY(f.action("mnuListViewMode3")->isChecked());
        QVERIFY(f.action("tbrAvailable")->isChecked() && f.action("tbrUnavailable")->isChecked());
        QVERIFY(f.action("mnuViewGameLists1")->isChecked() && f.action("mnuViewGameLists2")->isChecked());
        QVERIFY(f.widgets.text2->isHidden());
        QCOMPARE(f.listModel()->rowCount(), 8);
        QCOMPARE(f.panel(1), QStringLiteral("8 sets"));
        QCOMPARE(f.panel(2), QStringLiteral("dkong"));
        QCOMPARE(f.panel(4), QStringLiteral("1981"));
        QCOMPARE(f.panel(7), QStringLiteral("dkong.cpp"));
        QCOMPARE(f.action("mnuFilePlay")->text(), QStringLiteral("&Play dkong"));
        QVERIFY(f.action("mnuFilePlay")->isVisible());
        QCOMPARE(f.infoShown.last(), QStringLiteral("dkong"));
        f.clickListRow(4);
        QCOMPARE(f.state.CurrentSetName, QStringLiteral("galaga"));
        QCOMPARE(f.panel(2), QStringLiteral("galaga"));
        QCOMPARE(f.action("mnuFilePlay")->text(), QStringLiteral("&Play galaga"));
        QCOMPARE(f.action("tbrVerify")->toolTip(), QStringLiteral("Verify galaga"));
        QTest::keyClick(f.details(), Qt::Key_Down);
        QCOMPARE(f.state.CurrentSetName, QStringLiteral("twin1"));
    }

    void searchingFindsMatchesAcrossFieldsAndClearingRestoresTheList() {
        BrowserFixture f;
        f.start();
        QTest::keyClicks(f.widgets.text1, QStringLiteral("pac"));
        // "Super Pa" + "cmart": the match runs across Description and Name.
        QCOMPARE(f.listNames(), (QStringList{"pacman", "puckman", "cmart"}));
        QCOMPARE(f.panel(1), QStringLiteral("3 sets"));
        QCOMPARE(f.panel(2), QStringLiteral("pacman"));
        QCOMPARE(f.state.CurrentSetName, QStringLiteral("pacman")); // the result shown is the current set
        QTest::mouseDClick(f.widgets.text1, Qt::LeftButton);
        QVERIFY(f.widgets.text1->text().isEmpty());
        QCOMPARE(f.listModel()->rowCount(), 8);
        QCOMPARE(f.panel(2), QStringLiteral("pacman"));
    }

    void searchingIgnoresTheFiltersAndTakesHugeTexts() {
        BrowserFixture f;
        f.start();
        f.action("tbrUnavailable")->trigger();
        QCOMPARE(f.listModel()->rowCount(), 5);
        f.widgets.text1->setText(QStringLiteral("DONKEY"));
        QCOMPARE(f.listNames(), (QStringList{"dkong", "dkongjr"}));
        f.widgets.text1->setText(QString(10000, QLatin1Char('[')));
        QCOMPARE(f.listModel()->rowCount(), 0);
        QCOMPARE(f.panel(1), QStringLiteral("0 sets"));
        QVERIFY(!f.action("mnuFilePlay")->isVisible());
        QVERIFY(f.panel(2).isEmpty());
        f.widgets.text1->clear();
        QCOMPARE(f.listModel()->rowCount(), 5); // the filter still holds after the search
    }

    void theTreeSearchIsFlatAndClearingRegroups() {
        BrowserFixture f;
        f.start();
        f.action("mnuListViewMode1")->trigger();
        QCOMPARE(f.treeModel()->rowCount(), 6);
        f.widgets.text2->setText(QStringLiteral("kong"));
        QCOMPARE(f.treeModel()->rowCount(), 2);
        QCOMPARE(f.panel(1), QStringLiteral("2 sets"));
        f.widgets.text2->clear();
        QCOMPARE(f.treeModel()->rowCount(), 6);
        QCOMPARE(f.panel(2), QStringLiteral("dkong"));
        const int cleared = f.infoCleared;
        f.widgets.text2->setFocus();
        QCOMPARE(f.infoCleared, cleared + 1);
        QVERIFY(f.panel(2).isEmpty());
    }

    void switchingViewModesWritesViewModeAtOnce() {
        BrowserFixture f;
        f.start();
        const QByteArray before = test::readFile(f.settings.path());
        f.action("mnuListViewMode3")->trigger();
        QCOMPARE(test::readFile(f.settings.path()), before);
        QVERIFY(f.action("mnuListViewMode3")->isChecked());
        QCOMPARE(f.browser->viewMode(), ViewMode::Details);
        f.action("mnuListViewMode1")->trigger();
        QCOMPARE(f.settings.read(Settings::ViewMode), QStringLiteral("1"));
        QVERIFY(f.browser->isGrouped());
        QVERIFY(f.widgets.list->isHidden() && !f.widgets.tree->isHidden());
        QVERIFY(f.widgets.text1->isHidden() && !f.widgets.text2->isHidden());
        QVERIFY(f.action("mnuCollapse")->isEnabled());
        QVERIFY(!f.action("mnuListViewMode3")->isChecked());
        QCOMPARE(f.treeModel()->layout().nodeCount(), 8);
        QCOMPARE(f.panel(2), QStringLiteral("dkong"));
        f.action("mnuListViewMode2")->trigger();
        QCOMPARE(f.settings.read(Settings::ViewMode), QStringLiteral("2"));
        QCOMPARE(f.widgets.list->viewStyle(), ViewMode::List);
        QVERIFY(!f.action("mnuCollapse")->isEnabled());
        QCOMPARE(f.listModel()->rowCount(), 8);
        QCOMPARE(f.panel(2), QStringLiteral("dkong"));
        QCOMPARE(f.treeModel()->rowCount(), 0);
    }

    void aNodeMapsToTheFirstSetWithItsDescription() {
        BrowserFixture f;
        f.start();
        f.action("mnuListViewMode1")->trigger();
        const int second = f.treeModel()->layout().topLevel().at(4);
        QCOMPARE(f.treeModel()->recordOfNode(second)->name().toString(), QStringLiteral("twin2"));
        f.clickTreeNode(f.treeModel()->indexOfNode(second));
        QCOMPARE(f.state.CurrentSetName, QStringLiteral("twin1"));
        QCOMPARE(f.panel(4), QStringLiteral("1985"));
    }

    void theAvailableOnlyTreeShowsAnOrphanedCloneAtTheTop() {
        BrowserFixture f;
        f.start();
        f.action("mnuListViewMode1")->trigger();
        f.action("mnuViewGameLists2")->trigger();
        QVERIFY(!f.browser->showUnavailable());
        QVERIFY(!f.action("tbrUnavailable")->isChecked());
        QStringList topLevel;
        for (int row = 0; row < f.treeModel()->rowCount(); ++row) {
            topLevel << f.treeModel()->index(row, 0).data().toString();
        }
        QVERIFY(topLevel.contains(QStringLiteral("Donkey Kong Jr.")));
        QVERIFY(!topLevel.contains(QStringLiteral("Donkey Kong")));
    }

    void theOnlyPressedAvailabilityButtonStaysPressed() {
        BrowserFixture f;
        f.start();
        f.action("tbrUnavailable")->trigger();
        QVERIFY(!f.browser->showUnavailable());
        QVERIFY(!f.action("mnuViewGameLists2")->isChecked());
        QCOMPARE(f.listModel()->rowCount(), 5);
        QCOMPARE(f.action("tbrUnavailable")->toolTip(), QStringLiteral("Show Unavailable"));
        f.action("tbrAvailable")->trigger();
        QVERIFY(f.action("tbrAvailable")->isChecked());
        QVERIFY(f.browser->showAvailable());
        QCOMPARE(f.listModel()->rowCount(), 5);
        f.action("mnuViewGameLists1")->trigger();
        QVERIFY(f.action("mnuViewGameLists1")->isChecked());
        QVERIFY(f.browser->showAvailable());
        f.action("mnuViewGameLists2")->trigger();
        QVERIFY(f.action("tbrUnavailable")->isChecked());
        QCOMPARE(f.listModel()->rowCount(), 8);
        f.action("mnuViewGameLists1")->trigger();
        QVERIFY(!f.action("tbrAvailable")->isChecked());
        QCOMPARE(f.listNames(), (QStringList{"dkong", "galaga", "cmart"}));
        QCOMPARE(f.panel(2), QStringLiteral("dkong"));
    }

    void headerClicksSortByRememberedDirections() {
        BrowserFixture f;
        f.start();
        QHeaderView *header = f.widgets.list->header();
        const auto clickHeader = [header](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        };
        const auto years = [&f] {
            QStringList texts;
            for (int row = 0; row < f.listModel()->rowCount(); ++row) {
                texts << f.listModel()->record(row)->year().toString();
            }
            return texts;
        };
        clickHeader(3);
        QCOMPARE(years(), (QStringList{"1979", "1980", "1980", "1981", "1981", "1982", "1985", "1990"}));
        QCOMPARE(header->sortIndicatorSection(), 3);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        clickHeader(3);
        QCOMPARE(years().first(), QStringLiteral("1990"));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        clickHeader(1);
        QCOMPARE(f.listModel()->record(0)->name().toString(), QStringLiteral("cmart"));
        QCOMPARE(header->sortIndicatorSection(), 1);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        clickHeader(3);
        QCOMPARE(years().first(), QStringLiteral("1990"));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        // The selected set stays selected through the sorts.
        QCOMPARE(f.listModel()->record(f.widgets.list->selectedRow())->name().toString(),
                 QStringLiteral("dkong"));
    }

    void columnLayoutIsRestoredSavedAndReset() {
        BrowserFixture f;
        f.settings.set(Settings::ColumnPos, QStringLiteral("1,0,2,3,4,6,5"));
        f.settings.set(Settings::ColumnWidths, QStringLiteral("200,90,70,60,110,75,95"));
        f.start();
        QHeaderView *header = f.widgets.list->header();
        QCOMPARE(header->logicalIndex(0), 1);
        QCOMPARE(header->sectionSize(0), 200);
        header->resizeSection(4, 150);
        f.prompts.queueAnswer(PromptAnswer::No);
        f.action("mnuToolsColumnOrder")->trigger();
        QCOMPARE(f.prompts.shown().last().text, QStringLiteral("Reset column order?"));
        QCOMPARE(f.prompts.shown().last().title, QStringLiteral("Quorvex"));
        QCOMPARE(f.prompts.shown().last().defaultButton, PromptAnswer::No);
        QCOMPARE(header->logicalIndex(0), 1);
        f.browser->saveSettings();
        QCOMPARE(f.settings.read(Settings::ColumnPos), QStringLiteral("1,0,2,3,4,6,5"));
        QCOMPARE(f.settings.read(Settings::ColumnWidths), QStringLiteral("200,90,70,60,150,75,95"));
        f.prompts.queueAnswer(PromptAnswer::Yes);
        f.action("mnuToolsColumnOrder")->trigger();
        QCOMPARE(header->logicalIndex(0), 0);
        // Widths are kept only from the Details style.
        f.action("mnuListViewMode2")->trigger();
        header->resizeSection(4, 10);
        f.browser->saveSettings();
        QCOMPARE(f.settings.read(Settings::ColumnWidths), QStringLiteral("200,90,70,60,150,75,95"));
        QCOMPARE(f.settings.read(Settings::ColumnPos), QStringLiteral("0,1,2,3,4,5,6"));
        QCOMPARE(f.settings.read(Settings::LastSelected), QStringLiteral("dkong"));
    }

    void theFileMenuEntryFollowsTheFavouritesFile() {
        BrowserFixture f;
        f.start();
        QAction *entry = f.action("mnuFileAddFav");
        f.browser->favourites().prepareFileMenu();
        QCOMPARE(entry->text(), QStringLiteral("Add To &Favourites"));
        entry->trigger();
        QCOMPARE(test::readFile(f.favouritesPath()), QByteArray("dkong\r\n"));
        f.browser->favourites().prepareFileMenu();
        QCOMPARE(entry->text(), QStringLiteral("Remove From &Favourites"));
        f.action("tbrAddFav")->trigger(); // already a favourite
        QCOMPARE(test::readFile(f.favouritesPath()), QByteArray("dkong\r\n"));
        entry->trigger();
        QVERIFY(!QFile::exists(f.favouritesPath()));
        f.widgets.text1->setText(QStringLiteral("nothing matches this"));
        f.browser->favourites().prepareFileMenu();
        QVERIFY(!entry->isEnabled());
    }

    void addingFavouritesKeepsThemSortedWhenAsked() {
        BrowserFixture f;
        f.start();
        test::writeFile(f.favouritesPath(), "pacman\r\nGalaga\r\n");
        f.state.CurrentSetName = QStringLiteral("zaxxon");
        f.action("tbrAddFav")->trigger();
        QCOMPARE(test::readFile(f.favouritesPath()), QByteArray("Galaga\r\npacman\r\nzaxxon\r\n"));
        f.settings.write(Settings::SortFav, QStringLiteral("0"));
        f.state.CurrentSetName = QStringLiteral("amidar");
        f.action("mnuItemPopupAddFav")->trigger();
        QCOMPARE(test::readFile(f.favouritesPath()), QByteArray("Galaga\r\npacman\r\nzaxxon\r\namidar\r\n"));
    }

    void theFavouritesViewShowsTheFileAndSkipsUnknownNames() {
        BrowserFixture f;
        f.start();
        f.action("tbrFavourites")->trigger();
        QVERIFY(!f.action("tbrFavourites")->isChecked()); // no file: the view cannot be entered
        QCOMPARE(f.listModel()->rowCount(), 8);
        test::writeFile(f.favouritesPath(), "galaga\n\nnotaset\r\n\r\npuckman");
        f.action("mnuViewFav")->trigger();
        QVERIFY(f.action("tbrFavourites")->isChecked());
        QCOMPARE(f.action("tbrFavourites")->toolTip(), QStringLiteral("Return to previous view"));
        QCOMPARE(f.listNames(), (QStringList{"galaga", "puckman"}));
        QCOMPARE(f.panel(1), QStringLiteral("2 sets"));
        f.action("tbrFavourites")->trigger();
        QVERIFY(!f.action("mnuViewFav")->isChecked());
        QCOMPARE(f.listModel()->rowCount(), 8);
    }

    // Removing one of several favourites in the favourites view leaves the rest; removing the last returns
    // to the normal view.
    void removingFavouritesInTheFavouritesView() {
        BrowserFixture f;
        f.start();
        test::writeFile(f.favouritesPath(), "galaga\r\ndkong\r\n");
        f.action("mnuViewFav")->trigger();
        f.clickListRow(1);
        f.action("mnuItemPopupRemFav")->trigger();
        QCOMPARE(f.listNames(), QStringList{"galaga"});
        QCOMPARE(f.panel(1), QStringLiteral("1 sets"));
        QVERIFY(f.action("mnuViewFav")->isChecked());
        QCOMPARE(test::readFile(f.favouritesPath()), QByteArray("galaga\r\n"));
        f.clickListRow(0);
        QCOMPARE(f.state.CurrentSetName, QStringLiteral("galaga"));
        f.browser->prepareItemPopup();
        QVERIFY(!f.action("mnuItemPopupAddFav")->isVisible() && f.action("mnuItemPopupRemFav")->isVisible());
        f.action("mnuItemPopupRemFav")->trigger();
        QVERIFY(!QFile::exists(f.favouritesPath()));
        QVERIFY(!f.action("tbrFavourites")->isChecked() && !f.action("mnuViewFav")->isChecked());
        QCOMPARE(f.listModel()->rowCount(), 8);
        QCOMPARE(f.panel(2), QStringLiteral("galaga"));
    }

    void hidingClonesReloadsTheCatalogue() {
        BrowserFixture f;
        f.start();
        f.widgets.text1->setText(QStringLiteral("kong"));
        f.action("mnuOptionsClones")->trigger();
        QVERIFY(f.widgets.text1->text().isEmpty());
        QCOMPARE(f.catalogue.size(), qsizetype(6));
        QCOMPARE(f.listModel()->rowCount(), 6);
        QVERIFY(!f.listNames().contains(QStringLiteral("puckman")));
        QCOMPARE(f.panel(2), QStringLiteral("dkong"));
        f.action("mnuOptionsClones")->trigger();
        QCOMPARE(f.listModel()->rowCount(), 8);
    }

    void enterAndDoubleClickPlayTheSet() {
        BrowserFixture f;
        f.start();
        f.details()->setFocus();
        QTest::keyClick(f.details(), Qt::Key_Return);
        QCOMPARE(f.launched, QStringList{"dkong"});
        f.clickListRow(0);
        QTest::mouseDClick(f.details()->viewport(), Qt::LeftButton, {},
                           f.details()->visualRect(f.listModel()->index(0, 0)).center());
        QCOMPARE(f.launched.last(), QStringLiteral("pacman"));
        f.action("mnuListViewMode1")->trigger();
        f.state.CurrentSetName = QStringLiteral("galaga");
        QTest::keyClick(f.widgets.tree, Qt::Key_Enter);
        QCOMPARE(f.launched.last(), QStringLiteral("galaga"));
        f.busy = true;
        QTest::keyClick(f.widgets.tree, Qt::Key_Enter);
        QCOMPARE(f.launched.size(), 3);
    }

    void clickingEmptySpaceKeepsTheSelection() {
        BrowserFixture f;
        f.start();
        QAbstractItemView *view = f.details();
        const QPoint empty(10, view->viewport()->height() - 5);
        QVERIFY(!view->indexAt(empty).isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, empty);
        QCOMPARE(f.listModel()->record(f.widgets.list->selectedRow())->name().toString(),
                 QStringLiteral("dkong"));
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, empty);
        QVERIFY(f.widgets.generalPopup->isVisible());
        f.widgets.generalPopup->hide();
        f.clickListRow(0, Qt::RightButton);
        QVERIFY(f.widgets.itemPopup->isVisible());
        QCOMPARE(f.action("mnuItemPopupPlay")->text(), QStringLiteral("Play pacman"));
        QVERIFY(f.action("mnuItemPopupAddFav")->isVisible());
        QVERIFY(!f.action("mnuItemPopupRemFav")->isVisible());
        f.widgets.itemPopup->hide();
        f.action("mnuItemPopupPlay")->trigger();
        QCOMPARE(f.launched, QStringList{"pacman"});
    }

    void toolTipsFollowThePreference() {
        BrowserFixture f;
        f.start();
        QCOMPARE(f.action("tbrFavourites")->toolTip(), QStringLiteral("Show Favourites"));
        QCOMPARE(f.action("tbrAvailable")->toolTip(), QStringLiteral("Hide Available"));
        QCOMPARE(f.action("tbrPaths")->toolTip(), QStringLiteral("Paths / Directories"));
        QCOMPARE(f.action("tbrOptions")->toolTip(), QStringLiteral("Default MAME Options"));
        QCOMPARE(f.action("tbrVerify")->toolTip(), QStringLiteral("Verify dkong"));
        QCOMPARE(f.widgets.text1->toolTip(),
                 QStringLiteral("Type the description, name or parent. Double click to clear text"));
        QCOMPARE(f.widgets.pictureCaption->toolTip(),
                 QStringLiteral("Double click anywhere in the picture panel to toggle the scrollbar"));
        f.state.ShowToolTips = false;
        f.browser->RefreshToolTips();
        QVERIFY(f.widgets.text1->toolTip().isEmpty());
        QVERIFY(f.widgets.pictureCaption->toolTip().isEmpty());
    }

    void randomPicksChooseOnlyAvailableSets() {
        BrowserFixture f;
        f.start();
        for (int i = 0; i < 20; ++i) {
            QVERIFY(f.browser->PickRandomListSet());
            QVERIFY(f.catalogue.at(f.catalogue.indexOfName(f.state.CurrentSetName)).isAvailable());
        }
        f.action("tbrAvailable")->trigger();
        QVERIFY(!f.browser->PickRandomListSet());
        QCOMPARE(f.prompts.shownTexts(), QStringList{"No available sets found."});
        QCOMPARE(f.prompts.shown().last().title, QStringLiteral("Quorvex"));
        f.widgets.text1->setText(QStringLiteral("no such set"));
        QVERIFY(!f.browser->PickRandomListSet());
        QCOMPARE(f.prompts.shown().size(), 1);
        f.widgets.text1->clear();
        f.action("mnuListViewMode1")->trigger();
        QVERIFY(!f.browser->PickRandomTreeSet());
        f.action("tbrAvailable")->trigger();
        QVERIFY(f.browser->PickRandomTreeSet());
    }

    void collapsingKeepsTheCurrentSetSelected() {
        BrowserFixture f;
        f.state.CurrentSetName = QStringLiteral("puckman");
        f.start();
        f.action("mnuListViewMode1")->trigger();
        const QModelIndex selected = f.widgets.tree->currentIndex();
        QCOMPARE(selected.data().toString(), QStringLiteral("Puck Man"));
        QVERIFY(f.widgets.tree->isExpanded(selected.parent()));
        f.action("mnuCollapse")->trigger();
        QCOMPARE(f.widgets.tree->currentIndex().data().toString(), QStringLiteral("Puck Man"));
    }

    void hoveringFocusesTheViewOnlyWhenThePreferenceIsOn() {
        BrowserFixture f;
        f.start();
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QWidget *viewport = f.details()->viewport();
        f.widgets.text1->setFocus();
        QTest::mouseMove(viewport, QPoint(20, 20));
        QVERIFY(f.widgets.text1->hasFocus());
        f.browser->setMouseFocus(true);
        QTest::mouseMove(viewport, QPoint(30, 30));
        QVERIFY(f.details()->hasFocus());
    }

    void verifyAsksOnlyWhenSomethingIsShown() {
        BrowserFixture f;
        f.start();
        f.action("tbrVerify")->trigger();
        QCOMPARE(f.verified, 1);
        f.busy = true;
        f.action("tbrVerify")->trigger();
        QCOMPARE(f.verified, 1);
    }
};

QTEST_MAIN(SetBrowserTest)
#include "SetBrowserTest.moc"
