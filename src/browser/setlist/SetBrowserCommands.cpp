// The browser's menu, toolbar and favourites commands; the views, filling and selection are in
// SetBrowser.cpp.
#include "app/FrontendSettings.h"
#include "app/ProgramState.h"
#include "app/ScopeGuards.h"
#include "app/UserPrompts.h"
#include "browser/setlist/BrowserActions.h"
#include "browser/setlist/ColumnLayout.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetListView.h"
#include "browser/setlist/SetTreeModel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTreeView>

namespace qx {
namespace {

const QString kSearchToolTip =
    QStringLiteral("Type the description, name or parent. Double click to clear text");
const QString kAddFavouriteCaption = QStringLiteral("Add To &Favourites");
const QString kRemoveFavouriteCaption = QStringLiteral("Remove From &Favourites");

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
    for (int i = 0; i < 3; ++i) {
        onTrigger(a.viewMode[std::size_t(i)], [this, i] { setViewMode(i + 1); });
    }
    for (int i = 0; i < 2; ++i) {
        onTrigger(a.gameLists[std::size_t(i)], [this, i] { toggleAvailability(i + 1); });
    }
    onTrigger(a.clones, [this] { toggleClones(); });
    onTrigger(a.collapse, [this] { collapseTree(); });
    onTrigger(a.columnOrder, [this] { resetColumnOrder(); });
    onTrigger(a.viewFav, [this] { ToggleFavouritesView(); });
    onTrigger(a.fileAddFav, [this] { onFileAddFavourite(); });
    onTrigger(a.popupAddFav, [this] { AddFavourite(); });
    onTrigger(a.popupRemFav, [this] { RemoveFavourite(); });
    onTrigger(a.favourites, [this](bool pressed) { onFavouritesButton(pressed); });
    onTrigger(a.addFav, [this] { onAddFavouriteButton(); });
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
    if (a.fileMenu) {
        connect(a.fileMenu, &QMenu::aboutToShow, this, &SetBrowser::prepareFileMenu);
    }
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
    if (SetListView *list = m_widgets.list) {
        list->setFullRowSelect(m_settings.get(Settings::FullRowSelect));
        list->setColumnWidths(ParseColumnWidths(m_settings.get(Settings::ColumnWidths)));
        list->setColumnOrder(ParseColumnOrder(m_settings.get(Settings::ColumnPos)));
    }
    int mode = m_settings.get(Settings::ViewMode);
    if (mode < kGroupedMode || mode > kDetailsMode) {
        mode = kDetailsMode;
    }
    m_viewMode = mode;
    showGrouped(mode == kGroupedMode);
    if (m_widgets.list && mode != kGroupedMode) {
        m_widgets.list->setViewStyle(mode);
    }
    for (int i = 0; i < 3; ++i) {
        SetChecked(m_actions.viewMode[std::size_t(i)], i + 1 == mode);
    }
    RefreshToolTips();
}

bool SetBrowser::saveSettings() const {
    bool ok = m_settings.set(Settings::ShowA, m_filter.showAvailable);
    ok &= m_settings.set(Settings::ShowU, m_filter.showUnavailable);
    if (SetListView *list = m_widgets.list) {
        if (list->viewStyle() == SetListView::kReportStyle) {
            ok &= m_settings.set(Settings::ColumnWidths, FormatColumnList(list->columnWidths()));
        }
        ok &= m_settings.set(Settings::ColumnPos, FormatColumnList(list->columnOrder()));
    }
    if (!m_state.CurrentSetName.isEmpty()) {
        ok &= m_settings.set(Settings::LastSelected, m_state.CurrentSetName);
    }
    return ok;
}

// --- View mode ---

void SetBrowser::showGrouped(bool grouped) {
    // The view that goes is emptied; a search in its box would not match what it shows when it comes back.
    clearSearchQuietly(grouped ? m_widgets.text1 : m_widgets.text2);
    if (m_widgets.list) {
        m_widgets.list->setHidden(grouped);
    }
    if (m_widgets.tree) {
        m_widgets.tree->setHidden(!grouped);
    }
    if (m_widgets.text1) {
        m_widgets.text1->setHidden(grouped);
    }
    if (m_widgets.text2) {
        m_widgets.text2->setHidden(!grouped);
    }
    if (m_actions.collapse) {
        m_actions.collapse->setEnabled(grouped);
    }
}

void SetBrowser::setViewMode(int index) {
    if (index < kGroupedMode || index > kDetailsMode) {
        return;
    }
    if (index != m_viewMode) {
        const bool favouritesOnly = favouritesViewOn();
        if (index == kGroupedMode) {
            m_listModel->clear();
            m_viewMode = kGroupedMode;
            showGrouped(true);
            favouritesOnly ? FillFavouriteTree() : FillSetTree();
            ReselectTreeNode();
            ShowTreeSelection();
            if (m_widgets.tree) {
                m_widgets.tree->setFocus();
            }
        } else {
            if (isGrouped()) {
                m_treeModel->clear();
                m_viewMode = index;
                showGrouped(false);
                favouritesOnly ? FillFavouriteList() : FillSetList();
                ReselectListItem();
                ShowListSelection();
                if (m_widgets.list) {
                    m_widgets.list->setFocus();
                }
            }
            m_viewMode = index;
            if (m_widgets.list) {
                m_widgets.list->setViewStyle(index);
            }
        }
        m_settings.set(Settings::ViewMode, index);
    }
    // Also when nothing changed: a checkable entry unchecks itself when chosen again.
    for (int i = 0; i < 3; ++i) {
        SetChecked(m_actions.viewMode[std::size_t(i)], i + 1 == m_viewMode);
    }
}

void SetBrowser::collapseTree() {
    if (!isGrouped() || !m_widgets.tree) {
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

void SetBrowser::setFavouritesChecks(bool on) {
    SetChecked(m_actions.favourites, on);
    SetChecked(m_actions.viewFav, on);
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
    isGrouped() ? ApplyTreeFilter() : ApplyListFilter();
    RefreshToolTips();
}

void SetBrowser::ApplyListFilter() {
    m_filter.showAvailable = IsChecked(m_actions.gameLists[0]);
    m_filter.showUnavailable = IsChecked(m_actions.gameLists[1]);
    SetChecked(m_actions.available, m_filter.showAvailable);
    SetChecked(m_actions.unavailable, m_filter.showUnavailable);
    setFavouritesChecks(false);
    if (m_widgets.text1 && !m_widgets.text1->text().isEmpty()) {
        m_widgets.text1->clear(); // the search box's change handler refills by the new filters
        return;
    }
    FillSetList();
    ReselectListItem();
    ShowListSelection();
}

void SetBrowser::ApplyTreeFilter() {
    m_filter.showAvailable = IsChecked(m_actions.gameLists[0]);
    m_filter.showUnavailable = IsChecked(m_actions.gameLists[1]);
    SetChecked(m_actions.available, m_filter.showAvailable);
    SetChecked(m_actions.unavailable, m_filter.showUnavailable);
    setFavouritesChecks(false);
    if (m_widgets.text2 && !m_widgets.text2->text().isEmpty()) {
        m_widgets.text2->clear();
        return;
    }
    FillSetTree();
    ReselectTreeNode();
    ShowTreeSelection();
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
    setFavouritesChecks(false); // the Favourites view ends
    QLineEdit *search = shownSearchBox();
    if (search && !search->text().isEmpty()) {
        search->clear(); // the change handler refills by the new filters
    } else {
        refillShownView(false);
    }
    RefreshToolTips();
}

// --- Clones ---

void SetBrowser::toggleClones() {
    clearSearchQuietly(shownSearchBox());
    clearViews();
    if (m_hooks.reloadCatalogue) {
        m_hooks.reloadCatalogue();
    }
    const bool favouritesOnly = IsChecked(m_actions.favourites);
    if (!m_catalogue.isEmpty()) {
        if (isGrouped()) {
            favouritesOnly ? FillFavouriteTree() : FillSetTree();
        } else {
            favouritesOnly ? FillFavouriteList() : FillSetList();
        }
    }
    if (isGrouped()) {
        ReselectTreeNode();
        if (m_widgets.tree) {
            m_widgets.tree->setFocus();
        }
        ShowTreeSelection();
    } else {
        ReselectListItem();
        ShowListSelection();
    }
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
    if (SetListView *list = m_widgets.list) {
        list->setSortIndicator(*column, m_sort.descending());
        if (m_listModel->rowCount() > 0) {
            list->selectRow(list->selectedRow());
        }
    }
}

void SetBrowser::resetColumnOrder() {
    const PromptAnswer answer = m_prompts.ask(QStringLiteral("Reset column order?"), kAppTitle,
                                              PromptButtons::YesNo, PromptAnswer::No, PromptIcon::Question);
    if (answer == PromptAnswer::Yes && m_widgets.list) {
        m_widgets.list->setColumnOrder(kDefaultColumnOrder);
    }
}

// --- Tooltips ---

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
        if (box) {
            box->setToolTip(tip(kSearchToolTip));
        }
    }
    if (m_widgets.pictureCaption) {
        m_widgets.pictureCaption->setToolTip(
            tip(QStringLiteral("Double click anywhere in the picture panel to toggle the scrollbar")));
    }
}

// --- Favourites ---

bool SetBrowser::IsFavourite(const QString &name) const {
    return favourites().contains(name);
}

QList<TrayFavourite> SetBrowser::trayFavourites() const {
    return TrayFavouriteEntries(m_catalogue, favourites());
}

void SetBrowser::reportWriteFailure(const QString &error) {
    m_prompts.inform(QStringLiteral("Quorvex could not change the favourites:\n%1\n"
                                    "The favourites file was left as it was.")
                         .arg(error),
                     kAppTitle, PromptIcon::Error);
}

void SetBrowser::AddFavourite() {
    if (m_state.CurrentSetName.isEmpty()) {
        return;
    }
    QString error;
    if (!favourites().add(m_state.CurrentSetName, m_settings.get(Settings::SortFav), &error)) {
        reportWriteFailure(error);
    }
}

void SetBrowser::RemoveFavourite() {
    QString error;
    if (!favourites().remove(m_state.CurrentSetName, &error)) {
        reportWriteFailure(error);
        return;
    }
    if (!favouritesViewOn()) {
        return;
    }
    if (isGrouped()) {
        // Rebuilt rather than pruned, so clones of a removed parent stay in view.
        FillFavouriteTree();
        ReselectTreeNode();
    } else if (m_widgets.list) {
        m_listModel->removeRow(m_widgets.list->selectedRow());
    }
    if (shownCount() > 0) {
        Q_EMIT shownCountChanged(shownCount());
        return;
    }
    // The last favourite is gone: back to the normal view.
    if (IsChecked(m_actions.favourites)) {
        SyncFilterFromToolbar();
    }
    setFavouritesChecks(false);
    refillShownView(false);
    RefreshToolTips();
}

void SetBrowser::ToggleFavouritesView() {
    QAction *menu = m_actions.viewFav;
    if (!menu) {
        return;
    }
    if (!favourites().exists()) {
        menu->setChecked(IsChecked(m_actions.favourites)); // undo the entry's own flip
        showNoFavouritesHint();
        return;
    }
    const bool on = menu->isChecked();
    setFavouritesChecks(on);
    // The view is refilled without the search, so the box must not show one.
    clearSearchQuietly(shownSearchBox());
    if (!on) {
        SyncFilterFromToolbar();
    }
    refillShownView(on);
    if (isGrouped() && m_widgets.tree) {
        m_widgets.tree->setFocus();
    }
    RefreshToolTips();
}

void SetBrowser::onFavouritesButton(bool pressed) {
    if (!favourites().exists()) {
        SetChecked(m_actions.favourites, false);
        RefreshToolTips();
        showNoFavouritesHint();
        return;
    }
    SetChecked(m_actions.viewFav, pressed);
    if (!pressed) {
        SyncFilterFromToolbar();
    }
    QLineEdit *search = shownSearchBox();
    if (search && !search->text().isEmpty()) {
        search->clear(); // the change handler fills the view the button now asks for
    } else {
        refillShownView(pressed);
    }
    RefreshToolTips();
}

void SetBrowser::onAddFavouriteButton() {
    if (IsChecked(m_actions.favourites) || m_state.CurrentSetName.isEmpty()) {
        return;
    }
    if (!IsFavourite(m_state.CurrentSetName)) {
        AddFavourite();
    }
}

void SetBrowser::prepareFileMenu() {
    QAction *entry = m_actions.fileAddFav;
    if (!entry) {
        return;
    }
    const bool selected = isGrouped() ? (m_widgets.tree && m_widgets.tree->selectionModel()->hasSelection())
                                      : (m_widgets.list && m_widgets.list->selectedRow() >= 0);
    entry->setEnabled(selected);
    if (selected) {
        entry->setText(IsFavourite(m_state.CurrentSetName) ? kRemoveFavouriteCaption : kAddFavouriteCaption);
    }
}

void SetBrowser::onFileAddFavourite() {
    if (m_actions.fileAddFav->text() == kRemoveFavouriteCaption) {
        RemoveFavourite();
    } else {
        AddFavourite();
    }
    // The caption follows the file at once, so using the entry again undoes rather than repeats.
    prepareFileMenu();
}

void SetBrowser::prepareItemPopup() {
    QString name = m_state.CurrentSetName;
    if (!isGrouped() && m_widgets.list) {
        if (const std::optional<SetView> record = m_listModel->record(m_widgets.list->selectedRow())) {
            name = record->name().toString();
        }
    }
    if (m_actions.popupPlay) {
        m_actions.popupPlay->setText(QStringLiteral("Play ") + name);
    }
    const bool favourite = IsFavourite(name);
    if (m_actions.popupAddFav) {
        m_actions.popupAddFav->setVisible(!favourite);
    }
    if (m_actions.popupRemFav) {
        m_actions.popupRemFav->setVisible(favourite);
    }
}

} // namespace qx
