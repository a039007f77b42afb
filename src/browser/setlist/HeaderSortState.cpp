#include "browser/setlist/HeaderSortState.h"

namespace qx {

HeaderSortState::HeaderSortState(int columnCount) : m_descending(std::size_t(columnCount), false) {}

void HeaderSortState::click(int column) {
    if (column < 0 || column >= int(m_descending.size())) {
        return;
    }
    if (column == m_sortColumn) {
        m_descending[std::size_t(column)] = !m_descending[std::size_t(column)];
    }
    m_sortColumn = column;
}

} // namespace qx
