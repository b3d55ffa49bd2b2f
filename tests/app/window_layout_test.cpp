// Every window in every language on a real desk: run on a 1280 x 720 laptop screen and on a
// 1920 x 1080 screen (the screen is the test's platform setting), each window opens inside the
// screen's available area and shows no control outside itself, no two controls overlapping and no
// label cut, at the size it opens with and, where the user can resize it, filling the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <memory>
#include <tuple>

#include "engine/app_state.h"
#include "project/foreign_choices.h"
#include "project/form/project_form_window.h"
#include "results/print_settings_dialog.h"
#include "results/report_viewer_window.h"
#include "shell/help_box_dialog.h"
#include "shell/main_window.h"
#include "shell/welcome_dialog.h"
#include "support/layout_audit.h"
#include "support/started_folder.h"
#include "ui/message_box.h"
#include "ui/recording_printer.h"
#include "variants/comparison_window.h"
#include "variants/variants_file.h"

namespace tessaro {
namespace {

class NoBusyPointer : public BusyPointer {
  public:
    void SetBusy(bool) override {}
};

// The project form's logic that the comparison window works on, kept as long as the window.
struct FormKeeper : QObject {
    explicit FormKeeper(test::ReportFolder& f) : form(f.state, f.messages, host) { form.Load(); }
    FormHost host;
    ProjectForm form;
};

// Each window by its name, whether the user can resize it, and how it is made.
const std::tuple<const char*, bool, QWidget* (*)(test::ReportFolder&, ui::Printer&)> kWindows[] = {
    {"project form", true,
     [](test::ReportFolder& f, ui::Printer&) -> QWidget* {
         return new ProjectFormWindow(f.state, f.messages, ProjectFormHooks{});
     }},
    {"report view", true,
     [](test::ReportFolder& f, ui::Printer& p) -> QWidget* {
         return new ReportViewerWindow(f.state, p, f.messages, [](QWidget*) {});
     }},
    {"comparison", true,
     [](test::ReportFolder& f, ui::Printer&) -> QWidget* {
         auto* keeper = new FormKeeper(f);
         WriteVariantsFile(f.state.dir, {{}, WhatIfItems(keeper->form, FieldId::RGart)});
         auto* window = new ComparisonWindow(keeper->form, f.state.dir, f.messages, nullptr);
         keeper->setParent(window);
         return window;
     }},
    {"print settings", false,
     [](test::ReportFolder& f, ui::Printer& p) -> QWidget* {
         return new PrintSettingsDialog(f.state, p, [] { return 0; });
     }},
    {"help box", false,
     [](test::ReportFolder& f, ui::Printer&) -> QWidget* { return new HelpBoxDialog(f.state); }},
    {"welcome", false,
     [](test::ReportFolder& f, ui::Printer&) -> QWidget* {
         return new WelcomeDialog(f.state, f.messages);
     }},
    {"main window", true,
     [](test::ReportFolder& f, ui::Printer&) -> QWidget* {
         static NoBusyPointer busy;
         auto* window = new MainWindow(
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
        test::ReportFolder folder(language);
        ui::RecordingPrinter printer;
        for (const auto& [name, resizable, make] : kWindows) {
            SCOPED_TRACE(std::string(name) + " in " + std::string(language));
            const std::unique_ptr<QWidget> window(make(folder, printer));
            window->show();
            QApplication::processEvents();
            EXPECT_TRUE(area.contains(window->frameGeometry()))
                << "opens at " << window->frameGeometry().x() << "," << window->frameGeometry().y()
                << " size " << window->frameGeometry().width() << "x"
                << window->frameGeometry().height() << " on " << area.width() << "x"
                << area.height();
            EXPECT_EQ(Joined(test::AuditLayout(*window)), "") << "as opened";
            if (resizable && window->size() != area.size()) {
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
