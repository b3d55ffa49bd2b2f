#include "variants/gwp_values.h"

#include <charconv>
#include <cmath>
#include <sstream>

#include "shell/working_dir.h"

namespace tessaro {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

GwpValues GwpValues::Read(const WorkingDir& dir) {
    const std::optional<std::string> bytes = dir.ReadBytes(kGwpFile, 1 << 16);
    return bytes ? Parse(*bytes) : GwpValues();
}

GwpValues GwpValues::Parse(const std::string& text) {
    GwpValues gwp;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        line = Trimmed(line);
        const size_t comma = line.find(',');
        if (line.empty() || line.front() == '#' || comma == std::string::npos)
            continue;
        const std::string name = Trimmed(line.substr(0, comma));
        const std::string number = Trimmed(line.substr(comma + 1));
        double value = 0;
        const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (name.empty() || ec != std::errc() || end != number.data() + number.size() ||
            !std::isfinite(value) || value < 0 || value > 100000) {
            continue;
        }
        gwp.values_[name] = value;
    }
    return gwp;
}

std::optional<double> GwpValues::Of(const std::string& refrigerant) const {
    const auto it = values_.find(refrigerant);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

}  // namespace tessaro
