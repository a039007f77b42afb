#include "browser/setlist/BrowserView.h"

#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetListView.h"
#include "browser/setlist/SetTreeLayout.h"
#include "browser/setlist/SetTreeModel.h"

#include <QItemSelectionModel>
#include <QTreeView>

namespace qx {

namespace {

// The list: one row a set, in List or Details style.
class ListBrowserView : public BrowserView {
public:
    ListBrowserView(SetListView &list, SetListModel &model, QLineEdit &searchBox)
        : m_list(list), m_model(model), m_searchBox(searchBox) {}

    QWidget *widget() const override { return &m_list; }
    QLineEdit *searchBox() const override { return &m_searchBox; }
    void fill(const SetRows &rows) override { m_model.setRows(rows); }
    void fillFlat(const SetRows &rows) override { fill(rows); }
    void clear() override { m_model.clear(); }
    int count() const override { return m_model.rowCount(); }

    void reselect(const QString &currentSetName) override {
        if (m_model.rowCount() == 0) {
            return;
        }
        int row = m_model.rowOfName(currentSetName);
        if (row < 0) {
            row = std::max(m_list.selectedRow(), 0);
        }
        m_list.selectRow(row);
    }

    void select(int item) override { m_list.selectRow(item); }
    std::optional<SetView> setAt(int item) const override { return m_model.record(item); }
    std::optional<SetView> setOf(const QModelIndex &index) const override {
        return m_model.record(index.row());
    }
    std::optional<SetView> selectedSet() const override { return m_model.record(m_list.selectedRow()); }
    bool selectsWhileSearching() const override { return true; }

private:
    SetListView &m_list;
    SetListModel &m_model;
    QLineEdit &m_searchBox;
};

// The tree: parents with their clones under them, or a search's matches flat.
class TreeBrowserView : public BrowserView {
public:
    TreeBrowserView(QTreeView &tree, SetTreeModel &model, QLineEdit &searchBox, const SetCatalogue &catalogue)
        : m_tree(tree), m_model(model), m_searchBox(searchBox), m_catalogue(catalogue) {}

    QWidget *widget() const override { return &m_tree; }
    QLineEdit *searchBox() const override { return &m_searchBox; }
    void fill(const SetRows &rows) override { m_model.setLayout(SetTreeLayout::Grouped(m_catalogue, rows)); }
    void fillFlat(const SetRows &rows) override { m_model.setLayout(SetTreeLayout::Flat(rows)); }
    void clear() override { m_model.clear(); }
    int count() const override { return m_model.nodeCount(); }

    void reselect(const QString &currentSetName) override {
        if (m_model.nodeCount() == 0 || m_catalogue.isEmpty()) {
            return;
        }
        const qsizetype record = std::max<qsizetype>(m_catalogue.indexOfName(currentSetName), 0);
        const int node = m_model.firstNodeWithText(m_catalogue.at(record).description());
        if (node == SetTreeLayout::kNoNode) {
            m_tree.selectionModel()->clear();
            return;
        }
        select(node);
    }

    void select(int item) override {
        const QModelIndex index = m_model.indexOfNode(item);
        m_tree.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_tree.scrollTo(index);
    }

    std::optional<SetView> setAt(int item) const override { return m_model.recordOfNode(item); }

    std::optional<SetView> setOf(const QModelIndex &index) const override {
        const std::optional<SetView> shown = m_model.recordOfNode(m_model.nodeOf(index));
        if (!shown) {
            return std::nullopt;
        }
        // Nodes map back to sets by their text: the first set with that Description.
        const qsizetype first = m_catalogue.indexOfDescription(shown->description());
        return first >= 0 ? m_catalogue.at(first) : *shown;
    }

    std::optional<SetView> selectedSet() const override {
        if (!m_tree.selectionModel()->hasSelection()) {
            return std::nullopt;
        }
        return setOf(m_tree.currentIndex());
    }

    bool selectsWhileSearching() const override { return false; }

private:
    QTreeView &m_tree;
    SetTreeModel &m_model;
    QLineEdit &m_searchBox;
    const SetCatalogue &m_catalogue;
};

} // namespace

std::unique_ptr<BrowserView> MakeListBrowserView(SetListView &list, SetListModel &model,
                                                 QLineEdit &searchBox) {
    return std::make_unique<ListBrowserView>(list, model, searchBox);
}

std::unique_ptr<BrowserView> MakeTreeBrowserView(QTreeView &tree, SetTreeModel &model, QLineEdit &searchBox,
                                                 const SetCatalogue &catalogue) {
    return std::make_unique<TreeBrowserView>(tree, model, searchBox, catalogue);
}

} // namespace qx
