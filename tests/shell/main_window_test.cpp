// The main window on Qt's headless platform: every caption from its entry in two languages, the
// pictures, the Tab order, the picture buttons by press and release, the menu, the language menu,
// the exit question, the about message, the first activation and the resize rules.
#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>

#include "shell/field_reader.h"
#include "shell/help_box_dialog.h"
#include "shell/main_commands.h"
#include "shell/shell_state.h"
#include "shell/start_up.h"
#include "support/window_helpers.h"
#include "ui/picture_button.h"
#include "ui/qt_translations.h"

namespace tessaro {
namespace {

using test::Child;

class Main : public ::testing::Test, public BusyPointer {
  protected:
    Main() { temp.CopyAllData(); }
    void SetBusy(bool busy) override { this->busy = busy; }

    // The start-up with the stored language, then the window with runners that record instead of
    // showing the other windows; the welcome has been offered already unless a test asks for it.
    std::unique_ptr<MainWindow> Make(const std::string& language = "GER") {
        std::string settings = *WorkingDir(test::DataDir()).ReadBytes("kparam.dat");
        temp.Write("kparam.dat", settings.replace(settings.find("GER"), 3, language));
        EXPECT_FALSE(StartUp(state, nullptr, false).has_value());
        stored = temp.Read("kparam.dat");
        state.settings.WelcomeShown = 1;
        auto window = std::make_unique<MainWindow>(
            state, messages, *this,
            [this](QWidget* parent) {
                forms.push_back(parent);
                duringForm = {Panel(*window_), busy};
            },
            [this] { return ++printerSetups, 1; });
        window_ = window.get();
        window->SetWelcomeRunner([this](QWidget*) {
            welcomes.push_back(state.settings.HelpContext);
            state.settings.LanguageCode = "ENG";  // as a confirmed choice leaves it
        });
        window->SetHelpBoxRunner(
            [this](QWidget* parent) { helps << HelpBoxDialog(state, parent).windowTitle(); });
        return window;
    }

    static bool Panel(const MainWindow& window) { return !Child(window, "InfoG")->isHidden(); }
    // The window's title as shown, and as the shipped tables of the language give it.
    static std::pair<std::string, std::string> Title(const MainWindow& window, const char* code) {
        return test::Captions(window, code, {{"Start", "Tessaro - ", 'P', 1}});
    }
    std::string StoredLanguage() const {
        return FieldReader(temp.Read("kparam.dat")).NextLine().at(3);
    }

