#pragma once

#include <QString>
#include <array>

namespace qx {

// The list columns' stored layout: ColumnPos (display order, one column index per position) and
// ColumnWidths (pixel widths in column order). A value that cannot be used as a whole falls back to the
// default layout rather than leaving the columns half-applied.
using ColumnList = std::array<int, 7>;

inline constexpr ColumnList kDefaultColumnOrder{0, 1, 2, 3, 4, 5, 6};

// The first seven numbers, when they are each column exactly once (the stored default has an eighth);
// otherwise the identity order.
ColumnList ParseColumnOrder(const QString &text);
// The first seven numbers when they are all non-negative whole numbers; otherwise the defaults.
ColumnList ParseColumnWidths(const QString &text);
// The widths of the default settings file.
ColumnList DefaultColumnWidths();
// The numbers joined by "," without a trailing comma, as both keys are written.
QString FormatColumnList(const ColumnList &values);

} // namespace qx
