#pragma once

#include "catalogue/SetCatalogue.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace qx {

// The rows a view shows, as indices into the SetCatalogue; views never copy the records.
using SetRows = std::vector<qsizetype>;

// Which sets the availability filters let through. Both off lets nothing through; the menus and the
// toolbar never leave both off, but the fill must not misbehave if they are.
struct AvailabilityFilter {
    bool showAvailable = true;
    bool showUnavailable = true;

    bool accepts(SetView record) const { return record.isAvailable() ? showAvailable : showUnavailable; }
};

// Every set the filter accepts, in catalogue order.
SetRows FilteredRows(const SetCatalogue &catalogue, AvailabilityFilter filter);

// The first set of each favourite name (exact, case-sensitive), in the order of the names; names the
// catalogue lacks are skipped. The availability filters do not apply to favourites.
SetRows FavouriteRows(const SetCatalogue &catalogue, const QStringList &names);

// The list's columns, in the model's order (the header may show them in another). Year sits before
// Manufacturer here, unlike in the record.
enum class SetColumn { Description, Name, Parent, Year, Manufacturer, Status, Driver };
inline constexpr int kSetColumnCount = 7;
// The column of a model column number; nullopt outside the list's columns.
std::optional<SetColumn> SetColumnAt(int column);

// The text the list shows in a column.
QUtf8StringView ColumnText(SetView record, SetColumn column);

// Orders rows by the text of a column, ignoring case; rows with equal text keep their relative order.
void SortRowsByColumn(const SetCatalogue &catalogue, SetRows &rows, SetColumn column, bool descending);

// The place of every set of the catalogue in the order of a column's text (case ignored); equal texts share
// a place. Computed once per column, it lets any later list of rows be sorted by comparing numbers.
std::vector<int> ColumnRanks(const SetCatalogue &catalogue, SetColumn column);
// The same order as SortRowsByColumn, from the ranks of that column.
void SortRowsByRank(SetRows &rows, const std::vector<int> &ranks, bool descending);

} // namespace qx
