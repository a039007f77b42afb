#pragma once

#include "browser/setlist/SetRows.h"
#include "catalogue/SetRecord.h"

#include <QString>

namespace qx {

// The search of the set browser: a set matches when the text occurs in Description + Name + Parent joined
// without a separator, ignoring case, so a match may run across the seam of two fields ("pac" finds
// Description "...pa" with Name "c..."). The text is plain text: regex characters have no meaning. Each set's
// joined text is folded once in advance, so a keystroke costs one plain scan of the whole catalogue; the
// index is rebuilt when the catalogue it was made for is replaced. The availability filters do not apply.
class SearchIndex {
public:
    // Whether the index still describes this catalogue (the same records, not a reloaded list).
    bool isBuiltFor(const SetCatalogue &catalogue) const;
    void rebuild(const SetCatalogue &catalogue);
    void clear();
    // Every set that matches the text, in catalogue order.
    SetRows search(const QString &text) const;

private:
    std::vector<QString> m_folded;
    quint64 m_catalogueIdentity = 0;
};

} // namespace qx
