// The rules behind the main window and the welcome dialog: the about message, where the resize
// rules put the start page's controls, the folder the program works in, the welcome dialog's
// start picture, the languages it offers, the carried value it reads again and the language its
// confirmation takes.
#include "shell/main_commands.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <tuple>

#include "shell/data_folder.h"
#include "shell/settings.h"
#include "shell/start_page_layout.h"
#include "shell/text.h"
#include "shell/welcome_choice.h"
#include "shell/working_dir.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

// The about message shows fields 2 to 6 of the language information file, as many as it has, read
// in the language's code page; a quoted field keeps its comma; an empty or missing file gives the
// fixed line.
TEST(MainCommands, AboutMessageTakesFieldsTwoToSixOfTheLanguageInformation) {
    test::TempDir temp;
    const WorkingDir dir(temp.Path());
    const std::pair<std::string, std::string> cases[] = {
        {"GER\r\n\"eins, zwei\"\r\ndrei\r\nvier\r\nf\xFCnf\r\nsechs\r\nsieben\r\n",
         "Tessaro\r\neins, zwei\r\ndrei\r\nvier\r\nfünf\r\nsechs"},
        {"GER\r\n1\r\n2\r\n3\r\n4\r\n5", "Tessaro\r\n1\r\n2\r\n3\r\n4\r\n5"},
        {"GER\r\n1\r\n2\r\n3\r\n4", "Tessaro\r\n1\r\n2\r\n3\r\n4"},
        {"GER\r\n\r\nzwei", "Tessaro\r\n\r\nzwei"},
        {"GER\r\n1", "Tessaro\r\n1"},
        {"GER", "Tessaro"},
        {"", "Programm Simulation Energieverbrauch"},
    };
    for (const auto& [file, message] : cases) {
        temp.Write("GER.dat", file);
        EXPECT_EQ(AboutMessage(dir, "GER"), message) << file;
    }
    temp.Write("gre.DAT", "GRE\r\n\xC3\xEB\xFE\xF3\xF3\xE1\r\n");
    EXPECT_EQ(AboutMessage(dir, "GRE"), "Tessaro\r\nΓλώσσα");
    EXPECT_EQ(AboutMessage(dir, "ITA"), "Programm Simulation Energieverbrauch");
}

// Every place of the nine resize rules for a 19200 x 15360 twips window, each size distinct so
// that a size taken for another shows:
//   infoG top (15360 - 5070) / 2.5 = 4116, left (19200 - 8100) / 2 = 5550;
//   Pic1 top 15360 - 1000 - 1200 = 13160; pic5 top 15360 - 1100 - 1000 - 1200 = 12060;
//   pic3 left 19200 - 1300 - 1500 - 500 = 15900, top 15360 - 1400 - 1200 = 12760;
//   pic2 left 19200 - 1200 - 200 = 17800; pic6 top 15360 - 1600 - 1200 = 12560, left 17500;
//   Label11 left 19200 - 700 - 100 = 18400, Label8 18700, Label12 19200 - 700 - 900 - 100.
// The information panel keeps its top on a screen of 8900 twips height or less.
TEST(StartPageLayout, EveryPlaceOfTheResizeRules) {
    // clang-format off
    StartPageSizes sizes{.windowWidth = 19200, .windowHeight = 15360, .screenHeight = 15360,
        .infoGWidth = 8100, .infoGHeight = 5070, .pic1Height = 1000, .pic2Width = 1200,
        .pic3Width = 1300, .pic3Height = 1400, .pic5Height = 1100, .pic6Width = 1500,
        .pic6Height = 1600, .label8Width = 400, .label11Width = 700, .label12Width = 900};
    const StartPagePlaces p = PlaceStartPage(sizes);
    const std::pair<double, double> places[] = {{p.infoGTop.value_or(-1), 4116},
        {p.infoGLeft, 5550}, {p.pic1Top, 13160}, {p.pic5Top, 12060}, {p.pic3Left, 15900},
        {p.pic3Top, 12760}, {p.pic2Left, 17800}, {p.pic6Top, 12560}, {p.pic6Left, 17500},
        {p.label11Left, 18400}, {p.label8Left, 18700}, {p.label12Left, 17500}};
    // clang-format on
    for (size_t i = 0; i < std::size(places); ++i)
        EXPECT_DOUBLE_EQ(places[i].first, places[i].second) << "place " << i;
    for (double height : {8899.0, 8900.0, 8901.0}) {
        sizes.screenHeight = height;
        EXPECT_EQ(PlaceStartPage(sizes).infoGTop.has_value(), height > 8900) << height;
        EXPECT_DOUBLE_EQ(PlaceStartPage(sizes).infoGLeft, 5550) << height;
    }
}

namespace fs = std::filesystem;

