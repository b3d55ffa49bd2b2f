#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "results/page_layout.h"

class QCheckBox;
class QFrame;
class QLabel;
class QScrollBar;

namespace tessaro {

class MessageBox;
struct ShellState;
namespace ui {
class PictureButton;
class Printer;
}  // namespace ui

// The report view `ErgebEdit`: the report file drawn as one printed page, in the page model that
// the printout shares, with the heading switch `PrintHead`, the buttons to close, to cancel and to
// open the print settings and print, the page scroll bar and the decoration bands.
class ReportViewerWindow : public QDialog {
    Q_OBJECT

  public:
    // Shows the print settings dialog modally; its answer comes back in HelpContext.
    using PrintSettingsRunner = std::function<void(QWidget* parent)>;

    ReportViewerWindow(ShellState& state, ui::Printer& printer, MessageBox& messages,
                       PrintSettingsRunner printSettings, QWidget* parent = nullptr);

    // Form_Activate: the heading switch from PrintHeadingOff, the button captions and pictures,
    // then ShowReport. Runs when the window is shown and again when the print settings close.
    void Activate();
    // ShowReport: the caption becomes the report title, the scroll bar 1 of 1, the page redrawn.
    void ShowReport();
    // RenderReport: the whole page image for the title and page given.
    void RenderReport(const std::string& title, int page);

    // The page as it is drawn now.
    const ReportPageLayout& PageLayout() const { return layout_; }
    // Where a point of the page model lies on the window.
    QPointF ToWindow(double x, double y) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void BuildControls();
    void PlaceControls();
    void PrintHeadClicked();
    void PrintButtonReleased();
    void CloseButtonReleased();

    ShellState& state_;
    ui::Printer& printer_;
    MessageBox& messages_;
    PrintSettingsRunner printSettings_;
    ReportPageLayout layout_;

    QFrame* frame3D2_ = nullptr;
    ui::PictureButton* command3D1_ = nullptr;
    ui::PictureButton* command3D2_ = nullptr;
    ui::PictureButton* command3D3_ = nullptr;
    QCheckBox* printHead_ = nullptr;
    QLabel* printHeadLabel_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QScrollBar* vScroll1_ = nullptr;
    QFrame* shapes_[6] = {};
};

}  // namespace tessaro
