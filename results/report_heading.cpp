#include "results/report_heading.h"

#include "shell/caption_tables.h"
#include "shell/settings.h"
#include "shell/text.h"

namespace tessaro {

namespace {

constexpr double kHeadingTextSize = 8;
// A text keeps this far from the box's right edge (or the frame's) and from the next text of its
// row, as a fraction of W; and this far above the next row, as a fraction of H.
constexpr double kRightEdge = 0.94;
constexpr double kGap = 0.01;
constexpr double kRowGap = 0.002;

std::string WithoutTrailingSpaces(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

void DrawCompactHeading(const ReportHeading& h, PageDrawing& page) {
    const double W = page.W();
    const double H = page.H();
    const double left = 0.1;
    const double second = 0.5;
    // Three rows 0.02 H apart, the last one ending above the page frame.
    const double rows[] = {0.08, 0.1, 0.12};
    const double height = (0.02 - kRowGap) * H;
    const TextRoom across{(kRightEdge - kGap - left) * W, height};
    page.SetBold(true);
    page.Print(left * W, rows[0] * H, h.title, across);
    page.SetBold(false);
    page.Print(
        left * W, rows[1] * H,
        h.m27 + " : " + WithoutTrailingSpaces(h.UserName) + "  -  " + h.m61 + " : " + h.pageText,
        across);
    page.Print(left * W, rows[2] * H, h.m25 + "  : " + h.label1,
               {(second - kGap - left) * W, height});
    page.Print(second * W, rows[2] * H, h.m26 + " : " + h.label2,
               {(kRightEdge - kGap - second) * W, height});
}

void DrawFullHeading(const ReportHeading& h, PageDrawing& page) {
    const double W = page.W();
    const double H = page.H();
    const double left = 0.01;
    const double pageColumn = 0.47;
    const double right = kRightEdge * W;
    const double bottom = 0.13;
    const double lines[] = {0.041, 0.043};
    // The rows below the double line, 0.016 H apart; the last one ends above the box's bottom.
    const double rows[] = {0.05, 0.066, 0.082, 0.098, 0.114};
    const TextRoom upper{(kRightEdge - kGap - left) * W, (0.019 - kRowGap) * H};
    const TextRoom lower{upper.width, (0.016 - kRowGap) * H};
    page.Line(0, 0, right, 0);
    page.Line(0, bottom * H, right, bottom * H);
    page.Line(0, 0, 0, bottom * H);
    page.Line(right, 0, right, bottom * H);
    page.Print(left * W, 0.003 * H, std::string(kApplicationTitle) + " - " + h.captionList50,
               upper);
    page.Print(left * W, 0.022 * H, h.noticeLine, upper);
    page.Line(0, lines[0] * H, right, lines[0] * H);
    page.Line(0, lines[1] * H, right, lines[1] * H);
    page.Print(left * W, rows[0] * H, h.m27 + " : " + h.UserName, lower);
    page.Print(left * W, rows[1] * H, h.m25 + "  : " + h.label1, lower);
    page.Print(left * W, rows[2] * H, h.m26 + " : " + h.label2, lower);
    page.Print(left * W, rows[3] * H, h.m38 + " : " + h.ReportDate,
               {(pageColumn - kGap - left) * W, lower.height});
    page.Print(pageColumn * W, rows[3] * H, h.m61 + "        : " + h.pageText,
               {(kRightEdge - kGap - pageColumn) * W, lower.height});
    page.Print(left * W, rows[4] * H, h.title, lower);
}

}  // namespace

std::string NoticeLine(const CaptionTables& captions) {
    const std::string& entry = captions.Program(kNoticeLineEntry);
    return TrimSpaces(entry).empty() ? std::string(kNoticeLine) : entry;
}

ReportHeading MakeReportHeading(const Settings& settings, const CaptionTables& captions,
                                std::string title, std::string pageText,
                                const CalendarDate& today) {
    ReportHeading heading;
    heading.title = std::move(title);
    heading.pageText = std::move(pageText);
    heading.PrintHeadingOff = settings.PrintHeadingOff;
    heading.UserName = settings.UserName;
    heading.ReportDate = FormatReportDate(today);
    heading.noticeLine = NoticeLine(captions);
    heading.captionList50 = captions.CaptionList(50);
    heading.m25 = captions.Main(25);
    heading.m26 = captions.Main(26);
    heading.m27 = captions.Main(27);
    heading.m38 = captions.Main(38);
    heading.m61 = captions.Main(61);
    return heading;
}

void DrawReportHeading(const ReportHeading& heading, PageDrawing& page) {
    page.SetFontSize(kHeadingTextSize);
    page.SetBold(false);
    if (heading.PrintHeadingOff == 1) {
        DrawCompactHeading(heading, page);
    } else {
        DrawFullHeading(heading, page);
    }
}

}  // namespace tessaro
