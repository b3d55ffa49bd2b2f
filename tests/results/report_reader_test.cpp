#include "results/report_reader.h"

#include <gtest/gtest.h>

#include "shell/working_dir.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

using Records = std::vector<std::string>;

TEST(SplitReportRecords, TakesLineBreaksInsideTheQuotesAsPartOfTheRecord) {
    EXPECT_EQ(SplitReportRecords("\"a\r\nb\"\r\n\"\r\n\"\r\n\"c\"\r\n"),
              (Records{"a\r\nb", "\r\n", "c"}));
}

TEST(SplitReportRecords, SkipsTheRestOfThePhysicalLineAfterTheClosingQuote) {
    EXPECT_EQ(SplitReportRecords("\"abc\" tail, \"not a record\"\r\n\"d\"\r\n"),
              (Records{"abc", "d"}));
    // The rest of the line after a record that spans lines is that of its last line.
    EXPECT_EQ(SplitReportRecords("\"x\r\ny\"z\r\n\"w\"\n"), (Records{"x\r\ny", "w"}));
}

TEST(SplitReportRecords, EndsCleanlyWhereTheTextEnds) {
    EXPECT_EQ(SplitReportRecords(""), Records{});
    EXPECT_EQ(SplitReportRecords("\"last\""), Records{"last"});
    // A file that ends inside a record gives what was read of it.
    EXPECT_EQ(SplitReportRecords("\"abc\"\r\n\"cut\r\noff"), (Records{"abc", "cut\r\noff"}));
    EXPECT_EQ(SplitReportRecords("\"abc\"\r\n\""), (Records{"abc", ""}));
}

TEST(SplitReportRecords, ReadsALineWithoutQuotesAsItStandsAndSkipsEmptyLines) {
    EXPECT_EQ(SplitReportRecords("plain, text\r\n\r\n\n\"q\"\rnext"),
              (Records{"plain, text", "q", "next"}));
}

TEST(ReadReportFile, GivesNoRecordsForAMissingOrEmptyFile) {
    test::TempDir dir;
    WorkingDir working(dir.Path());
    EXPECT_TRUE(ReadReportFile(working, "GER").empty());
    dir.Write("ergEN1.DAT", "");
    EXPECT_TRUE(ReadReportFile(working, "GER").empty());
}

TEST(ReadReportFile, DecodesTheCodePageOfTheLanguageAndFindsTheFileInAnyCase) {
    test::TempDir dir;
    WorkingDir working(dir.Path());
    dir.Write("ERGEN1.dat",
              "\"        P30 :\xA7$&K\xFChlraum \xB0"
              "C\"\r\n\"\xC4\xE4\"\r\n");
    EXPECT_EQ(ReadReportFile(working, "GER"), (Records{"        P30 :§$&Kühlraum °C", "Ää"}));
    EXPECT_EQ(ReadReportFile(working, "RUS")[1], "Дд");
}

}  // namespace
}  // namespace tessaro
