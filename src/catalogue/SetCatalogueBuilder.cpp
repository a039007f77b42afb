#include "catalogue/SetCatalogueBuilder.h"

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

// Appends a text as valid UTF-8: bytes that are not (a hand-edited file in another encoding) are stored as
// the replacement characters they show as, so a set is found by the very text the user sees.
void appendValidUtf8(QByteArray &to, QByteArrayView bytes) {
    // Nearly every text is plain ASCII, which a plain loop confirms many times faster than a full check.
    unsigned char high = 0;
    for (const char c : bytes) {
        high |= static_cast<unsigned char>(c);
    }
    if (high < 0x80 || bytes.isValidUtf8()) {
        to.append(bytes);
    } else {
        to.append(QString::fromUtf8(bytes).toUtf8());
    }
}

} // namespace

SetCatalogueBuilder::SetCatalogueBuilder(qsizetype expectedSets, qsizetype expectedTextBytes) {
    m_catalogue.m_sets.reserve(std::size_t(expectedSets));
    m_catalogue.m_text.reserve(expectedTextBytes);
    preferLargePages(m_catalogue.m_text.constData(), m_catalogue.m_text.capacity());
    preferLargePages(m_catalogue.m_sets.data(),
                     qsizetype(m_catalogue.m_sets.capacity() * sizeof(SetCatalogue::StoredSet)));
}

void SetCatalogueBuilder::add(std::span<const QByteArrayView, 9> fields, SetState state) {
    SetCatalogue::StoredSet set{};
    set.text = quint32(m_catalogue.m_text.size());
    QByteArray &text = m_catalogue.m_text;
    appendValidUtf8(text, fields[std::size_t(SetField::Name)]);
    set.nameLength = quint32(text.size()) - set.text;
    appendValidUtf8(text, fields[std::size_t(SetField::Description)]);
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
        QByteArray &text = m_catalogue.m_poolText;
        const auto at = quint32(text.size());
        appendValidUtf8(text, bytes);
        m_catalogue.m_pool.push_back({at, quint32(text.size()) - at});
        found = m_poolIndex.insert(bytes, quint32(m_catalogue.m_pool.size() - 1));
    }
    m_lastBytes[slot] = bytes;
    m_lastIndex[slot] = *found;
    m_hasLast[slot] = true;
    return *found;
}

} // namespace qx
