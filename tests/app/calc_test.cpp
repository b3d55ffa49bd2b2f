// tessaro-calc end to end, in a temporary working folder with the shipped data files.
#include <sys/wait.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "engine/app_state.h"
#include "project/form/project_form.h"
#include "shell/start_up.h"
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

    // Runs tessaro-calc in the folder with the arguments given, each quoted for the shell.
    Outcome Run(const std::vector<std::string>& args) {
        std::string command = "cd " + Quoted(temp.Path().string()) + " && " + TESSARO_CALC;
        for (const std::string& arg : args)
            command += " " + Quoted(arg);
        const int status = std::system((command + " >out.txt 2>err.txt").c_str());
        Outcome outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, temp.Read("out.txt"),
                        temp.Read("err.txt")};
        for (const char* name : {"out.txt", "err.txt"})
            std::filesystem::remove(temp.Path() / name);
        return outcome;
    }

    test::TempDir temp;
};

// The figures of an output: the lines of the five result labels.
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
        EXPECT_EQ(LabelLines(o), LabelLines(german)) << code;
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
        EXPECT_EQ(LabelLines(o), LabelLines(english)) << code;
    }
    EXPECT_EQ(Line(Run({"--lang", "GER"}), "AnwendBereich"), "AnwendBereich=Industriekälte");
}

// A pick's energy proposals count at once: calculate afterwards changes nothing.
TEST_F(CalcTest, ProposalsCountWhenTheyAreShown) {
    const Outcome picked = Run({"pick", "AnwendBereich", "3"});
    EXPECT_EQ(Line(picked, "lzfaktor"), "lzfaktor=0.9");
    EXPECT_EQ(LabelLines(picked), LabelLines(Run({"pick", "AnwendBereich", "3", "calculate"})));
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
    temp.CopyFromData({"Caption.RUS", "VerbCapt.RUS", "TessaroCap.RUS", "infoTXT.RUS"});
    EXPECT_EQ(LabelLines(Run({"--lang", "RUS"})), LabelLines(closed)) << "reopened in Russian";

    std::string project = temp.Read("TempPart.dat");
    project.replace(project.find("\"55\""), 4, "\"56\"");  // Q0 changed by another program
    temp.Write("TempPart.dat", project);
    EXPECT_EQ(Line(Run({}), "Tc"), "Tc=45");
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

// The comparison headless: the what-if as the form's picks give it, as a table, CSV and JSON, and
// nothing written; a damaged variants file is said, not replaced.
TEST_F(CalcTest, ComparesWhatIfsAndStoredVariantsWritingNothing) {
    const std::string project = temp.Read("TempPart.dat");
    const Outcome csv = Run({"--csv", "whatif", "refrigerants", "R407C,R32"});
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find("\r\n")), "\"\",\"Projekt\",\"R407C\",\"R32\"");
    EXPECT_NE(csv.out.find("\"R32 kann nicht verglichen werden"), std::string::npos);
    const Outcome picked = Run({"--json", "pick", "RGart", "5"});
    const Outcome json = Run({"--json", "whatif", "RGart"});
    ASSERT_EQ(json.status, 0) << json.err;
    const std::string betrKo = "\"BetrKo\": \"";
    const size_t at = picked.out.find(betrKo) + betrKo.size();
    const std::string cost = picked.out.substr(at, picked.out.find('"', at) - at);
    EXPECT_NE(json.out.find("\"RunningCost\": " + cost + ".0"), std::string::npos) << cost;
    temp.Write("TempPartVariants.json", "{broken");
    const Outcome damaged = Run({"compare"});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("TempPartVariants.json cannot be read: not JSON"),
              std::string::npos);
    EXPECT_EQ(temp.Read("TempPartVariants.json"), "{broken");
    EXPECT_FALSE(temp.Exists("TempPartVariants.damaged.json"));
    EXPECT_EQ(temp.Read("TempPart.dat"), project);
}

