// The main window on Qt's headless platform: its controls, menu and captions, the language menu,
// the exit question, the about message, the first activation with its welcome dialog, the help
// menu, the commands that open other windows, and the resize rules.
#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <filesystem>

#include "shell/field_reader.h"
#include "shell/help_box_dialog.h"
#include "shell/shell_state.h"
#include "shell/start_up.h"
#include "support/temp_dir.h"
#include "ui/picture_button.h"
#include "ui/qt_translations.h"

namespace tessaro {
namespace {

class RecordingBusyPointer : public BusyPointer {
  public:
    void SetBusy(bool busy) override { this->busy = busy; }
    bool busy = false;
};

constexpr const char* kGermanCaptions =
    "Tessaro - Energiesimulation für Kälte- und Klimaanlagen | &Berechnung | &Info | &Drucker | "
    "&Hilfe | Beenden | &Einstellungen | &Sprache | Berechnung | Drucker | Hilfe | Beenden | "
    "Tessaro 2.12 | Berechnung anklicken, um die Anlage zu beschreiben und Jahresenergie, "
    "Betriebskosten und CO2 zu simulieren.";

constexpr const char* kEnglishCaptions =
    "Tessaro - Energy simulation of refrigeration and air-conditioning plants | &Calculation | "
    "&Info | &Printer | &Help | Exit | &Setup | &Language | Calculation | Printer | Help | Exit | "
    "Tessaro 2.12 | Click Calculation to describe the plant and simulate its yearly energy, "
    "running costs and CO2.";

class Main : public ::testing::Test {
  protected:
    Main() {
        temp.CopyAllData();
        EXPECT_FALSE(StartUp(state, nullptr, false).has_value());
        stored = temp.Read("kparam.dat");
        state.settings.WelcomeShown = 1;  // offered already, unless a test asks for it
    }

    // The window with runners that record instead of showing the other windows.
    std::unique_ptr<MainWindow> Make() {
        auto window = std::make_unique<MainWindow>(
            state, messages, busy,
            [this](QWidget* parent) {
                formParents.push_back(parent);
                infoShownDuringForm = InfoShown(*window_);
                busyDuringForm = busy.busy;
            },
            [this] {
                ++printerSetups;
                return 1;
            });
        window_ = window.get();
        window->SetWelcomeRunner([this](QWidget*) {
            ++welcomes;
            EXPECT_EQ(state.settings.HelpContext, 3);
            state.settings.LanguageCode = "ENG";  // as a confirmed choice leaves it
        });
        window->SetHelpBoxRunner(
            [this](QWidget* parent) { helpTitles << HelpBoxDialog(state, parent).windowTitle(); });
        return window;
    }

    template <typename T = QWidget>
    static T* Find(const MainWindow& window, const char* name) {
        return window.findChild<T*>(QString::fromUtf8(name));
    }
    // Whether the information panel is shown (on a window that may itself not be shown).
    static bool InfoShown(const MainWindow& window) { return !Find(window, "InfoG")->isHidden(); }
    static void Release(const MainWindow& window, const char* button) {
        QTest::mouseClick(Find(window, button), Qt::LeftButton, {}, QPoint(10, 10));
    }

    // The captions the window shows, in one text: window caption, menu, buttons, title, line.
    static std::string Captions(const MainWindow& window) {
        QStringList texts = {window.windowTitle()};
        for (const char* name : {"ProjNix", "InfoP", "Printset", "StartHelp", "ende"})
            texts << Find<QAction>(window, name)->text();
        for (const char* name : {"VorGab", "Language"})
            texts << Find<QMenu>(window, name)->title();
        for (const char* name :
             {"Command3D6_l", "PriButt_l", "Command3D1_l", "Command3D11_l", "Label1", "InfoPn2"})
            texts << Find<QLabel>(window, name)->text();
        return texts.join(" | ").toStdString();
    }

    std::string StoredLanguage() const {
        return FieldReader(temp.Read("kparam.dat")).NextLine().at(3);
    }

