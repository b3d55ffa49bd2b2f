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
#include "shell/settings.h"
#include "shell/text.h"

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
                              : " " + Number(s.fontSize) + (s.bold ? "b " : " ") + s.text));
    }
    return lines;
}

// A made-up font whose every character is half an em wide and whose line is 1.2 em high; an em
// is the size in points times 20 twips.
TextExtent HalfEmFont(std::string_view text, const std::string&, double points, bool) {
    return {CharacterCount(text) * 10 * points, 24 * points};
}

TEST(RecordLayout, PlacesEachKindOfRecordInThePrintedSizeWithBoldHeadings) {
    const std::string exactly150 = std::string(149, 'a') + "ä";  // 151 bytes
    // Records, the steps drawn.
    const std::vector<std::pair<Lines, Lines>> rows = {
        // Over 150 characters a rule whatever the record holds, y + 0.005; exactly 150 skipped.
        {{exactly150, std::string(151, 'b'), "        after"},
         {"0.08,0.145-0.94,0.145", "0.09,0.15 10 after"}},
        {{"        &$$" + std::string(150, 'x') + "§$&value"}, {"0.08,0.145-0.94,0.145"}},
        // Fewer than 5 characters, also after a heading marker: skipped without moving y.
        {{"\r\n", "one line", "\r\n", "", "abcd", "        &$$abcd", "        &$$\r\n",
          "two lines"},
         {"0.09,0.145 10 one line", "0.09,0.165 10 two lines"}},
        // Label and value columns without leading spaces, even for a record of 3 characters.
        {{"        P29 :§$&   Gewerbekälte", "§$&", "        next"},
         {"0.09,0.145 10 P29 :", "0.55,0.145 10 Gewerbekälte", "0.09,0.165 10 ", "0.55,0.165 10 ",
          "0.09,0.185 10 next"}},
        // A heading is the rest after the marker, without its line break, and may hold a pair;
        // it is bold, and bold is off again for the next record.
        {{"        &$$Tessaro : Title\r\n", "&$$  left§$&right", "        M203 :§$&normal"},
         {"0.09,0.145 10b Tessaro : Title", "0.09,0.165 10b left", "0.55,0.165 10b right",
          "0.09,0.185 10 M203 :", "0.55,0.185 10 normal"}}};
    for (const auto& [records, steps] : rows) {
        PageDrawing page(kPage, "Arial");
        LayoutReportRecords(records, page);
        EXPECT_EQ(Describe(page.Steps()), steps) << records.front();
    }
}

// In the half-em font at 10 points a character is 100 twips wide and a line 240 twips high.
TEST(PageDrawing, SetsATextTooLargeForItsRoomInTheLargestSizeThatFits) {
    struct Row {
        TextRoom room;
        double size;  // of the ten-character text
    };
    const std::vector<Row> rows = {
        {{1000, 240}, 10},  // just fits
        {{0, 0}, 10},       // no bounds
        {{500, 300}, 5},    // half the width it needs
        {{0, 120}, 5},      // half the height
        {{800, 180}, 7.5},  // 0.8 of the width, 0.75 of the height
        {{333, 0}, 3.3},    // 3.33 points, down to a whole twip
    };
    for (const Row& row : rows) {
        PageDrawing page(kPage, "Arial", HalfEmFont);
        page.SetFontSize(10);
        page.Print(0, 0, "0123456789", row.room);
        page.Print(0, 0, "0123", {});
        ASSERT_EQ(page.Steps().size(), 2u);
        EXPECT_DOUBLE_EQ(page.Steps()[0].fontSize, row.size) << row.room.width;
        EXPECT_EQ(page.Steps()[0].room, row.room);
        EXPECT_EQ(page.Steps()[1].fontSize, 10) << "the size set stays for the next text";
    }
    // Without a measure nothing is fitted.
    PageDrawing unmeasured(kPage, "Arial");
    unmeasured.SetFontSize(10);
    unmeasured.Print(0, 0, "0123456789", {1, 1});
    EXPECT_EQ(unmeasured.Steps()[0].fontSize, 10);
}

// A label keeps to its column (0.09 W up to 0.53 W), a value and a line of text to the frame
// (up to 0.93 W); each is set smaller when it needs more room, and only then. On a page 5000
// twips wide a label of 44 characters needs 4400 twips at 10 points and has 2200, a value of 38
// characters 3800 for 1900, a line of 84 characters 8400 for 4200: each comes out at 5 points.
TEST(RecordLayout, SetsTextsTooLongForTheirColumnSmallerAndNoOther) {
    const PageSize narrow{5000, 20000};
    const std::string label(42, 'L');
    const std::string value(38, 'V');
    const std::string line(84, 'T');
    PageDrawing page(narrow, "Arial", HalfEmFont);
    LayoutReportRecords({"        " + label + " :§$&" + value, "        " + line,
                         "        short :§$&value", "        &$$heading"},
                        page);
    EXPECT_EQ(
        Describe(page.Steps(), narrow),
        (Lines{"0.09,0.145 5 " + label + " :", "0.55,0.145 5 " + value, "0.09,0.165 5 " + line,
               "0.09,0.185 10 short :", "0.55,0.185 10 value", "0.09,0.205 10b heading"}));
    for (const DrawStep& step : page.Steps())
        EXPECT_DOUBLE_EQ(step.room.height, 0.018 * narrow.height) << step.text;
}

