#pragma once

#include "browser/setlist/SetRows.h"

#include <memory>
#include <optional>

class QAbstractItemView;
class QLineEdit;
class QModelIndex;
class QTreeView;
class QWidget;

namespace qx {

class SetListModel;
class SetListView;
class SetTreeModel;

// One of the set browser's two views of the catalogue: the list (List and Details) or the tree (Grouped),
// each with its own search box. The browser's operations are written once against this; what differs
// between the two views is here.
class BrowserView {
public:
    virtual ~BrowserView() = default;

    // The view that takes the focus and the clicks.
    virtual QWidget *widget() const = 0;
    virtual QLineEdit *searchBox() const = 0;

    // Shows these sets: the list one row each, the tree with clones under their parents.
    virtual void fill(const SetRows &rows) = 0;
    // Shows a search's matches: the tree lists them flat.
    virtual void fillFlat(const SetRows &rows) = 0;
    virtual void clear() = 0;
    // Its items (the list's rows, the tree's nodes).
    virtual int count() const = 0;

    // Selects the current set's item again: the list's first row with that Name (else the selected row, else
    // the first); the tree's first node with that set's Description (else nothing).
    virtual void reselect(const QString &currentSetName) = 0;
    // Makes an item current and selected and scrolls it into view.
    virtual void select(int item) = 0;
    // The set an item shows.
    virtual std::optional<SetView> setAt(int item) const = 0;
    // The set an index stands for: a tree node stands for the first set with its Description.
    virtual std::optional<SetView> setOf(const QModelIndex &index) const = 0;
    // The set the selection stands for; nullopt when nothing is selected.
    virtual std::optional<SetView> selectedSet() const = 0;
    // Typing in the list's box selects the first match and shows its details; the tree only shows the
    // matches.
    virtual bool selectsWhileSearching() const = 0;
};

std::unique_ptr<BrowserView> MakeListBrowserView(SetListView &list, SetListModel &model,
                                                 QLineEdit &searchBox);
std::unique_ptr<BrowserView> MakeTreeBrowserView(QTreeView &tree, SetTreeModel &model, QLineEdit &searchBox,
                                                 const SetCatalogue &catalogue);

} // namespace qx
