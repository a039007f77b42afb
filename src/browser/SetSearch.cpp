#include "browser/SetSearch.h"

namespace qx {

SearchMatcher::SearchMatcher(const QString &text) : m_matcher(text, Qt::CaseInsensitive) {}

bool SearchMatcher::matches(const SetRecord &record) const {
    m_joined.resize(0);
    m_joined.append(record.Description).append(record.Name).append(record.Parent);
    return m_matcher.indexIn(m_joined) >= 0;
}

namespace {

// Case folding for the search: an ASCII text (nearly every set) folds by a plain loop, which is many times
// faster than the general Unicode folding and gives the same result for ASCII.
QString folded(const QString &text) {
    QString result(text.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0x80) {
            return text.toCaseFolded();
        }
        out[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c);
    }
    return result;
}

} // namespace

bool SearchIndex::isBuiltFor(const SetCatalogue &catalogue) const {
    return m_records == catalogue.records().constData() && m_folded.size() == std::size_t(catalogue.size()) &&
           m_records != nullptr;
}

void SearchIndex::rebuild(const SetCatalogue &catalogue) {
    m_folded.clear();
    m_folded.reserve(std::size_t(catalogue.size()));
    for (const SetRecord &record : catalogue.records()) {
        m_folded.push_back(folded(record.Description + record.Name + record.Parent));
    }
    m_records = catalogue.records().constData();
}

void SearchIndex::clear() {
    m_folded.clear();
    m_records = nullptr;
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
