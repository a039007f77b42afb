#include "app/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace qx {

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    showState();
}

LinkLabel::LinkLabel(const QString &text, const QString &objectName, QWidget *parent)
    : LinkLabel(text, parent) {
    setObjectName(objectName);
}

void LinkLabel::setHovered(bool hovered) {
    m_hovered = hovered && isEnabled();
    showState();
}

void LinkLabel::showState() {
    QPalette colours = palette();
    const QColor colour = m_hovered ? QColor(Qt::blue) : colours.color(QPalette::Active, QPalette::Highlight);
    colours.setColor(QPalette::Active, QPalette::WindowText, colour);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    setPalette(colours);
    // A font that sets only the underline, so the family and size still follow the dialog's.
    QFont underline;
    underline.setUnderline(m_hovered || hasFocus());
    setFont(underline);
}

void LinkLabel::enterEvent(QEnterEvent *event) {
    setHovered(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event) {
    setHovered(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent *event) {
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        setHovered(false);
        Q_EMIT activated();
    }
    event->accept();
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
    showState();
    QLabel::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent *event) {
    showState();
    QLabel::focusOutEvent(event);
}

void LinkLabel::changeEvent(QEvent *event) {
    // A disabled link loses its hover colour, so that it shows plainly greyed out and right when enabled.
    if (event->type() == QEvent::EnabledChange) {
        setHovered(false);
    }
    QLabel::changeEvent(event);
}

} // namespace qx
