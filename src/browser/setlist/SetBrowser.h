#pragma once

#include "browser/setlist/BrowserActions.h"
#include "browser/setlist/FavouritesFile.h"
#include "browser/setlist/HeaderSortState.h"
#include "browser/setlist/SetRows.h"
#include "browser/setlist/SetSearch.h"
#include "catalogue/SelectedSet.h"

#include <QObject>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QModelIndex;
class QTreeView;
class QWidget;

namespace qx {

class EmptyViewNotice;
class FrontendSettings;
class SetListModel;
class SetListView;
class SetTreeModel;
class UserPrompts;
struct ProgramState;

// The controls of the main window the browser drives. Any of them may be null in a window that lacks it.
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
// the view modes, sorting, column layout and favourites. It drives the menu entries and toolbar buttons it
// is given; an entry and its pop-up twin are one QAction.
class SetBrowser : public QObject {
    Q_OBJECT
public:
    static constexpr int kGroupedMode = 1;
    static constexpr int kListMode = 2;
    static constexpr int kDetailsMode = 3;

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
    int viewMode() const { return m_viewMode; }
    bool isGrouped() const { return m_viewMode == kGroupedMode; }
    bool favouritesViewOn() const;
    bool showAvailable() const { return m_filter.showAvailable; }
    bool showUnavailable() const { return m_filter.showUnavailable; }
    bool ghostIcon() const;
    void setGhostIcon(bool ghost);
    bool mouseFocus() const { return m_mouseFocus; }
    void setMouseFocus(bool on) { m_mouseFocus = on; }
    SetListModel *listModel() const { return m_listModel; }
    SetTreeModel *treeModel() const { return m_treeModel; }
    // The number of items (or nodes) the shown view holds.
    int shownCount() const;

    // --- Filling; each replaces the view's content ---
    void FillSetList();
    void FillSetTree();
    void FillFavouriteList();
    void FillFavouriteTree();
    void SearchSetList(const QString &text);
    void SearchSetTree(const QString &text);

    // --- Selection ---
    void ReselectListItem();
    void ReselectTreeNode();
    void ShowListSelection();
    void ShowTreeSelection();
    bool PickRandomListSet();
    bool PickRandomTreeSet();
    // The set whose details are shown (the status bar displays it); empty when none is.
    const SelectedSet &selectedSet() const { return m_selected; }
    // Enter: the selected set in List/Details, CurrentSetName in Grouped.
    void launchFromEnter();

    // --- Filters and chrome ---
    void ApplyListFilter();
    void ApplyTreeFilter();
    void SyncFilterFromToolbar();
    void RefreshToolTips();

    // --- Favourites ---
    bool IsFavourite(const QString &name) const;
    void AddFavourite();
    void RemoveFavourite();
    void ToggleFavouritesView();
    // The tray's Favourites submenu entries; none means the disabled "no favourites".
    QList<TrayFavourite> trayFavourites() const;

    // --- Menu handlers (also reachable through the actions) ---
    void setViewMode(int index);        // View ▸ Grouped (1), List (2), Details (3)
    void toggleAvailability(int index); // Set-List ▸ Available (1), Unavailable (2)
    void toggleClones();                // Set-List ▸ Clones, after its check mark changed
    void collapseTree();                // View ▸ Collapse List
    void resetColumnOrder();            // Tools ▸ Reset Column Order
    void sortByHeader(int section);     // a click on a column header
    void prepareFileMenu();             // the File menu is about to open
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
    SetRows searchRows(const QString &text);
    FavouritesFile favourites() const;
    QLineEdit *shownSearchBox() const;
    void showSelected(const SelectedSet &set);
    void clearDetails();
    void showDetails(SetView record);
    void setPlayVisible(bool visible);
    void setAvailabilityChecks(bool available, bool unavailable);
    void setFavouritesChecks(bool on);
    void refillShownView(bool favourites);
    void showGrouped(bool grouped);
    void onListCurrentChanged(const QModelIndex &current);
    void onTreeCurrentChanged(const QModelIndex &current);
    void listItemClicked(int row);
    void treeNodeClicked(int node);
    // The set a tree node stands for: the first set with the node's Description.
    std::optional<SetView> recordOfNode(int node) const;
    void makeCurrent(SetView record);
    // What an empty view says about itself: no match for the search, or how to add a favourite.
    void updateEmptyViewText();
    void showNoFavouritesHint();
    // Empties the search box without a refill (its view is about to be refilled or hidden).
    void clearSearchQuietly(QLineEdit *box);
    void onText1Changed(const QString &text);
    void onText2Changed(const QString &text);
    void onAvailabilityButton(QAction *clicked);
    void onFavouritesButton(bool pressed);
    void onAddFavouriteButton();
    void onFileAddFavourite();
    bool handleViewMouse(QWidget *viewport, QEvent *event);
    void openPopup(QMenu *menu);
    void reportWriteFailure(const QString &error);

    BrowserWidgets m_widgets;
    BrowserHooks m_hooks;
    SetCatalogue &m_catalogue;
    ProgramState &m_state;
    const FrontendSettings &m_settings;
    UserPrompts &m_prompts;
    BrowserActions m_actions;
    SetListModel *m_listModel;
    SetTreeModel *m_treeModel;
    QList<EmptyViewNotice *> m_notices;
    HeaderSortState m_sort;
    SearchIndex m_searchIndex;
    SelectedSet m_selected;
    AvailabilityFilter m_filter;
    int m_viewMode = kDetailsMode;
    bool m_mouseFocus = false;
    // Set while the browser itself moves the selection, so only the user's choices count as clicks.
    bool m_selecting = false;
    // Set while the browser itself empties a search box whose refill it does on its own.
    bool m_quietSearch = false;
    // Whether the current mouse click already changed the current item (and so counted as a click).
    bool m_clickSeen = true;
};

} // namespace qx
