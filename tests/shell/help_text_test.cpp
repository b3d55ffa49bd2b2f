// Help texts: building a text from the fields of a help file and reading it in the language's
// code page. The shipped help files are checked with their language sets.
#include "shell/help_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/caption_tables.h"
#include "shell/working_dir.h"
#include "support/hostile_files.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

struct BuildCase {
    const char* name;
    std::vector<std::string> fields;
    std::string text;
};

TEST(HelpText, FieldsBecomeTheText) {
    const std::vector<BuildCase> cases = {
        {"heading, empty line, paragraph; the empty field hides what follows",
         {"Heading", "Z", "Z", "A paragraph.", "", "Not shown"},
         "Heading\r\n\r\nA paragraph."},
        {"a lower-case z with spaces around it is a line break",
         {"One", " z ", "Two"},
         "One\r\nTwo"},
        {"fields are joined with nothing between them, inner spaces kept as read",
         {"Cold", " room ", "door"},
         "Cold room door"},
        {"only a lone Z is a line break", {"Zone", "ZZ", "Z.", "z"}, "ZoneZZZ.\r\n"},
        {"a field of spaces ends the text", {"Shown", "   ", "Hidden"}, "Shown"},
        {"an empty first field gives no text", {"", "Hidden"}, ""},
        {"no fields give no text", {}, ""},
        {"spaces at both ends go, line breaks and tabs stay",
         {"  Title", "Z", "\tIndented  "},
         "Title\r\n\tIndented"},
    };
    for (const BuildCase& c : cases)
        EXPECT_EQ(BuildHelpText(c.fields), c.text) << c.name;
}

TEST(HelpText, ReadFromTheFileInTheFieldSyntaxAndCodePageOfTheLanguage) {
    test::TempDir temp;
    const WorkingDir dir(temp.Path());
    temp.Write("Simhelp.GER",
               "K\xC4LTE\r\n"
               " Z \r\n"
               "\" z \"\r\n"
               "\"Verdampfer, Verfl\xFCssiger\"\r\n"
               "Teil eins,Teil zwei\r\n"
               "\r\n"
               "Nicht gezeigt\r\n");
    EXPECT_EQ(LoadHelpText(dir, "Simhelp.GER", "GER"),
              "K\xC3\x84LTE\r\n\r\nVerdampfer, Verfl\xC3\xBCssigerTeil einsTeil zwei");

    // "Справка" in Windows-1251.
    temp.Write("SIMHELP2.rus", "\"\xD1\xEF\xF0\xE0\xE2\xEA\xE0 \"");
    EXPECT_EQ(LoadHelpText(dir, "Simhelp2.RUS", "RUS"),
              "\xD0\xA1\xD0\xBF\xD1\x80\xD0\xB0\xD0\xB2\xD0\xBA\xD0\xB0");

    EXPECT_EQ(LoadHelpText(dir, "Simhelp.ENG", "ENG"), "");
}

// A help file of 50 MB whose first part is a real help file ended by an empty field costs what
// that part costs and reads as it; without the empty field the text ends within the read limit.
TEST(HelpText, AnOversizedHelpFileReadsAsItsFirstLegitimatePart) {
    test::TempDir temp;
    const WorkingDir dir(temp.Path());
    const std::string real = *WorkingDir(test::DataDir()).ReadBytes("Simhelp.GER");
    test::WriteOversized(temp.Path() / "Simhelp.GER", real + "\r\n", "Zusatz\r\n");
    test::WriteOversized(temp.Path() / "Simhelp2.GER", real, "Zusatz\r\n");
    ASSERT_EQ(test::EndsWithinBounds([&] {
                  LoadHelpText(dir, "Simhelp.GER", "GER");
                  LoadHelpText(dir, "Simhelp2.GER", "GER");
              }),
              "");
    EXPECT_EQ(LoadHelpText(dir, "Simhelp.GER", "GER"),
              LoadHelpText(WorkingDir(test::DataDir()), "Simhelp.GER", "GER"));
    const std::string endless = LoadHelpText(dir, "Simhelp2.GER", "GER");
    EXPECT_TRUE(
        endless.starts_with(LoadHelpText(WorkingDir(test::DataDir()), "Simhelp.GER", "GER")));
    EXPECT_LE(endless.size(), 2 * kLanguageFileReadLimit);
}

}  // namespace
}  // namespace tessaro
