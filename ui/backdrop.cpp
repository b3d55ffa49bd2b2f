#include "ui/backdrop.h"

#include <QPainter>

namespace tessaro::ui {

void Backdrop::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void Backdrop::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), palette().window());
    } else {
        const QSize covering = picture_.size().scaled(size(), Qt::KeepAspectRatioByExpanding);
        painter.drawPixmap(QRect(QPoint(0, 0), covering), picture_);
    }
    if (outline_.isValid()) {
        painter.setPen(outline_);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace tessaro::ui
