// The settings file, the hand-over file and the start of a run.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/app_state.h"
#include "shell/code_page.h"
#include "shell/hand_over.h"
#include "shell/start_up.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

// Every field of this file differs from its default and from every other field, so a value read
// into or written from the wrong place shows.
constexpr const char* kFullFile =
    "\"\",\"\",\"\",\"ITA\",\"CHF\",\"Verdana\",\"K\xE4lte, Klima & "
    "Co\",5,\"v2\",\"v3\",\"v4\",1,\"D:\\\",33\r\n"
    "7,40,\" 3.5\",\"v11\",\"/srv/projects\",9,\"v14\",0\r\n";

// A settings file of a first line from the language field on and a second line, in Windows-1252.
std::string File(const std::string& fromLanguage, const std::string& line2 = "") {
    return EncodeText("\"\",\"\",\"\"," + fromLanguage + "\r\n" + line2 + "\r\n",
                      CodePage::Windows1252);
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

class SettingsFile : public ::testing::Test {
  protected:
    Settings Full(const std::string& file) {
        temp.Write("kparam.dat", file);
        Settings s;
        LoadSettingsFull(dir, s);
        return s;
    }

    test::TempDir temp;
    WorkingDir dir{temp.Path()};
    AppState state{WorkingDir(temp.Path())};
    const std::string here = temp.Path().string();
};

// The short read takes fields 4 to 11 of line 1 but 8, the full read every field, the start the
// rest as it stands (not normalised) and shows the backgrounds; each writes every field back to
// its place.
TEST_F(SettingsFile, EveryFieldIsReadFromAndWrittenToItsOwnPlace) {
    temp.Write("kparam.dat", kFullFile);
    Settings shortRead;
    ASSERT_FALSE(LoadSettingsShort(dir, shortRead).has_value());
    EXPECT_EQ(Values(shortRead), "ITA|CHF|Verdana|Kälte, Klima & Co|0|v2|v3|v4|0||0|0|35|0|||0||0");
    const std::string full =
        "ITA|CHF|Verdana|Kälte, Klima & Co|5|v2|v3|v4|1|D:\\|33|7|40|3.5|v11|/srv/projects|9|v14|";
    EXPECT_EQ(Values(Full(kFullFile)), full + "0");
    ASSERT_TRUE(SaveSettings(dir, Full(kFullFile)));
    EXPECT_EQ(temp.Read("kparam.dat"), kFullFile);
    ASSERT_FALSE(StartUp(state, nullptr, false).has_value());
    EXPECT_EQ(Values(state.settings), full + "1");

    temp.Write("kparam.dat", File("\"EN\",\"\",\"Ar\",\"\",0,\"\",\"\",\"\",0,\"Q:\\x\\y\",0",
                                  "3,36,\" 4\",\"v11\",\"\",2,\"v14\",0"));
    ASSERT_FALSE(StartUp(state, nullptr, false).has_value());
    EXPECT_EQ(Values(state.settings), "GER|EUR|Arial||0||||0|Q:\\x\\y|0|3|36|4|v11||2|v14|1");
    ASSERT_TRUE(SaveSettings(state.dir, state.settings));
    EXPECT_EQ(temp.Read("kparam.dat"),
              File("\"GER\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\",0,\"Q:\\x\\y\",0",
                   "3,36,\" 4\",\"v11\",\"\",2,\"v14\",1"));
}

// Lines of every shape: an empty field in the middle, fields missing at the end, extra fields,
// non-integer texts in integer fields (rounded, halves to even), a text in a number field (it
// keeps its value), a decimal comma in the number text V10, no file at all; a folder text of
// "C:\" or none becomes the working folder.
TEST_F(SettingsFile, LinesOfEveryShapeReadFieldByField) {
    const std::pair<std::string, std::string> cases[] = {
        {File("\"FRA\",,\"Arial\",\"u\",2.5,\"a\",\"b\",\"c\",3.5,\"D:\",2.6",
              "-2.6,36.5,\"3,5\",\"x\",,4.4,\"y\",0,extra,fields"),
         "FRA|EUR|Arial|u|2|a|b|c|4|D:|3|-3|36.5|3.5|x|" + here + "|4|y|0"},
        {File("\"GRE\""), "GRE|EUR|Arial||0||||0|C:\\|0|0|35|2.5||" + here + "|0||0"},
        {File("\"SWE\",\"SEK\",\"Helvetica\",\"u\",x,\"a\",\"b\",\"c\",1.5e1",
              "1,abc,\"4.5\",\"\",\"C:\\\""),
         "SWE|SEK|Helvetica|u|0|a|b|c|15|C:\\|0|1|35|4.5||" + here + "|0||0"},
    };
    for (const auto& [file, values] : cases)
        EXPECT_EQ(Values(Full(file)), values) << file;
    std::filesystem::remove(temp.Path() / "kparam.dat");
    Settings none;
    none.suite.V1 = 42;
    LoadSettingsFull(dir, none);
    EXPECT_EQ(Values(none), "ENG|EUR|Arial||42||||0|C:\\|0|0|35|2.5||" + here + "|0||0");
}

// The drive text V6 is trimmed; longer than three characters (not bytes) it becomes "C:\", and so
// does an empty one, "0" and "C:" in any case; with V7 = 77 (and only then) it is emptied. V10 of
// 0 or below, or no number, becomes 2.5.
TEST_F(SettingsFile, NormalisationsAtTheirEdges) {
    // clang-format off
    const std::tuple<std::string, int, std::string> drives[] = {
        {"D:\\projects", 0, "C:\\"}, {"ABCD", 0, "C:\\"}, {"ABC", 0, "ABC"}, {"ÄBC", 0, "ÄBC"},
        {"c:", 0, "C:\\"}, {"C:", 1, "C:\\"}, {"", 0, "C:\\"}, {"0", 0, "C:\\"}, {"00", 0, "00"},
        {"  E:\\ ", 0, "E:\\"}, {"E:\\", 77, ""}, {"", 77, ""}, {"E:\\", 76, "E:\\"},
        {"E:\\", 78, "E:\\"}};
    const std::pair<std::string, double> v10[] = {
        {"-1", 2.5}, {" 0", 2.5}, {"-0.001", 2.5}, {"0.001", 0.001}, {"3,5", 3.5}, {"3.5", 3.5},
        {"", 2.5}, {"abc", 2.5}, {" 4.25", 4.25}};
    // clang-format on
    for (const auto& [field13, field14, expected] : drives) {
        EXPECT_EQ(Full(File("\"GER\",\"\",\"\",\"\",0,\"\",\"\",\"\",0,\"" + field13 + "\"," +
                            std::to_string(field14)))
                      .suite.V6,
                  expected)
            << field13 << " " << field14;
    }
    for (const auto& [text, expected] : v10)
        EXPECT_EQ(Full(File("\"GER\"", "0,35,\"" + text + "\"")).suite.V10, expected) << text;
}

// The defaults at their edges: a font name of fewer than three characters (not bytes), a
// language code of fewer than three, an empty currency. The full read falls back to English, the
// start to German, whose captions it then loads.
TEST_F(SettingsFile, DefaultsApplyBelowThreeCharactersAndToAnEmptyCurrency) {
    const std::pair<std::string, std::string> cases[] = {
        {"\"EN\",\"\",\"Ab\"", "ENG|EUR|Arial"},
        {"\"ENG\",\" \",\"Abc\"", "ENG| |Abc"},
        {"\"RUS\",\"RUB\",\"Äb\"", "RUS|RUB|Arial"},
        {"\"Äö\",\"X\",\"Äbc\"", "ENG|X|Äbc"},
        {"\"Äöü\",\"X\",\"\"", "Äöü|X|Arial"}};
    for (const auto& [fields, expected] : cases) {
        const Settings s = Full(File(fields));
        EXPECT_EQ(s.LanguageCode + "|" + s.CurrencyCode + "|" + s.FontName, expected) << fields;
    }
    temp.Write("Caption.GER", "g1\r\ng2\r\n");
    temp.Write("TessaroCap.GER", "p1\r\n");
    temp.Write("infoTXT.GER", "i1\r\n");
    for (const char* language : {"", "EN"}) {
        AppState fresh{WorkingDir(temp.Path())};
        temp.Write("kparam.dat",
                   File("\"" + std::string(language) + "\",\"\",\"Ab\",\"\",0,\"\",\"\",\"\""));
        ASSERT_FALSE(StartUp(fresh, nullptr, false).has_value());
        EXPECT_EQ(fresh.settings.LanguageCode + fresh.settings.CurrencyCode +
                      fresh.settings.FontName + fresh.captions.Main(2) + fresh.captions.Program(1) +
                      fresh.captions.Info(1),
                  "GEREURArialg2p1i1")
            << language;
    }
}

// A missing settings file, or one whose first line holds fewer than 11 fields, stops the start
// and touches no other file; 11 fields are enough.
TEST_F(SettingsFile, AMissingOrShortSettingsFileStopsTheStart) {
    auto error = StartUp(state, nullptr, true);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("kparam.dat"), std::string::npos);
    temp.Write("kparam.dat", File("\"GER\",\"EUR\",\"Arial\",\"\",0,\"\",\"\"", "1,2,3,4"));
    error = StartUp(state, nullptr, true);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("10 fields"), std::string::npos);
    EXPECT_FALSE(temp.Exists("VARNHOLTData.dat"));
    temp.Write("kparam.dat", File("\"GER\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\""));
    EXPECT_FALSE(StartUp(state, nullptr, true).has_value());
    EXPECT_TRUE(temp.Exists("VARNHOLTData.dat"));
}

