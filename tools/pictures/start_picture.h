#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <initializer_list>

#include "tools/pictures/picture_catalogue.h"

namespace tessaro::pictures {

// A start picture of the welcome dialog: the scene of motif on a light backdrop.
void DrawStartPicture(QImage& image, Motif motif);

// The scenes, each filling area.
void DrawCycleSchematic(QPainter& painter, const QRectF& area);
void DrawColdRoom(QPainter& painter, const QRectF& area);
void DrawPlantOverview(QPainter& painter, const QRectF& area);

// A refrigerant line through the given corners, in the colour of its state, with an arrow in
// its longest straight piece pointing along the flow.
void DrawRefrigerantLine(QPainter& painter, std::initializer_list<QPointF> corners,
                         const QColor& colour, qreal width);

}  // namespace tessaro::pictures
