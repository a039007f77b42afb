#include "dialogs/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace qx {

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setTextInteractionFlags(Qt::NoTextInteraction);
    showHighlighted(false);
}

void LinkLabel::showHighlighted(bool highlighted) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText,
                     highlighted ? QColor(Qt::blue) : colours.color(QPalette::Active, QPalette::Highlight));
    setPalette(colours);
    // A font that sets only the underline, so the family and size still follow the dialog's.
    QFont underline;
    underline.setUnderline(highlighted || hasFocus());
    setFont(underline);
}

void LinkLabel::enterEvent(QEnterEvent *event) {
    m_hovered = true;
    showHighlighted(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event) {
    m_hovered = false;
    showHighlighted(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT activated();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        Q_EMIT activated();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::focusInEvent(QFocusEvent *event) {
    showHighlighted(m_hovered);
    QLabel::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent *event) {
    showHighlighted(m_hovered);
    QLabel::focusOutEvent(event);
}

} // namespace qx
