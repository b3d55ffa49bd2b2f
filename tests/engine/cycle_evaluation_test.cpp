#include "engine/cycle_evaluation.h"

#include <gtest/gtest.h>

#include <tuple>

#include "engine/discharge_temperature.h"
#include "engine/refrigerant_registry.h"
#include "engine/saturation_table.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

// Every field of a cycle state, to compare two states.
auto Fields(const CycleState& c) {
    return std::tie(c.T0K, c.TcK, c.p0, c.pc, c.hVapour0, c.hLiquidC, c.hVapourC, c.dpdT0,
                    c.slopeRatio, c.cpEvap, c.cpSuction, c.cpDischarge, c.molarMass, c.kappa);
}

class CycleEvaluationTest : public ::testing::Test {
  protected:
    void Use(const std::string& refrigerant) {
        state.engine.CurrentRefrigerant = refrigerant;
        if (auto file = SelectRefrigerantFile(refrigerant); file && !dir.Exists(*file))
            dir.CopyFromData({*file});
    }

    // The value of column (1..7) at key, looked up separately.
    double At(double key, int keyColumn, int column) {
        EXPECT_TRUE(LookupSaturation(state, key, keyColumn));
        return Interpolate(state.engine.bracket, column);
    }

    // The discharge temperature of the last evaluation, in K.
    double Discharge(double tSuction) {
        return DischargeTemperature(c, c.p0, c.pc, tSuction + 273.15, c.kappa).value();
    }

    test::TempDir dir;
    AppState state{WorkingDir(dir.Path())};
    const CycleState& c = state.engine.cycle;
};

// R407C at t0 = -10 °C, tc = 40 °C, both on rows of R407C.DAT, whose dew pressures lie below the
// bubble pressures. As written, p0 := p0 + w |p0 - pDew| and pc := pc + |pDew - pc| / 2 move both
// up from the bubble pressure. hLiquidC comes from a lookup by dew pressure at pc, hVapour0 and the
// reference temperature from a lookup by bubble pressure at p0.
TEST_F(CycleEvaluationTest, ABlendWithGlideLooksUpByPressure) {
    Use("R407C");
    const auto rows = ReadSaturationRows(state, "R407C").value();
    const SaturationRow& evap = rows.at(263 - 173);  // 263.15 K
    const SaturationRow& cond = rows.at(313 - 173);  // 313.15 K
    ASSERT_TRUE(EvaluateCycle(state, -10, 40, 0));
    const double w = (evap[4] - cond[3]) / (evap[4] - evap[3]) / 2;
    EXPECT_NEAR(c.p0, evap[1] + w * (evap[1] - evap[2]), 1e-12);
    EXPECT_NEAR(c.pc, cond[1] + (cond[1] - cond[2]) / 2, 1e-12);
    EXPECT_EQ(c.hLiquidC, At(c.pc, 2, 4));
    EXPECT_EQ(c.hVapour0, At(c.p0, 1, 5));
    const double Tref = At(c.p0, 1, 2) + 1;
    EXPECT_EQ(c.dpdT0, At(Tref, 0, 2) - c.p0);
    EXPECT_EQ(c.slopeRatio, (At(314.15, 0, 2) - cond[1]) / c.dpdT0);
}

// R502's k follows the suction temperature in °C; R124's suction value is taken at T0K and its
// discharge value at the discharge temperature with TcK as liquid temperature; R124's exponent
// factor is 1: f = 0.99 - (20 - 10) / 1800.
TEST_F(CycleEvaluationTest, CorrelationsGetTheirTemperaturesFromTheCycle) {
    Use("R502");
    ASSERT_TRUE(EvaluateCycle(state, -20, 40, -20));
    const double cpColdSuction = c.cpEvap;
    ASSERT_TRUE(EvaluateCycle(state, -20, 40, 10));
    EXPECT_NEAR(c.cpEvap / cpColdSuction, (0.863 + 0.029 * 10 / 30) / (0.863 + 0.029 * -20 / 30),
                1e-12);

    Use("R124");
    ASSERT_TRUE(EvaluateCycle(state, 5, 45, 25));
    EXPECT_NEAR(c.cpSuction, 0.7787 + 0.001465 * 5, 1e-12);
    EXPECT_NEAR(c.cpDischarge,
                1.35 + (c.TcK - 90 - 273.15) / 70 - 0.002265 * (Discharge(25) - 273.15), 1e-12);
    EXPECT_NEAR(c.kappa, (0.99 - 10.0 / 1800) * c.cpSuction / (c.cpSuction - 8.314 / 136.48),
                1e-12);
}

TEST_F(CycleEvaluationTest, AMissingTableUpdatesOnlyTheTemperatures) {
    Use("R22");
    ASSERT_TRUE(EvaluateCycle(state, -10, 40, 0));
    CycleState expected = c;
    std::filesystem::remove(dir.Path() / "R22.DAT");
    EXPECT_FALSE(EvaluateCycle(state, -20, 30, -5));
    expected.T0K = -20 + 273.15;
    expected.TcK = 30 + 273.15;
    EXPECT_EQ(Fields(c), Fields(expected));
}

// A table whose liquid and vapour enthalpies coincide at the evaporating temperature makes the
// share w a division by zero: the pressures and enthalpies written before stay, the rest keeps
// the previous values.
TEST_F(CycleEvaluationTest, AFailingStepEndsTheEvaluationThere) {
    Use("R22");
    ASSERT_TRUE(EvaluateCycle(state, -10, 40, 0));
    const CycleState before = c;
    dir.Write("R22.DAT",
              "250.15,2,2,300,300,1000,10\r\n251.15,2.1,2.1,300,300,1000,10\r\n"
              "300.15,10,10,250,400,900,50\r\n301.15,10.4,10.4,251,401,900,50\r\n");
    EXPECT_FALSE(EvaluateCycle(state, -23, 27, -10));
    EXPECT_NEAR(c.p0, 2, 1e-9);
    EXPECT_NEAR(c.hLiquidC, 250, 1e-9);
    EXPECT_EQ(c.dpdT0, before.dpdT0);
    EXPECT_EQ(c.kappa, before.kappa);
}

// With p0 = pc the compression term vanishes (s = 0), leaving TcK + max(0, 0.373 (TcK - 318)):
// nothing at 318 K and below, 0.373 * 10.15 at 328.15 K.
TEST(DischargeTemperature, TheExtraTermStartsAbove318KAndFailingStepsGiveNoValue) {
    for (const auto& [TcK, extra] :
         {std::pair{317.9, 0.0}, {318.0, 0.0}, {318.5, 0.1865}, {328.15, 0.373 * 10.15}}) {
        const CycleState cycle{.TcK = TcK};
        EXPECT_NEAR(DischargeTemperature(cycle, 5, 5, 280, 1.2).value(), TcK + extra, 1e-12) << TcK;
    }
    // Condensing below evaporating pressure: a fractional power of a negative number.
    EXPECT_FALSE(DischargeTemperature(CycleState{.TcK = 300}, 10, 5, 280, 1.2).has_value());
}

}  // namespace
}  // namespace tessaro
