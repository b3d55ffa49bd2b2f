// Caption tables: positions, shared slots, load order, missing files and the language switch.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/app_state.h"
#include "shell/language_switch.h"
#include "shell/welcome_choice.h"
#include "support/hostile_files.h"
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
    void WriteSet(const std::string& code, const std::string& prefix) {
        temp.Write("Caption." + code, NumberedLines(prefix + "M", 273));
        temp.Write("VerbCapt." + code, NumberedLines(prefix + "V", 24));
        temp.Write("TessaroCap." + code,
                   NumberedLines(prefix + "P", CaptionTables::kProgramEntries));
        temp.Write("infoTXT." + code, NumberedLines(prefix + "I", 66));
    }

    test::TempDir temp;
    AppState state{WorkingDir(temp.Path())};
    CaptionTables& tables = state.captions;
    test::RecordingMessageBox messages;
};

// Fields go to entries by position; main entries 235, 264 and 265 stay empty; the shared slots
// (main 1, 169, 170, 199 = compressor 10, 11, 12, 2; main 86 to 88 = program 38 to 40) take the
// text of the file loaded last.
TEST_F(Captions, FieldsGoToEntriesByPositionAndSharedSlotsTakeTheFileLoadedLast) {
    WriteSet("GER", "");
    LoadAllCaptions(state.dir, "GER", tables);
    const std::pair<std::string, std::string> cases[] = {
        {tables.Main(5), "M5"},           {tables.CaptionList(1), "M97"},
        {tables.CaptionList(61), "M157"}, {tables.CaptionList(0), ""},
        {tables.Main(273), "M273"},       {tables.Main(235), ""},
        {tables.Main(264), ""},           {tables.Main(265), ""},
        {tables.Main(274), ""},           {tables.Compressor(24), "V24"},
        {tables.Program(120), "P120"},    {tables.Main(1), "V10"},
        {tables.Main(169), "V11"},        {tables.Main(170), "V12"},
        {tables.Main(199), "V2"},         {tables.Compressor(10), "V10"},
        {tables.Main(86), "P38"},         {tables.Main(88), "P40"},
        {tables.Program(39), "P39"},      {tables.Main(85), "M85"},
    };
    for (const auto& [entry, expected] : cases)
        EXPECT_EQ(entry, expected);
}

TEST_F(Captions, AMissingCompressorFileKeepsThePreviousLanguageOutsideTheSharedSlots) {
    WriteSet("GER", "g");
    WriteSet("ENG", "e");
    std::filesystem::remove(temp.Path() / "VerbCapt.ENG");
    LoadAllCaptions(state.dir, "GER", tables);
    LoadAllCaptions(state.dir, "ENG", tables);
    EXPECT_EQ(tables.Main(1), "eM1");
    EXPECT_EQ(tables.Main(169), "eM169");
    EXPECT_EQ(tables.Main(199), "eM199");
    EXPECT_EQ(tables.Compressor(1), "gV1");
    EXPECT_EQ(tables.Compressor(24), "gV24");
}

TEST_F(Captions, CommasSplitUnquotedLinesAndAShortFileFillsTheLeadingEntries) {
    temp.Write("Caption.NDL", "first, second\r\n\"third, whole\"\r\n");
    tables.MainSlot(4)->assign("kept");
    LoadMainCaptions(state.dir, "NDL", tables);
    EXPECT_EQ(tables.Main(1), "first");
    EXPECT_EQ(tables.Main(2), "second");
    EXPECT_EQ(tables.Main(3), "third, whole");
    EXPECT_EQ(tables.Main(4), "kept");
}

TEST_F(Captions, FilesAreFoundInAnyLetterCaseAndDecodedInTheLanguagesCodePage) {
    temp.Write("CAPTION.rus", "\xCA\xEE\xEC\xEF\xF0\xE5\xF1\xF1\xEE\xF0\r\n");
    LoadMainCaptions(state.dir, "RUS", tables);
    EXPECT_EQ(tables.Main(1), "Компрессор");
}

TEST_F(Captions, TheInfoTableIsEmptiedBeforeEveryLoad) {
    WriteSet("GER", "");
    LoadInfoTexts(state.dir, "GER", tables);
    EXPECT_EQ(tables.Info(66), "I66");
    LoadInfoTexts(state.dir, "ITA", tables);
    EXPECT_EQ(tables.Info(1), "");
    EXPECT_EQ(tables.Info(66), "");
}

TEST_F(Captions, AnEmptyOrMissingCaptionFileMakesALanguageUnavailable) {
    WriteSet("GER", "");
    LoadAllCaptions(state.dir, "GER", tables);
    state.settings.LanguageCode = "GER";
    temp.Write("Caption.FRA", "");

    EXPECT_FALSE(SwitchLanguage(state, "FRA", messages, nullptr));
    EXPECT_FALSE(CheckLanguageAvailable(state, "ESP", messages));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "M91 M157");
    EXPECT_EQ(messages.shown[0].title, "Tessaro");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(state.settings.LanguageCode, "GER");
    EXPECT_EQ(tables.Main(5), "M5");
    EXPECT_TRUE(CheckLanguageAvailable(state, "GER", messages));
}

