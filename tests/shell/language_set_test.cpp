// The language sets in data/, all sixteen: each caption file has exactly the field count of its
// table, every file is written in its language's code page with CR LF line ends, every entry the
// program shows holds a text that fits its place, shared slots agree, list items can be told
// apart, help files run to their end. The Arabic set stores its texts in logical order.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/caption_tables.h"
#include "shell/code_page.h"
#include "shell/help_text.h"
#include "shell/text.h"
#include "shell/working_dir.h"
#include "shown_entries.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

constexpr std::array<std::string_view, 16> kLanguages = {"GER", "ENG", "FRA", "ESP", "NDL", "ITA",
                                                         "POR", "SWE", "RUS", "POL", "TRK", "ROM",
                                                         "GRE", "HUN", "BUL", "ARA"};

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
// The winter set point list: program entry 33 ("none"), then these fixed items.
const std::vector<std::string> kWinterSetPoints = {"43 °C", "38 °C", "35 °C",
                                                   "32 °C", "28 °C", "25 °C"};

std::string Trimmed(std::string_view text) {
    const size_t begin = text.find_first_not_of(' ');
    return begin == std::string_view::npos
               ? ""
               : std::string(text.substr(begin, text.find_last_not_of(' ') - begin + 1));
}

// The code points of UTF-8 text, or nothing when the bytes are not valid UTF-8 (as an 8-bit text
// with letters beyond ASCII practically never is).
std::optional<std::u32string> CodePoints(std::string_view bytes) {
    std::u32string text;
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int ones = std::countl_one(lead);  // 0 for ASCII, else the length of the sequence
        const size_t length = std::max(ones, 1);
        if (ones == 1 || ones > 4 || i + length > bytes.size())
            return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        text.push_back(c);
        i += length;
    }
    return text;
}

// A character no text may hold: a replacement character; a control character other than CR and
// LF (C1 controls are what undefined code-page bytes decode to); a mark, embedding, override or
// isolate that steers the bidirectional layout by hand; an Arabic presentation form (a letter
// already joined into its shape) or what lies between the two blocks of them.
bool IsStray(char32_t c) {
    return c == 0xFFFD || (c < 0x20 && c != '\r' && c != '\n') || (c >= 0x7F && c < 0xA0) ||
           c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || (c >= 0xFB50 && c <= 0xFEFF);
}

// Every line ends with CR LF, and there is no CR or LF elsewhere.
bool HasCrLfLines(const std::string& bytes) {
    long pairs = 0;
    for (size_t i = bytes.find("\r\n"); i != std::string::npos; i = bytes.find("\r\n", i + 2))
        ++pairs;
    return bytes.ends_with("\r\n") && pairs == std::ranges::count(bytes, '\r') &&
           pairs == std::ranges::count(bytes, '\n');
}

// The fields of a file of the shipped set as the program reads them (code page, field syntax).
std::vector<std::string> Fields(std::string_view code, const std::string& name) {
    std::vector<std::string> fields;
    EXPECT_TRUE(ReadLanguageFields(WorkingDir(test::DataDir()), name, code, fields)) << name;
    return fields;
}

class LanguageSet : public ::testing::TestWithParam<std::string_view> {
  protected:
    const std::string code{GetParam()};
};

// A caption file holds exactly the fields of its table; help and language information files
// (count 0) have no fixed count.
TEST_P(LanguageSet, FilesHoldTheirFieldsInTheLanguagesCodePageWithCrLfLines) {
    const std::array<std::pair<std::string, size_t>, 7> files = {
        {{"Caption." + code, CaptionTables::kMainEntries},
         {"VerbCapt." + code, CaptionTables::kCompressorEntries},
         {"TessaroCap." + code, CaptionTables::kProgramEntries},
         {"infoTXT." + code, CaptionTables::kInfoEntries},
         {"Simhelp." + code, 0},
         {"Simhelp2." + code, 0},
         {code + ".dat", 0}}};
    for (const auto& [name, count] : files) {
        const std::string bytes = WorkingDir(test::DataDir()).ReadBytes(name).value_or("");
        EXPECT_TRUE(HasCrLfLines(bytes)) << name;
        const bool ascii = std::ranges::all_of(bytes, [](unsigned char c) { return c < 0x80; });
        EXPECT_TRUE(ascii || !CodePoints(bytes))
            << name << " is UTF-8, not the language's code page";
        const std::u32string text =
            CodePoints(DecodeText(bytes, CodePageOfLanguage(code))).value_or(U"\uFFFD");
        EXPECT_TRUE(std::ranges::none_of(text, IsStray)) << name;
        if (count > 0) {
            EXPECT_EQ(Fields(code, name).size(), count) << name;
        }
    }
}

