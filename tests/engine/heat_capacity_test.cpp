#include "engine/heat_capacity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "engine/refrigerant_registry.h"

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
}

// R23 cubic at 280 K: -37.2336 + 0.511656 * 280 - 0.00231769 * 280² + 3.53585e-6 * 280³
// = 1.9421632; above 280 K the discharge value is 1.945 + (T - 280) * 0.025, so 1.97 at 281 K,
// where the cubic, still used for evaporating, gives 1.98820068.
TEST(HeatCapacity, R23DischargeIsReplacedAbove280K) {
    EXPECT_NEAR(Cp("R23", kDischarge, 280), 1.9421632, 1e-6);
    EXPECT_NEAR(Cp("R23", kDischarge, 281), 1.97, 1e-12);
    EXPECT_NEAR(Cp("R23", kEvap, 281), 1.98820068, 1e-6);
}

// R502 and its group: k = 0.863 + 0.029 tSuction / 30 for evaporating and suction, so 0.892 at
// tSuction = 30 °C; at 250 K (θ = 450) B = 0.184445966, cp = 4.1866 * 0.892 * B = 0.688803723.
TEST(HeatCapacity, R502GroupFactorFollowsTheSuctionTemperature) {
    for (const char* name : {"R502", "ISC_69L", "R403B"}) {
        SCOPED_TRACE(name);
        EXPECT_NEAR(Cp(name, kSuction, 250, {.tSuction = 30}), 0.688803723, 1e-8);
        EXPECT_EQ(Cp(name, kDischarge, 250, {.tSuction = 30}),
                  Cp(name, kDischarge, 250, {.tSuction = -20}));
    }
}

// R14: 0.518 + 0.006 (T - 153.15), discharge 0.79 - 0.004 (T - 280); R123: 0.671 + 0.001765
// (T - 273.15); R124 evaporating at T0K = 268.15 K whatever T is: 0.7787 - 5 * 0.001465, discharge
// with TL = 313.15 K at 340 K: 1.35 + (313.15 - 90 - 273.15) / 70 - 0.002265 * 66.85.
// PROPAN suction at 280 K: 1.12 (0.0830829 + 0.00577693 T - 1.30581e-6 T² - 6.91e-10 T³).
TEST(HeatCapacity, LinearAndCubicForms) {
    const HeatCapacityContext r124{.evaporatingK = 268.15, .liquidTemperatureK = 313.15};
    EXPECT_NEAR(Cp("R14", kEvap, 163.15), 0.578, 1e-12);
    EXPECT_NEAR(Cp("R14", kDischarge, 300), 0.71, 1e-12);
    EXPECT_NEAR(Cp("R123", kDischarge, 300), 0.71839025, 1e-12);
    EXPECT_NEAR(Cp("R124", kSuction, 290, r124), 0.771375, 1e-12);
    EXPECT_NEAR(Cp("R124", kDischarge, 340, r124), 0.484299036, 1e-8);
    EXPECT_NEAR(Cp("PROPAN", kSuction, 280), 1.77304844, 1e-8);
    // CO2 and ammonia share one cubic with their own factors.
    EXPECT_NEAR(Cp("CO2", kEvap, 250) / Cp("AMMONIAK", kEvap, 250), 0.44, 1e-12);
}

// A name without a correlation would silently keep the previous refrigerant's heat capacities, so
// every accepted name has one, and names of one table share it.
TEST(HeatCapacity, EveryRefrigerantNameHasItsTablesCorrelation) {
    std::map<std::string_view, std::string_view> firstOfFile;
    for (const RefrigerantEntry& entry : RefrigerantTable()) {
        SCOPED_TRACE(std::string(entry.name));
        ASSERT_TRUE(MolarMass(entry.name).has_value());
        const std::string_view first = firstOfFile.emplace(entry.file, entry.name).first->second;
        EXPECT_EQ(MolarMass(entry.name), MolarMass(first));
        EXPECT_EQ(ExponentFactor(entry.name), ExponentFactor(first));
        for (HeatCapacityKind kind : {kEvap, kSuction, kDischarge})
            EXPECT_EQ(Cp(entry.name, kind, 300), Cp(first, kind, 300));
    }
}

TEST(HeatCapacity, UnknownNamesAndZeroKelvinGiveNoValue) {
    EXPECT_FALSE(HeatCapacity("R32", kEvap, 250, {}).has_value());
    EXPECT_FALSE(MolarMass("R32").has_value());
    EXPECT_EQ(ExponentFactor("R32"), 1.043);
    EXPECT_FALSE(std::isfinite(Cp("R22", kEvap, 0)));
}

}  // namespace
}  // namespace tessaro