TEST(DataFolder, UserFolderFollowsXdgDataHome) {
    EXPECT_EQ(UserDataFolder("/data/anna", "/home/anna"), fs::path("/data/anna/tessaro"));
    // Unset, empty or relative: the default under the home folder.
    for (const char* xdg : {static_cast<const char*>(nullptr), "", "relative/dir"})
        EXPECT_EQ(UserDataFolder(xdg, "/home/anna"), fs::path("/home/anna/.local/share/tessaro"));
}

// The first start fills the user folder from the installed files (a writable copy of each); an
// interrupted first copy is completed without overwriting what is there, whatever the letter case
// of its name; a later start copies nothing; a start folder holding the settings is worked in.
TEST(DataFolder, FirstStartCopiesWhatIsMissingAndNothingIsEverOverwritten) {
    test::TempDir temp;
    const fs::path installed = temp.Path() / "installed";
    const fs::path user = temp.Path() / "user";
    fs::create_directories(installed);
    fs::create_directories(user);
    temp.Write("installed/kparam.dat", "settings");
    temp.Write("installed/Caption.GER", "shipped");
    temp.Write("installed/R22.DAT", "table");
    fs::permissions(installed / "R22.DAT", fs::perms::owner_read);
    temp.Write("user/CAPTION.ger", "the user's own");
    const WorkingFolderChoice first = ChooseWorkingFolder(temp.Path() / "nowhere", user, installed);
    ASSERT_FALSE(first.error) << *first.error;
    EXPECT_EQ(first.folder, user);
    EXPECT_EQ(temp.Read("user/CAPTION.ger") + temp.Read("user/kparam.dat"),
              "the user's ownsettings");
    EXPECT_FALSE(fs::exists(user / "Caption.GER"));
    EXPECT_NE(fs::status(user / "R22.DAT").permissions() & fs::perms::owner_write, fs::perms::none);

    temp.Write("user/kparam.dat", "\"FRA\"");
    temp.Write("installed/new.DAT", "new");
    EXPECT_FALSE(ChooseWorkingFolder(temp.Path() / "nowhere", user, installed).error);
    EXPECT_EQ(temp.Read("user/kparam.dat"), "\"FRA\"");
    EXPECT_FALSE(fs::exists(user / "new.DAT"));
    temp.Write("kparam.dat", "\"ENG\"");
    EXPECT_EQ(ChooseWorkingFolder(temp.Path(), user, installed).folder, temp.Path());
    EXPECT_TRUE(ChooseWorkingFolder(temp.Path() / "nowhere", temp.Path() / "fresh", std::nullopt)
                    .error.has_value());
}

// The first start speaks the language of the user's locale: LC_ALL before LC_MESSAGES before
// LANG, the first that is set decides, by its language part alone.
TEST(DataFolder, TheFirstStartTakesTheLanguageOfTheLocale) {
    const std::tuple<const char*, const char*, const char*, std::optional<std::string>> cases[] = {
        {nullptr, nullptr, "de_DE.UTF-8", "GER"},
        {"", "", "en_GB", "ENG"},
        {nullptr, "ru_RU.UTF-8", "de_DE", "RUS"},
        {"ar_EG.UTF-8", "fr_FR", "de_DE", "ARA"},
        {nullptr, nullptr, "el_GR@euro", "GRE"},
        {nullptr, nullptr, "tr", "TRK"},
        {"C", nullptr, "de_DE.UTF-8", std::nullopt},
        {nullptr, nullptr, "ja_JP.UTF-8", std::nullopt},
        {nullptr, nullptr, nullptr, std::nullopt},
        {nullptr, nullptr, "POSIX", std::nullopt},
        {nullptr, nullptr, "dee_XX", std::nullopt}};
    for (const auto& [all, messages, lang, code] : cases)
        EXPECT_EQ(LocaleLanguage(all, messages, lang), code) << (lang ? lang : "-");
    // A folder filled now takes the language; one already there keeps its own.
    test::TempDir temp;
    temp.CopyFromData({"kparam.dat"});
    const fs::path user = temp.Path() / "user";
    ASSERT_FALSE(ChooseWorkingFolder(temp.Path() / "nowhere", user, temp.Path(), "HUN").error);
    Settings settings;
    ASSERT_FALSE(LoadSettingsShort(WorkingDir(user), settings).has_value());
    EXPECT_EQ(settings.LanguageCode, "HUN");
    ChooseWorkingFolder(temp.Path() / "nowhere", user, temp.Path(), "ARA");
    ASSERT_FALSE(LoadSettingsShort(WorkingDir(user), settings).has_value());
    EXPECT_EQ(settings.LanguageCode, "HUN");
}

