#include "browser/setlist/SetBrowser.h"

#include "app/FrontendSettings.h"
#include "app/ProgramState.h"
#include "app/ScopeGuards.h"
#include "app/UserPrompts.h"
#include "browser/setlist/BrowserActions.h"
#include "browser/setlist/EmptyViewNotice.h"
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetListView.h"
#include "browser/setlist/SetReportView.h"
#include "browser/setlist/SetTreeLayout.h"
#include "browser/setlist/SetTreeModel.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>

namespace qx {
namespace {

const QString kNoFavouritesHint = QStringLiteral(
    "No favourites to show. To add one, right-click a set and choose \u201CAdd To Favourites\u201D.");

} // namespace

SetBrowser::SetBrowser(const BrowserWidgets &widgets, const BrowserActions &actions, BrowserHooks hooks,
                       SetCatalogue &catalogue, ProgramState &state, const FrontendSettings &settings,
                       UserPrompts &prompts, QObject *parent)
    : QObject(parent), m_widgets(widgets), m_hooks(std::move(hooks)), m_catalogue(catalogue), m_state(state),
      m_settings(settings), m_prompts(prompts), m_actions(actions),
      m_listModel(new SetListModel(catalogue, this)), m_treeModel(new SetTreeModel(catalogue, this)) {
    if (m_widgets.list) {
        m_widgets.list->setModel(m_listModel);
        m_notices << new EmptyViewNotice(m_widgets.list->detailsView())
                  << new EmptyViewNotice(m_widgets.list->listView());
    }
    if (QTreeView *tree = m_widgets.tree) {
        tree->setModel(m_treeModel);
        tree->setHeaderHidden(true);
        tree->setUniformRowHeights(true);
        tree->setSelectionMode(QAbstractItemView::SingleSelection);
        tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tree->setExpandsOnDoubleClick(true);      // a parent opens; a set without clones plays
        tree->viewport()->setMouseTracking(true); // hover focus
        m_notices << new EmptyViewNotice(tree);
    }
    connectViews();
    connectActions();
    installFilters();
    RefreshToolTips();
}

SetBrowser::~SetBrowser() = default;

void SetBrowser::connectViews() {
    if (SetListView *list = m_widgets.list) {
        connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex &current) { onListCurrentChanged(current); });
        for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(list->detailsView()),
                                        static_cast<QAbstractItemView *>(list->listView())}) {
            connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
                if (index.isValid() && !busy() && m_hooks.launchSet) {
                    m_hooks.launchSet(m_state.CurrentSetName);
                }
            });
        }
        connect(list->header(), &QHeaderView::sectionClicked, this, &SetBrowser::sortByHeader);
    }
    if (QTreeView *tree = m_widgets.tree) {
        connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex &current) { onTreeCurrentChanged(current); });
        connect(tree, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
            if (index.isValid() && !m_treeModel->hasChildren(index) && !busy() && m_hooks.launchSet) {
                m_hooks.launchSet(m_state.CurrentSetName);
            }
        });
    }
    if (m_widgets.text1) {
        connect(m_widgets.text1, &QLineEdit::textChanged, this, &SetBrowser::onText1Changed);
    }
    if (m_widgets.text2) {
        connect(m_widgets.text2, &QLineEdit::textChanged, this, &SetBrowser::onText2Changed);
    }
}

void SetBrowser::installFilters() {
    QList<QWidget *> watched{m_widgets.text1, m_widgets.text2};
    if (m_widgets.list) {
        watched << m_widgets.list->detailsView() << m_widgets.list->detailsView()->viewport()
                << m_widgets.list->listView() << m_widgets.list->listView()->viewport();
    }
    if (m_widgets.tree) {
        watched << m_widgets.tree << m_widgets.tree->viewport();
    }
    for (QWidget *widget : watched) {
        if (widget) {
            widget->installEventFilter(this);
        }
    }
}

bool SetBrowser::busy() const {
    return m_hooks.isBusy && m_hooks.isBusy();
}

FavouritesFile SetBrowser::favourites() const {
    return FavouritesFile(m_state.favouritesPath());
}

QLineEdit *SetBrowser::shownSearchBox() const {
    return isGrouped() ? m_widgets.text2 : m_widgets.text1;
}

bool SetBrowser::favouritesViewOn() const {
    const BrowserActions &a = m_actions;
    return (a.favourites && a.favourites->isChecked()) || (a.viewFav && a.viewFav->isChecked());
}

