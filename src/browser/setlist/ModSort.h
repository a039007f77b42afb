#pragma once

#include <QStringList>

namespace qx {

// Sorts ascending, ignoring case, with the exact outcome of a selection sort: for each position from the
// first, the smallest remaining text (the earliest one among equals) is swapped into it, also when it is
// already there. Texts that differ only in case therefore end up in the order this swapping leaves them,
// which is not always their original order. The result is computed in n log n, so favourites files of
// any size sort quickly.
void ModSort(QStringList &texts);

} // namespace qx
