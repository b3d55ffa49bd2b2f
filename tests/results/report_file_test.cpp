#include "results/report_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "report_test_support.h"
#include "results/report_reader.h"
#include "shell/code_page.h"

namespace tessaro {
namespace {

using test::FakeProjectForm;
using test::GermanProjectForm;
using test::StateWithCaptions;
using test::TempDir;
using test::WriteCaptionFiles;

const std::string kRule = "        " + std::string(155, '-') + "\r\n";
const std::string kBlank = "\r\n";

const std::map<std::string, std::string> kGermanCaptions = {
    {"M81", "Jährliche"}, {"M66", "Betriebskosten"}, {"M222", "Emission"}};

// The report of the German project, record by record as the report file lays it down.
std::vector<std::string> ExpectedGermanReport() {
    return {
        kRule,
        kBlank,
        "        &$$Tessaro : Jährliche Betriebskosten - Simulation CO2 Emission\r\n",
        kBlank,
        kRule,
        "        P29 :§$&Gewerbekälte",
        kBlank,
        "        P30 :§$&Kühlraum +2 °C",
        kBlank,
        "        M37 :§$&mittel/ 12,5 kW",
        kBlank,
        "        P13 :§$&gemäßigt/ 25 °C",
        kBlank,
        kRule,  // 14
        kRule,
        kBlank,
        "        &$$M13",
        kBlank,
        "        M203 :§$&normal",
        kBlank,
        "        M171 M40 :§$&-10 °C",
        kRule,  // 22
        kBlank,
        "        &$$M14",
        kBlank,
        "        M203 :§$&groß",
        kBlank,
        "        M171 M41 :§$&40 °C",
        kRule,  // 29
        kBlank,
        "        M12 :§$&Hubkolben",
        kBlank,
        "        P46 : gleitend§$&P47 : 20 °C",
        kRule,  // 34
        kRule,
        kBlank,
        "        P21 :§$&gut",
        kBlank,
        "        P12 :§$&voll",
        kBlank,
        "        P22 :§$&richtig",
        kBlank,
        "        P32 :§$&isoliert",
        kBlank,
        kRule,  // 45
        kRule,
        "        M22 :§$&1",
        kBlank,
        "        M82 :§$&24 h/d",
        kBlank,
        "        M83 :§$&0.6",
        kBlank,
        "        M84 :§$&0.12 EUR/kWh",
        kBlank,
        "        M85 :§$&365 d/a",
        kBlank,
        "        Spez. Emission CO2 :§$&0.6 kg CO2/kWh",
        kBlank,
        kRule,  // 59
        kBlank,
        "        Betriebskosten :§$&3504.23 EUR/a\r\n",
        kBlank,
        "        Emission CO2 :§$&17.52 t/a\r\n",
        kBlank,
        kRule,  // 65
        kRule,
        "        I41",
        kBlank,
        "        I42",
        kBlank,
        "        I43",
        kBlank,
        "        I44",
        kBlank,
        "        I45",
        kBlank,
        "        I40",
        kBlank,
        "        I39",
        kBlank,
        kRule,  // 81
        "        www.tessaro-software.com",
        kBlank,
    };
}

TEST(ReportRecords, FollowTheRecordTableOneByOne) {
    TempDir dir;
    WriteCaptionFiles(dir, "GER", kGermanCaptions);
    AppState state = StateWithCaptions(dir, "GER");
    FakeProjectForm form = GermanProjectForm();

    std::vector<std::string> records = BuildReportRecords(state, std::ref(form));
    std::vector<std::string> expected = ExpectedGermanReport();
    ASSERT_EQ(records.size(), 83u);
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(records[i], expected[i]) << "record " << i + 1;
    }
    EXPECT_EQ(kRule.size(), 165u);
}

TEST(ReportRecords, ReadEveryControlWhenItsRecordIsBuiltInRecordOrder) {
    TempDir dir;
    WriteCaptionFiles(dir, "GER");
    AppState state = StateWithCaptions(dir, "GER");
    FakeProjectForm form = GermanProjectForm();

    BuildReportRecords(state, std::ref(form));
    const std::vector<std::string> order = {
        "AnwendBereich", "Tempbereich", "AnlGroesse",       "Q0",
        "AmbientT",      "tambient",    "vdsize",           "t0",
        "VFlsize",       "Tc",          "Verdichterbauart", "RGart",
        "WinterRGart",   "WartungI",    "Fullzustand",      "Leitungsdimension",
        "WaermeD",       "km",          "betrstd",          "lzfaktor",
        "EnergKost",     "JahrebetrT",  "Spezco2emission",  "BetrKo",
        "co2consum"};
    EXPECT_EQ(form.asked, order);
}

TEST(ReportRecords, LeaveOutInfoText39AndItsBlankWhenItIsEmpty) {
    TempDir dir;
    WriteCaptionFiles(dir, "GER", {{"I39", ""}});
    AppState state = StateWithCaptions(dir, "GER");
    FakeProjectForm form = GermanProjectForm();

    std::vector<std::string> records = BuildReportRecords(state, std::ref(form));
    ASSERT_EQ(records.size(), 81u);
    EXPECT_EQ(records[76], "        I40");
    EXPECT_EQ(records[77], kBlank);
    EXPECT_EQ(records[78], kRule);
    EXPECT_EQ(records[79], "        www.tessaro-software.com");
    EXPECT_EQ(records[80], kBlank);

    // A blank text is not an empty one: the two records stay.
    *state.captions.InfoSlot(39) = " ";
    EXPECT_EQ(BuildReportRecords(state, std::ref(form)).size(), 83u);
}

TEST(ReportRecords, UseTheCurrencyOfTheSettingsAndEuroWhenNoneIsSet) {
    TempDir dir;
    WriteCaptionFiles(dir, "GER");
    AppState state = StateWithCaptions(dir, "GER");
    FakeProjectForm form = GermanProjectForm();

    state.settings.CurrencyCode = "CHF";
    std::vector<std::string> records = BuildReportRecords(state, std::ref(form));
    EXPECT_EQ(records[52], "        M84 :§$&0.12 CHF/kWh");
    EXPECT_EQ(records[60], "        M66 :§$&3504.23 CHF/a\r\n");
}

TEST(ReportRecords, WriteADoubleQuoteOfAControlAsTwoApostrophes) {
    TempDir dir;
    WriteCaptionFiles(dir, "GER");
    AppState state = StateWithCaptions(dir, "GER");
    FakeProjectForm form = GermanProjectForm();
    form.texts["AnwendBereich"] = "Kühlraum \"Nord\"";
    form.texts["WinterRGart"] = "\"";

    std::vector<std::string> records = BuildReportRecords(state, std::ref(form));
    EXPECT_EQ(records[5], "        P29 :§$&Kühlraum ''Nord''");
    EXPECT_EQ(records[32], "        P46 : gleitend§$&P47 : ''");

    // The framing stays intact: the file reads back as the same 83 records.
    ASSERT_FALSE(WriteReportFile(state, std::ref(form)).has_value());
    EXPECT_EQ(ReadReportFile(state.dir, "GER"), records);
}

TEST(ReportTitle, IsWordedByTheLanguageComparedInUpperCase) {
    CaptionTables captions;
    *captions.MainSlot(81) = "A";
    *captions.MainSlot(66) = "B";
    *captions.MainSlot(222) = "C";
    EXPECT_EQ(ReportTitle("FRA", captions), "Tessaro : A de B - Simulacion C CO2");
    EXPECT_EQ(ReportTitle("fra", captions), "Tessaro : A de B - Simulacion C CO2");
    EXPECT_EQ(ReportTitle("ESP", captions), "Tessaro : A del B - Simulacion C CO2");
    EXPECT_EQ(ReportTitle("Por", captions), "Tessaro : A del B - Simulacion C CO2");
    EXPECT_EQ(ReportTitle("ITA", captions), "Tessaro : A di B - Simulatione C CO2");
    EXPECT_EQ(ReportTitle("GER", captions), "Tessaro : A B - Simulation CO2 C");
    EXPECT_EQ(ReportTitle("ENG", captions), "Tessaro : A B - Simulation CO2 C");
    EXPECT_EQ(ReportTitle("", captions), "Tessaro : A B - Simulation CO2 C");
}

TEST(ReportTitle, IsTheHeadingOfRecord3InEveryLanguage) {
    TempDir dir;
    WriteCaptionFiles(dir, "ITA", {{"M81", "Annuale"}, {"M66", "costi"}, {"M222", "emissione"}});
    AppState state = StateWithCaptions(dir, "ITA");
    FakeProjectForm form = GermanProjectForm();
    std::vector<std::string> records = BuildReportRecords(state, std::ref(form));
    EXPECT_EQ(records[2], "        &$$Tessaro : Annuale di costi - Simulatione emissione CO2\r\n");
}

TEST(WriteReportFile, FramesEveryRecordInQuotesAndWritesTheLanguagesCodePage) {
    TempDir dir;
    WriteCaptionFiles(dir, "GER", kGermanCaptions);
    AppState state = StateWithCaptions(dir, "GER");
    FakeProjectForm form = GermanProjectForm();

    ASSERT_FALSE(WriteReportFile(state, std::ref(form)).has_value());
    const std::string bytes = dir.Read("ergEN1.DAT");
    // Rule, blank record (quote, CR, LF, quote, CR, LF), then the heading.
    const std::string start =
        "\"" + kRule + "\"\r\n\"\r\n\"\r\n\"        &$$Tessaro : J\xE4hrliche";
    EXPECT_EQ(bytes.substr(0, start.size()), start);
    // The separator's section sign and the degree sign are single bytes of Windows-1252.
    EXPECT_NE(bytes.find("\"        P30 :\xA7$&K\xFChlraum +2 \xB0"
                         "C\"\r\n"),
              std::string::npos);
    const std::string end = "\"        www.tessaro-software.com\"\r\n\"\r\n\"\r\n";
    ASSERT_GT(bytes.size(), end.size());
    EXPECT_EQ(bytes.substr(bytes.size() - end.size()), end);
}

TEST(WriteReportFile, WritesCyrillicTextsInWindows1251) {
    TempDir dir;
    WriteCaptionFiles(dir, "RUS", {{"P29", "Применение"}});
    AppState state = StateWithCaptions(dir, "RUS");
    FakeProjectForm form = GermanProjectForm();
    form.texts["AnwendBereich"] = "Торговля";

    ASSERT_FALSE(WriteReportFile(state, std::ref(form)).has_value());
    const std::string bytes = dir.Read("ergEN1.DAT");
    const std::string expected =
        EncodeText("\"        Применение :§$&Торговля\"\r\n", CodePage::Windows1251);
    EXPECT_NE(bytes.find(expected), std::string::npos);
    EXPECT_NE(expected.find("\xA7$&"), std::string::npos);
    EXPECT_EQ(ReadReportFile(state.dir, "RUS")[5], "        Применение :§$&Торговля");
}

TEST(WriteReportFile, ReplacesAReadOnlyReportOfAnEarlierRun) {
    TempDir dir;
    WriteCaptionFiles(dir, "GER");
    AppState state = StateWithCaptions(dir, "GER");
    FakeProjectForm form = GermanProjectForm();
    dir.Write("ergEN1.DAT", std::string(5000, 'x'));
    ::chmod((dir.Path() / "ergEN1.DAT").c_str(), 0444);

    ASSERT_FALSE(WriteReportFile(state, std::ref(form)).has_value());
    EXPECT_EQ(ReadReportFile(state.dir, "GER").size(), 83u);
    EXPECT_EQ(dir.Read("ergEN1.DAT").find('x'), std::string::npos);
}

TEST(WriteReportFile, ReportsAFolderItCannotWriteInOneSentenceNamingTheFile) {
    TempDir dir;
    AppState state{WorkingDir(dir.Path() / "no-such-folder")};
    state.settings.LanguageCode = "GER";
    FakeProjectForm form = GermanProjectForm();

    std::optional<std::string> error = WriteReportFile(state, std::ref(form));
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("ergEN1.DAT"), std::string::npos);
    EXPECT_NE(error->find("No such file or directory"), std::string::npos) << *error;
}

}  // namespace
}  // namespace tessaro
