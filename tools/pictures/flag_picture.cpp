#include "tools/pictures/flag_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace tessaro::pictures {

namespace {

const QColor kWhite(0xff, 0xff, 0xff);

// Fills rect with its edges moved to whole pixels, so that neighbouring fields meet without a
// blended seam.
void FillSnapped(QPainter& painter, const QRectF& rect, const QColor& colour) {
    const QPointF topLeft(std::round(rect.left()), std::round(rect.top()));
    const QPointF bottomRight(std::round(rect.right()), std::round(rect.bottom()));
    painter.fillRect(QRectF(topLeft, bottomRight), colour);
}

// Stripes of equal weight unless weights are given, top to bottom or hoist to fly.
void Bands(QPainter& painter, const QRectF& area, std::initializer_list<QColor> colours,
           bool vertical, std::initializer_list<qreal> weights = {}) {
    qreal total = 0;
    for (const qreal w : weights)
        total += w;
    qreal start = 0;
    auto weight = weights.begin();
    for (const QColor& colour : colours) {
        const qreal share = weights.size() == 0 ? 1.0 / colours.size() : *weight++ / total;
        const QRectF band = vertical ? QRectF(area.left() + start * area.width(), area.top(),
                                              share * area.width(), area.height())
                                     : QRectF(area.left(), area.top() + start * area.height(),
                                              area.width(), share * area.height());
        FillSnapped(painter, band, colour);
        start += share;
    }
}

// A cross of the given bar width whose bars cross at (x, y).
void Cross(QPainter& painter, const QRectF& area, qreal x, qreal y, qreal bar,
           const QColor& colour) {
    FillSnapped(painter, QRectF(x - bar / 2, area.top(), bar, area.height()), colour);
    FillSnapped(painter, QRectF(area.left(), y - bar / 2, area.width(), bar), colour);
}

QPolygonF Star(QPointF centre, qreal outer, qreal inner, qreal firstAngle) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = firstAngle + i * std::numbers::pi / 5;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return star;
}

// Crescent and star after the flag law of Turkey, in units of the flag's height g.
void TurkishCrescent(QPainter& painter, const QRectF& area) {
    const qreal g = area.height();
    const qreal y = area.center().y();
    QPainterPath crescent;
    crescent.addEllipse(QPointF(area.left() + 0.5 * g, y), 0.25 * g, 0.25 * g);
    QPainterPath hollow;
    hollow.addEllipse(QPointF(area.left() + 0.5625 * g, y), 0.2 * g, 0.2 * g);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawPath(crescent.subtracted(hollow));
    const qreal starRadius = 0.125 * g;
    const QPointF starCentre(area.left() + 0.6958 * g + starRadius, y);
    painter.drawPolygon(Star(starCentre, starRadius, starRadius * 0.382, std::numbers::pi));
}

// Armillary sphere with the shield, on the border of green and red.
void PortugueseArms(QPainter& painter, const QRectF& area) {
    const qreal h = area.height();
    const QPointF centre(area.left() + 0.4 * area.width(), area.center().y());
    const QColor gold(0xff, 0xe0, 0x00);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(gold, 0.045 * h));
    painter.drawEllipse(centre, 0.24 * h, 0.24 * h);
    painter.setPen(QPen(gold, 0.03 * h));
    painter.drawEllipse(centre, 0.24 * h, 0.09 * h);
    painter.drawLine(centre - QPointF(0.24 * h, 0), centre + QPointF(0.24 * h, 0));
    const qreal w = 0.26 * h;
    QPainterPath shield;
    shield.moveTo(centre + QPointF(-w / 2, -0.17 * h));
    shield.lineTo(centre + QPointF(w / 2, -0.17 * h));
    shield.lineTo(centre + QPointF(w / 2, 0.05 * h));
    shield.quadTo(centre + QPointF(w / 2, 0.17 * h), centre + QPointF(0, 0.17 * h));
    shield.quadTo(centre + QPointF(-w / 2, 0.17 * h), centre + QPointF(-w / 2, 0.05 * h));
    shield.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0x00, 0x00));
    painter.drawPath(shield);
    QTransform inner;
    inner.translate(centre.x(), centre.y());
    inner.scale(0.62, 0.62);
    inner.translate(-centre.x(), -centre.y());
    painter.setBrush(kWhite);
    painter.drawPath(inner.map(shield));
    painter.setBrush(QColor(0x00, 0x33, 0x99));
    const qreal step = 0.045 * h;
    for (const QPointF offset :
         {QPointF(0, -step), QPointF(-step, 0), QPointF(0, 0), QPointF(step, 0), QPointF(0, step)})
        painter.drawEllipse(centre + offset - QPointF(0, 0.01 * h), 0.016 * h, 0.016 * h);
}

