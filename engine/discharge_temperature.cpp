#include "engine/discharge_temperature.h"

#include <cmath>

namespace tessaro {

namespace {

// A step succeeds when its result is finite; once one fails, the later ones are not taken.
bool Step(bool& ok, double& target, double value) {
    ok = ok && std::isfinite(value);
    if (ok)
        target = value;
    return ok;
}

}  // namespace

std::optional<double> DischargeTemperature(const CycleState& cycle, double p0, double pc, double Ts,
                                           double kappa) {
    bool ok = true;
    double ratio = 0, exponent = 0, Tis = 0, s = 0, delta = 0, extra = 0, result = 0;
    Step(ok, ratio, pc / p0);
    Step(ok, exponent, (kappa - 1) / kappa);
    Step(ok, Tis, Ts * std::pow(ratio, exponent));
    Step(ok, s, std::pow((pc - p0) / 13.7, 0.27) * std::pow(ratio / 4.85, 0.03));
    Step(ok, delta, 1.1 * 1.17 * (Tis - cycle.TcK));
    Step(ok, extra, 0.373 * (cycle.TcK - 318));
    if (extra < 0)
        extra = 0;
    Step(ok, result, cycle.TcK + s * delta + extra);
    if (!ok)
        return std::nullopt;
    return result;
}

}  // namespace tessaro
