#include "results/page_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "report_test_support.h"
#include "results/record_layout.h"
#include "results/report_file.h"
#include "results/report_reader.h"

namespace tessaro {
namespace {

using Lines = std::vector<std::string>;
using ::testing::UnorderedElementsAreArray;
constexpr PageSize kPage{10000, 20000};

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Every step as one line, positions as fractions of the page: "x,y-x2,y2" for a line and
// "x,y size text" for a text, the size followed by "b" when bold.
Lines Describe(const std::vector<DrawStep>& steps, PageSize page = kPage) {
    Lines lines;
    for (const DrawStep& s : steps) {
        const bool line = s.kind == DrawStep::Kind::Line;
        lines.push_back(Number(s.x / page.width) + "," + Number(s.y / page.height) +
                        (line ? "-" + Number(s.x2 / page.width) + "," + Number(s.y2 / page.height)
                              : " " + std::to_string(s.fontSize) + (s.bold ? "b " : " ") + s.text));
    }
    return lines;
}

TEST(RecordLayout, PlacesEachKindOfRecord) {
    const auto screen = ReportVariant::Screen;
    const auto printer = ReportVariant::Printer;
    const std::string exactly150 = std::string(149, 'a') + "ä";  // 151 bytes
    // Records, variant, the steps drawn.
    const std::vector<std::tuple<Lines, ReportVariant, Lines>> rows = {
        // Over 150 characters a rule whatever the record holds, y + 0.005; exactly 150 skipped.
        {{exactly150, std::string(151, 'b'), "        after"},
         screen,
         {"0.08,0.145-0.94,0.145", "0.09,0.15 8 after"}},
        {{"        &$$" + std::string(150, 'x') + "§$&value"}, printer, {"0.08,0.145-0.94,0.145"}},
        // Fewer than 5 characters, also after a heading marker: skipped without moving y.
        {{"\r\n", "one line", "\r\n", "", "abcd", "        &$$abcd", "        &$$\r\n",
          "two lines"},
         screen,
         {"0.09,0.145 8 one line", "0.09,0.165 8 two lines"}},
        // Label and value columns without leading spaces, even for a record of 3 characters.
        {{"        P29 :§$&   Gewerbekälte", "§$&", "        next"},
         screen,
         {"0.09,0.145 8 P29 :", "0.55,0.145 8 Gewerbekälte", "0.09,0.165 8 ", "0.55,0.165 8 ",
          "0.09,0.185 8 next"}},
        // A heading is the rest after the marker, without its line break, and may hold a pair;
        // the printer draws it bold and switches bold off for the next record.
        {{"        &$$Tessaro : Title\r\n", "&$$  left§$&right"},
         screen,
         {"0.09,0.145 8 Tessaro : Title", "0.09,0.165 8 left", "0.55,0.165 8 right"}},
        {{"        &$$Verdampfer", "\r\n", "        M203 :§$&normal", "        text"},
         printer,
         {"0.09,0.145 10b Verdampfer", "0.09,0.165 10 M203 :", "0.55,0.165 10 normal",
          "0.09,0.185 10 text"}}};
    for (const auto& [records, variant, steps] : rows) {
        PageDrawing page(kPage, "Arial");
        LayoutReportRecords(records, variant, page);
        EXPECT_EQ(Describe(page.Steps()), steps) << records.front();
    }
}

TEST(RecordLayout, FitsTheWholeReportOnOneSheet) {
    test::TempDir dir;
    AppState state =
        test::ReportState(dir, "GER", {{"M13", "Verdampfer"}, {"M14", "Verflüssiger"}});
    ASSERT_FALSE(WriteReportFile(state, test::FakeProjectForm{}).has_value());
    PageDrawing page(kPage, "Arial");
    double y = LayoutReportRecords(ReadReportFile(state.dir, "GER"), ReportVariant::Printer, page);
    // 33 text lines (3 headings, 22 label-value records, 8 texts) and 14 rules.
    EXPECT_EQ(std::count_if(page.Steps().begin(), page.Steps().end(),
                            [](const DrawStep& s) { return s.kind == DrawStep::Kind::Line; }),
              14);
    EXPECT_NEAR(y, 0.145 + 33 * 0.02 + 14 * 0.005, 1e-9);
    EXPECT_LT(y, 0.9);
}

// A page of two records whose heading is made from captions "M<n>".
ReportPage Page(ReportVariant variant, int printHeadingOff) {
    Settings settings;
    settings.UserName = "Kältebau Nord   ";
    settings.PrintHeadingOff = printHeadingOff;
    CaptionTables captions;
    test::FillCaptions(captions);
    return {variant,
            kPage,
            "Courier",
            MakeReportHeading(settings, captions, "Tessaro : Report", "1", {6, 3, 2026}),
            {"        &$$Tessaro : Report\r\n", "        label :§$&value"}};
}

Lines Join(Lines head, const Lines& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(ReportPage, DrawsTheHeadingVariantsOnTheScreenOnlyAndTheSameRecordsOnBoth) {
    const Lines screenBody = {
        "0.08,0.16-0.08,0.91", "0.94,0.16-0.94,0.91",           "0.08,0.16-0.94,0.16",
        "0.08,0.91-0.94,0.91", "0.09,0.145 8 Tessaro : Report", "0.09,0.165 8 label :",
        "0.55,0.165 8 value"};
    const std::vector<std::pair<ReportPage, Lines>> rows = {
        // The compact heading: user name without its trailing spaces; caption list entry 50 is
        // main entry 146.
        {Page(ReportVariant::Screen, 1),
         Join({"0.1,0.1 8b Tessaro : Report", "0.1,0.12 8 M27 : Kältebau Nord  -  M61 : 1",
               "0.1,0.14 8 M25  : ", "0.5,0.14 8 M26 : "},
              screenBody)},
        {Page(ReportVariant::Screen, 0),
         Join({"0,0-0.94,0", "0,0.13-0.94,0.13", "0,0-0,0.13", "0.94,0-0.94,0.13",
               "0.01,0.003 8 Tessaro - M146", "0.01,0.022 8 " + std::string(kNoticeLine),
               "0,0.041-0.94,0.041", "0,0.043-0.94,0.043", "0.01,0.05 8 M27 : Kältebau Nord   ",
               "0.01,0.066 8 M25  : ", "0.01,0.082 8 M26 : ", "0.01,0.098 8 M38 : 06.03.2026",
               "0.47,0.098 8 M61        : 1", "0.01,0.114 8 Tessaro : Report"},
              screenBody)},
        // The printer: no heading block, the frame down to 0.9 H, the records in size 10 with the
        // heading record bold.
        {Page(ReportVariant::Printer, 0),
         {"0.08,0.16-0.08,0.9", "0.94,0.16-0.94,0.9", "0.08,0.16-0.94,0.16", "0.08,0.9-0.94,0.9",
          "0.09,0.145 10b Tessaro : Report", "0.09,0.165 10 label :", "0.55,0.165 10 value"}}};
    for (const auto& [report, steps] : rows) {
        ReportPageLayout layout = LayoutReportPage(report);
        EXPECT_THAT(Describe(layout.steps), UnorderedElementsAreArray(steps));
        for (const DrawStep& step : layout.steps)
            EXPECT_TRUE(step.kind == DrawStep::Kind::Line || step.fontName == "Courier");
    }
    EXPECT_EQ(FormatReportDate({1, 1, 987}), "01.01.0987");
}

TEST(PageModel, FallsBackTo2150By2900OnlyWhenBothSizesAreZeroAndMapsTheViewOnIt) {
    ReportPage report = Page(ReportVariant::Screen, 1);
    report.printerPage = {0, 0};
    ReportPageLayout layout = LayoutReportPage(report);
    EXPECT_EQ(layout.page.width, 2150);
    EXPECT_EQ(layout.page.height, 2900);
    EXPECT_EQ(Describe(layout.steps, {2150, 2900}).back(), "0.55,0.165 8 value");
    EXPECT_EQ(PageSizeWithFallback({0, 100}).width, 0);
    EXPECT_EQ(PageSizeWithFallback({12000, 0}).height, 0);
    // The view runs from -0.1 W to 1.5 W and from -0.045 H to 0.99 H.
    PageWindow window = ScreenPageWindow({2150, 2900});
    EXPECT_THAT(
        (std::vector{window.left, window.top, window.right, window.bottom}),
        ::testing::Pointwise(::testing::DoubleNear(1e-9), {-215.0, -130.5, 3225.0, 2871.0}));
}

}  // namespace
}  // namespace tessaro