TEST_P(LanguageSet, ShownEntriesHoldTextsThatFitTheirPlaceAndListItemsDiffer) {
    CaptionTables tables;
    LoadAllCaptions(WorkingDir(test::DataDir()), code, tables);
    LoadInfoTexts(WorkingDir(test::DataDir()), code, tables);
    for (int n : test::kShownMain)
        EXPECT_NE(Trimmed(tables.Main(n)), "") << "main caption entry " << n;
    for (int n : test::kShownProgram)
        EXPECT_NE(Trimmed(tables.Program(n)), "") << "program caption entry " << n;
    for (int n : test::kShownInfo) {
        EXPECT_NE(Trimmed(tables.Info(n)), "") << "info text entry " << n;
        const size_t length = CodePoints(tables.Info(n)).value_or(U"").size();
        if (n >= test::kFirstReportNote && n <= test::kLastReportNote)
            EXPECT_LE(length, 95u) << "report note " << n << " is longer than a printed line";
        else
            EXPECT_LT(length, 280u) << "help text " << n << " is too long for the help panel";
    }
    std::vector<std::vector<std::string>> lists = {{tables.Program(33)}};
    lists[0].insert(lists[0].end(), kWinterSetPoints.begin(), kWinterSetPoints.end());
    for (const std::vector<int>& entries : kOptionLists) {
        lists.emplace_back();
        for (int n : entries)
            lists.back().push_back(tables.Program(n));
    }
    for (const std::vector<std::string>& items : lists) {
        std::set<std::string> distinct;
        for (const std::string& item : items) {
            EXPECT_EQ(item, Trimmed(item)) << "blanks around the item '" << item << "'";
            EXPECT_TRUE(distinct.insert(item).second) << "item '" << item << "' appears twice";
        }
    }
}

// Main entries 1, 169, 170 and 199 are compressor entries 10, 11, 12 and 2; main entries 86 to
// 88 are program entries 38 to 40. Whichever file is read last fills the slot.
TEST_P(LanguageSet, SharedSlotsHoldTheSameTextInBothFiles) {
    const std::vector<std::string> main = Fields(code, "Caption." + code);
    const std::vector<std::string> compressor = Fields(code, "VerbCapt." + code);
    const std::vector<std::string> program = Fields(code, "TessaroCap." + code);
    ASSERT_TRUE(main.size() >= 199 && compressor.size() >= 12 && program.size() >= 40);
    for (auto [m, c] :
         std::initializer_list<std::pair<int, int>>{{1, 10}, {169, 11}, {170, 12}, {199, 2}}) {
        EXPECT_NE(main[m - 1], "") << "main caption entry " << m;
        EXPECT_EQ(main[m - 1], compressor[c - 1]) << "main " << m << " and compressor " << c;
    }
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(main[85 + k], program[37 + k]) << "main " << 86 + k << " and program " << 38 + k;
}

