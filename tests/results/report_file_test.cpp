// The report of a made-up project (captions "M<n>", "P<n>", "I<n>", every control showing its own
// name): its records, title and file, the reader of report files, and the page the records are
// laid out on.
#include "results/report_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <tuple>

#include "engine/app_state.h"
#include "results/page_layout.h"
#include "results/record_layout.h"
#include "results/report_reader.h"
#include "shell/code_page.h"
#include "shell/settings.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

using Records = std::vector<std::string>;

// Fills the main, program and info entries n with "M<n>", "P<n>" and "I<n>", except those given.
void FillCaptions(CaptionTables& captions, const std::map<std::string, std::string>& given = {}) {
    using Slot = std::string* (CaptionTables::*)(int);
    for (const auto& [slot, prefix, count] :
         {std::tuple<Slot, char, int>{&CaptionTables::MainSlot, 'M', CaptionTables::kMainEntries},
          {&CaptionTables::ProgramSlot, 'P', CaptionTables::kProgramEntries},
          {&CaptionTables::InfoSlot, 'I', CaptionTables::kInfoEntries}}) {
        for (int n = 1; n <= count; ++n) {
            const std::string key = prefix + std::to_string(n);
            *(captions.*slot)(n) = given.contains(key) ? given.at(key) : key;
        }
    }
}

const std::string R = "        " + std::string(155, '-') + "\r\n";  // a rule record
const std::string B = "\r\n";                                       // a blank record

// The groups of records begin at records 1, 6, 10, 14, 22, 29, 35, 41, 47, 53, 57, 61, 67, 79.
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
    ReportFile() {
        state.settings.LanguageCode = "GER";
        FillCaptions(state.captions,
                     {{"M81", "Jährliche"}, {"M66", "Betriebskosten"}, {"M222", "Emission"}});
    }
    Records Build() const { return BuildReportRecords(state, control); }
    std::optional<std::string> Write() const { return WriteReportFile(state, control); }

    test::TempDir dir;
    AppState state{WorkingDir(dir.Path())};
    std::map<std::string, std::string, std::less<>> texts{{"Tempbereich", "Kühlraum +2 °C"}};
    ControlTextSource control = [this](std::string_view name) {
        const auto it = texts.find(name);
        return it == texts.end() ? std::string(name) : it->second;
    };
};

// The record table; the web address line is program entry 69 or,
// where the language leaves it empty or blank, the bare address; records 79 and 80 stay for a
// blank info text 39 and go for an empty one.
TEST_F(ReportFile, FollowsTheRecordTableWithInfoText39OnlyWhenItIsNotEmpty) {
    Records expected = ExpectedReport();
    ASSERT_EQ(expected.size(), 83u);
    EXPECT_EQ(Build(), expected);
    for (const char* empty : {"", "  "}) {
        *state.captions.ProgramSlot(69) = empty;
        EXPECT_EQ(Build()[81], "        www.tessaro-software.com") << '"' << empty << '"';
    }
    *state.captions.ProgramSlot(69) = "P69";
    *state.captions.InfoSlot(39) = " ";
    EXPECT_EQ(Build().size(), 83u);
    *state.captions.InfoSlot(39) = "";
    expected.erase(expected.begin() + 78, expected.begin() + 80);
    EXPECT_EQ(Build(), expected);
}

TEST(ReportTitle, IsWordedByTheLanguageComparedInUpperCase) {
    CaptionTables captions;
    FillCaptions(captions);
    const std::vector<std::pair<std::string, std::vector<std::string>>> rows = {
        {"Tessaro : M81 de M66 - Simulacion M222 CO2", {"FRA", "fra"}},
        {"Tessaro : M81 del M66 - Simulacion M222 CO2", {"ESP", "Por"}},
        {"Tessaro : M81 di M66 - Simulatione M222 CO2", {"ITA"}},
        {"Tessaro : M81 M66 - Simulation CO2 M222", {"GER", "ENG", ""}}};
    for (const auto& [title, codes] : rows) {
        for (const std::string& code : codes)
            EXPECT_EQ(ReportTitle(code, captions), title) << code;
    }
}

