#include "results/report_reader.h"

#include <gtest/gtest.h>

#include "shell/working_dir.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

using Records = std::vector<std::string>;

TEST(SplitReportRecords, ReadsQuotedRecordsPlainLinesAndCutFiles) {
    const std::vector<std::pair<std::string, Records>> rows = {
        // Line breaks inside the quotes belong to the record.
        {"\"a\r\nb\"\r\n\"\r\n\"\r\n\"c\"\r\n", {"a\r\nb", "\r\n", "c"}},
        // The rest of the physical line after the closing quote is skipped, for a record that
        // spans lines the rest of its last line.
        {"\"abc\" tail, \"not a record\"\r\n\"d\"\r\n", {"abc", "d"}},
        {"\"x\r\ny\"z\r\n\"w\"\n", {"x\r\ny", "w"}},
        // A line without quotes is a record as it stands; empty lines hold none.
        {"plain, text\r\n\r\n\n\"q\"\rnext", {"plain, text", "q", "next"}},
        // Reading ends with the text; a text that ends inside a record gives what was read of it.
        {"", {}},
        {"\"last\"", {"last"}},
        {"\"abc\"\r\n\"cut\r\noff", {"abc", "cut\r\noff"}},
        {"\"abc\"\r\n\"", {"abc", ""}}};
    for (const auto& [text, records] : rows)
        EXPECT_EQ(SplitReportRecords(text), records) << text;
}

TEST(ReadReportFile, DecodesTheLanguagesCodePageAndGivesNothingForAMissingOrEmptyFile) {
    test::TempDir dir;
    WorkingDir working(dir.Path());
    EXPECT_TRUE(ReadReportFile(working, "GER").empty());
    // Found in any case of its name.
    dir.Write("ERGEN1.dat",
              "\"        P30 :\xA7$&K\xFChlraum \xB0"
              "C\"\r\n\"\xC4\xE4\"\r\n");
    EXPECT_EQ(ReadReportFile(working, "GER"), (Records{"        P30 :§$&Kühlraum °C", "Ää"}));
    EXPECT_EQ(ReadReportFile(working, "RUS")[1], "Дд");
    dir.Write("ERGEN1.dat", "");
    EXPECT_TRUE(ReadReportFile(working, "GER").empty());
}

}  // namespace
}  // namespace tessaro
