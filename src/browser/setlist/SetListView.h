#pragma once

#include "browser/setlist/ColumnLayout.h"
#include "browser/setlist/SetRows.h"
#include "browser/setlist/ViewMode.h"

#include <QWidget>

class QAbstractItemView;
class QHeaderView;
class QItemSelectionModel;
class QListView;
class QStackedLayout;

namespace qx {

class SetListModel;
class SetReportView;

// The set list control (lvListView): one model and one selection shown either as a report with the seven
// columns (Details) or as a flowing list of descriptions (List). Both views have uniform
// item sizes, so tens of thousands of rows lay out at once.
class SetListView : public QWidget {
    Q_OBJECT
public:
    explicit SetListView(QWidget *parent = nullptr);

    void setModel(SetListModel *model);
    SetListModel *model() const { return m_model; }
    QItemSelectionModel *selectionModel() const;

    // List or Details; Grouped (the tree's) is ignored.
    void setViewStyle(ViewMode style);
    ViewMode viewStyle() const { return m_style; }

    SetReportView *detailsView() const { return m_details; }
    QListView *listView() const { return m_list; }
    // The view of the current style.
    QAbstractItemView *activeView() const;
    QHeaderView *header() const;

    // The selected row, or -1.
    int selectedRow() const;
    // Makes the row current and selected and scrolls it into view; -1 clears the selection.
    void selectRow(int row);
    void scrollToRow(int row);

    void setFullRowSelect(bool on);

    // Column order (logical column per display position) and widths (per column), as ColumnPos and
    // ColumnWidths store them.
    ColumnList columnOrder() const;
    void setColumnOrder(const ColumnList &order);
    ColumnList columnWidths() const;
    void setColumnWidths(const ColumnList &widths);

    // The header's sort arrow.
    void setSortIndicator(SetColumn column, bool descending);

private:
    SetReportView *m_details = nullptr;
    QListView *m_list = nullptr;
    QStackedLayout *m_stack = nullptr;
    SetListModel *m_model = nullptr;
    ViewMode m_style = ViewMode::Details;
};

} // namespace qx