    test::TempDir temp;
    ShellState state{WorkingDir(temp.Path())};
    test::RecordingMessageBox messages;
    RecordingBusyPointer busy;
    std::string stored;
    MainWindow* window_ = nullptr;
    int welcomes = 0;
    int printerSetups = 0;
    std::vector<QWidget*> formParents;
    bool infoShownDuringForm = true;
    bool busyDuringForm = false;
    QStringList helpTitles;
};

TEST_F(Main, ControlsMenuAndCaptions) {
    std::filesystem::remove(temp.Path() / "prcap.bmp");  // a missing picture stops nothing
    auto window = Make();
    EXPECT_EQ(window->objectName(), "Start");
    EXPECT_EQ(Captions(*window), kGermanCaptions);

    QStringList items;
    for (const QAction* item : Find<QMenu>(*window, "Language")->actions())
        items << item->objectName() + " " + item->text();
    EXPECT_EQ(items.join(", "),
              "ENGlish &ENG, German &GER, French &FRA, Spain &ESP, KäsKopp &NDL, PappaGallo &ITA, "
              "Portuguese &POR, swedish &SWE");

    for (const char* name :
         {"Panel3D5",   "Panel3D1", "Panel3D4",   "Panel3D6",   "FrameP", "InfoG",
          "InfoPn2",    "Label1",   "Label2",     "Text2",      "Label8", "Label11",
          "Label12",    "Pic1",     "pic2",       "pic3",       "pic5",   "pic6",
          "Command3D6", "PriButt",  "Command3D1", "Command3D11"}) {
        ASSERT_NE(Find(*window, name), nullptr) << name;
        EXPECT_FALSE(Find(*window, name)->accessibleName().isEmpty()) << name;
    }
    for (const char* name : {"Pic1", "pic2", "pic3", "pic5", "pic6"})
        EXPECT_FALSE(Find<QLabel>(*window, name)->pixmap().isNull()) << name;
}

TEST_F(Main, LanguageMenuSwitchesOrReportsAndStoresSwedishAtOnce) {
    auto window = Make();
    std::filesystem::remove(temp.Path() / "Caption.FRA");
    Find<QAction>(*window, "French")->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Sprache nicht verfügbar!");
    EXPECT_EQ(state.settings.LanguageCode, "GER");
    EXPECT_EQ(Captions(*window), kGermanCaptions);

    Find<QAction>(*window, "ENGlish")->trigger();
    EXPECT_EQ(Captions(*window), kEnglishCaptions);
    EXPECT_EQ(temp.Read("kparam.dat"), stored) << "stored only when the program is left";

    Find<QAction>(*window, "swedish")->trigger();
    EXPECT_EQ(StoredLanguage(), "SWE");
    EXPECT_EQ(Find<QMenu>(*window, "Language")->title(), "&Språk");
}

TEST_F(Main, ExitQuestionNoKeepsRunningYesWritesTheSettings) {
    auto window = Make();
    window->show();
    state.settings.LanguageCode = "ENG";  // as the language menu leaves it
    messages.answer = MessageAnswer::No;
    Release(*window, "Command3D11");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Tessaro : Möchten Sie das Programm beenden?");
    EXPECT_EQ(messages.shown[0].title, "Tessaro  Beenden");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(InfoShown(*window));
    EXPECT_EQ(temp.Read("kparam.dat"), stored);

    messages.answer = MessageAnswer::Yes;
    Find<QAction>(*window, "ende")->trigger();
    EXPECT_EQ(StoredLanguage(), "ENG");
    EXPECT_FALSE(window->isVisible());

    // Closing through the frame writes nothing.
    temp.Write("kparam.dat", stored);
    auto other = Make();
    other->show();
    EXPECT_TRUE(other->close());
    EXPECT_EQ(temp.Read("kparam.dat"), stored);
}

TEST_F(Main, AboutMessageWithAndWithoutLanguageInformation) {
    auto window = Make();
    Find<QAction>(*window, "InfoP")->trigger();
    std::filesystem::remove(temp.Path() / "GER.dat");
    Find<QAction>(*window, "InfoP")->trigger();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text,
              "Tessaro\r\nSimulation des Energieverbrauchs von Kälte- und Klimaanlagen\r\n"
              "Jahresenergie, Betriebskosten und CO2-Emission der Verdichteranlage\r\n"
              "Version 2.12\r\nSprache: Deutsch\r\n"
              "Sprachdateien: Beschriftungen, Hilfetexte und Berichtshinweise auf Deutsch");
    EXPECT_EQ(messages.shown[1].text, "Programm Simulation Energieverbrauch");
    EXPECT_EQ(messages.shown[1].title, "Tessaro");
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::Information);
    EXPECT_TRUE(InfoShown(*window));
}