// An empty field ends a help text, so one in the middle would hide the rest; "Z" breaks a line.
// The about message shows fields 2 to 6 of the language information file.
TEST_P(LanguageSet, HelpFilesRunToTheirEndAndTheAboutMessageIsFilled) {
    for (const std::string& name : {"Simhelp." + code, "Simhelp2." + code}) {
        const std::vector<std::string> fields = Fields(code, name);
        size_t lineBreaks = 0;
        size_t textLength = 0;
        for (size_t i = 0; i < fields.size(); ++i) {
            const std::string field = Trimmed(fields[i]);
            EXPECT_NE(field, "") << name << " field " << i + 1 << " ends the text early";
            lineBreaks += field == "Z" || field == "z";
            textLength += CodePoints(field).value_or(U"").size();
        }
        EXPECT_GT(lineBreaks, 20u) << name;
        EXPECT_GT(textLength, 3000u) << name;
        // One field per line: an unquoted line with a comma would lose the comma and what follows.
        const std::string bytes = WorkingDir(test::DataDir()).ReadBytes(name).value_or("");
        EXPECT_EQ(fields.size(), static_cast<size_t>(std::ranges::count(bytes, '\n'))) << name;
        EXPECT_GT(CharacterCount(LoadHelpText(WorkingDir(test::DataDir()), name, code)), 2000u)
            << name;
    }
    const std::vector<std::string> about = Fields(code, code + ".dat");
    ASSERT_GE(about.size(), 6u);
    for (size_t i = 1; i < 6; ++i)
        EXPECT_NE(Trimmed(about[i]), "") << code << ".dat field " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageSet, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<std::string_view>& info) {
                             return std::string(info.param);
                         });

// A language whose code page is not Windows-1252: the letters that only that code page holds, as
// a block of code points or a list.
struct Script {
    std::string_view code;
    char32_t first = 0, last = 0;
    std::u32string_view letters;

    bool Holds(char32_t c) const {
        return (c >= first && c <= last) || letters.find(c) != std::u32string_view::npos;
    }
};

const Script kScripts[] = {
    {"RUS", 0x0400, 0x04FF, U""}, {"BUL", 0x0400, 0x04FF, U""}, {"GRE", 0x0370, 0x03FF, U""},
    {"ARA", 0x0600, 0x06FF, U""}, {"TRK", 0, 0, U"ğĞıİşŞ"},     {"POL", 0, 0, U"ąĄćĆęĘłŁńŃśŚźŹżŻ"},
    {"HUN", 0, 0, U"őŐűŰ"},       {"ROM", 0, 0, U"ăĂşŞţŢ"},
};

void PrintTo(const Script& script, std::ostream* out) {
    *out << script.code;
}

// A letter of the Cyrillic, Greek or Arabic block.
bool IsNonLatinLetter(char32_t c) {
    return (c >= 0x0370 && c <= 0x04FF) || (c >= 0x0600 && c <= 0x06FF);
}

// Every entry of the caption and info tables and both help texts of a language, loaded as the
// program loads them.
std::string LoadedTexts(std::string_view code) {
    CaptionTables tables;
    const WorkingDir data(test::DataDir());
    LoadAllCaptions(data, code, tables);
    LoadInfoTexts(data, code, tables);
    std::string all;
    for (int n = 1; n <= CaptionTables::kMainEntries; ++n)
        all += tables.Main(n) + "\n";
    for (int n = 1; n <= CaptionTables::kCompressorEntries; ++n)
        all += tables.Compressor(n) + "\n";
    for (int n = 1; n <= CaptionTables::kProgramEntries; ++n)
        all += tables.Program(n) + "\n";
    for (int n = 1; n <= CaptionTables::kInfoEntries; ++n)
        all += tables.Info(n) + "\n";
    for (int context : {0, 1})
        all += LoadHelpText(data, HelpFileName(code, context), code) + "\n";
    return all;
}

class ScriptOfLanguageSet : public ::testing::TestWithParam<Script> {};

// The loader decodes a set in its language's code page, whatever the letter case of the code:
// the texts hold letters of the language's script and none of another one. The same bytes read
// as Windows-1252 hold none of those letters.
TEST_P(ScriptOfLanguageSet, TextsHoldLettersOfTheirScriptInAnyLetterCaseOfTheCode) {
    const Script& script = GetParam();
    const std::u32string text = CodePoints(LoadedTexts(script.code)).value_or(U"");
    const auto own = [&script](char32_t c) { return script.Holds(c); };
    const auto foreign = [&script](char32_t c) { return IsNonLatinLetter(c) && !script.Holds(c); };
    EXPECT_GE(std::ranges::count_if(text, own), 20);
    EXPECT_EQ(std::ranges::count_if(text, foreign), 0);

    const std::string lower = LowerAscii(script.code);
    EXPECT_EQ(LoadedTexts(lower), LoadedTexts(script.code)) << lower;

    const std::string bytes =
        WorkingDir(test::DataDir()).ReadBytes("Caption." + std::string(script.code)).value_or("");
    const std::u32string misread =
        CodePoints(DecodeText(bytes, CodePage::Windows1252)).value_or(U"");
    EXPECT_EQ(std::ranges::count_if(misread, own), 0);
}

