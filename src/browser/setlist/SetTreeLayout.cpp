#include "browser/setlist/SetTreeLayout.h"

#include <QHash>

namespace qx {

int SetTreeLayout::addNode(qsizetype record, int parent, bool keyed) {
    const int index = int(m_nodes.size());
    std::vector<int> &siblings = parent == kNoNode ? m_topLevel : m_children[std::size_t(parent)];
    m_nodes.push_back(Node{record, parent, int(siblings.size()), keyed});
    siblings.push_back(index);
    m_children.emplace_back();
    return index;
}

SetTreeLayout SetTreeLayout::Grouped(const SetCatalogue &catalogue, const SetRows &rows) {
    SetTreeLayout layout;
    layout.m_nodes.reserve(rows.size());
    layout.m_children.reserve(rows.size());
    // The "dgd" + Name keys of the parent nodes; the first node made for a name owns the key.
    QHash<QByteArrayView, int> keyedNodes;
    keyedNodes.reserve(qsizetype(rows.size()));
    for (const qsizetype row : rows) {
        const SetView record = catalogue.at(row);
        if (!record.isClone()) {
            const int node = layout.addNode(row, kNoNode, true);
            if (!keyedNodes.contains(Utf8Bytes(record.name()))) {
                keyedNodes.insert(Utf8Bytes(record.name()), node);
            }
        }
    }
    for (const qsizetype row : rows) {
        const SetView record = catalogue.at(row);
        if (record.isClone()) {
            layout.addNode(row, keyedNodes.value(Utf8Bytes(record.parent()), kNoNode), false);
        }
    }
    return layout;
}

SetTreeLayout SetTreeLayout::Flat(const SetRows &rows) {
    SetTreeLayout layout;
    layout.m_nodes.reserve(rows.size());
    layout.m_children.reserve(rows.size());
    for (const qsizetype row : rows) {
        layout.addNode(row, kNoNode, false);
    }
    return layout;
}

} // namespace qx
