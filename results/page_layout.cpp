#include "results/page_layout.h"

#include "results/record_layout.h"

namespace tessaro {

namespace {

// The frame of the page area as four lines: left, right, top and bottom edge.
void DrawPageFrame(double bottom, PageDrawing& page) {
    const double left = kFrameLeft * page.W();
    const double right = kFrameRight * page.W();
    const double top = kFrameTop * page.H();
    const double low = bottom * page.H();
    page.Line(left, top, left, low);
    page.Line(right, top, right, low);
    page.Line(left, top, right, top);
    page.Line(left, low, right, low);
}

}  // namespace

ReportPageLayout LayoutReportPage(const ReportPage& report) {
    const PageSize size = PageSizeWithFallback(report.printerPage);
    PageDrawing page(size, report.fontName, report.measure);
    if (report.variant == ReportVariant::Screen) {
        DrawReportHeading(report.heading, page);
        DrawPageFrame(0.91, page);
    } else {
        DrawPageFrame(0.9, page);
    }
    LayoutReportRecords(report.records, page);
    return {size, page.TakeSteps()};
}

}  // namespace tessaro
