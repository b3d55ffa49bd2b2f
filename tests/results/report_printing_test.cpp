#include "results/report_printing.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <algorithm>
#include <regex>

#include "report_window_support.h"
#include "results/report_reader.h"
#include "ui/qt_printer.h"
#include "ui/recording_printer.h"

namespace tessaro {
namespace {

using Call = ui::RecordingPrinter::Call;
constexpr double kA4Width = 11906;  // twips
constexpr double kA4Height = 16838;

std::vector<Call> CallsOf(const ui::RecordingPrinter& printer, Call::Kind kind) {
    std::vector<Call> calls;
    std::copy_if(printer.Calls().begin(), printer.Calls().end(), std::back_inserter(calls),
                 [kind](const Call& call) { return call.kind == kind; });
    return calls;
}

// The shown part of each heading record: the text after the marker without its leading spaces.
std::vector<std::string> HeadingTexts(const std::vector<std::string>& records) {
    std::vector<std::string> headings;
    for (const std::string& record : records) {
        const size_t marker = record.find("&$$");
        if (marker == std::string::npos || record.size() >= 150)
            continue;
        std::string text = record.substr(marker + 3);
        text.erase(0, text.find_first_not_of(' '));
        text.erase(text.find_last_not_of("\r\n") + 1);
        if (text.size() >= 5)
            headings.push_back(text);
    }
    return headings;
}

TEST(ReportPrinting, OneSheetWithBoldHeadingsOnly) {
    test::ReportFolder folder;
    ui::RecordingPrinter printer(kA4Width, kA4Height);
    PrintReport(folder.state, printer, "not printed");

    const std::vector<Call> lines = CallsOf(printer, Call::Kind::Line);
    ASSERT_GE(lines.size(), 4u);
    // The page frame first: left, right, top and bottom edge, from 0.14 H down to 0.9 H.
    const double l = 0.08 * kA4Width, r = 0.94 * kA4Width, t = 0.14 * kA4Height,
                 b = 0.9 * kA4Height;
    const std::vector<std::array<double, 4>> frame = {
        {l, t, l, b}, {r, t, r, b}, {l, t, r, t}, {l, b, r, b}};
    for (size_t i = 0; i < frame.size(); ++i) {
        EXPECT_DOUBLE_EQ(lines[i].x, frame[i][0]) << i;
        EXPECT_DOUBLE_EQ(lines[i].y, frame[i][1]) << i;
        EXPECT_DOUBLE_EQ(lines[i].x2, frame[i][2]) << i;
        EXPECT_DOUBLE_EQ(lines[i].y2, frame[i][3]) << i;
    }

    const std::vector<Call> texts = CallsOf(printer, Call::Kind::Text);
    const std::vector<std::string> headings = HeadingTexts(ReadReportFile(folder.state.dir, "GER"));
    ASSERT_FALSE(headings.empty());
    std::vector<std::string> bold;
    double lastY = 0;
    for (const Call& text : texts) {
        EXPECT_EQ(text.fontSize, 10) << "the German report fits in the printed size: " << text.text;
        EXPECT_GE(text.y, lastY) << "lines go down the page: " << text.text;
        EXPECT_LT(text.y, 0.9 * kA4Height) << "inside the frame: " << text.text;
        lastY = text.y;
        if (text.bold)
            bold.push_back(text.text);
    }
    EXPECT_EQ(bold, headings);
    // The first text is the title record, one rule (0.005) below the first line position.
    EXPECT_DOUBLE_EQ(texts.front().y, 0.15 * kA4Height);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const Call& c) { return c.text == "not printed"; }),
              0);

    // One page, then the end of the document, and nothing after it.
    const std::vector<Call>& calls = printer.Calls();
    EXPECT_EQ(CallsOf(printer, Call::Kind::EndPage).size(), 1u);
    ASSERT_EQ(calls.back().kind, Call::Kind::EndDoc);
    EXPECT_EQ(calls[calls.size() - 2].kind, Call::Kind::EndPage);
    EXPECT_TRUE(
        std::none_of(calls.begin(), calls.end(), [](const Call& c) { return c.afterEndDoc; }));
}

TEST(ReportPrinting, WithoutPrinterPageAndWithoutReportFile) {
    test::ReportFolder folder;
    std::filesystem::remove(folder.temp.Path() / "ergEN1.DAT");
    ui::RecordingPrinter printer(0, 0);
    PrintReport(folder.state, printer, "");
    // The frame alone, on the page of 2150 by 2900 that stands in for a missing printer.
    const std::vector<Call> lines = CallsOf(printer, Call::Kind::Line);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_DOUBLE_EQ(lines[0].x, 0.08 * 2150);
    EXPECT_DOUBLE_EQ(lines[0].y2, 0.9 * 2900);
    EXPECT_TRUE(CallsOf(printer, Call::Kind::Text).empty());
    EXPECT_EQ(printer.Calls().back().kind, Call::Kind::EndDoc);
}

std::string Squeezed(const std::string& text) {
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

// The real printer writes a PDF whose text can be searched: every printed line is found in it,
// in the order of the report, on one page.
TEST(ReportPrinting, PdfHoldsTheReportAsTextInOrder) {
    test::ReportFolder folder;
    ui::RecordingPrinter recorder(kA4Width, kA4Height);
    PrintReport(folder.state, recorder, "");

    const std::filesystem::path pdf = folder.temp.Path() / "ergEN1.pdf";
    ui::QtPrinter printer(pdf, ui::QtPrinter::Destination::PdfFile);
    printer.SetFontName("Arial");
    PrintReport(folder.state, printer, "");
    ASSERT_EQ(printer.DocumentFile(), pdf);
    ASSERT_TRUE(std::filesystem::exists(pdf));

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(20000)) << "pdftotext (poppler-utils) must be installed";
    const std::string raw = pdftotext.readAllStandardOutput().toStdString();
    EXPECT_EQ(std::count(raw.begin(), raw.end(), '\f'), 1) << "one page";
    const std::string text = Squeezed(raw);
    size_t from = 0;
    for (const Call& call : CallsOf(recorder, Call::Kind::Text)) {
        const size_t at = text.find(Squeezed(call.text), from);
        ASSERT_NE(at, std::string::npos) << "not found in order: " << call.text;
        from = at + 1;
    }
}

}  // namespace
}  // namespace tessaro
