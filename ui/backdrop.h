#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace tessaro::ui {

// A picture box whose picture covers it whatever its size, its proportions kept, with an optional
// outline; without a picture it shows its plain colour.
class Backdrop : public QWidget {
  public:
    explicit Backdrop(QWidget* parent, QColor outline = QColor())
        : QWidget(parent), outline_(std::move(outline)) {}

    void SetPicture(const QPixmap& picture);
    bool HasPicture() const { return !picture_.isNull(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor outline_;
    QPixmap picture_;
};

}  // namespace tessaro::ui
