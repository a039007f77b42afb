#include "browser/setlist/HeaderSortState.h"

namespace qx {

void HeaderSortState::click(SetColumn column) {
    if (column == m_sortColumn) {
        m_descending[std::size_t(column)] = !m_descending[std::size_t(column)];
    }
    m_sortColumn = column;
}

} // namespace qx
