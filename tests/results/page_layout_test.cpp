#include "results/page_layout.h"

#include <gtest/gtest.h>

#include "report_test_support.h"
#include "results/record_layout.h"
#include "results/report_file.h"
#include "results/report_reader.h"

namespace tessaro {
namespace {

using Kind = DrawStep::Kind;
constexpr double kW = 10000;
constexpr double kH = 20000;
constexpr double kTolerance = 1e-6;

std::vector<DrawStep> Layout(const std::vector<std::string>& records, ReportVariant variant) {
    PageDrawing page({kW, kH}, "Arial");
    LayoutReportRecords(records, variant, page);
    return page.TakeSteps();
}

std::vector<DrawStep> Of(const std::vector<DrawStep>& steps, Kind kind) {
    std::vector<DrawStep> out;
    for (const DrawStep& step : steps) {
        if (step.kind == kind)
            out.push_back(step);
    }
    return out;
}

const DrawStep* Find(const std::vector<DrawStep>& steps, const std::string& text) {
    for (const DrawStep& step : steps) {
        if (step.kind == Kind::Text && step.text == text)
            return &step;
    }
    return nullptr;
}

bool HasLine(const std::vector<DrawStep>& steps, double x1, double y1, double x2, double y2) {
    for (const DrawStep& s : steps) {
        if (s.kind == Kind::Line && std::abs(s.x - x1) < kTolerance &&
            std::abs(s.y - y1) < kTolerance && std::abs(s.x2 - x2) < kTolerance &&
            std::abs(s.y2 - y2) < kTolerance) {
            return true;
        }
    }
    return false;
}

TEST(RecordLayout, DrawsLongRecordsAsRulesAndSkipsThoseOfExactly150Characters) {
    const std::string exactly150 = std::string(149, 'a') + "ä";  // 150 characters, 151 bytes
    const std::string long151 = std::string(151, 'b');
    std::vector<DrawStep> steps =
        Layout({exactly150, long151, "        after"}, ReportVariant::Screen);

    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].kind, Kind::Line);
    EXPECT_NEAR(steps[0].x, 0.08 * kW, kTolerance);
    EXPECT_NEAR(steps[0].x2, 0.94 * kW, kTolerance);
    EXPECT_NEAR(steps[0].y, 0.145 * kH, kTolerance);
    EXPECT_NEAR(steps[0].y2, 0.145 * kH, kTolerance);
    // A rule moves the line position by 0.005, the skipped record not at all.
    EXPECT_EQ(steps[1].text, "after");
    EXPECT_NEAR(steps[1].y, 0.150 * kH, kTolerance);
    EXPECT_NEAR(steps[1].x, 0.09 * kW, kTolerance);
}

TEST(RecordLayout, RulesWhateverTheLongRecordHolds) {
    std::vector<DrawStep> steps =
        Layout({"        &$$" + std::string(150, 'x') + "§$&value"}, ReportVariant::Printer);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].kind, Kind::Line);
}

TEST(RecordLayout, SkipsBlankAndShortRecordsWithoutMovingTheLinePosition) {
    std::vector<DrawStep> steps = Layout(
        {"\r\n", "one line", "\r\n", "", "abcd", "        &$$abcd", "        &$$\r\n", "two lines"},
        ReportVariant::Screen);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].text, "one line");
    EXPECT_NEAR(steps[0].y, 0.145 * kH, kTolerance);
    EXPECT_EQ(steps[1].text, "two lines");
    EXPECT_NEAR(steps[1].y, 0.165 * kH, kTolerance);
}

TEST(RecordLayout, SplitsALabelValueRecordIntoTheTwoColumnsWhateverItsLength) {
    std::vector<DrawStep> steps =
        Layout({"        P29 :§$&   Gewerbekälte", "§$&", "        next"}, ReportVariant::Screen);
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(steps[0].text, "P29 :");
    EXPECT_NEAR(steps[0].x, 0.09 * kW, kTolerance);
    EXPECT_NEAR(steps[0].y, 0.145 * kH, kTolerance);
    EXPECT_EQ(steps[1].text, "Gewerbekälte");
    EXPECT_NEAR(steps[1].x, 0.55 * kW, kTolerance);
    EXPECT_NEAR(steps[1].y, 0.145 * kH, kTolerance);
    // Three characters, yet a label-value record: drawn with empty texts, and y moves.
    EXPECT_EQ(steps[2].text, "");
    EXPECT_EQ(steps[3].text, "");
    EXPECT_NEAR(steps[3].y, 0.165 * kH, kTolerance);
    EXPECT_NEAR(steps[4].y, 0.185 * kH, kTolerance);
}

