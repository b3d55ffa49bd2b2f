// The rules behind the welcome dialog: its start picture, which languages it offers, the carried
// value it reads again, and which language its confirmation takes.
#include "shell/welcome_choice.h"

#include <gtest/gtest.h>

#include "shell/settings.h"
#include "shell/working_dir.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

TEST(WelcomeChoice, StartPictureFollowsTheHelpContext) {
    const std::pair<int, const char*> cases[] = {{1, "start02.bmp"}, {2, "start03.bmp"},
                                                 {3, "start04.bmp"}, {0, "start01.bmp"},
                                                 {4, "start01.bmp"}, {-1, "start01.bmp"}};
    for (const auto& [context, picture] : cases)
        EXPECT_EQ(StartPictureName(context), picture) << context;
}

// Only the languages whose main caption file is missing or empty are unavailable, whatever the
// letter case of the file on disk; English and German are never probed.
TEST(WelcomeChoice, UnavailableLanguagesAreThoseWithoutAMainCaptionFile) {
    const std::set<std::string> all = {"ARA", "BUL", "ESP", "FRA", "GRE", "HUN", "ITA",
                                       "NDL", "POL", "POR", "ROM", "RUS", "SWE", "TRK"};
    test::TempDir temp;
    WorkingDir dir(temp.Path());
    EXPECT_EQ(UnavailableWelcomeLanguages(dir), all);

    temp.Write("caption.fra", "Langue\r\n");  // probed as "Caption.FRA"
    temp.Write("Caption.NDL", "Taal\r\n");    // probed as "CAPTION.ndl"
    temp.Write("CAPTION.swe", "");            // empty
    std::set<std::string> expected = all;
    expected.erase("FRA");
    expected.erase("NDL");
    EXPECT_EQ(UnavailableWelcomeLanguages(dir), expected);
}

TEST(WelcomeChoice, CarriedValueV1IsReadAgainFromTheFirstLineOnly) {
    test::TempDir temp;
    WorkingDir dir(temp.Path());
    Settings settings;
    settings.suite.V1 = 4;
    temp.Write("kparam.dat",
               "\"\",\"\",\"\",\"FRA\",\"EUR\",\"Arial\",\"\"\r\n1,2,3,4,5,6,7,8\r\n");
    ReloadCarriedValueV1(dir, settings);
    EXPECT_EQ(settings.suite.V1, 4) << "a first line of seven fields has no V1";

    temp.Write("kparam.dat", "\"\",\"\",\"\",\"FRA\",\"EUR\",\"Arial\",\"\",17,\"\",\"\",\"\"\r\n");
    ReloadCarriedValueV1(dir, settings);
    EXPECT_EQ(settings.suite.V1, 17);
    EXPECT_TRUE(settings.LanguageCode.empty()) << "the other fields are read and discarded";
}

// The confirmation tests the labels in its own order and the last bold one wins.
TEST(WelcomeChoice, ChosenLanguageIsTheLastBoldInTheConfirmationOrder) {
    const std::pair<std::set<std::string>, const char*> cases[] = {
        {{}, ""},
        {{"GER"}, "GER"},
        {{"ARA", "ROM"}, "ROM"},
        {{"GRE", "GER"}, "GRE"},
        {{"FRA", "ITA", "ENG"}, "ITA"},
        {{"BUL", "ENG"}, "ENG"},
        {{"XYZ"}, ""},
    };
    for (const auto& [bold, chosen] : cases) {
        EXPECT_EQ(ChosenWelcomeLanguage(
                      [&](std::string_view code) { return bold.contains(std::string(code)); }),
                  chosen);
    }
}

}  // namespace
}  // namespace tessaro
