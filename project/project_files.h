#pragma once

#include <optional>
#include <string>

#include "project/operating_conditions.h"
#include "project/project_parameters.h"

namespace tessaro {

struct AppState;

inline constexpr const char* kProjectFile = "TempPart.dat";
inline constexpr const char* kEnergyFile = "energk.dat";

// Reads the project file into the record and runs the rules that a load runs, in this order:
// refrigerant (then always "R22"), lines 2..10, the Tempbereich list rule and the room temperature
// rule, lines 11..13 and the pipe rule, line 14 and the insulation rule, lines 15..18, and Tc
// from the design ambient. A missing file leaves every field empty; a file that ends early
// leaves the remaining fields empty.
void LoadProject(AppState& state, ProjectParameters& record, OptionLists& lists,
                 OperatingConditions& rules);

// Writes the project file: the refrigerant and the texts of lines 2..18, one quoted field a line.
// Returns whether the file was written.
bool SaveProject(const AppState& state, const ProjectParameters& record);

// Reads the five energy numbers at form load and shows each as its sign-place number text. A
// missing file, or one with fewer than five numbers or a non-number, gives empty fields and 0.
void LoadEnergyValues(const AppState& state, ProjectParameters& record);

// The run's own read of the energy file: number by number into energy, stopping at the first that
// cannot be read; the numbers not read keep their values.
void ReadEnergyNumbers(const AppState& state, EnergyNumbers& energy);

// Converts the five energy fields with the decimal-comma conversion into the stored numbers and
// writes them as one line. Returns the message to show when the file could not be written.
std::optional<std::string> SaveEnergyValues(const AppState& state, ProjectParameters& record);

}  // namespace tessaro
