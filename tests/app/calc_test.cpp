// tessaro-calc end to end, in a temporary working folder with the shipped data files.
#include <locale.h>
#include <sys/wait.h>

#include <cstdio>
#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include "results/page_layout.h"
#include "results/report_reader.h"
#include "shell/caption_tables.h"
#include "shell/working_dir.h"
#include "support/hostile_files.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class CalcTest : public ::testing::Test {
  protected:
    CalcTest() {
        temp.CopyFromData({"kparam.dat", "R22.DAT", "TempPart.dat", "energk.dat", "Caption.GER",
                           "VerbCapt.GER", "TessaroCap.GER", "infoTXT.GER"});
    }

    Outcome Run(const std::vector<std::string>& args) {
        std::string command =
            "cd " + Quoted(temp.Path().string()) + " && " + environment + TESSARO_CALC;
        for (const std::string& arg : args)
            command += " " + Quoted(arg);
        command += " 2>" + Quoted((temp.Path() / "stderr.txt").string());
        Outcome outcome;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            outcome.out.append(buffer, n);
        int status = ::pclose(pipe);
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        outcome.err = temp.Read("stderr.txt");
        std::filesystem::remove(temp.Path() / "stderr.txt");
        return outcome;
    }

    test::TempDir temp;
    // Variables put before the program, such as "LC_ALL=de_DE.UTF-8 ".
    std::string environment;
};

// The user's locale with a decimal comma; tools/install-deps.sh generates it.
constexpr const char* kCommaLocale = "de_DE.UTF-8";

bool LocaleInstalled(const char* name) {
    locale_t locale = ::newlocale(LC_ALL_MASK, name, nullptr);
    if (locale != nullptr)
        ::freelocale(locale);
    return locale != nullptr;
}

// The output from the first result label on.
std::string LabelLines(const Outcome& o) {
    return o.out.substr(std::min(o.out.find("tSLeit="), o.out.size()));
}

TEST_F(CalcTest, PrintsTheFieldsAndLabelsOfTheExampleProject) {
    Outcome o = Run({});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(
        o.out,
        "Q0=7\nt0=-10\ntambient=32\nAnwendBereich=Kühlraum\nvdsize=Normal\nAnlGroesse=Normal\n"
        "VFlsize=Normal\nAmbientT=Normal\nTempbereich=Normalkühlung -2 bis +6 °C\n"
        "WartungI=Gut\nFullzustand=Korrekt\nLeitungsdimension=Normal\nWaermeD=Normal\n"
        "km=Standard\nVerdichterbauart=Hubkolben\nRGart=Lüfterdrehzahlregelung\n"
        "WinterRGart=25 °C\nTc=45\nbetrstd= 18\nlzfaktor= .75\nEnergKost= .28\n"
        "JahrebetrT= 365\nSpezco2emission= .38\ntSLeit=3\nLeistZ=3.31\nBetrKo=2917\n"
        "kWstunden=( 10418 kWh/a)\nco2consum=3.9\n");
    EXPECT_TRUE(o.err.empty());
}

TEST_F(CalcTest, JsonHoldsTheSameTextsAndTheFullNumbers) {
    Outcome o = Run({"--json", "pick", "AnwendBereich", "6", "enter", "Q0", "0"});
    ASSERT_EQ(o.status, 0) << o.err;
    nlohmann::ordered_json j = nlohmann::ordered_json::parse(o.out);
    EXPECT_EQ(j["refrigerant"], "R22");
    ASSERT_EQ(j["messages"].size(), 1u);
    EXPECT_EQ(j["fields"]["AnwendBereich"], "Industriekälte");
    EXPECT_EQ(j["fields"]["Q0"], "0");
    EXPECT_EQ(j["fields"]["lzfaktor"], "1");
    EXPECT_EQ(j["fields"].size(), 23u);
    EXPECT_EQ(j["fields"].begin().key(), "Q0");
    EXPECT_EQ(j["labels"].size(), 5u);
    EXPECT_EQ(j["operating"]["RoomTemperature"], -10);
    EXPECT_GT(j["result"]["COP"].get<double>(), 1);
    // The label is the cut figure of the full number.
    double cop = j["result"]["COP"].get<double>();
    EXPECT_EQ(j["labels"]["LeistZ"].get<std::string>(),
              nlohmann::json(std::floor(100 * cop) / 100).dump());
}

