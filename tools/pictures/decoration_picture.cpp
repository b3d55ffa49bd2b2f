#include "tools/pictures/decoration_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/pictures/chart_drawing.h"
#include "tools/pictures/component_drawings.h"
#include "tools/pictures/line_art.h"

namespace tessaro::pictures {

namespace {

void DrawFrame(QPainter& painter, const QRectF& area, const QColor& colour) {
    painter.setPen(QPen(colour, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
}

void DrawSoftTile(QPainter& painter, const QRectF& area) {
    QRadialGradient glow(area.center() - QPointF(area.width() * 0.15, area.height() * 0.2),
                         area.width() * 0.85);
    glow.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    glow.setColorAt(1.0, QColor(0xd9, 0xe3, 0xec));
    painter.fillRect(area, glow);
    DrawFrame(painter, area, QColor(0xb3, 0xc0, 0xcc));
}

// An ice cube seen from above at an angle, with frosted highlights.
void DrawIceCube(QPainter& painter) {
    const QColor edge(0x4a, 0x8b, 0xbf);
    const QPolygonF top({{50, 12}, {88, 31}, {50, 50}, {12, 31}});
    const QPolygonF left({{12, 31}, {50, 50}, {50, 90}, {12, 71}});
    const QPolygonF right({{50, 50}, {88, 31}, {88, 71}, {50, 90}});
    const struct {
        const QPolygonF& face;
        QColor light;
        QColor dark;
    } faces[] = {{top, QColor(0xf4, 0xfb, 0xff), QColor(0xc8, 0xe6, 0xf8)},
                 {left, QColor(0xd7, 0xee, 0xfb), QColor(0x9c, 0xcd, 0xee)},
                 {right, QColor(0xb8, 0xdd, 0xf5), QColor(0x7d, 0xb8, 0xe3)}};
    for (const auto& face : faces) {
        painter.setPen(QPen(edge, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(TintedBrush(face.face.boundingRect(), face.light, face.dark));
        painter.drawPolygon(face.face);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 230), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(20, 33), QPointF(46, 20));
    painter.drawLine(QPointF(16, 40), QPointF(16, 62));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    for (const QPointF bubble : {QPointF(30, 58), QPointF(36, 70), QPointF(68, 62)})
        painter.drawEllipse(bubble, 2.6, 2.6);
    painter.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF spark : {QPointF(84, 14), QPointF(92, 24)}) {
        painter.drawLine(spark - QPointF(4, 0), spark + QPointF(4, 0));
        painter.drawLine(spark - QPointF(0, 4), spark + QPointF(0, 4));
    }
}

}  // namespace

void DrawComponentPicture(QImage& image, Motif motif) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, image.width(), image.height());
    QLinearGradient card(area.topLeft(), area.bottomLeft());
    card.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    card.setColorAt(1.0, QColor(0xee, 0xf2, 0xf5));
    painter.fillRect(area, card);
    DrawFrame(painter, area, QColor(0xc3, 0xcc, 0xd5));
    InUnitBox(painter, area.adjusted(3, 3, -3, -3),
              [motif](QPainter& unit) { DrawComponent(unit, motif); });
}

void DrawDecorationPicture(QImage& image, Motif motif) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, image.width(), image.height());
    DrawSoftTile(painter, area);
    if (motif == Motif::PressureEnthalpyChart) {
        DrawPressureEnthalpyChart(painter, area.adjusted(4, 4, -4, -4));
        return;
    }
    const qreal inset = image.width() / 12.0;
    InUnitBox(painter, area.adjusted(inset, inset, -inset, -inset), [motif](QPainter& unit) {
        if (motif == Motif::IceCube)
            DrawIceCube(unit);
        else
            DrawComponent(unit, motif);
    });
}

}  // namespace tessaro::pictures
