#include "engine/heat_capacity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace tessaro {
namespace {

constexpr HeatCapacityKind kKinds[] = {HeatCapacityKind::Evaporating, HeatCapacityKind::Suction,
                                       HeatCapacityKind::Discharge};

double Cp(std::string_view name, int kind, double T, HeatCapacityContext context = {}) {
    return HeatCapacity(name, kKinds[kind], T, context).value_or(NAN);
}

// Refrigerants of every correlation form (B, BL, S, cubic), every exponent factor F other than the
// usual one and the refrigerants in use today: the factor k of each kind, the molar mass, F and the
// cubic's a, b, c, d. Form S is B with k = 0.863 + 0.029 tSuction / 30 for evaporating and
// suction. At 273.15 K by hand: B = 0.195387029, BL =
// 0.226370715, so R22 evaporating 4.1866 * 0.812 * B = 0.664221958, R12 4.1866 * 0.648 * BL =
// 0.614124916.
TEST(HeatCapacity, EveryCorrelationFormAndTheRefrigerantsInUse) {
    EXPECT_NEAR(Cp("R22", 0, 273.15), 0.664221958, 1e-8);
    EXPECT_NEAR(Cp("R12", 0, 273.15), 0.614124916, 1e-8);
    struct Row {
        const char* names;
        char form;
        double k[3], molarMass, cubic[4] = {}, F = 1.043;
    };
    // clang-format off
    const Row rows[] = {
        {"R12", 'L', {0.648, 0.648, 0.645}, 120.92},
        {"R13", 'B', {0.81, 0.86, 1}, 104.5},
        {"R22", 'B', {0.812, 0.785, 0.86}, 86.48},
        {"R502 ISC_69L R403B", 'S', {0, 0, 0.908}, 111.6},
        {"R134A", 'B', {1.028, 1.029, 1.125}, 102},
        {"R410A", 'B', {0.97, 0.97, 1.2}, 81},
        {"R404A", 'B', {1.053, 1.053, 1.14}, 97.6},
        {"R409A", 'B', {0.832, 0.832, 0.855}, 97.4, {}, 1.033},
        {"R408A", 'B', {0.95, 0.95, 1.05}, 87, {}, 1.039},
        {"R407C AC9000", 'B', {0.995, 0.995, 0.995}, 80.13, {}, 1.034},
        {"R227", 'L', {0.8, 0.8, 0.91}, 170.03, {}, 1.057},
        {"R11", 'C', {1, 1, 1}, 137.38, {-0.55657, 0.010236, -3.43685e-5, 4.33378e-8}},
        {"R23", 'C', {1, 1, 1}, 70.01, {-37.2336, 0.511656, -0.00231769, 3.53585e-6}},
        {"PROPAN R290", 'C', {1.09, 1.12, 1.173}, 44.09,
         {0.0830829, 0.00577693, -1.30581e-6, -6.91e-10}},
        {"R600A", 'C', {1.19, 1.19, 1.04}, 58.123,
         {-0.0847423, 0.00679624, -3.21809e-6, -4.03637e-10}},
        {"R507", 'C', {1, 1, 1}, 98.9, {0.2180099, 2.362732e-3, -3.041841e-7, -1.141106e-9}},
        {"CO2 R744", 'C', {0.44, 0.44, 0.725}, 44, {1.9487, 8.23487e-4, 5.44138e-6, -3.62452e-9}},
        {"AMMONIAK R717", 'C', {1, 1, 1}, 17.03, {1.9487, 8.23487e-4, 5.44138e-6, -3.62452e-9}},
    };
    // clang-format on
    const double T = 250, theta = 1.8 * T;
    const double B = 0.0282 + 0.3937799e-3 * theta - 1.28431e-7 * theta * theta + 2.27353 / theta;
    const double BL = 0.0282 + 0.3937799e-3 * theta - 1.28431e-7 * theta + 2.27353 / theta;
    for (const Row& row : rows) {
        const double* c = row.cubic;
        const double base = row.form == 'C'   ? c[0] + c[1] * T + c[2] * T * T + c[3] * T * T * T
                            : row.form == 'L' ? 4.1866 * BL
                                              : 4.1866 * B;
        std::istringstream names(row.names);
        for (std::string name; names >> name;) {
            for (double tSuction : {-20.0, 30.0}) {
                for (int kind = 0; kind < 3; ++kind) {
                    const double k =
                        row.form == 'S' && kind < 2 ? 0.863 + 0.029 * tSuction / 30 : row.k[kind];
                    EXPECT_NEAR(Cp(name, kind, T, {.tSuction = tSuction}), k * base, 1e-9)
                        << name << " kind " << kind;
                }
            }
            EXPECT_EQ(MolarMass(name), row.molarMass) << name;
            EXPECT_EQ(ExponentFactor(name), row.F) << name;
        }
    }
}

// R23's discharge value is the cubic up to 280 K (1.9421632 by hand) and 1.945 + (T - 280) 0.025
// above; its evaporating value stays the cubic. R14: 0.518 + 0.006 (T - 153.15) (suction: the
// same form at T), discharge 0.79 - 0.004 (T - 280); R123: 0.671 + 0.001765 (T - 273.15) for
// every kind; R124 evaporating and suction at T0K whatever T is, discharge 1.35 + ((TL - 90) -
// 273.15) / 70 - 0.002265 (T - 273.15).
TEST(HeatCapacity, TheR23ReplacementAndTheLinearForms) {
    const HeatCapacityContext r124{.evaporatingK = 268.15, .liquidTemperatureK = 313.15};
    const std::pair<double, double> cases[] = {
        {Cp("R23", 2, 280), 1.9421632},
        {Cp("R23", 2, 280.5), 1.945 + 0.5 * 0.025},
        {Cp("R23", 0, 281), 1.98820068},
        {Cp("R14", 0, 163.15), 0.578},
        {Cp("R14", 1, 163.15), 0.578},
        {Cp("R14", 2, 300), 0.71},
        {Cp("R123", 0, 300), 0.71839025},
        {Cp("R123", 1, 300), 0.71839025},
        {Cp("R123", 2, 300), 0.71839025},
        {Cp("R124", 0, 290, r124), 0.771375},
        {Cp("R124", 1, 290, r124), 0.771375},
        {Cp("R124", 2, 340, r124), 1.35 + (313.15 - 90 - 273.15) / 70 - 0.002265 * 66.85},
        {MolarMass("R14").value(), 88},
        {MolarMass("R123").value(), 152.9},
        {MolarMass("R124").value(), 136.48},
        {ExponentFactor("R124"), 1},
        {ExponentFactor("R123") + ExponentFactor("R14"), 2 * 1.043},
        // A name without a correlation gives nothing (the caller keeps the previous value) and the
        // default factor; 0 K gives no finite value.
        {HeatCapacity("R32", kKinds[0], 250, {}).value_or(-1) + MolarMass("r22").value_or(-1), -2},
        {ExponentFactor(""), 1.043},
        {std::isfinite(Cp("R22", 0, 0)), 0},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_NEAR(cases[i].first, cases[i].second, 1e-6) << "case " << i;
}

}  // namespace
}  // namespace tessaro
