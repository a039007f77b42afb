#pragma once

#include "browser/setlist/SetRows.h"

#include <QAbstractTableModel>
#include <QColor>
#include <optional>

namespace qx {

// The flat list of sets behind the List and Details styles: one row per catalogue index, seven columns.
// Clones are drawn ghosted (faded text and icon) while ghosting is on. The model keeps its sort: rows
// handed to it later are ordered by the sort column, as a sorted list keeps new items in order.
class SetListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SetListModel(const SetCatalogue &catalogue, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Replaces every row (a reset: the views drop their selection).
    void setRows(SetRows rows);
    void clear() { setRows({}); }
    const SetRows &rows() const { return m_rows; }
    // The catalogue index of a row, or -1.
    qsizetype recordAt(int row) const;
    std::optional<SetView> record(int row) const;
    // Removes one row (a favourite taken out of the Favourites view).
    void removeRow(int row);
    // The first row showing the set with that Name, or -1.
    int rowOfName(const QString &name) const;
    // Redraws the row of a set whose record changed (a verify turned it available or unavailable).
    void refreshSet(const QString &name);

    void setGhostClones(bool ghost);
    bool ghostClones() const { return m_ghostClones; }
    void setGhostColour(const QColor &colour) { m_ghostColour = colour; }

    // Orders the rows by a column's text (case ignored); kept for later setRows calls. Persistent indexes
    // (the selection) follow their rows.
    void sortByColumn(SetColumn column, bool descending);
    std::optional<SetColumn> sortColumn() const { return m_sortColumn; }
    bool sortDescending() const { return m_sortDescending; }
    // Forgets what was computed from the catalogue's texts; call when the catalogue is replaced.
    void catalogueReplaced();

private:
    void sortRows();

    bool isGhosted(SetView record) const { return m_ghostClones && record.isClone(); }

    const SetCatalogue &m_catalogue;
    SetRows m_rows;
    bool m_ghostClones = true;
    QColor m_ghostColour{128, 128, 128};
    std::optional<SetColumn> m_sortColumn;
    bool m_sortDescending = false;
    // The sort column's ranks of every set, kept so that refills sort by numbers only.
    std::vector<int> m_ranks;
    std::optional<SetColumn> m_ranksColumn;
    quint64 m_ranksCatalogue = 0;
};

// The column captions, in column order.
const QStringList &SetColumnCaptions();

} // namespace qx
