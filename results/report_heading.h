#pragma once

#include <string>
#include <string_view>

#include "results/page_model.h"
#include "results/report_date.h"

namespace tessaro {

class CaptionTables;
struct Settings;

// The notice of the product in the second row of the full heading: program caption entry 68 of
// the language, or this English text where the entry is empty.
inline constexpr std::string_view kNoticeLine =
    "Tessaro - yearly energy, running costs and CO2 emission of refrigeration plants";
inline constexpr int kNoticeLineEntry = 68;
std::string NoticeLine(const CaptionTables& captions);

// Everything the heading block of the report view shows.
struct ReportHeading {
    std::string title;  // the report title; empty when the view redraws from its scroll bar
    std::string pageText = "1";  // the page number as text
    int PrintHeadingOff = 0;     // 1: compact heading, 0: full heading
    std::string UserName;
    std::string ReportDate;  // from FormatReportDate
    std::string label1;      // value texts of Label1 and Label2: nothing fills them, so empty
    std::string label2;
    std::string noticeLine = std::string(kNoticeLine);
    std::string captionList50;            // caption list entry 50 (main caption entry 146)
    std::string m25, m26, m27, m38, m61;  // main caption entries 25, 26, 27, 38 and 61
};

// The heading of the current settings and language, dated with FormatReportDate(today).
ReportHeading MakeReportHeading(const Settings& settings, const CaptionTables& captions,
                                std::string title, std::string pageText, const CalendarDate& today);

// DrawReportHeading: the heading block above the page frame, all text in size 8.
// Compact (PrintHeadingOff 1): the title in bold at (0.1 W, 0.08 H); user name (trailing spaces
// removed) and page at 0.1 H; the two Label rows at 0.12 H (0.1 W and 0.5 W), clear of the frame
// at 0.14 H and of the report's first rule below it.
// Full (PrintHeadingOff 0): a box from (0, 0) to (0.94 W, 0.13 H); program and caption list entry
// 50, the notice line, a double line at 0.041 H and 0.043 H, then user, the two Label rows, date
// and page, and the title, at x = 0.01 W (the page at 0.47 W).
// Every text keeps within the box (or the frame's width) and above the next row; the page drawing
// sets it smaller where it needs more room.
void DrawReportHeading(const ReportHeading& heading, PageDrawing& page);

}  // namespace tessaro
