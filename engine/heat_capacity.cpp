#include "engine/heat_capacity.h"

#include <array>
#include <cmath>

namespace tessaro {

namespace {

enum class Form { B, BL, Cubic, R14Linear, R123Linear, R124Linear };

// The few correlations that deviate from their form.
enum class Special {
    None,
    SuctionDependentK,  // k evaporating and suction = 0.863 + 0.029 tSuction / 30
    R23Discharge,       // discharge: linear replacement above 280 K
};

struct Correlation {
    std::array<std::string_view, 3> names;
    Form form;
    std::array<double, 3> k;      // evaporating, suction, discharge
    std::array<double, 4> cubic;  // a, b, c, d of a + b T + c T² + d T³
    double molarMass;             // kg/kmol
    double exponentFactor;        // F
    Special special = Special::None;
};

constexpr double kF = 1.043;  // the exponent factor where none is given
constexpr std::array<double, 4> kNoCubic{};
// One cubic shared by CO2, R723 and ammonia, each with its own factors k.
constexpr std::array<double, 4> kAmmoniaCubic{1.9487, 8.23487e-4, 5.44138e-6, -3.62452e-9};

// Molar mass of HX4: the mean molar mass of the blend its saturation table was computed for
// (R32/R125/R143a/R134a 10/33/36/21 mass %).
constexpr double kHx4MolarMass = 90.80;

// clang-format off
constexpr std::array kCorrelations = {
    // names, form, k (evaporating, suction, discharge), cubic a..d, molar mass, F
    Correlation{{"R12"}, Form::BL, {0.648, 0.648, 0.645}, kNoCubic, 120.92, kF},
    Correlation{{"R13"}, Form::B, {0.81, 0.86, 1}, kNoCubic, 104.5, kF},
    Correlation{{"R13B1"}, Form::B, {0.53, 0.6, 0.64}, kNoCubic, 149, kF},
    Correlation{{"R22"}, Form::B, {0.812, 0.785, 0.86}, kNoCubic, 86.48, kF},
    Correlation{{"R502", "ISC_69L", "R403B"}, Form::B, {0, 0, 0.908}, kNoCubic, 111.6, kF,
                Special::SuctionDependentK},
    Correlation{{"PROPYLEN", "R1270"}, Form::BL, {1.6, 1.6, 1.78}, kNoCubic, 42.08, kF},
    Correlation{{"R152A"}, Form::B, {1.16, 1.17, 1.36}, kNoCubic, 66.1, kF},
    Correlation{{"R134A"}, Form::B, {1.028, 1.029, 1.125}, kNoCubic, 102, kF},
    Correlation{{"R413A", "ISC_49"}, Form::B, {1.028, 1.029, 1.075}, kNoCubic, 108.42549, kF},
    Correlation{{"R401A"}, Form::B, {0.863, 0.863, 0.885}, kNoCubic, 100.8191, kF},
    Correlation{{"R409A"}, Form::B, {0.832, 0.832, 0.855}, kNoCubic, 97.4, 1.033},
    Correlation{{"R410A"}, Form::B, {0.97, 0.97, 1.2}, kNoCubic, 81, 1.043},
    Correlation{{"R408A"}, Form::B, {0.95, 0.95, 1.05}, kNoCubic, 87, 1.039},
    Correlation{{"R401B"}, Form::B, {0.837, 0.837, 0.858}, kNoCubic, 98.2267, kF},
    Correlation{{"R402A"}, Form::B, {0.929, 0.929, 1.007}, kNoCubic, 105.7524, kF},
    Correlation{{"R402B"}, Form::B, {0.889, 0.889, 0.94}, kNoCubic, 98.3638, kF},
    Correlation{{"R404A"}, Form::B, {1.053, 1.053, 1.14}, kNoCubic, 97.6, kF},
    Correlation{{"R407C", "AC9000"}, Form::B, {0.995, 0.995, 0.995}, kNoCubic, 80.13, 1.034},
    Correlation{{"R407A"}, Form::B, {0.98, 0.98, 1.039}, kNoCubic, 90.1, 1.043},
    Correlation{{"HX4"}, Form::BL, {0.9, 0.9, 0.97}, kNoCubic, kHx4MolarMass, kF},
    Correlation{{"R227"}, Form::BL, {0.8, 0.8, 0.91}, kNoCubic, 170.03, 1.057},
    Correlation{{"ISC_59", "R417A"}, Form::B, {1.41, 0.93, 1.27}, kNoCubic, 106.6, kF},
    Correlation{{"RS45"}, Form::B, {1.05, 0.94, 1.2}, kNoCubic, 106.6, kF},
    Correlation{{"ISC_29", "R422D"}, Form::B, {1.02, 1.08, 1.233}, kNoCubic, 109.8, kF},
    Correlation{{"ISC_79", "R422A"}, Form::B, {1.02, 1.11, 1.348}, kNoCubic, 113.5, kF},
    Correlation{{"FX_90"}, Form::B, {0.98, 1.06, 1.07}, kNoCubic, 109.3, kF},
    Correlation{{"ISC_89"}, Form::B, {0.842, 0.93, 1.12}, kNoCubic, 113.9, kF},

    Correlation{{"R11"}, Form::Cubic, {1, 1, 1},
                {-0.55657, 0.010236, -3.43685e-5, 4.33378e-8}, 137.38, kF},
    Correlation{{"R23"}, Form::Cubic, {1, 1, 1},
                {-37.2336, 0.511656, -0.00231769, 3.53585e-6}, 70.01, kF,
                Special::R23Discharge},
    Correlation{{"PROPAN", "R290"}, Form::Cubic, {1.09, 1.12, 1.173},
                {0.0830829, 0.00577693, -1.30581e-6, -6.91e-10}, 44.09, kF},
    Correlation{{"R600A"}, Form::Cubic, {1.19, 1.19, 1.04},
                {-0.0847423, 0.00679624, -3.21809e-6, -4.03637e-10}, 58.123, kF},
    Correlation{{"R507"}, Form::Cubic, {1, 1, 1},
                {0.2180099, 2.362732e-3, -3.041841e-7, -1.141106e-9}, 98.9, kF},
    Correlation{{"CO2", "R744"}, Form::Cubic, {0.44, 0.44, 0.725}, kAmmoniaCubic, 44, kF},
    Correlation{{"R723"}, Form::Cubic, {0.75, 0.79, 0.73}, kAmmoniaCubic, 23, kF},
    Correlation{{"AMMONIAK", "R717"}, Form::Cubic, {1, 1, 1}, kAmmoniaCubic, 17.03, kF},

    Correlation{{"R14"}, Form::R14Linear, {}, kNoCubic, 88, kF},
    Correlation{{"R123"}, Form::R123Linear, {}, kNoCubic, 152.9, kF},
    Correlation{{"R124"}, Form::R124Linear, {}, kNoCubic, 136.48, 1},
};
// clang-format on

const Correlation* FindCorrelation(std::string_view refrigerant) {
    for (const Correlation& correlation : kCorrelations) {
        for (std::string_view name : correlation.names) {
            if (!name.empty() && name == refrigerant)
                return &correlation;
        }
    }
    return nullptr;
}

// The base functions of θ, the temperature in degrees Rankine.
double B(double theta) {
    return 0.0282 + 0.3937799e-3 * theta - 1.28431e-7 * std::pow(theta, 2) + 2.27353 / theta;
}

// As B, but with the third term linear in θ.
double BL(double theta) {
    return 0.0282 + 0.3937799e-3 * theta - 1.28431e-7 * theta + 2.27353 / theta;
}

double Cubic(const std::array<double, 4>& c, double T) {
    return c[0] + c[1] * T + c[2] * std::pow(T, 2) + c[3] * std::pow(T, 3);
}

double FactorK(const Correlation& correlation, HeatCapacityKind kind,
               const HeatCapacityContext& context) {
    if (correlation.special == Special::SuctionDependentK && kind != HeatCapacityKind::Discharge) {
        return 0.863 + 0.029 * context.tSuction / 30;
    }
    return correlation.k[static_cast<int>(kind)];
}

double R14(HeatCapacityKind kind, double T) {
    if (kind == HeatCapacityKind::Discharge)
        return 0.79 - 0.004 * (T - 280);
    return 0.518 + 0.006 * (T - 153.15);
}

double R123(double T) {
    return 0.671 + 0.001765 * (T - 273.15);
}

double R124(HeatCapacityKind kind, double T, const HeatCapacityContext& context) {
    if (kind == HeatCapacityKind::Discharge) {
        return 1.35 + ((context.liquidTemperatureK - 90) - 273.15) / 70 - 0.002265 * (T - 273.15);
    }
    return 0.7787 + 0.001465 * (context.evaporatingK - 273.15);
}

}  // namespace

std::optional<double> HeatCapacity(std::string_view refrigerant, HeatCapacityKind kind, double T,
                                   const HeatCapacityContext& context) {
    const Correlation* correlation = FindCorrelation(refrigerant);
    if (correlation == nullptr)
        return std::nullopt;
    const double theta = 1.8 * T;
    switch (correlation->form) {
        case Form::B:
            return 4.1866 * FactorK(*correlation, kind, context) * B(theta);
        case Form::BL:
            return 4.1866 * FactorK(*correlation, kind, context) * BL(theta);
        case Form::Cubic:
            if (correlation->special == Special::R23Discharge &&
                kind == HeatCapacityKind::Discharge && T > 280) {
                return 1.945 + (T - 280) * 0.025;
            }
            return FactorK(*correlation, kind, context) * Cubic(correlation->cubic, T);
        case Form::R14Linear:
            return R14(kind, T);
        case Form::R123Linear:
            return R123(T);
        case Form::R124Linear:
            return R124(kind, T, context);
    }
    return std::nullopt;
}

std::optional<double> MolarMass(std::string_view refrigerant) {
    const Correlation* correlation = FindCorrelation(refrigerant);
    if (correlation == nullptr)
        return std::nullopt;
    return correlation->molarMass;
}

double ExponentFactor(std::string_view refrigerant) {
    const Correlation* correlation = FindCorrelation(refrigerant);
    return correlation == nullptr ? kF : correlation->exponentFactor;
}

}  // namespace tessaro
