#pragma once

#include "browser/setlist/BrowserActions.h"
#include "browser/setlist/BrowserView.h"
#include "browser/setlist/HeaderSortState.h"
#include "browser/setlist/SetRows.h"
#include "browser/setlist/SetSearch.h"
#include "browser/setlist/ViewMode.h"
#include "catalogue/SelectedSet.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class QLineEdit;
class QMenu;
class QModelIndex;
class QTreeView;
class QWidget;

namespace qx {

class EmptyViewNotice;
class FavouritesController;
class FrontendSettings;
class SetListModel;
class SetListView;
class SetTreeModel;
class UserPrompts;
struct ProgramState;

// The controls of the main window the browser drives.
struct BrowserWidgets {
    SetListView *list = nullptr;       // lvListView
    QTreeView *tree = nullptr;         // TreeView1
    QLineEdit *text1 = nullptr;        // search box of the list
    QLineEdit *text2 = nullptr;        // search box of the tree
    QMenu *itemPopup = nullptr;        // right button over a set
    QMenu *generalPopup = nullptr;     // right button over empty space
    QWidget *pictureCaption = nullptr; // Label1; the browser only sets its tooltip
};

// What the browser asks of the rest of the program. Unset hooks do nothing (isBusy: never busy).
struct BrowserHooks {
    std::function<void(const QString &name)> launchSet;
    // Shows the history and picture of a set (the window knows which of them are shown).
    std::function<void(const QString &name, const QString &parent)> showSetInfo;
    std::function<void()> clearSetInfo;
    std::function<bool()> isBusy;
    // Loads qx.dat again into the SetCatalogue (clones in or out by Set-List "&Clones").
    std::function<void()> reloadCatalogue;
    std::function<void()> verifySet;
};

// The set browser's behaviour: the views of the catalogue, the availability filters, search, selection,
// the view modes, sorting and column layout; its favourites are a controller of their own. It drives the
// menu entries and toolbar buttons it is given; an entry and its pop-up twin are one QAction. The list and
// the tree are driven through one BrowserView interface; the documented List/Tree names are thin wrappers.
class SetBrowser : public QObject {
    Q_OBJECT
public:
    // The list, the tree and both search boxes must be given.
    SetBrowser(const BrowserWidgets &widgets, const BrowserActions &actions, BrowserHooks hooks,
               SetCatalogue &catalogue, ProgramState &state, const FrontendSettings &settings,
               UserPrompts &prompts, QObject *parent = nullptr);
    ~SetBrowser() override;

    // --- Start-up and shutdown ---
    // Reads ShowA, ShowU, GhostIcon, mouseFocus, FullRowSelect, ColumnWidths, ColumnPos and ViewMode, and
    // sets the flags, buttons, check marks, view style and visible controls from them. Fills nothing.
    void restoreSettings();
    // Fills the shown view by the availability filters (when the catalogue holds sets) and shows File ▸
    // Play only when the view has an item.
    void fillShownView();
    // Selects the current set again and shows its details.
    void reselectAndShow();
    // Writes ShowA, ShowU, ColumnWidths (only from the Details style), ColumnPos and LastSelected; false
    // when the settings file could not be written.
    bool saveSettings() const;
    // Empties both views and forgets what was computed from the catalogue; call when the catalogue is
    // replaced outside the browser (a refresh), then fillShownView.
    void clearViews();

    // --- State ---
    ViewMode viewMode() const { return m_viewMode; }
    bool isGrouped() const { return m_viewMode == ViewMode::Grouped; }
    bool showAvailable() const { return m_filter.showAvailable; }
    bool showUnavailable() const { return m_filter.showUnavailable; }
    bool ghostIcon() const;
    void setGhostIcon(bool ghost);
    bool mouseFocus() const { return m_mouseFocus; }
    void setMouseFocus(bool on) { m_mouseFocus = on; }
    SetListModel *listModel() const { return m_listModel; }
    SetTreeModel *treeModel() const { return m_treeModel; }
    const SetCatalogue &catalogue() const { return m_catalogue; }
    // The view shown now: the tree in Grouped mode, else the list.
    BrowserView &shownView() const;
    // The number of items (or nodes) the shown view holds.
    int shownCount() const;
    // The set whose details are shown (the status bar displays it); empty when none is.
    const SelectedSet &selectedSet() const { return m_selected; }
    FavouritesController &favourites() const { return *m_favourites; }