TEST(RecordLayout, DrawsTheRestOfAHeadingAndDropsTheLineBreakAtItsEnd) {
    std::vector<DrawStep> screen = Layout(
        {"        &$$Tessaro : Title\r\n", "        M203 :§$&normal"}, ReportVariant::Screen);
    ASSERT_EQ(screen.size(), 3u);
    EXPECT_EQ(screen[0].text, "Tessaro : Title");
    EXPECT_NEAR(screen[0].x, 0.09 * kW, kTolerance);
    EXPECT_FALSE(screen[0].bold);
    EXPECT_EQ(screen[0].fontSize, 8);
    EXPECT_EQ(screen[2].fontSize, 8);
    // A heading may carry a label and a value.
    std::vector<DrawStep> pair = Layout({"&$$  left§$&right"}, ReportVariant::Screen);
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(pair[0].text, "left");
    EXPECT_EQ(pair[1].text, "right");
}

TEST(RecordLayout, PrintsHeadingsBoldInSize10AndTheNextRecordInNormalWeight) {
    std::vector<DrawStep> steps =
        Layout({"        &$$Verdampfer", "\r\n", "        M203 :§$&normal", "        text"},
               ReportVariant::Printer);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].text, "Verdampfer");
    EXPECT_TRUE(steps[0].bold);
    EXPECT_FALSE(steps[1].bold);
    EXPECT_FALSE(steps[2].bold);
    EXPECT_FALSE(steps[3].bold);
    for (const DrawStep& step : steps) {
        EXPECT_EQ(step.fontSize, 10);
        EXPECT_EQ(step.fontName, "Arial");
    }
}

TEST(RecordLayout, FitsTheWholeReportOnOneSheet) {
    test::TempDir dir;
    test::WriteCaptionFiles(dir, "GER", {{"M13", "Verdampfer"}, {"M14", "Verflüssiger"}});
    AppState state = test::StateWithCaptions(dir, "GER");
    test::FakeProjectForm form = test::GermanProjectForm();
    ASSERT_FALSE(WriteReportFile(state, std::ref(form)).has_value());

    PageDrawing page({kW, kH}, "Arial");
    double y = LayoutReportRecords(ReadReportFile(state.dir, "GER"), ReportVariant::Printer, page);
    // 33 text lines (3 headings, 22 label-value records, 8 texts) and 14 rules.
    EXPECT_EQ(Of(page.Steps(), Kind::Line).size(), 14u);
    EXPECT_NEAR(y, 0.145 + 33 * 0.02 + 14 * 0.005, 1e-9);
    EXPECT_LT(y, 0.9);
    // Record 33: the control mode pair in the label column, the winter set point in the value one.
    const DrawStep* mode = Find(page.Steps(), "P46 : gleitend");
    ASSERT_NE(mode, nullptr);
    EXPECT_NEAR(mode->x, 0.09 * kW, kTolerance);
    const DrawStep* winter = Find(page.Steps(), "P47 : 20 °C");
    ASSERT_NE(winter, nullptr);
    EXPECT_NEAR(winter->x, 0.55 * kW, kTolerance);
}

ReportHeading Heading(int printHeadingOff) {
    ReportHeading h;
    h.title = "Tessaro : Report";
    h.pageText = "1";
    h.PrintHeadingOff = printHeadingOff;
    h.UserName = "Kältebau Nord   ";
    h.ReportDate = "06.03.2026";
    h.captionList50 = "Simulation";
    h.m25 = "Projekt";
    h.m26 = "Kunde";
    h.m27 = "Bearbeiter";
    h.m38 = "Datum";
    h.m61 = "Seite";
    return h;
}

