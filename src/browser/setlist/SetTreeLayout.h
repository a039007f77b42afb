#pragma once

#include "browser/setlist/SetRows.h"

#include <vector>

namespace qx {

// The Grouped view's nodes: parents at the top level with their clones under them. Nodes are kept in the
// order they were added, which is the order the tree walks them when it looks for a set again.
class SetTreeLayout {
public:
    static constexpr int kNoNode = -1;

    struct Node {
        qsizetype record = -1; // index into the SetCatalogue
        int parent = kNoNode;  // node index of the parent node, kNoNode at the top level
        int row = 0;           // position among its siblings
        bool keyed = false;    // a top-level parent node, findable as "dgd" + Name
    };

    // Two passes over the chosen rows, in their order: first every set without a Parent becomes a keyed
    // top-level node; then every clone goes under the node of its parent, or to the top level (unkeyed)
    // when its parent is not shown.
    static SetTreeLayout Grouped(const SetCatalogue &catalogue, const SetRows &rows);
    // Every row a top-level node without a key: the flat result of a search.
    static SetTreeLayout Flat(const SetRows &rows);

    int nodeCount() const { return int(m_nodes.size()); }
    const Node &node(int index) const { return m_nodes.at(std::size_t(index)); }
    const std::vector<int> &topLevel() const { return m_topLevel; }
    // Children of a node in the order they were added.
    const std::vector<int> &children(int node) const { return m_children.at(std::size_t(node)); }

private:
    int addNode(qsizetype record, int parent, bool keyed);

    std::vector<Node> m_nodes;
    std::vector<int> m_topLevel;
    std::vector<std::vector<int>> m_children;
};

} // namespace qx
