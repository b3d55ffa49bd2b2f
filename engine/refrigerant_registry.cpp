#include "engine/refrigerant_registry.h"

#include <array>

namespace tessaro {

namespace {

constexpr ReadingRules kNone{};
constexpr ReadingRules kVolume{.volume = true};
constexpr ReadingRules kSignVolume{.volume = true, .sign = true};
constexpr ReadingRules kAmmonia{.volume = true, .ammoniaSign = true};
constexpr ReadingRules kKelvin{.kelvin = true};

constexpr std::array kRefrigerants = {
    RefrigerantEntry{"R11", "R11.DAT", -30, 65, kVolume},
    RefrigerantEntry{"R12", "R12.DAT", -60, 70, kVolume},
    RefrigerantEntry{"R13", "R13.DAT", -90, 25, kNone},
    RefrigerantEntry{"R13B1", "R13B1.DAT", -60, 65, kNone},
    RefrigerantEntry{"R14", "R14.DAT", -140, -50, kNone},
    RefrigerantEntry{"R22", "R22.DAT", -60, 70, kNone},
    RefrigerantEntry{"R23", "R23.DAT", -115, 65, kVolume},
    RefrigerantEntry{"R502", "R502.DAT", -60, 65, kNone},
    RefrigerantEntry{"PROPAN", "PROPAN.DAT", -85, 70, kSignVolume},
    RefrigerantEntry{"R290", "PROPAN.DAT", -85, 70, kSignVolume},
    RefrigerantEntry{"PROPYLEN", "PROPYLEN.DAT", -85, 65, kSignVolume},
    RefrigerantEntry{"R1270", "PROPYLEN.DAT", -85, 65, kSignVolume},
    RefrigerantEntry{"R600A", "R600A.DAT", -40, 80, kNone},
    RefrigerantEntry{"R152A", "R152A.DAT", -50, 70, kNone},
    RefrigerantEntry{"R134A", "R134A.DAT", -60, 70, kNone},
    RefrigerantEntry{"AMMONIAK", "AMMONIAK.DAT", -80, 65, kAmmonia},
    RefrigerantEntry{"R717", "AMMONIAK.DAT", -80, 65, kAmmonia},
    RefrigerantEntry{"R723", "R723.DAT", -60, 65, kNone},
    RefrigerantEntry{"R507", "R507.DAT", -90, 65, kNone},
    RefrigerantEntry{"R123", "R123.DAT", -60, 65, kKelvin},
    RefrigerantEntry{"R401A", "R401A.DAT", -60, 65, kNone},
    RefrigerantEntry{"R401B", "R401B.DAT", -60, 65, kNone},
    RefrigerantEntry{"R402A", "R402A.DAT", -60, 65, kNone},
    RefrigerantEntry{"R402B", "R402B.DAT", -60, 65, kNone},
    RefrigerantEntry{"R404A", "R404A.DAT", -60, 65, kNone},
    RefrigerantEntry{"R408A", "R408A.DAT", -50, 65, kNone},
    RefrigerantEntry{"R409A", "R409A.DAT", -50, 65, kNone},
    RefrigerantEntry{"R410A", "R410A.DAT", -50, 65, kNone},
    RefrigerantEntry{"R413A", "R413A.DAT", -40, 65, kNone},
    RefrigerantEntry{"ISC_49", "R413A.DAT", -40, 65, kNone},
    RefrigerantEntry{"R407A", "R407A.DAT", -45, 65, kNone},
    RefrigerantEntry{"R407C", "R407C.DAT", -50, 65, kNone},
    RefrigerantEntry{"AC9000", "Ac9000.DAT", -50, 65, kNone},
    RefrigerantEntry{"HX4", "HX4.DAT", -50, 65, kNone},
    RefrigerantEntry{"R124", "R124.DAT", -10, 95, kNone},
    RefrigerantEntry{"R227", "R227.DAT", -20, 95, kNone},
    RefrigerantEntry{"ISC_69L", "ISC_69L.DAT", -55, 65, kNone},
    RefrigerantEntry{"R403B", "ISC_69L.DAT", -55, 65, kNone},
    RefrigerantEntry{"ISC_59", "ISC_59.DAT", -40, 65, kNone},
    RefrigerantEntry{"R417A", "ISC_59.DAT", -40, 65, kNone},
    RefrigerantEntry{"RS45", "RS45.DAT", -40, 65, kNone},
    RefrigerantEntry{"ISC_29", "ISC_29.DAT", -40, 65, kNone},
    RefrigerantEntry{"R422D", "ISC_29.DAT", -40, 65, kNone},
    RefrigerantEntry{"ISC_79", "ISC_79.DAT", -40, 65, kNone},
    RefrigerantEntry{"R422A", "ISC_79.DAT", -40, 65, kNone},
    RefrigerantEntry{"FX_90", "FX_90.DAT", -40, 65, kNone},
    RefrigerantEntry{"ISC_89", "ISC_89.DAT", -60, 65, kNone},
    RefrigerantEntry{"CO2", "CO2.DAT", -55, 20, kNone},
    RefrigerantEntry{"R744", "CO2.DAT", -55, 20, kNone},
};

}  // namespace

std::span<const RefrigerantEntry> RefrigerantTable() {
    return kRefrigerants;
}

const RefrigerantEntry* FindRefrigerant(std::string_view name) {
    for (const RefrigerantEntry& entry : kRefrigerants) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

std::optional<std::string> SelectRefrigerantFile(std::string_view name) {
    const RefrigerantEntry* entry = FindRefrigerant(name);
    if (entry == nullptr)
        return std::nullopt;
    return std::string(entry->file);
}

void SetRefrigerantLimits(EngineState& engine) {
    engine.TMaxCondensing = 65;
    const RefrigerantEntry* entry = FindRefrigerant(engine.CurrentRefrigerant);
    if (entry == nullptr)
        return;
    engine.TMinEvaporating = entry->tMin;
    engine.TMaxCondensing = entry->tMax;
}

}  // namespace tessaro