    test::TempDir temp;
    ShellState state{WorkingDir(temp.Path())};
    test::RecordingMessageBox messages;
    bool busy = false;
    std::string stored;
    MainWindow* window_ = nullptr;
    int printerSetups = 0;
    std::vector<int> welcomes;
    std::vector<QWidget*> forms;
    std::pair<bool, bool> duringForm;
    QStringList helps;
};

// Every caption that ApplyMainCaptions sets, from its entry in German and Russian; the picture
// buttons are named by their captions.
TEST_F(Main, EveryCaptionFromItsEntryInTwoLanguages) {
    for (const char* code : {"GER", "RUS"}) {
        auto window = Make(code);
        // clang-format off
        const auto [shown, expected] = test::Captions(*window, code, {
            {"Start", "Tessaro - ", 'P', 1}, {"Label2", "", 'P', 1}, {"ProjNix", "&", 'M', 81},
            {"Variantvgl", "&", 'P', 71},
            {"Command3D6_l", "", 'M', 81}, {"Printset", "&", 'M', 166}, {"PriButt_l", "", 'M', 166},
            {"StartHelp", "&", 'M', 21}, {"Command3D1_l", "", 'M', 21}, {"ende", "", 'M', 75},
            {"Command3D11_l", "", 'M', 75}, {"VorGab", "&", 'M', 63}, {"Language", "&", 'M', 91},
            {"InfoPn2", "", 'L', 42}, {"Label1", "Tessaro 2.12"}, {"InfoP", "&Info"}});
        // clang-format on
        EXPECT_EQ(shown, expected);
        for (const std::string button : {"Command3D6", "PriButt", "Command3D1", "Command3D11"}) {
            EXPECT_EQ(Child(*window, button)->accessibleName().toStdString(),
                      test::ShownText(*window, button + "_l"));
        }
    }
}

// Tab goes down the four picture buttons and back to the first. A press on a button or its label
// only raises it; the release away from it does nothing, the release on it draws it flat and runs
// its command once. The menu runs the same commands; the help menu, unlike the button, puts the
// program's name after the help box's caption.
TEST_F(Main, TabOrderPictureButtonsOnTheirReleaseAndTheMenu) {
    auto window = Make();
    window->FirstActivation();
    EXPECT_EQ(test::TabOrder(*window, "Command3D6", 5),
              "Command3D6 PriButt Command3D1 Command3D11 Command3D6");
    messages.answer = MessageAnswer::No;
    const std::pair<const char*, std::function<size_t()>> commands[] = {
        {"Command3D6", [&] { return forms.size(); }},
        {"PriButt", [&] { return static_cast<size_t>(printerSetups); }},
        {"Command3D1", [&] { return static_cast<size_t>(helps.size()); }},
        {"Command3D11", [&] { return messages.shown.size(); }}};
    for (const auto& [name, runs] : commands) {
        auto* button = Child<ui::PictureButton>(*window, name);
        for (QWidget* target :
             {static_cast<QWidget*>(button), static_cast<QWidget*>(button->CaptionLabel())}) {
            const size_t before = runs();
            test::Press(target);
            test::Release(button, false);
            test::Press(target);
            EXPECT_TRUE(button->Raised()) << name;
            EXPECT_EQ(runs(), before) << name << ": nothing runs before a release on it";
            test::Release(target);
            EXPECT_FALSE(button->Raised()) << name;
            EXPECT_EQ(runs(), before + 1) << name;
        }
    }
    for (const char* item : {"ProjNix", "Printset", "StartHelp", "ende"})
        Child<QAction>(*window, item)->trigger();
    // The comparison's menu item is there only with its runner, and runs it.
    auto* comparison = Child<QAction>(*window, "Variantvgl");
    EXPECT_FALSE(comparison->isVisible());
    int comparisons = 0;
    window->SetComparisonRunner([&](QWidget* parent) { comparisons += parent == window.get(); });
    EXPECT_TRUE(comparison->isVisible());
    comparison->trigger();
    EXPECT_EQ(comparisons, 1);
    EXPECT_EQ(forms, std::vector<QWidget*>(3, window.get()));
    EXPECT_EQ(printerSetups, 3);
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(helps.join("|"), "Tessaro Hilfe |Tessaro Hilfe |Tessaro Hilfe Tessaro-Software");
    EXPECT_TRUE(window->isVisible());
}

// Each item of the language menu switches to its language; only Swedish is stored at once. A
// language without its caption file is reported and changes nothing.
TEST_F(Main, LanguageMenuItemsSwitchToTheirLanguage) {
    auto window = Make();
    std::filesystem::rename(temp.Path() / "Caption.FRA", temp.Path() / "French");
    Child<QAction>(*window, "French")->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Sprache nicht verfügbar!");
    EXPECT_EQ(state.settings.LanguageCode, "GER");
    std::filesystem::rename(temp.Path() / "French", temp.Path() / "Caption.FRA");
    const char* items[][3] = {{"ENGlish", "&ENG", "ENG"},    {"German", "&GER", "GER"},
                              {"French", "&FRA", "FRA"},     {"Spain", "&ESP", "ESP"},
                              {"KäsKopp", "&NDL", "NDL"},    {"PappaGallo", "&ITA", "ITA"},
                              {"Portuguese", "&POR", "POR"}, {"swedish", "&SWE", "SWE"}};
    const QList<QAction*> menu = Child<QMenu>(*window, "Language")->actions();
    ASSERT_EQ(menu.size(), 8);
    for (int i = 0; i < 8; ++i) {
        const auto& [name, caption, code] = items[i];
        EXPECT_EQ(menu[i]->objectName().toStdString() + " " + menu[i]->text().toStdString(),
                  std::string(name) + " " + caption);
        menu[i]->trigger();
        EXPECT_EQ(state.settings.LanguageCode, code);
        EXPECT_EQ(Title(*window, code).first, Title(*window, code).second);
        EXPECT_EQ(StoredLanguage(), i == 7 ? "SWE" : "GER") << code;
    }
}

// The exit question: No keeps the window and shows the panel again, writing nothing; the frame
// closes without writing; Yes writes the settings and closes. The about message takes the
// language information file, or the fixed line without it.
TEST_F(Main, ExitQuestionFrameAndAboutMessage) {
    auto window = Make();
    window->show();
    state.settings.LanguageCode = "ENG";  // as the language menu leaves it
    messages.answer = MessageAnswer::No;
    window->ConfirmExit();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text + "|" + messages.shown[0].title,
              "Tessaro : Möchten Sie das Programm beenden?|Tessaro  Beenden");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(window->isVisible() && Panel(*window));
    EXPECT_TRUE(window->close());
    EXPECT_EQ(temp.Read("kparam.dat"), stored);
    window->show();
    messages.answer = MessageAnswer::Yes;
    window->ConfirmExit();
    EXPECT_EQ(StoredLanguage(), "ENG");
    EXPECT_FALSE(window->isVisible());

