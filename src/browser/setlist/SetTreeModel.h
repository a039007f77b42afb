#pragma once

#include "browser/setlist/SetTreeLayout.h"

#include <QAbstractItemModel>
#include <optional>

namespace qx {

// The Grouped view: one column, the Description with the state icon, parents at the top level and their
// clones under them (never ghosted). Each index carries its node number.
class SetTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit SetTreeModel(const SetCatalogue &catalogue, QObject *parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;

    void setLayout(SetTreeLayout layout);
    void clear() { setLayout({}); }
    const SetTreeLayout &layout() const { return m_layout; }
    int nodeCount() const { return m_layout.nodeCount(); }

    // The node of an index, or SetTreeLayout::kNoNode.
    int nodeOf(const QModelIndex &index) const;
    QModelIndex indexOfNode(int node) const;
    std::optional<SetView> recordOfNode(int node) const;

    // The first node, in the order the nodes were added, whose text is that Description.
    int firstNodeWithText(QUtf8StringView description) const;
    // Redraws the nodes of a set whose record changed.
    void refreshSet(const QString &name);

private:
    const SetCatalogue &m_catalogue;
    SetTreeLayout m_layout;
};

} // namespace qx