// Qt's own texts (here the Yes button of a message box) follow the language from the window's
// start, through the language menu and the welcome dialog; a language that is not available
// changes them no more than the captions.
TEST_F(Main, QtTextsFollowTheLanguage) {
    if (!QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).exists("qtbase_de.qm"))
        GTEST_SKIP() << "Qt's German catalogue is not installed";
    const auto yes = [] {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes);
        return box.button(QMessageBox::Yes)->text().toStdString();
    };
    ui::UseQtTranslations("ENG");
    auto window = Make();
    EXPECT_EQ(yes(), "&Ja");
    std::filesystem::remove(temp.Path() / "Caption.FRA");
    Find<QAction>(*window, "French")->trigger();
    EXPECT_EQ(yes(), "&Ja");
    Find<QAction>(*window, "ENGlish")->trigger();
    EXPECT_EQ(yes(), "&Yes");
    Find<QAction>(*window, "German")->trigger();
    EXPECT_EQ(yes(), "&Ja");

    state.settings.WelcomeShown = 0;
    window->FirstActivation();
    ASSERT_EQ(welcomes, 1);
    EXPECT_EQ(yes(), "&Yes") << "the welcome dialog chose English";
}

// The welcome is offered on the first activation only (showing the window activates it), never
// in a run started by a sibling program; the language chosen there takes over the captions.
TEST_F(Main, FirstActivationOffersTheWelcomeOncePerRun) {
    state.settings.WelcomeShown = 0;
    state.settings.HandOverActive = 1;
    auto handedOver = Make();
    handedOver->FirstActivation();
    EXPECT_EQ(welcomes, 0);
    EXPECT_EQ(Captions(*handedOver), kGermanCaptions);

    state.settings.HandOverActive = 0;
    auto window = Make();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (int wait = 0; wait < 50 && welcomes == 0; ++wait)
        QTest::qWait(10);
    window->FirstActivation();
    EXPECT_EQ(welcomes, 1);
    EXPECT_EQ(state.settings.WelcomeShown, 1);
    EXPECT_EQ(Captions(*window), kEnglishCaptions);
    EXPECT_TRUE(InfoShown(*window));
}

// The help menu puts the program's name after the help box's caption; the help button does not.
TEST_F(Main, HelpMenuSetsTheCaptionSuffix) {
    auto window = Make();
    Release(*window, "Command3D1");
    Find<QAction>(*window, "StartHelp")->trigger();
    EXPECT_EQ(helpTitles.join("|"), "Tessaro Hilfe |Tessaro Hilfe Tessaro-Software");
}

// The project form opens over the main window with the information panel hidden and the pointer
// busy; afterwards the panel and its line come back with the line's own text.
TEST_F(Main, ProjectFormAndPrinterSetupFromButtonsAndMenu) {
    auto window = Make();
    window->ShowInfoLine("Q0 eingeben");  // a hint the form left
    Release(*window, "Command3D6");
    Find<QAction>(*window, "ProjNix")->trigger();
    EXPECT_EQ(formParents, (std::vector<QWidget*>{window.get(), window.get()}));
    EXPECT_FALSE(infoShownDuringForm);
    EXPECT_TRUE(busyDuringForm);
    EXPECT_FALSE(busy.busy);
    EXPECT_TRUE(InfoShown(*window));
    EXPECT_EQ(Captions(*window), kGermanCaptions);

    Release(*window, "PriButt");
    Find<QAction>(*window, "Printset")->trigger();
    EXPECT_EQ(printerSetups, 2);
}

// Where the controls go is checked with the start page's layout; a resize keeps the information
// panel centred and empties Label11.
TEST_F(Main, ResizeKeepsThePanelCentredAndEmptiesLabel11) {
    auto window = Make();
    window->setWindowState(Qt::WindowNoState);
    window->show();
    Find<QLabel>(*window, "Label11")->setText("x");
    window->resize(QSize(760, 560));
    QApplication::processEvents();
    const QRect info = Find(*window, "InfoG")->geometry();
    EXPECT_LE(std::abs(info.center().x() - window->frameGeometry().width() / 2), 1);
    EXPECT_TRUE(Find<QLabel>(*window, "Label11")->text().isEmpty());
}

}  // namespace
}  // namespace tessaro
