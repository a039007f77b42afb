#include "browser/setlist/SetRows.h"

#include <algorithm>
#include <numeric>

namespace qx {

SetRows FilteredRows(const SetCatalogue &catalogue, AvailabilityFilter filter) {
    SetRows rows;
    if (!filter.showAvailable && !filter.showUnavailable) {
        return rows;
    }
    rows.reserve(std::size_t(catalogue.size()));
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        if (filter.accepts(catalogue.at(i))) {
            rows.push_back(i);
        }
    }
    return rows;
}

SetRows FavouriteRows(const SetCatalogue &catalogue, const QStringList &names) {
    SetRows rows;
    for (const QString &name : names) {
        const qsizetype index = catalogue.indexOfName(name);
        if (index >= 0) {
            rows.push_back(index);
        }
    }
    return rows;
}

std::optional<SetColumn> SetColumnAt(int column) {
    if (column < 0 || column >= kSetColumnCount) {
        return std::nullopt;
    }
    return static_cast<SetColumn>(column);
}

QUtf8StringView ColumnText(SetView record, SetColumn column) {
    switch (column) {
    case SetColumn::Description:
        return record.description();
    case SetColumn::Name:
        return record.name();
    case SetColumn::Parent:
        return record.parent();
    case SetColumn::Year:
        return record.year();
    case SetColumn::Manufacturer:
        return record.manufacturer();
    case SetColumn::Status:
        return record.status();
    case SetColumn::Driver:
        return record.driver();
    }
    return {};
}

void SortRowsByColumn(const SetCatalogue &catalogue, SetRows &rows, SetColumn column, bool descending) {
    SortRowsByRank(rows, ColumnRanks(catalogue, column), descending);
}

std::vector<int> ColumnRanks(const SetCatalogue &catalogue, SetColumn column) {
    const std::size_t count = std::size_t(catalogue.size());
    // Folding each text once beats folding both sides of every one of the n log n comparisons.
    std::vector<QString> keys;
    keys.reserve(count);
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        keys.push_back(ColumnText(catalogue.at(i), column).toString().toCaseFolded());
    }
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&keys](int a, int b) { return keys[std::size_t(a)] < keys[std::size_t(b)]; });
    std::vector<int> ranks(count);
    int rank = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && keys[std::size_t(order[i])] != keys[std::size_t(order[i - 1])]) {
            ++rank;
        }
        ranks[std::size_t(order[i])] = rank;
    }
    return ranks;
}

void SortRowsByRank(SetRows &rows, const std::vector<int> &ranks, bool descending) {
    const auto rankOf = [&ranks](qsizetype row) {
        return row >= 0 && std::size_t(row) < ranks.size() ? ranks[std::size_t(row)] : -1;
    };
    if (descending) {
        std::stable_sort(rows.begin(), rows.end(),
                         [&rankOf](qsizetype a, qsizetype b) { return rankOf(b) < rankOf(a); });
    } else {
        std::stable_sort(rows.begin(), rows.end(),
                         [&rankOf](qsizetype a, qsizetype b) { return rankOf(a) < rankOf(b); });
    }
}

} // namespace qx
