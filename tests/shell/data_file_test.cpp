// The field syntax of the data files, the working folder's file access and the code pages.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "shell/code_page.h"
#include "shell/field_reader.h"
#include "shell/field_writer.h"
#include "shell/working_dir.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

std::vector<std::string> AllFields(std::string_view text) {
    FieldReader reader(text);
    std::vector<std::string> fields;
    while (auto field = reader.Next())
        fields.push_back(field->text);
    return fields;
}

using Fields = std::vector<std::string>;

TEST(FieldReader, QuotedFieldsKeepCommasAndUnquotedFieldsEndAtCommaOrLineEnd) {
    EXPECT_EQ(AllFields("one, two\r\n\"three, four\"\r\n"), (Fields{"one", "two", "three, four"}));
    EXPECT_EQ(AllFields("  padded   \nnext"), (Fields{"padded", "next"}));
    EXPECT_EQ(AllFields("\"  kept  \" trailing junk,after"), (Fields{"  kept  ", "after"}));
    EXPECT_EQ(AllFields("a\r\n\r\nb\r\n"), (Fields{"a", "", "b"}));
    EXPECT_EQ(AllFields("last without line end"), (Fields{"last without line end"}));
    EXPECT_EQ(AllFields("x\r\n   "), (Fields{"x"}));  // blanks after the last line end
    EXPECT_EQ(AllFields(""), Fields{});
    EXPECT_EQ(AllFields("\ttab\t"), (Fields{"\ttab\t"}));  // only spaces are trimmed
}

TEST(FieldReader, AQuotedFieldMayRunAcrossALineEndAndAnUnclosedOneToTheEnd) {
    EXPECT_EQ(AllFields("\"two\r\nlines\",x"), (Fields{"two\r\nlines", "x"}));
    EXPECT_EQ(AllFields("\"never closed, at all"), (Fields{"never closed, at all"}));
}

TEST(FieldReader, NextLineReturnsTheFieldsOfOneLine) {
    FieldReader reader("\"\",\"a,b\",3\r\n4,5\nlast");
    EXPECT_EQ(reader.NextLine(), (Fields{"", "a,b", "3"}));
    EXPECT_EQ(reader.NextLine(), (Fields{"4", "5"}));
    EXPECT_EQ(reader.NextLine(), (Fields{"last"}));
    EXPECT_EQ(reader.NextLine(), Fields{});
}

TEST(FieldReader, NumbersAndIntegersAcceptOnlyWholeNumericTexts) {
    EXPECT_EQ(FieldNumber(" .25 ").value(), 0.25);
    EXPECT_EQ(FieldNumber("0.25").value(), 0.25);
    EXPECT_EQ(FieldNumber("-3").value(), -3);
    EXPECT_EQ(FieldNumber("").value(), 0);
    EXPECT_FALSE(FieldNumber("abc").has_value());
    EXPECT_FALSE(FieldNumber("12 kW").has_value());
    EXPECT_FALSE(FieldNumber("1e999").has_value());
    EXPECT_EQ(FieldInteger("77").value(), 77);
    EXPECT_EQ(FieldInteger("2.5").value(), 2);
    EXPECT_FALSE(FieldInteger("40000").has_value());
    EXPECT_FALSE(FieldInteger("x").has_value());
}

TEST(FieldWriter, WritesTheFormTheReaderTakesBack) {
    FieldWriter w;
    w.Text("a, b").Integer(-7).Number(0.25).Number(-0.0).Text("say \"hi\"").EndLine();
    w.Number(1e-7).EndLine();
    EXPECT_EQ(w.Content(), "\"a, b\",-7,0.25,0,\"say ''hi''\"\r\n1e-07\r\n");
    FieldReader reader(w.Content());
    EXPECT_EQ(reader.NextLine(), (Fields{"a, b", "-7", "0.25", "0", "say ''hi''"}));
    EXPECT_EQ(FieldNumber(reader.NextLine().at(0)).value(), 1e-7);
}