bool SetBrowser::ghostIcon() const {
    return m_listModel->ghostClones();
}

void SetBrowser::setGhostIcon(bool ghost) {
    m_listModel->setGhostClones(ghost);
}

int SetBrowser::shownCount() const {
    return isGrouped() ? m_treeModel->nodeCount() : m_listModel->rowCount();
}

// --- Filling ---

void SetBrowser::FillSetList() {
    const FlagScope selecting(m_selecting);
    m_listModel->setRows(FilteredRows(m_catalogue, m_filter));
}

void SetBrowser::FillSetTree() {
    const FlagScope selecting(m_selecting);
    m_treeModel->setLayout(SetTreeLayout::Grouped(m_catalogue, FilteredRows(m_catalogue, m_filter)));
}

void SetBrowser::FillFavouriteList() {
    const FlagScope selecting(m_selecting);
    m_listModel->setRows(FavouriteRows(m_catalogue, favourites().names()));
}

void SetBrowser::FillFavouriteTree() {
    const FlagScope selecting(m_selecting);
    m_treeModel->setLayout(
        SetTreeLayout::Grouped(m_catalogue, FavouriteRows(m_catalogue, favourites().names())));
}

void SetBrowser::SearchSetList(const QString &text) {
    const BusyPointer pointer;
    const FlagScope selecting(m_selecting);
    m_listModel->setRows(searchRows(text));
}

void SetBrowser::SearchSetTree(const QString &text) {
    const BusyPointer pointer;
    const FlagScope selecting(m_selecting);
    m_treeModel->setLayout(SetTreeLayout::Flat(searchRows(text)));
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
    if (isGrouped()) {
        favouritesOnly ? FillFavouriteTree() : FillSetTree();
        ReselectTreeNode();
        ShowTreeSelection();
    } else {
        favouritesOnly ? FillFavouriteList() : FillSetList();
        ReselectListItem();
        ShowListSelection();
    }
}

void SetBrowser::fillShownView() {
    if (m_catalogue.isEmpty()) {
        clearViews();
    } else if (isGrouped()) {
        FillSetTree();
    } else {
        FillSetList();
    }
    setPlayVisible(shownCount() > 0);
}

void SetBrowser::reselectAndShow() {
    if (isGrouped()) {
        ReselectTreeNode();
        ShowTreeSelection();
    } else {
        ReselectListItem();
        ShowListSelection();
    }
}

// --- Selection ---

void SetBrowser::ReselectListItem() {
    if (!m_widgets.list || m_listModel->rowCount() == 0) {
        return;
    }
    const FlagScope selecting(m_selecting);
    int row = m_listModel->rowOfName(m_state.CurrentSetName);
    if (row < 0) {
        row = std::max(m_widgets.list->selectedRow(), 0);
    }
    m_widgets.list->selectRow(row);
}

