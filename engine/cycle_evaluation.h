#pragma once

#include "engine/app_state.h"

namespace tessaro {

// Evaluates the single-stage cycle of state.engine.CurrentRefrigerant into state.engine.cycle, from
// the evaporating temperature t0, the effective condensing temperature tc and the suction gas
// temperature tSuction (all °C):
//  1. T0K, TcK (and Ts) from the temperatures;
//  2. p0, hVapour0 (and the dew pressure and liquid enthalpy at T0K) from the table at T0K;
//  3. pc, hLiquidC, hVapourC (and the dew pressure at TcK) from the table at TcK;
//  4. w = (hVapour0 - hLiquidC) / (hVapour0 - hLiquid(T0K)) / 2;
//  5. for a blend with glide (interpolated dew pressure at T0K differs from p0):
//     p0 := p0 + w |p0 - pDew(T0K)| and pc := pc + |pDew(TcK) - pc| / 2, as written whatever the
//     order of bubble and dew pressure in the table; hLiquidC is then looked up at pc by dew
//     pressure, hVapour0 at p0 by bubble pressure, which also gives the reference temperature
//     (the saturation temperature there + 1 K); without glide the reference temperature is
//     T0K + 1 K;
//  6. dpdT0 = bubble pressure at the reference temperature - p0;
//  7. slopeRatio = (bubble pressure at TcK + 1 K - bubble pressure at TcK) / dpdT0;
//  8. cpEvap, cpSuction, molarMass and kappa;
//  9. cpDischarge at the discharge temperature (DischargeTemperature with p0, pc, Ts, kappa).
// Four table lookups for a fluid without glide, six with glide.
//
// A failing step (a table that cannot be read, a division by zero, a result that is not finite)
// ends the evaluation and gives false: what was written stays, the other fields keep their
// previous values. A refrigerant without correlation constants keeps the previous heat capacities
// and molar mass; that alone is no failure.
bool EvaluateCycle(AppState& state, double t0, double tc, double tSuction);

}  // namespace tessaro
