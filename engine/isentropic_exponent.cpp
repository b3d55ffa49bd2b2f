#include "engine/isentropic_exponent.h"

#include <cmath>

namespace tessaro {

std::optional<double> IsentropicExponent(double cpSuction, double molarMass, double exponentFactor,
                                         double Ts, double T0K) {
    const double R = 8.314 / molarMass;
    if (!std::isfinite(R))
        return std::nullopt;
    const double cv = cpSuction - R;
    const double f = exponentFactor * (0.99 - ((Ts - T0K) - 10) / 1800);
    const double kappa = f * cpSuction / cv;
    if (!std::isfinite(kappa))
        return std::nullopt;
    return kappa;
}

}  // namespace tessaro
