// Compressors: the hermetic capsule and the semi-hermetic block with cylinder head and motor.
#include <QPainterPath>

#include "tools/pictures/component_drawings.h"
#include "tools/pictures/line_art.h"

namespace tessaro::pictures {

namespace {

void DrawBasePlate(QPainter& painter, const QRectF& plate) {
    DrawFilledRect(painter, plate, DarkMetalBrush(plate), 1.5);
}

// Parallel lines across a rect: cooling fins or motor ribs.
void DrawRibs(QPainter& painter, const QRectF& area, int count, bool vertical) {
    painter.setPen(ThinPen(1.3));
    for (int i = 1; i <= count; ++i) {
        const qreal f = static_cast<qreal>(i) / (count + 1);
        if (vertical) {
            const qreal x = area.left() + f * area.width();
            painter.drawLine(QPointF(x, area.top() + 3), QPointF(x, area.bottom() - 3));
        } else {
            const qreal y = area.top() + f * area.height();
            painter.drawLine(QPointF(area.left() + 3, y), QPointF(area.right() - 3, y));
        }
    }
}

}  // namespace

void DrawHermeticCompressor(QPainter& painter) {
    DrawPipe(painter, {50, 22}, {50, 5}, 6, true);
    DrawPipe(painter, {30, 62}, {6, 62}, 7, true);
    DrawBasePlate(painter, QRectF(18, 86, 64, 7));
    const QRectF shell(27, 16, 46, 74);
    QPainterPath capsule;
    capsule.addRoundedRect(shell, 23, 20);
    DrawFilled(painter, capsule, MetalBrush(shell));
    painter.setPen(ThinPen(1.4));
    painter.drawArc(QRectF(27, 42, 46, 8), 180 * 16, 180 * 16);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(34, 32), QPointF(34, 70));
    const QRectF terminals(70, 52, 12, 18);
    DrawFilledRect(painter, terminals, DarkMetalBrush(terminals), 2);
}

void DrawSemiHermeticCompressor(QPainter& painter) {
    DrawPipe(painter, {30, 24}, {30, 6}, 6, true);
    DrawPipe(painter, {78, 36}, {78, 14}, 7, true);
    DrawBasePlate(painter, QRectF(6, 84, 88, 7));
    const QRectF crankcase(10, 46, 42, 38);
    DrawFilledRect(painter, crankcase, MetalBrush(crankcase), 4);
    const QRectF motor(50, 40, 40, 44);
    DrawFilledRect(painter, motor, MetalBrush(motor), 8);
    DrawRibs(painter, motor, 5, true);
    const QRectF head(14, 24, 34, 22);
    DrawFilledRect(painter, head, DarkMetalBrush(head), 3);
    painter.setPen(QPen(QColor(220, 226, 232), 1.4));
    for (int i = 1; i <= 4; ++i)
        painter.drawLine(QPointF(17, 24 + i * 4.4), QPointF(45, 24 + i * 4.4));
    const QRectF valve(72, 32, 12, 9);
    DrawFilledRect(painter, valve, BrassBrush(valve), 1.5);
    const QRectF terminals(54, 30, 14, 10);
    DrawFilledRect(painter, terminals, DarkMetalBrush(terminals), 2);
    painter.setPen(OutlinePen(1.6));
    painter.setBrush(GlassBrush(QRectF(18, 66, 10, 10)));
    painter.drawEllipse(QPointF(23, 71), 5, 5);
}

}  // namespace tessaro::pictures
