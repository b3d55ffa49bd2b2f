// The help box on Qt's headless platform: its captions in two languages, the Tab order, the help
// text of the help context, its pictures, and the ways to close it with the answer each gives.
#include "shell/help_box_dialog.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>

#include "shell/help_text.h"
#include "shell/shell_state.h"
#include "support/window_helpers.h"
#include "ui/picture_button.h"

namespace tessaro {
namespace {

using test::Child;

class HelpBox : public ::testing::Test {
  protected:
    HelpBox() {
        temp.CopyFromData({"Caption.GER", "Caption.RUS", "Simhelp.GER", "Simhelp2.GER", "OKcap.bmp",
                           "pic2.bmp", "Varnholt_Back041.jpg"});
        UseLanguage("GER");
    }
    void UseLanguage(const std::string& code) {
        state.settings.LanguageCode = code;
        LoadAllCaptions(state.dir, code, state.captions);
    }
    static QPlainTextEdit* Text(const HelpBoxDialog& dialog) {
        return Child<QPlainTextEdit>(dialog, "InfoText");
    }

    test::TempDir temp;
    ShellState state{WorkingDir(temp.Path())};
};

// The caption is the title, main entry 21 and the suffix that the help menu sets; the text field
// is named by it. The read-only text lies inside its frame; Tab goes to the O.K. button and back.
TEST_F(HelpBox, CaptionsInTwoLanguagesAndTabOrder) {
    for (const char* code : {"GER", "RUS"}) {
        UseLanguage(code);
        for (const char* suffix : {"", "Tessaro-Software"}) {
            state.settings.HelpCaptionSuffix = suffix;
            HelpBoxDialog dialog(state);
            const auto [shown, expected] = test::Captions(
                dialog, code,
                {{"Hilfebox", "Tessaro ", 'M', 21, *suffix ? " Tessaro-Software" : " "},
                 {"Command3D1_l", "O.K."}});
            EXPECT_EQ(shown, expected);
            EXPECT_EQ(Text(dialog)->accessibleName(), dialog.windowTitle());
        }
    }
    HelpBoxDialog dialog(state);
    EXPECT_TRUE(Text(dialog)->isReadOnly() &&
                Child<QFrame>(dialog, "pn1")->contentsRect().contains(Text(dialog)->geometry()));
    EXPECT_EQ(test::TabOrder(dialog, "InfoText", 3), "InfoText Command3D1 InfoText");
}

// Showing centres the dialog; a help context other than 0 chooses the second text once and is
// reset. CR LF is one line break in the field, not two.
TEST_F(HelpBox, HelpContextChoosesTheSecondTextOnceAndIsReset) {
    const auto shown = [this](const std::string& name) {
        return QString::fromStdString(LoadHelpText(state.dir, name, "GER")).replace("\r\n", "\n");
    };
    for (int context : {3, 1, -1, 0}) {
        state.settings.HelpContext = context;
        HelpBoxDialog dialog(state);
        EXPECT_TRUE(Text(dialog)->toPlainText().isEmpty());
        dialog.show();
        const std::string file = context == 0 ? "Simhelp.GER" : "Simhelp2.GER";
        EXPECT_EQ(dialog.HelpFileName() + "|" + std::to_string(state.settings.HelpContext),
                  file + "|0");
        EXPECT_EQ(Text(dialog)->toPlainText(), shown(file)) << context;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_LE((dialog.frameGeometry().center() - screen.center()).manhattanLength(), 2);
    }
    EXPECT_NE(shown("Simhelp.GER"), shown("Simhelp2.GER"));
    HelpBoxDialog dialog(state);
    dialog.Activate();
    EXPECT_EQ(Text(dialog)->document()->blockCount(), shown("Simhelp.GER").count('\n') + 1);
}

// The pictures as found, the background only when asked for; missing files leave boxes empty.
// Arabic reads from the right.
TEST_F(HelpBox, PicturesBackgroundAndReadingDirection) {
    const auto pictures = [this] {
        HelpBoxDialog dialog(state);
        dialog.Activate();
        return std::to_string(!Child<QLabel>(dialog, "Frame3d1")->pixmap().isNull()) +
               std::to_string(!Child<QLabel>(dialog, "Picture1")->pixmap().isNull()) +
               std::to_string(!Text(dialog)->toPlainText().isEmpty());
    };
    state.settings.ShowBackgrounds = 1;
    EXPECT_EQ(pictures(), "111");
    state.settings.ShowBackgrounds = 0;
    EXPECT_EQ(pictures(), "011");
    for (const char* name : {"Simhelp.GER", "pic2.bmp", "Varnholt_Back041.jpg"})
        std::filesystem::remove(temp.Path() / name);
    state.settings.ShowBackgrounds = 1;
    EXPECT_EQ(pictures(), "000");
    for (const char* code : {"ARA", "ara", "GER"}) {
        state.settings.LanguageCode = code;
        HelpBoxDialog dialog(state);
        EXPECT_EQ(std::pair(Text(dialog)->layoutDirection(),
                            Text(dialog)->document()->defaultTextOption().textDirection()),
                  std::string(code) == "GER" ? std::pair(Qt::LeftToRight, Qt::LayoutDirectionAuto)
                                             : std::pair(Qt::RightToLeft, Qt::RightToLeft))
            << code;
    }
}

// The O.K. button by a release on its picture or its label, Space on it and Enter anywhere
// accept; Escape and the frame reject. A press alone, or a release away from the button, leaves
// the box open.
TEST_F(HelpBox, EveryWayToCloseGivesItsAnswer) {
    const auto ok = [](HelpBoxDialog& d) { return Child<ui::PictureButton>(d, "Command3D1"); };
    const auto key = [](Qt::Key k) {
        return [k](HelpBoxDialog& d) { QTest::keyClick(Text(d), k); };
    };
    const std::tuple<const char*, std::function<void(HelpBoxDialog&)>, int> ways[] = {
        {"release on it", [&](HelpBoxDialog& d) { test::Release(ok(d)); }, QDialog::Accepted},
        {"release on the label", [&](HelpBoxDialog& d) { test::Release(ok(d)->CaptionLabel()); },
         QDialog::Accepted},
        {"release away", [&](HelpBoxDialog& d) { test::Release(ok(d), false); }, -1},
        {"Space", [&](HelpBoxDialog& d) { QTest::keyClick(ok(d), Qt::Key_Space); },
         QDialog::Accepted},
        {"Return", key(Qt::Key_Return), QDialog::Accepted},
        {"Enter", key(Qt::Key_Enter), QDialog::Accepted},
        {"Escape", key(Qt::Key_Escape), QDialog::Rejected},
        {"frame", [](HelpBoxDialog& d) { d.close(); }, QDialog::Rejected},
    };
    for (const auto& [way, act, result] : ways) {
        SCOPED_TRACE(way);
        HelpBoxDialog dialog(state);
        dialog.show();
        QSignalSpy finished(&dialog, &QDialog::finished);
        test::Press(ok(dialog));
        EXPECT_TRUE(ok(dialog)->Raised());
        if (std::string(way).find("release") == std::string::npos)
            test::Release(ok(dialog), false);
        EXPECT_EQ(finished.count(), 0);
        act(dialog);
        EXPECT_FALSE(ok(dialog)->Raised());
        EXPECT_EQ(dialog.isVisible() ? -1 : dialog.result(), result);
        EXPECT_EQ(finished.count(), result < 0 ? 0 : 1);
    }
}

}  // namespace
}  // namespace tessaro
