#include "browser/window/SplitterHandle.h"

#include <QMouseEvent>
#include <algorithm>

namespace qx {

SplitterHandle::SplitterHandle(QWidget *parent) : QWidget(parent), m_dragBar(new QWidget(parent)) {
    setObjectName(QStringLiteral("imgSplitter2"));
    setCursor(Qt::SplitHCursor);
    m_dragBar->setObjectName(QStringLiteral("picSplitter2"));
    m_dragBar->setAutoFillBackground(true);
    m_dragBar->setBackgroundRole(QPalette::Dark);
    m_dragBar->hide();
}

void SplitterHandle::setDragLimits(int lowest, int highest) {
    m_lowest = lowest;
    m_highest = std::max(lowest, highest);
}

void SplitterHandle::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_grabOffset = event->position().toPoint().x();
    m_dragBar->setGeometry(geometry());
    m_dragBar->raise();
    m_dragBar->show();
}

void SplitterHandle::mouseMoveEvent(QMouseEvent *event) {
    if (!m_dragBar->isVisible()) {
        return;
    }
    const int x =
        std::clamp(mapToParent(event->position().toPoint()).x() - m_grabOffset, m_lowest, m_highest);
    m_dragBar->move(x, m_dragBar->y());
    Q_EMIT dragged(x);
}

void SplitterHandle::mouseReleaseEvent(QMouseEvent *event) {
    if (!m_dragBar->isVisible() || event->button() != Qt::LeftButton) {
        return;
    }
    m_dragBar->hide();
    Q_EMIT released(m_dragBar->x());
}

} // namespace qx
