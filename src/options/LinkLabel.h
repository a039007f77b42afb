#pragma once

#include <QLabel>

namespace qx {

// A label that acts as a link: its text in the system highlight colour, blue while the mouse is over it,
// and a click on it (the button released over the label) or Space/Enter while it has the focus performs its
// action.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString &text, const QString &objectName, QWidget *parent = nullptr);

Q_SIGNALS:
    void activated();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setHovered(bool hovered);
};

} // namespace qx