void Greek(QPainter& painter, const QRectF& area) {
    const QColor blue(0x0d, 0x5e, 0xaf);
    const qreal stripe = area.height() / 9;
    for (int i = 0; i < 9; ++i)
        FillSnapped(painter, QRectF(area.left(), area.top() + i * stripe, area.width(), stripe),
                    i % 2 == 0 ? blue : kWhite);
    const QRectF canton(area.left(), area.top(), 5 * stripe, 5 * stripe);
    FillSnapped(painter, canton, blue);
    Cross(painter, canton, canton.center().x(), canton.center().y(), stripe, kWhite);
}

void Swedish(QPainter& painter, const QRectF& area) {
    painter.fillRect(area, QColor(0x00, 0x6a, 0xa7));
    Cross(painter, area, area.left() + area.width() * 6 / 16, area.center().y(), area.height() / 5,
          QColor(0xfe, 0xcc, 0x00));
}

// The flag of the United Arab Emirates: a red band at the hoist, green, white and black.
void Emirates(QPainter& painter, const QRectF& area) {
    Bands(painter, area, {QColor(0x00, 0x73, 0x2f), kWhite, QColor(0, 0, 0)}, false);
    FillSnapped(painter, QRectF(area.left(), area.top(), area.width() / 4, area.height()),
                QColor(0xef, 0x33, 0x40));
}

void DrawFlag(QPainter& painter, const QRectF& a, Motif motif) {
    switch (motif) {
        case Motif::England:
            painter.fillRect(a, kWhite);
            Cross(painter, a, a.center().x(), a.center().y(), a.height() / 5,
                  QColor(0xce, 0x11, 0x24));
            break;
        case Motif::Germany:
            Bands(painter, a, {QColor(0, 0, 0), QColor(0xdd, 0, 0), QColor(0xff, 0xce, 0)}, false);
            break;
        case Motif::France:
            Bands(painter, a, {QColor(0x00, 0x55, 0xa4), kWhite, QColor(0xef, 0x41, 0x35)}, true);
            break;
        case Motif::Spain:
            Bands(painter, a,
                  {QColor(0xaa, 0x15, 0x1b), QColor(0xf1, 0xbf, 0), QColor(0xaa, 0x15, 0x1b)},
                  false, {1, 2, 1});
            break;
        case Motif::Netherlands:
            Bands(painter, a, {QColor(0xae, 0x1c, 0x28), kWhite, QColor(0x21, 0x46, 0x8b)}, false);
            break;
        case Motif::Italy:
            Bands(painter, a, {QColor(0x00, 0x92, 0x46), kWhite, QColor(0xce, 0x2b, 0x37)}, true);
            break;
        case Motif::Portugal:
            Bands(painter, a, {QColor(0x00, 0x66, 0x00), QColor(0xff, 0x00, 0x00)}, true, {2, 3});
            PortugueseArms(painter, a);
            break;
        case Motif::Sweden:
            Swedish(painter, a);
            break;
        case Motif::Russia:
            Bands(painter, a, {kWhite, QColor(0x00, 0x39, 0xa6), QColor(0xd5, 0x2b, 0x1e)}, false);
            break;
        case Motif::Poland:
            Bands(painter, a, {kWhite, QColor(0xdc, 0x14, 0x3c)}, false);
            break;
        case Motif::Turkey:
            painter.fillRect(a, QColor(0xe3, 0x0a, 0x17));
            TurkishCrescent(painter, a);
            break;
        case Motif::Romania:
            Bands(painter, a,
                  {QColor(0x00, 0x2b, 0x7f), QColor(0xfc, 0xd1, 0x16), QColor(0xce, 0x11, 0x26)},
                  true);
            break;
        case Motif::Greece:
            Greek(painter, a);
            break;
        case Motif::Hungary:
            Bands(painter, a, {QColor(0xcd, 0x2a, 0x3e), kWhite, QColor(0x43, 0x6f, 0x4d)}, false);
            break;
        case Motif::Bulgaria:
            Bands(painter, a, {kWhite, QColor(0x00, 0x96, 0x6e), QColor(0xd6, 0x26, 0x12)}, false);
            break;
        case Motif::Arabic:
            Emirates(painter, a);
            break;
        default:
            break;
    }
}

}  // namespace

void DrawFlagPicture(QImage& image, Motif motif) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, image.width(), image.height());
    DrawFlag(painter, area, motif);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace tessaro::pictures
