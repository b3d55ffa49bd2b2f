// The project file and the energy file: load order, round trips, missing, short and read-only
// files.
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <utility>

#include "project/form_fixture.h"
#include "project/project_files.h"
#include "shell/code_page.h"
#include "shell/field_reader.h"
#include "support/hostile_files.h"

namespace tessaro {
namespace {

using test::FormFixture;

class ProjectFilesTest : public FormFixture {
  protected:
    // Opens the form as the first opening of a run, which runs the calculation.
    ProjectForm& OpenFirst() {
        state.calculationDone = false;
        return Open();
    }
};

TEST_F(ProjectFilesTest, SavedProjectReloadsAsItWas) {
    WriteProject({"R407C", "12,5", "-8", "30", "P3", "P8", "P10", "P8", "P14", "P15", "P24", "P27",
                  "P10", "P16", "P36", "M88", "P42", "38 °C"});
    ProjectForm& f = Open();
    EXPECT_EQ(state.engine.CurrentRefrigerant, "R22");  // every project runs with R22
    f.Type(FieldId::Q0, "Kälte, \"Nord\"");
    f.Abbrechen();

    std::string saved = DecodeText(temp.Read("TempPart.dat"), CodePage::Windows1252);
    FieldReader reader(saved);
    std::vector<std::string> lines;
    for (auto line = reader.NextLine(); !line.empty(); line = reader.NextLine()) {
        ASSERT_EQ(line.size(), 1u);
        lines.push_back(line[0]);
    }
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0], "R22");
    EXPECT_EQ(lines[1], "Kälte, ''Nord''");  // a comma kept, a double quote as two apostrophes
    EXPECT_EQ(lines[17], "38 °C");
    EXPECT_EQ(saved.substr(saved.size() - 2), "\r\n");

    ProjectForm& g = Open();
    EXPECT_EQ(g.Record()[FieldId::Q0], "Kälte, ''Nord''");
    EXPECT_EQ(g.Record()[FieldId::Tempbereich], "P15");
    EXPECT_EQ(g.Record()[FieldId::Verdichterbauart], "M88");
    EXPECT_EQ(g.Record()[FieldId::WinterRGart], "38 °C");
    EXPECT_EQ(g.Record()[FieldId::Tc], "44.4");  // 30 + Int(10 * 18 * 0.8) / 10
    EXPECT_DOUBLE_EQ(g.Operating().CondenserDifference, 14.4);
}

