#include "browser/setlist/SetReportView.h"

#include <QHeaderView>
#include <QScrollBar>

namespace qx {

SetReportView::SetReportView(QWidget *parent) : QTableView(parent) {
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    // A row is as high as a line of text or a state icon, as in a list.
    const int rowHeight = std::max(fontMetrics().height(), 16) + 4;
    rows->setMinimumSectionSize(rowHeight);
    rows->setDefaultSectionSize(rowHeight);
    QHeaderView *columns = horizontalHeader();
    columns->setHighlightSections(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void SetReportView::keyboardSearch(const QString &search) {
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.column() != 0) {
        selectionModel()->setCurrentIndex(current.siblingAtColumn(0), QItemSelectionModel::NoUpdate);
    }
    QTableView::keyboardSearch(search);
}

QModelIndex SetReportView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    switch (cursorAction) {
    case MoveHome:
    case MoveEnd: {
        // The first or last set, staying in the cursor's column.
        const int rows = model() ? model()->rowCount(rootIndex()) : 0;
        if (rows == 0) {
            return current;
        }
        const int row = cursorAction == MoveHome ? 0 : rows - 1;
        return model()->index(row, current.isValid() ? current.column() : 0, rootIndex());
    }
    case MoveLeft:
    case MoveRight: {
        QScrollBar *bar = horizontalScrollBar();
        const int step = cursorAction == MoveLeft ? -bar->singleStep() : bar->singleStep();
        bar->setValue(bar->value() + step * 4);
        return current;
    }
    default:
        return QTableView::moveCursor(cursorAction, modifiers);
    }
}

} // namespace qx
