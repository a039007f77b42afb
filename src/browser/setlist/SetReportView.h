#pragma once

#include <QTableView>

namespace qx {

// The report style of the set list: a table of whole-row items that moves like a list. Home and End go to the
// first and last set, Left and Right scroll the columns instead of moving between cells, and typing searches
// the descriptions. A table view keeps nothing per row (a tree view keeps an entry for each), so the whole
// catalogue lays out at once.
class SetReportView : public QTableView {
    Q_OBJECT
public:
    explicit SetReportView(QWidget *parent = nullptr);

    // Typing finds a set by its description, as in a list, whichever column was clicked last.
    void keyboardSearch(const QString &search) override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
};

} // namespace qx
