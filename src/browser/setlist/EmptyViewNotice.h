#pragma once

#include <QLabel>

class QAbstractItemView;

namespace qx {

// A line of text in the middle of an item view while the view holds no item, so an empty view says why
// (a search without a match, a Favourites view with nothing in it). It lies over the view's viewport, lets
// the mouse through and follows the view's model by itself.
class EmptyViewNotice : public QLabel {
    Q_OBJECT
public:
    explicit EmptyViewNotice(QAbstractItemView *view);

    // The text shown while the view is empty; an empty text shows nothing.
    void setMessage(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QAbstractItemView *m_view;
};

} // namespace qx
