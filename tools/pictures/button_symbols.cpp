// The symbols at the left of the command buttons, each in a 100 x 100 box.
#include <QPainterPath>

#include "tools/pictures/button_picture.h"
#include "tools/pictures/line_art.h"

namespace tessaro::pictures {

namespace {

void DrawCalculator(QPainter& painter) {
    const QRectF body(16, 3, 68, 94);
    DrawFilledRect(painter, body, DarkMetalBrush(body), 9);
    DrawFilledRect(painter, QRectF(26, 13, 48, 20), QBrush(QColor(0xcf, 0xe8, 0xc4)), 3);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool equals = row == 2 && column == 2;
            const QColor key = equals ? QColor(0xf0, 0x8c, 0x2a) : QColor(0xf4, 0xf6, 0xf8);
            painter.setPen(Qt::NoPen);
            painter.setBrush(key);
            painter.drawRoundedRect(QRectF(25 + column * 18, 42 + row * 17, 13, 12), 2.5, 2.5);
        }
    }
}

void DrawPrinter(QPainter& painter) {
    DrawFilledRect(painter, QRectF(26, 6, 48, 36), QBrush(Qt::white), 1);
    const QRectF body(6, 36, 88, 38);
    DrawFilledRect(painter, body, MetalBrush(body), 8);
    DrawFilledRect(painter, QRectF(24, 60, 52, 36), QBrush(Qt::white), 1);
    painter.setPen(QPen(Ink(), 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(33, 72), QPointF(67, 72));
    painter.drawLine(QPointF(33, 83), QPointF(58, 83));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2e, 0x9d, 0x4f));
    painter.drawEllipse(QPointF(81, 47), 4.5, 4.5);
}

// A white mark on a coloured disc, as drawn by markDraw.
template <typename Mark>
void DrawDiscSymbol(QPainter& painter, const QColor& disc, Mark markDraw) {
    painter.setPen(QPen(disc.darker(130), 3));
    painter.setBrush(TintedBrush(QRectF(4, 4, 92, 92), disc.lighter(125), disc));
    painter.drawEllipse(QPointF(50, 50), 45, 45);
    painter.setBrush(Qt::NoBrush);
    markDraw();
}

QPen MarkPen(qreal width) {
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap);
}

void DrawHelp(QPainter& painter) {
    DrawDiscSymbol(painter, QColor(0x2f, 0x7f, 0xc1), [&painter] {
        QPainterPath hook(QPointF(35, 36));
        hook.cubicTo(QPointF(35, 18), QPointF(65, 18), QPointF(65, 36));
        hook.cubicTo(QPointF(65, 48), QPointF(50, 48), QPointF(50, 62));
        painter.setPen(MarkPen(11));
        painter.drawPath(hook);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(50, 78), 7, 7);
    });
}

void DrawCancel(QPainter& painter) {
    DrawDiscSymbol(painter, QColor(0xd0, 0x45, 0x3a), [&painter] {
        painter.setPen(MarkPen(12));
        painter.drawLine(QPointF(32, 32), QPointF(68, 68));
        painter.drawLine(QPointF(68, 32), QPointF(32, 68));
    });
}

void DrawConfirm(QPainter& painter) {
    DrawDiscSymbol(painter, QColor(0x2e, 0x9d, 0x4f), [&painter] {
        QPen pen = MarkPen(12);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.drawPolyline(QPolygonF({QPointF(27, 52), QPointF(43, 68), QPointF(73, 34)}));
    });
}

void DrawExit(QPainter& painter) {
    DrawFilledRect(painter, QRectF(10, 6, 46, 88), QBrush(QColor(0xee, 0xf1, 0xf4)), 2);
    QPainterPath leaf;
    leaf.addPolygon(
        QPolygonF({QPointF(10, 6), QPointF(38, 16), QPointF(38, 100), QPointF(10, 94)}));
    leaf.closeSubpath();
    DrawFilled(
        painter, leaf,
        TintedBrush(leaf.boundingRect(), QColor(0xc8, 0x8a, 0x52), QColor(0x8a, 0x52, 0x28)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf2, 0xd0, 0x6b));
    painter.drawEllipse(QPointF(32, 56), 3.5, 3.5);
    DrawArrow(painter, QPointF(50, 50), QPointF(96, 50), QColor(0xd0, 0x45, 0x3a), 10);
}

void DrawZoom(QPainter& painter) {
    painter.setPen(QPen(Ink(), 15, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(64, 64), QPointF(90, 90));
    painter.setPen(QPen(Ink(), 8));
    painter.setBrush(GlassBrush(QRectF(12, 12, 60, 60)));
    painter.drawEllipse(QPointF(42, 42), 30, 30);
    painter.setPen(QPen(Ink(), 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(30, 42), QPointF(54, 42));
    painter.drawLine(QPointF(42, 30), QPointF(42, 54));
}

// A bar chart comparing three variants: bars of different lengths standing out from an axis.
// The edges lie close to whole pixels of the 24 pixel symbol, so that the bars stay crisp.
void DrawVariants(QPainter& painter) {
    const struct {
        qreal top;
        qreal end;
        QColor colour;
    } bars[] = {
        {6, 69, QColor(0x2f, 0x7f, 0xc1)},
        {39, 94, QColor(0xf0, 0x8c, 0x2a)},
        {73, 48, QColor(0x2e, 0x9d, 0x4f)},
    };
    for (const auto& bar : bars) {
        const QRectF rect(8, bar.top, bar.end - 8, 21);
        DrawFilledRect(painter, rect, TintedBrush(rect, bar.colour.lighter(130), bar.colour), 2);
    }
    painter.setPen(QPen(Ink(), 8, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(8.5, 3), QPointF(8.5, 97));
}

// The log p-h diagram: the saturation dome with the cycle drawn over it. The liquid line leans
// left and the vapour line stands steeper, so the dome's top lies left of the middle; the cycle
// condenses along the top, throttles straight down at the left, evaporates along the bottom and
// is compressed up the slanted side at the right. The horizontal and vertical lines of the cycle
// lie on whole pixels of the 24 pixel symbol.
void DrawDiagram(QPainter& painter) {
    QPainterPath dome(QPointF(3, 97));
    dome.cubicTo(QPointF(10, 54), QPointF(20, 6), QPointF(42, 6));
    dome.cubicTo(QPointF(59, 6), QPointF(66, 40), QPointF(68, 97));
    painter.setPen(QPen(Ink(), 8, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(dome);
    QPen cycle(QColor(0xd0, 0x45, 0x3a), 8.33, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(cycle);
    painter.drawPolygon(
        QPolygonF({QPointF(25, 29.17), QPointF(97, 29.17), QPointF(83, 75), QPointF(25, 75)}));
}

}  // namespace

void DrawButtonSymbol(QPainter& painter, Motif motif) {
    switch (motif) {
        case Motif::Calculator:
            DrawCalculator(painter);
            break;
        case Motif::Printer:
            DrawPrinter(painter);
            break;
        case Motif::Help:
            DrawHelp(painter);
            break;
        case Motif::Cancel:
            DrawCancel(painter);
            break;
        case Motif::Confirm:
            DrawConfirm(painter);
            break;
        case Motif::Exit:
            DrawExit(painter);
            break;
        case Motif::Zoom:
            DrawZoom(painter);
            break;
        case Motif::Variants:
            DrawVariants(painter);
            break;
        case Motif::Diagram:
            DrawDiagram(painter);
            break;
        default:
            break;
    }
}

}  // namespace tessaro::pictures
