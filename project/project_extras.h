#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

class WorkingDir;

inline constexpr const char* kProjectExtrasFile = "TempPartX.dat";

// What the project and energy files do not hold but the form showed when the user left it with
// O.K.: the condensing temperature (a load would derive it again from the ambient temperature) and
// the texts of the five energy boxes (a load would show the stored numbers in another form). Each
// part belongs to the file it was saved with, named by a digest of that file's bytes: a project or
// energy file that another program changed since loads without it.
struct ProjectExtras {
    std::string projectDigest;
    std::string Tc;
    std::string energyDigest;
    std::array<std::string, 5> energyTexts;
};

// A digest of a file's bytes (64-bit FNV-1a, as 16 hexadecimal digits).
std::string FileDigest(std::string_view bytes);

// The extras of the working folder, or nothing when the file is missing or not whole.
std::optional<ProjectExtras> ReadProjectExtras(const WorkingDir& dir);

// Replaces the extras file; false when it cannot be written (errno says why).
bool WriteProjectExtras(const WorkingDir& dir, const ProjectExtras& extras);

}  // namespace tessaro
