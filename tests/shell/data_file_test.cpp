// The field syntax of the data files, the number texts, the working folder's file access and the
// code pages.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>

#include "shell/code_page.h"
#include "shell/field_reader.h"
#include "shell/field_writer.h"
#include "shell/number_text.h"
#include "shell/text.h"
#include "shell/working_dir.h"
#include "support/hostile_files.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;
using Fields = std::vector<std::string>;

// Quoted fields keep commas and blanks and may run across a line end (an unclosed one to the end);
// unquoted fields end at a comma or a line end and lose their spaces (only spaces). An empty field
// at the start, in the middle or at the end of a line is a field of its own.
TEST(FieldReader, SplitsTextOfEveryShapeIntoFields) {
    const std::pair<std::string_view, Fields> cases[] = {
        {"one, two\r\n\"three, four\"\r\n", {"one", "two", "three, four"}},
        {"  padded   \nnext", {"padded", "next"}},
        {"\"  kept  \" trailing junk,after", {"  kept  ", "after"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a,,b", {"a", "", "b"}},
        {",a,b", {"", "a", "b"}},
        {"a,\r\nb", {"a", "", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"x\r\n   ", {"x"}},
        {"", {}},
        {"\ttab\t", {"\ttab\t"}},
        {"\"two\r\nlines\",x", {"two\r\nlines", "x"}},
        {"\"never closed, at all", {"never closed, at all"}},
    };
    for (const auto& [text, fields] : cases) {
        FieldReader reader(text);
        Fields read;
        while (auto field = reader.Next())
            read.push_back(field->text);
        EXPECT_EQ(read, fields) << text;
    }
    FieldReader reader("\"\",\"a,b\",3\r\n4,,5\nlast");
    for (const Fields& line :
         {Fields{"", "a,b", "3"}, Fields{"4", "", "5"}, Fields{"last"}, Fields{}})
        EXPECT_EQ(reader.NextLine(), line);
}

// A number field is one number and nothing else (blank is 0); an integer field takes a number
// rounded to the nearest whole one, halves to even, within -32768..32767.
TEST(FieldReader, NumberAndIntegerFieldsOfEveryShape) {
    // clang-format off
    const std::pair<std::string_view, std::optional<double>> numbers[] = {
        {" .25 ", 0.25}, {"-3", -3}, {"", 0}, {"   ", 0}, {"\t7\t", 7}, {"abc", {}}, {"12 kW", {}},
        {"1,5", {}}, {"1.5.", {}}, {"1e999", {}}, {"2E3", 2000}, {"+4", 4}, {"-", {}}, {".", {}}};
    const std::pair<std::string_view, std::optional<int>> integers[] = {
        {"77", 77}, {"2.5", 2}, {"3.5", 4}, {"2.6", 3}, {"2.4", 2}, {"-2.6", -3}, {"-2.5", -2},
        {"0.5", 0}, {"32767", 32767}, {"32767.4", 32767}, {"32767.5", {}}, {"32768", {}},
        {"-32768", -32768}, {"-32768.5", -32768}, {"-32769", {}}, {"", 0}, {"x", {}}, {"1,5", {}}};
    // clang-format on
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(FieldNumber(text), value) << text;
    for (const auto& [text, value] : integers)
        EXPECT_EQ(FieldInteger(text), value) << text;
}

TEST(FieldWriter, WritesTheFormTheReaderTakesBack) {
    FieldWriter w;
    w.Text("a, b").Integer(-7).Number(0.25).Number(-0.0).Text("say \"hi\"").EndLine();
    w.Number(1e-7).Text("").EndLine();
    EXPECT_EQ(w.Content(), "\"a, b\",-7,0.25,0,\"say ''hi''\"\r\n1e-07,\"\"\r\n");
    FieldReader reader(w.Content());
    EXPECT_EQ(reader.NextLine(), (Fields{"a, b", "-7", "0.25", "0", "say ''hi''"}));
    EXPECT_EQ(FieldNumber(reader.NextLine().at(0)).value(), 1e-7);
}

mode_t ModeOf(const fs::path& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode;
}

size_t FilesIn(const fs::path& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// Names match in any letter case; a bounded read gives the first bytes; a read-only file is made
// writable and replaced whole, without a temporary file left; a failed write keeps the old file;
// a range replaced keeps the rest of a file (larger than a piece of the copy) and fills a short
// one with zeros.
TEST(WorkingDir, ReadsAndReplacesFilesInAnyLetterCase) {
    test::TempDir temp;
    temp.Write("CAPTION.ndl", "0123456789");
    const WorkingDir dir(temp.Path());
    EXPECT_TRUE(dir.Exists("Caption.NDL"));
    EXPECT_EQ(
        dir.ReadBytes("caption.ndl", 4).value() + "|" + dir.ReadBytes("caption.ndl", 0).value(),
        "0123|");
    EXPECT_EQ(dir.ReadBytes("Caption.Ndl", 10).value(), "0123456789");
    EXPECT_FALSE(dir.ReadBytes("Caption.ITA").has_value());
    EXPECT_FALSE(dir.MakeWritable("missing.dat"));
    ::chmod((temp.Path() / "CAPTION.ndl").c_str(), 0444);
    ASSERT_TRUE(dir.OpenForReplace("Caption.NDL", "new"));
    EXPECT_EQ(temp.Read("CAPTION.ndl"), "new");
    EXPECT_TRUE(ModeOf(temp.Path() / "CAPTION.ndl") & S_IWUSR);
    EXPECT_FALSE(WorkingDir(temp.Path() / "no-such-folder").OpenForReplace("x.dat", "x"));

    EXPECT_FALSE(dir.ReplaceRange("missing.rdm", 0, "x"));
    std::string big(3 << 20, 'a');
    big.back() = 'z';
    temp.Write("BIGN.rdm", big);
    ::chmod((temp.Path() / "BIGN.rdm").c_str(), 0444);
    ASSERT_TRUE(dir.ReplaceRange("bign.RDM", 100000, "stamp"));
    EXPECT_EQ(temp.Read("BIGN.rdm"), std::string(big).replace(100000, 5, "stamp"));
    temp.Write("short.rdm", "ab");
    ASSERT_TRUE(dir.ReplaceRange("short.rdm", 5, "cd"));
    EXPECT_EQ(temp.Read("short.rdm"), std::string("ab\0\0\0cd", 7));
    EXPECT_EQ(FilesIn(temp.Path()), 3u) << "no temporary file left";
}

// A write clears away the temporary files that killed writes left beside the file, by the clock:
// those older than a minute go; younger ones (a write under way in another run) and other names
// stay.
TEST(WorkingDir, AWriteRemovesOnlyTemporariesOlderThanAMinute) {
    test::TempDir temp;
    const auto now = fs::file_time_type::clock::now();
    const std::pair<const char*, std::chrono::seconds> files[] = {
        {"kparam.dat.tmp-aaaaaa", std::chrono::seconds(0)},
        {"kparam.dat.tmp-bbbbbb", std::chrono::seconds(50)},
        {"kparam.dat.tmp-cccccc", std::chrono::seconds(70)},
        {"kparam.dat.tmp-dddddd", std::chrono::hours(48)},
        {"kparam.dat.tmp-eeeeeee", std::chrono::hours(48)},
        {"energk.dat.tmp-ffffff", std::chrono::hours(48)}};
    for (const auto& [name, age] : files) {
        temp.Write(name, "half");
        fs::last_write_time(temp.Path() / name, now - age);
    }
    ASSERT_TRUE(WorkingDir(temp.Path()).OpenForReplace("kparam.dat", "new"));
    std::string left;
    for (const auto& [name, age] : files)
        left += temp.Exists(name) ? std::string(name).substr(15) + " " : "";
    EXPECT_EQ(left, "aaaaaa bbbbbb eeeeeee ffffff ");
}

// Only a regular file of a plain name is read, made writable or replaced, and nothing is waited
// on. At the edges of a plain name: a blank (the first character after the controls) and a
// no-break space (the first after the C1 controls) count, the last control characters do not.
TEST(WorkingDir, OnlyRegularFilesOfPlainNamesAreReadOrWritten) {
    test::TempDir temp;
    fs::create_directories(temp.Path() / "work" / "sub");
    temp.Write("outside.dat", "outside");
    temp.Write("work/sub/inside.dat", "inside");
    temp.Write("work/ab", "ab");
    const WorkingDir dir(temp.Path() / "work");
    using namespace std::string_literals;
    std::vector<std::string> names = {"../outside.dat"s, "sub/inside.dat"s, "ab\0cd"s,
                                      (temp.Path() / "outside.dat").string()};
    for (test::OddFile odd : test::kOddFiles) {
        names.push_back("odd" + std::to_string(names.size()) + ".dat");
        ASSERT_TRUE(test::PutOddFile(odd, temp.Path() / "work" / names.back()))
            << test::Describe(odd);
    }
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        ASSERT_EQ(test::EndsWithinBounds([&] {
                      dir.ReadBytes(name);
                      dir.OpenForReplace(name, "new");
                  }),
                  "");
        EXPECT_FALSE(dir.Exists(name) || dir.ReadBytes(name) || dir.ReadBytes(name, 100) ||
                     dir.MakeWritable(name) || dir.OpenForReplace(name, "new") ||
                     dir.ReplaceRange(name, 0, "new") ||
                     dir.WithWritesHeld().OpenForReplace(name, "new"));
    }
    EXPECT_EQ(temp.Read("outside.dat") + temp.Read("work/sub/inside.dat") + temp.Read("work/ab"),
              "outsideinsideab");
    for (std::string_view name : {"Caption.GER", "KÜHLKAT", "a b.c", ".x", "a\u00A0b", "a~b"})
        EXPECT_TRUE(WorkingDir::IsPlainFileName(name)) << name;
    for (const std::string& name : {""s, "."s, ".."s, "a/b"s, "a\\b"s, "x..y"s, "tab\there"s,
                                    "us\x1Fx"s, "del\x7F"s, "c1\u0080"s, "c1\u009F"s}) {
        EXPECT_FALSE(WorkingDir::IsPlainFileName(name)) << name;
    }
}

// Every language's code page, whatever the letter case of its code, shown by a letter that only
// that code page holds at that byte.
TEST(CodePage, EveryLanguageReadsAndWritesInItsCodePage) {
    // clang-format off
    const std::pair<const char*, const char*> languages[] = {
        {"ARA", "\xD6=ض"}, {"BUL", "\xD6=Ц"}, {"RUS", "\xD6=Ц"}, {"GRE", "\xD6=Φ"},
        {"TRK", "\xDE=Ş"}, {"POL", "\xD5=Ő"}, {"HUN", "\xD5=Ő"}, {"ROM", "\xD5=Ő"},
        {"ENG", "\xD5=Õ"}, {"GER", "\xD5=Õ"}, {"FRA", "\xD5=Õ"}, {"ESP", "\xD5=Õ"},
        {"NDL", "\xD5=Õ"}, {"ITA", "\xD5=Õ"}, {"POR", "\xD5=Õ"}, {"SWE", "\xD5=Õ"},
        {"XYZ", "\xD5=Õ"}, {"", "\xD5=Õ"}};
    // clang-format on
    for (const auto& [code, pair] : languages) {
        for (const std::string& spelled : {std::string(code), LowerAscii(code)}) {
            const CodePage page = CodePageOfLanguage(spelled);
            EXPECT_EQ(DecodeText(std::string(pair, 1), page), pair + 2) << spelled;
            EXPECT_EQ(EncodeText(pair + 2, page), std::string(pair, 1)) << spelled;
        }
    }
}

// Texts survive a round trip through each code page; a byte the code page leaves undefined reads
// as the character of the same number and is written back as that byte; a character the code page
// lacks, of any length in UTF-8, is written as "?".
TEST(CodePage, TextsSurviveARoundTripAndMissingCharactersWriteAsQuestionMarks) {
    const std::tuple<CodePage, std::string, std::string> cases[] = {
        {CodePage::Windows1252, "Verflüssiger 35 °C §$&",
         "Verfl\xFCssiger 35 \xB0"
         "C \xA7$&"},
        {CodePage::Windows1251, "Испаритель", "\xC8\xF1\xEF\xE0\xF0\xE8\xF2\xE5\xEB\xFC"},
        {CodePage::Windows1253, "Συμπιεστής", "\xD3\xF5\xEC\xF0\xE9\xE5\xF3\xF4\xDE\xF2"},
        {CodePage::Windows1250, "Sprężarka",
         "Spr\xEA\xBF"
         "arka"},
        {CodePage::Windows1254, "Kompresör ş", "Kompres\xF6r \xFE"},
        {CodePage::Windows1256, "ضاغط", "\xD6\xC7\xDB\xD8"},
        {CodePage::Dos850, "Kälte ÿ", "K\x84lte \x98"},
        {CodePage::Windows1252, "plain ~\x7F", "plain ~\x7F"},
        {CodePage::Windows1252, "a\u0081z", "a\x81z"},
        {CodePage::Windows1251, "\u0098", "\x98"},
    };
    for (const auto& [page, utf8, bytes] : cases) {
        EXPECT_EQ(EncodeText(utf8, page), bytes) << utf8;
        EXPECT_EQ(DecodeText(bytes, page), utf8) << utf8;
    }
    EXPECT_EQ(EncodeText("Ω and €", CodePage::Windows1252), "? and \x80");
    EXPECT_EQ(EncodeText("Ж\u00A0ü𝄞x", CodePage::Windows1251), "\xC6\xA0??x");
    EXPECT_EQ(EncodeText("\u0081", CodePage::Windows1251), "?");
}

// The plain prefix stops at anything that is no part of a number, skipping blanks, tabs and line
// feeds wherever they stand (a carriage return ends it) and reading an exponent only when digits
// follow the letter. The comma conversion takes the first comma as the point, only without one.
TEST(NumberConversions, ReadTheNumberAtTheStartOfTheText) {
    // clang-format off
    // The text, its plain numeric prefix and its decimal-comma conversion.
    const std::tuple<std::string_view, double, double> cases[] = {
        {"12,5", 12, 12.5}, {"12.5 kW", 12.5, 12.5}, {"-60.5", -60.5, -60.5}, {"+7", 7, 7},
        {".5", 0.5, 0.5}, {"-.5", -0.5, -0.5}, {"5.", 5, 5}, {"1.2.3", 1.2, 1.2}, {"abc", 0, 0},
        {"", 0, 0}, {"-", 0, 0}, {".", 0, 0}, {"35 °C", 35, 35}, {"1 2,5", 12, 12.5},
        {"  -\t4\n2", -42, -42}, {"4\r2", 4, 4}, {"1E3", 1000, 1000}, {"2.5e-1", 0.25, 0.25},
        {"1e+2x", 100, 100}, {"7E", 7, 7}, {"7E+", 7, 7}, {"7Ex5", 7, 7}, {"1e-400", 0, 0},
        {"0,25", 0, 0.25}, {" 12, 5", 12, 12.5}, {"1,5,7", 1, 1.5}, {"0,0", 0, 0},
        {"1.000,5", 1, 1}, {",5", 0, 0.5}, {"   ", 0, 0}, {"-3,5", -3, -3.5}};
    // clang-format on
    for (const auto& [text, plain, comma] : cases) {
        EXPECT_EQ(std::pair(PlainNumericPrefix(text).value(), DecimalCommaConversion(text).value()),
                  std::pair(plain, comma))
            << text;
    }
    EXPECT_FALSE(PlainNumericPrefix("1e400").has_value());
    EXPECT_FALSE(DecimalCommaConversion("-2e999").has_value());
}

// Both texts are written the same whatever the user's decimal separator is, apart from the one
// character that the plain number text takes from it.
class NumberTextBySeparator : public ::testing::TestWithParam<char> {};

TEST_P(NumberTextBySeparator, PlainTextIsShortestWithTheSystemSeparatorSignPlaceTextUsesAPoint) {
    const char sep = GetParam();
    // clang-format off
    const std::pair<double, std::string> plain[] = {
        {12.5, "12.5"}, {-11.6, "-11.6"}, {32 + 14.4, "46.4"}, {-10 + 8 - 9.6, "-11.6"}, {3, "3"},
        {-0.0, "0"}, {0.5, "0.5"}, {1.0 / 3.0, "0.333333333333333"}, {1e20, "1e+20"}};
    const std::pair<double, const char*> signPlace[] = {{8, " 8"}, {0.5, " .5"}, {-0.5, "-.5"},
        {-60, "-60"}, {0, " 0"}, {-0.0, " 0"}, {34.4, " 34.4"}, {123456, " 123456"}};
    // clang-format on
    for (auto [value, text] : plain) {
        std::replace(text.begin(), text.end(), '.', sep);
        EXPECT_EQ(PlainNumberText(value, sep), text) << value;
    }
    for (auto [value, text] : signPlace)
        EXPECT_EQ(SignPlaceNumberText(value), text) << value;

    const std::string text = PlainNumberText(12.5, sep);
    EXPECT_EQ(DecimalCommaConversion(text).value(), 12.5);
    EXPECT_EQ(PlainNumericPrefix(text).value(), sep == ',' ? 12 : 12.5);
    EXPECT_EQ(DecimalCommaConversion(SignPlaceNumberText(-0.5)).value(), -0.5);
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberTextBySeparator, ::testing::Values('.', ','));

}  // namespace
}  // namespace tessaro
