#pragma once

#include <string>
#include <vector>

#include "results/page_model.h"
#include "results/report_heading.h"

namespace tessaro {

// What one page of the report is made of.
struct ReportPage {
    ReportVariant variant = ReportVariant::Screen;
    PageSize printerPage;              // as the printer reports it: {0, 0} without a printer
    std::string fontName;              // FontName, for every text
    ReportHeading heading;             // drawn on the screen only
    std::vector<std::string> records;  // the records of the report file
};

// The page laid out: its size after the fallback and the steps that draw it, in order.
struct ReportPageLayout {
    PageSize page;
    std::vector<DrawStep> steps;
};

// The whole page image of the report as drawing steps; the windows only paint them.
// Screen: font size 8, the heading block, the page frame from (0.08 W, 0.16 H) to
// (0.94 W, 0.91 H), then the records in size 8.
// Printer: font size 10, the page frame down to 0.9 H, then the records in size 10 with bold
// headings; no heading block (the title is printed only as the heading record of the file).
ReportPageLayout LayoutReportPage(const ReportPage& report);

}  // namespace tessaro
