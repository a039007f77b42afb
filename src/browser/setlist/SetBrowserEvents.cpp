// The set browser's keyboard and mouse: Enter plays, the search boxes select their text and index the
// catalogue when they get the focus, and a click on a view's empty space keeps the selection.
#include "app/ScopeGuards.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/setlist/SetListView.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeView>

namespace qx {

bool SetBrowser::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            launchFromEnter();
            return true;
        }
        return false;
    }
    if (auto *box = qobject_cast<QLineEdit *>(watched)) {
        if (type == QEvent::MouseButtonDblClick) {
            box->clear();
            return true;
        }
        if (type == QEvent::FocusIn) {
            // Index the catalogue now, so the first keystroke costs no more than the next ones.
            if (!m_searchIndex.isBuiltFor(m_catalogue)) {
                m_searchIndex.rebuild(m_catalogue);
            }
            if (box == m_widgets.text2) {
                showSelected({});
                if (m_hooks.clearSetInfo) {
                    m_hooks.clearSetInfo();
                }
            }
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
        return false;
    }
    if (auto *viewport = qobject_cast<QWidget *>(watched)) {
        return handleViewMouse(viewport, event);
    }
    return false;
}

bool SetBrowser::handleViewMouse(QWidget *viewport, QEvent *event) {
    auto *view = qobject_cast<QAbstractItemView *>(viewport->parentWidget());
    if (!view || view->viewport() != viewport) {
        return false;
    }
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove) {
        if (m_mouseFocus && !busy() && !view->hasFocus()) {
            view->setFocus(Qt::MouseFocusReason);
        }
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick) {
        return false;
    }
    if (busy()) {
        return true;
    }
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const bool overItem = view->indexAt(mouse->position().toPoint()).isValid();
    const bool isTree = view == m_widgets.tree;
    BrowserView &browserView = viewOf(isTree);
    if (type != QEvent::MouseButtonRelease) {
        m_clickSeen = false;
        // A left click on empty space must not drop the selection.
        return !overItem && mouse->button() == Qt::LeftButton && !isTree;
    }
    if (overItem && !m_clickSeen) {
        // A click on the item that was already selected still makes it the current set.
        setClicked(browserView, view->currentIndex());
    }
    m_clickSeen = true;
    if (mouse->button() == Qt::RightButton) {
        if (overItem) {
            prepareItemPopup();
            openPopup(m_widgets.itemPopup);
        } else {
            openPopup(m_widgets.generalPopup);
        }
        return true;
    }
    if (mouse->button() == Qt::LeftButton && !overItem && !isTree) {
        const FlagScope selecting(m_selecting);
        m_widgets.list->selectRow(m_widgets.list->selectedRow());
    }
    return false;
}

void SetBrowser::openPopup(QMenu *menu) {
    if (menu) {
        menu->popup(QCursor::pos());
    }
}

} // namespace qx
