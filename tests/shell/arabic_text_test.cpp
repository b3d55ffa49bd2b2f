// The Arabic language set holds its texts in logical order, the order in which they are read, so
// that the windows lay them out right to left with the bidirectional algorithm. A text stored in
// visual order (reversed for a display without that algorithm) would show backwards, and bidi
// control characters or joined letter shapes would tie a text to one particular display.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "shell/caption_tables.h"
#include "shell/working_dir.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

const std::vector<std::string> kCaptionFiles = {"Caption.ARA", "VerbCapt.ARA", "TessaroCap.ARA",
                                                "infoTXT.ARA"};
// Help texts and the about message; field 1 of the language information file is its code.
const std::vector<std::string> kTextFiles = {"Simhelp.ARA", "Simhelp2.ARA", "ARA.dat"};

// The code points of a UTF-8 text (the files decode from Windows-1256 into valid UTF-8).
std::u32string CodePoints(std::string_view utf8) {
    std::u32string text;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (size_t k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        text.push_back(c);
        i += length;
    }
    return text;
}

bool IsArabicLetter(char32_t c) {
    return (c >= 0x0621 && c <= 0x063A) || (c >= 0x0641 && c <= 0x064A) ||
           (c >= 0x0671 && c <= 0x06D3);
}

bool IsLatinLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Marks, embeddings, overrides and isolates that steer the bidirectional layout by hand.
bool IsBidiControl(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// Arabic presentation forms A and B (letters already joined into their shapes) and what lies
// between them.
bool IsPresentationForm(char32_t c) {
    return c >= 0xFB50 && c <= 0xFEFF;
}

// The fields of one file of the shipped set as the program reads them, as code points.
std::vector<std::u32string> Fields(const std::string& name) {
    std::vector<std::string> fields;
    EXPECT_TRUE(ReadLanguageFields(WorkingDir(test::DataDir()), name, "ARA", fields)) << name;
    std::vector<std::u32string> texts;
    for (const std::string& field : fields)
        texts.push_back(CodePoints(field));
    return texts;
}

// The shown lines of a help or language information file: no "Z" breaks, no language code.
std::vector<std::u32string> ShownLines(const std::string& name) {
    std::vector<std::u32string> lines = Fields(name);
    if (name == "ARA.dat" && !lines.empty())
        lines.erase(lines.begin());
    std::erase_if(lines, [](const std::u32string& line) { return line == U"Z" || line.empty(); });
    return lines;
}

// The first letter decides the direction of a paragraph laid out without a fixed direction.
char32_t FirstLetter(const std::u32string& text) {
    auto letter = std::find_if(text.begin(), text.end(),
                               [](char32_t c) { return IsArabicLetter(c) || IsLatinLetter(c); });
    return letter == text.end() ? 0 : *letter;
}

// Most Arabic nouns of these texts carry the article al- (alef, lam) at the start of the word;
// in reversed text it shows as lam, alef at the end of the word.
struct ArticlePlaces {
    int atWordStart = 0;
    int atWordEnd = 0;
};

ArticlePlaces CountArticles(const std::vector<std::u32string>& texts) {
    ArticlePlaces places;
    for (const std::u32string& text : texts) {
        auto begin = text.begin();
        while ((begin = std::find_if(begin, text.end(), IsArabicLetter)) != text.end()) {
            auto end = std::find_if_not(begin, text.end(), IsArabicLetter);
            std::u32string word(begin, end);
            places.atWordStart += word.size() > 2 && word.starts_with(U"\u0627\u0644");
            places.atWordEnd += word.size() > 2 && word.ends_with(U"\u0644\u0627");
            begin = end;
        }
    }
    return places;
}

std::vector<std::u32string> AllCaptionFields() {
    std::vector<std::u32string> all;
    for (const std::string& name : kCaptionFiles) {
        std::vector<std::u32string> fields = Fields(name);
        all.insert(all.end(), fields.begin(), fields.end());
    }
    return all;
}

TEST(ArabicText, EveryCaptionEntryBeginsWithAnArabicLetter) {
    for (const std::string& name : kCaptionFiles) {
        int filled = 0;
        std::vector<std::u32string> fields = Fields(name);
        for (size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].empty())
                continue;
            ++filled;
            EXPECT_TRUE(IsArabicLetter(fields[i].front())) << name << " entry " << i + 1;
        }
        EXPECT_GT(filled, 0) << name;
    }
}

TEST(ArabicText, HelpLinesAndAboutFieldsReadRightToLeft) {
    for (const std::string& name : kTextFiles) {
        std::vector<std::u32string> lines = ShownLines(name);
        EXPECT_GT(lines.size(), 3u) << name;
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_TRUE(IsArabicLetter(FirstLetter(lines[i]))) << name << " shown line " << i + 1;
    }
}

TEST(ArabicText, TheArticleStandsAtTheStartOfWords) {
    std::vector<std::u32string> texts = AllCaptionFields();
    for (const std::string& name : kTextFiles) {
        std::vector<std::u32string> lines = ShownLines(name);
        texts.insert(texts.end(), lines.begin(), lines.end());
    }
    ArticlePlaces places = CountArticles(texts);
    EXPECT_GT(places.atWordStart, 200);
    EXPECT_LT(places.atWordEnd * 5, places.atWordStart);
}

TEST(ArabicText, NoTextHoldsBidiControlsOrPresentationForms) {
    std::vector<std::string> names = kCaptionFiles;
    names.insert(names.end(), kTextFiles.begin(), kTextFiles.end());
    for (const std::string& name : names) {
        std::vector<std::u32string> fields = Fields(name);
        for (size_t i = 0; i < fields.size(); ++i) {
            EXPECT_TRUE(std::none_of(fields[i].begin(), fields[i].end(), IsBidiControl))
                << name << " field " << i + 1;
            EXPECT_TRUE(std::none_of(fields[i].begin(), fields[i].end(), IsPresentationForm))
                << name << " field " << i + 1;
        }
    }
}

// The checks above tell a visually reversed copy of the same texts apart from the shipped one.
TEST(ArabicText, AVisuallyReversedCopyFailsTheChecks) {
    std::vector<std::u32string> reversed = AllCaptionFields();
    for (std::u32string& text : reversed)
        std::reverse(text.begin(), text.end());
    bool someEntryStartsOtherwise = std::any_of(
        reversed.begin(), reversed.end(),
        [](const std::u32string& text) { return !text.empty() && !IsArabicLetter(text.front()); });
    EXPECT_TRUE(someEntryStartsOtherwise);
    ArticlePlaces places = CountArticles(reversed);
    EXPECT_GT(places.atWordEnd, places.atWordStart * 5);
}

}  // namespace
}  // namespace tessaro
