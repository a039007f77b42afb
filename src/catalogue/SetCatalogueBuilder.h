#pragma once

#include "catalogue/SetCatalogue.h"

#include <QByteArrayView>
#include <QHash>
#include <span>

namespace qx {

// Fills a SetCatalogue from the UTF-8 fields of qx.dat lines. Each repeated text (a Parent, a Manufacturer,
// a Year...) is stored once; neighbouring sets mostly repeat their predecessor's (a driver's sets
// stand together), which is checked before any hashing.
class SetCatalogueBuilder {
public:
    // The expected counts only size the storage up front; untouched room costs no memory.
    SetCatalogueBuilder(qsizetype expectedSets, qsizetype expectedTextBytes);

    // The nine fields of a line in qx.dat order (the State field is not read: state is given). The byte views
    // must stay valid until take(), as the pool is keyed by them.
    void add(std::span<const QByteArrayView, 9> fields, SetState state);

    SetCatalogue take();

private:
    quint32 pooled(std::size_t slot, QByteArrayView bytes);

    SetCatalogue m_catalogue;
    QHash<QByteArrayView, quint32> m_poolIndex;
    std::array<QByteArrayView, SetCatalogue::kPooledFields.size()> m_lastBytes;
    std::array<quint32, SetCatalogue::kPooledFields.size()> m_lastIndex{};
    std::array<bool, SetCatalogue::kPooledFields.size()> m_hasLast{};
};

} // namespace qx
