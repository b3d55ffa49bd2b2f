// A cold room in section with its unit cooler, and the condensing unit outside in the sun.
#include <QLinearGradient>
#include <QRadialGradient>

#include "tools/pictures/component_drawings.h"
#include "tools/pictures/line_art.h"
#include "tools/pictures/start_picture.h"

namespace tessaro::pictures {

namespace {

void DrawSun(QPainter& painter, QPointF centre) {
    QRadialGradient glow(centre, 26);
    glow.setColorAt(0.0, QColor(0xff, 0xd8, 0x4a, 230));
    glow.setColorAt(0.5, QColor(0xff, 0xe5, 0x8a, 120));
    glow.setColorAt(1.0, QColor(0xff, 0xf0, 0xc0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 26, 26);
}

void DrawRoom(QPainter& painter) {
    const QRectF shell(14, 44, 180, 126);
    DrawFilledRect(painter, shell, QBrush(QColor(0xe9, 0xec, 0xef)), 3);
    const QRectF inside(24, 54, 160, 116);
    QLinearGradient cold(inside.topLeft(), inside.bottomLeft());
    cold.setColorAt(0.0, QColor(0xe6, 0xf3, 0xfc));
    cold.setColorAt(1.0, QColor(0xc4, 0xdf, 0xf3));
    painter.setPen(OutlinePen(1.4));
    painter.setBrush(cold);
    painter.drawRect(inside);
}

// Stacked crates on the floor of the room.
void DrawGoods(QPainter& painter) {
    const QRectF crates[] = {{34, 140, 34, 30}, {70, 140, 34, 30}, {52, 112, 34, 28}};
    for (const QRectF& crate : crates) {
        DrawFilledRect(painter, crate,
                       TintedBrush(crate, QColor(0xe9, 0xc9, 0x94), QColor(0xc0, 0x8e, 0x52)), 1);
        painter.setPen(ThinPen(1.0));
        painter.drawLine(QPointF(crate.left() + 3, crate.center().y()),
                         QPointF(crate.right() - 3, crate.center().y()));
    }
}

void DrawColdAir(QPainter& painter) {
    for (const qreal y : {92.0, 104.0})
        DrawArrow(painter, QPointF(112, y), QPointF(84, y + 6), TwoPhase(), 2.2);
}

}  // namespace

void DrawColdRoom(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(area.width() / 300.0, area.height() / 200.0);
    DrawSun(painter, QPointF(270, 30));
    painter.fillRect(QRectF(0, 170, 300, 30), QColor(0xd5, 0xdc, 0xc8));
    DrawRoom(painter);
    DrawGoods(painter);
    DrawColdAir(painter);
    // Both lines pass through the wall and run down outside it to the condensing unit.
    DrawRefrigerantLine(painter, {{168, 70}, {212, 70}, {212, 126}, {226, 126}}, SuctionGas(), 4);
    DrawRefrigerantLine(painter, {{226, 140}, {201, 140}, {201, 80}, {168, 80}}, Liquid(), 4);
    InUnitBox(painter, QRectF(120, 52, 56, 56), [](QPainter& unit) { DrawEvaporator(unit); });
    InUnitBox(painter, QRectF(218, 94, 76, 76),
              [](QPainter& unit) { DrawAirCooledCondenser(unit); });
    painter.restore();
}

}  // namespace tessaro::pictures