TEST_F(CalcTest, MessagesAreListedInOrderWithTheirLineBreaks) {
    Outcome o = Run({"enter", "t0", "-70", "enter", "Tc", "80", "enter", "Q0", ""});
    ASSERT_EQ(o.status, 0) << o.err;
    std::string captionPart = o.out.substr(0, o.out.find("Q0="));
    EXPECT_NE(captionPart.find("\r\ntmin = -60 °C !\n"), std::string::npos) << captionPart;
    EXPECT_NE(captionPart.find("\r\ntmax =  70 °C !\n"), std::string::npos) << captionPart;
    EXPECT_EQ(std::count(captionPart.begin(), captionPart.end(), '\n'), 3 + 2);  // two hold CR LF
    EXPECT_EQ(captionPart.rfind("message: ", 0), 0u);
}

TEST_F(CalcTest, OkSavesTheProjectAndCancelDoesNot) {
    ASSERT_EQ(Run({"type", "Q0", "9", "cancel"}).status, 0);
    EXPECT_NE(temp.Read("TempPart.dat").find("\"7\""), std::string::npos);
    ASSERT_EQ(Run({"enter", "betrstd", "20", "type", "Q0", "9", "ok"}).status, 0);
    EXPECT_NE(temp.Read("TempPart.dat").find("\"9\""), std::string::npos);
    EXPECT_EQ(temp.Read("energk.dat"), "20,0.75,0.28,365,0.38\r\n");
}

TEST_F(CalcTest, PrintWritesAReportThatLaysOutAsOnePage) {
    Outcome o = Run({"print"});
    ASSERT_EQ(o.status, 0) << o.err;
    std::vector<std::string> records = ReadReportFile(WorkingDir(temp.Path()), "GER");
    ASSERT_EQ(records.size(), 83u);
    EXPECT_NE(std::find(records.begin(), records.end(), "        Anwendung :§$&Kühlraum"),
              records.end());

    ReportPage page;
    page.variant = ReportVariant::Printer;
    page.fontName = "Arial";
    page.records = records;
    ReportPageLayout layout = LayoutReportPage(page);
    EXPECT_EQ(layout.page.width, 2150);
    bool costShown = false;
    for (const DrawStep& step : layout.steps) {
        EXPECT_LE(step.y, 0.9 * layout.page.height);
        costShown = costShown || step.text.find("2917 EUR/a") != std::string::npos;
    }
    EXPECT_TRUE(costShown);
}

// Under a locale with a decimal comma every number the form writes carries a comma: the proposals
// of t0, Tc and Q0 on screen, in the report and in the saved project; a typed comma value is read
// with its decimals.
TEST_F(CalcTest, ADecimalCommaLocaleWritesCommasEverywhere) {
    ASSERT_TRUE(LocaleInstalled(kCommaLocale))
        << "the locale " << kCommaLocale << " is missing; tools/install-deps.sh generates it";
    environment = std::string("LC_ALL=") + kCommaLocale + " ";
    // km item 3 shortens both temperature differences, plant size item 1 proposes 2.5 kW for a
    // cold room, and the typed ambient of 30,5 °C raises Tc by its decimals.
    Outcome o = Run(
        {"pick", "km", "3", "pick", "AnlGroesse", "1", "enter", "tambient", "30,5", "print", "ok"});
    ASSERT_EQ(o.status, 0) << o.err;
    for (const char* line : {"Q0=2,5\n", "t0=-9,3\n", "tambient=30,5\n", "Tc=40,9\n"})
        EXPECT_NE(o.out.find(line), std::string::npos) << line << o.out;

    const std::vector<std::string> records = ReadReportFile(WorkingDir(temp.Path()), "GER");
    for (const char* record : {"        Anlagengröße / Kälteleistung :§$&Klein/ 2,5 kW",
                               "        Umgebungstemperatur :§$&Normal/ 30,5 °C",
                               "        Temperatur Verdampfung :§$&-9,3 °C",
                               "        Temperatur Verflüssigung :§$&40,9 °C"}) {
        EXPECT_NE(std::find(records.begin(), records.end(), record), records.end()) << record;
    }
    EXPECT_TRUE(
        temp.Read("TempPart.dat").starts_with("\"R22\"\r\n\"2,5\"\r\n\"-9,3\"\r\n\"30,5\"\r\n"))
        << temp.Read("TempPart.dat");

    // The saved project loads again with its commas; 12,5 kW is taken as 12.5, not as 12.
    Outcome comma = Run({"enter", "Q0", "12,5"});
    ASSERT_EQ(comma.status, 0) << comma.err;
    EXPECT_EQ(comma.out.find("message: "), std::string::npos) << comma.out;
    EXPECT_NE(comma.out.find("\nTc=40,9\n"), std::string::npos) << comma.out;
    EXPECT_EQ(LabelLines(comma), LabelLines(Run({"enter", "Q0", "12.5"})));
    EXPECT_NE(LabelLines(comma), LabelLines(Run({"enter", "Q0", "12"})));
}

