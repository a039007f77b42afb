#include "browser/setlist/SetListView.h"

#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetReportView.h"

#include <QHeaderView>
#include <QListView>
#include <QStackedLayout>

namespace qx {

SetListView::SetListView(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lvListView"));
    m_details = new SetReportView(this);
    m_details->setObjectName(QStringLiteral("lvListViewDetails"));
    m_details->setSelectionMode(QAbstractItemView::SingleSelection);
    m_details->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_details->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_details->viewport()->setMouseTracking(true); // hover focus

    m_details->setSortingEnabled(false); // header clicks are handled by the browser's sort rules
    QHeaderView *header = m_details->horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);

    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("lvListViewList"));
    m_list->setViewMode(QListView::ListMode);
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->viewport()->setMouseTracking(true);

    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_list);
    m_stack->addWidget(m_details);
    setViewStyle(ViewMode::Details);
}

void SetListView::setModel(SetListModel *model) {
    m_model = model;
    m_details->setModel(model);
    QItemSelectionModel *previous = m_list->selectionModel();
    m_list->setModel(model);
    m_list->setModelColumn(0);
    // One selection for both styles, so switching style keeps the selected set.
    m_list->setSelectionModel(m_details->selectionModel());
    if (previous && previous != m_details->selectionModel()) {
        previous->deleteLater();
    }
}

QItemSelectionModel *SetListView::selectionModel() const {
    return m_details->selectionModel();
}

void SetListView::setViewStyle(ViewMode style) {
    if (style == ViewMode::Grouped) {
        return;
    }
    const bool hadFocus = activeView()->hasFocus();
    m_style = style;
    m_stack->setCurrentWidget(activeView());
    setFocusProxy(activeView());
    if (hadFocus) {
        activeView()->setFocus();
    }
    const int row = selectedRow();
    if (row >= 0) {
        scrollToRow(row);
    }
}

QAbstractItemView *SetListView::activeView() const {
    return m_style == ViewMode::List ? static_cast<QAbstractItemView *>(m_list) : m_details;
}

QHeaderView *SetListView::header() const {
    return m_details->horizontalHeader();
}

int SetListView::selectedRow() const {
    const QItemSelectionModel *selection = selectionModel();
    if (!selection) {
        return -1;
    }
    const QModelIndexList rows = selection->selectedRows();
    if (!rows.isEmpty()) {
        return rows.first().row();
    }
    // Without full-row selection a single cell is selected.
    const QModelIndexList cells = selection->selectedIndexes();
    return cells.isEmpty() ? -1 : cells.first().row();
}

void SetListView::selectRow(int row) {
    QItemSelectionModel *selection = selectionModel();
    if (!selection || !m_model) {
        return;
    }
    if (row < 0 || row >= m_model->rowCount()) {
        selection->clear();
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollToRow(row);
}

void SetListView::scrollToRow(int row) {
    if (m_model && row >= 0 && row < m_model->rowCount()) {
        activeView()->scrollTo(m_model->index(row, 0));
    }
}

void SetListView::setFullRowSelect(bool on) {
    m_details->setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

ColumnList SetListView::columnOrder() const {
    ColumnList order = kDefaultColumnOrder;
    const QHeaderView *head = header();
    for (int position = 0; position < int(order.size()) && position < head->count(); ++position) {
        order[std::size_t(position)] = head->logicalIndex(position);
    }
    return order;
}

void SetListView::setColumnOrder(const ColumnList &order) {
    QHeaderView *head = header();
    for (int position = 0; position < int(order.size()); ++position) {
        const int column = order[std::size_t(position)];
        if (column < head->count()) {
            head->moveSection(head->visualIndex(column), position);
        }
    }
}

ColumnList SetListView::columnWidths() const {
    ColumnList widths = DefaultColumnWidths();
    for (int column = 0; column < int(widths.size()) && column < header()->count(); ++column) {
        widths[std::size_t(column)] = header()->sectionSize(column);
    }
    return widths;
}

void SetListView::setColumnWidths(const ColumnList &widths) {
    for (int column = 0; column < int(widths.size()) && column < header()->count(); ++column) {
        header()->resizeSection(column, widths[std::size_t(column)]);
    }
}

void SetListView::setSortIndicator(SetColumn column, bool descending) {
    QHeaderView *head = header();
    head->setSortIndicatorShown(true);
    head->setSortIndicator(int(column), descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

} // namespace qx
