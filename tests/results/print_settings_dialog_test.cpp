// The print settings dialog: its answer by every button and label, and the size panel.
#include "results/print_settings_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <cmath>

#include "shell/shell_state.h"
#include "support/temp_dir.h"
#include "support/window_helpers.h"
#include "ui/recording_printer.h"
#include "ui/twips.h"

namespace tessaro {
namespace {

using test::Click;
using test::Control;
using test::Key;

class PrintSettings : public ::testing::Test {
  protected:
    PrintSettings() {
        dir.CopyFromData({"Caption.GER"});
        LoadMainCaptions(state.dir, "GER", state.captions);
    }

    // A shown dialog on the recording printer.
    std::unique_ptr<PrintSettingsDialog> Open() {
        auto dialog = std::make_unique<PrintSettingsDialog>(state, printer, [] { return 1; });
        dialog->show();
        return dialog;
    }

    test::TempDir dir;
    ShellState state{WorkingDir(dir.Path())};
    ui::RecordingPrinter printer{11906.7, 16838.2};
};

// Every button and label way out, run in its own modal loop: only the print button answers 1.
TEST_F(PrintSettings, AnswersPrintOnlyThroughThePrintButton) {
    // A click on a button or its label, or Tab from the font list and a key.
    const auto tab = [](int tabs, int key) {
        return [tabs, key](PrintSettingsDialog& d) {
            Control(d, "fontlist").setFocus();
            for (int i = 0; i < tabs; ++i)
                Key(d, Qt::Key_Tab);
            Key(d, key);
        };
    };
    const auto click = [](const char* name) {
        return [name](PrintSettingsDialog& d) { Click(d, name); };
    };
    const struct {
        const char* how;
        std::function<void(PrintSettingsDialog&)> action;
        int helpContext;
    } cases[] = {{"print button", click("OKbutt"), 1},
                 {"print label", click("Okbutt_l"), 1},
                 {"Tab to print, Return", tab(1, Qt::Key_Return), 1},
                 {"cancel button", click("Abbutt"), 0},
                 {"cancel label", click("Abbutt_l"), 0},
                 {"Tab twice to cancel, Space", tab(2, Qt::Key_Space), 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        state.settings.HelpContext = -1;
        PrintSettingsDialog dialog(state, printer, [] { return 0; });
        const int result = test::RunModal(dialog, [&] { c.action(dialog); });
        EXPECT_EQ(result, c.helpContext == 1 ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(state.settings.HelpContext, c.helpContext);
    }
}

// The size panel shows whole twips (11906.7 is 11906), takes the focus to its hide button and
// gives it back to its opener.
TEST_F(PrintSettings, SizePanelShowsWholeTwipsAndHidesAgain) {
    auto dialog = Open();
    const QWidget& panel = Control(*dialog, "Panel3D1");
    Control(*dialog, "prevButt").setFocus();
    Key(*dialog, Qt::Key_Space);
    ASSERT_TRUE(panel.isVisible());
    EXPECT_EQ(Control<QLabel>(*dialog, "Pwidth").text(), "Printer Width = 11906");
    EXPECT_EQ(Control<QLabel>(*dialog, "Pheight").text(), "Printer Height = 16838");
    EXPECT_EQ(Control<QLabel>(*dialog, "Swidth").text(),
              "Screen Width = " + QString::number(std::floor(ui::ScreenSizeTwips().width)));
    EXPECT_EQ(dialog->focusWidget()->objectName(), "Command3D1");
    // The panel lies over the sample, so the hide button must be the control the mouse hits.
    Click(*dialog, "Command3D1");
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(dialog->focusWidget()->objectName(), "prevButt");
}

}  // namespace
}  // namespace tessaro
