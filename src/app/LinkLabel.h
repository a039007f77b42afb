#pragma once

#include <QLabel>

namespace qx {

// A text that acts as a link (the dialogs' "Close", "Delete this file", "Select..." and "Reset", the about
// box's home page and e-mail address): drawn in the highlight colour, blue and underlined with a pointing
// hand while the mouse is over it, and activated like a button, when the mouse button is released over it
// (dragging off it is a way to change one's mind). It takes the keyboard focus too, where Enter or Space
// activate it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);
    LinkLabel(const QString &text, const QString &objectName, QWidget *parent = nullptr);

Q_SIGNALS:
    void activated();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setHovered(bool hovered);
    void showState();

    bool m_hovered = false;
};

} // namespace qx
