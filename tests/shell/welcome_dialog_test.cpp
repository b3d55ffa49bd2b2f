// The welcome dialog on Qt's headless platform: its controls and pictures, the choice of a
// language by mouse and keyboard, and its confirmation by the O.K. button, Escape or the frame.
#include "shell/welcome_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "shell/field_reader.h"
#include "shell/shell_state.h"
#include "shell/start_up.h"
#include "shell/welcome_choice.h"
#include "support/temp_dir.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"

namespace tessaro {
namespace {

QString Name(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

class Welcome : public ::testing::Test {
  protected:
    Welcome() { temp.CopyAllData(); }

    // The run up to the welcome dialog: the start-up with the given stored language and V1, and
    // the help context that the main window's first activation sets.
    void Start(const std::string& language, int v1 = 0) {
        temp.Write("kparam.dat",
                   "\"\",\"\",\"\",\"" + language + "\",\"EUR\",\"Arial\",\"\"," +
                       std::to_string(v1) +
                       ",\"\",\"\",\"\",0,\"C:\\\",0\r\n0,35,\" 2.5\",\"\",\"\",0,\"\",1\r\n");
        ASSERT_FALSE(StartUp(state, nullptr, false).has_value());
        state.settings.HelpContext = 3;
        stored = temp.Read("kparam.dat");
    }

    // Only the German and English main caption files left.
    void KeepOnlyGermanAndEnglish() {
        for (const WelcomeLanguage& language : kWelcomeLanguages) {
            if (language.code != "GER" && language.code != "ENG")
                std::filesystem::remove(temp.Path() / ("Caption." + std::string(language.code)));
        }
    }

    static QLabel* Option(const WelcomeDialog& dialog, std::string_view code) {
        return dialog.findChild<QLabel*>(Name(Language(code).optionName));
    }
    static QLabel* Flag(const WelcomeDialog& dialog, std::string_view code) {
        return dialog.findChild<QLabel*>(Name(Language(code).flagName));
    }
    static const WelcomeLanguage& Language(std::string_view code) {
        return *std::find_if(kWelcomeLanguages.begin(), kWelcomeLanguages.end(),
                             [code](const WelcomeLanguage& l) { return l.code == code; });
    }
    static void Click(QWidget* control) {
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }

    // The codes whose option label is bold and upright; every other one must be italic.
    static std::vector<std::string> Bold(const WelcomeDialog& dialog) {
        std::vector<std::string> bold;
        for (const WelcomeLanguage& language : kWelcomeLanguages) {
            const QFont font = Option(dialog, language.code)->font();
            EXPECT_NE(font.bold(), font.italic()) << language.code;
            if (font.bold())
                bold.emplace_back(language.code);
        }
        return bold;
    }

    std::string StoredLanguage() const {
        return FieldReader(temp.Read("kparam.dat")).NextLine().at(3);
    }

    test::TempDir temp;
    ShellState state{WorkingDir(temp.Path())};
    test::RecordingMessageBox messages;
    std::string stored;
};

TEST_F(Welcome, ControlsPicturesAndLayout) {
    Start("GER");
    WelcomeDialog dialog(state, messages);
    EXPECT_EQ(dialog.objectName(), "Begruess");
    EXPECT_EQ(dialog.findChild<QLabel*>("pn1")->text(), "Sprache");
    auto* ok = dialog.findChild<ui::PictureButton*>("OKbutt");
    EXPECT_EQ(ok->CaptionLabel()->objectName(), "Label21");

    QStringList names = {"Picture1", "Picture17", "pn1", "OKbutt", "Label21"};
    for (int n = 2; n <= 15; ++n)
        names << QString("Picture%1").arg(n);
    for (const QString& name : names)
        EXPECT_FALSE(dialog.findChild<QWidget*>(name)->accessibleName().isEmpty()) << name.data();
    for (const auto& [name, picture] : {std::pair{"Picture1", "start04.bmp"},
                                        {"Picture2", "exv1cap.bmp"},
                                        {"Picture15", "verf6cap.bmp"}}) {
        EXPECT_EQ(dialog.findChild<QLabel*>(name)->pixmap().toImage(),
                  ui::LoadPicture(state.dir, picture).toImage())
            << name;
    }

    // Each option shows its language's own name beside its flag; Arabic reads from the right.
    for (const WelcomeLanguage& language : kWelcomeLanguages) {
        QLabel* option = Option(dialog, language.code);
        EXPECT_EQ(option->text().toStdString(), language.ownName);
        EXPECT_EQ(option->accessibleName(), option->text());
        EXPECT_FALSE(Flag(dialog, language.code)->accessibleName().isEmpty());
        EXPECT_FALSE(Flag(dialog, language.code)->pixmap().isNull()) << language.code;
        EXPECT_EQ(option->layoutDirection() == Qt::RightToLeft, language.code == "ARA");
    }

    // The backgrounds only when they are asked for.
    const QImage with = dialog.grab().toImage();
    state.settings.ShowBackgrounds = 0;
    EXPECT_NE(WelcomeDialog(state, messages).grab().toImage(), with);
}

// The stored language is bold on opening; a stored code that is none of the sixteen leaves every
// label italic, a missing one is German. V1 is read again from the settings file.
TEST_F(Welcome, StoredLanguageIsBoldOnOpening) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"FRA", {"FRA"}}, {"ARA", {"ARA"}}, {"XYZ", {}}, {"", {"GER"}}};
    for (const auto& [language, bold] : cases) {
        Start(language, 23);
        state.settings.suite.V1 = 0;
        WelcomeDialog dialog(state, messages);
        EXPECT_EQ(Bold(dialog), bold) << language;
        EXPECT_EQ(state.settings.suite.V1, 23);
    }
}