TEST_F(Captions, SwitchingLoadsEverythingAndStoresOnlySwedishAtOnce) {
    WriteSet("GER", "g");
    WriteSet("SWE", "s");
    WriteSet("ENG", "e");
    temp.Write("kparam.dat", "old");
    state.settings.LanguageCode = "GER";
    std::string infoWhenRecaptioned;
    auto recaption = [&] { infoWhenRecaptioned = tables.Info(1); };

    ASSERT_TRUE(SwitchLanguage(state, "ENG", messages, recaption));
    EXPECT_EQ(tables.Main(2), "eM2");
    EXPECT_EQ(tables.Info(1), "eI1");
    EXPECT_EQ(infoWhenRecaptioned, "");  // the info texts follow the main window's captions
    EXPECT_EQ(temp.Read("kparam.dat"), "old");

    ASSERT_TRUE(SwitchLanguage(state, "SWE", messages, recaption));
    EXPECT_EQ(state.settings.LanguageCode, "SWE");
    EXPECT_NE(temp.Read("kparam.dat").find("\"SWE\""), std::string::npos);
    EXPECT_TRUE(messages.shown.empty());
}

// Every entry of every table, in order.
std::vector<std::string> AllEntries(const CaptionTables& tables) {
    std::vector<std::string> entries;
    for (int n = 1; n <= CaptionTables::kMainEntries; ++n)
        entries.push_back(tables.Main(n));
    for (int n = 1; n <= CaptionTables::kCompressorEntries; ++n)
        entries.push_back(tables.Compressor(n));
    for (int n = 1; n <= CaptionTables::kProgramEntries; ++n)
        entries.push_back(tables.Program(n));
    for (int n = 1; n <= CaptionTables::kInfoEntries; ++n)
        entries.push_back(tables.Info(n));
    return entries;
}

// A language code comes from the settings file: one that is no plain name reads no file, neither
// outside the working folder nor one whose name it cuts short with a NUL.
TEST_F(Captions, ALanguageCodeThatIsNoPlainNameFindsNoFile) {
    WriteSet("GER", "outside ");
    const std::filesystem::path work = temp.Path() / "work";
    std::filesystem::create_directories(work / "Caption.sub");
    temp.Write("work/Caption.GER", NumberedLines("inside M", 273));
    AppState inside{WorkingDir(work)};
    using namespace std::string_literals;
    for (const std::string& code : {"sub/../../Caption.GER"s, "GER\0x"s, "../GER"s}) {
        SCOPED_TRACE(code);
        LoadAllCaptions(inside.dir, code, inside.captions);
        LoadInfoTexts(inside.dir, code, inside.captions);
        EXPECT_EQ(AllEntries(inside.captions), AllEntries(CaptionTables()));
        EXPECT_FALSE(SwitchLanguage(inside, code, messages, nullptr));
        EXPECT_EQ(inside.settings.LanguageCode, "");
    }
}

// Caption files of 50 MB whose first part is a real set cost what that part costs and read as it.
TEST_F(Captions, OversizedLanguageFilesReadAsTheirFirstLegitimatePart) {
    WriteSet("GER", "");
    LoadAllCaptions(state.dir, "GER", tables);
    LoadInfoTexts(state.dir, "GER", tables);
    const std::vector<std::string> real = AllEntries(tables);
    for (const char* stem : {"Caption.", "VerbCapt.", "TessaroCap.", "infoTXT."}) {
        const std::string name = std::string(stem) + "GER";
        test::WriteOversized(temp.Path() / name, temp.Read(name), "\"Zusatz\"\r\n");
    }
    temp.Write("caption.fra", temp.Read("Caption.GER"));
    AppState fresh{WorkingDir(temp.Path())};
    ASSERT_EQ(test::EndsWithinBounds([&] {
                  LoadAllCaptions(fresh.dir, "GER", fresh.captions);
                  LoadInfoTexts(fresh.dir, "GER", fresh.captions);
                  CheckLanguageAvailable(fresh, "GER", messages);
                  UnavailableWelcomeLanguages(fresh.dir);
              }),
              "");
    LoadAllCaptions(fresh.dir, "GER", fresh.captions);
    LoadInfoTexts(fresh.dir, "GER", fresh.captions);
    EXPECT_EQ(AllEntries(fresh.captions), real);
    EXPECT_TRUE(CheckLanguageAvailable(fresh, "GER", messages));
    EXPECT_EQ(UnavailableWelcomeLanguages(fresh.dir).count("FRA"), 0u);
}

}  // namespace
}  // namespace tessaro