ReportPage ScreenPage(int printHeadingOff) {
    ReportPage report;
    report.variant = ReportVariant::Screen;
    report.printerPage = {kW, kH};
    report.fontName = "Courier";
    report.heading = Heading(printHeadingOff);
    report.records = {"        &$$Tessaro : Report\r\n", "        label :§$&value"};
    return report;
}

void ExpectText(const std::vector<DrawStep>& steps, const std::string& text, double x, double y,
                bool bold = false) {
    const DrawStep* step = Find(steps, text);
    ASSERT_NE(step, nullptr) << text;
    EXPECT_NEAR(step->x, x * kW, kTolerance) << text;
    EXPECT_NEAR(step->y, y * kH, kTolerance) << text;
    EXPECT_EQ(step->bold, bold) << text;
    EXPECT_EQ(step->fontSize, 8) << text;
    EXPECT_EQ(step->fontName, "Courier") << text;
}

TEST(ReportHeading, CompactVariantShowsTitleUserPageAndTheTwoLabelRows) {
    std::vector<DrawStep> steps = LayoutReportPage(ScreenPage(1)).steps;
    ExpectText(steps, "Tessaro : Report", 0.1, 0.1, true);
    ExpectText(steps, "Bearbeiter : Kältebau Nord  -  Seite : 1", 0.1, 0.12);
    ExpectText(steps, "Projekt  : ", 0.1, 0.14);
    ExpectText(steps, "Kunde : ", 0.5, 0.14);
    EXPECT_EQ(Find(steps, "Datum : 06.03.2026"), nullptr);
    // Only the page frame: no heading box.
    EXPECT_EQ(Of(steps, Kind::Line).size(), 4u);
}

TEST(ReportHeading, FullVariantShowsTheBoxedBlockWithDateAndNotice) {
    std::vector<DrawStep> steps = LayoutReportPage(ScreenPage(0)).steps;
    ExpectText(steps, "Tessaro - Simulation", 0.01, 0.003);
    ExpectText(steps, std::string(kNoticeLine), 0.01, 0.022);
    ExpectText(steps, "Bearbeiter : Kältebau Nord   ", 0.01, 0.05);
    ExpectText(steps, "Projekt  : ", 0.01, 0.066);
    ExpectText(steps, "Kunde : ", 0.01, 0.082);
    ExpectText(steps, "Datum : 06.03.2026", 0.01, 0.098);
    ExpectText(steps, "Seite        : 1", 0.47, 0.098);
    ExpectText(steps, "Tessaro : Report", 0.01, 0.114);
    EXPECT_TRUE(HasLine(steps, 0, 0, 0.94 * kW, 0));
    EXPECT_TRUE(HasLine(steps, 0, 0.13 * kH, 0.94 * kW, 0.13 * kH));
    EXPECT_TRUE(HasLine(steps, 0, 0, 0, 0.13 * kH));
    EXPECT_TRUE(HasLine(steps, 0.94 * kW, 0, 0.94 * kW, 0.13 * kH));
    EXPECT_TRUE(HasLine(steps, 0, 0.041 * kH, 0.94 * kW, 0.041 * kH));
    EXPECT_TRUE(HasLine(steps, 0, 0.043 * kH, 0.94 * kW, 0.043 * kH));
    EXPECT_EQ(Of(steps, Kind::Line).size(), 10u);
}

TEST(ReportHeading, SwitchingTheVariantLeavesTheReportLinesInPlace) {
    std::vector<DrawStep> compact = LayoutReportPage(ScreenPage(1)).steps;
    std::vector<DrawStep> full = LayoutReportPage(ScreenPage(0)).steps;
    ASSERT_GE(compact.size(), 3u);
    ASSERT_GE(full.size(), 3u);
    // The last three steps are the record lines: the title record and the label-value pair.
    EXPECT_TRUE(std::equal(compact.end() - 3, compact.end(), full.end() - 3));
    // The title record is a plain text line at the label column in normal weight.
    EXPECT_EQ((full.end() - 3)->text, "Tessaro : Report");
    EXPECT_NEAR((full.end() - 3)->x, 0.09 * kW, kTolerance);
    EXPECT_FALSE((full.end() - 3)->bold);
}

