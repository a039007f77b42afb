#include "browser/setlist/SetBrowser.h"

#include "app/ProgramState.h"
#include "app/ScopeGuards.h"
#include "app/UserPrompts.h"
#include "browser/setlist/EmptyViewNotice.h"
#include "browser/setlist/FavouritesController.h"
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetListView.h"
#include "browser/setlist/SetReportView.h"
#include "browser/setlist/SetTreeModel.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QRandomGenerator>
#include <QTreeView>

namespace qx {

SetBrowser::SetBrowser(const BrowserWidgets &widgets, const BrowserActions &actions, BrowserHooks hooks,
                       SetCatalogue &catalogue, ProgramState &state, const FrontendSettings &settings,
                       UserPrompts &prompts, QObject *parent)
    : QObject(parent), m_widgets(widgets), m_actions(actions), m_hooks(std::move(hooks)),
      m_catalogue(catalogue), m_state(state), m_settings(settings), m_prompts(prompts),
      m_listModel(new SetListModel(catalogue, this)), m_treeModel(new SetTreeModel(catalogue, this)),
      m_listView(MakeListBrowserView(*widgets.list, *m_listModel, *widgets.text1)),
      m_treeView(MakeTreeBrowserView(*widgets.tree, *m_treeModel, *widgets.text2, catalogue)),
      m_favourites(new FavouritesController(*this, actions, state, settings, prompts, this)) {
    m_widgets.list->setModel(m_listModel);
    m_notices << new EmptyViewNotice(m_widgets.list->detailsView())
              << new EmptyViewNotice(m_widgets.list->listView());
    QTreeView *tree = m_widgets.tree;
    tree->setModel(m_treeModel);
    tree->setHeaderHidden(true);
    tree->setUniformRowHeights(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setExpandsOnDoubleClick(true);      // a parent opens; a set without clones plays
    tree->viewport()->setMouseTracking(true); // hover focus
    m_notices << new EmptyViewNotice(tree);
    connectViews();
    connectActions();
    installFilters();
    RefreshToolTips();
}

SetBrowser::~SetBrowser() = default;

void SetBrowser::connectViews() {
    SetListView *list = m_widgets.list;
    connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onCurrentChanged(*m_listView, current); });
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(list->detailsView()),
                                    static_cast<QAbstractItemView *>(list->listView())}) {
        connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
            if (index.isValid() && !busy() && m_hooks.launchSet) {
                m_hooks.launchSet(m_state.CurrentSetName);
            }
        });
    }
    connect(list->header(), &QHeaderView::sectionClicked, this, &SetBrowser::sortByHeader);
    QTreeView *tree = m_widgets.tree;
    connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onCurrentChanged(*m_treeView, current); });
    connect(tree, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid() && !m_treeModel->hasChildren(index) && !busy() && m_hooks.launchSet) {
            m_hooks.launchSet(m_state.CurrentSetName);
        }
    });
    connect(m_widgets.text1, &QLineEdit::textChanged, this,
            [this](const QString &text) { onSearchChanged(*m_listView, text); });
    connect(m_widgets.text2, &QLineEdit::textChanged, this,
            [this](const QString &text) { onSearchChanged(*m_treeView, text); });
}

void SetBrowser::installFilters() {
    SetListView *list = m_widgets.list;
    for (QWidget *widget : {static_cast<QWidget *>(m_widgets.text1), static_cast<QWidget *>(m_widgets.text2),
                            static_cast<QWidget *>(list->detailsView()), list->detailsView()->viewport(),
                            static_cast<QWidget *>(list->listView()), list->listView()->viewport(),
                            static_cast<QWidget *>(m_widgets.tree), m_widgets.tree->viewport()}) {
        widget->installEventFilter(this);
    }
}

bool SetBrowser::busy() const {
    return m_hooks.isBusy && m_hooks.isBusy();
}

BrowserView &SetBrowser::viewOf(bool grouped) const {
    return grouped ? *m_treeView : *m_listView;
}

BrowserView &SetBrowser::shownView() const {
    return viewOf(isGrouped());
}

bool SetBrowser::ghostIcon() const {
    return m_listModel->ghostClones();
}

void SetBrowser::setGhostIcon(bool ghost) {
    m_listModel->setGhostClones(ghost);
}

int SetBrowser::shownCount() const {
    return shownView().count();
}

// --- Filling ---

