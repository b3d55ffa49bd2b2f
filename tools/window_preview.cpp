// window-preview: a developer's look at one window alone, on the working folder it is started in,
// before the main window that opens it exists. Not part of the program users get.
//
//   window-preview form|viewer|print-settings|help|comparison|variant [--lang CODE]
//                  [--png FILE] [--size WxH] [--pdf]
//
// --lang switches the language for this look only; --png renders the window into a picture file
// and quits instead of showing it; --size gives the form or the report view another size (as it
// is on a larger screen); --pdf prints the report file into "ergEN1.pdf" and quits.
#include <QApplication>
#include <QCursor>
#include <QTimer>
#include <cstdio>
#include <string>

#include "engine/app_state.h"
#include "project/form/ph_diagram_window.h"
#include "project/form/project_form_window.h"
#include "results/print_settings_dialog.h"
#include "results/report_printing.h"
#include "results/report_viewer_window.h"
#include "shell/caption_tables.h"
#include "shell/help_box_dialog.h"
#include "shell/start_up.h"
#include "ui/message_box.h"
#include "ui/printer_setup.h"
#include "ui/qt_printer.h"
#include "ui/qt_translations.h"
#include "variants/comparison_window.h"
#include "variants/variant_dialog.h"

namespace {

struct Options {
    std::string window;
    std::string language;
    QString png;
    bool pdf = false;
    QSize size;
};

bool ParseOptions(const QStringList& args, Options& options) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == "--lang" && i + 1 < args.size())
            options.language = args[++i].toStdString();
        else if (arg == "--png" && i + 1 < args.size())
            options.png = args[++i];
        else if (arg == "--size" && i + 1 < args.size()) {
            const QStringList parts = args[++i].split('x');
            if (parts.size() == 2)
                options.size = QSize(parts[0].toInt(), parts[1].toInt());
        } else if (arg == "--pdf")
            options.pdf = true;
        else if (options.window.empty() && !arg.startsWith("--"))
            options.window = arg.toStdString();
        else
            return false;
    }
    return options.window == "form" || options.window == "viewer" ||
           options.window == "print-settings" || options.window == "help" ||
           options.window == "comparison" || options.window == "variant";
}

int Run(QDialog& dialog, const QString& png, QSize size = {}) {
    if (size.isValid())
        dialog.resize(size);
    if (png.isEmpty())
        return dialog.exec();
    // The picture shows the window as it opens, not what the mouse points at.
    QCursor::setPos(-10000, -10000);
    dialog.show();
    QApplication::processEvents();
    return dialog.grab().save(png) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Options options;
    if (!ParseOptions(QApplication::arguments(), options)) {
        std::fputs(
            "usage: window-preview form|viewer|print-settings|help|comparison|variant "
            "[--lang CODE] [--png FILE] [--size WxH] [--pdf]\n",
            stderr);
        return 2;
    }
    tessaro::AppState state;
    if (auto error = tessaro::StartUp(state, nullptr, false)) {
        std::fprintf(stderr, "%s\n", error->c_str());
        return 2;
    }
    if (!options.language.empty()) {
        state.settings.LanguageCode = options.language;
        tessaro::LoadAllCaptions(state.dir, options.language, state.captions);
        tessaro::LoadInfoTexts(state.dir, options.language, state.captions);
    }
    // Qt's own buttons speak the language, as the main window makes them.
    tessaro::ui::UseQtTranslations(state.settings.LanguageCode);
    tessaro::ui::QtPrinter printer(state.dir.Path() / "ergEN1.pdf");
    tessaro::ui::QtMessageBox messages;
    const auto printSettings = [&](QWidget* parent) {
        tessaro::PrintSettingsDialog dialog(
            state, printer, [&] { return tessaro::ui::ShowPrinterSetup(printer, parent); }, parent);
        dialog.exec();
    };
    if (options.window == "comparison" || options.window == "variant") {
        // The project as the form opens it, its variants from the folder's variants file; the
        // variant dialog shows the first of them. --pdf prints the comparison.
        tessaro::FormHost host;
        tessaro::ProjectForm form(state, messages, host);
        form.Load();
        tessaro::ComparisonWindow window(form, state.dir, messages, nullptr);
        if (options.window == "variant") {
            const auto& variants = window.Variants().variants;
            tessaro::VariantDialog dialog(form, variants.empty() ? tessaro::Variant{} : variants[0],
                                          nullptr);
            return Run(dialog, options.png, options.size);
        }
        if (options.pdf) {
            // The message that names the PDF file goes to the terminal, not to a message box.
            struct Printed : tessaro::MessageBox {
                tessaro::MessageAnswer Show(const std::string& text, const std::string&,
                                            tessaro::MessageIcon,
                                            tessaro::MessageButtons) override {
                    std::printf("%s\n", text.c_str());
                    return tessaro::MessageAnswer::Ok;
                }
            } printed;
            tessaro::ComparisonWindow quiet(form, state.dir, printed, nullptr);
            quiet.PrintComparison();
            return 0;
        }
        return Run(window, options.png, options.size);
    }
    if (options.pdf) {
        // The report with the diagram of the project as the form opens it on its second page.
        printer.SetFontName(state.settings.FontName);
        tessaro::FormHost host;
        tessaro::ProjectForm form(state, messages, host);
        form.Load();
        tessaro::PrintReport(state, printer, "", [&](QPainter& painter, const QRectF& paper) {
            tessaro::DrawProjectDiagramPage(painter, paper, form);
        });
        std::printf("%s\n", printer.DocumentFile().string().c_str());
        return 0;
    }
    if (options.window == "form") {
        tessaro::ProjectFormWindow window(state, messages, {});
        return Run(window, options.png, options.size);
    }
    if (options.window == "viewer") {
        tessaro::ReportViewerWindow window(state, printer, messages, printSettings);
        return Run(window, options.png, options.size);
    }
    if (options.window == "print-settings") {
        tessaro::PrintSettingsDialog dialog(
            state, printer, [&] { return tessaro::ui::ShowPrinterSetup(printer, nullptr); },
            nullptr);
        return Run(dialog, options.png);
    }
    tessaro::HelpBoxDialog dialog(state, nullptr);
    return Run(dialog, options.png);
}
