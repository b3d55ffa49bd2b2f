#include "project/project_files.h"

#include <cstring>
#include <vector>

#include "engine/app_state.h"
#include "shell/code_page.h"
#include "shell/field_reader.h"
#include "shell/field_writer.h"
#include "shell/number_text.h"

namespace tessaro {

namespace {

using Ops = OperatingConditions;

// What a load reads of each file: the project file's 18 lines of one field each, the energy
// file's five numbers. The byte limits lie far above any file the form writes: a project file
// holds 18 texts of a text box each (a text box takes at most 32767 characters), an energy line
// five numbers of at most 24 characters.
constexpr ReadLimits kProjectFileLimits{1 << 20, 18};
constexpr ReadLimits kEnergyFileLimits{1 << 16, 5};

CodePage LanguagePage(const AppState& state) {
    return CodePageOfLanguage(state.settings.LanguageCode);
}

// The fields of the project file in order, or none when it cannot be read.
std::vector<std::string> ReadProjectFields(const AppState& state) {
    return ReadFileFields(state.dir, kProjectFile, LanguagePage(state), kProjectFileLimits)
        .value_or(std::vector<std::string>());
}

std::array<double*, 5> EnergySlots(EnergyNumbers& e) {
    return {&e.betrstd, &e.lzfaktor, &e.EnergKost, &e.JahrebetrT, &e.Spezco2emission};
}

std::vector<std::string> ReadEnergyFields(const AppState& state) {
    return ReadFileFields(state.dir, kEnergyFile, CodePage::Windows1252, kEnergyFileLimits)
        .value_or(std::vector<std::string>());
}

}  // namespace

void LoadProject(AppState& state, ProjectParameters& p, OptionLists& lists, Ops& rules) {
    std::vector<std::string> fields = ReadProjectFields(state);
    // Line n of the file, or the empty text when the file ends before it.
    auto line = [&fields](size_t n) { return n <= fields.size() ? fields[n - 1] : std::string(); };
    auto readLines = [&](size_t first, size_t last) {
        for (size_t n = first; n <= last; ++n)
            p[kProjectFileFields[n - 2]] = line(n);
    };

    state.engine.CurrentRefrigerant = line(1);
    state.engine.CurrentRefrigerant = "R22";
    readLines(2, 10);
    rules.TempbereichListRule(Ops::ListMode::ProjectLoaded, lists);
    rules.RoomTemperatureRule();
    readLines(11, 13);
    rules.PipeRule();
    readLines(14, 14);
    rules.InsulationRule();
    readLines(15, 18);
    rules.CondensingProposal(rules.DesignAmbient());
}

bool SaveProject(const AppState& state, const ProjectParameters& p) {
    FieldWriter writer;
    writer.Text(state.engine.CurrentRefrigerant).EndLine();
    for (FieldId field : kProjectFileFields)
        writer.Text(p[field]).EndLine();
    return state.dir.OpenForReplace(kProjectFile,
                                    EncodeText(writer.Content(), LanguagePage(state)));
}

void LoadEnergyValues(const AppState& state, ProjectParameters& p) {
    std::vector<std::string> fields = ReadEnergyFields(state);
    std::array<double, 5> numbers{};
    bool complete = fields.size() >= 5;
    for (size_t i = 0; complete && i < 5; ++i) {
        std::optional<double> value = FieldNumber(fields[i]);
        complete = value.has_value() && !fields[i].empty();
        if (complete)
            numbers[i] = *value;
    }
    std::array<double*, 5> slots = EnergySlots(p.energy);
    for (size_t i = 0; i < 5; ++i) {
        *slots[i] = complete ? numbers[i] : 0;
        p[kEnergyFields[i]] = complete ? SignPlaceNumberText(numbers[i]) : std::string();
    }
}

void ReadEnergyNumbers(const AppState& state, EnergyNumbers& energy) {
    std::vector<std::string> fields = ReadEnergyFields(state);
    std::array<double*, 5> slots = EnergySlots(energy);
    for (size_t i = 0; i < 5 && i < fields.size(); ++i) {
        std::optional<double> value = FieldNumber(fields[i]);
        if (!value || fields[i].empty())
            return;
        *slots[i] = *value;
    }
}

std::optional<std::string> SaveEnergyValues(const AppState& state, ProjectParameters& p) {
    std::array<double*, 5> slots = EnergySlots(p.energy);
    FieldWriter writer;
    for (size_t i = 0; i < 5; ++i) {
        if (std::optional<double> value = DecimalCommaConversion(p[kEnergyFields[i]]))
            *slots[i] = *value;
        writer.Number(*slots[i]);
    }
    writer.EndLine();
    if (state.dir.OpenForReplace(kEnergyFile, writer.Content()))
        return std::nullopt;
    return std::string("The energy values could not be saved: the file \"") + kEnergyFile +
           "\" in " + state.dir.Path().string() + " cannot be written (" + std::strerror(errno) +
           ").";
}

}  // namespace tessaro
