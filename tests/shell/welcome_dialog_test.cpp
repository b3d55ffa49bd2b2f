// The welcome dialog on Qt's headless platform: its captions in two languages, every language's
// flag and option, the pictures, the Tab order, and the confirmation by the O.K. button, Enter,
// Escape or the frame.
#include "shell/welcome_dialog.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QSignalSpy>

#include "shell/field_reader.h"
#include "shell/shell_state.h"
#include "shell/start_up.h"
#include "support/window_helpers.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"

namespace tessaro {
namespace {

using test::Child;

// The languages in the order of the panel: code, option label, flag, flag picture, option text.
struct Language {
    std::string code, option, flag, picture, ownName;
};
const Language kLanguages[] = {
    {"ENG", "Engopt", "PICENG", "england.bmp", "English"},
    {"GER", "GERopt", "PICGER", "Germany.bmp", "Deutsch"},
    {"FRA", "FRAopt", "PICFRA", "Frankr.bmp", "Français"},
    {"ESP", "ESPopt", "PICESP", "SPANIEN.bmp", "Español"},
    {"NDL", "NDLOpt", "PICNDL", "niederl.bmp", "Nederlands"},
    {"ITA", "ITAOpt", "PICITA", "italien.bmp", "Italiano"},
    {"POR", "POROpt", "PICPOR", "Portugal.bmp", "Português"},
    {"SWE", "SWEOpt", "PICSWE", "schweden.bmp", "Svenska"},
    {"RUS", "RUSOpt", "PICRUS", "russisch.bmp", "Русский"},
    {"POL", "POLOpt", "PICPOL", "polen.bmp", "Polski"},
    {"TRK", "TRKOpt", "PICTRK", "tuerkei.bmp", "Türkçe"},
    {"ROM", "ROMOpt", "PICROM", "rumaen.bmp", "Română"},
    {"GRE", "GREopt", "PICGre", "Griechl.bmp", "Ελληνικά"},
    {"HUN", "HUNopt", "PICHUN", "Ungarn.bmp", "Magyar"},
    {"BUL", "Bulopt", "Picbul", "Bulgaria.bmp", "Български"},
    {"ARA", "ARAopt", "PicARA", "Arabic.bmp", "العربية"},
};

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

    // The codes whose option label is bold and upright; every other one must be italic.
    static std::string Bold(const WelcomeDialog& dialog) {
        std::string bold;
        for (const Language& language : kLanguages) {
            const QFont font = Child<QLabel>(dialog, language.option)->font();
            EXPECT_NE(font.bold(), font.italic()) << language.code;
            bold += font.bold() ? language.code + " " : "";
        }
        return bold;
    }

    std::string StoredLine() const {
        const std::vector<std::string> line = FieldReader(temp.Read("kparam.dat")).NextLine();
        return line.at(3) + " of " + std::to_string(line.size());
    }

    test::TempDir temp;
    ShellState state{WorkingDir(temp.Path())};
    test::RecordingMessageBox messages;
    std::string stored;
};

TEST_F(Welcome, CaptionsFromTheirEntriesInTwoLanguages) {
    for (const char* code : {"GER", "RUS"}) {
        Start(code);
        WelcomeDialog dialog(state, messages);
        const auto [shown, expected] = test::Captions(
            dialog, code,
            {{"Begruess", "Tessaro - ", 'P', 1}, {"pn1", "", 'M', 91}, {"Label21", "O.K."}});
        EXPECT_EQ(shown, expected);
    }
}

// The stored language is bold on opening. Every flag shows its picture and every option its
// language's own name; a click on either chooses that language alone, a press released away from
// it nothing. The start picture is the
// one of help context 3, V1 is read again, the backgrounds show only when they are asked for,
// and the dialog stands a third of the free height down.
TEST_F(Welcome, EveryLanguageByItsFlagAndByItsOptionAndThePictures) {
    Start("FRA", 23);
    state.settings.suite.V1 = 0;
    WelcomeDialog dialog(state, messages);
    EXPECT_EQ(state.settings.suite.V1, 23);
    EXPECT_EQ(Bold(dialog), "FRA ");
    dialog.show();
    const QRect screen = QGuiApplication::primaryScreen()->geometry(),
                frame = dialog.frameGeometry();
    EXPECT_LE(std::abs(frame.top() - (screen.height() - frame.height()) / 3), 1);
    EXPECT_LE(std::abs(frame.left() - (screen.width() - frame.width()) / 2), 1);
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.code);
        auto* option = Child<QLabel>(dialog, language.option);
        EXPECT_EQ(option->text().toStdString() + "|" + option->accessibleName().toStdString(),
                  language.ownName + "|" + language.ownName);
        EXPECT_EQ(option->layoutDirection() == Qt::RightToLeft, language.code == "ARA");
        EXPECT_EQ(Child<QLabel>(dialog, language.flag)->pixmap().toImage(),
                  ui::LoadPicture(state.dir, language.picture).toImage());
        test::Press(Child(dialog, language.flag));
        test::Release(Child(dialog, language.flag), false);
        EXPECT_NE(state.settings.LanguageCode, language.code) << "a release away chooses nothing";
        test::Click(Child(dialog, language.flag));
        EXPECT_EQ(Bold(dialog), language.code + " ");
        dialog.ChooseLanguage("GER");
        test::Click(option);
        EXPECT_EQ(state.settings.LanguageCode, language.code);
    }
    EXPECT_EQ(Child<QLabel>(dialog, "Picture1")->pixmap().toImage(),
              ui::LoadPicture(state.dir, "start04.bmp").toImage());
    const QImage with = dialog.grab().toImage();
    state.settings.ShowBackgrounds = 0;
    EXPECT_NE(WelcomeDialog(state, messages).grab().toImage(), with);
}

