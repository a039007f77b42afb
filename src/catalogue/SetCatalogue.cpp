#include "catalogue/SetCatalogue.h"

#include "catalogue/SetCatalogueBuilder.h"

#include <QStringDecoder>
#include <atomic>

namespace qx {

namespace {

std::atomic<quint64> g_lastIdentity{0};

// Until this many look-ups of one kind, a plain scan answers (well under a millisecond each); after that the
// hash table pays for its building. Start-up makes one or two look-ups and so never builds it.
constexpr int kScansBeforeTable = 16;

} // namespace

QUtf8StringView SetView::field(SetField field) const {
    return m_catalogue->field(m_index, field);
}

void AppendText(QString &text, QUtf8StringView utf8) {
    const qsizetype start = text.size();
    text.resize(start + utf8.size()); // UTF-8 never takes fewer bytes than UTF-16 takes units
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QChar *const begin = text.data() + start;
    const QChar *const end = decoder.appendToBuffer(begin, Utf8Bytes(utf8));
    text.resize(start + (end - begin));
}

SetState SetView::state() const {
    return m_catalogue->state(m_index);
}

SetRecord SetView::toRecord() const {
    SetRecord record;
    record.Description = description().toString();
    record.Name = name().toString();
    record.Parent = parent().toString();
    record.Manufacturer = manufacturer().toString();
    record.Year = year().toString();
    record.Status = status().toString();
    record.State = state();
    record.Bios = bios().toString();
    record.Driver = driver().toString();
    return record;
}

SetCatalogue::SetCatalogue() = default;

SetCatalogue::SetCatalogue(const QList<SetRecord> &records) {
    // The builder reads UTF-8 fields, as in qx.dat; the copies live until the catalogue is taken. It takes
    // the State from its argument, so that field stays empty here.
    std::vector<std::array<QByteArray, 9>> lines;
    lines.reserve(std::size_t(records.size()));
    SetCatalogueBuilder builder(records.size(), 0);
    for (const SetRecord &record : records) {
        const std::array<QByteArray, 9> &line = lines.emplace_back(std::array<QByteArray, 9>{
            record.Name.toUtf8(), record.Description.toUtf8(), record.Parent.toUtf8(),
            record.Manufacturer.toUtf8(), record.Year.toUtf8(), record.Status.toUtf8(), QByteArray(),
            record.Driver.toUtf8(), record.Bios.toUtf8()});
        std::array<QByteArrayView, 9> fields;
        std::copy(line.begin(), line.end(), fields.begin());
        builder.add(fields, record.State);
    }
    *this = builder.take();
}

int SetCatalogue::pooledSlot(SetField field) {
    for (std::size_t slot = 0; slot < kPooledFields.size(); ++slot) {
        if (kPooledFields[slot] == field) {
            return int(slot);
        }
    }
    return -1;
}

QUtf8StringView SetCatalogue::field(qsizetype index, SetField field) const {
    const StoredSet &set = m_sets[std::size_t(index)];
    switch (field) {
    case SetField::Name:
        return QUtf8StringView(m_text.constData() + set.text, set.nameLength);
    case SetField::Description: {
        const std::size_t next = std::size_t(index) + 1;
        const qsizetype end = next < m_sets.size() ? qsizetype(m_sets[next].text) : m_text.size();
        const qsizetype start = qsizetype(set.text) + set.nameLength;
        return QUtf8StringView(m_text.constData() + start, end - start);
    }
    case SetField::State:
        return set.state == SetState::Available ? QUtf8StringView("1") : QUtf8StringView("2");
    default: {
        const PooledText &pooled = m_pool[set.pooled[std::size_t(pooledSlot(field))]];
        return QUtf8StringView(m_poolText.constData() + pooled.at, pooled.size);
    }
    }
}

qsizetype SetCatalogue::indexOfName(QUtf8StringView name) const {
    return lookUp(m_byName, SetField::Name, name);
}

qsizetype SetCatalogue::indexOfDescription(QUtf8StringView description) const {
    return lookUp(m_byDescription, SetField::Description, description);
}

qsizetype SetCatalogue::lookUp(Lookup &lookup, SetField key, QUtf8StringView text) const {
    if (lookup.table.isEmpty() && lookup.scans < kScansBeforeTable) {
        ++lookup.scans;
        for (qsizetype i = 0; i < size(); ++i) {
            if (Utf8Bytes(field(i, key)) == Utf8Bytes(text)) {
                return i;
            }
        }
        return -1;
    }
    if (lookup.table.isEmpty()) {
        lookup.table.reserve(size());
        // Backwards, so the first set of a text is the one that stays.
        for (qsizetype i = size() - 1; i >= 0; --i) {
            lookup.table.insert(Utf8Bytes(field(i, key)), i);
        }
    }
    return lookup.table.value(Utf8Bytes(text), -1);
}

bool SetCatalogue::setState(QStringView name, SetState state) {
    const qsizetype index = indexOfName(name);
    if (index < 0) {
        return false;
    }
    m_sets[std::size_t(index)].state = state;
    return true;
}

void SetCatalogue::clear() {
    m_text.clear();
    m_sets.clear();
    m_poolText.clear();
    m_pool.clear();
    forgetLookups();
}

quint64 SetCatalogue::identity() const {
    if (m_identity == 0) {
        m_identity = ++g_lastIdentity;
    }
    return m_identity;
}

void SetCatalogue::forgetLookups() {
    m_byName = {};
    m_byDescription = {};
    m_identity = 0;
}

} // namespace qx
