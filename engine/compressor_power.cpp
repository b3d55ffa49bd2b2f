#include "engine/compressor_power.h"

#include <cmath>

#include "engine/discharge_temperature.h"

namespace tessaro {

std::optional<double> ComputeCompressorPower(const CycleState& cycle, double p0, double pc,
                                             double m, double T0K, double TcK, double tSuction,
                                             double hVapourC, double hVapour0) {
    std::optional<double> Td = DischargeTemperature(cycle, p0, pc, tSuction + 273.15, cycle.kappa);
    if (!Td)
        return std::nullopt;
    double td = *Td - 273.15;
    double tc = TcK - 273.15;
    double t0 = T0K - 273.15;
    double h2 = hVapourC + cycle.cpDischarge * (td - tc);
    double h1 = hVapour0 + cycle.cpEvap * (tSuction - t0);
    double P = m * (h2 - h1);
    double s = P <= 100 ? 1 - 0.05 * P / 100 : 0.95;
    double power = 1.06 * s * P;
    if (!std::isfinite(power))
        return std::nullopt;
    return power;
}

}  // namespace tessaro
