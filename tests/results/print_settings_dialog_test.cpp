#include "results/print_settings_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <cmath>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/shell_state.h"
#include "support/temp_dir.h"
#include "ui/picture_button.h"
#include "ui/recording_printer.h"
#include "ui/twips.h"

namespace tessaro {
namespace {

using Fonts = std::vector<std::string>;

const std::vector<std::string> kFiles = {"Caption.GER", "Caption.ENG",         "OKcap.bmp",
                                         "abcap.bmp",   "prcap.bmp",           "zoomcap.bmp",
                                         "iceCube.bmp", "Varnholt_Back041.jpg"};

template <typename T = QWidget>
T& Control(QWidget& dialog, const char* name) {
    T* control = dialog.findChild<T*>(name);
    if (control == nullptr)
        throw std::runtime_error(std::string("no control ") + name);
    return *control;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A mouse button event over the middle of a control, sent to whatever part of the window lies
// there, as the user's mouse would; a caption label over a picture button lets it through.
void Mouse(QWidget& dialog, const QWidget& control, QEvent::Type type) {
    const QPoint at = control.mapTo(&dialog, control.rect().center());
    QWidget* target = dialog.childAt(at);
    ASSERT_NE(target, nullptr);
    const QPointF local = target->mapFrom(&dialog, QPointF(at));
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void Click(QWidget& dialog, const char* name) {
    const QWidget& control = Control(dialog, name);
    Mouse(dialog, control, QEvent::MouseButtonPress);
    Mouse(dialog, control, QEvent::MouseButtonRelease);
}

// Whether a picture button shows its picture: the symbol at its left is drawn in many shades,
// a plain face in one colour and its outline.
bool ShowsPicture(QWidget& button) {
    const QImage face = button.grab(QRect(0, 0, 38, button.height())).toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            colours.insert(face.pixel(x, y));
    return colours.size() > 8;
}

// A key pressed and released on the control that has the keyboard focus.
void Key(QWidget& dialog, int key) {
    QWidget* target = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

class PrintSettings : public ::testing::Test {
  protected:
    PrintSettings() {
        dir.CopyFromData(kFiles);
        LoadMainCaptions(state.dir, "GER", state.captions);
        state.settings.FontName = "Courier New";
    }

    // A shown dialog on the recording printer; printer setup answers with setupAnswer.
    std::unique_ptr<PrintSettingsDialog> Open() {
        auto dialog = std::make_unique<PrintSettingsDialog>(state, printer, [this] {
            ++setupCalls;
            return setupAnswer;
        });
        dialog->show();
        return dialog;
    }

    test::TempDir dir;
    ShellState state{WorkingDir(dir.Path())};
    ui::RecordingPrinter printer{11906.7, 16838.2};
    int setupAnswer = 0;
    int setupCalls = 0;
};

// Every way out of the dialog, run in its own modal loop: only the print button answers 1.
TEST_F(PrintSettings, AnswersPrintOnlyThroughThePrintButton) {
    using Action = std::function<void(PrintSettingsDialog&)>;
    const struct {
        const char* how;
        Action action;
        int helpContext;
    } cases[] = {
        {"print button", [](auto& d) { Click(d, "OKbutt"); }, 1},
        {"print label", [](auto& d) { Click(d, "Okbutt_l"); }, 1},
        {"Tab from the font list to print, Return",
         [](auto& d) {
             Control(d, "fontlist").setFocus();
             Key(d, Qt::Key_Tab);
             Key(d, Qt::Key_Return);
         },
         1},
        {"cancel button", [](auto& d) { Click(d, "Abbutt"); }, 0},
        {"cancel label", [](auto& d) { Click(d, "Abbutt_l"); }, 0},
        {"Tab twice to cancel, Space",
         [](auto& d) {
             Control(d, "fontlist").setFocus();
             Key(d, Qt::Key_Tab);
             Key(d, Qt::Key_Tab);
             Key(d, Qt::Key_Space);
         },
         0},
        {"Escape", [](auto& d) { Key(d, Qt::Key_Escape); }, 0},
        {"window frame", [](auto& d) { d.close(); }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        state.settings.HelpContext = -1;
        PrintSettingsDialog dialog(state, printer, [] { return 0; });
        QTimer::singleShot(0, &dialog, [&] { c.action(dialog); });
        // A way out that does not close the dialog ends the loop here instead of hanging.
        QTimer::singleShot(3000, &dialog, [&] { dialog.done(-2); });
        const int result = dialog.exec();
        EXPECT_EQ(result, c.helpContext == 1 ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(state.settings.HelpContext, c.helpContext);
    }
}

TEST_F(PrintSettings, ListsThePrintersFontsAndShowsTheOneItTook) {
    const struct {
        const char* what;
        Fonts fonts;
        std::string fontName;
        QString shown;
    } cases[] = {
        {"a font the printer has", {"Times New Roman", "Arial", "Courier New"}, "Arial", "Arial"},
        // The recording printer takes its first font for a name it lacks.
        {"a font the printer lacks", {"Times New Roman", "Arial"}, "Frutiger", "Times New Roman"},
        {"a printer without fonts", {}, "Arial", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui::RecordingPrinter fontPrinter(11906, 16838, c.fonts);
        state.settings.FontName = c.fontName;
        PrintSettingsDialog dialog(state, fontPrinter, [] { return 0; });
        dialog.show();
        const auto& fontlist = Control<QComboBox>(dialog, "fontlist");
        QStringList items;
        for (int i = 0; i < fontlist.count(); ++i)
            items << fontlist.itemText(i);
        QStringList expected;
        for (const std::string& font : c.fonts)
            expected << Q(font);
        EXPECT_EQ(items, expected) << "in the printer's order";
        EXPECT_EQ(fontlist.currentText(), c.shown);
        // Showing the dialog neither stores the substitute nor changes the sample's request.
        EXPECT_EQ(state.settings.FontName, c.fontName);
        EXPECT_EQ(Control(dialog, "FonttestPN").font().family(), Q(c.fontName));
    }
}

TEST_F(PrintSettings, AChosenFontGoesToPrinterAndSampleAndStaysAfterCancel) {
    auto dialog = Open();
    auto& fontlist = Control<QComboBox>(*dialog, "fontlist");
    ASSERT_EQ(fontlist.currentText(), "Courier New");
    fontlist.setFocus();
    Key(*dialog, Qt::Key_Down);
    EXPECT_EQ(fontlist.currentText(), "Times New Roman");
    EXPECT_EQ(state.settings.FontName, "Times New Roman");
    EXPECT_EQ(printer.FontName(), "Times New Roman");
    EXPECT_EQ(Control(*dialog, "FonttestPN").font().family(), "Times New Roman");

    Click(*dialog, "Abbutt");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(state.settings.HelpContext, 0);
    EXPECT_EQ(state.settings.FontName, "Times New Roman");
    EXPECT_EQ(printer.FontName(), "Times New Roman");
}

// The printer setup's answer is not used: confirmed or cancelled, the dialog stays open as it was.
TEST_F(PrintSettings, PrinterSetupLeavesTheDialogAsItWas) {
    for (int answer : {0, 1}) {
        SCOPED_TRACE(answer);
        setupAnswer = answer;
        setupCalls = 0;
        state.settings.HelpContext = -1;
        auto dialog = Open();
        Click(*dialog, "drbutt");
        Click(*dialog, "drbutt_l");
        EXPECT_EQ(setupCalls, 2);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(state.settings.HelpContext, -1);
        EXPECT_EQ(state.settings.FontName, "Courier New");
        EXPECT_EQ(printer.FontName(), "Courier New");
        EXPECT_EQ(Control<QComboBox>(*dialog, "fontlist").currentText(), "Courier New");
    }
}

TEST_F(PrintSettings, SizePanelShowsWholeTwipsAndHidesAgain) {
    auto dialog = Open();
    const QWidget& panel = Control(*dialog, "Panel3D1");
    EXPECT_FALSE(panel.isVisible());

    const ui::ScreenTwips screen = ui::ScreenSizeTwips();
    const auto whole = [](double twips) { return QString::number(std::floor(twips), 'f', 0); };
    const QStringList expected = {"Printer Width = 11906", "Printer Height = 16838",
                                  "Screen Width = " + whole(screen.width),
                                  "Screen Height = " + whole(screen.height)};
    for (const char* opener : {"prevButt", "prevButt_l"}) {
        SCOPED_TRACE(opener);
        Click(*dialog, opener);
        ASSERT_TRUE(panel.isVisible());
        QStringList shown;
        for (const char* name : {"Pwidth", "Pheight", "Swidth", "Sheight"})
            shown << Control<QLabel>(*dialog, name).text();
        EXPECT_EQ(shown, expected);
        // The panel lies over the sample, so the hide button must be the control the mouse hits.
        Click(*dialog, "Command3D1");
        EXPECT_FALSE(panel.isVisible());
        EXPECT_TRUE(dialog->isVisible());
    }
}

TEST_F(PrintSettings, KeyboardReachesEveryControlInOrderUnderItsName) {
    LoadMainCaptions(state.dir, "ENG", state.captions);
    auto dialog = Open();
    Control(*dialog, "fontlist").setFocus();
    QStringList order;
    QStringList names;
    for (int step = 0; step < 5; ++step) {
        order << dialog->focusWidget()->objectName();
        names << dialog->focusWidget()->accessibleName();
        Key(*dialog, Qt::Key_Tab);
    }
    EXPECT_EQ(order, QStringList({"fontlist", "OKbutt", "Abbutt", "drbutt", "prevButt"}));
    EXPECT_EQ(names, QStringList({"Courier New", "O.K.", "Cancel", "Setup", "Size"}));
    EXPECT_EQ(dialog->windowTitle(), "Tessaro - Setup Printer");

    // The size panel takes the focus to its hide button and gives it back to its opener.
    Control(*dialog, "prevButt").setFocus();
    Key(*dialog, Qt::Key_Space);
    EXPECT_EQ(dialog->focusWidget()->objectName(), "Command3D1");
    Key(*dialog, Qt::Key_Space);
    EXPECT_FALSE(Control(*dialog, "Panel3D1").isVisible());
    EXPECT_EQ(dialog->focusWidget()->objectName(), "prevButt");
}

// Pictures by their bare names in any letter case ("okcap.bmp" is OKcap.bmp on disk), the
// background only when backgrounds are switched on, missing pictures without harm.
TEST_F(PrintSettings, LoadsPicturesAndWorksWithoutThem) {
    const auto picture = [](QWidget& dialog, const char* name) {
        return !Control<QLabel>(dialog, name).pixmap().isNull();
    };
    for (int backgrounds : {0, 1}) {
        state.settings.ShowBackgrounds = backgrounds;
        auto dialog = Open();
        EXPECT_TRUE(picture(*dialog, "iceC"));
        EXPECT_EQ(picture(*dialog, "Frame3d1"), backgrounds == 1);
        for (const char* name : {"OKbutt", "Abbutt", "drbutt", "prevButt"})
            EXPECT_TRUE(ShowsPicture(Control(*dialog, name))) << name;
    }
    test::TempDir empty;
    state.dir = WorkingDir(empty.Path());
    auto bare = Open();
    EXPECT_FALSE(picture(*bare, "iceC") || picture(*bare, "Frame3d1"));
    EXPECT_FALSE(ShowsPicture(Control(*bare, "OKbutt")));
    Click(*bare, "OKbutt");
    EXPECT_EQ(state.settings.HelpContext, 1);
}

}  // namespace
}  // namespace tessaro