TEST_F(ProjectFilesTest, AProjectOfAnotherLanguageKeepsItsTextsAndTakesTheOtherBranches) {
    WriteProject({"R22", "10", "-10", "32", "Tiefkühlraum", "mittel", "mittel", "groß", "", "",
                  "gut", "voll", "mittel", "ohne", "", "", "", ""});
    WriteEnergy("12,0.8,0.2,365,0.5\r\n");
    ProjectForm& f = Open();
    EXPECT_EQ(f.Record()[FieldId::AnwendBereich], "Tiefkühlraum");
    EXPECT_EQ(f.Record()[FieldId::Tempbereich], "P15");  // any other application: one range
    EXPECT_EQ(f.Operating().RoomTemperature, -10);
    EXPECT_EQ(f.Operating().SuctionLineLoss, 1);
    EXPECT_EQ(f.Operating().SuctionLineSuperheat, 5);
    EXPECT_EQ(f.Operating().MaintenanceOffset, 0);  // unknown text: left as it was
    EXPECT_EQ(f.Operating().FillFactor, 1);
    EXPECT_EQ(f.Record()[FieldId::Tc], "45");
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
    const Case cases[] = {
        {{"R22", "10", "-10", "32", "E4", "Mid", "E9", "E9", "E15", "E19", "E23", "E26", "E9",
          "E14", "E35", "E39", "E45", "E33"},
         {{FieldId::AnwendBereich, "P4"},
          {FieldId::vdsize, "P8"},
          {FieldId::Tempbereich, "P19"},
          {FieldId::WinterRGart, "P33"},
          {FieldId::Verdichterbauart, "M87"}}},
        {{"R22", "10", "-10", "32", "G4", "Mid", "G8", "G9", "G15", "G18", "G23", "G26", "G9",
          "G14", "Unknown", "G39", "G45", "43 °C"},
         {{FieldId::vdsize, "P9"},
          {FieldId::Tempbereich, "P18"},
          {FieldId::km, "Unknown"},
          {FieldId::WinterRGart, "43 °C"}}},
        {{"R22", "10", "-10", "32", "Промышленный холод", "R9", "", "", "", "", "", "", "", "", "",
          "", "", ""},
         {{FieldId::AnwendBereich, "P6"}, {FieldId::vdsize, "P9"}, {FieldId::AnlGroesse, ""}}},
    };
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

TEST_F(ProjectFilesTest, AMissingOrShortProjectFileLeavesFieldsEmpty) {
    ProjectForm& f = Open();
    for (FieldId field : kProjectFileFields) {
        if (field != FieldId::Tempbereich) {
            EXPECT_EQ(f.Record()[field], "") << FieldName(field);
        }
    }
    EXPECT_EQ(f.Record()[FieldId::Tempbereich], "P15");  // the list rule for any other application
    EXPECT_EQ(f.Record()[FieldId::Tc], "45");
    EXPECT_EQ(state.engine.CurrentRefrigerant, "R22");

    temp.Write("TempPart.dat", "\"R22\"\r\n\"7\"\r\n\"-5\"");
    ProjectForm& g = Open();
    EXPECT_EQ(g.Record()[FieldId::Q0], "7");
    EXPECT_EQ(g.Record()[FieldId::t0], "-5");
    EXPECT_EQ(g.Record()[FieldId::tambient], "");
    EXPECT_EQ(g.Record()[FieldId::WinterRGart], "");
}

TEST_F(ProjectFilesTest, EnergyValuesAreShownAsSignPlaceTextsAndWrittenWithAPoint) {
    WriteTypicalProject();
    WriteEnergy("12,.8,0.25,365,-0.5\r\n");
    ProjectForm& f = Open(',');
    EXPECT_EQ(f.Record()[FieldId::betrstd], " 12");
    EXPECT_EQ(f.Record()[FieldId::lzfaktor], " .8");
    EXPECT_EQ(f.Record()[FieldId::Spezco2emission], "-.5");
    f.Type(FieldId::EnergKost, "0,25");
    f.Type(FieldId::JahrebetrT, "");
    f.Enter(FieldId::EnergKost);
    // The box emptied without Enter is no number: it keeps its saved value and stays pending.
    EXPECT_EQ(temp.Read("energk.dat"), "12,0.8,0.25,365,-0.5\r\n");
    EXPECT_EQ(f.Record().energy.EnergKost, 0.25);
    EXPECT_FALSE(f.Pending(FieldId::EnergKost));
    EXPECT_TRUE(f.Pending(FieldId::JahrebetrT));
}

// The largest values written into the energy file read back, all five of them.
TEST_F(ProjectFilesTest, ExtremeEnergyValuesSurviveTheFile) {
    WriteTypicalProject();
    ProjectParameters extreme;
    for (FieldId field : kEnergyFields)
        extreme[field] = "1";
    extreme[FieldId::betrstd] = "1.7976931348623157e308";
    extreme[FieldId::EnergKost] = "-1.7976931348623157e308";
    ASSERT_TRUE(SaveEnergyValues(state, extreme).Written());
    EnergyNumbers energy{};
    ReadEnergyNumbers(state, energy);
    EXPECT_EQ(energy.betrstd, std::numeric_limits<double>::max());
    EXPECT_EQ(energy.EnergKost, -std::numeric_limits<double>::max());
    EXPECT_EQ(energy.Spezco2emission, 1);
    ProjectForm& g = Open();
    EXPECT_EQ(g.Record()[FieldId::betrstd], " 1.7976931348623157e+308");
    EXPECT_EQ(g.Record()[FieldId::Spezco2emission], " 1");
}

TEST_F(ProjectFilesTest, AMissingOrMalformedEnergyFileGivesEmptyFields) {
    WriteTypicalProject();
    for (const char* content : {"12,0.8,0.2,365\r\n", "12,abc,0.2,365,0.5\r\n", ""}) {
        WriteEnergy(content);
        ProjectForm& f = Open();
        for (FieldId field : kEnergyFields)
            EXPECT_EQ(f.Record()[field], "") << content;
        // The run's own read took what it could; the fifth number was never there.
        EXPECT_EQ(f.Record().energy.Spezco2emission, 0) << content;
    }
    std::filesystem::remove(temp.Path() / "energk.dat");
    ProjectForm& g = Open();
    EXPECT_EQ(g.Record()[FieldId::betrstd], "");
}

TEST_F(ProjectFilesTest, TheRunReadsTheEnergyFileNumberByNumberUntilOneFails) {
    EnergyNumbers energy{1, 2, 3, 4, 5};
    WriteEnergy("10,20,x,40,50");
    ReadEnergyNumbers(state, energy);
    EXPECT_EQ(energy.betrstd, 10);
    EXPECT_EQ(energy.lzfaktor, 20);
    EXPECT_EQ(energy.EnergKost, 3);
    EXPECT_EQ(energy.Spezco2emission, 5);
}

TEST_F(ProjectFilesTest, ReadOnlyFilesAreMadeWritableAndReplaced) {
    WriteTypicalProject();
    for (const char* name : {"TempPart.dat", "energk.dat"}) {
        ::chmod((temp.Path() / name).c_str(), 0444);
    }
    ProjectForm& f = Open();
    f.Type(FieldId::Q0, "33");
    f.Abbrechen();
    EXPECT_NE(temp.Read("TempPart.dat").find("\"33\""), std::string::npos);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectFilesTest, AnEnergyFileThatCannotBeWrittenIsReportedOnceByName) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    // A folder in place of the file: it can be neither replaced nor written.
    std::filesystem::remove(temp.Path() / "energk.dat");
    std::filesystem::create_directories(temp.Path() / "energk.dat" / "x");
    f.Abbrechen();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "P63 " + (temp.Path() / "energk.dat").string() + ", P67 (" +
                                          std::strerror(EISDIR) + ")\r\nP64");
    EXPECT_EQ(host.closes, 0);  // the form stays open with everything entered
}

