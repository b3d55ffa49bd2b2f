#include "results/report_printing.h"

#include "results/page_layout.h"
#include "results/report_fonts.h"
#include "results/report_reader.h"
#include "shell/shell_state.h"
#include "ui/printer.h"

namespace tessaro {

void PrintSteps(const std::vector<DrawStep>& steps, ui::Printer& printer) {
    for (const DrawStep& step : steps) {
        if (step.kind == DrawStep::Kind::Line) {
            printer.Line(step.x, step.y, step.x2, step.y2);
            continue;
        }
        printer.SetFontSize(step.fontSize);
        printer.SetBold(step.bold);
        printer.SetCurrentX(step.x);
        printer.SetCurrentY(step.y);
        printer.Print(step.text);
    }
}

void PrintReport(const ShellState& state, ui::Printer& printer, std::string_view /*title*/,
                 const ui::Printer::PageDrawing& secondPage) {
    ReportPage report;
    report.variant = ReportVariant::Printer;
    report.printerPage = {printer.PageWidth(), printer.PageHeight()};
    report.fontName = printer.FontName();
    report.records = ReadReportFile(state.dir, state.settings.LanguageCode);
    report.measure = MeasurePrintedText;
    const ReportPageLayout layout = LayoutReportPage(report);
    PrintSteps(layout.steps, printer);
    printer.SetBold(false);
    printer.EndPage();
    if (secondPage) {
        printer.DrawPage(secondPage);
        printer.EndPage();
    }
    printer.EndDoc();
}

}  // namespace tessaro
