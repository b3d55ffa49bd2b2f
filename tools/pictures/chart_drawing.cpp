#include "tools/pictures/chart_drawing.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "tools/pictures/line_art.h"

namespace tessaro::pictures {

namespace {

// Maps chart units (enthalpy 0..1 to the right, log pressure 0..1 upwards) onto the plot area.
class ChartFrame {
  public:
    explicit ChartFrame(const QRectF& plot) : plot_(plot) {}
    QPointF At(qreal h, qreal p) const {
        return {plot_.left() + h * plot_.width(), plot_.bottom() - p * plot_.height()};
    }
    const QRectF& Plot() const { return plot_; }

  private:
    QRectF plot_;
};

QPainterPath SaturationDome(const ChartFrame& frame) {
    QPainterPath dome(frame.At(0.12, 0.0));
    dome.cubicTo(frame.At(0.20, 0.45), frame.At(0.30, 0.82), frame.At(0.44, 0.86));
    dome.cubicTo(frame.At(0.58, 0.84), frame.At(0.70, 0.45), frame.At(0.76, 0.0));
    return dome;
}

// The enthalpy where the dome's liquid (left) or vapour (right) line reaches pressure p.
qreal DomeEnthalpy(const QPainterPath& dome, const ChartFrame& frame, qreal p, bool vapour) {
    const qreal y = frame.At(0, p).y();
    qreal best = 0;
    qreal bestDistance = 1e9;
    for (int i = 0; i <= 400; ++i) {
        const QPointF point = dome.pointAtPercent(i / 400.0);
        const bool rightSide = point.x() > frame.At(0.44, 0).x();
        if (rightSide != vapour)
            continue;
        if (std::abs(point.y() - y) < bestDistance) {
            bestDistance = std::abs(point.y() - y);
            best = point.x();
        }
    }
    return (best - frame.Plot().left()) / frame.Plot().width();
}

void DrawAxes(QPainter& painter, const ChartFrame& frame, qreal unit) {
    const QRectF& plot = frame.Plot();
    painter.setPen(QPen(QColor(0xc9, 0xd3, 0xdc), unit * 0.5));
    for (int i = 1; i < 5; ++i) {
        const qreal f = i / 5.0;
        painter.drawLine(frame.At(f, 0), frame.At(f, 1));
        painter.drawLine(frame.At(0, f), frame.At(1, f));
    }
    DrawArrow(painter, plot.bottomLeft(), plot.topLeft() - QPointF(0, unit * 4), Ink(), unit);
    DrawArrow(painter, plot.bottomLeft(), plot.bottomRight() + QPointF(unit * 4, 0), Ink(), unit);
}

}  // namespace

void DrawPressureEnthalpyChart(QPainter& painter, const QRectF& area) {
    const qreal unit = area.height() / 60.0;
    const ChartFrame frame(area.adjusted(unit * 6, unit * 8, -unit * 8, -unit * 5));
    DrawAxes(painter, frame, unit);
    const QPainterPath dome = SaturationDome(frame);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd6, 0xe8, 0xf5, 170));
    painter.drawPath(dome);
    painter.setPen(QPen(Ink(), unit * 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(dome);

    const qreal low = 0.28;
    const qreal high = 0.64;
    const qreal h3 = DomeEnthalpy(dome, frame, high, false) - 0.03;
    const qreal h1 = DomeEnthalpy(dome, frame, low, true) + 0.04;
    const QPointF p1 = frame.At(h1, low);
    const QPointF p2 = frame.At(h1 + 0.14, high);
    const QPointF p3 = frame.At(h3, high);
    const QPointF p4 = frame.At(h3, low);
    const qreal line = unit * 1.8;
    painter.setPen(QPen(HotGas(), line, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(p1, p2);
    painter.setPen(QPen(Liquid(), line, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(p2, p3);
    QPen throttle(QColor(0x7a, 0x86, 0x92), line, Qt::CustomDashLine, Qt::FlatCap);
    throttle.setDashPattern({1.2, 1.0});
    painter.setPen(throttle);
    painter.drawLine(p3, p4);
    painter.setPen(QPen(SuctionGas(), line, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(p4, p1);
    painter.setPen(QPen(Ink(), unit * 0.7));
    painter.setBrush(Qt::white);
    for (const QPointF point : {p1, p2, p3, p4})
        painter.drawEllipse(point, unit * 1.5, unit * 1.5);
}

}  // namespace tessaro::pictures