void SetBrowser::fill(BrowserView &view, const SetRows &rows) {
    const FlagScope selecting(m_selecting);
    view.fill(rows);
}

void SetBrowser::fillByFilterOrFavourites(BrowserView &view, bool favouritesOnly) {
    fill(view, favouritesOnly ? FavouriteRows(m_catalogue, m_favourites->names())
                              : FilteredRows(m_catalogue, m_filter));
}

void SetBrowser::search(BrowserView &view, const QString &text) {
    const BusyPointer pointer;
    const FlagScope selecting(m_selecting);
    view.fillFlat(searchRows(text));
}

void SetBrowser::FillSetList() {
    fillByFilterOrFavourites(*m_listView, false);
}

void SetBrowser::FillSetTree() {
    fillByFilterOrFavourites(*m_treeView, false);
}

void SetBrowser::FillFavouriteList() {
    fillByFilterOrFavourites(*m_listView, true);
}

void SetBrowser::FillFavouriteTree() {
    fillByFilterOrFavourites(*m_treeView, true);
}

void SetBrowser::SearchSetList(const QString &text) {
    search(*m_listView, text);
}

void SetBrowser::SearchSetTree(const QString &text) {
    search(*m_treeView, text);
}

SetRows SetBrowser::searchRows(const QString &text) {
    if (!m_searchIndex.isBuiltFor(m_catalogue)) {
        m_searchIndex.rebuild(m_catalogue);
    }
    return m_searchIndex.search(text);
}

void SetBrowser::clearViews() {
    const FlagScope selecting(m_selecting);
    m_listModel->clear();
    m_treeModel->clear();
    m_listModel->catalogueReplaced();
    m_searchIndex.clear();
}

void SetBrowser::refillShownView(bool favouritesOnly) {
    BrowserView &view = shownView();
    fillByFilterOrFavourites(view, favouritesOnly);
    reselect(view);
    showSelection(view);
}

void SetBrowser::refillShownViewOrClearSearch(bool favouritesOnly) {
    QLineEdit *search = shownView().searchBox();
    if (!search->text().isEmpty()) {
        search->clear(); // the change handler refills the view
    } else {
        refillShownView(favouritesOnly);
    }
}

void SetBrowser::fillShownView() {
    if (m_catalogue.isEmpty()) {
        clearViews();
    } else {
        fillByFilterOrFavourites(shownView(), false);
    }
    setPlayVisible(shownCount() > 0);
}

void SetBrowser::reselectAndShow() {
    reselect(shownView());
    showSelection(shownView());
}

// --- Selection ---

void SetBrowser::reselect(BrowserView &view) {
    const FlagScope selecting(m_selecting);
    view.reselect(m_state.CurrentSetName);
}

void SetBrowser::ReselectListItem() {
    reselect(*m_listView);
}

void SetBrowser::ReselectTreeNode() {
    reselect(*m_treeView);
}

void SetBrowser::reselectShownView() {
    reselect(shownView());
}

// The set shown is the current set: what the details, File ▸ Play's caption and every command name is what
// they act on, also when a refill or a search selected another row than the current set's.
void SetBrowser::showSelection(BrowserView &view) {
    Q_EMIT shownCountChanged(view.count());
    if (const std::optional<SetView> record = view.selectedSet()) {
        makeCurrent(*record);
    } else {
        clearDetails();
    }
    updateEmptyViewText();
}

void SetBrowser::showSelection() {
    showSelection(shownView());
}

void SetBrowser::ShowListSelection() {
    showSelection(*m_listView);
}

void SetBrowser::ShowTreeSelection() {
    showSelection(*m_treeView);
}

void SetBrowser::showDetails(SetView record) {
    setPlayVisible(true);
    showSelected(SelectedSet::Of(record));
    if (m_actions.filePlay) {
        m_actions.filePlay->setText(QStringLiteral("&Play ") + record.name().toString());
    }
    if (m_hooks.showSetInfo) {
        m_hooks.showSetInfo(record.name().toString(), record.parent().toString());
    }
}

void SetBrowser::clearDetails() {
    setPlayVisible(false);
    showSelected({});
    if (m_hooks.clearSetInfo) {
        m_hooks.clearSetInfo();
    }
}

void SetBrowser::showSelected(const SelectedSet &set) {
    m_selected = set;
    Q_EMIT selectedSetShown(m_selected);
}

