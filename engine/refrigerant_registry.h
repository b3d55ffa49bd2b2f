#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/engine_state.h"

namespace tessaro {

// How the values of a saturation table's line are turned into the row the engine works with. The
// rules are applied to each line right after it is read, in this order: sign or ammonia sign, then
// volume, then kelvin.
struct ReadingRules {
    bool volume = false;       // c6 := 1000 / c6, c7 := 1000 / c7 (the file holds dm³/kg)
    bool sign = false;         // c4 := -c4, c5 := -c5
    bool ammoniaSign = false;  // c4 := -c4 on the first eight lines only
    bool kelvin = false;       // c1 := c1 + 273.15 (the file holds °C)
};

// One accepted refrigerant name with its saturation table, the limits that SetRefrigerantLimits
// sets (whole °C) and the reading rules of the table. Aliases are entries of their own that name
// the same file.
struct RefrigerantEntry {
    std::string_view name;
    std::string_view file;
    int tMin;
    int tMax;
    ReadingRules rules;
};

// Every accepted name, in the order in which names are tried.
std::span<const RefrigerantEntry> RefrigerantTable();

// The entry of name (exact, case-sensitive comparison; the first match wins), or nullptr.
const RefrigerantEntry* FindRefrigerant(std::string_view name);

// The saturation table file of name, or nothing for a name that is not in the table.
std::optional<std::string> SelectRefrigerantFile(std::string_view name);

// Sets TMaxCondensing to 65, then TMinEvaporating and TMaxCondensing from the entry of
// CurrentRefrigerant. A name that is not in the table leaves TMinEvaporating unchanged.
void SetRefrigerantLimits(EngineState& engine);

}  // namespace tessaro
