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
    TextMeasure measure;               // how the printer sets a text; none: sizes as given
};

// The page laid out: its size after the fallback and the steps that draw it, in order.
struct ReportPageLayout {
    PageSize page;
    std::vector<DrawStep> steps;
};

// The whole page image of the report as drawing steps; the windows only paint them.
// Screen: the heading block (size 8), the page frame from (0.08 W, 0.14 H) to (0.94 W, 0.91 H),
// then the records.
// Printer: the page frame down to 0.9 H, then the records; no heading block (the title is
// printed only as the heading record of the file).
// The records are the same on both, in the printed size with bold headings, so that the report
// view shows what the printer prints. With a measure, every text too large for its room is set
// smaller.
ReportPageLayout LayoutReportPage(const ReportPage& report);

}  // namespace tessaro