// Every field and result label that an opened form shows.
std::vector<std::string> Shown(const ProjectForm& f) {
    std::vector<std::string> shown;
    for (int n = 0; n < kFieldCount; ++n)
        shown.push_back(f.Record()[static_cast<FieldId>(n)]);
    const ResultLabels& l = f.Labels();
    shown.insert(shown.end(), {l.tSLeit, l.LeistZ, l.BetrKo, l.kWstunden, l.co2consum});
    return shown;
}

// Something other than a regular file in a file's place.
const std::vector<std::pair<std::string, std::function<void(const std::filesystem::path&)>>>
    kOddFiles = {
        {"a named pipe", [](const std::filesystem::path& p) { ASSERT_TRUE(test::MakeFifo(p)); }},
        {"a link to /dev/zero",
         [](const std::filesystem::path& p) { std::filesystem::create_symlink("/dev/zero", p); }},
        {"a folder", [](const std::filesystem::path& p) { std::filesystem::create_directory(p); }},
};

TEST_F(ProjectFilesTest, AnythingButARegularFileInPlaceOfTheProjectOrEnergyFileReadsAsMissing) {
    for (const char* name : {"TempPart.dat", "energk.dat"}) {
        const std::filesystem::path path = temp.Path() / name;
        WriteTypicalProject();
        std::filesystem::remove(path);
        const std::vector<std::string> missing = Shown(OpenFirst());
        for (const auto& [what, make] : kOddFiles) {
            SCOPED_TRACE(std::string(name) + " is " + what);
            make(path);
            ASSERT_EQ(test::EndsWithinBounds([&] { OpenFirst(); }), "");
            EXPECT_EQ(Shown(OpenFirst()), missing);
            std::filesystem::remove(path);
        }
    }
}

TEST_F(ProjectFilesTest, ANamedPipeInPlaceOfAFileIsNeitherReplacedNorWaitedOn) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    for (const char* name : {"TempPart.dat", "energk.dat"})
        ASSERT_TRUE(test::MakeFifo(temp.Path() / name));
    ASSERT_EQ(test::EndsWithinBounds([&] { f.Abbrechen(); }), "");
    f.Abbrechen();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("TempPart.dat"), std::string::npos);
    f.Rechbutt();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[1].text.find("energk.dat"), std::string::npos);
    for (const char* name : {"TempPart.dat", "energk.dat"})
        EXPECT_TRUE(std::filesystem::is_fifo(temp.Path() / name)) << name;
}

// A file of 50 MB whose first part is a real project or energy file costs what that part costs
// and reads as it.
TEST_F(ProjectFilesTest, OversizedProjectAndEnergyFilesReadAsTheirFirstLegitimatePart) {
    WriteTypicalProject();
    const std::vector<std::string> typical = Shown(OpenFirst());
    const std::string project = temp.Read("TempPart.dat");
    const std::string energy = temp.Read("energk.dat");
    test::WriteOversized(temp.Path() / "TempPart.dat", project, "\"Normal\"\r\n");
    test::WriteOversized(temp.Path() / "energk.dat", energy, "99,1,1,1,1\r\n");
    ASSERT_EQ(test::EndsWithinBounds([&] { OpenFirst(); }), "");
    EXPECT_EQ(Shown(OpenFirst()), typical);
    EnergyNumbers numbers{};
    ReadEnergyNumbers(state, numbers);
    EXPECT_EQ(numbers.betrstd, 12);
    EXPECT_EQ(numbers.Spezco2emission, 0.5);
}

}  // namespace
}  // namespace tessaro
