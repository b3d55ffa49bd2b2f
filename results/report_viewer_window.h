#pragma once

#include <QDialog>
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QTransform>
#include <functional>
#include <string>
#include <vector>

#include "results/page_layout.h"
#include "ui/printer.h"

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
//
// The page image keeps the proportions of the printer's page and grows and shrinks with the
// window; its texts are set in the printed font and scaled with the image, so that the view shows
// what the printer prints, each text as wide against the page as on paper.
class ReportViewerWindow : public QDialog {
    Q_OBJECT

  public:
    // A text of the page as the view paints it. It is set in page units, in its printed font
    // (pixel size in twips) on its baseline, and the page image's scale (PageTransform) brings it
    // to the window, where it fills box (its advance across, ascent and descent down).
    struct ScreenText {
        QString text;
        QFont font;
        QPointF baseline;
        QRectF box;
    };

    // The size the view opens at on a screen with this much room for windows: its design size,
    // smaller where the room (less the window's frame) is smaller, never below its smallest size.
    static QSize OpeningSize(QSize available, QSize frameExtra);

    // Shows the print settings dialog modally; its answer comes back in HelpContext.
    using PrintSettingsRunner = std::function<void(QWidget* parent)>;

    ReportViewerWindow(ShellState& state, ui::Printer& printer, MessageBox& messages,
                       PrintSettingsRunner printSettings, QWidget* parent = nullptr);

    // A page printed after the report's own (the log p-h diagram of the project on the form).
    void SetSecondPage(ui::Printer::PageDrawing page) { secondPage_ = std::move(page); }

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
    // Window pixels to a page unit, alike across and down.
    double PageScale() const;
    // From page units to the window: the page image's scale and place.
    QTransform PageTransform() const;
    // The page's texts and lines as they are painted now.
    std::vector<ScreenText> ScreenTexts() const;
    std::vector<QLineF> ScreenLines() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void BuildControls();
    void PlaceControls();
    QRect SheetRect() const;
    void PrintHeadClicked();
    void PrintButtonReleased();
    void CloseButtonReleased();

    ShellState& state_;
    ui::Printer& printer_;
    ui::Printer::PageDrawing secondPage_;
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
