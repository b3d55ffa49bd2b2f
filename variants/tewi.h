#pragma once

#include <optional>

#include "variants/variant.h"

namespace tessaro {

// The total equivalent warming impact over the plant's lifetime (EN 378-1), in kg CO2:
//   direct   = GWP * L * n + GWP * m * (1 - alpha)   (leakage, and the loss at the end of life)
//   indirect = n * E * beta                          (the CO2 of the electric energy)
// with L the yearly leakage (kg/a), m the charge (kg), n the lifetime (a), alpha the recovery, E
// the yearly energy (kWh/a) and beta the emission factor (kg CO2/kWh).
struct Tewi {
    double direct = 0;
    double indirect = 0;

    double Total() const { return direct + indirect; }
};

Tewi ComputeTewi(double gwp, const TewiInputs& inputs, double annualEnergy, double emissionFactor);

// The simple payback in years: the extra investment divided by the yearly saving. Nothing where
// nothing is saved (a saving of 0 or less); 0 when nothing is invested against a saving.
std::optional<double> PaybackYears(double investment, double yearlySaving);

}  // namespace tessaro