INSTANTIATE_TEST_SUITE_P(CodePages, ScriptOfLanguageSet, ::testing::ValuesIn(kScripts),
                         [](const ::testing::TestParamInfo<Script>& info) {
                             return std::string(info.param.code);
                         });

bool IsArabicLetter(char32_t c) {
    return (c >= 0x0621 && c <= 0x063A) || (c >= 0x0641 && c <= 0x064A) ||
           (c >= 0x0671 && c <= 0x06D3);
}

// The fields of Arabic files as code points, without the language code that opens ARA.dat.
std::vector<std::u32string> ArabicTexts(std::initializer_list<const char*> names) {
    std::vector<std::u32string> texts;
    for (const char* name : names) {
        for (const std::string& field : Fields("ARA", name)) {
            if (field != "ARA")
                texts.push_back(CodePoints(field).value_or(U""));
        }
    }
    return texts;
}

// Whether every text begins with an Arabic letter; with firstLetter, whether its first letter
// (Arabic or Latin, after numbers or signs) is Arabic, which sets the direction of a paragraph.
bool LeadWithArabicLetters(const std::vector<std::u32string>& texts, bool firstLetter) {
    return std::ranges::all_of(texts, [&](const std::u32string& text) {
        auto lead = !firstLetter ? text.begin() : std::ranges::find_if(text, [](char32_t c) {
            return IsArabicLetter(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        });
        return text.empty() || text == U"Z" || (lead != text.end() && IsArabicLetter(*lead));
    });
}

// Most nouns carry the article al- (alef, lam) at the start of the word; in reversed text it
// shows as lam, alef at the end of the word.
bool ArticlesStartTheirWords(const std::vector<std::u32string>& texts) {
    int atStart = 0;
    int atEnd = 0;
    for (const std::u32string& t : texts) {
        for (size_t i = 0; i + 2 < t.size(); ++i) {
            atStart += (i == 0 || !IsArabicLetter(t[i - 1])) && t[i] == U'\u0627' &&
                       t[i + 1] == U'\u0644' && IsArabicLetter(t[i + 2]);
            atEnd += IsArabicLetter(t[i]) && t[i + 1] == U'\u0644' && t[i + 2] == U'\u0627' &&
                     (i + 3 == t.size() || !IsArabicLetter(t[i + 3]));
        }
    }
    return atStart > 200 && atEnd * 5 < atStart;
}

// The windows lay Arabic out right to left with the bidirectional algorithm, so the texts are
// stored in the order in which they are read; a copy reversed for a display without that
// algorithm would show backwards, and the checks tell it apart.
TEST(ArabicSet, TextsAreStoredInTheOrderInWhichTheyAreRead) {
    std::vector<std::u32string> captions =
        ArabicTexts({"Caption.ARA", "VerbCapt.ARA", "TessaroCap.ARA", "infoTXT.ARA"});
    std::vector<std::u32string> all = ArabicTexts({"Simhelp.ARA", "Simhelp2.ARA", "ARA.dat"});
    EXPECT_TRUE(LeadWithArabicLetters(captions, false));
    EXPECT_TRUE(LeadWithArabicLetters(all, true));
    all.insert(all.end(), captions.begin(), captions.end());
    EXPECT_TRUE(ArticlesStartTheirWords(all));
    for (std::u32string& text : captions)
        std::ranges::reverse(text);
    for (std::u32string& text : all)
        std::ranges::reverse(text);
    EXPECT_FALSE(LeadWithArabicLetters(captions, false));
    EXPECT_FALSE(ArticlesStartTheirWords(all));
}

}  // namespace
}  // namespace tessaro