TEST(FormatReportDate, WritesTwoDigitDayAndMonthAndFourDigitYear) {
    EXPECT_EQ(FormatReportDate({6, 3, 2026}), "06.03.2026");
    EXPECT_EQ(FormatReportDate({31, 12, 1999}), "31.12.1999");
    EXPECT_EQ(FormatReportDate({1, 1, 987}), "01.01.0987");
}

TEST(ReportHeading, TakesUserDateAndCaptionsFromSettingsAndTables) {
    Settings settings;
    settings.UserName = "Anna";
    settings.PrintHeadingOff = 1;
    CaptionTables captions;
    *captions.MainSlot(146) = "Simulation";
    *captions.MainSlot(27) = "Bearbeiter";
    ReportHeading h = MakeReportHeading(settings, captions, "Title", "1", {9, 11, 2025});
    EXPECT_EQ(h.ReportDate, "09.11.2025");
    EXPECT_EQ(h.captionList50, "Simulation");
    EXPECT_EQ(h.m27, "Bearbeiter");
    EXPECT_EQ(h.UserName, "Anna");
    EXPECT_EQ(h.PrintHeadingOff, 1);
}

TEST(PageModel, FallsBackTo2150By2900OnlyWhenBothSizesAreZero) {
    ReportPage report = ScreenPage(1);
    report.printerPage = {0, 0};
    ReportPageLayout layout = LayoutReportPage(report);
    EXPECT_EQ(layout.page.width, 2150);
    EXPECT_EQ(layout.page.height, 2900);
    const DrawStep* label = Find(layout.steps, "label :");
    ASSERT_NE(label, nullptr);
    EXPECT_NEAR(label->x, 0.09 * 2150, kTolerance);
    EXPECT_NEAR(label->y, 0.165 * 2900, kTolerance);

    EXPECT_EQ(PageSizeWithFallback({0, 100}).width, 0);
    EXPECT_EQ(PageSizeWithFallback({12000, 0}).height, 0);
}

TEST(PageModel, MapsTheViewFromMinus01WTo15WAndFromMinus0045HTo099H) {
    PageWindow window = ScreenPageWindow({2150, 2900});
    EXPECT_NEAR(window.left, -215, kTolerance);
    EXPECT_NEAR(window.right, 3225, kTolerance);
    EXPECT_NEAR(window.top, -130.5, kTolerance);
    EXPECT_NEAR(window.bottom, 2871, kTolerance);
}

TEST(PageModel, ScreenAndPrinterDifferInTextSizeFrameAndHeadingBlock) {
    ReportPage report = ScreenPage(0);
    std::vector<DrawStep> screen = LayoutReportPage(report).steps;
    report.variant = ReportVariant::Printer;
    std::vector<DrawStep> printer = LayoutReportPage(report).steps;

    EXPECT_TRUE(HasLine(screen, 0.08 * kW, 0.91 * kH, 0.94 * kW, 0.91 * kH));
    EXPECT_TRUE(HasLine(screen, 0.08 * kW, 0.16 * kH, 0.08 * kW, 0.91 * kH));
    EXPECT_TRUE(HasLine(printer, 0.08 * kW, 0.16 * kH, 0.08 * kW, 0.9 * kH));
    EXPECT_TRUE(HasLine(printer, 0.94 * kW, 0.16 * kH, 0.94 * kW, 0.9 * kH));
    EXPECT_TRUE(HasLine(printer, 0.08 * kW, 0.16 * kH, 0.94 * kW, 0.16 * kH));
    EXPECT_TRUE(HasLine(printer, 0.08 * kW, 0.9 * kH, 0.94 * kW, 0.9 * kH));

    // The printer has no heading block: the title appears once, as the bold heading record.
    ASSERT_EQ(Of(printer, Kind::Text).size(), 3u);
    EXPECT_EQ(printer[4].text, "Tessaro : Report");
    EXPECT_TRUE(printer[4].bold);
    EXPECT_EQ(printer[4].fontSize, 10);
    EXPECT_EQ(Find(printer, std::string(kNoticeLine)), nullptr);
    // Same places for the report lines on both.
    EXPECT_NEAR(printer[5].y, screen[screen.size() - 2].y, kTolerance);
    EXPECT_EQ(screen.back().fontSize, 8);
    EXPECT_EQ(printer.back().fontSize, 10);
}

}  // namespace
}  // namespace tessaro