// File names ignore case, so a settings file naming "rus" finds the Russian set; its texts must
// still be decoded as Cyrillic.
TEST_F(CalcTest, ALowerCaseLanguageCodeShowsItsScript) {
    temp.CopyFromData({"Caption.RUS", "VerbCapt.RUS", "TessaroCap.RUS", "infoTXT.RUS"});
    temp.Write("kparam.dat",
               "\"\",\"\",\"\",\"rus\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\",0,\"C:\\\",0\r\n"
               "0,35,\" 2.5\",\"\",\"\",0,\"\",1\r\n");
    CaptionTables russian;
    LoadAllCaptions(WorkingDir(test::DataDir()), "RUS", russian);
    const std::string item = russian.Program(2);
    ASSERT_TRUE(item.starts_with("\xD0") || item.starts_with("\xD1")) << item;  // Cyrillic

    Outcome o = Run({"pick", "AnwendBereich", "1"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("\nAnwendBereich=" + item + "\n"), std::string::npos) << o.out;
}

// The figures of an output: the lines of the five result labels.
std::string Figures(const Outcome& o) {
    return LabelLines(o);
}

// The line NAME=... of an output.
std::string Line(const Outcome& o, const std::string& name) {
    const size_t start = o.out.find("\n" + name + "=");
    return start == std::string::npos
               ? ""
               : o.out.substr(start + 1, o.out.find('\n', start + 1) - start - 1);
}

// The same project shows the same figures in every language: the shipped example (saved in
// German) and a project saved in English, whose texts no other language's lists hold.
TEST_F(CalcTest, TheSameProjectShowsTheSameFiguresInEveryLanguage) {
    temp.CopyAllData();
    const Outcome german = Run({});
    ASSERT_EQ(german.status, 0) << german.err;
    const char* const kCodes[] = {"GER", "ENG", "FRA", "ESP", "ITA", "POR", "NDL", "SWE",
                                  "POL", "HUN", "ROM", "TRK", "RUS", "BUL", "GRE", "ARA"};
    for (const char* code : kCodes) {
        const Outcome o = Run({"--lang", code});
        EXPECT_EQ(Figures(o), Figures(german)) << code;
        EXPECT_EQ(o.out.find("Kühlraum"),
                  code == std::string("GER") ? o.out.find("Kühlraum") : std::string::npos)
            << code;
    }
    ASSERT_EQ(
        Run({"--lang", "ENG", "pick", "AnwendBereich", "6", "pick", "RGart", "5", "ok"}).status, 0);
    const Outcome english = Run({"--lang", "ENG"});
    EXPECT_EQ(Line(english, "AnwendBereich"), "AnwendBereich=Industrial refrigeration");
    for (const char* code : {"GER", "FRA", "RUS", "ARA"}) {
        const Outcome o = Run({"--lang", code});
        EXPECT_EQ(Figures(o), Figures(english)) << code;
    }
    EXPECT_EQ(Line(Run({"--lang", "GER"}), "AnwendBereich"), "AnwendBereich=Industriekälte");
}

// A pick's energy proposals count at once: calculate afterwards changes nothing.
TEST_F(CalcTest, ProposalsCountWhenTheyAreShown) {
    const Outcome picked = Run({"pick", "AnwendBereich", "3"});
    EXPECT_EQ(Line(picked, "lzfaktor"), "lzfaktor=0.9");
    EXPECT_EQ(Figures(picked), Figures(Run({"pick", "AnwendBereich", "3", "calculate"})));
    EXPECT_EQ(temp.Read("energk.dat"), "18,0.9,0.28,365,0.38\r\n");
}

// O.K. and reopening show the same texts and figures: the condensing temperature typed and the
// superheat of the evaporator come back. A project file another program changed loads as it says.
TEST_F(CalcTest, ReopeningRestoresThePlantAsShown) {
    const Outcome closed = Run({"pick", "AnwendBereich", "3", "enter", "Tc", "44", "ok"});
    ASSERT_EQ(closed.status, 0) << closed.err;
    const Outcome reopened = Run({});
    EXPECT_EQ(reopened.out, closed.out);
    EXPECT_EQ(Line(reopened, "tSLeit"), "tSLeit=15");

    std::string project = temp.Read("TempPart.dat");
    project.replace(project.find("\"55\""), 4, "\"56\"");  // Q0 changed by another program
    temp.Write("TempPart.dat", project);
    EXPECT_EQ(Line(Run({}), "Tc"), "Tc=45");
}

// Focus, Tab and the mouse over a caption show help only.
TEST_F(CalcTest, LookingChangesNothing) {
    ASSERT_EQ(Run({"enter", "betrstd", "5"}).status, 0);
    const std::string energy = temp.Read("energk.dat");
    const Outcome plain = Run({});
    for (const char* action : {"focus", "hover"}) {
        const Outcome looked =
            Run({action, action == std::string("focus") ? "AnwendBereich" : "Label17"});
        EXPECT_EQ(looked.out, plain.out) << action;
        EXPECT_EQ(temp.Read("energk.dat"), energy) << action;
    }
}

// Texts that are no number, or lie outside a box's range, are refused with a message that names
// the box; nothing is computed from them.
TEST_F(CalcTest, NumbersOutsideTheirRangeAreRefused) {
    const Outcome plain = Run({});
    const Outcome o = Run({"enter", "t0", "abc", "enter", "Tc", "", "enter", "Q0", "1e308", "enter",
                           "EnergKost", "-300", "enter", "tambient", "61"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(Figures(o), Figures(plain));
    for (const char* message :
         {"message: to :\r\nBitte eine Zahl von -60 °C bis 70 °C eingeben.\n", "message: tc :\r\n",
          "message: Qo :\r\n", "message: Strompreis :\r\n", "message: Umgebungstemperatur :\r\n"})
        EXPECT_NE(o.out.find(message), std::string::npos) << message;
    EXPECT_EQ(temp.Read("energk.dat"), "18,0.75,0.28,365,0.38\r\n");
}

// O.K. that cannot write the project says which file and why, keeps the old files whole, and
// leaves the form open (exit status 1 for a script).
TEST_F(CalcTest, AFailedSaveSaysSoAndKeepsEverything) {
    const std::string energy = temp.Read("energk.dat");
    std::filesystem::remove(temp.Path() / "TempPart.dat");
    std::filesystem::create_directories(temp.Path() / "TempPart.dat" / "x");
    const Outcome o = Run({"enter", "Q0", "9", "ok"});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.out.find("message: Die Datei " + (temp.Path() / "TempPart.dat").string() +
                         " konnte nicht geschrieben werden"),
              std::string::npos)
        << o.out;
    EXPECT_NE(o.out.find("\nQ0=9\n"), std::string::npos);
    EXPECT_EQ(temp.Read("energk.dat"), energy);
    EXPECT_FALSE(temp.Exists("TempPartX.dat"));
}

TEST_F(CalcTest, UsageErrorsWriteNothing) {
    const std::string project = temp.Read("TempPart.dat");
    const std::string energy = temp.Read("energk.dat");
    const std::vector<std::vector<std::string>> cases = {
        {"explode"},
        {"pick", "Q5", "1"},
        {"pick", "AnwendBereich"},
        {"pick", "AnwendBereich", "x"},
        {"pick", "AnwendBereich", "0"},
        {"pick", "Q0", "1"},
        {"type", "AnwendBereich", "x"},
        {"enter", "Q0"},
        {"focus"},
        {"enter", "betrstd", "5", "ok", "calculate"},
        {"enter", "betrstd", "5", "pick", "AnwendBereich", "8"},
        {"enter", "betrstd", "5", "pick", "AnwendBereich", "1", "pick", "Tempbereich", "2", "ok"},
    };
    for (const auto& args : cases) {
        Outcome o = Run(args);
        EXPECT_EQ(o.status, 2) << args[0];
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
        EXPECT_TRUE(o.out.empty());
        EXPECT_EQ(temp.Read("TempPart.dat"), project);
        EXPECT_EQ(temp.Read("energk.dat"), energy);
    }
}

TEST_F(CalcTest, AMissingSettingsFileIsNamed) {
    std::filesystem::remove(temp.Path() / "kparam.dat");
    Outcome o = Run({});
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("kparam.dat"), std::string::npos);
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1);
}

// A named pipe in place of the project, energy, table or settings file is taken for a missing
// file: the run goes on as without it instead of waiting for a writer, and leaves the pipe.
TEST_F(CalcTest, ANamedPipeInPlaceOfADataFileIsAMissingFile) {
    environment = "timeout 20 ";  // a run that waits ends with status 124
    for (const char* name : {"TempPart.dat", "energk.dat", "R22.DAT", "kparam.dat"}) {
        SCOPED_TRACE(name);
        const std::filesystem::path path = temp.Path() / name;
        std::filesystem::copy_file(path, temp.Path() / "kept");
        std::filesystem::remove(path);
        const Outcome missing = Run({});
        ASSERT_TRUE(test::MakeFifo(path));
        const Outcome piped = Run({});
        EXPECT_EQ(piped.status, missing.status) << piped.err;
        EXPECT_EQ(piped.out, missing.out);
        EXPECT_EQ(piped.err, missing.err);
        EXPECT_TRUE(std::filesystem::is_fifo(path));
        std::filesystem::remove(path);
        std::filesystem::rename(temp.Path() / "kept", path);
    }
}

}  // namespace
}  // namespace tessaro
