#pragma once

#include <vector>

namespace qx {

// The list's header-click sorting. Each column remembers its direction (ascending until it is reversed).
// Clicking a column sorts it in its remembered direction; clicking the column that is already the sort
// column reverses it first. So Year, Year, Name, Year gives Year ascending, Year descending, Name
// ascending, Year descending. The state lasts for the run only.
class HeaderSortState {
public:
    explicit HeaderSortState(int columnCount);

    // Records a click on a column (0-based); out-of-range columns are ignored.
    void click(int column);

    bool isSorted() const { return m_sortColumn >= 0; }
    int sortColumn() const { return m_sortColumn; } // -1 while nothing was sorted
    bool descending() const { return isSorted() && m_descending[std::size_t(m_sortColumn)]; }
    bool rememberedDescending(int column) const { return m_descending.at(std::size_t(column)); }

private:
    std::vector<bool> m_descending;
    int m_sortColumn = -1;
};

} // namespace qx