// With only German and English there, every other option is disabled and does not react, yet its
// flag still chooses; confirming then reports the language as not available and keeps German.
// Tab walks the flags and the enabled options in the order of the panel, then the O.K. button;
// Space, Enter and Return choose.
TEST_F(Welcome, UnavailableLanguagesTabOrderAndKeys) {
    for (const Language& language : kLanguages) {
        if (language.code != "GER" && language.code != "ENG")
            std::filesystem::remove(temp.Path() / ("Caption." + language.code));
    }
    Start("GER");
    WelcomeDialog dialog(state, messages);
    EXPECT_EQ(test::TabOrder(dialog, "PICENG", 20),
              "PICENG Engopt PICGER GERopt PICFRA PICESP PICNDL PICITA PICPOR PICSWE PICRUS "
              "PICPOL PICTRK PICROM PICGre PICHUN Picbul PicARA OKbutt PICENG");
    for (const auto& [code, key] :
         {std::pair{"ESP", Qt::Key_Space}, {"ENG", Qt::Key_Return}, {"NDL", Qt::Key_Enter}}) {
        QTest::keyClick(Child(dialog, "PIC" + std::string(code)), key);
        EXPECT_EQ(state.settings.LanguageCode, code);
    }
    QTest::keyClick(Child(dialog, "GERopt"), Qt::Key_Space);
    EXPECT_EQ(Bold(dialog), "GER ");
    test::Click(Child(dialog, "SWEOpt"));
    const std::string before = state.settings.LanguageCode;
    test::Click(Child(dialog, "PICSWE"));
    EXPECT_EQ(before + "|" + state.settings.LanguageCode, "GER|SWE");
    dialog.ConfirmWelcome();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text + "|" + state.settings.LanguageCode,
              "Sprache nicht verfügbar!|GER");
    EXPECT_TRUE(temp.Read("kparam.dat") == stored && !dialog.isVisible());
}

// Escape, Enter and Return on the O.K. button, the frame and the release on the button or its
// label all confirm the choice, and only the first attempt counts. The button stands raised while
// pressed, and a release away from it does nothing.
TEST_F(Welcome, EnterEscapeTheFrameAndTheButtonConfirmExactlyOnce) {
    const auto release = [](WelcomeDialog& d, QWidget* on) {
        auto* ok = Child<ui::PictureButton>(d, "OKbutt");
        for (bool onIt : {false, true}) {
            test::Press(ok->CaptionLabel());
            EXPECT_TRUE(ok->Raised());
            test::Release(onIt ? on : ok, onIt);
            EXPECT_FALSE(ok->Raised());
            EXPECT_EQ(d.isVisible(), !onIt);
        }
    };
    const std::pair<const char*, std::function<void(WelcomeDialog&)>> ways[] = {
        {"Escape", [](WelcomeDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"Enter", [](WelcomeDialog& d) { QTest::keyClick(Child(d, "OKbutt"), Qt::Key_Enter); }},
        {"Return", [](WelcomeDialog& d) { QTest::keyClick(Child(d, "OKbutt"), Qt::Key_Return); }},
        {"frame", [](WelcomeDialog& d) { EXPECT_TRUE(d.close()); }},
        {"button", [&](WelcomeDialog& d) { release(d, Child(d, "OKbutt")); }},
        {"label", [&](WelcomeDialog& d) { release(d, Child(d, "Label21")); }}};
    for (const auto& [way, act] : ways) {
        SCOPED_TRACE(way);
        Start("ITA");
        WelcomeDialog dialog(state, messages);
        dialog.show();
        test::Click(Child(dialog, "Engopt"));
        QSignalSpy finished(&dialog, &QDialog::finished);
        act(dialog);
        for (int wait = 0; wait < 50 && finished.count() == 0; ++wait)
            QTest::qWait(20);  // Enter presses the button visibly and releases it a moment later
        EXPECT_EQ(std::pair(int(finished.count()), dialog.result()),
                  std::pair(1, int(QDialog::Accepted)));
        EXPECT_EQ(StoredLine(), "ENG of 14");
        dialog.close();
        dialog.ConfirmWelcome();
        EXPECT_EQ(finished.count(), 1) << "a second attempt does not count";
    }
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace tessaro
