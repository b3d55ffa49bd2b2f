#include "tools/pictures/button_picture.h"

#include <QLinearGradient>
#include <QPainter>

#include "tools/pictures/line_art.h"

namespace tessaro::pictures {

namespace {

void DrawButtonFace(QPainter& painter, const QRectF& face) {
    QLinearGradient light(face.topLeft(), face.bottomLeft());
    light.setColorAt(0.0, QColor(0xfd, 0xfe, 0xff));
    light.setColorAt(1.0, QColor(0xec, 0xf0, 0xf4));
    painter.fillRect(face, light);
    painter.setPen(QPen(QColor(0xa9, 0xb5, 0xc1), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(face.adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace

void DrawButtonPicture(QImage& image, Motif motif) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face(0, 0, image.width(), image.height());
    DrawButtonFace(painter, face);
    const qreal side = image.height() - 8.0;
    InUnitBox(painter, QRectF(5, 4, side, side),
              [motif](QPainter& unit) { DrawButtonSymbol(unit, motif); });
    // A faint rule between the symbol and the caption area.
    const qreal rule = side + 10.5;
    painter.setPen(QPen(QColor(0xc8, 0xd1, 0xda), 1.0));
    painter.drawLine(QPointF(rule, 5), QPointF(rule, image.height() - 5));
}

}  // namespace tessaro::pictures
