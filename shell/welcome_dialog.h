#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <string_view>

class QLabel;

namespace tessaro {

class MessageBox;
struct ShellState;

namespace ui {
class Backdrop;
class PictureButton;
}  // namespace ui

// The welcome dialog "Begruess", offered once per run on the first activation of the main
// window: a start picture, the refrigeration parts, and the sixteen languages as flags with
// their option labels. Clicking an enabled option label or any flag chooses that language at
// once (it is shown bold and upright, the others italic). The O.K. button, Escape and the window
// frame all confirm the choice, exactly once: the settings are read again, and an available
// chosen language is written into them.
class WelcomeDialog : public QDialog {
    Q_OBJECT

  public:
    WelcomeDialog(ShellState& state, MessageBox& messages, QWidget* parent = nullptr);

    // LanguageCheck: every option label italic and not bold, then the one of the current
    // language bold and upright; none when the code is none of the sixteen.
    void LanguageCheck();
    // Chooses a language, as a click on its option label or its flag does.
    void ChooseLanguage(std::string_view code);
    // ConfirmWelcome: the confirmation, then the dialog closes. A second call does nothing.
    void ConfirmWelcome();

    // Escape and every other way to close the dialog confirm it.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    class LanguageControl;

    struct LanguageRow {
        LanguageControl* flag = nullptr;
        LanguageControl* option = nullptr;
    };

    void BuildControls();
    void LoadPictures();
    void ApplyCaptions();
    void DisableUnavailableOptions();
    // Places the dialog on the screen: a third of the free height above it, centred across.
    void PlaceOnScreen();

    ShellState& state_;
    MessageBox& messages_;
    bool confirmed_ = false;

    // The dialog's own background picture.
    QPixmap background_;
    QLabel* Picture1_;
    std::array<QLabel*, 14> components_{};
    ui::Backdrop* Picture17_;
    QLabel* pn1_;
    std::array<LanguageRow, 16> languages_{};
    ui::PictureButton* OKbutt_;
};

}  // namespace tessaro
