// The project form, the report view and the print settings as a user meets them: every control
// shows the caption entry it stands for (in German and in Russian, so that a neighbouring entry
// cannot pass for it), the keyboard goes through the controls in a sensible order, and Escape,
// Enter and the close box give the answers a user expects.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <memory>

#include "project/form/project_form_window.h"
#include "results/print_settings_dialog.h"
#include "results/report_viewer_window.h"
#include "support/started_folder.h"
#include "support/window_helpers.h"
#include "ui/recording_printer.h"

namespace tessaro {
namespace {

using test::Control;

// The three windows over a started copy of the shipped data with the example's report written.
// The report view's print settings answer as printAnswer says.
struct Windows {
    explicit Windows(std::string_view language = "GER") : folder(language) {}
    std::unique_ptr<ProjectFormWindow> Form() {
        ProjectFormHooks hooks{[](const std::string&) {}, [](QWidget*) {}, [](QWidget*) {},
                               [](QWidget*, std::optional<FieldId>) {}};
        return std::make_unique<ProjectFormWindow>(folder.state, folder.messages, hooks);
    }
    std::unique_ptr<ReportViewerWindow> Viewer() {
        return std::make_unique<ReportViewerWindow>(folder.state, printer, folder.messages,
                                                    [this](QWidget*) {
                                                        ++printSettingsShown;
                                                        folder.state.settings.HelpContext = 1;
                                                    });
    }
    std::unique_ptr<PrintSettingsDialog> PrintSettings() {
        return std::make_unique<PrintSettingsDialog>(folder.state, printer, [] { return 0; });
    }
    test::ReportFolder folder;
    ui::RecordingPrinter printer{11906, 16838};
    int printSettingsShown = 0;
};

TEST(WindowControls, EveryControlShowsItsCaptionEntryInGermanAndInRussian) {
    for (const char* language : {"GER", "RUS"}) {
        Windows w(language);
        const CaptionTables& c = w.folder.state.captions;
        const auto M = [&c](int n) { return c.Main(n); };
        const auto P = [&c](int n) { return c.Program(n); };
        const std::string colon = " :";
        const auto form = w.Form();
        const auto viewer = w.Viewer();
        viewer->Activate();
        const auto settings = w.PrintSettings();
        settings->Activate();
        // clang-format off
        const std::vector<std::pair<const char*, std::string>> formCaptions = {
            {"Label31", M(22) + colon}, {"Label20", M(82) + colon}, {"Label21", M(83) + colon},
            {"Label22", M(84) + colon}, {"Label23", M(85) + colon}, {"Label24", M(222) + colon},
            {"Label17", P(29) + colon}, {"Label2", M(37) + colon}, {"Label18", P(30) + colon},
            {"Label9", P(13) + colon}, {"Label7", M(203) + colon}, {"Label8", M(203) + colon},
            {"Label34", P(46) + colon}, {"Label35", P(47) + colon}, {"Label14", P(21) + colon},
            {"Label15", P(12) + colon}, {"Label16", P(22) + colon}, {"Label19", P(32) + colon},
            {"Label33", M(12) + colon}, {"Pn44_l", M(13)}, {"Pn45_l", M(14)},
            {"tslPN", M(171) + " " + M(68) + colon}, {"Label32", M(66) + colon},
            {"Label11", M(222) + colon}, {"Rechbutt_l", M(81)}, {"Diagrammbutt_l", P(112)},
            {"Variantbutt_l", P(70)},
            {"Printbutt_l", M(76)},
            {"Command3D3_l", M(21)}, {"Command3D2_l", M(35)}};
        const std::vector<std::pair<const char*, std::string>> viewerCaptions = {
            {"PrintHead_l", M(76) + " " + M(221)}, {"Command3D3_l", M(35)},
            {"Command3D2_l", M(76)}, {"Label3", M(25) + colon}, {"Label4", M(26) + colon}};
        const std::vector<std::pair<const char*, std::string>> settingsCaptions = {
            {"Abbutt_l", M(35)}, {"drbutt_l", M(63)}, {"prevButt_l", M(203)}};
        // clang-format on
        const std::pair<QWidget*, const std::vector<std::pair<const char*, std::string>>*>
            windows[] = {{form.get(), &formCaptions},
                         {viewer.get(), &viewerCaptions},
                         {settings.get(), &settingsCaptions}};
        for (const auto& [window, captions] : windows) {
            for (const auto& [control, caption] : *captions) {
                const auto* label = window->findChild<QLabel*>(control);
                EXPECT_EQ(label ? label->text().toStdString() : "", caption)
                    << language << " " << window->objectName().toStdString() << " " << control;
            }
        }
        EXPECT_EQ(form->windowTitle().toStdString(),
                  "Tessaro : " + M(81) + " " + M(66) + " - Simulation " + M(222) + " CO2");
        EXPECT_EQ(viewer->windowTitle().toStdString(),
                  "Tessaro : " + M(81) + " " + M(66) + " - Simulation CO2 " + M(222));
        EXPECT_EQ(settings->windowTitle().toStdString(), "Tessaro - " + M(63) + " " + M(166));
    }
}

// The project form goes from what the plant is to where it stands, its heat exchangers, its
// control, compressor and condition, the running pattern, then the buttons; the report view and
// the print settings go round their controls and back to the first.
TEST(WindowControls, TabGoesThroughEveryWindowInOrder) {
    Windows w;
    EXPECT_EQ(test::TabOrder(*w.Form(), "AnwendBereich", 30),
              "AnwendBereich Tempbereich AnlGroesse Q0 AmbientT tambient vdsize t0 VFlsize Tc "
              "RGart WinterRGart Verdichterbauart WartungI Fullzustand Leitungsdimension WaermeD "
              "km betrstd lzfaktor EnergKost JahrebetrT Spezco2emission Rechbutt Diagrammbutt "
              "Variantbutt Printbutt Command3D3 Abbrechen Command3D2");
    EXPECT_EQ(test::TabOrder(*w.Viewer(), "Command3D2", 5),
              "Command3D2 Command3D1 Command3D3 PrintHead Command3D2");
    EXPECT_EQ(test::TabOrder(*w.PrintSettings(), "fontlist", 6),
              "fontlist OKbutt Abbutt drbutt prevButt fontlist");
}

// Each window opens with its main command in focus: Enter calculates on the project form, opens
// the print settings (and prints) on the report view, and prints from the print settings. Escape
// and the close box cancel: the project stays unsaved, the print settings answer 0.
TEST(WindowControls, EscapeEnterAndTheCloseBoxGiveTheirAnswers) {
    Windows w;
    for (const char* how : {"Enter", "Escape", "close box"}) {
        SCOPED_TRACE(how);
        const std::string way = how;
        // A picture button acts on Enter as on a click, once it is drawn flat again.
        const auto act = [&way](QDialog& dialog) {
            if (way == "close box")
                dialog.close();
            else
                test::Key(dialog, way == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
            EXPECT_TRUE(QTest::qWaitFor([&dialog] {
                const auto* button = qobject_cast<QAbstractButton*>(dialog.focusWidget());
                return button == nullptr || !button->isDown();
            }));
        };
        // The project form: nothing calculated yet in this run, nothing saved.
        const auto form = w.Form();
        bool open = false;
        QString cop;
        test::RunModal(*form, [&] {
            act(*form);
            open = form->isVisible();
            cop = Control<QLabel>(*form, "LeistZ").text();
            form->done(QDialog::Rejected);
        });
        EXPECT_EQ(open, way == "Enter");
        EXPECT_EQ(cop.isEmpty(), way != "Enter") << "Enter calculates";
        EXPECT_FALSE(w.folder.temp.Exists("TempPartX.dat")) << "the project was saved";

        // The report view: Enter leads on to the print settings and the printout.
        const auto viewer = w.Viewer();
        const int shownBefore = w.printSettingsShown;
        const size_t printedBefore = w.printer.Calls().size();
        w.folder.state.settings.HelpContext = 7;
        test::RunModal(*viewer, [&] {
            act(*viewer);
            open = viewer->isVisible();
            viewer->reject();
        });
        EXPECT_EQ(open, way == "Enter");
        EXPECT_EQ(w.printSettingsShown - shownBefore, way == "Enter" ? 1 : 0);
        EXPECT_EQ(w.printer.Calls().size() > printedBefore, way == "Enter");
        EXPECT_EQ(w.folder.state.settings.HelpContext, 0);

        const auto settings = w.PrintSettings();
        w.folder.state.settings.HelpContext = -1;
        const int answer = test::RunModal(*settings, [&] { act(*settings); });
        EXPECT_EQ(answer, way == "Enter" ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(w.folder.state.settings.HelpContext, way == "Enter" ? 1 : 0);
    }
}

}  // namespace
}  // namespace tessaro
