// The language sets in data/: each caption file has exactly the field count of its table, every
// file is written in its language's code page with CR LF line ends, every entry the program shows
// holds a text, shared slots agree, list items can be told apart, help texts fit their places.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "shell/caption_tables.h"
#include "shell/code_page.h"
#include "shell/working_dir.h"
#include "shown_entries.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

// Every language the program offers; each set is checked below.
constexpr std::array<std::string_view, 16> kLanguages = {"GER", "ENG", "FRA", "ESP", "NDL", "ITA",
                                                         "POR", "SWE", "RUS", "POL", "TRK", "ROM",
                                                         "GRE", "HUN", "BUL", "ARA"};

struct CaptionFile {
    std::string_view stem;
    int fields;
};

constexpr std::array<CaptionFile, 4> kCaptionFiles = {{
    {"Caption.", CaptionTables::kMainEntries},
    {"VerbCapt.", CaptionTables::kCompressorEntries},
    {"TessaroCap.", CaptionTables::kProgramEntries},
    {"infoTXT.", CaptionTables::kInfoEntries},
}};

// The option lists of the project form by program caption entry; the rules of the calculation
// recognise an item by its text, so the items of one list must differ.
const std::vector<std::vector<int>> kOptionLists = {
    {2, 31, 3, 4, 5, 6, 7},  // application
    {23, 24, 25},            // maintenance state
    {26, 27, 28},            // refrigerant charge
    {8, 9, 10},              // plant, evaporator, condenser and pipe sizes
    {38, 39, 40},            // compressor type
    {33, 14, 15, 16},        // suction line insulation
    {14, 15, 16, 17},        // ambient temperature
    {41, 42, 43, 44, 45},    // condensing pressure control
    {34, 35, 36, 37},        // efficiency class
    {18, 19, 20},            // temperature range
};
const std::vector<std::string> kWinterSetPoints = {"43 °C", "38 °C", "35 °C",
                                                   "32 °C", "28 °C", "25 °C"};

size_t CharacterCount(std::string_view utf8) {
    size_t count = 0;
    for (unsigned char byte : utf8)
        count += (byte & 0xC0) != 0x80;
    return count;
}

std::string Trimmed(std::string_view text) {
    size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return "";
    return std::string(text.substr(begin, text.find_last_not_of(' ') - begin + 1));
}

// Whether bytes form valid UTF-8; an 8-bit text with letters beyond ASCII practically never does.
bool IsUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        unsigned char lead = static_cast<unsigned char>(bytes[i]);
        size_t length = lead < 0x80    ? 1
                        : lead >= 0xF0 ? 4
                        : lead >= 0xE0 ? 3
                        : lead >= 0xC2 ? 2
                                       : 0;
        if (length == 0 || i + length > bytes.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

// A character the text must not hold: a replacement character, or a control character other
// than CR and LF (which includes the C1 controls that undefined code-page bytes decode to).
bool HasStrayCharacter(std::string_view utf8) {
    if (utf8.find("\xEF\xBF\xBD") != std::string_view::npos)
        return true;
    for (size_t i = 0; i < utf8.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x20 && byte != '\r' && byte != '\n')
            return true;
        if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0)
            return true;
    }
    return false;
}

// Every line ends with CR LF, and there is no CR or LF elsewhere.
bool HasCrLfLines(std::string_view bytes) {
    if (bytes.size() < 2 || bytes.substr(bytes.size() - 2) != "\r\n")
        return false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
    }
    return true;
}

class LanguageSet : public ::testing::TestWithParam<std::string_view> {
  protected:
    void SetUp() override {
        for (const std::string& name : FileNames()) {
            if (std::filesystem::exists(test::DataDir() / name))
                temp.CopyFromData({name});
            else
                ADD_FAILURE() << name << " is missing from data/";
        }
    }

    std::string Code() const { return std::string(GetParam()); }

    std::vector<std::string> FileNames() const {
        std::vector<std::string> names;
        for (const CaptionFile& file : kCaptionFiles)
            names.push_back(std::string(file.stem) + Code());
        names.push_back("Simhelp." + Code());
        names.push_back("Simhelp2." + Code());
        names.push_back(Code() + ".dat");
        return names;
    }

    // The fields of one file as the program reads them (its code page, its field syntax).
    std::vector<std::string> Fields(const std::string& name) const {
        std::vector<std::string> fields;
        EXPECT_TRUE(ReadLanguageFields(dir, name, GetParam(), fields)) << name;
        return fields;
    }

    CaptionTables Loaded() const {
        CaptionTables tables;
        LoadAllCaptions(dir, GetParam(), tables);
        LoadInfoTexts(dir, GetParam(), tables);
        return tables;
    }

    test::TempDir temp;
    WorkingDir dir{temp.Path()};
};

TEST_P(LanguageSet, EachCaptionFileHoldsExactlyTheFieldsOfItsTable) {
    for (const CaptionFile& file : kCaptionFiles) {
        std::string name = std::string(file.stem) + Code();
        EXPECT_EQ(Fields(name).size(), static_cast<size_t>(file.fields)) << name;
    }
}

