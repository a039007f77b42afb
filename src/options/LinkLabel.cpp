#include "options/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace qx {

LinkLabel::LinkLabel(const QString &text, const QString &objectName, QWidget *parent) : QLabel(text, parent) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    setHovered(false);
}

void LinkLabel::setHovered(bool hovered) {
    QPalette colours = palette();
    const QColor colour = hovered ? QColor(Qt::blue) : colours.color(QPalette::Active, QPalette::Highlight);
    colours.setColor(QPalette::Active, QPalette::WindowText, colour);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    setPalette(colours);
    QFont underlined = font();
    underlined.setUnderline(hovered);
    setFont(underlined);
}

void LinkLabel::enterEvent(QEnterEvent *event) {
    setHovered(isEnabled());
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
    // Like a button: only a release over the label acts, so dragging off it is a way to change one's mind.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        setHovered(false);
        Q_EMIT activated();
    }
    event->accept();
}

void LinkLabel::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT activated();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::changeEvent(QEvent *event) {
    // A disabled link loses its hover colour, so that it shows greyed out when enabled again later.
    if (event->type() == QEvent::EnabledChange) {
        setHovered(false);
    }
    QLabel::changeEvent(event);
}

} // namespace qx