void SetBrowser::ReselectTreeNode() {
    QTreeView *tree = m_widgets.tree;
    if (!tree || m_treeModel->nodeCount() == 0 || m_catalogue.isEmpty()) {
        return;
    }
    const FlagScope selecting(m_selecting);
    qsizetype record = m_catalogue.indexOfName(m_state.CurrentSetName);
    if (record < 0) {
        record = 0;
    }
    const int node = m_treeModel->firstNodeWithText(m_catalogue.at(record).description());
    if (node == SetTreeLayout::kNoNode) {
        tree->selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_treeModel->indexOfNode(node);
    tree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    tree->scrollTo(index);
}

// The set shown is the current set: what the details, File ▸ Play's caption and every command name is what
// they act on, also when a refill or a search selected another row than the current set's.
void SetBrowser::ShowListSelection() {
    Q_EMIT shownCountChanged(m_listModel->rowCount());
    const std::optional<SetView> record =
        m_widgets.list ? m_listModel->record(m_widgets.list->selectedRow()) : std::nullopt;
    if (record) {
        makeCurrent(*record);
    } else {
        clearDetails();
    }
    updateEmptyViewText();
}

void SetBrowser::ShowTreeSelection() {
    Q_EMIT shownCountChanged(m_treeModel->nodeCount());
    const bool nodeSelected = m_widgets.tree && m_widgets.tree->selectionModel()->hasSelection();
    const std::optional<SetView> record =
        nodeSelected ? recordOfNode(m_treeModel->nodeOf(m_widgets.tree->currentIndex())) : std::nullopt;
    if (record) {
        makeCurrent(*record);
    } else {
        clearDetails();
    }
    updateEmptyViewText();
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
    if (m_actions.filePlay) {
        m_actions.filePlay->setVisible(visible);
    }
    if (m_actions.filePlayBar) {
        m_actions.filePlayBar->setVisible(visible);
    }
}

void SetBrowser::onListCurrentChanged(const QModelIndex &current) {
    if (!m_selecting) {
        m_clickSeen = true;
        listItemClicked(current.row());
    }
}

void SetBrowser::onTreeCurrentChanged(const QModelIndex &current) {
    if (!m_selecting) {
        m_clickSeen = true;
        treeNodeClicked(m_treeModel->nodeOf(current));
    }
}

void SetBrowser::listItemClicked(int row) {
    if (const std::optional<SetView> record = m_listModel->record(row)) {
        makeCurrent(*record);
    }
}

void SetBrowser::treeNodeClicked(int node) {
    if (const std::optional<SetView> record = recordOfNode(node)) {
        makeCurrent(*record);
    }
}

std::optional<SetView> SetBrowser::recordOfNode(int node) const {
    const std::optional<SetView> shown = m_treeModel->recordOfNode(node);
    if (!shown) {
        return std::nullopt;
    }
    // Nodes map back to sets by their text: the first set with that Description.
    const qsizetype index = m_catalogue.indexOfDescription(shown->description());
    return index >= 0 ? m_catalogue.at(index) : *shown;
}

void SetBrowser::makeCurrent(SetView record) {
    m_state.CurrentSetName = record.name().toString();
    if (m_actions.verify && m_state.ShowToolTips) {
        m_actions.verify->setToolTip(QStringLiteral("Verify ") + record.name().toString());
    }
    showDetails(record);
}

bool SetBrowser::PickRandomListSet() {
    const SetRows &rows = m_listModel->rows();
    if (rows.empty() || !m_widgets.list) {
        return false;
    }
    const bool anyAvailable = std::any_of(
        rows.begin(), rows.end(), [this](qsizetype row) { return m_catalogue.at(row).isAvailable(); });
    if (!anyAvailable) {
        m_prompts.inform(QStringLiteral("No available sets found."), kAppTitle, PromptIcon::Information);
        return false;
    }
    for (;;) {
        const int row = int(QRandomGenerator::global()->bounded(quint32(rows.size())));
        const SetView record = m_catalogue.at(rows[std::size_t(row)]);
        if (record.isAvailable()) {
            const FlagScope selecting(m_selecting);
            m_widgets.list->selectRow(row);
            m_state.CurrentSetName = record.name().toString();
            return true;
        }
    }
}

bool SetBrowser::PickRandomTreeSet() {
    const int count = m_treeModel->nodeCount();
    if (count == 0 || !m_widgets.tree) {
        return false;
    }
    bool anyAvailable = false;
    for (int node = 0; node < count && !anyAvailable; ++node) {
        const std::optional<SetView> record = m_treeModel->recordOfNode(node);
        anyAvailable = record && record->isAvailable();
    }
    if (!anyAvailable) {
        m_prompts.inform(QStringLiteral("No available sets found."), kAppTitle, PromptIcon::Information);
        return false;
    }
    for (;;) {
        const int node = int(QRandomGenerator::global()->bounded(quint32(count)));
        const std::optional<SetView> shown = m_treeModel->recordOfNode(node);
        if (shown && shown->isAvailable()) {
            const FlagScope selecting(m_selecting);
            const QModelIndex index = m_treeModel->indexOfNode(node);
            m_widgets.tree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            m_widgets.tree->scrollTo(index);
            // As a click would: the node stands for the first set with its Description.
            m_state.CurrentSetName = recordOfNode(node)->name().toString();
            return true;
        }
    }
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

// --- Search boxes ---

void SetBrowser::onText1Changed(const QString &text) {
    if (m_quietSearch) {
        return;
    }
    m_listModel->clear();
    if (text.isEmpty()) {
        if (busy()) {
            return;
        }
        favouritesViewOn() ? FillFavouriteList() : FillSetList();
        ReselectListItem();
    } else {
        SearchSetList(text);
        if (m_listModel->rowCount() > 0 && m_widgets.list) {
            const FlagScope selecting(m_selecting);
            m_widgets.list->selectRow(std::max(m_widgets.list->selectedRow(), 0));
        }
    }
    ShowListSelection();
}

void SetBrowser::onText2Changed(const QString &text) {
    if (m_quietSearch) {
        return;
    }
    m_treeModel->clear();
    if (!text.isEmpty()) {
        SearchSetTree(text);
        Q_EMIT shownCountChanged(m_treeModel->nodeCount());
        updateEmptyViewText();
    } else if (!busy()) {
        favouritesViewOn() ? FillFavouriteTree() : FillSetTree();
        ReselectTreeNode();
        ShowTreeSelection();
    }
}

void SetBrowser::clearSearchQuietly(QLineEdit *box) {
    if (box && !box->text().isEmpty()) {
        const FlagScope quiet(m_quietSearch);
        box->clear();
    }
}

void SetBrowser::updateEmptyViewText() {
    QString text;
    const QLineEdit *search = shownSearchBox();
    if (search && !search->text().isEmpty()) {
        constexpr int kLongest = 40;
        QString shown = search->text();
        if (shown.size() > kLongest) {
            shown = shown.left(kLongest) + QChar(0x2026);
        }
        text = QStringLiteral("No set matches \u201C%1\u201D").arg(shown);
    } else if (favouritesViewOn()) {
        text = kNoFavouritesHint;
    }
    for (EmptyViewNotice *notice : m_notices) {
        notice->setMessage(text);
    }
}

void SetBrowser::showNoFavouritesHint() {
    QWidget *view = isGrouped() ? static_cast<QWidget *>(m_widgets.tree) : m_widgets.list;
    if (view && view->isVisible()) {
        QToolTip::showText(view->mapToGlobal(view->rect().center()), kNoFavouritesHint, view);
    }
}

// --- Events ---

bool SetBrowser::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            launchFromEnter();
            return true;
        }
        return false;
    }
    if (auto *box = qobject_cast<QLineEdit *>(watched)) {
        if (type == QEvent::MouseButtonDblClick) {
            box->clear();
            return true;
        }
        if (type == QEvent::FocusIn) {
            // Index the catalogue now, so the first keystroke costs no more than the next ones.
            if (!m_searchIndex.isBuiltFor(m_catalogue)) {
                m_searchIndex.rebuild(m_catalogue);
            }
            if (box == m_widgets.text2) {
                showSelected({});
                if (m_hooks.clearSetInfo) {
                    m_hooks.clearSetInfo();
                }
            }
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
        return false;
    }
    if (auto *viewport = qobject_cast<QWidget *>(watched)) {
        return handleViewMouse(viewport, event);
    }
    return false;
}

