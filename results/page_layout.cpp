#include "results/page_layout.h"

#include "results/record_layout.h"

namespace tessaro {

namespace {

// The frame of the page area as four lines: left, right, top and bottom edge.
void DrawPageFrame(double bottom, PageDrawing& page) {
    const double left = 0.08 * page.W();
    const double right = 0.94 * page.W();
    const double top = 0.16 * page.H();
    const double low = bottom * page.H();
    page.Line(left, top, left, low);
    page.Line(right, top, right, low);
    page.Line(left, top, right, top);
    page.Line(left, low, right, low);
}

}  // namespace

ReportPageLayout LayoutReportPage(const ReportPage& report) {
    const PageSize size = PageSizeWithFallback(report.printerPage);
    PageDrawing page(size, report.fontName);
    if (report.variant == ReportVariant::Screen) {
        page.SetFontSize(8);
        DrawReportHeading(report.heading, page);
        page.SetFontSize(8);
        DrawPageFrame(0.91, page);
    } else {
        page.SetFontSize(10);
        DrawPageFrame(0.9, page);
    }
    LayoutReportRecords(report.records, report.variant, page);
    return {size, page.TakeSteps()};
}

}  // namespace tessaro
