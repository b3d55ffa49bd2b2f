#include "results/report_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "report_test_support.h"
#include "results/report_reader.h"
#include "shell/code_page.h"
#include "support/hostile_files.h"

namespace tessaro {
namespace {

using Records = std::vector<std::string>;
using ::testing::ElementsAreArray;

const std::string R = "        " + std::string(155, '-') + "\r\n";  // a rule record
const std::string B = "\r\n";                                       // a blank record

// The report of the made-up project: captions read "M<n>", "P<n>" and "I<n>", controls their own
// names. The groups of records begin at records 1, 6, 10, 14, 22, 29, 35, 41, 47, 53, 57, 61, 67
// and 79.
Records ExpectedReport() {
    const std::vector<Records> groups = {
        {R, B, "        &$$Tessaro : Jährliche Betriebskosten - Simulation CO2 Emission\r\n", B, R},
        {"        P29 :§$&AnwendBereich", B, "        P30 :§$&Kühlraum +2 °C", B},
        {"        M37 :§$&AnlGroesse/ Q0 kW", B, "        P13 :§$&AmbientT/ tambient °C", B},
        {R, R, B, "        &$$M13", B, "        M203 :§$&vdsize", B, "        M171 M40 :§$&t0 °C"},
        {R, B, "        &$$M14", B, "        M203 :§$&VFlsize", B, "        M171 M41 :§$&Tc °C"},
        {R, B, "        M12 :§$&Verdichterbauart", B, "        P46 : RGart§$&P47 : WinterRGart", R},
        {R, B, "        P21 :§$&WartungI", B, "        P12 :§$&Fullzustand", B},
        {"        P22 :§$&Leitungsdimension", B, "        P32 :§$&WaermeD", B, R, R},
        {"        M22 :§$&km", B, "        M82 :§$&betrstd h/d", B, "        M83 :§$&lzfaktor", B},
        {"        M84 :§$&EnergKost EUR/kWh", B, "        M85 :§$&JahrebetrT d/a", B},
        {"        Spez. Emission CO2 :§$&Spezco2emission kg CO2/kWh", B, R, B},
        {"        Betriebskosten :§$&BetrKo EUR/a\r\n", B,
         "        Emission CO2 :§$&co2consum t/a\r\n", B, R, R},
        {"        I41", B, "        I42", B, "        I43", B, "        I44", B, "        I45", B,
         "        I40", B},
        {"        I39", B, R, "        P69", B}};
    Records records;
    for (const Records& group : groups)
        records.insert(records.end(), group.begin(), group.end());
    return records;
}

class ReportFile : public ::testing::Test {
  protected:
    Records Build() const { return BuildReportRecords(state, form); }
    std::optional<std::string> Write() const { return WriteReportFile(state, form); }

