#pragma once

#include "browser/setlist/SetRows.h"
#include "catalogue/SetRecord.h"

#include <QString>
#include <QStringMatcher>

namespace qx {

// The search of the set browser: a set matches when the text occurs in Description + Name + Parent joined
// without a separator, ignoring case, so a match may run across the seam of two fields ("pac" finds
// Description "...pa" with Name "c..."). The text is plain text: regex characters have no meaning.
class SearchMatcher {
public:
    explicit SearchMatcher(const QString &text);

    bool matches(SetView record) const;

private:
    QStringMatcher m_matcher;
    // Reused for every record so a scan of the whole catalogue does not allocate per set.
    mutable QString m_joined;
};

// The same search over a whole catalogue, with each set's joined text folded once in advance, so a keystroke
// costs one plain scan. Rebuilt when the catalogue it was made for is replaced.
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
