#pragma once

#include "browser/setlist/SetRows.h"

#include <array>
#include <optional>

namespace qx {

// The list's header-click sorting. Each column remembers its direction (ascending until it is reversed).
// Clicking a column sorts it in its remembered direction; clicking the column that is already the sort
// column reverses it first. So Year, Year, Name, Year gives Year ascending, Year descending, Name
// ascending, Year descending. The state lasts for the run only.
class HeaderSortState {
public:
    void click(SetColumn column);

    bool isSorted() const { return m_sortColumn.has_value(); }
    std::optional<SetColumn> sortColumn() const { return m_sortColumn; } // nullopt while nothing was sorted
    bool descending() const { return isSorted() && rememberedDescending(*m_sortColumn); }
    bool rememberedDescending(SetColumn column) const { return m_descending[std::size_t(column)]; }

private:
    std::array<bool, kSetColumnCount> m_descending{};
    std::optional<SetColumn> m_sortColumn;
};

} // namespace qx
