// The project file and the energy file: their round trip in the code page of the language, every
// shape another program or a cut copy may leave them in, and projects of other languages.

#include <cmath>
#include <map>

#include "project/form_fixture.h"
#include "project/project_files.h"
#include "shell/code_page.h"

namespace tessaro {
namespace {

using test::FormFixture;
using Strings = std::vector<std::string>;

class ProjectFilesTest : public FormFixture {
  protected:
    // Opens the form as the first opening of a run, which runs the calculation.
    ProjectForm& OpenFirst() {
        state.calculationDone = false;
        return Open();
    }
};

// Every field on its line in file order, a comma kept, a double quote as two apostrophes; the
// project reloads as it was; saved while Russian is the language, in its code page.
TEST_F(ProjectFilesTest, SavedProjectReloadsAsItWasInTheCodePageOfTheLanguage) {
    const std::vector<std::string> lines = {"R22", "12,5", "-8",  "30",  "P3",  "P8",
                                            "P10", "P8",   "P14", "P15", "P24", "P27",
                                            "P10", "P16",  "P36", "M88", "P42", "38 °C"};
    WriteProject(lines);
    const std::string saved = temp.Read("TempPart.dat");
    ProjectForm& f = Open();
    f.Abbrechen();
    EXPECT_EQ(temp.Read("TempPart.dat"), saved);
    ProjectForm& g = Open();
    EXPECT_EQ(g.Record()[FieldId::Tc], "44.4");  // 30 + Int(10 * 18 * 0.8) / 10
    state.settings.LanguageCode = "RUS";
    g.Type(FieldId::Q0, "Холод, \"Север\"");
    g.Abbrechen();
    EXPECT_NE(temp.Read("TempPart.dat")
                  .find(EncodeText("\"Холод, ''Север''\"\r\n\"-8\"", CodePage::Windows1251)),
              std::string::npos);
    EXPECT_EQ(Open().Record()[FieldId::Q0], "Холод, ''Север''");
}

// The project file is read field by field across lines; a field that is not there is empty.
TEST_F(ProjectFilesTest, EveryShapeOfTheProjectFileReadsFieldByField) {
    struct Row {
        const char* what;
        std::optional<std::string> file;
        Strings shown;  // Q0, t0, tambient, AnwendBereich, Tempbereich, Tc
    };
    const Row rows[] = {
        {"missing", std::nullopt, {"", "", "", "", "P15", "45"}},
        {"cut after line 3", "\"R22\"\r\n\"7\"\r\n\"-5\"", {"7", "-5", "", "", "P15", "45"}},
        {"an empty field in the middle",
         "\"R22\"\r\n\"7\"\r\n\"\"\r\n\"30\"\r\n\"P4\"\r\n",
         {"7", "", "30", "P4", "", "43"}},
        {"a blank field", "\"R22\"\r\n\" \"\r\n\"-5\"\r\n", {" ", "-5", "", "", "P15", "45"}},
        {"unquoted fields, one holding a comma",
         "R22\r\n  7\r\n-5,30\r\nP4\r\n",
         {"7", "-5", "30", "P4", "", "43"}},
        {"an extra field on a line",
         "\"R22\"\r\n\"7\",\"x\"\r\n\"-5\"\r\n",
         {"7", "x", "-5", "", "P15", "8"}},
        {"line breaks of another system",
         "\"R22\"\n\"7\"\n\"-5\"\n\"28\"\n",
         {"7", "-5", "28", "", "P15", "41"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove(temp.Path() / "TempPart.dat");
        if (row.file)
            temp.Write("TempPart.dat", *row.file);
        ProjectForm& f = Open();
        using enum FieldId;
        EXPECT_EQ((Strings{f.Record()[Q0], f.Record()[t0], f.Record()[tambient],
                           f.Record()[AnwendBereich], f.Record()[Tempbereich], f.Record()[Tc]}),
                  row.shown);
        EXPECT_EQ(f.Record()[WinterRGart], "");
        EXPECT_EQ(state.engine.CurrentRefrigerant, "R22");
    }
}

// Program captions of a made-up language: entry n is prefix + n, except those given.
void WriteProgramCaptions(const test::TempDir& temp, const std::string& code,
                          const std::string& prefix, const std::map<int, std::string>& given) {
    std::string text;
    for (int n = 1; n <= CaptionTables::kProgramEntries; ++n) {
        const auto it = given.find(n);
        text += (it != given.end() ? it->second : prefix + std::to_string(n)) + "\r\n";
    }
    temp.Write("TessaroCap." + code, EncodeText(text, CodePageOfLanguage(code)));
}

// A project saved in another language is read as the same items: the one language whose lists
// hold most of its choices is taken for all of them, so a text two languages share ("Mid": the
// normal size in German, the small one in English) is read as that language's item. The bytes are
// decoded in each language's own code page.
TEST_F(ProjectFilesTest, ChoicesSavedInAnotherLanguageReadAsTheSameItems) {
    WriteProgramCaptions(temp, "GER", "G", {{9, "Mid"}});
    WriteProgramCaptions(temp, "ENG", "E", {{8, "Mid"}});
    WriteProgramCaptions(temp, "RUS", "R", {{6, "Промышленный холод"}});
    struct Case {
        std::vector<std::string> lines;
        std::vector<std::pair<FieldId, std::string>> expected;
    };
    using enum FieldId;
    // clang-format off
    const Case cases[] = {
        {{"R22", "10", "-10", "32", "E4", "Mid", "E9", "E9", "E15", "E19", "E23", "E26", "E9",
          "E14", "E35", "E39", "E45", "E33"},
         {{AnwendBereich, "P4"}, {vdsize, "P8"}, {Tempbereich, "P19"}, {WinterRGart, "P33"},
          {Verdichterbauart, "M87"}}},
        {{"R22", "10", "-10", "32", "G4", "Mid", "G8", "G9", "G15", "G18", "G23", "G26", "G9",
          "G14", "Unknown", "G39", "G45", "43 °C"},
         {{vdsize, "P9"}, {Tempbereich, "P18"}, {km, "Unknown"}, {WinterRGart, "43 °C"}}},
        {{"R22", "10", "-10", "32", "Промышленный холод", "R9", "", "", "", "", "", "", "", "", "",
          "", "", ""},
         {{AnwendBereich, "P6"}, {vdsize, "P9"}, {AnlGroesse, ""}}},
        // A text two languages hold alike: the one first in order reads it.
        {{"R22", "10", "-10", "32", "", "Mid", "", "", "", "", "", "", "", "", "", "", "", ""},
         {{vdsize, "P9"}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines[4]);
        std::string text;
        for (const std::string& line : c.lines)
            text += "\"" + line + "\"\r\n";
        const bool russian = c.lines[4].starts_with("\xD0");
        temp.Write("TempPart.dat",
                   EncodeText(text, russian ? CodePage::Windows1251 : CodePage::Windows1252));
        ProjectForm& f = OpenFirst();
        for (const auto& [field, item] : c.expected)
            EXPECT_EQ(f.Record()[field], item) << FieldName(field);
    }
}

// The energy file in every shape: the form shows all five values only when the line holds five
// numbers; the run reads number by number into what it holds (here 1 to 5) and stops at the
// first field that is empty or no number.
TEST_F(ProjectFilesTest, EveryShapeOfTheEnergyFileReadsWholeOrNotAtAll) {
    WriteTypicalProject();
    const Strings none(5, "");
    struct Row {
        const char* file;
        Strings shown;
        std::array<double, 5> run;
    };
    const Row rows[] = {
        {"12,0.8,0.2,365,0.5\r\n", {" 12", " .8", " .2", " 365", " .5"}, {12, .8, .2, 365, .5}},
        {"12,,0.2,365,0.5\r\n", none, {12, 2, 3, 4, 5}},
        {"12,0.8,0.2,365\r\n", none, {12, .8, .2, 365, 5}},
        {"12,0.8,0.2,365,0.5,99\r\n", {" 12", " .8", " .2", " 365", " .5"}, {12, .8, .2, 365, .5}},
        {" 12 , .8,0.2 ,365,-0.5", {" 12", " .8", " .2", " 365", "-.5"}, {12, .8, .2, 365, -.5}},
        {"12,abc,0.2,365,0.5\r\n", none, {12, 2, 3, 4, 5}},
        {"12,0.8,0.2,365.5,1e-1\r\n",
         {" 12", " .8", " .2", " 365.5", " .1"},
         {12, .8, .2, 365.5, .1}},
        {"12\r\n0.8\r\n0.2\r\n365\r\n0.5\r\n",
         {" 12", " .8", " .2", " 365", " .5"},
         {12, .8, .2, 365, .5}},
        {"", none, {1, 2, 3, 4, 5}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        WriteEnergy(row.file);
        ProjectForm& f = Open();
        Strings shown;
        for (FieldId field : kEnergyFields)
            shown.push_back(f.Record()[field]);
        EXPECT_EQ(shown, row.shown);
        EnergyNumbers run{1, 2, 3, 4, 5};
        ReadEnergyNumbers(state, run);
        EXPECT_EQ((std::array{run.betrstd, run.lzfaktor, run.EnergKost, run.JahrebetrT,
                              run.Spezco2emission}),
                  row.run);
    }
}

}  // namespace
}  // namespace tessaro