TEST(RecordLayout, FitsTheWholeReportOnOneSheet) {
    test::TempDir dir;
    AppState state =
        test::ReportState(dir, "GER", {{"M13", "Verdampfer"}, {"M14", "Verflüssiger"}});
    ASSERT_FALSE(WriteReportFile(state, test::FakeProjectForm{}).has_value());
    PageDrawing page(kPage, "Arial");
    double y = LayoutReportRecords(ReadReportFile(state.dir, "GER"), page);
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
            {"        &$$Tessaro : Report\r\n", "        label :§$&value"},
            {}};
}

Lines Join(Lines head, const Lines& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(ReportPage, DrawsTheHeadingVariantsOnTheScreenOnlyAndTheSameRecordsOnBoth) {
    const Lines records = {"0.09,0.145 10b Tessaro : Report",
                           "0.09,0.165 10 label :", "0.55,0.165 10 value"};
    // The page frame's top edge at 0.14 H, above the title record's line (0.145 H and below).
    const Lines screenFrame = {"0.08,0.14-0.08,0.91", "0.94,0.14-0.94,0.91", "0.08,0.14-0.94,0.14",
                               "0.08,0.91-0.94,0.91"};
    const std::vector<std::pair<ReportPage, Lines>> rows = {
        // The compact heading: user name without its trailing spaces; its last row at 0.12 H
        // ends above the frame.
        {Page(ReportVariant::Screen, 1),
         Join(Join({"0.1,0.08 8b Tessaro : Report", "0.1,0.1 8 M27 : Kältebau Nord  -  M61 : 1",
                    "0.1,0.12 8 M25  : ", "0.5,0.12 8 M26 : "},
                   screenFrame),
              records)},
        // The full heading: caption list entry 50 is main entry 146, the notice line program
        // entry 68.
        {Page(ReportVariant::Screen, 0),
         Join(Join({"0,0-0.94,0", "0,0.13-0.94,0.13", "0,0-0,0.13", "0.94,0-0.94,0.13",
                    "0.01,0.003 8 Tessaro - M146", "0.01,0.022 8 P68", "0,0.041-0.94,0.041",
                    "0,0.043-0.94,0.043", "0.01,0.05 8 M27 : Kältebau Nord   ",
                    "0.01,0.066 8 M25  : ", "0.01,0.082 8 M26 : ", "0.01,0.098 8 M38 : 06.03.2026",
                    "0.47,0.098 8 M61        : 1", "0.01,0.114 8 Tessaro : Report"},
                   screenFrame),
              records)},
        // The printer: no heading block, the frame down to 0.9 H, the same records.
        {Page(ReportVariant::Printer, 0), Join({"0.08,0.14-0.08,0.9", "0.94,0.14-0.94,0.9",
                                                "0.08,0.14-0.94,0.14", "0.08,0.9-0.94,0.9"},
                                               records)}};
    for (const auto& [report, steps] : rows) {
        ReportPageLayout layout = LayoutReportPage(report);
        EXPECT_THAT(Describe(layout.steps), UnorderedElementsAreArray(steps));
        for (const DrawStep& step : layout.steps)
            EXPECT_TRUE(step.kind == DrawStep::Kind::Line || step.fontName == "Courier");
    }
    EXPECT_EQ(FormatReportDate({1, 1, 987}), "01.01.0987");
}

TEST(ReportHeading, TakesTheNoticeLineFromProgramEntry68OrElseTheEnglishNotice) {
    CaptionTables captions;
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"Tessaro - Jahresenergie von Kälteanlagen", "Tessaro - Jahresenergie von Kälteanlagen"},
        {"", std::string(kNoticeLine)},
        {"   ", std::string(kNoticeLine)}};
    for (const auto& [entry, notice] : rows) {
        *captions.ProgramSlot(68) = entry;
        EXPECT_EQ(MakeReportHeading(Settings{}, captions, "", "1", {1, 1, 2026}).noticeLine,
                  notice);
    }
}

TEST(PageModel, FallsBackTo2150By2900OnlyWhenBothSizesAreZeroAndMapsTheViewOnIt) {
    ReportPage report = Page(ReportVariant::Screen, 1);
    report.printerPage = {0, 0};
    ReportPageLayout layout = LayoutReportPage(report);
    EXPECT_EQ(layout.page.width, 2150);
    EXPECT_EQ(layout.page.height, 2900);
    EXPECT_EQ(Describe(layout.steps, {2150, 2900}).back(), "0.55,0.165 10 value");
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