    state.settings.LanguageCode = "GER";
    Child<QAction>(*window, "InfoP")->trigger();
    std::filesystem::remove(temp.Path() / "GER.dat");
    Child<QAction>(*window, "InfoP")->trigger();
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(messages.shown[2].text, AboutMessage(WorkingDir(test::DataDir()), "GER"));
    EXPECT_EQ(messages.shown[3].text + "|" + messages.shown[3].title,
              "Programm Simulation Energieverbrauch|Tessaro");
    EXPECT_EQ(messages.shown[3].icon, MessageIcon::Information);
    EXPECT_TRUE(Panel(*window));
}

// The welcome is offered on the first activation only (showing the window activates it), with
// help context 3, never in a run started by a sibling program; the language chosen there takes
// over the captions, the info texts and Qt's own texts (here the Yes button of a message box).
TEST_F(Main, FirstActivationOffersTheWelcomeOncePerRunAndQtTextsFollowTheLanguage) {
    const bool german =
        QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).exists("qtbase_de.qm");
    const auto yes = [] {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes);
        return box.button(QMessageBox::Yes)->text().toStdString();
    };
    ui::UseQtTranslations("ENG");
    auto window = Make();
    EXPECT_TRUE(!german || yes() == "&Ja");
    state.settings.WelcomeShown = 0;
    state.settings.HandOverActive = 1;
    window->FirstActivation();
    EXPECT_TRUE(welcomes.empty());
    state.settings.HandOverActive = 0;
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (int wait = 0; wait < 50 && welcomes.empty(); ++wait)
        QTest::qWait(10);
    window->FirstActivation();
    EXPECT_EQ(welcomes, std::vector<int>{3});
    EXPECT_EQ(Title(*window, "ENG").first, Title(*window, "ENG").second);
    CaptionTables english;
    LoadInfoTexts(WorkingDir(test::DataDir()), "ENG", english);
    EXPECT_EQ(state.captions.Info(1), english.Info(1));
    EXPECT_EQ(yes(), "&Yes");
    EXPECT_TRUE(Panel(*window));
}

// The project form opens over the main window with the panel hidden and the pointer busy;
// afterwards the panel and its line come back with the line's own text. A resize keeps the panel
// centred and empties Label11.
TEST_F(Main, ProjectFormHidesThePanelAndAResizeKeepsItCentred) {
    auto window = Make();
    window->ShowInfoLine("Q0 eingeben");  // a hint the form left
    window->OpenProjectForm();
    EXPECT_EQ(duringForm, std::pair(false, true));
    EXPECT_EQ(std::pair(Panel(*window), busy), std::pair(true, false));
    EXPECT_EQ(test::ShownText(*window, "InfoPn2"), state.captions.CaptionList(42));
    window->setWindowState(Qt::WindowNoState);
    window->show();
    Child<QLabel>(*window, "Label11")->setText("x");
    window->resize(QSize(760, 560));
    QApplication::processEvents();
    EXPECT_LE(std::abs(Child(*window, "InfoG")->geometry().center().x() -
                       window->frameGeometry().width() / 2),
              1);
    EXPECT_TRUE(Child<QLabel>(*window, "Label11")->text().isEmpty());
}

}  // namespace
}  // namespace tessaro
