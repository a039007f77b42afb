#include "catalogue/SetCatalogue.h"

namespace qx {

SetCatalogue::SetCatalogue(QList<SetRecord> records) : m_records(std::move(records)) {
    buildIndexes();
}

void SetCatalogue::buildIndexes() {
    m_byName.clear();
    m_byDescription.clear();
    m_byName.reserve(m_records.size());
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        const SetRecord &record = m_records.at(i);
        // The first record of a name wins, as the views' look-ups expect.
        if (!m_byName.contains(record.Name)) {
            m_byName.insert(record.Name, i);
        }
    }
}

qsizetype SetCatalogue::indexOfName(const QString &name) const {
    return m_byName.value(name, -1);
}

qsizetype SetCatalogue::indexOfDescription(const QString &description) const {
    if (m_byDescription.isEmpty() && !m_records.isEmpty()) {
        m_byDescription.reserve(m_records.size());
        for (qsizetype i = 0; i < m_records.size(); ++i) {
            // The first record of a description wins, as the Grouped view's look-ups expect.
            const QString &description = m_records.at(i).Description;
            if (!m_byDescription.contains(description)) {
                m_byDescription.insert(description, i);
            }
        }
    }
    return m_byDescription.value(description, -1);
}

bool SetCatalogue::setState(const QString &name, SetState state) {
    const qsizetype index = indexOfName(name);
    if (index < 0) {
        return false;
    }
    m_records[index].State = state;
    return true;
}

void SetCatalogue::clear() {
    m_records.clear();
    m_byName.clear();
    m_byDescription.clear();
}

} // namespace qx