bool SetBrowser::handleViewMouse(QWidget *viewport, QEvent *event) {
    auto *view = qobject_cast<QAbstractItemView *>(viewport->parentWidget());
    if (!view || view->viewport() != viewport) {
        return false;
    }
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove) {
        if (m_mouseFocus && !busy() && !view->hasFocus()) {
            view->setFocus(Qt::MouseFocusReason);
        }
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick) {
        return false;
    }
    if (busy()) {
        return true;
    }
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const bool overItem = view->indexAt(mouse->position().toPoint()).isValid();
    const bool isTree = view == m_widgets.tree;
    if (type != QEvent::MouseButtonRelease) {
        m_clickSeen = false;
        // A left click on empty space must not drop the selection.
        return !overItem && mouse->button() == Qt::LeftButton && !isTree;
    }
    if (overItem && !m_clickSeen) {
        // A click on the item that was already selected still makes it the current set.
        const QModelIndex current = view->currentIndex();
        isTree ? treeNodeClicked(m_treeModel->nodeOf(current)) : listItemClicked(current.row());
    }
    m_clickSeen = true;
    if (mouse->button() == Qt::RightButton) {
        if (overItem) {
            prepareItemPopup();
            openPopup(m_widgets.itemPopup);
        } else {
            openPopup(m_widgets.generalPopup);
        }
        return true;
    }
    if (mouse->button() == Qt::LeftButton && !overItem && !isTree && m_widgets.list) {
        const FlagScope selecting(m_selecting);
        m_widgets.list->selectRow(m_widgets.list->selectedRow());
    }
    return false;
}

void SetBrowser::openPopup(QMenu *menu) {
    if (menu) {
        menu->popup(QCursor::pos());
    }
}

} // namespace qx