// The program's start reads the hand-over file and resets it; the calculator's leaves it. The
// second integer is the hand-over flag; whatever the file held, it becomes two zeros.
TEST_F(SettingsFile, TheHandOverFileIsReadOnceAndResetToTwoZeros) {
    temp.Write("kparam.dat", File("\"GER\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\""));
    const std::string handOver = "1\r\n1\r\n\"from the sibling\"\r\n";
    temp.Write("VARNHOLTData.dat", handOver);
    ASSERT_FALSE(StartUp(state, nullptr, false).has_value());
    EXPECT_EQ(state.settings.HandOverActive, 0);
    EXPECT_EQ(temp.Read("VARNHOLTData.dat"), handOver);
    ASSERT_FALSE(StartUp(state, nullptr, true).has_value());
    EXPECT_EQ(state.settings.HandOverActive, 1);
    EXPECT_EQ(temp.Read("VARNHOLTData.dat"), "0\r\n0\r\n");
    // clang-format off
    const std::pair<std::optional<std::string>, int> cases[] = {
        {"1\r\n1\r\n\"some text\"\r\n", 1}, {"1\r\n0\r\n", 0}, {"0\r\n1\r\n", 1}, {"1,1", 1},
        {"2\r\n-1", -1}, {"1\r\n1.5", 2}, {"1\r\n,", 0}, {"", 0}, {std::nullopt, 0},
        {"garbage,\"x\"", 0}};
    // clang-format on
    for (const auto& [content, active] : cases) {
        std::filesystem::remove(temp.Path() / "VARNHOLTData.dat");
        if (content)
            temp.Write("VARNHOLTData.dat", *content);
        Settings fresh;
        ReadAndResetHandOver(state.dir, fresh);
        EXPECT_EQ(fresh.HandOverActive, active) << content.value_or("missing");
        EXPECT_EQ(temp.Read("VARNHOLTData.dat"), "0\r\n0\r\n");
    }
}

}  // namespace
}  // namespace tessaro
