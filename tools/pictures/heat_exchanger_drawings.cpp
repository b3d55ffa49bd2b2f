// Heat exchangers: unit cooler, air-cooled and water-cooled condenser, plate heat exchanger.
#include <QPainterPath>
#include <QPolygonF>

#include "tools/pictures/component_drawings.h"
#include "tools/pictures/line_art.h"

namespace tessaro::pictures {

namespace {

// A fan seen from the front: dark opening, three blades, hub and guard rings.
void DrawFan(QPainter& painter, QPointF centre, qreal radius, const QColor& hub) {
    painter.setPen(OutlinePen(1.8));
    painter.setBrush(QColor(0x55, 0x61, 0x6c));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Ink(), 0.8));
    painter.setBrush(QColor(0xcf, 0xd8, 0xe0));
    for (int blade = 0; blade < 3; ++blade) {
        painter.save();
        painter.translate(centre);
        painter.rotate(blade * 120.0 + 20.0);
        QPainterPath shape(QPointF(0, 0));
        shape.cubicTo(QPointF(radius * 0.2, -radius * 0.55), QPointF(radius * 0.75, -radius * 0.6),
                      QPointF(radius * 0.85, -radius * 0.2));
        shape.cubicTo(QPointF(radius * 0.6, -radius * 0.05), QPointF(radius * 0.3, 0.0),
                      QPointF(0, 0));
        painter.drawPath(shape);
        painter.restore();
    }
    painter.setBrush(hub);
    painter.drawEllipse(centre, radius * 0.22, radius * 0.22);
    painter.setPen(QPen(QColor(255, 255, 255, 140), 0.9));
    painter.setBrush(Qt::NoBrush);
    for (const qreal f : {0.45, 0.7, 0.92})
        painter.drawEllipse(centre, radius * f, radius * f);
}

// A short water connection coloured by its temperature.
void DrawWaterStub(QPainter& painter, QPointF from, QPointF to, const QColor& colour) {
    painter.setPen(QPen(Ink(), 1.6));
    painter.setBrush(colour);
    painter.drawRect(QRectF(to.x(), from.y() - 3.5, from.x() - to.x(), 7));
}