TEST(WorkingDir, MatchesNamesWithoutRegardToLetterCase) {
    test::TempDir temp;
    temp.Write("CAPTION.ndl", "x");
    WorkingDir dir(temp.Path());
    EXPECT_TRUE(dir.Exists("Caption.NDL"));
    EXPECT_EQ(dir.ReadBytes("caption.ndl").value(), "x");
    EXPECT_FALSE(dir.ReadBytes("Caption.ITA").has_value());

    ASSERT_TRUE(dir.OpenForReplace("Caption.NDL", "new"));
    EXPECT_EQ(temp.Read("CAPTION.ndl"), "new");
    EXPECT_FALSE(temp.Exists("Caption.NDL"));
}

TEST(WorkingDir, OpenForReplaceMakesAReadOnlyFileWritableAndReplacesItWhole) {
    test::TempDir temp;
    temp.Write("TempPart.dat", "old content");
    std::string path = (temp.Path() / "TempPart.dat").string();
    ::chmod(path.c_str(), 0444);
    WorkingDir dir(temp.Path());
    ASSERT_TRUE(dir.OpenForReplace("TempPart.dat", "new"));
    EXPECT_EQ(temp.Read("TempPart.dat"), "new");
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
    EXPECT_FALSE(dir.MakeWritable("missing.dat"));
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(WorkingDir, AFailedReplaceLeavesTheOldFileWhole) {
    test::TempDir temp;
    std::filesystem::create_directory(temp.Path() / "sub");
    WorkingDir dir(temp.Path() / "sub");
    ASSERT_TRUE(dir.OpenForReplace("kparam.dat", "old"));
    // A folder in which nothing can be created: the write fails, the old file stays.
    WorkingDir gone(temp.Path() / "no-such-folder");
    EXPECT_FALSE(gone.OpenForReplace("kparam.dat", "new"));
    EXPECT_EQ(dir.ReadBytes("kparam.dat").value(), "old");
}

TEST(CodePage, EachLanguageHasItsCodePage) {
    EXPECT_EQ(CodePageOfLanguage("ARA"), CodePage::Windows1256);
    EXPECT_EQ(CodePageOfLanguage("RUS"), CodePage::Windows1251);
    EXPECT_EQ(CodePageOfLanguage("BUL"), CodePage::Windows1251);
    EXPECT_EQ(CodePageOfLanguage("GRE"), CodePage::Windows1253);
    EXPECT_EQ(CodePageOfLanguage("TRK"), CodePage::Windows1254);
    EXPECT_EQ(CodePageOfLanguage("POL"), CodePage::Windows1250);
    EXPECT_EQ(CodePageOfLanguage("HUN"), CodePage::Windows1250);
    EXPECT_EQ(CodePageOfLanguage("ROM"), CodePage::Windows1250);
    EXPECT_EQ(CodePageOfLanguage("GER"), CodePage::Windows1252);
    EXPECT_EQ(CodePageOfLanguage("SWE"), CodePage::Windows1252);
}

TEST(CodePage, TextsSurviveARoundTripThroughTheirCodePage) {
    struct Case {
        CodePage page;
        std::string utf8;
        std::string bytes;
    };
    const std::vector<Case> cases = {
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
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeText(c.utf8, c.page), c.bytes) << c.utf8;
        EXPECT_EQ(DecodeText(c.bytes, c.page), c.utf8) << c.utf8;
    }
}

TEST(CodePage, UndefinedBytesReadAsTheirNumberAndMissingCharactersWriteAsQuestionMarks) {
    EXPECT_EQ(DecodeText("a\x81z", CodePage::Windows1252), "a\u0081z");
    EXPECT_EQ(EncodeText("a\u0081z", CodePage::Windows1252), "a\x81z");
    EXPECT_EQ(EncodeText("Ω and €", CodePage::Windows1252), "? and \x80");
    EXPECT_EQ(EncodeText("Ж", CodePage::Windows1252), "?");
}

}  // namespace
}  // namespace tessaro
