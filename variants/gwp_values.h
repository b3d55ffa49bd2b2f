#pragma once

#include <map>
#include <optional>
#include <string>

namespace tessaro {

class WorkingDir;

// The data file of the refrigerants' global warming potentials (100 years, kg CO2 per kg).
inline constexpr const char* kGwpFile = "GWP.dat";

// The GWP values by refrigerant name, as the data file gives them.
class GwpValues {
  public:
    // Reads the file of dir: one "NAME,VALUE" a line, "#" lines are comments. A line of another
    // shape, or a value that is no finite number from 0 to 100000, is left out. A missing file
    // gives no values.
    static GwpValues Read(const WorkingDir& dir);
    static GwpValues Parse(const std::string& text);

    // The GWP of a refrigerant name (exact, as the registry spells it), or nothing.
    std::optional<double> Of(const std::string& refrigerant) const;

  private:
    std::map<std::string, double> values_;
};

}  // namespace tessaro
