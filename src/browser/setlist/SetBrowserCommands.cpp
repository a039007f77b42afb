// The browser's menu and toolbar commands and its settings; the views, filling and selection are in
// SetBrowser.cpp, the favourites in FavouritesController.cpp.
#include "app/FrontendSettings.h"
#include "app/ProgramState.h"
#include "app/ScopeGuards.h"
#include "app/UserPrompts.h"
#include "browser/setlist/ColumnLayout.h"
#include "browser/setlist/FavouritesController.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetListView.h"

#include <QAction>
#include <QLineEdit>
#include <QTreeView>

namespace qx {
namespace {

const QString kSearchToolTip =
    QStringLiteral("Type the description, name or parent. Double click to clear text");

void SetChecked(QAction *action, bool checked) {
    if (action) {
        action->setChecked(checked);
    }
}

bool IsChecked(const QAction *action) {
    return action && action->isChecked();
}

void SetToolTip(QAction *action, const QString &text) {
    if (action) {
        action->setToolTip(text);
    }
}

} // namespace

void SetBrowser::connectActions() {
    const BrowserActions &a = m_actions;
    const auto onTrigger = [this](QAction *action, auto handler) {
        if (action) {
            connect(action, &QAction::triggered, this, handler);
        }
    };
    for (const ViewMode mode : {ViewMode::Grouped, ViewMode::List, ViewMode::Details}) {
        onTrigger(a.viewMode[std::size_t(mode) - 1], [this, mode] { setViewMode(mode); });
    }
    for (int i = 0; i < 2; ++i) {
        onTrigger(a.gameLists[std::size_t(i)], [this, i] { toggleAvailability(i + 1); });
    }
    onTrigger(a.clones, [this] { toggleClones(); });
    onTrigger(a.collapse, [this] { collapseTree(); });
    onTrigger(a.columnOrder, [this] { resetColumnOrder(); });
    onTrigger(a.available, [this] { onAvailabilityButton(m_actions.available); });
    onTrigger(a.unavailable, [this] { onAvailabilityButton(m_actions.unavailable); });
    onTrigger(a.verify, [this] {
        if (shownCount() > 0 && !busy() && m_hooks.verifySet) {
            m_hooks.verifySet();
        }
    });
    const auto play = [this] {
        if (!busy() && m_hooks.launchSet && !m_state.CurrentSetName.isEmpty()) {
            m_hooks.launchSet(m_state.CurrentSetName);
        }
    };
    onTrigger(a.filePlay, play);
    onTrigger(a.popupPlay, play);
}

// --- Start-up and shutdown ---

void SetBrowser::restoreSettings() {
    m_filter.showAvailable = m_settings.get(Settings::ShowA);
    m_filter.showUnavailable = m_settings.get(Settings::ShowU);
    SetChecked(m_actions.available, m_filter.showAvailable);
    SetChecked(m_actions.unavailable, m_filter.showUnavailable);
    setAvailabilityChecks(m_filter.showAvailable, m_filter.showUnavailable);
    setGhostIcon(m_settings.get(Settings::GhostIcon));
    m_mouseFocus = m_settings.get(Settings::MouseFocus);
    SetListView *list = m_widgets.list;
    list->setFullRowSelect(m_settings.get(Settings::FullRowSelect));
    list->setColumnWidths(ParseColumnWidths(m_settings.get(Settings::ColumnWidths)));
    list->setColumnOrder(ParseColumnOrder(m_settings.get(Settings::ColumnPos)));
    m_viewMode = ViewModeFromNumber(m_settings.get(Settings::ViewMode));
    showGrouped(isGrouped());
    if (!isGrouped()) {
        list->setViewStyle(m_viewMode);
    }
    for (std::size_t i = 0; i < m_actions.viewMode.size(); ++i) {
        SetChecked(m_actions.viewMode[i], int(i) + 1 == int(m_viewMode));
    }
    RefreshToolTips();
}

bool SetBrowser::saveSettings() const {
    bool ok = m_settings.set(Settings::ShowA, m_filter.showAvailable);
    ok &= m_settings.set(Settings::ShowU, m_filter.showUnavailable);
    const SetListView *list = m_widgets.list;
    if (list->viewStyle() == ViewMode::Details) {
        ok &= m_settings.set(Settings::ColumnWidths, FormatColumnList(list->columnWidths()));
    }
    ok &= m_settings.set(Settings::ColumnPos, FormatColumnList(list->columnOrder()));
    if (!m_state.CurrentSetName.isEmpty()) {
        ok &= m_settings.set(Settings::LastSelected, m_state.CurrentSetName);
    }
    return ok;
}

// --- View mode ---

void SetBrowser::showGrouped(bool grouped) {
    // The view that goes is emptied; a search in its box would not match what it shows when it comes back.
    clearSearchQuietly(viewOf(!grouped).searchBox());
    m_widgets.list->setHidden(grouped);
    m_widgets.tree->setHidden(!grouped);
    m_widgets.text1->setHidden(grouped);
    m_widgets.text2->setHidden(!grouped);
    if (m_actions.collapse) {
        m_actions.collapse->setEnabled(grouped);
    }
}

void SetBrowser::setViewMode(ViewMode mode) {
    if (mode != m_viewMode) {
        const bool grouped = mode == ViewMode::Grouped;
        if (grouped != isGrouped()) {
            const bool favouritesOnly = m_favourites->viewOn();
            viewOf(!grouped).clear();
            m_viewMode = mode;
            showGrouped(grouped);
            refillShownView(favouritesOnly);
            shownView().widget()->setFocus();
        }
        m_viewMode = mode;
        if (!grouped) {
            m_widgets.list->setViewStyle(mode);
        }
        m_settings.set(Settings::ViewMode, int(mode));
    }
    // Also when nothing changed: a checkable entry unchecks itself when chosen again.
    for (std::size_t i = 0; i < m_actions.viewMode.size(); ++i) {
        SetChecked(m_actions.viewMode[i], int(i) + 1 == int(m_viewMode));
    }
}

void SetBrowser::collapseTree() {
    if (!isGrouped()) {
        return;
    }
    m_widgets.tree->collapseAll();
    ReselectTreeNode();
    m_widgets.tree->setFocus();
}

// --- Availability filters ---

void SetBrowser::setAvailabilityChecks(bool available, bool unavailable) {
    SetChecked(m_actions.gameLists[0], available);
    SetChecked(m_actions.gameLists[1], unavailable);
}

void SetBrowser::toggleAvailability(int index) {
    if (index < 1 || index > 2) {
        return;
    }
    // The entries' own check marks may already have flipped; the filter flags hold the state before.
    bool available = m_filter.showAvailable;
    bool unavailable = m_filter.showUnavailable;
    bool &flipped = index == 1 ? available : unavailable;
    const bool other = index == 1 ? unavailable : available;
    if (!other) {
        // Flipping would leave both off (or turn on what is on): nothing happens.
        setAvailabilityChecks(m_filter.showAvailable, m_filter.showUnavailable);
        return;
    }
    flipped = !flipped;
    setAvailabilityChecks(available, unavailable);
    applyFilter(shownView());
    RefreshToolTips();
}

void SetBrowser::applyFilter(BrowserView &view) {
    m_filter.showAvailable = IsChecked(m_actions.gameLists[0]);
    m_filter.showUnavailable = IsChecked(m_actions.gameLists[1]);
    SetChecked(m_actions.available, m_filter.showAvailable);
    SetChecked(m_actions.unavailable, m_filter.showUnavailable);
    m_favourites->setViewChecked(false);
    if (!view.searchBox()->text().isEmpty()) {
        view.searchBox()->clear(); // the search box's change handler refills by the new filters
        return;
    }
    fillByFilterOrFavourites(view, false);
    reselect(view);
    showSelection(view);
}

void SetBrowser::ApplyListFilter() {
    applyFilter(*m_listView);
}

void SetBrowser::ApplyTreeFilter() {
    applyFilter(*m_treeView);
}

void SetBrowser::SyncFilterFromToolbar() {
    m_filter.showAvailable = IsChecked(m_actions.available);
    m_filter.showUnavailable = IsChecked(m_actions.unavailable);
    setAvailabilityChecks(m_filter.showAvailable, m_filter.showUnavailable);
}

void SetBrowser::onAvailabilityButton(QAction *clicked) {
    if (!IsChecked(m_actions.available) && !IsChecked(m_actions.unavailable)) {
        clicked->setChecked(true); // the only pressed button stays pressed
        return;
    }
    SyncFilterFromToolbar();
    m_favourites->setViewChecked(false); // the Favourites view ends
    refillShownViewOrClearSearch(false);
    RefreshToolTips();
}

// --- Clones ---

void SetBrowser::toggleClones() {
    clearSearchQuietly();
    clearViews();
    if (m_hooks.reloadCatalogue) {
        m_hooks.reloadCatalogue();
    }
    BrowserView &view = shownView();
    if (!m_catalogue.isEmpty()) {
        fillByFilterOrFavourites(view, IsChecked(m_actions.favourites));
    }
    reselect(view);
    if (isGrouped()) {
        view.widget()->setFocus();
    }
    showSelection(view);
}

// --- Sorting and columns ---

void SetBrowser::sortByHeader(int section) {
    const std::optional<SetColumn> column = SetColumnAt(section);
    if (!column) {
        return;
    }
    m_sort.click(*column);
    const FlagScope selecting(m_selecting);
    m_listModel->sortByColumn(*column, m_sort.descending());
    SetListView *list = m_widgets.list;
    list->setSortIndicator(*column, m_sort.descending());
    if (m_listModel->rowCount() > 0) {
        list->selectRow(list->selectedRow());
    }
}

void SetBrowser::resetColumnOrder() {
    const PromptAnswer answer = m_prompts.ask(QStringLiteral("Reset column order?"), kAppTitle,
                                              PromptButtons::YesNo, PromptAnswer::No, PromptIcon::Question);
    if (answer == PromptAnswer::Yes) {
        m_widgets.list->setColumnOrder(kDefaultColumnOrder);
    }
}

// --- Tooltips and the item pop-up ---

void SetBrowser::RefreshToolTips() {
    const BrowserActions &a = m_actions;
    const bool on = m_state.ShowToolTips;
    const auto tip = [on](const QString &text) {
        return on ? text : QString();
    };
    const bool favouritesPressed = IsChecked(a.favourites);
    SetToolTip(a.favourites, tip(favouritesPressed ? QStringLiteral("Return to previous view")
                                                   : QStringLiteral("Show Favourites")));
    if (!on || !favouritesPressed) {
        SetToolTip(a.available, tip(IsChecked(a.available) ? QStringLiteral("Hide Available")
                                                           : QStringLiteral("Show Available")));
        SetToolTip(a.unavailable, tip(IsChecked(a.unavailable) ? QStringLiteral("Hide Unavailable")
                                                               : QStringLiteral("Show Unavailable")));
    }
    SetToolTip(a.addFav, tip(QStringLiteral("Add To Favourites")));
    SetToolTip(a.paths, tip(QStringLiteral("Paths / Directories")));
    SetToolTip(a.options, tip(QStringLiteral("Default MAME Options")));
    SetToolTip(a.verify, tip(QStringLiteral("Verify ") + m_state.CurrentSetName));
    for (QLineEdit *box : {m_widgets.text1, m_widgets.text2}) {
        box->setToolTip(tip(kSearchToolTip));
    }
    if (m_widgets.pictureCaption) {
        m_widgets.pictureCaption->setToolTip(
            tip(QStringLiteral("Double click anywhere in the picture panel to toggle the scrollbar")));
    }
}

void SetBrowser::prepareItemPopup() {
    QString name = m_state.CurrentSetName;
    if (!isGrouped()) {
        if (const std::optional<SetView> record = m_listView->selectedSet()) {
            name = record->name().toString();
        }
    }
    if (m_actions.popupPlay) {
        m_actions.popupPlay->setText(QStringLiteral("Play ") + name);
    }
    const bool favourite = m_favourites->IsFavourite(name);
    if (m_actions.popupAddFav) {
        m_actions.popupAddFav->setVisible(!favourite);
    }
    if (m_actions.popupRemFav) {
        m_actions.popupRemFav->setVisible(favourite);
    }
}

} // namespace qx
