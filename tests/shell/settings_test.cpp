// The settings file, the hand-over file and the start of a run.
#include <gtest/gtest.h>

#include "engine/app_state.h"
#include "shell/field_reader.h"
#include "shell/hand_over.h"
#include "shell/start_up.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

constexpr const char* kFullFile =
    "\"\",\"\",\"\",\"ENG\",\"CHF\",\"Verdana\",\"K\xE4lte, Klima & "
    "Co\",5,\"a\",\"b\",\"c\",1,\"D:\\\",33\r\n"
    "7,40,\" 3.5\",\"x\",\"/srv/projects\",9,\"y\",0\r\n";

std::vector<std::vector<std::string>> Lines(const std::string& bytes) {
    FieldReader reader(bytes);
    std::vector<std::vector<std::string>> lines;
    for (auto line = reader.NextLine(); !line.empty(); line = reader.NextLine())
        lines.push_back(line);
    return lines;
}

class SettingsFile : public ::testing::Test {
  protected:
    test::TempDir temp;
    WorkingDir dir{temp.Path()};
    Settings settings;
};

TEST_F(SettingsFile, FullReadKeepsEveryValueAndWritesTwoLinesOf14And8Fields) {
    temp.Write("kparam.dat", kFullFile);
    LoadSettingsFull(dir, settings);
    EXPECT_EQ(settings.LanguageCode, "ENG");
    EXPECT_EQ(settings.CurrencyCode, "CHF");
    EXPECT_EQ(settings.FontName, "Verdana");
    EXPECT_EQ(settings.UserName, "Kälte, Klima & Co");
    EXPECT_EQ(settings.PrintHeadingOff, 1);
    EXPECT_EQ(settings.suite.V6, "D:\\");
    EXPECT_EQ(settings.suite.V9, 40);
    EXPECT_EQ(settings.suite.V10, 3.5);
    EXPECT_EQ(settings.suite.V12, "/srv/projects");
    EXPECT_EQ(settings.ShowBackgrounds, 0);

    ASSERT_TRUE(SaveSettings(dir, settings));
    std::string written = temp.Read("kparam.dat");
    EXPECT_EQ(written, kFullFile);  // Windows-1252, every field as it was read
    auto lines = Lines(written);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 14u);
    EXPECT_EQ(lines[1].size(), 8u);
    EXPECT_EQ(lines[0][0], "");
    EXPECT_EQ(lines[0][2], "");
}

TEST_F(SettingsFile, FullReadNormalisesTheDriveText) {
    struct Case {
        std::string field13;
        int field14;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"D:\\projects", 0, "C:\\"}, {"c:", 0, "C:\\"}, {"", 0, "C:\\"}, {"0", 0, "C:\\"},
        {"  E:\\ ", 0, "E:\\"},      {"E:\\", 77, ""},  {"", 77, ""},    {"C:", 1, "C:\\"},
    };
    for (const Case& c : cases) {
        temp.Write("kparam.dat",
                   "\"\",\"\",\"\",\"GER\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\",0,\"" +
                       c.field13 + "\"," + std::to_string(c.field14) + "\r\n");
        Settings s;
        LoadSettingsFull(dir, s);
        EXPECT_EQ(s.suite.V6, c.expected) << c.field13 << " " << c.field14;
    }
}

TEST_F(SettingsFile, FullReadCarriedNumberOfZeroOrBelowBecomes2Point5) {
    for (auto [text, expected] : std::vector<std::pair<std::string, double>>{
             {"-1", 2.5}, {" 0", 2.5}, {"3,5", 3.5}, {"", 2.5}, {"abc", 2.5}, {" 4.25", 4.25}}) {
        temp.Write(
            "kparam.dat",
            std::string("\"\",\"\",\"\",\"GER\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\"\r\n") +
                "0,35,\"" + text + "\",\"\",\"\",0,\"\",1\r\n");
        Settings s;
        LoadSettingsFull(dir, s);
        EXPECT_EQ(s.suite.V10, expected) << text;
    }
}

TEST_F(SettingsFile, FullReadOfAMissingFileGivesThePresetsAndDefaults) {
    LoadSettingsFull(dir, settings);
    EXPECT_EQ(settings.LanguageCode, "ENG");
    EXPECT_EQ(settings.CurrencyCode, "EUR");
    EXPECT_EQ(settings.FontName, "Arial");
    EXPECT_EQ(settings.suite.V6, "C:\\");
    EXPECT_EQ(settings.suite.V9, 35);
    EXPECT_EQ(settings.suite.V10, 2.5);
    EXPECT_EQ(settings.suite.V12, temp.Path().string());
}

