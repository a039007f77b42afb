#include "catalogue/SetCatalogueBuilder.h"

#include <QStringDecoder>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace qx {

namespace {

// Filling fresh memory costs a page fault per 4 KB page, which on a virtual machine takes microseconds: for a
// catalogue's megabytes of text, a noticeable part of the start-up. Large pages, where the system offers
// them, cut the number of faults.
void preferLargePages(const void *block, qsizetype bytes) {
#ifdef Q_OS_LINUX
    constexpr quintptr kLargePage = quintptr(2) << 20;
    const auto begin = (reinterpret_cast<quintptr>(block) + kLargePage - 1) & ~(kLargePage - 1);
    const auto end = (reinterpret_cast<quintptr>(block) + quintptr(bytes)) & ~(kLargePage - 1);
    if (end > begin) {
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE); // only a hint
    }
#else
    Q_UNUSED(block);
    Q_UNUSED(bytes);
#endif
}

} // namespace

SetCatalogueBuilder::SetCatalogueBuilder(qsizetype expectedSets, qsizetype expectedTextBytes) {
    m_catalogue.m_sets.reserve(std::size_t(expectedSets));
    // UTF-8 never takes fewer bytes than UTF-16 takes units, so this is room enough for the texts.
    m_catalogue.m_text.reserve(expectedTextBytes);
    preferLargePages(m_catalogue.m_text.constData(),
                     m_catalogue.m_text.capacity() * qsizetype(sizeof(QChar)));
    preferLargePages(m_catalogue.m_sets.data(),
                     qsizetype(m_catalogue.m_sets.capacity() * sizeof(SetCatalogue::StoredSet)));
}

void SetCatalogueBuilder::add(std::span<const QByteArrayView, 9> fields, SetState state) {
    SetCatalogue::StoredSet set{};
    set.text = quint32(m_catalogue.m_text.size());
    set.nameLength = decodeInto(fields[std::size_t(SetField::Name)]);
    decodeInto(fields[std::size_t(SetField::Description)]);
    for (std::size_t slot = 0; slot < SetCatalogue::kPooledFields.size(); ++slot) {
        set.pooled[slot] = pooled(slot, fields[std::size_t(SetCatalogue::kPooledFields[slot])]);
    }
    set.state = state;
    m_catalogue.m_sets.push_back(set);
}

SetCatalogue SetCatalogueBuilder::take() {
    m_poolIndex.clear();
    m_hasLast.fill(false);
    m_catalogue.forgetLookups();
    return std::exchange(m_catalogue, SetCatalogue());
}

quint32 SetCatalogueBuilder::pooled(std::size_t slot, QByteArrayView bytes) {
    if (m_hasLast[slot] && bytes == m_lastBytes[slot]) {
        return m_lastIndex[slot];
    }
    auto found = m_poolIndex.constFind(bytes);
    if (found == m_poolIndex.constEnd()) {
        m_catalogue.m_pool.push_back(QString::fromUtf8(bytes));
        found = m_poolIndex.insert(bytes, quint32(m_catalogue.m_pool.size() - 1));
    }
    m_lastBytes[slot] = bytes;
    m_lastIndex[slot] = *found;
    m_hasLast[slot] = true;
    return *found;
}

// Appends the text to the catalogue's block and returns its length in UTF-16 units.
quint32 SetCatalogueBuilder::decodeInto(QByteArrayView bytes) {
    QString &text = m_catalogue.m_text;
    const qsizetype start = text.size();
    text.resize(start + bytes.size()); // an upper bound; cut to the decoded length below
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QChar *const begin = text.data() + start;
    const QChar *const end = decoder.appendToBuffer(begin, bytes);
    text.resize(start + (end - begin));
    return quint32(end - begin);
}

} // namespace qx
