#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QShowEvent;

namespace tessaro {

struct ShellState;

namespace ui {
class PictureButton;
class Printer;
}  // namespace ui

// The print settings dialog between the result window and the printer. The user picks the font
// of the report (it goes to the printer and to FontName at once, and stays even when the dialog is
// cancelled), may open the printer setup, may look at the printer and screen sizes, and then
// prints or cancels. The answer is left in HelpContext: 1 for print, 0 for cancel (also when the
// dialog is closed through its frame or with Escape).
class PrintSettingsDialog : public QDialog {
    Q_OBJECT

  public:
    // printerSetup: shows the system's printer setup (printCMsetup) and returns 1 when the user
    // confirmed it, 0 when the user cancelled it.
    PrintSettingsDialog(ShellState& state, ui::Printer& printer, std::function<int()> printerSetup,
                        QWidget* parent = nullptr);

    // What every activation does: caption, button pictures and labels, then FontTest. Runs when
    // the dialog is shown.
    void Activate();

    // The print command (OKbutt): HelpContext 1.
    void accept() override;
    // The cancel command (Abbutt), Escape and the window frame: HelpContext 0.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    class FontSample;

    // Every caption, picture and label from the caption tables of the current language.
    void ApplyCaptions();
    // Applies FontName to the printer and the sample and shows the font the printer took.
    void FontTest();
    void fontlist_Click();
    // Shows the printer and screen sizes on the size panel.
    void Printer_I();
    void Command3D1_Click();
    int printCMsetup();

    // Shows a font name as the text of the font list.
    void ShowFontName(const std::string& name);
    void SetSampleFont(const std::string& name);

    ShellState& state_;
    ui::Printer& printer_;
    std::function<int()> printerSetup_;

    // The controls, each named as its object.
    QLabel* Frame3d1_;
    QComboBox* fontlist_;
    FontSample* FonttestPN_;
    QLabel* iceC_;
    ui::PictureButton* OKbutt_;
    ui::PictureButton* Abbutt_;
    ui::PictureButton* drbutt_;
    ui::PictureButton* prevButt_;
    QFrame* Panel3D1_;
    QLabel* Pwidth_;
    QLabel* Pheight_;
    QLabel* Swidth_;
    QLabel* Sheight_;
    QPushButton* Command3D1_;
};

}  // namespace tessaro
