#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <functional>
#include <string_view>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace tessaro {

class BusyPointer;
class MessageBox;
struct ShellState;

namespace ui {
class Backdrop;
class PictureButton;
}  // namespace ui

// The main window "Start", the first and last window of a run: a decorated start page with the
// information panel InfoG (the program's name, its four picture buttons), the information line
// InfoPn2, and the menu. From it the user opens the project form, the printer setup and the help
// box, switches the language, reads the about message and leaves the program. It is built after
// the start-up has read the settings and loaded the caption tables; on its first activation in a
// run it offers the welcome dialog.
//
// Everything that waits for the user (the project form, the printer setup, the help box, the
// welcome dialog) runs through a replaceable runner, so that a test never blocks.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Shows a dialog modally over the main window and returns when it is closed.
    using DialogRunner = std::function<void(QWidget* parent)>;

    // openProjectForm shows the project form modally over the given window; printerSetup shows the
    // system's printer setup and returns 1 when confirmed, 0 when cancelled.
    MainWindow(ShellState& state, MessageBox& messages, BusyPointer& busy,
               DialogRunner openProjectForm, std::function<int()> printerSetup,
               QWidget* parent = nullptr);

    // The welcome dialog's runner; by default a WelcomeDialog shown modally.
    void SetWelcomeRunner(DialogRunner runner) { welcomeRunner_ = std::move(runner); }
    // The help box's runner; by default a HelpBoxDialog shown modally.
    void SetHelpBoxRunner(DialogRunner runner) { helpBoxRunner_ = std::move(runner); }
    // The comparison of variants of the saved project; the menu item is there only with one.
    void SetComparisonRunner(DialogRunner runner);

    // Sets every caption and button picture from the caption tables of the current language, and
    // Qt's own texts in that language. Runs at the window's start, on every switch of the language
    // and after the welcome dialog.
    void ApplyMainCaptions();
    // The activation handler: once per run (unless a sibling program started this one) the welcome
    // dialog and the captions of the language chosen there; every time the information panel and
    // its line shown again. Runs whenever the window becomes active and after every dialog.
    void FirstActivation();
    // The information line, which the project form also uses for its hints.
    void ShowInfoLine(const QString& text);

    // The commands of the buttons and the menu.
    void OpenProjectForm();
    void OpenComparison();
    int printCMsetup();
    void ShowHelpBox();
    void ConfirmExit();
    void ShowAbout();
    // A language item of the menu: the language switch with this window's captions re-applied.
    void SwitchLanguageTo(std::string_view code);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void BuildMenu();
    void BuildPage();
    void LayOutAtLoad();
    void LoadBackgrounds();
    // The resize rules, for the window's outer size as it stands.
    void ApplyResizeRules();
    // Runs a dialog with the information panel hidden; the activation brings it back.
    void RunModal(const std::function<void()>& dialog);
    void SetButtonPicture(ui::PictureButton& button, std::string_view name);

    ShellState& state_;
    MessageBox& messages_;
    BusyPointer& busy_;
    DialogRunner openProjectForm_;
    std::function<int()> printerSetup_;
    DialogRunner welcomeRunner_;
    DialogRunner helpBoxRunner_;
    DialogRunner comparisonRunner_;

    // The menu.
    QAction* ProjNix_;
    QAction* Variantvgl_;
    QMenu* VorGab_;
    QMenu* Language_;
    std::array<QAction*, 8> languageItems_{};
    QAction* InfoP_;
    QAction* Printset_;
    QAction* StartHelp_;
    QAction* ende_;

    // The page.
    ui::Backdrop* Panel3D5_;
    QLabel* Panel3D1_;
    QLabel* InfoPn2_;
    QLabel* Panel3D4_;
    ui::Backdrop* InfoG_;
    QLabel* Panel3D6_;
    QLabel* Label1_;
    QLabel* Label2_;
    QLineEdit* Text2_;
    QLabel* FrameP_;
    ui::PictureButton* Command3D6_;
    ui::PictureButton* PriButt_;
    ui::PictureButton* Command3D1_;
    ui::PictureButton* Command3D11_;
    QLabel* Pic1_;
    QLabel* pic2_;
    QLabel* pic3_;
    QLabel* pic5_;
    QLabel* pic6_;
    QLabel* Label8_;
    QLabel* Label11_;
    QLabel* Label12_;
};

}  // namespace tessaro
