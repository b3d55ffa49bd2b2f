#pragma once

// The shared look of the technical line art: one ink colour for outlines, metal, brass and copper
// fills, and the pipe stubs that connect the parts.

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>

namespace tessaro::pictures {

// Outline colour of every drawn part.
QColor Ink();
// The colours of the refrigerant lines: hot gas, liquid, two-phase after expansion, suction gas.
QColor HotGas();
QColor Liquid();
QColor TwoPhase();
QColor SuctionGas();

QPen OutlinePen(qreal width = 2.4);
QPen ThinPen(qreal width = 1.2);

// Fills lit from the upper left, spread over the given area.
QBrush MetalBrush(const QRectF& area);
QBrush DarkMetalBrush(const QRectF& area);
QBrush BrassBrush(const QRectF& area);
QBrush CopperBrush(const QRectF& area);
QBrush GlassBrush(const QRectF& area);
QBrush TintedBrush(const QRectF& area, const QColor& light, const QColor& dark);

// Draws shape with the outline pen and the given fill.
void DrawFilled(QPainter& painter, const QPainterPath& shape, const QBrush& fill,
                qreal width = 2.4);
void DrawFilledRect(QPainter& painter, const QRectF& rect, const QBrush& fill, qreal radius = 0);

// A copper pipe stub between two points on a horizontal or vertical line, with a flare nut at
// the end when nut is set.
void DrawPipe(QPainter& painter, QPointF from, QPointF to, qreal thickness = 7, bool nut = false);

// A filled arrow head at tip pointing in the direction of travel from tail to tip.
void DrawArrow(QPainter& painter, QPointF tail, QPointF tip, const QColor& colour, qreal width);

// Runs draw with the painter mapped so that a 100 x 100 drawing fills target.
template <typename Draw>
void InUnitBox(QPainter& painter, const QRectF& target, Draw draw) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / 100.0, target.height() / 100.0);
    draw(painter);
    painter.restore();
}

}  // namespace tessaro::pictures
