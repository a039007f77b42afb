#include "browser/setlist/SetTreeModel.h"

#include "browser/setlist/StateIcons.h"

namespace qx {
namespace {
// Internal ids are node numbers plus one, so that 0 never names a node.
quintptr IdOfNode(int node) {
    return quintptr(node) + 1;
}
} // namespace

SetTreeModel::SetTreeModel(const SetCatalogue &catalogue, QObject *parent)
    : QAbstractItemModel(parent), m_catalogue(catalogue) {}

QModelIndex SetTreeModel::index(int row, int column, const QModelIndex &parent) const {
    if (column != 0 || row < 0) {
        return {};
    }
    const int parentNode = nodeOf(parent);
    if (parent.isValid() && parentNode == SetTreeLayout::kNoNode) {
        return {};
    }
    const std::vector<int> &siblings =
        parentNode == SetTreeLayout::kNoNode ? m_layout.topLevel() : m_layout.children(parentNode);
    if (row >= int(siblings.size())) {
        return {};
    }
    return createIndex(row, 0, IdOfNode(siblings[std::size_t(row)]));
}

QModelIndex SetTreeModel::parent(const QModelIndex &child) const {
    const int node = nodeOf(child);
    if (node == SetTreeLayout::kNoNode) {
        return {};
    }
    return indexOfNode(m_layout.node(node).parent);
}

int SetTreeModel::rowCount(const QModelIndex &parent) const {
    if (!parent.isValid()) {
        return int(m_layout.topLevel().size());
    }
    if (parent.column() != 0) {
        return 0;
    }
    const int node = nodeOf(parent);
    return node == SetTreeLayout::kNoNode ? 0 : int(m_layout.children(node).size());
}

int SetTreeModel::columnCount(const QModelIndex &) const {
    return 1;
}

bool SetTreeModel::hasChildren(const QModelIndex &parent) const {
    return rowCount(parent) > 0;
}

QVariant SetTreeModel::data(const QModelIndex &index, int role) const {
    const std::optional<SetView> set = recordOfNode(nodeOf(index));
    if (!set) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return set->description().toString();
    }
    if (role == Qt::DecorationRole) {
        return StateIcons::icon(set->state());
    }
    return {};
}

QVariant SetTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return QStringLiteral("Description");
    }
    return {};
}

Qt::ItemFlags SetTreeModel::flags(const QModelIndex &index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void SetTreeModel::setLayout(SetTreeLayout layout) {
    beginResetModel();
    m_layout = std::move(layout);
    endResetModel();
}

int SetTreeModel::nodeOf(const QModelIndex &index) const {
    if (!index.isValid() || index.model() != this) {
        return SetTreeLayout::kNoNode;
    }
    const int node = int(index.internalId()) - 1;
    return node >= 0 && node < m_layout.nodeCount() ? node : SetTreeLayout::kNoNode;
}

QModelIndex SetTreeModel::indexOfNode(int node) const {
    if (node < 0 || node >= m_layout.nodeCount()) {
        return {};
    }
    return createIndex(m_layout.node(node).row, 0, IdOfNode(node));
}

std::optional<SetView> SetTreeModel::recordOfNode(int node) const {
    if (node < 0 || node >= m_layout.nodeCount()) {
        return std::nullopt;
    }
    const qsizetype record = m_layout.node(node).record;
    if (record < 0 || record >= m_catalogue.size()) {
        return std::nullopt;
    }
    return m_catalogue.at(record);
}

int SetTreeModel::firstNodeWithText(QUtf8StringView description) const {
    for (int node = 0; node < m_layout.nodeCount(); ++node) {
        const std::optional<SetView> record = recordOfNode(node);
        if (record && Utf8Bytes(record->description()) == Utf8Bytes(description)) {
            return node;
        }
    }
    return SetTreeLayout::kNoNode;
}

void SetTreeModel::refreshSet(const QString &name) {
    const QByteArray wanted = name.toUtf8();
    for (int node = 0; node < m_layout.nodeCount(); ++node) {
        const std::optional<SetView> record = recordOfNode(node);
        if (record && Utf8Bytes(record->name()) == wanted) {
            const QModelIndex changed = indexOfNode(node);
            Q_EMIT dataChanged(changed, changed);
        }
    }
}

} // namespace qx