// Every record framed in quotes, in the code page of the language, a double quote in a control's
// text written as two apostrophes; read back as it was built.
TEST_F(ReportFile, WritesEveryRecordFramedInTheCodePageOfTheLanguage) {
    texts["WinterRGart"] = "\"";
    ASSERT_FALSE(Write().has_value());
    std::string bytes = dir.Read("ergEN1.DAT");
    EXPECT_TRUE(bytes.starts_with("\"" + R + "\"\r\n\"\r\n\"\r\n\"        &$$Tessaro : J\xE4hrl"));
    EXPECT_NE(bytes.find("\"        P30 :\xA7$&K\xFChlraum +2 \xB0"
                         "C\"\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("\"        P46 : RGart\xA7$&P47 : ''\"\r\n"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("\"        P69\"\r\n\"\r\n\"\r\n"));
    EXPECT_EQ(ReadReportFile(state.dir, "GER"), Build());

    state.settings.LanguageCode = "RUS";
    *state.captions.ProgramSlot(29) = "Применение";
    texts["AnwendBereich"] = "Торговля \"Север\"";
    ASSERT_FALSE(Write().has_value());
    const std::string record = "        Применение :§$&Торговля ''Север''";
    EXPECT_NE(
        dir.Read("ergEN1.DAT").find(EncodeText("\"" + record + "\"\r\n", CodePage::Windows1251)),
        std::string::npos);
    EXPECT_EQ(ReadReportFile(state.dir, "RUS")[5], record);
}

TEST(SplitReportRecords, ReadsEveryShapeOfRecord) {
    const std::vector<std::pair<std::string, Records>> rows = {
        // Line breaks inside the quotes belong to the record.
        {"\"a\r\nb\"\r\n\"\r\n\"\r\n\"c\"\r\n", {"a\r\nb", "\r\n", "c"}},
        // The rest of the physical line after the closing quote is skipped, for a record that
        // spans lines the rest of its last line.
        {"\"abc\" tail, \"not a record\"\r\n\"d\"\r\n", {"abc", "d"}},
        {"\"x\r\ny\"z\r\n\"w\"\n", {"x\r\ny", "w"}},
        // A line without quotes is a record as it stands, also one that begins with a blank;
        // empty lines hold none, an empty record is one.
        {"plain, text\r\n\r\n\n\"q\"\rnext", {"plain, text", "q", "next"}},
        {"  \"indented\"\r\n\"\"\r\n\"\"", {"  \"indented\"", "", ""}},
        // Lines ended by CR alone.
        {"\"a\"\r\"b\"\rc\r", {"a", "b", "c"}},
        // Reading ends with the text; a text that ends inside a record gives what was read of it.
        {"", {}},
        {"\"last\"", {"last"}},
        {"\"abc\"\r\n\"cut\r\noff", {"abc", "cut\r\noff"}},
        {"\"abc\"\r\n\"", {"abc", ""}}};
    for (const auto& [text, records] : rows)
        EXPECT_EQ(SplitReportRecords(text), records) << text;
    EXPECT_EQ(SplitReportRecords("\"a\"\r\nb\r\n\"c\"\r\n", 2), (Records{"a", "b"}));
}

TEST(ReadReportFile, DecodesTheLanguagesCodePageAndReadsOneReportAtMost) {
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
    // 83 records are one report; a longer file is read as the report it begins with.
    std::string records;
    for (int n = 1; n <= 84; ++n)
        records += "\"" + std::to_string(n) + "\"\r\n";
    dir.Write("ERGEN1.dat", records);
    const Records read = ReadReportFile(working, "GER");
    ASSERT_EQ(read.size(), 83u);
    EXPECT_EQ(read.back(), "83");
}

using Lines = std::vector<std::string>;
constexpr PageSize kPage{10000, 20000};

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Every step as one line, positions as fractions of the page: "x,y-x2,y2" for a line and
// "x,y size text" for a text, the size followed by "b" when bold.
Lines Describe(const std::vector<DrawStep>& steps) {
    Lines lines;
    for (const DrawStep& s : steps) {
        const bool line = s.kind == DrawStep::Kind::Line;
        lines.push_back(Number(s.x / kPage.width) + "," + Number(s.y / kPage.height) +
                        (line ? "-" + Number(s.x2 / kPage.width) + "," + Number(s.y2 / kPage.height)
                              : " " + Number(s.fontSize) + (s.bold ? "b " : " ") + s.text));
    }
    return lines;
}

TEST(RecordLayout, PlacesEachKindOfRecordInThePrintedSizeWithBoldHeadings) {
    const std::string exactly150 = std::string(149, 'a') + "ä";  // 151 bytes
    const std::string c149(149, 'c');
    // Records, the steps drawn.
    const std::vector<std::pair<Lines, Lines>> rows = {
        // Over 150 characters a rule whatever the record holds, y + 0.005; exactly 150 skipped,
        // 149 a text.
        {{exactly150, std::string(151, 'b'), "        after", c149},
         {"0.08,0.145-0.94,0.145", "0.09,0.15 10 after", "0.09,0.17 10 " + c149}},
        {{"        &$$" + std::string(150, 'x') + "§$&value"}, {"0.08,0.145-0.94,0.145"}},
        // Fewer than 5 characters, also after a heading marker: skipped without moving y.
        {{"\r\n", "one line", "\r\n", "", "abcd", "        &$$abcd", "        &$$\r\n", "abcde"},
         {"0.09,0.145 10 one line", "0.09,0.165 10 abcde"}},
        // Label and value columns without leading spaces, even for a record of 3 characters.
        {{"        P29 :§$&   Gewerbekälte", "§$&", "        next"},
         {"0.09,0.145 10 P29 :", "0.55,0.145 10 Gewerbekälte", "0.09,0.165 10 ", "0.55,0.165 10 ",
          "0.09,0.185 10 next"}},
        // A heading is the rest after the marker, without its line break, and may hold a pair;
        // it is bold, and bold is off again for the next record.
        {{"        &$$Tessaro : Title\r\n", "&$$  left§$&right", "        M203 :§$&normal"},
         {"0.09,0.145 10b Tessaro : Title", "0.09,0.165 10b left", "0.55,0.165 10b right",
          "0.09,0.185 10 M203 :", "0.55,0.185 10 normal"}}};
    for (const auto& [records, steps] : rows) {
        PageDrawing page(kPage, "Arial");
        LayoutReportRecords(records, page);
        EXPECT_EQ(Describe(page.Steps()), steps) << records.front();
    }
}

// The screen draws the compact or the full heading above the records, the printer the records
// alone, every text in the font chosen. The full heading's first row is caption list entry 50
// (main entry 146), the notice line program entry 68 or, where it is empty, the English notice.
TEST(ReportPage, DrawsTheHeadingVariantsOnTheScreenOnlyAndTheSameRecordsOnBoth) {
    const auto texts = [](ReportVariant variant, int headingOff, const std::string& notice) {
        Settings settings;
        settings.UserName = "Kältebau Nord   ";
        settings.PrintHeadingOff = headingOff;
        CaptionTables captions;
        FillCaptions(captions, {{"P68", notice}});
        const ReportPage report{
            variant,
            kPage,
            "Courier",
            MakeReportHeading(settings, captions, "Tessaro : Report", "1", {6, 3, 2026}),
            {"        &$$Tessaro : Report\r\n", "        label :§$&value"},
            {}};
        Lines shown;
        for (const DrawStep& step : LayoutReportPage(report).steps) {
            if (step.kind == DrawStep::Kind::Text)
                shown.push_back(step.text);
            EXPECT_TRUE(step.kind == DrawStep::Kind::Line || step.fontName == "Courier");
        }
        return shown;
    };
    const Lines records = {"Tessaro : Report", "label :", "value"};
    Lines compact = {"Tessaro : Report", "M27 : Kältebau Nord  -  M61 : 1", "M25  : ", "M26 : "};
    Lines full = {"Tessaro - M146",
                  "P68",
                  "M27 : Kältebau Nord   ",
                  "M25  : ",
                  "M26 : ",
                  "M38 : 06.03.2026",
                  "M61        : 1",
                  "Tessaro : Report"};
    compact.insert(compact.end(), records.begin(), records.end());
    full.insert(full.end(), records.begin(), records.end());
    EXPECT_EQ(texts(ReportVariant::Screen, 1, "P68"), compact);
    EXPECT_EQ(texts(ReportVariant::Screen, 0, "P68"), full);
    EXPECT_EQ(texts(ReportVariant::Printer, 0, "P68"), records);
    full[1] = std::string(kNoticeLine);
    EXPECT_EQ(texts(ReportVariant::Screen, 0, "  "), full);
    EXPECT_EQ(FormatReportDate({1, 1, 987}), "01.01.0987");
    // Without a printer (both sizes 0) the page is 2150 by 2900, with one size only it is not.
    EXPECT_EQ(PageSizeWithFallback({0, 0}).width, 2150);
    EXPECT_EQ(PageSizeWithFallback({0, 0}).height, 2900);
    EXPECT_EQ(PageSizeWithFallback({0, 100}).width, 0);
    EXPECT_EQ(PageSizeWithFallback({12000, 0}).height, 0);
}

}  // namespace
}  // namespace tessaro
