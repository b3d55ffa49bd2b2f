#pragma once

#include <QDialog>
#include <string>

class QFrame;
class QLabel;
class QPlainTextEdit;

namespace tessaro {

struct ShellState;

namespace ui {
class PictureButton;
}

// The help box "Hilfebox": one help text of the current language in a scrolling text field, and
// an O.K. button. Which of the two help texts it shows depends on the help context, which it
// resets when it is activated. Built anew on each opening, so each opening takes the caption and
// the text of the moment.
class HelpBoxDialog : public QDialog {
    Q_OBJECT

  public:
    HelpBoxDialog(ShellState& state, QWidget* parent = nullptr);

    // The activation: chooses the help file by the help context, shows its text and resets the
    // help context to 0. The first showing of the dialog calls it.
    void Activate();

    // The help file that the last activation chose.
    const std::string& HelpFileName() const { return helpFileName_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void PlaceControls();
    void ApplyCaptions();
    void LoadHelpText();

    ShellState& state_;
    std::string helpFileName_;

    QLabel* Frame3d1_;
    QFrame* pn1_;
    QPlainTextEdit* InfoText_;
    QLabel* Picture1_;
    ui::PictureButton* Command3D1_;
};

}  // namespace tessaro
