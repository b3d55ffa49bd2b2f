// The refrigeration cycle as a schematic: compressor, condenser, expansion valve and evaporator
// joined by lines coloured by the state of the refrigerant.
#include <QPainterPath>
#include <QPolygonF>

#include "tools/pictures/line_art.h"
#include "tools/pictures/start_picture.h"

namespace tessaro::pictures {

namespace {

// A heat exchanger box with a zigzag coil, tinted warm or cold.
void DrawCoilBox(QPainter& painter, const QRectF& box, const QColor& light, const QColor& coil) {
    DrawFilledRect(painter, box, TintedBrush(box, Qt::white, light), 5);
    QPolygonF zigzag;
    const int turns = 8;
    for (int i = 0; i <= turns; ++i) {
        const qreal x = box.left() + 8 + i * (box.width() - 16) / turns;
        zigzag << QPointF(x, i % 2 == 0 ? box.top() + 9 : box.bottom() - 9);
    }
    painter.setPen(QPen(coil, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(zigzag);
}

// Wavy arrows: heat leaving upwards or entering from below.
void DrawHeatFlow(QPainter& painter, qreal y, qreal dy, const QColor& colour) {
    for (const qreal x : {125.0, 150.0, 175.0}) {
        QPainterPath wave(QPointF(x, y));
        wave.cubicTo(QPointF(x - 5, y + dy / 3), QPointF(x + 5, y + 2 * dy / 3),
                     QPointF(x, y + dy));
        painter.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(wave);
        DrawArrow(painter, QPointF(x, y + dy * 0.8), QPointF(x, y + dy * 1.15), colour, 2.4);
    }
}

void DrawCompressorSymbol(QPainter& painter, QPointF centre) {
    painter.setPen(OutlinePen(2.4));
    painter.setBrush(MetalBrush(QRectF(centre - QPointF(22, 22), QSizeF(44, 44))));
    painter.drawEllipse(centre, 22, 22);
    painter.drawLine(centre + QPointF(-19, 11), centre + QPointF(19, 5));
    painter.drawLine(centre + QPointF(-19, -11), centre + QPointF(19, -5));
}

void DrawExpansionSymbol(QPainter& painter, QPointF centre) {
    QPainterPath bowTie;
    bowTie.addPolygon(QPolygonF({centre + QPointF(-10, -14), centre + QPointF(10, -14),
                                 centre + QPointF(-10, 14), centre + QPointF(10, 14)}));
    bowTie.closeSubpath();
    DrawFilled(painter, bowTie, BrassBrush(bowTie.boundingRect()), 2.0);
    painter.setPen(OutlinePen(1.6));
    painter.drawLine(centre, centre + QPointF(-22, 0));
    painter.setBrush(CopperBrush(QRectF(centre + QPointF(-30, -8), QSizeF(8, 16))));
    painter.drawRoundedRect(QRectF(centre + QPointF(-30, -8), QSizeF(8, 16)), 3, 3);
}

}  // namespace

void DrawCycleSchematic(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(area.width() / 300.0, area.height() / 200.0);
    const qreal width = 5;
    DrawRefrigerantLine(painter, {{240, 78}, {240, 50}, {200, 50}}, HotGas(), width);
    DrawRefrigerantLine(painter, {{100, 50}, {64, 50}, {64, 86}}, Liquid(), width);
    DrawRefrigerantLine(painter, {{64, 114}, {64, 150}, {100, 150}}, TwoPhase(), width);
    DrawRefrigerantLine(painter, {{200, 150}, {240, 150}, {240, 122}}, SuctionGas(), width);
    DrawCoilBox(painter, QRectF(100, 32, 100, 36), QColor(0xf6, 0xd5, 0xcf), HotGas());
    DrawCoilBox(painter, QRectF(100, 132, 100, 36), QColor(0xcf, 0xe2, 0xf6), SuctionGas());
    DrawHeatFlow(painter, 28, -18, HotGas());
    DrawHeatFlow(painter, 190, -14, SuctionGas());
    DrawCompressorSymbol(painter, QPointF(240, 100));
    DrawExpansionSymbol(painter, QPointF(64, 100));
    painter.restore();
}

}  // namespace tessaro::pictures