void SetBrowser::setPlayVisible(bool visible) {
    for (QAction *entry : {m_actions.filePlay, m_actions.filePlayBar}) {
        if (entry) {
            entry->setVisible(visible);
        }
    }
}

void SetBrowser::onCurrentChanged(BrowserView &view, const QModelIndex &current) {
    if (!m_selecting) {
        m_clickSeen = true;
        setClicked(view, current);
    }
}

void SetBrowser::setClicked(BrowserView &view, const QModelIndex &index) {
    if (const std::optional<SetView> record = view.setOf(index)) {
        makeCurrent(*record);
    }
}

void SetBrowser::makeCurrent(SetView record) {
    m_state.CurrentSetName = record.name().toString();
    if (m_actions.verify && m_state.ShowToolTips) {
        m_actions.verify->setToolTip(QStringLiteral("Verify ") + record.name().toString());
    }
    showDetails(record);
}

bool SetBrowser::pickRandomSet(BrowserView &view) {
    const int count = view.count();
    if (count == 0) {
        return false;
    }
    bool anyAvailable = false;
    for (int item = 0; item < count && !anyAvailable; ++item) {
        const std::optional<SetView> set = view.setAt(item);
        anyAvailable = set && set->isAvailable();
    }
    if (!anyAvailable) {
        m_prompts.inform(QStringLiteral("No available sets found."), kAppTitle, PromptIcon::Information);
        return false;
    }
    for (;;) {
        const int item = int(QRandomGenerator::global()->bounded(quint32(count)));
        const std::optional<SetView> set = view.setAt(item);
        if (set && set->isAvailable()) {
            const FlagScope selecting(m_selecting);
            view.select(item);
            // As a click would: a tree node stands for the first set with its Description.
            m_state.CurrentSetName = view.selectedSet()->name().toString();
            return true;
        }
    }
}

bool SetBrowser::pickRandomSet() {
    return pickRandomSet(shownView());
}

bool SetBrowser::PickRandomListSet() {
    return pickRandomSet(*m_listView);
}

bool SetBrowser::PickRandomTreeSet() {
    return pickRandomSet(*m_treeView);
}

void SetBrowser::launchFromEnter() {
    if (busy() || !m_hooks.launchSet) {
        return;
    }
    const QString name = isGrouped() ? m_state.CurrentSetName : m_selected.name;
    if (!name.isEmpty()) {
        m_hooks.launchSet(name);
    }
}

bool SetBrowser::dropSelectedFavourite() {
    if (isGrouped()) {
        FillFavouriteTree();
        ReselectTreeNode();
    } else {
        m_listModel->removeRow(m_widgets.list->selectedRow());
    }
    if (shownCount() == 0) {
        return false;
    }
    Q_EMIT shownCountChanged(shownCount());
    return true;
}

// --- Search boxes ---

void SetBrowser::onSearchChanged(BrowserView &view, const QString &text) {
    if (m_quietSearch) {
        return;
    }
    view.clear();
    if (text.isEmpty()) {
        if (busy()) {
            return;
        }
        fillByFilterOrFavourites(view, m_favourites->viewOn());
        reselect(view);
        showSelection(view);
        return;
    }
    search(view, text);
    if (!view.selectsWhileSearching()) {
        Q_EMIT shownCountChanged(view.count());
        updateEmptyViewText();
        return;
    }
    if (view.count() > 0) {
        const FlagScope selecting(m_selecting);
        view.select(std::max(m_widgets.list->selectedRow(), 0));
    }
    showSelection(view);
}

void SetBrowser::clearSearchQuietly(QLineEdit *box) {
    if (!box->text().isEmpty()) {
        const FlagScope quiet(m_quietSearch);
        box->clear();
    }
}

void SetBrowser::clearSearchQuietly() {
    clearSearchQuietly(shownView().searchBox());
}

void SetBrowser::updateEmptyViewText() {
    QString text;
    const QString search = shownView().searchBox()->text();
    if (!search.isEmpty()) {
        constexpr int kLongest = 40;
        const QString shown = search.size() > kLongest ? search.left(kLongest) + QChar(0x2026) : search;
        text = QStringLiteral("No set matches \u201C%1\u201D").arg(shown);
    } else if (m_favourites->viewOn()) {
        text = kNoFavouritesHint;
    }
    for (EmptyViewNotice *notice : m_notices) {
        notice->setMessage(text);
    }
}

} // namespace qx
