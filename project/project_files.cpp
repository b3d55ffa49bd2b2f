#include "project/project_files.h"

#include <cerrno>
#include <vector>

#include "engine/app_state.h"
#include "project/foreign_choices.h"
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

// The project file as it is stored, or nothing when it cannot be read.
std::optional<std::string> ProjectBytes(const AppState& state) {
    return state.dir.ReadBytes(kProjectFile, kProjectFileLimits.bytes);
}

// The fields of the project file in order, as the file stores them (8-bit text: the field syntax
// is the same in every code page).
std::vector<std::string> RawFields(std::string_view bytes) {
    FieldReader reader(bytes);
    std::vector<std::string> fields;
    while (fields.size() < kProjectFileLimits.fields) {
        std::optional<Field> field = reader.Next();
        if (!field)
            break;
        fields.push_back(std::move(field->text));
    }
    return fields;
}

FileWrite Replace(const AppState& state, const char* name, std::string bytes) {
    FileWrite write{std::move(bytes), 0};
    if (!state.dir.OpenForReplace(name, write.bytes))
        write.error = errno != 0 ? errno : EIO;
    return write;
}

std::array<double*, 5> EnergySlots(EnergyNumbers& e) {
    return {&e.betrstd, &e.lzfaktor, &e.EnergKost, &e.JahrebetrT, &e.Spezco2emission};
}

std::vector<std::string> ReadEnergyFields(const AppState& state) {
    return ReadFileFields(state.dir, kEnergyFile, CodePage::Windows1252, kEnergyFileLimits)
        .value_or(std::vector<std::string>());
}

}  // namespace

void LoadProject(AppState& state, ProjectParameters& p, OptionLists& lists, Ops& rules,
                 const std::optional<ProjectExtras>& extras) {
    const std::optional<std::string> bytes = ProjectBytes(state);
    const std::vector<std::string> raw = RawFields(bytes.value_or(std::string()));
    // Line n of the file as stored, or the empty text when the file ends before it.
    auto line = [&raw](size_t n) { return n <= raw.size() ? raw[n - 1] : std::string(); };
    // Every line in the current language first, then the choices saved in another language read
    // as the same items, before any rule looks at them.
    ProjectParameters read;
    std::array<std::string, kFieldCount> rawChoices;
    for (size_t n = 2; n <= 18; ++n) {
        const FieldId field = kProjectFileFields[n - 2];
        read[field] = DecodeText(line(n), LanguagePage(state));
        rawChoices[static_cast<size_t>(field)] = line(n);
    }
    ReadForeignChoices(state.dir, state.settings.LanguageCode, state.captions, rawChoices, read);
    auto readLines = [&](size_t first, size_t last) {
        for (size_t n = first; n <= last; ++n)
            p[kProjectFileFields[n - 2]] = read[kProjectFileFields[n - 2]];
    };

    state.engine.CurrentRefrigerant = DecodeText(line(1), LanguagePage(state));
    state.engine.CurrentRefrigerant = "R22";
    readLines(2, 10);
    rules.TempbereichListRule(Ops::ListMode::ProjectLoaded, lists);
    rules.RoomTemperatureRule();
    readLines(11, 13);
    rules.PipeRule();
    readLines(14, 14);
    rules.InsulationRule();
    readLines(15, 18);
    rules.SuperheatRule();
    if (bytes && extras && extras->projectDigest == FileDigest(*bytes)) {
        rules.CondenserDifferenceRule();
        p[FieldId::Tc] = extras->Tc;
    } else {
        rules.CondensingProposal(rules.DesignAmbient());
    }
}

std::string ProjectFileBytes(const AppState& state, const ProjectParameters& p) {
    FieldWriter writer;
    writer.Text(state.engine.CurrentRefrigerant).EndLine();
    for (FieldId field : kProjectFileFields)
        writer.Text(p[field]).EndLine();
    return EncodeText(writer.Content(), LanguagePage(state));
}

FileWrite SaveProject(const AppState& state, const ProjectParameters& p) {
    return Replace(state, kProjectFile, ProjectFileBytes(state, p));
}

void LoadEnergyValues(const AppState& state, ProjectParameters& p,
                      const std::optional<ProjectExtras>& extras) {
    const std::optional<std::string> bytes =
        state.dir.ReadBytes(kEnergyFile, kEnergyFileLimits.bytes);
    const bool shownTexts = bytes && extras && extras->energyDigest == FileDigest(*bytes);
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
        p[kEnergyFields[i]] = !complete    ? std::string()
                              : shownTexts ? extras->energyTexts[i]
                                           : SignPlaceNumberText(numbers[i]);
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

FileWrite SaveEnergyValues(const AppState& state, ProjectParameters& p,
                           const std::array<bool, 5>& keep) {
    std::array<double*, 5> slots = EnergySlots(p.energy);
    FieldWriter writer;
    for (size_t i = 0; i < 5; ++i) {
        std::optional<double> value = DecimalCommaConversion(p[kEnergyFields[i]]);
        if (value && !keep[i])
            *slots[i] = *value;
        writer.Number(*slots[i]);
    }
    writer.EndLine();
    return Replace(state, kEnergyFile, writer.Content());
}

}  // namespace tessaro
