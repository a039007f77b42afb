#include "browser/setlist/ModSort.h"

#include <set>
#include <utility>
#include <vector>

namespace qx {

void ModSort(QStringList &texts) {
    const qsizetype count = texts.size();
    if (count < 2) {
        return;
    }
    // The candidates still to be placed, ordered as the selection sort picks them: by folded text, then by
    // current position (only a strictly smaller text replaces the candidate, so the earliest equal wins).
    std::vector<QString> keys;
    keys.reserve(std::size_t(count));
    std::set<std::pair<QString, qsizetype>> remaining;
    for (qsizetype i = 0; i < count; ++i) {
        keys.push_back(texts.at(i).toCaseFolded());
        remaining.emplace(keys.back(), i);
    }
    for (qsizetype i = 0; i + 1 < count; ++i) {
        const auto smallest = remaining.begin();
        const qsizetype from = smallest->second;
        remaining.erase(smallest);
        if (from != i) {
            // The text at position i moves to where the smallest one was.
            remaining.erase({keys[std::size_t(i)], i});
            remaining.emplace(keys[std::size_t(i)], from);
            texts.swapItemsAt(i, from);
            std::swap(keys[std::size_t(i)], keys[std::size_t(from)]);
        }
    }
}

} // namespace qx