    test::TempDir dir;
    AppState state = test::ReportState(
        dir, "GER", {{"M81", "Jährliche"}, {"M66", "Betriebskosten"}, {"M222", "Emission"}});
    test::FakeProjectForm form{{{"Tempbereich", "Kühlraum +2 °C"}}};
};

TEST_F(ReportFile, FollowsTheRecordTableWithInfoText39OnlyWhenItIsNotEmpty) {
    Records expected = ExpectedReport();
    ASSERT_EQ(expected.size(), 83u);
    EXPECT_THAT(Build(), ElementsAreArray(expected));
    // The web address line is program entry 69; where the language leaves it empty or blank, the
    // bare address.
    for (const char* empty : {"", "  "}) {
        *state.captions.ProgramSlot(69) = empty;
        EXPECT_EQ(Build()[81], "        www.tessaro-software.com") << '"' << empty << '"';
    }
    *state.captions.ProgramSlot(69) = "P69";
    // Records 79 and 80 stay for a blank info text 39 and go for an empty one.
    *state.captions.InfoSlot(39) = " ";
    EXPECT_EQ(Build().size(), 83u);
    *state.captions.InfoSlot(39) = "";
    expected.erase(expected.begin() + 78, expected.begin() + 80);
    EXPECT_THAT(Build(), ElementsAreArray(expected));
}

TEST_F(ReportFile, TakesTitleWordingAndCurrencyFromTheSettings) {
    state.settings.LanguageCode = "ITA";
    state.settings.CurrencyCode = "CHF";
    const Records records = Build();
    EXPECT_EQ(records[2],
              "        &$$Tessaro : Jährliche di Betriebskosten - Simulatione Emission CO2\r\n");
    EXPECT_EQ(records[52], "        M84 :§$&EnergKost CHF/kWh");
    EXPECT_EQ(records[60], "        Betriebskosten :§$&BetrKo CHF/a\r\n");
}

TEST(ReportTitle, IsWordedByTheLanguageComparedInUpperCase) {
    CaptionTables captions;
    *captions.MainSlot(81) = "A";
    *captions.MainSlot(66) = "B";
    *captions.MainSlot(222) = "C";
    const std::vector<std::pair<std::string, std::vector<std::string>>> rows = {
        {"Tessaro : A de B - Simulacion C CO2", {"FRA", "fra"}},
        {"Tessaro : A del B - Simulacion C CO2", {"ESP", "Por"}},
        {"Tessaro : A di B - Simulatione C CO2", {"ITA"}},
        {"Tessaro : A B - Simulation CO2 C", {"GER", "ENG", ""}}};
    for (const auto& [title, codes] : rows) {
        for (const std::string& code : codes)
            EXPECT_EQ(ReportTitle(code, captions), title) << code;
    }
}

TEST_F(ReportFile, WritesADoubleQuoteOfAControlAsTwoApostrophesAndKeepsTheFraming) {
    form.texts["AnwendBereich"] = "Kühlraum \"Nord\"";
    form.texts["WinterRGart"] = "\"";
    const Records records = Build();
    EXPECT_EQ(records[5], "        P29 :§$&Kühlraum ''Nord''");
    EXPECT_EQ(records[32], "        P46 : RGart§$&P47 : ''");
    ASSERT_FALSE(Write().has_value());
    EXPECT_EQ(ReadReportFile(state.dir, "GER"), records);
}

TEST_F(ReportFile, ReplacesAReadOnlyFileFramingEveryRecordInTheCodePageOfTheLanguage) {
    dir.Write("ergEN1.DAT", std::string(20000, 'x'));
    ::chmod((dir.Path() / "ergEN1.DAT").c_str(), 0444);
    ASSERT_FALSE(Write().has_value());
    std::string bytes = dir.Read("ergEN1.DAT");
    // Rule, blank record (quote, CR, LF, quote, CR, LF), then the heading, all in Windows-1252.
    EXPECT_TRUE(bytes.starts_with("\"" + R + "\"\r\n\"\r\n\"\r\n\"        &$$Tessaro : J\xE4hrl"));
    EXPECT_NE(bytes.find("\"        P30 :\xA7$&K\xFChlraum +2 \xB0"
                         "C\"\r\n"),
              std::string::npos);
    EXPECT_TRUE(bytes.ends_with("\"        P69\"\r\n\"\r\n\"\r\n"));
    EXPECT_EQ(bytes.find('x'), std::string::npos);

    state.settings.LanguageCode = "RUS";
    *state.captions.ProgramSlot(29) = "Применение";
    form.texts["AnwendBereich"] = "Торговля";
    ASSERT_FALSE(Write().has_value());
    bytes = dir.Read("ergEN1.DAT");
    const std::string record = "        Применение :§$&Торговля";
    EXPECT_NE(bytes.find(EncodeText("\"" + record + "\"\r\n", CodePage::Windows1251)),
              std::string::npos);
    EXPECT_EQ(ReadReportFile(state.dir, "RUS")[5], record);
}

// A report file of 50 MB whose first part is a report costs what the report costs and reads as
// the report's records, those that hold line breaks included.
TEST_F(ReportFile, AnOversizedReportFileReadsAsTheReportItBeginsWith) {
    ASSERT_FALSE(Write().has_value());
    test::WriteOversized(dir.Path() / "ergEN1.DAT", dir.Read("ergEN1.DAT"),
                         "\"        Bemerkung\r\n\"\r\n");
    ASSERT_EQ(test::EndsWithinBounds([&] { ReadReportFile(state.dir, "GER"); }), "");
    EXPECT_THAT(ReadReportFile(state.dir, "GER"), ElementsAreArray(ExpectedReport()));
}

// A named pipe in place of the report file is neither read nor replaced, nor waited on.
TEST_F(ReportFile, ANamedPipeInPlaceOfTheReportFileIsNeitherReadNorReplaced) {
    ASSERT_TRUE(test::MakeFifo(dir.Path() / "ergEN1.DAT"));
    ASSERT_EQ(test::EndsWithinBounds([&] {
                  Write();
                  ReadReportFile(state.dir, "GER");
              }),
              "");
    std::optional<std::string> error = Write();
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("ergEN1.DAT"), std::string::npos);
    EXPECT_TRUE(ReadReportFile(state.dir, "GER").empty());
    EXPECT_TRUE(std::filesystem::is_fifo(dir.Path() / "ergEN1.DAT"));
}

TEST(WriteReportFile, ReportsAFolderItCannotWriteInOneSentenceNamingTheFile) {
    test::TempDir dir;
    AppState state{WorkingDir(dir.Path() / "no-such-folder")};
    std::optional<std::string> error = WriteReportFile(state, test::FakeProjectForm{});
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("ergEN1.DAT"), std::string::npos);
    EXPECT_NE(error->find("No such file or directory"), std::string::npos) << *error;
}

}  // namespace
}  // namespace tessaro
