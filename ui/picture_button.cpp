#include "ui/picture_button.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace tessaro::ui {

namespace {

// The picture's symbol stands at its left; the caption goes over the plain area beside it.
constexpr int kSymbolWidth = 38;
constexpr QSize kDesignSize(150, 32);

}  // namespace

PictureButton::PictureButton(const QString& name, QWidget* parent)
    : QAbstractButton(parent), label_(new QLabel(this)) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    label_->setObjectName(name + "_l");
    label_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    // A press on the label reaches the button itself, so both look and act alike.
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = label_->font();
    font.setBold(true);
    label_->setFont(font);
    resize(kDesignSize);
    PlaceLabel();
}

void PictureButton::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    if (!picture_.isNull())
        setFixedSize(picture_.size());
    update();
}

void PictureButton::SetCaption(const QString& caption) {
    label_->setText(caption);
    setText(caption);
    setAccessibleName(caption);
    label_->setAccessibleName(caption);
}

QSize PictureButton::sizeHint() const {
    return picture_.isNull() ? kDesignSize : picture_.size();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect face = rect();
    if (picture_.isNull())
        painter.fillRect(face, palette().button());
    else
        painter.drawPixmap(face, picture_);
    // Raised while pressed: light upper and left edges, dark lower and right edges. Flat
    // otherwise: one quiet outline.
    if (isDown()) {
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(face.topLeft(), face.topRight());
        painter.drawLine(face.topLeft(), face.bottomLeft());
        painter.setPen(QColor(64, 64, 64));
        painter.drawLine(face.bottomLeft(), face.bottomRight());
        painter.drawLine(face.topRight(), face.bottomRight());
    } else {
        painter.setPen(QColor(150, 156, 164));
        painter.drawRect(face.adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 2);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(face.adjusted(1, 1, -2, -2));
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    PlaceLabel();
}

void PictureButton::PlaceLabel() {
    // The symbol takes the same share of a button shown smaller than its picture.
    const int symbol = kSymbolWidth * width() / kDesignSize.width();
    label_->setGeometry(symbol, 0, std::max(0, width() - symbol - 4), height());
}

}  // namespace tessaro::ui
