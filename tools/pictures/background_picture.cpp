#include "tools/pictures/background_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessaro::pictures {

namespace {

struct Tint {
    QColor top;
    QColor bottom;
};

Tint TintOf(Motif motif) {
    switch (motif) {
        case Motif::SteelBlue:
            return {QColor(0xf2, 0xf6, 0xfa), QColor(0xd4, 0xdf, 0xea)};
        case Motif::SilverGrey:
            return {QColor(0xf4, 0xf5, 0xf7), QColor(0xd9, 0xdd, 0xe2)};
        case Motif::SkyBlue:
            return {QColor(0xf5, 0xfa, 0xfe), QColor(0xda, 0xea, 0xf6)};
        case Motif::PearlGrey:
            return {QColor(0xf7, 0xf7, 0xf5), QColor(0xe2, 0xe3, 0xe0)};
        case Motif::MistBlue:
            return {QColor(0xf3, 0xf7, 0xfa), QColor(0xdd, 0xe6, 0xee)};
        case Motif::WarmRed:
            return {QColor(0xfd, 0xf3, 0xf1), QColor(0xf1, 0xd4, 0xcf)};
        case Motif::CoolBlue:
            return {QColor(0xf1, 0xf7, 0xfd), QColor(0xd0, 0xe3, 0xf5)};
        default:
            return {QColor(0xf8, 0xf9, 0xfa), QColor(0xe6, 0xe9, 0xec)};
    }
}

// Broad sine waves across the picture, a shade lighter than the ground.
void DrawWaves(QPainter& painter, const QRectF& area) {
    const int waves = 4;
    const qreal small = std::min(area.width(), area.height());
    const qreal wavelength = std::max(area.width(), area.height()) * 0.8;
    const qreal amplitude = small / 14;
    const qreal stroke = std::max<qreal>(small / 18, 6);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 60), stroke, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < waves; ++i) {
        const qreal base = area.height() * (0.2 + 0.2 * i);
        const qreal phase = i * 0.9;
        QPainterPath wave;
        const int steps = 64;
        for (int s = 0; s <= steps; ++s) {
            const qreal x = area.width() * s / steps;
            const qreal angle = 2 * std::numbers::pi * x / wavelength + phase;
            const QPointF point(x, base + amplitude * std::sin(angle) + x * 0.08);
            if (s == 0)
                wave.moveTo(point);
            else
                wave.lineTo(point);
        }
        painter.drawPath(wave);
    }
}

}  // namespace

void DrawBackgroundPicture(QImage& image, Motif motif) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(0, 0, image.width(), image.height());
    const Tint tint = TintOf(motif);
    QLinearGradient ground(area.topLeft(), area.bottomLeft());
    ground.setColorAt(0.0, tint.top);
    ground.setColorAt(1.0, tint.bottom);
    painter.fillRect(area, ground);
    QRadialGradient glow(area.topLeft(), std::max(area.width(), area.height()) * 0.7);
    glow.setColorAt(0.0, QColor(255, 255, 255, 90));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(area, glow);
    DrawWaves(painter, area);
}

}  // namespace tessaro::pictures
