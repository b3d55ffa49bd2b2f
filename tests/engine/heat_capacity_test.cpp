#include "engine/heat_capacity.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaro {
namespace {

constexpr auto kEvap = HeatCapacityKind::Evaporating;
constexpr auto kSuction = HeatCapacityKind::Suction;
constexpr auto kDischarge = HeatCapacityKind::Discharge;

double Cp(std::string_view name, HeatCapacityKind kind, double T,
          HeatCapacityContext context = {}) {
    return HeatCapacity(name, kind, T, context).value();
}

// θ = 1.8 T = 491.67 °R at 273.15 K:
//   B(θ)  = 0.0282 + 0.3937799e-3 θ - 1.28431e-7 θ² + 2.27353 / θ = 0.195387029
//   BL(θ) = 0.0282 + 0.3937799e-3 θ - 1.28431e-7 θ  + 2.27353 / θ = 0.226370715
//   R22 evaporating: 4.1866 * 0.812 * B = 0.664221958
//   R12 evaporating: 4.1866 * 0.648 * BL = 0.614124916
TEST(HeatCapacity, R12UsesTheLinearThirdTermAndR22TheSquare) {
    EXPECT_NEAR(Cp("R22", kEvap, 273.15), 0.664221958, 1e-8);
    EXPECT_NEAR(Cp("R12", kEvap, 273.15), 0.614124916, 1e-8);
    // At 350 K (θ = 630): R22 discharge 4.1866 * 0.86 * 0.228915851 = 0.824206027,
    // R12 discharge 4.1866 * 0.645 * 0.279809203 = 0.755584741.
    EXPECT_NEAR(Cp("R22", kDischarge, 350), 0.824206027, 1e-8);
    EXPECT_NEAR(Cp("R12", kDischarge, 350), 0.755584741, 1e-8);
    // The factor k differs per kind: suction 0.785 against evaporating 0.812.
    EXPECT_NEAR(Cp("R22", kSuction, 273.15) / Cp("R22", kEvap, 273.15), 0.785 / 0.812, 1e-12);
}

// R23 cubic at 280 K: -37.2336 + 0.511656 * 280 - 0.00231769 * 280² + 3.53585e-6 * 280³
// = 1.9421632; above 280 K the discharge value is 1.945 + (T - 280) * 0.025, so 1.97 at 281 K,
// where the cubic would give 1.98820.
TEST(HeatCapacity, R23DischargeIsReplacedAbove280K) {
    EXPECT_NEAR(Cp("R23", kDischarge, 280), 1.9421632, 1e-6);
    EXPECT_NEAR(Cp("R23", kDischarge, 281), 1.97, 1e-12);
    EXPECT_NEAR(Cp("R23", kDischarge, 300), 2.445, 1e-12);
    EXPECT_NEAR(Cp("R23", kEvap, 281), 1.98820068, 1e-6);
    EXPECT_NEAR(Cp("R23", kSuction, 281), 1.98820068, 1e-6);
}

// R502 and its group: k = 0.863 + 0.029 tSuction / 30 for evaporating and suction, so 0.892 at
// tSuction = 30 °C; at 250 K (θ = 450) B = 0.184445966, cp = 4.1866 * 0.892 * B = 0.688803723.
TEST(HeatCapacity, R502GroupFactorFollowsTheSuctionTemperature) {
    for (const char* name : {"R502", "ISC_69L", "R403B"}) {
        SCOPED_TRACE(name);
        EXPECT_NEAR(Cp(name, kEvap, 250, {.tSuction = 30}), 0.688803723, 1e-8);
        EXPECT_NEAR(Cp(name, kSuction, 250, {.tSuction = 30}), 0.688803723, 1e-8);
        EXPECT_NEAR(Cp(name, kEvap, 250, {.tSuction = 0}), 0.688803723 * 0.863 / 0.892, 1e-8);
        EXPECT_EQ(Cp(name, kDischarge, 250, {.tSuction = 30}),
                  Cp(name, kDischarge, 250, {.tSuction = -20}));
    }
}

TEST(HeatCapacity, LinearFormsOfR14R123AndR124) {
    // R14: evaporating 0.518 + 0.006 (T - 153.15); suction the same form at the suction
    // temperature; discharge 0.79 - 0.004 (T - 280).
    EXPECT_NEAR(Cp("R14", kEvap, 163.15), 0.578, 1e-12);
    EXPECT_NEAR(Cp("R14", kSuction, 190), 0.7391, 1e-12);
    EXPECT_NEAR(Cp("R14", kDischarge, 300), 0.71, 1e-12);
    // R123: 0.671 + 0.001765 (T - 273.15) for all three.
    EXPECT_NEAR(Cp("R123", kEvap, 300), 0.71839025, 1e-12);
    EXPECT_NEAR(Cp("R123", kSuction, 300), 0.71839025, 1e-12);
    EXPECT_NEAR(Cp("R123", kDischarge, 300), 0.71839025, 1e-12);
    // R124: evaporating and suction at T0K = 268.15 K whatever T is: 0.7787 - 5 * 0.001465;
    // discharge with TL = 313.15 K at 340 K: 1.35 + (313.15 - 90 - 273.15) / 70 - 0.002265 * 66.85.
    const HeatCapacityContext context{
        .tSuction = 5, .evaporatingK = 268.15, .liquidTemperatureK = 313.15};
    EXPECT_NEAR(Cp("R124", kEvap, 268.15, context), 0.771375, 1e-12);
    EXPECT_NEAR(Cp("R124", kSuction, 290, context), 0.771375, 1e-12);
    EXPECT_NEAR(Cp("R124", kDischarge, 340, context), 0.484299036, 1e-8);
}

// PROPAN at 280 K, suction: 1.12 (0.0830829 + 0.00577693 T - 1.30581e-6 T² - 6.91e-10 T³)
// = 1.77304844.
TEST(HeatCapacity, CubicFormsAndAliasesShareTheirConstants) {
    EXPECT_NEAR(Cp("PROPAN", kSuction, 280), 1.77304844, 1e-8);
    EXPECT_EQ(Cp("R290", kSuction, 280), Cp("PROPAN", kSuction, 280));
    EXPECT_EQ(Cp("R744", kDischarge, 350), Cp("CO2", kDischarge, 350));
    EXPECT_EQ(Cp("R717", kEvap, 250), Cp("AMMONIAK", kEvap, 250));
    // CO2, R723 and ammonia share one cubic with their own factors.
    EXPECT_NEAR(Cp("CO2", kEvap, 250) / Cp("AMMONIAK", kEvap, 250), 0.44, 1e-12);
    EXPECT_NEAR(Cp("R723", kSuction, 250) / Cp("AMMONIAK", kSuction, 250), 0.79, 1e-12);
    EXPECT_EQ(Cp("AC9000", kEvap, 250), Cp("R407C", kEvap, 250));
    EXPECT_EQ(Cp("R422A", kSuction, 250), Cp("ISC_79", kSuction, 250));
}

TEST(HeatCapacity, UnknownNamesHaveNoCorrelation) {
    EXPECT_FALSE(HeatCapacity("R32", kEvap, 250, {}).has_value());
    EXPECT_FALSE(HeatCapacity("r22", kEvap, 250, {}).has_value());
    EXPECT_FALSE(HeatCapacity("", kDischarge, 250, {}).has_value());
    EXPECT_FALSE(MolarMass("R32").has_value());
    EXPECT_EQ(ExponentFactor("R32"), 1.043);
}

TEST(HeatCapacity, AZeroTemperatureGivesNoFiniteValue) {
    EXPECT_FALSE(std::isfinite(Cp("R22", kEvap, 0)));
}

// Aliases share their constants; HX4's molar mass is the one of its table's blend.
TEST(MolarMass, AliasesAndTheChosenValueOfHX4) {
    EXPECT_EQ(MolarMass("ISC_49"), MolarMass("R413A"));
    EXPECT_EQ(MolarMass("R403B"), 111.6);
    EXPECT_EQ(MolarMass("R744"), 44);
    EXPECT_EQ(MolarMass("HX4"), 90.80);
}

TEST(ExponentFactor, OwnFactorsAndTheDefault) {
    EXPECT_EQ(ExponentFactor("AC9000"), 1.034);
    EXPECT_EQ(ExponentFactor("R227"), 1.057);
    EXPECT_EQ(ExponentFactor("R124"), 1);
    EXPECT_EQ(ExponentFactor("R22"), 1.043);
}

}  // namespace
}  // namespace tessaro
