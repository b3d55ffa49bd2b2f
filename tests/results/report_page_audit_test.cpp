// The report page as a reader sees it, in every language: on the screen at the sizes the view
// takes on common screens and on paper, no text runs into a rule, the frame or another text, and
// every text lies on the page.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "project/foreign_choices.h"
#include "results/report_printing.h"
#include "results/report_viewer_window.h"
#include "support/started_folder.h"
#include "ui/recording_printer.h"

namespace tessaro {
namespace {

using Call = ui::RecordingPrinter::Call;

constexpr PageSize kA4{11906, 16838};  // twips
constexpr PageSize kLetter{12240, 15840};
constexpr PageSize kA4Across{16838, 11906};

// The window sizes of the view: as it opens on a 1280 x 720 screen (a title bar and borders
// around it), its design size, and filling a 1920 x 1080 screen below its title bar.
const std::pair<const char*, QSize> kViewSizes[] = {
    {"1280x720 screen", ReportViewerWindow::OpeningSize({1280, 720}, {8, 36})},
    {"design size", {1000, 900}},
    {"1920x1080 screen", {1920, 1044}}};

// What is drawn on a page, in one unit: the page, every text's box, every line, and half the
// width of a line's pen.
struct DrawnPage {
    QRectF page;
    double halfPen = 0;
    std::vector<std::pair<QString, QRectF>> texts;
    std::vector<QLineF> lines;
};

std::string Describe(const QRectF& r) {
    return "(" + std::to_string(r.left()) + ", " + std::to_string(r.top()) + ")-(" +
           std::to_string(r.right()) + ", " + std::to_string(r.bottom()) + ")";
}

// Whatever a reader would find wrong: a text off the page, a line through a text, a text over
// another one. Lines are across or down the page; a line touches a text when its pen does.
std::vector<std::string> Faults(const DrawnPage& drawn) {
    std::vector<std::string> faults;
    std::vector<std::pair<QString, QRectF>> texts;
    for (const auto& [text, box] : drawn.texts)
        if (!text.isEmpty() && box.width() > 0)
            texts.emplace_back(text, box);
    for (const auto& [text, box] : texts) {
        const std::string name = text.toStdString();
        if (!drawn.page.contains(box))
            faults.push_back("off the page: " + name + " " + Describe(box));
        for (const QLineF& line : drawn.lines) {
            const QRectF pen =
                QRectF(line.p1(), line.p2())
                    .normalized()
                    .adjusted(-drawn.halfPen, -drawn.halfPen, drawn.halfPen, drawn.halfPen);
            if (pen.intersects(box))
                faults.push_back("line through " + name + " " + Describe(box) + " by " +
                                 Describe(pen));
        }
    }
    for (size_t i = 0; i < texts.size(); ++i)
        for (size_t j = i + 1; j < texts.size(); ++j)
            if (texts[i].second.intersects(texts[j].second))
                faults.push_back("texts over each other: " + texts[i].first.toStdString() +
                                 " and " + texts[j].first.toStdString());
    return faults;
}

DrawnPage ScreenPage(const ReportViewerWindow& window) {
    const PageSize page = window.PageLayout().page;
    DrawnPage drawn;
    drawn.page = QRectF(window.ToWindow(0, 0), window.ToWindow(page.width, page.height));
    drawn.halfPen = 0.5;
    for (const ReportViewerWindow::ScreenText& text : window.ScreenTexts())
        drawn.texts.emplace_back(text.text, text.box);
    drawn.lines = window.ScreenLines();
    return drawn;
}

// A text of the printout as the system's printer sets it: the printer's font on a printer's
// device (a PDF at 1200 dots per inch), in twips.
QRectF PrintedBox(const Call& call, QPrinter& device) {
    QFont font;
    font.setFamily(QString::fromStdString(call.fontName));
    font.setPointSizeF(call.fontSize);
    font.setBold(call.bold);
    const QFontMetricsF metrics(font, &device);
    const QString text = QString::fromStdString(call.text);
    const double toTwips = 1440.0 / device.resolution();
    const double width =
        std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right());
    return {call.x, call.y, width * toTwips, (metrics.ascent() + metrics.descent()) * toTwips};
}

// The pen of the printer is 1/150 inch wide.
DrawnPage PaperPage(const ui::RecordingPrinter& printer, QPrinter& device) {
    DrawnPage drawn;
    drawn.page = QRectF(0, 0, printer.PageWidth(), printer.PageHeight());
    drawn.halfPen = 1440.0 / 150 / 2;
    for (const Call& call : printer.Calls()) {
        if (call.kind == Call::Kind::Text)
            drawn.texts.emplace_back(QString::fromStdString(call.text), PrintedBox(call, device));
        else if (call.kind == Call::Kind::Line)
            drawn.lines.emplace_back(call.x, call.y, call.x2, call.y2);
    }
    return drawn;
}

class ReportPageAudit : public ::testing::TestWithParam<std::string_view> {
  protected:
    ReportPageAudit() { device.setOutputFormat(QPrinter::PdfFormat); }

    test::ReportFolder folder{GetParam()};
    QPrinter device{QPrinter::HighResolution};
};

TEST_P(ReportPageAudit, NoTextCrossesALineOrAnotherTextOnScreenOrPaper) {
    const auto expectClean = [](const DrawnPage& drawn, const std::string& where) {
        const std::vector<std::string> faults = Faults(drawn);
        EXPECT_GT(drawn.texts.size(), 30u) << where;
        EXPECT_TRUE(faults.empty()) << where << ":\n" << ::testing::PrintToString(faults);
    };
    // The view of an A4 printer's page, and of the small stand-in page without a printer.
    for (PageSize paper : {kA4, PageSize{}}) {
        ui::RecordingPrinter printer(paper.width, paper.height);
        test::RecordingMessageBox messages;
        ReportViewerWindow window(folder.state, printer, messages, [](QWidget*) {});
        for (int headingOff : {0, 1}) {
            folder.state.settings.PrintHeadingOff = headingOff;
            for (const auto& [name, size] : kViewSizes) {
                window.resize(size);
                window.Activate();
                expectClean(ScreenPage(window),
                            std::string(name) + (headingOff ? ", compact" : ", full") +
                                " heading, page " + std::to_string(int(paper.width)));
            }
        }
    }
    for (PageSize paper : {kA4, kLetter, kA4Across}) {
        ui::RecordingPrinter printer(paper.width, paper.height);
        PrintReport(folder.state, printer, "");
        expectClean(PaperPage(printer, device), "paper " + std::to_string(int(paper.width)) +
                                                    " x " + std::to_string(int(paper.height)));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, ReportPageAudit, ::testing::ValuesIn(kLanguageCodes),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace tessaro
