#pragma once

#include <optional>

#include "engine/engine_state.h"

namespace tessaro {

// The empirical discharge temperature of the compressor in K, from the evaporating and condensing
// pressures p0 and pc (bar), the suction gas temperature Ts (K), the isentropic exponent kappa and
// cycle.TcK:
//   Tis   = Ts (pc / p0)^((kappa - 1) / kappa)
//   s     = ((pc - p0) / 13.7)^0.27 ((pc / p0) / 4.85)^0.03
//   extra = max(0, 0.373 (TcK - 318))
//   result = TcK + s 1.1 1.17 (Tis - TcK) + extra
// Nothing when a step fails (a division by zero, a fractional power of a negative number, 0 to a
// negative power, a result that is not finite).
std::optional<double> DischargeTemperature(const CycleState& cycle, double p0, double pc, double Ts,
                                           double kappa);

}  // namespace tessaro
