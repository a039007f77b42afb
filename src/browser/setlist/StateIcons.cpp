#include "browser/setlist/StateIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace qx {
namespace {

constexpr int kIconSize = 16;
constexpr qreal kGhostOpacity = 0.4;

void DrawTick(QPainter &painter) {
    painter.setBrush(QColor(0x2e, 0x9e, 0x3e));
    painter.setPen(QPen(QColor(0x1b, 0x6b, 0x27), 1));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QPainterPath tick;
    tick.moveTo(4.5, 8.5);
    tick.lineTo(7, 11);
    tick.lineTo(11.5, 5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

void DrawCross(QPainter &painter) {
    painter.setBrush(QColor(0xc8, 0x32, 0x2d));
    painter.setPen(QPen(QColor(0x8a, 0x1f, 0x1b), 1));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
    painter.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
}

QIcon DrawStateIcon(SetState state, bool ghosted) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (ghosted) {
        painter.setOpacity(kGhostOpacity);
    }
    if (state == SetState::Available) {
        DrawTick(painter);
    } else {
        DrawCross(painter);
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace

const QIcon &StateIcons::icon(SetState state, bool ghosted) {
    // Never freed: pixmaps must not outlive the application object, and static destructors run after it.
    static const auto *icons = new std::array<QIcon, 4>{
        DrawStateIcon(SetState::Available, false), DrawStateIcon(SetState::Available, true),
        DrawStateIcon(SetState::Unavailable, false), DrawStateIcon(SetState::Unavailable, true)};
    return (*icons)[std::size_t((state == SetState::Available ? 0 : 2) + (ghosted ? 1 : 0))];
}

} // namespace qx