    // --- Filling; each replaces the view's content ---
    void FillSetList();
    void FillSetTree();
    void FillFavouriteList();
    void FillFavouriteTree();
    void SearchSetList(const QString &text);
    void SearchSetTree(const QString &text);
    // Fills the shown view (with the favourites or by the filters), selects the current set again and shows
    // its details.
    void refillShownView(bool favouritesOnly);
    // As refillShownView, unless the shown view's box holds a search: emptying it refills the view.
    void refillShownViewOrClearSearch(bool favouritesOnly);

    // --- Selection ---
    void ReselectListItem();
    void ReselectTreeNode();
    void reselectShownView();
    void ShowListSelection();
    void ShowTreeSelection();
    bool PickRandomListSet();
    bool PickRandomTreeSet();
    // Picks in the shown view.
    bool pickRandomSet();
    // Shows the shown view's selection: the count, and the selected set's details or none.
    void showSelection();
    // Enter: the selected set in List/Details, CurrentSetName in Grouped.
    void launchFromEnter();
    // A favourite was removed in the Favourites view: its item goes (the tree is rebuilt, so clones of a
    // removed parent stay). False when the view is left empty.
    bool dropSelectedFavourite();
    // Empties the shown view's search box without a refill (the view is about to be refilled).
    void clearSearchQuietly();

    // --- Filters and chrome ---
    void ApplyListFilter();
    void ApplyTreeFilter();
    void SyncFilterFromToolbar();
    void RefreshToolTips();

    // --- Menu handlers (also reachable through the actions) ---
    void setViewMode(ViewMode mode);    // View ▸ Grouped, List, Details
    void toggleAvailability(int index); // Set-List ▸ Available (1), Unavailable (2)
    void toggleClones();                // Set-List ▸ Clones, after its check mark changed
    void collapseTree();                // View ▸ Collapse List
    void resetColumnOrder();            // Tools ▸ Reset Column Order
    void sortByHeader(int section);     // a click on a column header
    void prepareItemPopup();            // the item pop-up is about to open

Q_SIGNALS:
    // The shown view now holds this many items (or nodes).
    void shownCountChanged(int count);
    // The set whose details are shown changed; empty when none is.
    void selectedSetShown(const SelectedSet &set);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectActions();
    void connectViews();
    void installFilters();

    bool busy() const;
    BrowserView &viewOf(bool grouped) const;
    // The operations of either view.
    void fill(BrowserView &view, const SetRows &rows);
    void fillByFilterOrFavourites(BrowserView &view, bool favouritesOnly);
    void search(BrowserView &view, const QString &text);
    void reselect(BrowserView &view);
    void showSelection(BrowserView &view);
    bool pickRandomSet(BrowserView &view);
    void applyFilter(BrowserView &view);
    void onSearchChanged(BrowserView &view, const QString &text);
    void onCurrentChanged(BrowserView &view, const QModelIndex &current);
    void setClicked(BrowserView &view, const QModelIndex &index);

    SetRows searchRows(const QString &text);
    void showSelected(const SelectedSet &set);
    void clearDetails();
    void showDetails(SetView record);
    void setPlayVisible(bool visible);
    void setAvailabilityChecks(bool available, bool unavailable);
    void showGrouped(bool grouped);
    void makeCurrent(SetView record);
    // What an empty view says about itself: no match for the search, or how to add a favourite.
    void updateEmptyViewText();
    void clearSearchQuietly(QLineEdit *box);
    void onAvailabilityButton(QAction *clicked);
    bool handleViewMouse(QWidget *viewport, QEvent *event);
    void openPopup(QMenu *menu);

    BrowserWidgets m_widgets;
    BrowserActions m_actions;
    BrowserHooks m_hooks;
    SetCatalogue &m_catalogue;
    ProgramState &m_state;
    const FrontendSettings &m_settings;
    UserPrompts &m_prompts;
    SetListModel *m_listModel;
    SetTreeModel *m_treeModel;
    std::unique_ptr<BrowserView> m_listView;
    std::unique_ptr<BrowserView> m_treeView;
    FavouritesController *m_favourites = nullptr;
    QList<EmptyViewNotice *> m_notices;
    HeaderSortState m_sort;
    SearchIndex m_searchIndex;
    SelectedSet m_selected;
    AvailabilityFilter m_filter;
    ViewMode m_viewMode = ViewMode::Details;
    bool m_mouseFocus = false;
    // Set while the browser itself moves the selection, so only the user's choices count as clicks.
    bool m_selecting = false;
    // Set while the browser itself empties a search box whose refill it does on its own.
    bool m_quietSearch = false;
    // Whether the current mouse click already changed the current item (and so counted as a click).
    bool m_clickSeen = true;
};

} // namespace qx
