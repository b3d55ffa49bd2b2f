#pragma once

#include <optional>

namespace tessaro {

// The isentropic exponent used for the discharge temperature:
//   R = 8.314 / molarMass, cv = cpSuction - R,
//   f = exponentFactor (0.99 - ((Ts - T0K) - 10) / 1800), kappa = f cpSuction / cv,
// with cpSuction in kJ/(kg K), molarMass in kg/kmol and Ts, T0K in K. Nothing when a step fails
// (molarMass or cv of 0, a result that is not finite).
std::optional<double> IsentropicExponent(double cpSuction, double molarMass, double exponentFactor,
                                         double Ts, double T0K);

}  // namespace tessaro
