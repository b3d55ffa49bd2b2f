// Vessels and line parts: receiver, oil separator, filter drier and sight glass.
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

#include "tools/pictures/component_drawings.h"
#include "tools/pictures/line_art.h"

namespace tessaro::pictures {

namespace {

// A saddle foot under a horizontal vessel.
void DrawSaddle(QPainter& painter, qreal centre, qreal top, qreal bottom) {
    QPainterPath saddle;
    saddle.addPolygon(QPolygonF({QPointF(centre - 6, top), QPointF(centre + 6, top),
                                 QPointF(centre + 9, bottom), QPointF(centre - 9, bottom)}));
    saddle.closeSubpath();
    DrawFilled(painter, saddle, DarkMetalBrush(saddle.boundingRect()), 1.5);
}

// A regular hexagon with a flat top and bottom.
QPainterPath Hexagon(QPointF centre, qreal radius) {
    QPolygonF corners;
    for (int i = 0; i < 6; ++i) {
        const qreal angle = i * std::numbers::pi / 3;
        corners << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath shape;
    shape.addPolygon(corners);
    shape.closeSubpath();
    return shape;
}

}  // namespace

void DrawReceiver(QPainter& painter) {
    DrawPipe(painter, {34, 30}, {34, 6}, 6, true);
    DrawPipe(painter, {66, 30}, {66, 6}, 6, true);
    DrawSaddle(painter, 28, 74, 92);
    DrawSaddle(painter, 72, 74, 92);
    const QRectF shell(6, 36, 88, 42);
    QPainterPath vessel;
    vessel.addRoundedRect(shell, 20, 21);
    DrawFilled(painter, vessel, MetalBrush(shell));
    painter.setPen(ThinPen(1.3));
    painter.drawArc(QRectF(16, 36, 8, 42), 90 * 16, -180 * 16);
    painter.drawArc(QRectF(76, 36, 8, 42), 90 * 16, 180 * 16);
    for (const qreal x : {28.0, 60.0}) {
        const QRectF valve(x, 28, 12, 10);
        DrawFilledRect(painter, valve, BrassBrush(valve), 1.5);
    }
    painter.setPen(OutlinePen(1.4));
    painter.setBrush(GlassBrush(QRectF(76, 53, 10, 10)));
    painter.drawEllipse(QPointF(81, 58), 4.5, 4.5);
}

void DrawOilSeparator(QPainter& painter) {
    DrawPipe(painter, {32, 32}, {5, 32}, 7, true);
    DrawPipe(painter, {50, 14}, {50, 2}, 7, true);
    DrawPipe(painter, {50, 86}, {50, 98}, 5, true);
    const QRectF shell(30, 10, 40, 78);
    QPainterPath vessel;
    vessel.addRoundedRect(shell, 19, 14);
    DrawFilled(painter, vessel, MetalBrush(shell));
    painter.save();
    painter.setClipPath(vessel);
    // Oil sump at the bottom with a float, mesh pad below the gas outlet.
    painter.fillRect(QRectF(30, 68, 40, 22), QColor(0xe8, 0xb8, 0x4a, 200));
    painter.setPen(ThinPen(1.0));
    for (qreal x = 26; x < 74; x += 5) {
        painter.drawLine(QPointF(x, 20), QPointF(x + 8, 28));
        painter.drawLine(QPointF(x + 8, 20), QPointF(x, 28));
    }
    painter.restore();
    painter.setPen(QPen(Ink(), 1.4, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(50, 66), 7, 7);
    painter.setPen(OutlinePen(2.4));
    painter.drawPath(vessel);
}

void DrawFilterDrier(QPainter& painter) {
    DrawPipe(painter, {14, 50}, {2, 50}, 6, false);
    DrawPipe(painter, {86, 50}, {98, 50}, 6, false);
    QPainterPath shell;
    shell.addPolygon(
        QPolygonF({QPointF(10, 44), QPointF(20, 32), QPointF(80, 32), QPointF(90, 44),
                   QPointF(90, 56), QPointF(80, 68), QPointF(20, 68), QPointF(10, 56)}));
    shell.closeSubpath();
    DrawFilled(painter, shell, MetalBrush(shell.boundingRect()));
    painter.setPen(ThinPen(1.3));
    painter.drawLine(QPointF(24, 33), QPointF(24, 67));
    painter.drawLine(QPointF(76, 33), QPointF(76, 67));
    // Flow direction mark on the shell.
    DrawArrow(painter, QPointF(34, 50), QPointF(68, 50), Ink(), 3.0);
}

void DrawSightGlass(QPainter& painter) {
    DrawPipe(painter, {28, 50}, {3, 50}, 7, true);
    DrawPipe(painter, {72, 50}, {97, 50}, 7, true);
    DrawFilled(painter, Hexagon(QPointF(50, 50), 27), BrassBrush(QRectF(23, 23, 54, 54)));
    painter.setPen(OutlinePen(2.0));
    painter.setBrush(QColor(0xe9, 0xee, 0xf2));
    painter.drawEllipse(QPointF(50, 50), 18, 18);
    painter.setBrush(GlassBrush(QRectF(36, 36, 28, 28)));
    painter.drawEllipse(QPointF(50, 50), 14, 14);
    // Moisture indicator: green for dry refrigerant.
    painter.setPen(OutlinePen(1.2));
    painter.setBrush(QColor(0x3f, 0xa3, 0x4d));
    painter.drawEllipse(QPointF(50, 50), 6.5, 6.5);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(39, 39, 22, 22), 100 * 16, 60 * 16);
}

}  // namespace tessaro::pictures
