// The rules behind the main window's commands: the about message, the once-per-run welcome, and
// where the resize rules put the start page's controls.
#include "shell/main_commands.h"

#include <gtest/gtest.h>

#include "shell/shell_state.h"
#include "shell/start_page_layout.h"
#include "support/hostile_files.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

TEST(MainCommands, AboutMessageTakesFieldsTwoToSixOfTheLanguageInformation) {
    test::TempDir temp;
    WorkingDir dir(temp.Path());
    // A quoted field keeps its comma; the file is read in the language's code page; a seventh
    // field is left out, a short file gives the lines it has.
    temp.Write("GER.dat",
               "GER\r\n\"eins, zwei\"\r\ndrei\r\nvier\r\nf\xFCnf\r\nsechs\r\nsieben\r\n");
    EXPECT_EQ(AboutMessage(dir, "GER"), "Tessaro\r\neins, zwei\r\ndrei\r\nvier\r\nfünf\r\nsechs");
    temp.Write("GRE.dat", "GRE\r\n\xC3\xEB\xFE\xF3\xF3\xE1\r\n");
    EXPECT_EQ(AboutMessage(dir, "GRE"), "Tessaro\r\nΓλώσσα");
    temp.Write("ITA.dat", "");
    EXPECT_EQ(AboutMessage(dir, "ITA"), "Programm Simulation Energieverbrauch");
}

// A language information file of 50 MB costs what its first six fields cost and reads as them.
TEST(MainCommands, AnOversizedLanguageInformationFileGivesTheSameAboutMessage) {
    test::TempDir temp;
    const WorkingDir dir(temp.Path());
    const std::string real = *WorkingDir(test::DataDir()).ReadBytes("GER.dat");
    test::WriteOversized(temp.Path() / "GER.dat", real, "Zusatz\r\n");
    ASSERT_EQ(test::EndsWithinBounds([&] { AboutMessage(dir, "GER"); }), "");
    EXPECT_EQ(AboutMessage(dir, "GER"), AboutMessage(WorkingDir(test::DataDir()), "GER"));
}

// The welcome is offered once per run and never in a run that a sibling program started; after
// it the tables are loaded in the language chosen there, the captions re-applied before the info
// texts are loaded.
TEST(MainCommands, WelcomeOfferedOncePerRunUnlessHandedOver) {
    test::TempDir temp;
    temp.CopyFromData({"Caption.GER", "Caption.ENG", "infoTXT.GER", "infoTXT.ENG"});
    ShellState state{WorkingDir(temp.Path())};
    state.settings.LanguageCode = "GER";
    LoadAllCaptions(state.dir, "GER", state.captions);
    LoadInfoTexts(state.dir, "GER", state.captions);
    const std::string germanInfo = state.captions.Info(1);

    std::vector<std::string> seen;
    auto chooseEnglish = [&] {
        seen.push_back("welcome " + std::to_string(state.settings.HelpContext));
        state.settings.LanguageCode = "ENG";
    };
    auto recaption = [&] {
        seen.push_back(state.captions.Main(75) + " " +
                       (state.captions.Info(1) == germanInfo ? "German info" : "?"));
    };
    state.settings.HandOverActive = 1;
    EXPECT_FALSE(OfferWelcomeOnce(state, chooseEnglish, recaption));
    state.settings.HandOverActive = 0;
    EXPECT_TRUE(OfferWelcomeOnce(state, chooseEnglish, recaption));
    EXPECT_FALSE(OfferWelcomeOnce(state, chooseEnglish, recaption));
    EXPECT_EQ(seen, (std::vector<std::string>{"welcome 3", "Exit German info"}));
    EXPECT_EQ(state.settings.WelcomeShown, 1);
    EXPECT_NE(state.captions.Info(1), germanInfo);
}

// A 1280 x 1024 pixel window (15 twips to the pixel) with the main window's information panel.
TEST(StartPageLayout, InformationPanelCentredAndKeptOnSmallScreens) {
    StartPageSizes sizes;
    sizes.windowWidth = 19200;
    sizes.windowHeight = sizes.screenHeight = 15360;
    sizes.infoGWidth = 8100;
    sizes.infoGHeight = 5070;
    StartPagePlaces places = PlaceStartPage(sizes);
    EXPECT_DOUBLE_EQ(places.infoGLeft, (19200 - 8100) / 2.0);
    ASSERT_TRUE(places.infoGTop.has_value());
    // Two fifths of the free height above the panel, three fifths below it.
    EXPECT_DOUBLE_EQ(*places.infoGTop * 1.5, 15360 - 5070 - *places.infoGTop);

    for (double height : {8900.0, 6000.0, 8901.0}) {
        sizes.screenHeight = height;
        places = PlaceStartPage(sizes);
        EXPECT_EQ(places.infoGTop.has_value(), height > 8900) << height;
        EXPECT_DOUBLE_EQ(places.infoGLeft, (19200 - 8100) / 2.0) << height;
    }
}

}  // namespace
}  // namespace tessaro
