#include "tools/pictures/start_picture.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPolygonF>

#include "tools/pictures/chart_drawing.h"
#include "tools/pictures/line_art.h"

namespace tessaro::pictures {

namespace {

void DrawBackdrop(QPainter& painter, const QRectF& area) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(0xfa, 0xfc, 0xfe));
    sky.setColorAt(1.0, QColor(0xe2, 0xea, 0xf2));
    painter.fillRect(area, sky);
}

}  // namespace

void DrawRefrigerantLine(QPainter& painter, std::initializer_list<QPointF> corners,
                         const QColor& colour, qreal width) {
    const QPolygonF line(corners);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Ink(), width + 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolyline(line);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolyline(line);
    QLineF longest;
    for (int i = 1; i < line.size(); ++i) {
        const QLineF piece(line[i - 1], line[i]);
        if (piece.length() > longest.length())
            longest = piece;
    }
    if (longest.length() < width * 5)
        return;  // too short to carry a readable arrow
    const QPointF middle = longest.center();
    QLineF back = longest.unitVector();
    back.setLength(width * 2.2);
    const QPointF tip = middle + (back.p2() - back.p1());
    DrawArrow(painter, middle - (back.p2() - back.p1()), tip, Ink(), width * 0.5);
}

void DrawStartPicture(QImage& image, Motif motif) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, image.width(), image.height());
    DrawBackdrop(painter, area);
    switch (motif) {
        case Motif::CycleSchematic:
            DrawCycleSchematic(painter, area);
            break;
        case Motif::PressureEnthalpyChart:
            DrawPressureEnthalpyChart(painter, area.adjusted(10, 6, -10, -6));
            break;
        case Motif::ColdRoom:
            DrawColdRoom(painter, area);
            break;
        case Motif::PlantOverview:
            DrawPlantOverview(painter, area);
            break;
        default:
            break;
    }
    painter.setPen(QPen(QColor(0x9a, 0xa8, 0xb5), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace tessaro::pictures
