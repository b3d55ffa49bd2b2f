// Every window in every language on a real desk: run on a 1280 x 720 laptop screen and on a
// 1920 x 1080 screen (the screen is the test's platform setting), each window opens inside the
// screen's available area and shows no control outside itself, no two controls overlapping and no
// label cut, at the size it opens with and, where the user can resize it, filling the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>

#include "engine/app_state.h"
#include "project/foreign_choices.h"
#include "project/form/project_form_window.h"
#include "results/print_settings_dialog.h"
#include "results/report_viewer_window.h"
#include "shell/help_box_dialog.h"
#include "shell/main_window.h"
#include "shell/start_up.h"
#include "shell/welcome_dialog.h"
#include "support/layout_audit.h"
#include "support/temp_dir.h"
#include "ui/message_box.h"
#include "ui/recording_printer.h"

namespace tessaro {
namespace {

// The shipped data folder started in a language, with the report of the shipped example written.
struct LanguageFolder {
    explicit LanguageFolder(std::string_view language) : state(WorkingDir(temp.Path())) {
        temp.CopyAllData();
        std::string settings = temp.Read("kparam.dat");
        settings.replace(settings.find("\"GER\"") + 1, 3, language);
        temp.Write("kparam.dat", settings);
        EXPECT_FALSE(StartUp(state, nullptr, false).has_value());
        FormHost host;
        ProjectForm form(state, messages, host);
        form.Load();
        form.Printbutt();
    }
    test::TempDir temp;
    AppState state;
    test::RecordingMessageBox messages;
};

struct Window {
    const char* name;
    bool resizable;
    std::function<std::unique_ptr<QWidget>(LanguageFolder&, ui::Printer&)> make;
};

class NoBusyPointer : public BusyPointer {
  public:
    void SetBusy(bool) override {}
};

const Window kWindows[] = {
    {"project form", true,
     [](LanguageFolder& f, ui::Printer&) -> std::unique_ptr<QWidget> {
         return std::make_unique<ProjectFormWindow>(f.state, f.messages, ProjectFormHooks{});
     }},
    {"report view", true,
     [](LanguageFolder& f, ui::Printer& printer) -> std::unique_ptr<QWidget> {
         return std::make_unique<ReportViewerWindow>(f.state, printer, f.messages, [](QWidget*) {});
     }},
    {"print settings", false,
     [](LanguageFolder& f, ui::Printer& printer) -> std::unique_ptr<QWidget> {
         return std::make_unique<PrintSettingsDialog>(f.state, printer, [] { return 0; });
     }},
    {"help box", false,
     [](LanguageFolder& f, ui::Printer&) -> std::unique_ptr<QWidget> {
         return std::make_unique<HelpBoxDialog>(f.state);
     }},
    {"welcome", false,
     [](LanguageFolder& f, ui::Printer&) -> std::unique_ptr<QWidget> {
         return std::make_unique<WelcomeDialog>(f.state, f.messages);
     }},
    {"main window", true,
     [](LanguageFolder& f, ui::Printer&) -> std::unique_ptr<QWidget> {
         static NoBusyPointer busy;
         auto window = std::make_unique<MainWindow>(
             f.state, f.messages, busy, [](QWidget*) {}, [] { return 0; });
         window->SetWelcomeRunner([](QWidget*) {});  // the welcome dialog is audited alone
         return window;
     }},
};

std::string Joined(const std::vector<std::string>& findings) {
    std::string text;
    for (const std::string& finding : findings)
        text += "\n  " + finding;
    return text;
}

TEST(WindowLayout, EveryWindowFitsTheScreenInEveryLanguage) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    for (std::string_view language : kLanguageCodes) {
        LanguageFolder folder(language);
        ui::RecordingPrinter printer;
        for (const Window& kind : kWindows) {
            SCOPED_TRACE(std::string(kind.name) + " in " + std::string(language));
            std::unique_ptr<QWidget> window = kind.make(folder, printer);
            window->show();
            QApplication::processEvents();
            EXPECT_TRUE(area.contains(window->frameGeometry()))
                << "opens at " << window->frameGeometry().x() << "," << window->frameGeometry().y()
                << " size " << window->frameGeometry().width() << "x"
                << window->frameGeometry().height() << " on " << area.width() << "x"
                << area.height();
            EXPECT_EQ(Joined(test::AuditLayout(*window)), "") << "as opened";
            if (kind.resizable && window->size() != area.size()) {
                window->resize(area.size());
                QApplication::processEvents();
                EXPECT_EQ(Joined(test::AuditLayout(*window)), "") << "filling the screen";
            }
            window->close();
        }
    }
}

}  // namespace
}  // namespace tessaro
