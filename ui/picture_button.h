#pragma once

#include <QAbstractButton>
#include <QPixmap>

class QLabel;

namespace tessaro::ui {

// A picture button: a picture box with its caption label "NAME_l" laid over the picture's plain
// area. Pressing the mouse on the picture or on the label draws the button raised; releasing it
// draws it flat again and then runs the command (the clicked signal). Beyond the mouse it takes
// the keyboard focus, shows a focus frame, and acts on Space, Enter and Return.
class PictureButton : public QAbstractButton {
    Q_OBJECT

  public:
    // name: the control's name; the label is named name + "_l".
    PictureButton(const QString& name, QWidget* parent);

    // The picture; an empty one leaves a plain button face.
    void SetPicture(const QPixmap& picture);
    // The caption on the label; it is also the button's accessible name.
    void SetCaption(const QString& caption);
    QLabel* CaptionLabel() const { return label_; }
    // Whether the button is drawn raised (the mouse or the Space key is down on it).
    bool Raised() const { return isDown(); }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PlaceLabel();

    QPixmap picture_;
    QLabel* label_;
};

}  // namespace tessaro::ui
