#include "engine/cycle_evaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>

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

// R22 at t0 = -10 °C, tc = 40 °C, tSuction = 0 °C; every key falls on a row of R22.DAT:
//   263.15: p = 3.54786, h' = 188.404, h'' = 401.198     264.15: p = 3.67492
//   313.15: p = 15.3358, h' = 249.647, h'' = 416.246     314.15: p = 15.7133
// dpdT0 = 3.67492 - 3.54786 = 0.12706; slopeRatio = (15.7133 - 15.3358) / 0.12706 = 2.9710373
// cpEvap = 4.1866 * 0.812 * B(473.67) = 4.1866 * 0.812 * 0.19070634 = 0.64830988
// cpSuction = 4.1866 * 0.785 * B(491.67) = 4.1866 * 0.785 * 0.19538703 = 0.64213576
// R = 8.314 / 86.48 = 0.09613784; cv = 0.54599792; f = 1.043 * (0.99 - (10 - 10) / 1800) = 1.03257
// kappa = 1.03257 * 0.64213576 / 0.54599792 = 1.2143821
// Tis = 273.15 * (15.3358 / 3.54786)^(0.2143821 / 1.2143821) = 353.69765
// s = (11.78794 / 13.7)^0.27 * (4.3225494 / 4.85)^0.03 = 0.95691559
// Td0 = 313.15 + 0.95691559 * 1.287 * (353.69765 - 313.15) = 363.08648 (313.15 < 318: no extra)
// cpDischarge = 4.1866 * 0.86 * B(653.5556) = 4.1866 * 0.86 * 0.23417842 = 0.84315376
TEST_F(CycleEvaluationTest, R22CycleByHand) {
    Use("R22");
    ASSERT_TRUE(EvaluateCycle(state, -10, 40, 0));
    const std::pair<double, double> figures[] = {
        {c.p0, 3.54786},           {c.pc, 15.3358},        {c.hVapour0, 401.198},
        {c.hLiquidC, 249.647},     {c.hVapourC, 416.246},  {c.dpdT0, 0.12706},
        {c.slopeRatio, 2.9710373}, {c.cpEvap, 0.64830988}, {c.cpSuction, 0.64213576},
        {c.molarMass, 86.48},      {c.kappa, 1.2143821},   {c.cpDischarge, 0.84315376},
        {Discharge(0), 363.08648}};
    for (size_t i = 0; i < std::size(figures); ++i)
        EXPECT_NEAR(figures[i].first, figures[i].second, 1e-7 * figures[i].second) << i;
}

// An operating point inside the limits of each refrigerant and inside its table, with 20 K suction
// superheat. (With the R124 correlation a smaller superheat gives an isentropic end temperature
// below the condensing temperature, so its discharge temperature falls below TcK.)
TEST_F(CycleEvaluationTest, EveryRefrigerantGivesASoundCycle) {
    for (const RefrigerantEntry& entry : RefrigerantTable()) {
        SCOPED_TRACE(std::string(entry.name));
        Use(std::string(entry.name));
        const double t0 = entry.tMin + 0.25 * (entry.tMax - entry.tMin) + 0.3;
        const double tc = entry.tMin + 0.55 * (entry.tMax - entry.tMin) + 0.7;
        ASSERT_TRUE(EvaluateCycle(state, t0, tc, t0 + 20));
        EXPECT_TRUE(std::apply([](auto... v) { return (std::isfinite(v) && ...); }, Fields(c)));
        EXPECT_GT(c.p0, 0);
        EXPECT_LT(c.p0, c.pc);
        EXPECT_GT(c.hVapour0, c.hLiquidC);
        EXPECT_GT(c.dpdT0, 0);
        EXPECT_GT(c.kappa, 1);
        EXPECT_LT(c.kappa, 2);
        EXPECT_GT(Discharge(t0 + 20), c.TcK);
    }
}

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

// A pure fluid takes T0K + 1 as reference temperature and never looks up by pressure. In this
// table the bubble pressure falls between 251.15 and 252.15 K, so a lookup by pressure finds other
// rows than the lookup by temperature. At 251.65 K the lookup by temperature gives p0 = 2.5 and
// h'' = 305; by bubble pressure 2.5 lies between the rows of 250.15 K and 251.15 K and would give
// h'' = 300 + 2 * 1.5 / 2 = 301.5 and a reference temperature of 251.9 K.
TEST_F(CycleEvaluationTest, APureFluidNeverLooksUpByPressure) {
    dir.Write("R22.DAT",
              "250.15,1,1,100,300,1000,10\n251.15,3,3,110,302,990,11\n252.15,2,2,120,308,980,12\n"
              "253.15,4,4,130,310,970,13\n254.15,5,5,140,312,960,14\n"
              "300.15,10,10,250,400,900,50\n301.15,10.4,10.4,251,401,900,50\n");
    state.engine.CurrentRefrigerant = "R22";
    ASSERT_TRUE(EvaluateCycle(state, 251.65 - 273.15, 300.15 - 273.15, -10));
    EXPECT_NEAR(c.p0, 2.5, 1e-12);
    EXPECT_NEAR(c.hVapour0, 305, 1e-9);
    EXPECT_NEAR(c.dpdT0, 3 - 2.5, 1e-9);  // 252.65 K: p = 2 + 0.5 * 2
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

// With p0 = pc the compression term vanishes (s = 0), leaving TcK + max(0, 0.373 (TcK - 318)).
TEST(DischargeTemperature, TheExtraTermStartsAt318KAndFailingStepsGiveNoValue) {
    CycleState cycle{.TcK = 317.9};
    EXPECT_DOUBLE_EQ(DischargeTemperature(cycle, 5, 5, 280, 1.2).value(), 317.9);
    cycle.TcK = 328.15;
    EXPECT_NEAR(DischargeTemperature(cycle, 5, 5, 280, 1.2).value(), 328.15 + 0.373 * 10.15, 1e-12);
    // Condensing below evaporating pressure: a fractional power of a negative number.
    EXPECT_FALSE(DischargeTemperature(cycle, 10, 5, 280, 1.2).has_value());
}

}  // namespace
}  // namespace tessaro
