#pragma once

#include <optional>

#include "engine/engine_state.h"

namespace tessaro {

// Electric power in kW of the compressor plant for mass flow m (kg/s) between the line-loss
// corrected pressures p0 and pc (bar): the discharge temperature at these pressures gives the
// discharge enthalpy, the suction gas temperature tSuction (°C) the suction enthalpy; a size
// factor of 1 - 0.05 P / 100 up to 100 kW (0.95 above) and a plant factor of 1.06 follow. Uses
// cpEvap, cpDischarge and kappa of the cycle state. Nothing when a step cannot be computed.
std::optional<double> ComputeCompressorPower(const CycleState& cycle, double p0, double pc,
                                             double m, double T0K, double TcK, double tSuction,
                                             double hVapourC, double hVapour0);

}  // namespace tessaro
