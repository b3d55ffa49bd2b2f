// The language files: every caption entry by its position at the edges of each table and its
// shared slots, the shapes of a caption file's lines, load order, missing files, the language
// switch, and the help texts.
#include <gtest/gtest.h>

#include "engine/app_state.h"
#include "shell/help_text.h"
#include "shell/language_switch.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

// A file of count lines "<prefix><n>", one field per line.
std::string NumberedLines(const std::string& prefix, int count) {
    std::string text;
    for (int n = 1; n <= count; ++n)
        text += prefix + std::to_string(n) + "\r\n";
    return text;
}

class Captions : public ::testing::Test {
  protected:
    // A set whose files hold one more line than their tables have entries.
    void WriteSet(const std::string& code, const std::string& prefix) {
        temp.Write("Caption." + code, NumberedLines(prefix + "M", 274));
        temp.Write("VerbCapt." + code, NumberedLines(prefix + "V", 25));
        temp.Write("TessaroCap." + code, NumberedLines(prefix + "P", 121));
        temp.Write("infoTXT." + code, NumberedLines(prefix + "I", 67));
    }

    test::TempDir temp;
    AppState state{WorkingDir(temp.Path())};
    CaptionTables& tables = state.captions;
    test::RecordingMessageBox messages;
};

// Fields go to entries by position; main entries 235, 264 and 265 stay empty; the shared slots
// (main 1, 169, 170, 199 = compressor 10, 11, 12, 2; main 86 to 88 = program 38 to 40) take the
// text of the file loaded last; numbers outside a table and the extra lines give nothing.
TEST_F(Captions, EveryEntryAtTheEdgesOfItsTableAndItsSharedSlots) {
    WriteSet("GER", "");
    LoadAllCaptions(state.dir, "GER", tables);
    LoadInfoTexts(state.dir, "GER", tables);
    const auto& t = tables;
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {t.Main(0), ""}, {t.Main(2), "M2"}, {t.Main(85), "M85"}, {t.Main(86), "P38"},
        {t.Main(87), "P39"}, {t.Main(88), "P40"}, {t.Main(89), "M89"}, {t.Main(96), "M96"},
        {t.CaptionList(0), ""}, {t.CaptionList(1), "M97"}, {t.CaptionList(61), "M157"},
        {t.CaptionList(62), ""}, {t.Main(158), "M158"}, {t.Main(168), "M168"}, {t.Main(169), "V11"},
        {t.Main(170), "V12"}, {t.Main(171), "M171"}, {t.Main(198), "M198"}, {t.Main(199), "V2"},
        {t.Main(200), "M200"}, {t.Main(234), "M234"}, {t.Main(235), ""}, {t.Main(236), "M236"},
        {t.Main(263), "M263"}, {t.Main(264), ""}, {t.Main(265), ""}, {t.Main(266), "M266"},
        {t.Main(273), "M273"}, {t.Main(274), ""}, {t.Main(1), "V10"}, {t.Compressor(0), ""},
        {t.Compressor(1), "V1"}, {t.Compressor(2), "V2"}, {t.Compressor(3), "V3"},
        {t.Compressor(9), "V9"}, {t.Compressor(10), "V10"}, {t.Compressor(13), "V13"},
        {t.Compressor(24), "V24"}, {t.Compressor(25), ""}, {t.Program(0), ""}, {t.Program(1), "P1"},
        {t.Program(37), "P37"}, {t.Program(38), "P38"}, {t.Program(41), "P41"},
        {t.Program(120), "P120"}, {t.Program(121), ""}, {t.Info(0), ""}, {t.Info(1), "I1"},
        {t.Info(66), "I66"}, {t.Info(67), ""}, {UnitLabel(0), ""}, {UnitLabel(1), "°C"},
        {UnitLabel(7), "bar"}, {UnitLabel(14), "kJ/kg"}, {UnitLabel(15), ""}};
    // clang-format on
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
}

// The shapes a caption file's line can take: an empty line is an empty entry that keeps the
// positions of the following ones, blanks around a field go, a comma outside quotes splits it, a
// quoted one keeps commas and blanks, a short file fills the leading entries only and leaves the
// others as they were.
TEST_F(Captions, LinesOfEveryShapeFillTheirPositions) {
    temp.Write("Caption.NDL",
               "first, second\r\n\r\n   \r\n  padded  \r\n\"third, whole \"\r\n\"\"\nlast");
    for (int n = 1; n <= 9; ++n)
        tables.MainSlot(n)->assign("kept");
    LoadMainCaptions(state.dir, "NDL", tables);
    const std::vector<std::string> entries = {"first",         "second", "",     "",    "padded",
                                              "third, whole ", "",       "last", "kept"};
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(tables.Main(n), entries[n - 1]) << "main entry " << n;
}

// A missing compressor file keeps the previous language's texts outside the shared slots.
TEST_F(Captions, AMissingFileKeepsThePreviousLanguageAndTheInfoTableIsEmptiedBeforeEveryLoad) {
    WriteSet("GER", "g");
    WriteSet("ENG", "e");
    std::filesystem::remove(temp.Path() / "VerbCapt.ENG");
    LoadAllCaptions(state.dir, "GER", tables);
    LoadAllCaptions(state.dir, "ENG", tables);
    EXPECT_EQ(tables.Main(1) + tables.Main(169) + tables.Main(199) + tables.Program(38) + "|" +
                  tables.Compressor(1) + tables.Compressor(24),
              "eM1eM169eM199eP38|gV1gV24");
    // The info table is emptied before every load: a language without one has no info texts.
    LoadInfoTexts(state.dir, "GER", tables);
    LoadInfoTexts(state.dir, "ITA", tables);
    EXPECT_EQ(tables.Info(1) + tables.Info(66), "");
}

