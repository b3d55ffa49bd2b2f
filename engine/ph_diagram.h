#pragma once

#include <array>
#include <optional>
#include <vector>

#include "engine/engine_state.h"

namespace tessaro {

// A state in the pressure-enthalpy plane: enthalpy in kJ/kg, pressure in bar, temperature in °C.
struct PhState {
    double h = 0;
    double p = 0;
    double t = 0;
};

// The log p-h diagram of a cycle: the saturation dome of the refrigerant's table, a few isotherms
// across the two-phase region, the four states of the cycle and the axes, all in numbers. The
// drawing only maps them to the page.
struct PhDiagram {
    std::vector<PhState> bubbleLine;  // saturated liquid, one state per table row
    std::vector<PhState> dewLine;     // saturated vapour, one state per table row
    // Lines of constant temperature from the bubble to the dew line (sloped for a blend with
    // glide), their temperature in t of both ends.
    std::vector<std::array<PhState, 2>> isotherms;
    // 1 suction gas at p0, 2 discharge at pc, 3 liquid at pc, 4 after the expansion at p0.
    std::optional<std::array<PhState, 4>> cycle;
    double t0 = 0;   // °C, evaporating
    double tc = 0;   // °C, effective condensing
    double cop = 0;  // as the form shows it
    // The axes: pressure on a logarithmic scale, enthalpy linear; the tick values lie inside.
    double pMin = 1, pMax = 10, hMin = 0, hMax = 1;
    std::vector<double> pTicks;
    std::vector<double> hTicks;
};

// What the cycle of a run left: its state, the suction gas temperature the run used (°C) and the
// COP, or no cycle where the run computed no figures.
struct PhCycleInput {
    CycleState cycle;
    double tSuction = 0;
    double cop = 0;
    bool computed = false;
};

// Builds the diagram from the rows of the refrigerant's table (in file order, reading rules
// applied: c1 temperature in K, c2 bubble and c3 dew pressure in bar, c4 liquid and c5 vapour
// enthalpy in kJ/kg) and the cycle:
//   1 at p0 with h1 = hVapour0 + cpSuction (Ts - T0K), at least hVapour0;
//   2 at pc with h2 = hVapourC + cpDischarge (T2 - TcK), T2 the discharge temperature;
//   3 at pc with h3 = hLiquidC;  4 at p0 with h4 = h3.
// p0 and pc are the cycle's own (for a blend with glide, as the evaluation sets them). Rows that
// are not finite or not above 0 bar are left out of the dome. The axes take in the dome and the
// cycle with a margin; a cycle that is not finite is left out.
PhDiagram BuildPhDiagram(const std::vector<SaturationRow>& rows, const PhCycleInput& input);

}  // namespace tessaro
