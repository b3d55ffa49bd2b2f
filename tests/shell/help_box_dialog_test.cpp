// The help box on Qt's headless platform: its controls, caption, pictures, the help text of the
// help context, and the ways to close it.
#include "shell/help_box_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "shell/caption_tables.h"
#include "shell/help_text.h"
#include "shell/shell_state.h"
#include "support/temp_dir.h"
#include "ui/picture_button.h"

namespace tessaro {
namespace {

class HelpBox : public ::testing::Test {
  protected:
    HelpBox() {
        temp.CopyFromData({"Caption.GER", "Simhelp.GER", "Simhelp2.GER", "OKcap.bmp", "pic2.bmp",
                           "Varnholt_Back041.jpg"});
        UseLanguage("GER");
    }

    void UseLanguage(const std::string& code) {
        state.settings.LanguageCode = code;
        LoadAllCaptions(state.dir, code, state.captions);
    }

    // What the text field shows for a help file: its line breaks are single line ends there.
    QString Shown(const std::string& fileName) const {
        return QString::fromStdString(
                   LoadHelpText(state.dir, fileName, state.settings.LanguageCode))
            .replace("\r\n", "\n");
    }

    static QPlainTextEdit* InfoText(const HelpBoxDialog& dialog) {
        return dialog.findChild<QPlainTextEdit*>("InfoText");
    }
    static ui::PictureButton* Ok(const HelpBoxDialog& dialog) {
        return dialog.findChild<ui::PictureButton*>("Command3D1");
    }

