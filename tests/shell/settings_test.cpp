// The settings file, the hand-over file and the start of a run.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>

#include "engine/app_state.h"
#include "shell/field_reader.h"
#include "shell/hand_over.h"
#include "shell/start_up.h"
#include "support/hostile_files.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

// Every field of this file differs from its default and from every other field, so a value read
// into or written from the wrong place shows.
constexpr const char* kFullFile =
    "\"\",\"\",\"\",\"ITA\",\"CHF\",\"Verdana\",\"K\xE4lte, Klima & "
    "Co\",5,\"v2\",\"v3\",\"v4\",1,\"D:\\\",33\r\n"
    "7,40,\" 3.5\",\"v11\",\"/srv/projects\",9,\"v14\",0\r\n";

// A settings file of line 1 alone with the given language field.
std::string ShortFile(const std::string& language) {
    return "\"\",\"\",\"\",\"" + language + "\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\"\r\n";
}

std::vector<std::vector<std::string>> Lines(const std::string& bytes) {
    FieldReader reader(bytes);
    std::vector<std::vector<std::string>> lines;
    for (auto line = reader.NextLine(); !line.empty(); line = reader.NextLine())
        lines.push_back(line);
    return lines;
}

// The values of the record in the order of the settings file (line 1 from field 4, then line 2),
// separated by "|".
std::string Values(const Settings& s) {
    const SuiteFields& v = s.suite;
    std::ostringstream out;
    out << s.LanguageCode << '|' << s.CurrencyCode << '|' << s.FontName << '|' << s.UserName << '|'
        << v.V1 << '|' << v.V2 << '|' << v.V3 << '|' << v.V4 << '|' << s.PrintHeadingOff << '|'
        << v.V6 << '|' << v.V7 << '|' << v.V8 << '|' << v.V9 << '|' << v.V10 << '|' << v.V11 << '|'
        << v.V12 << '|' << v.V13 << '|' << v.V14 << '|' << s.ShowBackgrounds;
    return out.str();
}

// kFullFile as each read leaves the record: the short read takes only fields 4..11 of line 1
// without field 8; the full read takes everything.
constexpr const char* kShortRead =
    "ITA|CHF|Verdana|Kälte, Klima & Co|0|v2|v3|v4|0||0|0|35|0|||0||0";
constexpr const char* kFullRead =
    "ITA|CHF|Verdana|Kälte, Klima & Co|5|v2|v3|v4|1|D:\\|33|7|40|3.5|v11|/srv/projects|9|v14|0";

class SettingsFile : public ::testing::Test {
  protected:
    test::TempDir temp;
    WorkingDir dir{temp.Path()};
    Settings settings;
};

TEST_F(SettingsFile, EveryFieldIsReadFromAndWrittenToItsOwnPlace) {
    temp.Write("kparam.dat", kFullFile);
    Settings shortRead;
    ASSERT_FALSE(LoadSettingsShort(dir, shortRead).has_value());
    EXPECT_EQ(Values(shortRead), kShortRead);
    LoadSettingsFull(dir, settings);
    EXPECT_EQ(Values(settings), kFullRead);

    ASSERT_TRUE(SaveSettings(dir, settings));
    std::string written = temp.Read("kparam.dat");
    EXPECT_EQ(written, kFullFile);  // Windows-1252, every field as it was read
    auto lines = Lines(written);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 14u);
    EXPECT_EQ(lines[1].size(), 8u);
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

TEST_F(StartOfRun, KeepsEveryFieldOfTheFileAndWritesItBack) {
    temp.Write("kparam.dat", kFullFile);
    ASSERT_FALSE(StartUp(state, nullptr, false).has_value());
    // The start reads the rest of the file as it stands and shows the backgrounds.
    std::string expected = kFullRead;
    expected.back() = '1';
    EXPECT_EQ(Values(state.settings), expected);
    ASSERT_TRUE(SaveSettings(state.dir, state.settings));
    std::string file = kFullFile;
    file.replace(file.size() - 3, 1, "1");
    EXPECT_EQ(temp.Read("kparam.dat"), file);
}

// The defaults come before the captions: a language field that is empty or too short loads the
// German set.
TEST_F(StartOfRun, AnUnsetLanguageLoadsTheGermanCaptions) {
    temp.Write("Caption.GER", "g1\r\ng2\r\n");
    temp.Write("TessaroCap.GER", "p1\r\n");
    temp.Write("infoTXT.GER", "i1\r\n");
    for (const char* language : {"", "EN"}) {
        temp.Write("kparam.dat", ShortFile(language));
        AppState fresh{WorkingDir(temp.Path())};
        ASSERT_FALSE(StartUp(fresh, nullptr, false).has_value());
        EXPECT_EQ(fresh.settings.LanguageCode, "GER");
        EXPECT_EQ(fresh.captions.Main(2), "g2") << language;
        EXPECT_EQ(fresh.captions.Program(1), "p1") << language;
        EXPECT_EQ(fresh.captions.Info(1), "i1") << language;
    }
}