// A wavy line rising from the condenser: warm air leaving it.
void DrawHeatWave(QPainter& painter, qreal x) {
    QPainterPath wave(QPointF(x, 20));
    wave.cubicTo(QPointF(x - 5, 15), QPointF(x + 5, 11), QPointF(x, 5));
    painter.setPen(QPen(HotGas(), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
}

}  // namespace

void DrawEvaporator(QPainter& painter) {
    for (const qreal x : {16.0, 78.0}) {
        const QRectF bracket(x, 12, 8, 10);
        DrawFilledRect(painter, bracket, DarkMetalBrush(bracket), 1);
    }
    const QRectF casing(5, 20, 90, 58);
    DrawFilledRect(painter, casing,
                   TintedBrush(casing, QColor(0xf4, 0xf9, 0xff), QColor(0xb9, 0xd3, 0xea)), 4);
    DrawFan(painter, QPointF(29, 49), 19, SuctionGas());
    DrawFan(painter, QPointF(71, 49), 19, SuctionGas());
    QPainterPath tray;
    tray.addPolygon(QPolygonF({QPointF(5, 78), QPointF(95, 78), QPointF(91, 88), QPointF(9, 88)}));
    tray.closeSubpath();
    DrawFilled(painter, tray, MetalBrush(tray.boundingRect()), 1.8);
}

void DrawAirCooledCondenser(QPainter& painter) {
    for (const qreal x : {30.0, 50.0, 70.0})
        DrawHeatWave(painter, x);
    for (const qreal x : {14.0, 82.0}) {
        const QRectF leg(x, 84, 5, 12);
        DrawFilledRect(painter, leg, DarkMetalBrush(leg), 1);
    }
    const QRectF casing(6, 24, 88, 62);
    DrawFilledRect(painter, casing, MetalBrush(casing), 4);
    // Finned coil at the left, with the return bends of its tubes.
    const QRectF coil(12, 30, 30, 50);
    DrawFilledRect(painter, coil, QBrush(QColor(0xf1, 0xe3, 0xd6)), 1);
    painter.setPen(QPen(QColor(0xa8, 0x5a, 0x25, 190), 1.0));
    for (qreal x = 15; x < 41; x += 3)
        painter.drawLine(QPointF(x, 31), QPointF(x, 79));
    DrawFan(painter, QPointF(68, 55), 22, HotGas());
}

void DrawWaterCooledCondenser(QPainter& painter) {
    DrawPipe(painter, {40, 36}, {40, 12}, 7, true);
    DrawPipe(painter, {56, 64}, {56, 86}, 6, true);
    DrawWaterStub(painter, QPointF(10, 40), QPointF(2, 40), HotGas());
    DrawWaterStub(painter, QPointF(10, 60), QPointF(2, 60), SuctionGas());
    for (const qreal x : {28.0, 76.0}) {
        QPainterPath saddle;
        saddle.addPolygon(QPolygonF(
            {QPointF(x - 5, 64), QPointF(x + 5, 64), QPointF(x + 8, 90), QPointF(x - 8, 90)}));
        saddle.closeSubpath();
        DrawFilled(painter, saddle, DarkMetalBrush(saddle.boundingRect()), 1.5);
    }
    const QRectF shell(18, 34, 66, 32);
    DrawFilledRect(painter, shell, MetalBrush(shell), 2);
    for (const qreal x : {8.0, 82.0}) {
        const QRectF cover(x, 28, 11, 44);
        DrawFilledRect(painter, cover, DarkMetalBrush(cover), 3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xe6, 0xea, 0xee));
        for (const qreal y : {33.0, 44.0, 56.0, 67.0})
            painter.drawEllipse(QPointF(x + 5.5, y), 1.6, 1.6);
    }
}

void DrawPlateHeatExchanger(QPainter& painter) {
    // Edge of the plate pack behind the front plate.
    QPainterPath edge;
    edge.addPolygon(QPolygonF({QPointF(74, 10), QPointF(84, 4), QPointF(84, 86), QPointF(74, 94)}));
    edge.addPolygon(QPolygonF({QPointF(24, 10), QPointF(34, 4), QPointF(84, 4), QPointF(74, 10)}));
    DrawFilled(painter, edge, DarkMetalBrush(QRectF(24, 4, 60, 90)), 1.8);
    painter.setPen(QPen(QColor(0xe6, 0xea, 0xee), 0.9));
    for (qreal x = 76.5; x < 84; x += 2.5)
        painter.drawLine(QPointF(x, 9 - (x - 74) * 0.6), QPointF(x, 93 - (x - 74) * 0.8));
    const QRectF front(16, 10, 58, 84);
    DrawFilledRect(painter, front, MetalBrush(front), 3);
    // Herringbone pattern pressed into the plates.
    painter.setPen(ThinPen(1.3));
    painter.setBrush(Qt::NoBrush);
    for (qreal y = 26; y <= 72; y += 6.5)
        painter.drawPolyline(QPolygonF({QPointF(24, y), QPointF(45, y + 6), QPointF(66, y)}));
    const QPointF ports[] = {{27, 18}, {63, 18}, {27, 86}, {63, 86}};
    for (const QPointF port : ports) {
        painter.setPen(OutlinePen(1.6));
        painter.setBrush(CopperBrush(QRectF(port - QPointF(6, 6), QSizeF(12, 12))));
        painter.drawEllipse(port, 6, 6);
        painter.setBrush(QColor(0x45, 0x2a, 0x18));
        painter.drawEllipse(port, 2.8, 2.8);
    }
}

}  // namespace tessaro::pictures
