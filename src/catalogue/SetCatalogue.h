#pragma once

#include "catalogue/SetRecord.h"

#include <QHash>
#include <QList>

namespace qx {

// The loaded sets in cache order: no BIOS sets, and clones only while the Clones entry is checked. Replaced
// as a whole by each load. Name and description look-ups are hash look-ups built once per load, because
// the views map rows back to records constantly and the catalogue holds tens of thousands of sets.
class SetCatalogue {
public:
    SetCatalogue() = default;
    explicit SetCatalogue(QList<SetRecord> records);

    qsizetype size() const { return m_records.size(); }
    bool isEmpty() const { return m_records.isEmpty(); }
    const SetRecord &at(qsizetype index) const { return m_records.at(index); }
    const QList<SetRecord> &records() const { return m_records; }

    // Index of the first record with that Name (case-sensitive), or -1.
    qsizetype indexOfName(const QString &name) const;
    // Index of the first record with that Description, or -1. Its look-up table is built on first use: only
    // the Grouped view maps nodes back to records by description.
    qsizetype indexOfDescription(const QString &description) const;

    // Changes the State of the first record with that Name; false when there is none.
    bool setState(const QString &name, SetState state);

    void clear();

private:
    void buildIndexes();

    QList<SetRecord> m_records;
    QHash<QString, qsizetype> m_byName;
    mutable QHash<QString, qsizetype> m_byDescription;
};

} // namespace qx
