#include "browser/setlist/EmptyViewNotice.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QEvent>

namespace qx {

EmptyViewNotice::EmptyViewNotice(QAbstractItemView *view) : QLabel(view->viewport()), m_view(view) {
    setObjectName(QStringLiteral("EmptyViewNotice"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setMargin(12);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setForegroundRole(QPalette::PlaceholderText);
    view->viewport()->installEventFilter(this);
    if (QAbstractItemModel *model = view->model()) {
        connect(model, &QAbstractItemModel::modelReset, this, &EmptyViewNotice::follow);
        connect(model, &QAbstractItemModel::layoutChanged, this, &EmptyViewNotice::follow);
        connect(model, &QAbstractItemModel::rowsInserted, this, &EmptyViewNotice::follow);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &EmptyViewNotice::follow);
    }
    hide();
}

void EmptyViewNotice::setMessage(const QString &text) {
    setText(text);
    follow();
}

void EmptyViewNotice::follow() {
    const QAbstractItemModel *model = m_view->model();
    const bool empty = !model || model->rowCount(m_view->rootIndex()) == 0;
    setGeometry(m_view->viewport()->rect());
    setVisible(empty && !text().isEmpty());
}

bool EmptyViewNotice::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_view->viewport() && event->type() == QEvent::Resize) {
        setGeometry(m_view->viewport()->rect());
    }
    return QLabel::eventFilter(watched, event);
}

} // namespace qx
