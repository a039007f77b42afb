#pragma once

#include "catalogue/SetRecord.h"
#include "catalogue/SetView.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <vector>

namespace qx {

// The loaded sets in cache order: no BIOS sets, and clones only while the Clones entry is checked. Replaced
// as a whole by each load.
//
// Tens of thousands of sets are stored compactly, because a freshly started program pays for every page of
// memory it fills (on a virtual machine, microseconds a page): the Names and Descriptions of all sets sit one
// after the other in a single block of UTF-8 (a byte a letter for nearly every set), the texts that repeat
// (Parent, Manufacturer, Year, Status, Driver, Bios) are kept once each in a pool, and a set is an offset and
// a few pool numbers. Views (SetView, QUtf8StringView) point into that storage; a copy of the catalogue
// shares it. SetCatalogueBuilder fills it.
class SetCatalogue {
public:
    SetCatalogue();
    explicit SetCatalogue(const QList<SetRecord> &records);

    qsizetype size() const { return qsizetype(m_sets.size()); }
    bool isEmpty() const { return m_sets.empty(); }
    SetView at(qsizetype index) const { return SetView(*this, index); }
    QUtf8StringView field(qsizetype index, SetField field) const;
    SetState state(qsizetype index) const { return m_sets[std::size_t(index)].state; }

    // Index of the first set with that Name (case-sensitive), or -1.
    qsizetype indexOfName(QUtf8StringView name) const;
    qsizetype indexOfName(QStringView name) const { return indexOfName(QUtf8StringView(name.toUtf8())); }
    // Index of the first set with that Description, or -1.
    qsizetype indexOfDescription(QUtf8StringView description) const;
    qsizetype indexOfDescription(QStringView description) const {
        return indexOfDescription(QUtf8StringView(description.toUtf8()));
    }

    // Changes the State of the first set with that Name; false when there is none.
    bool setState(QStringView name, SetState state);

    void clear();

    // Differs between catalogues of different content, so caches derived from one (sort ranks, the search
    // index) can tell that the catalogue was reloaded. A copy keeps the identity of its original.
    quint64 identity() const;

    class Iterator {
    public:
        Iterator(const SetCatalogue &catalogue, qsizetype index) : m_catalogue(&catalogue), m_index(index) {}
        SetView operator*() const { return m_catalogue->at(m_index); }
        Iterator &operator++() {
            ++m_index;
            return *this;
        }
        bool operator==(const Iterator &other) const = default;

    private:
        const SetCatalogue *m_catalogue;
        qsizetype m_index;
    };
    Iterator begin() const { return Iterator(*this, 0); }
    Iterator end() const { return Iterator(*this, size()); }

private:
    friend class SetCatalogueBuilder;

    // The fields kept in the pool, in qx.dat order.
    static constexpr std::array<SetField, 6> kPooledFields{SetField::Parent, SetField::Manufacturer,
                                                           SetField::Year,   SetField::Status,
                                                           SetField::Driver, SetField::Bios};
    struct StoredSet {
        quint32 text;       // where the Name starts in m_text; the Description follows it up to the next set
        quint32 nameLength; // in bytes
        std::array<quint32, kPooledFields.size()> pooled; // indices into m_pool
        SetState state;
    };
    static int pooledSlot(SetField field);

    // One repeated text: where it stands in m_poolText.
    struct PooledText {
        quint32 at;
        quint32 size;
    };
    // A look-up from a field's text to the first set that has it.
    struct Lookup {
        QHash<QByteArrayView, qsizetype> table; // points into m_text
        int scans = 0;
    };

    qsizetype lookUp(Lookup &lookup, SetField key, QUtf8StringView text) const;
    void forgetLookups();

    QByteArray m_text;
    std::vector<StoredSet> m_sets;
    QByteArray m_poolText;
    std::vector<PooledText> m_pool;
    mutable Lookup m_byName;
    mutable Lookup m_byDescription;
    mutable quint64 m_identity = 0;
};

} // namespace qx
