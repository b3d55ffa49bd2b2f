// Whole calculation runs of the project form, their figures checked by hand from the R22 table.
#include <cmath>

#include "project/form_fixture.h"

namespace tessaro {
namespace {

using test::FormFixture;

class CalculationRunTest : public FormFixture {};

// The typical project: cold store, Q0 10 kW, t0 -10 °C, ambient 32 °C, condenser of normal size
// (13 K), large evaporator (5 K superheat), km item 2, no winter control, control mode item 5,
// compressor item 2, insulation item 3 (5 K suction superheat), pipes item 2 (1 K loss), energy
// 12 h/d, running-time factor 0.8, 0.2 EUR/kWh, 365 d/a, 0.5 kg/kWh.
//
// By hand from R22.DAT and the correlations:
//   Tc = 32 + 13 = 45; no winter control: tw = 13 + 10 = 23, reduction 22^0.8 = 11.855999;
//   tcEff = 33.144001; tSuction = -10 + 5 + 5 = 0 (the superheat follows the evaporator size
//   from the load on).
//   At 263.15 K (a table row): p0 = 3.54786 bar, hVapour0 = 401.198 kJ/kg.
//   At 306.294 K: pc = 12.925508 bar, hLiquidC = 240.664482, hVapourC = 414.959096.
//   dpdT0 = 3.67492 - 3.54786 = 0.12706; slopeRatio = 2.619965.
//   cpEvap = 4.1866 * 0.812 * B(473.67) = 0.648310; cpSuction = 0.642136; kappa = 1.214382.
//   m = 10 / (401.198 - 240.664482) = 0.0622923 kg/s.
//   Line losses: p0' = 3.42080, pc' = 13.09195; discharge 352.688 K; cpDischarge = 0.822419.
//   P = m * (h2 - h1) = 2.853, times 1.06 * (1 - 0.05 * P / 100) = 2.995697 kW.
//   Energy = 2.995697 * 12 * 365 * 0.8 = 10496.92 kWh/a; cost * 0.2 = 2099.38; CO2 5.248 t/a.
TEST_F(CalculationRunTest, TypicalColdStoreByHand) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    EXPECT_NEAR(f.Operating().WinterReduction, std::pow(22.0, 0.8), 1e-12);
    EXPECT_NEAR(f.Result().CompressorPower, 2.9956966201764135, 1e-9);
    EXPECT_NEAR(f.Result().AnnualEnergy, 10496.920957098153, 1e-6);
    EXPECT_NEAR(f.Result().COP, 3.338121735241371, 1e-9);
    const ResultLabels& l = f.Labels();
    EXPECT_EQ((std::vector{l.tSLeit, l.LeistZ, l.BetrKo, l.kWstunden, l.co2consum}),
              (std::vector<std::string>{"0", "3.33", "2099", "( 10496 kWh/a)", "5.2"}));
    // The labels follow the system decimal separator.
    state.calculationDone = false;
    const ResultLabels& comma = Open(',').Labels();
    EXPECT_EQ((std::vector{comma.LeistZ, comma.co2consum}),
              (std::vector<std::string>{"3,33", "5,2"}));
}

TEST_F(CalculationRunTest, FactorsOfChargeCompressorKmAndRoundTheClockControl) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    const RunResult base = f.Result();

    ASSERT_TRUE(f.Pick(FieldId::Fullzustand, 3));  // charge factor 1.3: yearly figures only
    EXPECT_NEAR(f.Result().AnnualEnergy, 1.3 * base.AnnualEnergy, 1e-6);
    EXPECT_DOUBLE_EQ(f.Result().COP, base.COP);
    // The factor multiplies the stored running-time factor, not the field's text.
    EXPECT_DOUBLE_EQ(f.Record().energy.lzfaktor, 0.8 * 1.3);
    EXPECT_EQ(f.Record()[FieldId::lzfaktor], " .8");
    ASSERT_TRUE(f.Pick(FieldId::Fullzustand, 1));

    ASSERT_TRUE(f.Pick(FieldId::Verdichterbauart, 1));
    EXPECT_NEAR(f.Result().CompressorPower, 0.96 * base.CompressorPower, 1e-12);
    ASSERT_TRUE(f.Pick(FieldId::Verdichterbauart, 3));
    EXPECT_NEAR(f.Result().CompressorPower, 1.06 * base.CompressorPower, 1e-12);
    ASSERT_TRUE(f.Pick(FieldId::Verdichterbauart, 2));
    // km items 1 and 2 propose t0 alike; item 1 takes 0.93 of the power.
    ASSERT_TRUE(f.Pick(FieldId::km, 2));
    const double power = f.Result().CompressorPower;
    ASSERT_TRUE(f.Pick(FieldId::km, 1));
    EXPECT_NEAR(f.Result().CompressorPower, 0.93 * power, 1e-12);

    // Control mode item 1 runs 24 h a day whatever betrstd says; it also scales the reduction.
    ASSERT_TRUE(f.Pick(FieldId::km, 2));
    ASSERT_TRUE(f.Pick(FieldId::RGart, 1));
    EXPECT_NEAR(f.Operating().WinterReduction, 0.3 * std::pow(22.0, 0.8), 1e-12);
    EXPECT_NEAR(f.Result().AnnualEnergy, f.Result().CompressorPower * 24 * 365 * 0.8, 1e-6);
}

// A run computes nothing from a capacity or temperature that is no number, or a capacity not
// above 0: no figures are shown, rather than those of an earlier run.
TEST_F(CalculationRunTest, NoFiguresFromACapacityOrTemperatureThatIsNoNumber) {
    WriteTypicalProject();
    ProjectForm& f = Open();
    for (auto [field, text] : {std::pair{FieldId::Q0, "0"}, std::pair{FieldId::Q0, "abc"},
                               std::pair{FieldId::t0, ""}, std::pair{FieldId::Tc, "x"}}) {
        SCOPED_TRACE(std::string(FieldName(field)) + " " + text);
        const std::string kept = f.Record()[field];
        f.Type(field, text);
        f.Rechbutt();
        EXPECT_EQ(f.Labels().LeistZ, "");
        EXPECT_EQ(f.Labels().kWstunden, "");
        EXPECT_EQ(f.Labels().BetrKo, "");
        EXPECT_EQ(f.Result().AnnualEnergy, 0);
        f.Type(field, kept);
        f.Rechbutt();
        EXPECT_EQ(f.Labels().LeistZ, "3.33");
    }
}

}  // namespace
}  // namespace tessaro
