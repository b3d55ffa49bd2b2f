#pragma once

#include <optional>
#include <string_view>

namespace tessaro {

// Which vapour heat capacity of the cycle a correlation gives.
enum class HeatCapacityKind { Evaporating, Suction, Discharge };

// The temperatures besides T that a few correlations use.
struct HeatCapacityContext {
    double tSuction = 0;            // °C, suction gas temperature (k of R502, ISC_69L, R403B)
    double evaporatingK = 0;        // K, evaporating temperature T0K (R124 evaporating and suction)
    double liquidTemperatureK = 0;  // K, liquid temperature of the run, TcK (R124 discharge)
};

// The vapour heat capacity in kJ/(kg K) of refrigerant (exact, case-sensitive name) at T in K,
// from the refrigerant's correlation. Nothing when no correlation applies to the name; the caller
// then keeps its previous value. At a temperature where the correlation has no value (T = 0) the
// result is not finite, which callers treat as a failing step.
std::optional<double> HeatCapacity(std::string_view refrigerant, HeatCapacityKind kind, double T,
                                   const HeatCapacityContext& context);

// The molar mass in kg/kmol, or nothing for a name without correlation constants.
std::optional<double> MolarMass(std::string_view refrigerant);

// The factor F of the isentropic exponent: 1.043 unless the refrigerant has its own.
double ExponentFactor(std::string_view refrigerant);

}  // namespace tessaro
