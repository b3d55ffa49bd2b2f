#include "app/desktop_session.h"

#include "project/form/ph_diagram_window.h"
#include "project/form/project_form_window.h"
#include "results/print_settings_dialog.h"
#include "results/report_viewer_window.h"
#include "shell/system_locale.h"
#include "ui/printer_setup.h"
#include "variants/comparison_window.h"

namespace tessaro {

DesktopSession::DesktopSession(WorkingDir dir)
    : state_(std::move(dir)), printer_(state_.dir.Path() / "ergEN1.pdf") {
    // The user's decimal separator is known before the first form is created.
    state_.decimalSeparator = SystemDecimalSeparator();
}

void DesktopSession::OpenProjectForm(QWidget* parent) {
    messages_.SetParent(parent);
    ProjectFormHooks hooks;
    hooks.showInfoLine = infoLine_;
    const ProjectForm* logic = nullptr;
    hooks.showReportViewer = [this, &logic](QWidget* form) { ShowReportViewer(form, logic); };
    ProjectFormWindow form(state_, messages_, std::move(hooks), parent);
    logic = &form.Form();
    messages_.SetParent(&form);
    form.exec();
    messages_.SetParent(parent);
}

void DesktopSession::OpenComparison(QWidget* parent) {
    AppState copy = state_;
    copy.dir = state_.dir.WithWritesHeld();
    // The project's figures as the form shows them on its first opening in a run.
    copy.calculationDone = false;
    FormHost host;
    ProjectForm form(copy, messages_, host);
    form.Load();
    messages_.SetParent(parent);
    ComparisonWindow comparison(form, state_.dir, messages_, parent);
    messages_.SetParent(&comparison);
    comparison.exec();
    messages_.SetParent(parent);
}

void DesktopSession::ShowReportViewer(QWidget* parent, const ProjectForm* form) {
    const auto printSettings = [this](QWidget* viewer) {
        PrintSettingsDialog dialog(
            state_, printer_, [this, viewer] { return PrinterSetup(viewer); }, viewer);
        dialog.exec();
    };
    ReportViewerWindow viewer(state_, printer_, messages_, printSettings, parent);
    if (form != nullptr) {
        // The diagram as the form shows the project when the report is printed.
        viewer.SetSecondPage([form](QPainter& painter, const QRectF& paper) {
            DrawProjectDiagramPage(painter, paper, *form);
        });
    }
    messages_.SetParent(&viewer);
    viewer.exec();
    messages_.SetParent(parent);
}

int DesktopSession::PrinterSetup(QWidget* parent) {
    return ui::ShowPrinterSetup(printer_, parent);
}

}  // namespace tessaro