    test::TempDir temp;
    ShellState state{WorkingDir(temp.Path())};
};

TEST_F(HelpBox, ControlsCarryTheirNamesAndTheTextFieldIsReadOnlyInsideItsFrame) {
    HelpBoxDialog dialog(state);
    EXPECT_EQ(dialog.objectName(), "Hilfebox");
    for (const char* name :
         {"pn1", "InfoText", "Frame3d1", "Picture1", "Command3D1", "Command3D1_l"}) {
        const QWidget* control = dialog.findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << name;
    }
    QPlainTextEdit* info = InfoText(dialog);
    EXPECT_EQ(info->accessibleName(), "Tessaro Hilfe ");
    EXPECT_EQ(Ok(dialog)->CaptionLabel()->text(), "O.K.");
    EXPECT_TRUE(info->isReadOnly());
    EXPECT_EQ(info->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    const auto* pn1 = dialog.findChild<QFrame*>("pn1");
    EXPECT_EQ(info->parentWidget(), pn1);
    EXPECT_TRUE(pn1->contentsRect().contains(info->geometry()));

    // Tab goes from the text to the O.K. button.
    QWidget* next = info->nextInFocusChain();
    while (next != nullptr && next != info && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, Ok(dialog));
}

TEST_F(HelpBox, CaptionTakesTheSuffixOfTheHelpMenu) {
    EXPECT_EQ(HelpBoxDialog(state).windowTitle(), "Tessaro Hilfe ");
    state.settings.HelpCaptionSuffix = "Tessaro-Software";
    EXPECT_EQ(HelpBoxDialog(state).windowTitle(), "Tessaro Hilfe Tessaro-Software");
    temp.CopyFromData({"Caption.ENG"});
    UseLanguage("ENG");
    EXPECT_EQ(HelpBoxDialog(state).windowTitle(), "Tessaro Help Tessaro-Software");
}

// Showing activates and centres the dialog; a help context other than 0 chooses the second text
// once and is reset.
TEST_F(HelpBox, HelpContextChoosesTheSecondTextOnceAndIsReset) {
    for (int context : {3, 1}) {
        state.settings.HelpContext = context;
        HelpBoxDialog dialog(state);
        EXPECT_TRUE(InfoText(dialog)->toPlainText().isEmpty());
        dialog.show();
        EXPECT_EQ(dialog.HelpFileName(), "Simhelp2.GER") << context;
        EXPECT_EQ(InfoText(dialog)->toPlainText(), Shown("Simhelp2.GER")) << context;
        EXPECT_EQ(state.settings.HelpContext, 0);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_LE((dialog.frameGeometry().center() - screen.center()).manhattanLength(), 2);
    }
    HelpBoxDialog dialog(state);
    dialog.Activate();
    EXPECT_EQ(dialog.HelpFileName(), "Simhelp.GER");
    const QString text = InfoText(dialog)->toPlainText();
    EXPECT_EQ(text, Shown("Simhelp.GER"));
    EXPECT_NE(text, Shown("Simhelp2.GER"));
    // CR LF is one line break in the field, not two.
    EXPECT_FALSE(text.contains('\r'));
    EXPECT_EQ(InfoText(dialog)->document()->blockCount(), text.count('\n') + 1);
}

TEST_F(HelpBox, PicturesAndBackgroundAsFoundAndMissingFilesLeaveBoxesEmpty) {
    {
        state.settings.ShowBackgrounds = 1;
        HelpBoxDialog dialog(state);
        EXPECT_FALSE(dialog.findChild<QLabel*>("Frame3d1")->pixmap().isNull());
        EXPECT_FALSE(dialog.findChild<QLabel*>("Picture1")->pixmap().isNull());
    }
    state.settings.ShowBackgrounds = 0;
    EXPECT_TRUE(HelpBoxDialog(state).findChild<QLabel*>("Frame3d1")->pixmap().isNull());

    for (const char* name : {"Simhelp.GER", "pic2.bmp", "Varnholt_Back041.jpg"})
        std::filesystem::remove(temp.Path() / name);
    state.settings.ShowBackgrounds = 1;
    HelpBoxDialog dialog(state);
    dialog.Activate();
    EXPECT_TRUE(InfoText(dialog)->toPlainText().isEmpty());
    EXPECT_TRUE(dialog.findChild<QLabel*>("Frame3d1")->pixmap().isNull());
    EXPECT_TRUE(dialog.findChild<QLabel*>("Picture1")->pixmap().isNull());
}

TEST_F(HelpBox, ArabicReadsFromTheRight) {
    for (const char* code : {"ARA", "ara", "GER"}) {
        state.settings.LanguageCode = code;
        HelpBoxDialog dialog(state);
        const bool arabic = std::string(code) != "GER";
        EXPECT_EQ(InfoText(dialog)->layoutDirection(), arabic ? Qt::RightToLeft : Qt::LeftToRight)
            << code;
        EXPECT_EQ(InfoText(dialog)->document()->defaultTextOption().textDirection(),
                  arabic ? Qt::RightToLeft : Qt::LayoutDirectionAuto)
            << code;
    }
}

// The ways to close the help box: the O.K. button by the mouse on its picture or on its label,
// by Space on the button, Enter anywhere, and Escape.
TEST_F(HelpBox, OkMouseAndKeyboardClose) {
    struct Way {
        const char* name;
        void (*act)(HelpBoxDialog&, ui::PictureButton&);
        QDialog::DialogCode result;
    };
    const std::vector<Way> ways = {
        {"mouse on the picture",
         [](HelpBoxDialog&, ui::PictureButton& ok) {
             QTest::mouseClick(&ok, Qt::LeftButton, {}, QPoint(10, 10));
         },
         QDialog::Accepted},
        {"mouse on the label",
         [](HelpBoxDialog&, ui::PictureButton& ok) {
             QLabel* label = ok.CaptionLabel();
             QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
             EXPECT_TRUE(ok.Raised());
             QTest::mouseRelease(label, Qt::LeftButton, {}, label->rect().center());
             EXPECT_FALSE(ok.Raised());
         },
         QDialog::Accepted},
        {"space on the button",
         [](HelpBoxDialog&, ui::PictureButton& ok) {
             ok.setFocus();
             QTest::keyClick(&ok, Qt::Key_Space);
         },
         QDialog::Accepted},
        {"enter in the text",
         [](HelpBoxDialog& dialog, ui::PictureButton&) {
             QTest::keyClick(InfoText(dialog), Qt::Key_Return);
         },
         QDialog::Accepted},
        {"escape",
         [](HelpBoxDialog& dialog, ui::PictureButton&) {
             QTest::keyClick(InfoText(dialog), Qt::Key_Escape);
         },
         QDialog::Rejected},
    };
    for (const Way& way : ways) {
        HelpBoxDialog dialog(state);
        dialog.show();
        QSignalSpy finished(&dialog, &QDialog::finished);
        way.act(dialog, *Ok(dialog));
        EXPECT_FALSE(dialog.isVisible()) << way.name;
        EXPECT_EQ(finished.count(), 1) << way.name;
        EXPECT_EQ(dialog.result(), way.result) << way.name;
    }
}

}  // namespace
}  // namespace tessaro