TEST_F(Welcome, ChoosingGermanAfterFrenchWritesGerman) {
    Start("FRA");
    WelcomeDialog dialog(state, messages);
    dialog.show();
    // Placed a third of the free height down.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = dialog.frameGeometry();
    EXPECT_LE(std::abs(frame.top() - (screen.height() - frame.height()) / 3), 1);
    EXPECT_LE(std::abs(frame.left() - (screen.width() - frame.width()) / 2), 1);
    Click(Option(dialog, "GER"));
    EXPECT_EQ(state.settings.LanguageCode, "GER");
    EXPECT_EQ(Bold(dialog), std::vector<std::string>{"GER"});

    // The O.K. button stands raised while pressed on its label and confirms on release.
    QSignalSpy finished(&dialog, &QDialog::finished);
    auto* ok = dialog.findChild<ui::PictureButton*>("OKbutt");
    QLabel* label = ok->CaptionLabel();
    QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
    EXPECT_TRUE(ok->Raised());
    EXPECT_EQ(finished.count(), 0);
    QTest::mouseRelease(label, Qt::LeftButton, {}, label->rect().center());
    EXPECT_FALSE(ok->Raised());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(StoredLanguage(), "GER");
}

// With only German and English there, every other option is disabled and does not react, yet its
// flag still chooses; confirming then reports the language as not available and keeps German.
TEST_F(Welcome, UnavailableLanguageByItsFlagIsReportedOnConfirmation) {
    KeepOnlyGermanAndEnglish();
    Start("GER");
    WelcomeDialog dialog(state, messages);
    dialog.show();
    for (const WelcomeLanguage& language : kWelcomeLanguages) {
        EXPECT_EQ(Option(dialog, language.code)->isEnabled(),
                  language.code == "GER" || language.code == "ENG");
    }
    Click(Option(dialog, "SWE"));
    EXPECT_EQ(state.settings.LanguageCode, "GER");
    Click(Flag(dialog, "SWE"));
    EXPECT_EQ(state.settings.LanguageCode, "SWE");
    EXPECT_EQ(Bold(dialog), std::vector<std::string>{"SWE"});

    dialog.ConfirmWelcome();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Sprache nicht verfügbar!");
    EXPECT_EQ(messages.shown[0].title, "Tessaro");
    EXPECT_EQ(state.settings.LanguageCode, "GER");
    EXPECT_EQ(temp.Read("kparam.dat"), stored);
    EXPECT_FALSE(dialog.isVisible());
}

// Closing through the frame, Escape and the button all confirm, and only the first attempt
// counts. A stored unknown code chooses nothing, so the confirmation reports the empty code (in
// the caption tables of that unknown language, which are empty).
TEST_F(Welcome, EveryWayToCloseConfirmsExactlyOnce) {
    Start("XYZ");
    WelcomeDialog dialog(state, messages);
    dialog.show();
    QSignalSpy finished(&dialog, &QDialog::finished);
    EXPECT_TRUE(dialog.close());
    dialog.close();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.ConfirmWelcome();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, " ");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(state.settings.LanguageCode, "XYZ");
    EXPECT_EQ(temp.Read("kparam.dat"), stored);

    // Escaped untouched: the stored language is written back with the settings read in full.
    Start("ITA");
    WelcomeDialog escaped(state, messages);
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_EQ(messages.shown.size(), 1u);
    const std::vector<std::string> line = FieldReader(temp.Read("kparam.dat")).NextLine();
    EXPECT_EQ(line.size(), 14u);
    EXPECT_EQ(line.at(3), "ITA");
}

// Tab reaches the flags and the enabled option labels in the order of the panel; Space, Enter
// and Return choose.
TEST_F(Welcome, KeyboardReachesAndChoosesLanguages) {
    KeepOnlyGermanAndEnglish();
    Start("GER");
    WelcomeDialog dialog(state, messages);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Flag(dialog, "ENG")->setFocus();
    QStringList order;
    for (int step = 0; step < 6; ++step) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // The disabled French option is left out.
    EXPECT_EQ(order.join(" "), "PICENG Engopt PICGER GERopt PICFRA PICESP");

    for (const auto& [code, key] :
         {std::pair{"ESP", Qt::Key_Space}, {"ENG", Qt::Key_Return}, {"NDL", Qt::Key_Enter}}) {
        QTest::keyClick(Flag(dialog, code), key);
        EXPECT_EQ(state.settings.LanguageCode, code);
    }
    QTest::keyClick(Option(dialog, "GER"), Qt::Key_Space);
    EXPECT_EQ(Bold(dialog), std::vector<std::string>{"GER"});
}

}  // namespace
}  // namespace tessaro