// Files are found in any letter case and read in the code page of the language, whatever the
// case of its code.
TEST_F(Captions, FilesAreDecodedInTheLanguagesCodePage) {
    temp.Write("CAPTION.rus", "\xCA\xEE\xEC\xEF\xF0\xE5\xF1\xF1\xEE\xF0\r\n");
    temp.Write("infotxt.GRE", "\xD3\xF5\xEC\xF0\xE9\xE5\xF3\xF4\xDE\xF2\r\n");
    LoadMainCaptions(state.dir, "rus", tables);
    LoadInfoTexts(state.dir, "GRE", tables);
    EXPECT_EQ(tables.Main(1), "Компрессор");
    EXPECT_EQ(tables.Info(1), "Συμπιεστής");
}

TEST_F(Captions, AnEmptyOrMissingCaptionFileMakesALanguageUnavailable) {
    WriteSet("GER", "");
    LoadAllCaptions(state.dir, "GER", tables);
    state.settings.LanguageCode = "GER";
    temp.Write("Caption.FRA", "");
    temp.Write("Caption.ITA", "x");
    EXPECT_FALSE(SwitchLanguage(state, "FRA", messages, nullptr));
    EXPECT_FALSE(CheckLanguageAvailable(state, "ESP", messages));
    EXPECT_TRUE(CheckLanguageAvailable(state, "ITA", messages));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text + "|" + messages.shown[1].title, "M91 M157|Tessaro");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(state.settings.LanguageCode + tables.Main(5), "GERM5");
}

// The shipped caption files of all sixteen languages hold exactly the fields of their tables, so
// that no entry of a language is shifted into the place of another.
TEST(ShippedCaptions, EveryLanguagesFilesHoldExactlyTheFieldsOfTheirTables) {
    for (const char* code : {"GER", "ENG", "FRA", "ESP", "NDL", "ITA", "POR", "SWE", "RUS", "POL",
                             "TRK", "ROM", "GRE", "HUN", "BUL", "ARA"}) {
        for (const auto& [stem, count] : {std::pair{"Caption.", CaptionTables::kMainEntries},
                                          {"VerbCapt.", CaptionTables::kCompressorEntries},
                                          {"TessaroCap.", CaptionTables::kProgramEntries},
                                          {"infoTXT.", CaptionTables::kInfoEntries}}) {
            std::vector<std::string> fields;
            EXPECT_TRUE(ReadLanguageFields(WorkingDir(test::DataDir()), stem + std::string(code),
                                           code, fields));
            EXPECT_EQ(fields.size(), static_cast<size_t>(count)) << stem << code;
        }
    }
}

// A field that is empty after trimming ends the text, a lone Z or z (blanks around it allowed)
// breaks the line, every other field is joined as read with nothing between; the text loses the
// spaces at both ends, not its tabs.
TEST(HelpText, FieldsBecomeTheText) {
    // clang-format off
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"Heading", "Z", "Z", "A paragraph.", "", "Not shown"}, "Heading\r\n\r\nA paragraph."},
        {{"One", " z ", "Two"}, "One\r\nTwo"}, {{"Cold", " room ", "door"}, "Cold room door"},
        {{"Zone", "ZZ", "Z.", "z"}, "ZoneZZZ.\r\n"}, {{"Shown", "   ", "Hidden"}, "Shown"},
        {{"", "Hidden"}, ""}, {{}, ""}, {{"  Title", "Z", "\tIndented  "}, "Title\r\n\tIndented"}};
    // clang-format on
    for (const auto& [fields, text] : cases)
        EXPECT_EQ(BuildHelpText(fields), text) << testing::PrintToString(fields);
}

// A help file is read in the field syntax and the code page of its language ("Справка" in
// Windows-1251, the letters in the file's name in any case); a missing one gives no text.
TEST(HelpText, ReadFromTheFileInTheFieldSyntaxAndCodePageOfTheLanguage) {
    test::TempDir temp;
    const WorkingDir dir(temp.Path());
    temp.Write("Simhelp.GER",
               "K\xC4LTE\r\n Z \r\n\" z \"\r\n\"Verdampfer, Verfl\xFCssiger\"\r\n"
               "Teil eins,Teil zwei\r\n\r\nNicht gezeigt\r\n");
    temp.Write("SIMHELP2.rus", "\"\xD1\xEF\xF0\xE0\xE2\xEA\xE0 \"");
    EXPECT_EQ(LoadHelpText(dir, "Simhelp.GER", "GER") + "|" +
                  LoadHelpText(dir, "Simhelp2.RUS", "RUS") + "|" +
                  LoadHelpText(dir, "Simhelp.ENG", "ENG"),
              "KÄLTE\r\n\r\nVerdampfer, VerflüssigerTeil einsTeil zwei|Справка|");
}

}  // namespace
}  // namespace tessaro
