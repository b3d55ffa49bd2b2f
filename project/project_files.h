#pragma once

#include <optional>
#include <string>

#include "project/operating_conditions.h"
#include "project/project_extras.h"
#include "project/project_parameters.h"

namespace tessaro {

struct AppState;

inline constexpr const char* kProjectFile = "TempPart.dat";
inline constexpr const char* kEnergyFile = "energk.dat";

// What a write of one of the project's files did: the bytes it wrote, or the error number that
// says why the file could not be written (the old file then stays as it was).
struct FileWrite {
    std::string bytes;
    int error = 0;

    bool Written() const { return error == 0; }
};

// Reads the project file into the record and runs the rules that a load runs, in this order:
// refrigerant (then always "R22"), lines 2..10, the Tempbereich list rule and the room temperature
// rule, lines 11..13 and the pipe rule, line 14 and the insulation rule, lines 15..18, the
// evaporator superheat from the evaporator size (t0 stays as saved), and Tc. Choice texts saved in
// another language are read as the same items (ReadForeignChoices). Tc is the one the form showed
// when the project was saved, when extras belong to this very file; otherwise it is derived from
// the design ambient. A missing file leaves every field empty; a file that ends early leaves the
// remaining fields empty.
void LoadProject(AppState& state, ProjectParameters& record, OptionLists& lists,
                 OperatingConditions& rules, const std::optional<ProjectExtras>& extras);

// The bytes of the project file for the record: the refrigerant and the texts of lines 2..18, one
// quoted field a line, in the current language's code page.
std::string ProjectFileBytes(const AppState& state, const ProjectParameters& record);

// Writes the project file.
FileWrite SaveProject(const AppState& state, const ProjectParameters& record);

// Reads the five energy numbers at form load and shows each as its sign-place number text, or as
// the text the form showed when extras belong to this very file. A missing file, or one with fewer
// than five numbers or a non-number, gives empty fields and 0.
void LoadEnergyValues(const AppState& state, ProjectParameters& record,
                      const std::optional<ProjectExtras>& extras);

// The run's own read of the energy file: number by number into energy, stopping at the first that
// cannot be read; the numbers not read keep their values.
void ReadEnergyNumbers(const AppState& state, EnergyNumbers& energy);

// Converts the five energy fields with the decimal-comma conversion into the stored numbers and
// writes them as one line. A field marked in keep is not converted: its stored number is written
// as it stands.
FileWrite SaveEnergyValues(const AppState& state, ProjectParameters& record,
                           const std::array<bool, 5>& keep = {});

}  // namespace tessaro
