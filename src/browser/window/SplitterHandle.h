#pragma once

#include <QWidget>

namespace qx {

// The vertical bar between the set list and the information panel (imgSplitter2). Pressing it shows a drag
// bar (picSplitter2) that follows the mouse; releasing it reports where the bar was let go, in the parent's
// pixel coordinates.
class SplitterHandle : public QWidget {
    Q_OBJECT
public:
    explicit SplitterHandle(QWidget *parent);

    // The range, in the parent's pixels, within which the drag bar may be moved.
    void setDragLimits(int lowest, int highest);
    QWidget *dragBar() const { return m_dragBar; }

Q_SIGNALS:
    void dragged(int parentX);
    void released(int parentX);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QWidget *m_dragBar;
    int m_grabOffset = 0;
    int m_lowest = 0;
    int m_highest = 1 << 20;
};

} // namespace qx
