#include "browser/setlist/SetListModel.h"

#include "browser/setlist/StateIcons.h"

#include <QHash>

namespace qx {

const QStringList &SetColumnCaptions() {
    static const QStringList captions{QStringLiteral("Description"),  QStringLiteral("Name"),
                                      QStringLiteral("Parent"),       QStringLiteral("Year"),
                                      QStringLiteral("Manufacturer"), QStringLiteral("Status"),
                                      QStringLiteral("Driver")};
    return captions;
}

SetListModel::SetListModel(const SetCatalogue &catalogue, QObject *parent)
    : QAbstractTableModel(parent), m_catalogue(catalogue) {}

int SetListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SetListModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : kSetColumnCount;
}

QVariant SetListModel::data(const QModelIndex &index, int role) const {
    const std::optional<SetView> set = index.isValid() ? record(index.row()) : std::nullopt;
    const std::optional<SetColumn> column = SetColumnAt(index.column());
    if (!set || !column) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return ColumnText(*set, *column).toString();
    case Qt::DecorationRole:
        if (column == SetColumn::Description) {
            return StateIcons::icon(set->state(), isGhosted(*set));
        }
        break;
    case Qt::ForegroundRole:
        if (isGhosted(*set)) {
            return m_ghostColour;
        }
        break;
    default:
        break;
    }
    return {};
}

QVariant SetListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kSetColumnCount) {
        return SetColumnCaptions().at(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags SetListModel::flags(const QModelIndex &index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void SetListModel::setRows(SetRows rows) {
    beginResetModel();
    m_rows = std::move(rows);
    sortRows();
    endResetModel();
}

qsizetype SetListModel::recordAt(int row) const {
    return row >= 0 && row < int(m_rows.size()) ? m_rows[std::size_t(row)] : -1;
}

std::optional<SetView> SetListModel::record(int row) const {
    const qsizetype index = recordAt(row);
    if (index < 0 || index >= m_catalogue.size()) {
        return std::nullopt;
    }
    return m_catalogue.at(index);
}

void SetListModel::removeRow(int row) {
    if (row < 0 || row >= int(m_rows.size())) {
        return;
    }
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

int SetListModel::rowOfName(const QString &name) const {
    const QByteArray wanted = name.toUtf8();
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (Utf8Bytes(m_catalogue.at(m_rows[row]).name()) == wanted) {
            return int(row);
        }
    }
    return -1;
}

void SetListModel::refreshSet(const QString &name) {
    const int row = rowOfName(name);
    if (row >= 0) {
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

void SetListModel::setGhostClones(bool ghost) {
    if (ghost == m_ghostClones) {
        return;
    }
    m_ghostClones = ghost;
    if (!m_rows.empty()) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kSetColumnCount - 1),
                           {Qt::DecorationRole, Qt::ForegroundRole});
    }
}

void SetListModel::sortByColumn(SetColumn column, bool descending) {
    m_sortColumn = column;
    m_sortDescending = descending;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<qsizetype> recordsBefore;
    recordsBefore.reserve(before.size());
    for (const QModelIndex &index : before) {
        recordsBefore.append(recordAt(index.row()));
    }
    sortRows();
    if (!before.isEmpty()) {
        // Only the few persistent indexes (selection, current) need their new rows.
        QHash<qsizetype, int> newRow;
        for (std::size_t row = 0; row < m_rows.size(); ++row) {
            if (!newRow.contains(m_rows[row])) {
                newRow.insert(m_rows[row], int(row));
            }
        }
        QModelIndexList after;
        after.reserve(before.size());
        for (qsizetype i = 0; i < before.size(); ++i) {
            after.append(index(newRow.value(recordsBefore.at(i), 0), before.at(i).column()));
        }
        changePersistentIndexList(before, after);
    }
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void SetListModel::sortRows() {
    if (!m_sortColumn) {
        return;
    }
    const quint64 catalogue = m_catalogue.identity();
    if (m_ranksColumn != m_sortColumn || m_ranksCatalogue != catalogue ||
        m_ranks.size() != std::size_t(m_catalogue.size())) {
        m_ranks = ColumnRanks(m_catalogue, *m_sortColumn);
        m_ranksColumn = m_sortColumn;
        m_ranksCatalogue = catalogue;
    }
    SortRowsByRank(m_rows, m_ranks, m_sortDescending);
}

void SetListModel::catalogueReplaced() {
    m_ranks.clear();
    m_ranksColumn.reset();
    m_ranksCatalogue = 0;
}

} // namespace qx
