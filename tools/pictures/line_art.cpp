#include "tools/pictures/line_art.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

namespace tessaro::pictures {

QColor Ink() {
    return QColor(0x24, 0x32, 0x3f);
}
QColor HotGas() {
    return QColor(0xd2, 0x47, 0x3a);
}
QColor Liquid() {
    return QColor(0xe0, 0x8a, 0x2e);
}
QColor TwoPhase() {
    return QColor(0x6b, 0xae, 0xd6);
}
QColor SuctionGas() {
    return QColor(0x2f, 0x7f, 0xc1);
}

QPen OutlinePen(qreal width) {
    return QPen(Ink(), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen ThinPen(qreal width) {
    QColor colour = Ink();
    colour.setAlpha(170);
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush TintedBrush(const QRectF& area, const QColor& light, const QColor& dark) {
    QLinearGradient gradient(area.topLeft(), area.bottomRight());
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(1.0, dark);
    return QBrush(gradient);
}

QBrush MetalBrush(const QRectF& area) {
    return TintedBrush(area, QColor(0xf6, 0xf8, 0xfa), QColor(0xb4, 0xbe, 0xc8));
}

QBrush DarkMetalBrush(const QRectF& area) {
    return TintedBrush(area, QColor(0x7d, 0x8a, 0x96), QColor(0x3a, 0x45, 0x50));
}

QBrush BrassBrush(const QRectF& area) {
    return TintedBrush(area, QColor(0xf5, 0xdc, 0x8c), QColor(0xb8, 0x8a, 0x2a));
}

QBrush CopperBrush(const QRectF& area) {
    return TintedBrush(area, QColor(0xf0, 0xb0, 0x7a), QColor(0xa8, 0x5a, 0x25));
}

QBrush GlassBrush(const QRectF& area) {
    return TintedBrush(area, QColor(0xf2, 0xfa, 0xff), QColor(0x8c, 0xc4, 0xe8));
}

void DrawFilled(QPainter& painter, const QPainterPath& shape, const QBrush& fill, qreal width) {
    painter.setPen(OutlinePen(width));
    painter.setBrush(fill);
    painter.drawPath(shape);
}

void DrawFilledRect(QPainter& painter, const QRectF& rect, const QBrush& fill, qreal radius) {
    QPainterPath shape;
    shape.addRoundedRect(rect, radius, radius);
    DrawFilled(painter, shape, fill);
}

void DrawPipe(QPainter& painter, QPointF from, QPointF to, qreal thickness, bool nut) {
    const QLineF line(from, to);
    painter.save();
    painter.translate(from);
    painter.rotate(-line.angle());
    const qreal length = line.length();
    const QRectF body(0, -thickness / 2, length, thickness);
    QLinearGradient shade(0, -thickness / 2, 0, thickness / 2);
    shade.setColorAt(0.0, QColor(0xf3, 0xbd, 0x8e));
    shade.setColorAt(1.0, QColor(0xa0, 0x55, 0x22));
    painter.setPen(OutlinePen(1.6));
    painter.setBrush(shade);
    painter.drawRect(body);
    if (nut) {
        const QRectF head(length - thickness * 1.2, -thickness * 0.9, thickness * 1.2,
                          thickness * 1.8);
        painter.setBrush(BrassBrush(head));
        painter.drawRect(head);
    }
    painter.restore();
}

void DrawArrow(QPainter& painter, QPointF tail, QPointF tip, const QColor& colour, qreal width) {
    const QLineF line(tip, tail);
    QLineF side = line.unitVector();
    side.setLength(width * 2.6);
    QLineF left = side;
    left.setAngle(line.angle() + 28);
    QLineF right = side;
    right.setAngle(line.angle() - 28);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QLineF(tail, (left.p2() + right.p2()) / 2));
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({tip, left.p2(), right.p2()}));
}

}  // namespace tessaro::pictures
