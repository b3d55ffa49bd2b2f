#include "results/report_heading.h"

#include "shell/caption_tables.h"
#include "shell/settings.h"

namespace tessaro {

namespace {

std::string WithoutTrailingSpaces(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

void DrawCompactHeading(const ReportHeading& h, PageDrawing& page) {
    const double W = page.W();
    const double H = page.H();
    page.SetBold(true);
    page.Print(0.1 * W, 0.1 * H, h.title);
    page.SetBold(false);
    page.Print(
        0.1 * W, 0.12 * H,
        h.m27 + " : " + WithoutTrailingSpaces(h.UserName) + "  -  " + h.m61 + " : " + h.pageText);
    page.Print(0.1 * W, 0.14 * H, h.m25 + "  : " + h.label1);
    page.Print(0.5 * W, 0.14 * H, h.m26 + " : " + h.label2);
}

void DrawFullHeading(const ReportHeading& h, PageDrawing& page) {
    const double W = page.W();
    const double H = page.H();
    const double left = 0.01 * W;
    const double right = 0.94 * W;
    page.Line(0, 0, right, 0);
    page.Line(0, 0.13 * H, right, 0.13 * H);
    page.Line(0, 0, 0, 0.13 * H);
    page.Line(right, 0, right, 0.13 * H);
    page.Print(left, 0.003 * H, std::string(kApplicationTitle) + " - " + h.captionList50);
    page.Print(left, 0.022 * H, kNoticeLine);
    page.Line(0, 0.041 * H, right, 0.041 * H);
    page.Line(0, 0.043 * H, right, 0.043 * H);
    page.Print(left, 0.05 * H, h.m27 + " : " + h.UserName);
    page.Print(left, 0.066 * H, h.m25 + "  : " + h.label1);
    page.Print(left, 0.082 * H, h.m26 + " : " + h.label2);
    page.Print(left, 0.098 * H, h.m38 + " : " + h.ReportDate);
    page.Print(0.47 * W, 0.098 * H, h.m61 + "        : " + h.pageText);
    page.Print(left, 0.114 * H, h.title);
}

}  // namespace

ReportHeading MakeReportHeading(const Settings& settings, const CaptionTables& captions,
                                std::string title, std::string pageText,
                                const CalendarDate& today) {
    ReportHeading heading;
    heading.title = std::move(title);
    heading.pageText = std::move(pageText);
    heading.PrintHeadingOff = settings.PrintHeadingOff;
    heading.UserName = settings.UserName;
    heading.ReportDate = FormatReportDate(today);
    heading.captionList50 = captions.CaptionList(50);
    heading.m25 = captions.Main(25);
    heading.m26 = captions.Main(26);
    heading.m27 = captions.Main(27);
    heading.m38 = captions.Main(38);
    heading.m61 = captions.Main(61);
    return heading;
}

void DrawReportHeading(const ReportHeading& heading, PageDrawing& page) {
    page.SetFontSize(8);
    if (heading.PrintHeadingOff == 1) {
        DrawCompactHeading(heading, page);
    } else {
        DrawFullHeading(heading, page);
    }
}

}  // namespace tessaro
