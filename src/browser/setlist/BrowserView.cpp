#include "browser/setlist/BrowserView.h"

#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetListView.h"
#include "browser/setlist/SetTreeLayout.h"
#include "browser/setlist/SetTreeModel.h"

#include <QItemSelectionModel>
#include <QTreeView>

namespace qx {

// --- The list ---

QWidget *ListBrowserView::widget() const {
    return &m_list;
}

void ListBrowserView::fill(const SetRows &rows) {
    m_model.setRows(rows);
}

void ListBrowserView::clear() {
    m_model.clear();
}

int ListBrowserView::count() const {
    return m_model.rowCount();
}

void ListBrowserView::reselect(const QString &currentSetName) {
    if (m_model.rowCount() == 0) {
        return;
    }
    int row = m_model.rowOfName(currentSetName);
    if (row < 0) {
        row = std::max(m_list.selectedRow(), 0);
    }
    m_list.selectRow(row);
}

void ListBrowserView::select(int item) {
    m_list.selectRow(item);
}

std::optional<SetView> ListBrowserView::setAt(int item) const {
    return m_model.record(item);
}

std::optional<SetView> ListBrowserView::setOf(const QModelIndex &index) const {
    return m_model.record(index.row());
}

std::optional<SetView> ListBrowserView::selectedSet() const {
    return m_model.record(m_list.selectedRow());
}

// --- The tree ---

QWidget *TreeBrowserView::widget() const {
    return &m_tree;
}

void TreeBrowserView::fill(const SetRows &rows) {
    m_model.setLayout(SetTreeLayout::Grouped(m_catalogue, rows));
}

void TreeBrowserView::fillFlat(const SetRows &rows) {
    m_model.setLayout(SetTreeLayout::Flat(rows));
}

void TreeBrowserView::clear() {
    m_model.clear();
}

int TreeBrowserView::count() const {
    return m_model.nodeCount();
}

void TreeBrowserView::reselect(const QString &currentSetName) {
    if (m_model.nodeCount() == 0 || m_catalogue.isEmpty()) {
        return;
    }
    const qsizetype record = std::max<qsizetype>(m_catalogue.indexOfName(currentSetName), 0);
    const int node = m_model.firstNodeWithText(m_catalogue.at(record).description());
    if (node == SetTreeLayout::kNoNode) {
        m_tree.selectionModel()->clear();
        return;
    }
    select(node);
}

void TreeBrowserView::select(int item) {
    const QModelIndex index = m_model.indexOfNode(item);
    m_tree.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_tree.scrollTo(index);
}

std::optional<SetView> TreeBrowserView::setAt(int item) const {
    return m_model.recordOfNode(item);
}

std::optional<SetView> TreeBrowserView::setOf(const QModelIndex &index) const {
    const std::optional<SetView> shown = m_model.recordOfNode(m_model.nodeOf(index));
    if (!shown) {
        return std::nullopt;
    }
    // Nodes map back to sets by their text: the first set with that Description.
    const qsizetype first = m_catalogue.indexOfDescription(shown->description());
    return first >= 0 ? m_catalogue.at(first) : *shown;
}

std::optional<SetView> TreeBrowserView::selectedSet() const {
    if (!m_tree.selectionModel()->hasSelection()) {
        return std::nullopt;
    }
    return setOf(m_tree.currentIndex());
}

} // namespace qx