TEST_P(LanguageSet, FilesAreInTheCodePageOfTheLanguageWithCrLfLines) {
    CodePage page = CodePageOfLanguage(GetParam());
    for (const std::string& name : FileNames()) {
        std::string bytes = temp.Read(name);
        ASSERT_FALSE(bytes.empty()) << name;
        EXPECT_TRUE(HasCrLfLines(bytes)) << name;
        std::string text = DecodeText(bytes, page);
        EXPECT_FALSE(HasStrayCharacter(text)) << name;
        EXPECT_EQ(EncodeText(text, page), bytes) << name << " does not survive a round trip";
        bool beyondAscii = std::any_of(bytes.begin(), bytes.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x80;
        });
        if (beyondAscii) {
            EXPECT_FALSE(IsUtf8(bytes)) << name << " is UTF-8, not the language's code page";
        }
    }
}

TEST_P(LanguageSet, EveryShownEntryHoldsAText) {
    CaptionTables tables = Loaded();
    for (int n : test::kShownMain)
        EXPECT_NE(Trimmed(tables.Main(n)), "") << "main caption entry " << n;
    for (int n : test::kShownCompressor)
        EXPECT_NE(Trimmed(tables.Compressor(n)), "") << "compressor caption entry " << n;
    for (int n : test::kShownProgram)
        EXPECT_NE(Trimmed(tables.Program(n)), "") << "program caption entry " << n;
    for (int n : test::kShownInfo)
        EXPECT_NE(Trimmed(tables.Info(n)), "") << "info text entry " << n;
}

TEST_P(LanguageSet, SharedSlotsHoldTheSameTextInBothFiles) {
    std::vector<std::string> main = Fields("Caption." + Code());
    std::vector<std::string> compressor = Fields("VerbCapt." + Code());
    std::vector<std::string> program = Fields("TessaroCap." + Code());
    ASSERT_GE(main.size(), 199u);
    ASSERT_GE(compressor.size(), 12u);
    ASSERT_GE(program.size(), 40u);
    const std::array<std::pair<int, int>, 4> compressorSlots = {
        {{1, 10}, {169, 11}, {170, 12}, {199, 2}}};
    for (auto [mainEntry, compressorEntry] : compressorSlots) {
        EXPECT_NE(main[mainEntry - 1], "") << "main caption entry " << mainEntry;
        EXPECT_EQ(main[mainEntry - 1], compressor[compressorEntry - 1])
            << "main " << mainEntry << " and compressor " << compressorEntry;
    }
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(main[85 + k], program[37 + k]) << "main " << 86 + k << " and program " << 38 + k;
}

TEST_P(LanguageSet, OptionItemsDifferWithinTheirListAndHaveNoOuterBlanks) {
    CaptionTables tables = Loaded();
    std::vector<std::vector<std::string>> lists;
    for (const std::vector<int>& entries : kOptionLists) {
        std::vector<std::string> items;
        for (int n : entries)
            items.push_back(tables.Program(n));
        lists.push_back(items);
    }
    std::vector<std::string> winter = {tables.Program(33)};
    winter.insert(winter.end(), kWinterSetPoints.begin(), kWinterSetPoints.end());
    lists.push_back(winter);
    for (const std::vector<std::string>& items : lists) {
        std::set<std::string> distinct;
        for (const std::string& item : items) {
            EXPECT_EQ(item, Trimmed(item)) << "blanks around the item '" << item << "'";
            EXPECT_TRUE(distinct.insert(item).second) << "item '" << item << "' appears twice";
        }
    }
}

TEST_P(LanguageSet, HelpPanelTextsAndReportNotesFitTheirPlaces) {
    CaptionTables tables = Loaded();
    for (int n : test::kShownInfo) {
        size_t length = CharacterCount(tables.Info(n));
        if (n >= test::kFirstReportNote && n <= test::kLastReportNote) {
            EXPECT_LE(length, 95u) << "report note " << n << " is longer than a printed line";
        } else {
            EXPECT_LT(length, 280u) << "help text " << n << " is too long for the help panel";
        }
    }
}

TEST_P(LanguageSet, HelpFilesAreShownToTheirEnd) {
    for (const std::string& name : {"Simhelp." + Code(), "Simhelp2." + Code()}) {
        std::vector<std::string> fields = Fields(name);
        size_t textLength = 0;
        size_t lineBreaks = 0;
        for (size_t i = 0; i < fields.size(); ++i) {
            std::string field = Trimmed(fields[i]);
            // An empty field ends the help text: one in the middle would hide the rest.
            EXPECT_NE(field, "") << name << " field " << i + 1 << " ends the text early";
            if (field == "Z" || field == "z")
                ++lineBreaks;
            else
                textLength += CharacterCount(field);
        }
        EXPECT_GT(lineBreaks, 20u) << name;
        EXPECT_GT(textLength, 3000u) << name;
    }
}

TEST_P(LanguageSet, LanguageInformationFileFillsTheAboutMessage) {
    std::vector<std::string> fields = Fields(Code() + ".dat");
    ASSERT_GE(fields.size(), 6u);
    for (size_t i = 1; i < 6; ++i)
        EXPECT_NE(Trimmed(fields[i]), "") << "field " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageSet, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<std::string_view>& info) {
                             return std::string(info.param);
                         });

}  // namespace
}  // namespace tessaro
