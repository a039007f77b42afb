#include "browser/setlist/SetSearch.h"

#include <QStringMatcher>

namespace qx {

namespace {

// The text a search looks in: Description, Name and Parent joined without a separator, written into a
// string the caller reuses so a scan of the whole catalogue does not allocate per set.
void writeSearchedText(QString &joined, SetView record) {
    joined.resize(0);
    AppendText(joined, record.description());
    AppendText(joined, record.name());
    AppendText(joined, record.parent());
}

// Case folding for the search: an ASCII text (nearly every set) folds by a plain loop, which is many times
// faster than the general Unicode folding and gives the same result for ASCII.
QString folded(QStringView text) {
    QString result(text.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0x80) {
            return text.toString().toCaseFolded();
        }
        out[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c);
    }
    return result;
}

} // namespace

bool SearchIndex::isBuiltFor(const SetCatalogue &catalogue) const {
    return m_catalogueIdentity == catalogue.identity() && m_folded.size() == std::size_t(catalogue.size());
}

void SearchIndex::rebuild(const SetCatalogue &catalogue) {
    m_folded.clear();
    m_folded.reserve(std::size_t(catalogue.size()));
    QString joined;
    for (const SetView record : catalogue) {
        writeSearchedText(joined, record);
        m_folded.push_back(folded(joined));
    }
    m_catalogueIdentity = catalogue.identity();
}

void SearchIndex::clear() {
    m_folded.clear();
    m_catalogueIdentity = 0;
}

SetRows SearchIndex::search(const QString &text) const {
    SetRows rows;
    const QStringMatcher matcher(folded(text), Qt::CaseSensitive);
    for (std::size_t i = 0; i < m_folded.size(); ++i) {
        if (matcher.indexIn(m_folded[i]) >= 0) {
            rows.push_back(qsizetype(i));
        }
    }
    return rows;
}

} // namespace qx