// The program's start reads the hand-over file and resets it; the calculator's start leaves it.
TEST_F(StartOfRun, AStartThatReadsTheHandOverFileResetsIt) {
    temp.Write("kparam.dat", ShortFile("GER"));
    const std::string handOver = "1\r\n1\r\n\"from the sibling\"\r\n";
    temp.Write("VARNHOLTData.dat", handOver);
    ASSERT_FALSE(StartUp(state, nullptr, false).has_value());
    EXPECT_EQ(state.settings.HandOverActive, 0);
    EXPECT_EQ(temp.Read("VARNHOLTData.dat"), handOver);

    ASSERT_FALSE(StartUp(state, nullptr, true).has_value());
    EXPECT_EQ(state.settings.HandOverActive, 1);
    EXPECT_EQ(temp.Read("VARNHOLTData.dat"), "0\r\n0\r\n");
}

// The hand-over file is active when its first two lines are 1; a missing, inactive or unreadable
// file is not. Whatever it held, it is reset to two zeros.
TEST_F(StartOfRun, TheHandOverFileIsReadOnceAndResetToTwoZeros) {
    const std::pair<std::optional<std::string>, int> cases[] = {
        {"1\r\n1\r\n\"some text\"\r\n", 1},
        {"1\r\n0\r\n", 0},
        {std::nullopt, 0},
        {"garbage,\"x\"", 0},
    };
    for (const auto& [content, active] : cases) {
        SCOPED_TRACE(content.value_or("missing"));
        std::filesystem::remove(temp.Path() / "VARNHOLTData.dat");
        if (content)
            temp.Write("VARNHOLTData.dat", *content);
        Settings fresh;
        ReadAndResetHandOver(state.dir, fresh);
        EXPECT_EQ(fresh.HandOverActive, active);
        EXPECT_EQ(temp.Read("VARNHOLTData.dat"), "0\r\n0\r\n");
    }
}

TEST_F(StartOfRun, ANamedPipeInPlaceOfTheSettingsOrHandOverFileCountsAsMissing) {
    ASSERT_TRUE(test::MakeFifo(temp.Path() / "kparam.dat"));
    ASSERT_EQ(test::EndsWithinBounds([&] { StartUp(state, nullptr, true); }), "");
    auto error = StartUp(state, nullptr, true);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("kparam.dat\" is missing"), std::string::npos);
    Settings full;
    LoadSettingsFull(state.dir, full);
    Settings presets;
    LoadSettingsFull(WorkingDir(temp.Path() / "none"), presets);
    presets.suite.V12 = full.suite.V12;  // the working folder
    EXPECT_EQ(Values(full), Values(presets));

    std::filesystem::remove(temp.Path() / "kparam.dat");
    temp.Write("kparam.dat", ShortFile("GER"));
    ASSERT_TRUE(test::MakeFifo(temp.Path() / "VARNHOLTData.dat"));
    ASSERT_EQ(test::EndsWithinBounds([&] { StartUp(state, nullptr, true); }), "");
    ASSERT_FALSE(StartUp(state, nullptr, true).has_value());
    EXPECT_EQ(state.settings.HandOverActive, 0);
    EXPECT_TRUE(std::filesystem::is_fifo(temp.Path() / "VARNHOLTData.dat"));
}

// A settings or hand-over file of 50 MB whose first part is a real one costs what that part costs
// and reads as it, also when a quoted field runs across a line end.
TEST_F(SettingsFile, OversizedSettingsAndHandOverFilesReadAsTheirFirstLegitimatePart) {
    std::string file = kFullFile;
    file.replace(file.find("Co\""), 2, "Co\r\nGmbH");
    const std::string filler = "\"\",\"\",\"\",\"ENG\",\"USD\",\"Courier\",\"x\",1,2,3,4,5,6,7\r\n";
    test::WriteOversized(temp.Path() / "kparam.dat", file, filler);
    ASSERT_EQ(test::EndsWithinBounds([&] {
                  LoadSettingsShort(dir, settings);
                  LoadSettingsFull(dir, settings);
              }),
              "");
    std::string expected = kFullRead;
    expected.replace(expected.find("Co|"), 2, "Co\r\nGmbH");
    LoadSettingsFull(dir, settings);
    EXPECT_EQ(Values(settings), expected);
    Settings start;
    EXPECT_FALSE(LoadSettingsShort(dir, start).has_value());
    EXPECT_EQ(start.UserName, "Kälte, Klima & Co\r\nGmbH");

    test::WriteOversized(temp.Path() / "VARNHOLTData.dat", "1\r\n1\r\n\"from the sibling\"\r\n",
                         "\"more\"\r\n");
    ASSERT_EQ(test::EndsWithinBounds([&] { ReadAndResetHandOver(dir, settings); }), "");
    test::WriteOversized(temp.Path() / "VARNHOLTData.dat", "1\r\n1\r\n\"from the sibling\"\r\n",
                         "\"more\"\r\n");
    ReadAndResetHandOver(dir, settings);
    EXPECT_EQ(settings.HandOverActive, 1);
    EXPECT_EQ(temp.Read("VARNHOLTData.dat"), "0\r\n0\r\n");
}

}  // namespace
}  // namespace tessaro
