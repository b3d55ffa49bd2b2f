#pragma once

#include <array>
#include <string>

namespace tessaro {

// One saturated state of a table, the seven columns c1..c7 in file order (after the reading rules
// and, for a lookup by pressure, the exchange of the key column into field 1).
using SaturationRow = std::array<double, 7>;

// The lower row L (last row whose key field is below the key) and the upper row U (first row whose
// key field is at or above it) of the last lookup, and the key that lookup used. A lookup that
// finds no new row on one side leaves that side as it was.
struct SaturationBracket {
    SaturationRow lower{};
    SaturationRow upper{};
    double key = 0;
    bool found = false;
};

// The thermodynamic state of the single-stage cycle, overwritten by every evaluation.
struct CycleState {
    double T0K = 0;          // K, evaporating temperature
    double TcK = 0;          // K, effective condensing temperature
    double p0 = 0;           // bar, evaporating pressure
    double pc = 0;           // bar, condensing pressure
    double hVapour0 = 0;     // kJ/kg, saturated vapour at evaporation
    double hLiquidC = 0;     // kJ/kg, saturated liquid at condensation
    double hVapourC = 0;     // kJ/kg, saturated vapour at TcK
    double dpdT0 = 0;        // bar/K, rise of the bubble pressure over one kelvin above evaporation
    double slopeRatio = 0;   // condensing-side rise over dpdT0
    double cpEvap = 0;       // kJ/(kg K)
    double cpSuction = 0;    // kJ/(kg K)
    double cpDischarge = 0;  // kJ/(kg K)
    double molarMass = 0;    // kg/kmol
    double kappa = 0;        // isentropic exponent
};

// The shared records of the simulation engine.
struct EngineState {
    std::string CurrentRefrigerant;  // empty until the first project load of a run
    int TMinEvaporating = 0;         // °C
    int TMaxCondensing = 0;          // °C
    SaturationBracket bracket;
    CycleState cycle;
};

}  // namespace tessaro
