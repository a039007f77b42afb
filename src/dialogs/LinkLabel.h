#pragma once

#include <QLabel>

namespace qx {

// A text that acts as a link (the dialogs' "Close", the about box's home page and e-mail address): drawn
// in the highlight colour, blue with a pointing hand while the mouse is over it, and activated when the
// mouse button is released over it. It also takes the keyboard focus, where Enter or Space activate it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void activated();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showHighlighted(bool highlighted);

    bool m_hovered = false;
};

} // namespace qx