TEST(WelcomeChoice, StartPictureFollowsTheHelpContext) {
    const std::pair<int, const char*> cases[] = {{1, "start02.bmp"}, {2, "start03.bmp"},
                                                 {3, "start04.bmp"}, {0, "start01.bmp"},
                                                 {4, "start01.bmp"}, {-1, "start01.bmp"}};
    for (const auto& [context, picture] : cases)
        EXPECT_EQ(StartPictureName(context), picture) << context;
}

// A language is unavailable when its main caption file is missing or empty, whatever the letter
// case of the file on disk; English and German are never probed. Each language is probed under
// its own name: with every other file there, only the one taken away is unavailable.
TEST(WelcomeChoice, UnavailableLanguagesAreThoseWithoutAMainCaptionFile) {
    const std::set<std::string> probed = {"ARA", "BUL", "ESP", "FRA", "GRE", "HUN", "ITA",
                                          "NDL", "POL", "POR", "ROM", "RUS", "SWE", "TRK"};
    test::TempDir temp;
    const WorkingDir dir(temp.Path());
    EXPECT_EQ(UnavailableWelcomeLanguages(dir), probed);
    for (const std::string& code : probed)
        temp.Write("caption." + LowerAscii(code), "x");
    EXPECT_TRUE(UnavailableWelcomeLanguages(dir).empty());
    for (const std::string& code : probed) {
        const std::string name = "caption." + LowerAscii(code);
        temp.Write(name, "");
        const std::set<std::string> empty = UnavailableWelcomeLanguages(dir);
        std::filesystem::rename(temp.Path() / name, temp.Path() / "away");
        EXPECT_EQ(UnavailableWelcomeLanguages(dir), empty);
        EXPECT_EQ(empty, std::set<std::string>{code});
        temp.Write(name, "x");
    }
}

// V1 is field 8 of line 1 alone: a first line of seven fields leaves it, eight set it, and the
// other fields are read and discarded.
TEST(WelcomeChoice, CarriedValueV1IsReadAgainFromTheFirstLineOnly) {
    test::TempDir temp;
    const WorkingDir dir(temp.Path());
    Settings settings;
    settings.suite.V1 = 4;
    const std::pair<const char*, int> cases[] = {
        {"\"\",\"\",\"\",\"FRA\",\"EUR\",\"Arial\",\"\"\r\n1,2,3,4,5,6,7,8\r\n", 4},
        {"\"\",\"\",\"\",\"FRA\",\"EUR\",\"Arial\",\"\",17\r\n", 17},
        {"\"\",\"\",\"\",\"FRA\",\"EUR\",\"Arial\",\"\",2.5,\"\",\"\",\"\"\r\n", 2},
        {"\"\",\"\",\"\",\"FRA\",\"EUR\",\"Arial\",\"\",x,\"\",\"\",\"\"\r\n", 2},
        {"\"\",\"\",\"\",\"FRA\",\"EUR\",\"Arial\",\"\",,\"\",\"\",\"\"\r\n", 0}};
    for (const auto& [file, v1] : cases) {
        temp.Write("kparam.dat", file);
        ReloadCarriedValueV1(dir, settings);
        EXPECT_EQ(settings.suite.V1, v1) << file;
    }
    EXPECT_TRUE(settings.LanguageCode.empty()) << "the other fields are read and discarded";
}

// The confirmation tests the labels in the order ARA, BUL, ENG, GER, GRE, FRA, ESP, HUN, NDL,
// ITA, SWE, POR, RUS, POL, TRK, ROM and the last bold one wins: for every pair of bold labels, the
// later one in that order.
TEST(WelcomeChoice, ChosenLanguageIsTheLastBoldInTheConfirmationOrder) {
    const std::vector<std::string> order = {"ARA", "BUL", "ENG", "GER", "GRE", "FRA", "ESP", "HUN",
                                            "NDL", "ITA", "SWE", "POR", "RUS", "POL", "TRK", "ROM"};
    const auto chosen = [](const std::set<std::string>& bold) {
        return ChosenWelcomeLanguage(
            [&](std::string_view c) { return bold.contains(std::string(c)); });
    };
    EXPECT_EQ(chosen({}), "");
    EXPECT_EQ(chosen({"XYZ"}), "");
    EXPECT_EQ(chosen({"ger"}), "");
    for (size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(chosen({order[i]}), order[i]);
        for (size_t j = i + 1; j < order.size(); ++j)
            EXPECT_EQ(chosen({order[i], order[j]}), order[j]) << order[i] << " " << order[j];
    }
    EXPECT_TRUE(IsChosenLanguage("GER", "GER"));
    EXPECT_FALSE(IsChosenLanguage("GER", "ger"));
    EXPECT_FALSE(IsChosenLanguage("GER", "GERX"));
}

}  // namespace
}  // namespace tessaro