TEST_F(SettingsFile, FullReadLeavesAFieldThatCannotBeReadUnchanged) {
    temp.Write("kparam.dat", "\"\",\"\",\"\",\"FRA\",\"EUR\",\"Arial\",\"\",\"notanumber\"\r\n");
    settings.suite.V1 = 42;
    settings.PrintHeadingOff = 1;
    LoadSettingsFull(dir, settings);
    EXPECT_EQ(settings.suite.V1, 42);
    EXPECT_EQ(settings.PrintHeadingOff, 1);
    EXPECT_EQ(settings.LanguageCode, "FRA");
}

class StartOfRun : public ::testing::Test {
  protected:
    test::TempDir temp;
    AppState state{WorkingDir(temp.Path())};
};

TEST_F(StartOfRun, AMissingOrShortSettingsFileStopsTheStartAndTouchesNoOtherFile) {
    auto error = StartUp(state, nullptr, true);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("kparam.dat"), std::string::npos);
    EXPECT_FALSE(temp.Exists("VARNHOLTData.dat"));

    temp.Write("kparam.dat",
               "\"\",\"\",\"\",\"GER\",\"EUR\",\"Arial\",\"\",0,\"\",\"\"\r\n1,2,3,4\r\n");
    error = StartUp(state, nullptr, true);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("10 fields"), std::string::npos);
    EXPECT_FALSE(temp.Exists("VARNHOLTData.dat"));
}

TEST_F(StartOfRun, AppliesTheStartUpDefaultsAndKeepsTheSiblingValues) {
    temp.Write("kparam.dat",
               "\"\",\"\",\"\",\"EN\",\"\",\"Ar\",\"\",0,\"\",\"\",\"\",0,\"Q:\\x\\y\",0\r\n"
               "3,36,\" 4\",\"v11\",\"\",2,\"v14\",0\r\n");
    ASSERT_FALSE(StartUp(state, nullptr, false).has_value());
    EXPECT_EQ(state.settings.LanguageCode, "GER");
    EXPECT_EQ(state.settings.CurrencyCode, "EUR");
    EXPECT_EQ(state.settings.FontName, "Arial");
    EXPECT_EQ(state.settings.ShowBackgrounds, 1);
    // Values of the sibling programs are kept as they stand, not normalised.
    EXPECT_EQ(state.settings.suite.V6, "Q:\\x\\y");
    EXPECT_EQ(state.settings.suite.V9, 36);
    EXPECT_EQ(state.settings.suite.V11, "v11");
    EXPECT_EQ(state.settings.suite.V12, "");
    ASSERT_TRUE(SaveSettings(state.dir, state.settings));
    auto lines = Lines(temp.Read("kparam.dat"));
    EXPECT_EQ(lines[0][12], "Q:\\x\\y");
    EXPECT_EQ(lines[1], (std::vector<std::string>{"3", "36", " 4", "v11", "", "2", "v14", "1"}));
}

TEST_F(StartOfRun, TheHandOverFileIsReadOnceAndResetToTwoZeros) {
    temp.Write("VARNHOLTData.dat", "1\r\n1\r\n\"some text\"\r\n");
    ReadAndResetHandOver(state.dir, state.settings);
    EXPECT_EQ(state.settings.HandOverActive, 1);
    EXPECT_EQ(temp.Read("VARNHOLTData.dat"), "0\r\n0\r\n");

    Settings other;
    temp.Write("VARNHOLTData.dat", "1\r\n0\r\n");
    ReadAndResetHandOver(state.dir, other);
    EXPECT_EQ(other.HandOverActive, 0);
    EXPECT_EQ(temp.Read("VARNHOLTData.dat"), "0\r\n0\r\n");

    Settings fresh;
    std::filesystem::remove(temp.Path() / "VARNHOLTData.dat");
    ReadAndResetHandOver(state.dir, fresh);
    EXPECT_EQ(fresh.HandOverActive, 0);
    EXPECT_EQ(temp.Read("VARNHOLTData.dat"), "0\r\n0\r\n");

    temp.Write("VARNHOLTData.dat", "garbage,\"x\"");
    ReadAndResetHandOver(state.dir, fresh);
    EXPECT_EQ(fresh.HandOverActive, 0);
}

}  // namespace
}  // namespace tessaro
