// Valves and controls: thermostatic expansion valve, solenoid valve, shut-off valve and pressure
// switch.
#include <QPainterPath>

#include "tools/pictures/component_drawings.h"
#include "tools/pictures/line_art.h"

namespace tessaro::pictures {

void DrawExpansionValve(QPainter& painter) {
    DrawPipe(painter, {36, 66}, {5, 66}, 7, true);
    DrawPipe(painter, {64, 66}, {95, 66}, 7, true);
    // Capillary from the power head to the sensing bulb.
    QPainterPath capillary(QPointF(50, 26));
    capillary.cubicTo(QPointF(50, 6), QPointF(86, 4), QPointF(87, 30));
    painter.setPen(QPen(QColor(0xa8, 0x5a, 0x25), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(capillary);
    const QRectF bulb(82, 30, 10, 24);
    DrawFilledRect(painter, bulb, CopperBrush(bulb), 4);
    const QRectF body(34, 52, 32, 28);
    DrawFilledRect(painter, body, BrassBrush(body), 4);
    const QRectF neck(44, 42, 12, 10);
    DrawFilledRect(painter, neck, BrassBrush(neck));
    const QRectF head(26, 26, 48, 17);
    DrawFilledRect(painter, head, MetalBrush(head), 8);
    painter.setPen(ThinPen(1.3));
    painter.drawLine(QPointF(28, 34.5), QPointF(72, 34.5));
    const QRectF spindle(45, 80, 10, 11);
    DrawFilledRect(painter, spindle, MetalBrush(spindle), 2);
}

void DrawSolenoidValve(QPainter& painter) {
    DrawPipe(painter, {34, 74}, {5, 74}, 7, true);
    DrawPipe(painter, {66, 74}, {95, 74}, 7, true);
    const QRectF body(32, 62, 36, 24);
    DrawFilledRect(painter, body, BrassBrush(body), 4);
    const QRectF tube(44, 50, 12, 12);
    DrawFilledRect(painter, tube, MetalBrush(tube));
    // Cable leaving the coil's gland.
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath cable(QPointF(82, 33));
    cable.cubicTo(QPointF(92, 33), QPointF(90, 48), QPointF(97, 50));
    painter.drawPath(cable);
    const QRectF gland(74, 28, 9, 10);
    DrawFilledRect(painter, gland, DarkMetalBrush(gland), 1.5);
    const QRectF coil(24, 14, 52, 37);
    DrawFilledRect(painter, coil, DarkMetalBrush(coil), 5);
    const QRectF nut(44, 7, 12, 7);
    DrawFilledRect(painter, nut, MetalBrush(nut), 1.5);
    // A lightning sign on the coil's label plate.
    const QRectF plate(36, 22, 28, 20);
    DrawFilledRect(painter, plate, QBrush(QColor(0xf4, 0xf1, 0xe4)), 2);
    QPainterPath bolt;
    bolt.moveTo(53, 24);
    bolt.lineTo(44, 33);
    bolt.lineTo(50, 33);
    bolt.lineTo(46, 40);
    bolt.lineTo(56, 30);
    bolt.lineTo(50, 30);
    bolt.closeSubpath();
    DrawFilled(painter, bolt, QBrush(QColor(0xf2, 0xb7, 0x05)), 1.0);
}

void DrawShutOffValve(QPainter& painter) {
    DrawPipe(painter, {40, 66}, {5, 66}, 7, true);
    DrawPipe(painter, {54, 78}, {54, 96}, 7, true);
    DrawPipe(painter, {66, 58}, {80, 58}, 5, true);
    const QRectF body(36, 50, 34, 30);
    DrawFilledRect(painter, body, BrassBrush(body), 9);
    const QRectF bonnet(45, 34, 18, 17);
    DrawFilledRect(painter, bonnet, BrassBrush(bonnet), 2);
    const QRectF spindle(51, 18, 6, 17);
    DrawFilledRect(painter, spindle, MetalBrush(spindle));
    // Hand wheel seen slightly from above, painted red.
    painter.setPen(OutlinePen(1.8));
    painter.setBrush(QColor(0xc0, 0x39, 0x2b));
    painter.drawEllipse(QRectF(26, 8, 56, 16));
    painter.setBrush(QColor(0xf7, 0xf7, 0xf7));
    painter.drawEllipse(QRectF(34, 11.5, 40, 9));
    painter.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 3.2));
    painter.drawLine(QPointF(36, 16), QPointF(72, 16));
    painter.drawLine(QPointF(54, 12), QPointF(54, 20));
}

void DrawPressureSwitch(QPainter& painter) {
    DrawPipe(painter, {50, 76}, {50, 96}, 6, true);
    const QRectF bellows(42, 68, 16, 10);
    DrawFilledRect(painter, bellows, BrassBrush(bellows), 1.5);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath cable(QPointF(86, 54));
    cable.cubicTo(QPointF(94, 54), QPointF(92, 68), QPointF(98, 72));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(cable);
    const QRectF gland(78, 49, 9, 10);
    DrawFilledRect(painter, gland, DarkMetalBrush(gland), 1.5);
    const QRectF housing(18, 12, 62, 58);
    DrawFilledRect(painter, housing, MetalBrush(housing), 5);
    const QRectF screw(45, 4, 10, 8);
    DrawFilledRect(painter, screw, BrassBrush(screw), 1.5);
    // Setting scale with a pointer.
    const QRectF scale(27, 20, 44, 20);
    DrawFilledRect(painter, scale, QBrush(Qt::white), 2);
    painter.setPen(ThinPen(1.2));
    for (int i = 0; i <= 8; ++i) {
        const qreal x = 31 + i * 4.5;
        painter.drawLine(QPointF(x, 22), QPointF(x, i % 2 == 0 ? 30 : 27));
    }
    painter.setPen(QPen(HotGas(), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(56, 22), QPointF(56, 38));
    // Manual reset button.
    painter.setPen(OutlinePen(1.6));
    painter.setBrush(QColor(0x2f, 0x7f, 0xc1));
    painter.drawEllipse(QPointF(49, 55), 6, 6);
}

}  // namespace tessaro::pictures