// The diagram headless: SVG or PNG by the name, written whole; a refrigerant draws its cycle.
TEST_F(CalcTest, WritesTheDiagramAsSvgOrPng) {
    ASSERT_EQ(Run({"diagram", "cycle.svg"}).status, 0);
    const std::string svg = temp.Read("cycle.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("R22"), std::string::npos);
    ASSERT_EQ(Run({"pick", "RGart", "5", "diagram", "cycle.png", "R407C"}).status, 0);
    EXPECT_EQ(temp.Read("cycle.png").substr(1, 3), "PNG");
    const Outcome unwritable = Run({"diagram", "no/such/folder/cycle.png"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("could not be written"), std::string::npos);
}

// --help lists every field of the form and every item of its list as pick numbers it, in the
// language asked for; --version the project's version; both exit 0 and write nothing.
TEST_F(CalcTest, HelpListsEveryFieldWithItsItemsAndVersionNamesTheRelease) {
    temp.CopyFromData({"Caption.ENG", "VerbCapt.ENG", "TessaroCap.ENG", "infoTXT.ENG"});
    const std::string project = temp.Read("TempPart.dat");
    for (const char* language : {"GER", "ENG"}) {
        const Outcome help = Run({"--help", "--lang", language});
        EXPECT_EQ(help.status, 0);
        AppState state{WorkingDir(temp.Path()).WithWritesHeld()};
        ASSERT_FALSE(StartUp(state, nullptr, false).has_value());
        state.settings.LanguageCode = language;
        LoadAllCaptions(state.dir, language, state.captions);
        test::RecordingMessageBox messages;
        FormHost host;
        ProjectForm form(state, messages, host);
        form.Load();
        for (int i = 0; i < kFieldCount; ++i) {
            const FieldId field = static_cast<FieldId>(i);
            EXPECT_NE(help.out.find("\n  " + std::string(FieldName(field)) + " "),
                      std::string::npos)
                << language << " " << FieldName(field);
            const std::vector<std::string>& items = form.Lists()[field];
            for (size_t n = 0; n < items.size(); ++n) {
                EXPECT_NE(help.out.find("      " + std::to_string(n + 1) + "  " + items[n] + "\n"),
                          std::string::npos)
                    << language << " " << FieldName(field) << " " << items[n];
            }
        }
    }
    const Outcome version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tessaro-calc " TESSARO_VERSION "\n");
    EXPECT_EQ(Run({"--nonsense"}).status, 2);
    EXPECT_EQ(temp.Read("TempPart.dat"), project);
}

TEST_F(CalcTest, UsageErrorsAndCancelWriteNothing) {
    const std::string project = temp.Read("TempPart.dat");
    const std::string energy = temp.Read("energk.dat");
    // clang-format off
    const std::vector<std::vector<std::string>> cases = {
        {"explode"}, {"pick", "Q5", "1"}, {"pick", "AnwendBereich"}, {"pick", "AnwendBereich", "x"},
        {"pick", "AnwendBereich", "0"}, {"pick", "AnwendBereich", "1.5"}, {"pick", "AnwendBereich", ""},
        {"pick", "AnwendBereich", "99999999999"}, {"pick", "Q0", "1"}, {"type", "AnwendBereich", "x"},
        {"enter", "Q0"}, {"focus"}, {"enter", "betrstd", "5", "ok", "calculate"},
        {"enter", "betrstd", "5", "pick", "AnwendBereich", "8"},
        {"enter", "betrstd", "5", "pick", "AnwendBereich", "1", "pick", "Tempbereich", "2", "ok"},
        {"whatif", "Q0"}, {"whatif"}, {"compare", "calculate"}, {"whatif", "RGart", "pick"},
        {"diagram"}, {"diagram", "a.png", "R22", "ok"},
        {"pick", "AnwendBereich", "3", "whatif", "refrigerants", "R22", "ok"},
    };
    // clang-format on
    for (const auto& args : cases) {
        Outcome o = Run(args);
        EXPECT_EQ(o.status, 2) << args[0];
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
        EXPECT_TRUE(o.out.empty());
        EXPECT_EQ(temp.Read("TempPart.dat"), project);
        EXPECT_EQ(temp.Read("energk.dat"), energy);
    }
    EXPECT_NE(Run({"pick", "AnwendBereich", "0"}).err.find("not an item number"),
              std::string::npos);
    EXPECT_EQ(Run({"type", "Q0", "9", "cancel"}).status, 0);
    EXPECT_EQ(temp.Read("TempPart.dat"), project) << "cancel saves nothing";
    EXPECT_EQ(Run({"pick", "AnwendBereich", "7"}).status, 0) << "the last item";
    EXPECT_EQ(Run({"hover", "PNRG"}).status, 0) << "a panel over which the help hides";
}

}  // namespace
}  // namespace tessaro
