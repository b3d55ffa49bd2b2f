// The rules that turn plant choices into operating values, and the compressor power model.
#include "engine/operating_rules.h"

#include <cmath>

#include <gtest/gtest.h>

#include "engine/compressor_power.h"

namespace tessaro {
namespace {

TEST(OperatingRules, RoomTemperatureByApplicationAndRange) {
    EXPECT_EQ(RoomTemperatureFor(1, 0), 5);
    EXPECT_EQ(RoomTemperatureFor(2, 3), 5);
    EXPECT_EQ(RoomTemperatureFor(3, 1), 2);
    EXPECT_EQ(RoomTemperatureFor(4, 1), -2);
    EXPECT_EQ(RoomTemperatureFor(5, 2), -10);
    EXPECT_EQ(RoomTemperatureFor(7, 3), -30);
    EXPECT_EQ(RoomTemperatureFor(6, 0), -10);
    EXPECT_EQ(RoomTemperatureFor(0, 1), -10);
}

TEST(OperatingRules, EvaporatingProposalCutsTheDifferenceToOneDecimal) {
    // vdsize item 1 (11 K) with km item 4 (0.88): dT = Int(96.8) / 10 = 9.6.
    EvaporatingProposal p = ProposeEvaporating(1, 4, -10);
    EXPECT_EQ(p.superheat, 11);
    EXPECT_DOUBLE_EQ(p.t0, -11.6);
    EXPECT_EQ(ProposeEvaporating(2, 1, 5).t0, 5);           // 5 + 8 - 8
    EXPECT_EQ(ProposeEvaporating(3, 2, 2).t0, 5);           // 2 + 8 - 5
    EXPECT_DOUBLE_EQ(ProposeEvaporating(0, 3, 2).t0, 2.7);  // other size 8 K, 0.92: Int(73.6)/10
    EXPECT_EQ(ProposeEvaporating(0, 0, 0).superheat, 8);
}

TEST(OperatingRules, CondenserDifferenceBySizeAndKmClass) {
    EXPECT_DOUBLE_EQ(CondenserDifferenceFor(1, 3), 14.4);
    EXPECT_EQ(CondenserDifferenceFor(1, 1), 18);
    EXPECT_EQ(CondenserDifferenceFor(3, 2), 10);
    EXPECT_DOUBLE_EQ(CondenserDifferenceFor(2, 4), 9.1);  // Int(91.0)/10
    EXPECT_EQ(CondenserDifferenceFor(0, 0), 13);
}

TEST(OperatingRules, CapacityProposalTable) {
    EXPECT_EQ(ProposeCapacity(1, 1), 2.7);
    EXPECT_EQ(ProposeCapacity(6, 3), 1000);
    EXPECT_EQ(ProposeCapacity(3, 0), 55);
    EXPECT_EQ(ProposeCapacity(7, 0), 5);
    EXPECT_EQ(ProposeCapacity(0, 2), 50);
    EXPECT_EQ(ProposeCapacity(0, 0), 5);
    EXPECT_EQ(ProposeCapacity(4, 2), 7);
}

TEST(OperatingRules, LineInsulationMaintenanceAndCharge) {
    EXPECT_EQ(SuctionLineLossFor(3, 2), 1);
    EXPECT_EQ(SuctionLineLossFor(1, 1), 4);
    EXPECT_EQ(SuctionLineLossFor(0, 3), 1);
    EXPECT_EQ(SuctionLineLossFor(1, 4), 2);
    EXPECT_EQ(SuctionLineSuperheatFor(1), 20);
    EXPECT_EQ(SuctionLineSuperheatFor(4), 0);
    EXPECT_EQ(SuctionLineSuperheatFor(0), 5);
    EXPECT_EQ(MaintenanceOffsetFor(3).value(), 8);
    EXPECT_FALSE(MaintenanceOffsetFor(0).has_value());
    EXPECT_EQ(FillFactorFor(2), 1.15);
    EXPECT_EQ(FillFactorFor(0), 1);
    EXPECT_EQ(AmbientTemperatureFor(4), 40);
    EXPECT_EQ(AmbientTemperatureFor(0), 32);
}

TEST(OperatingRules, WinterReductionAboveTheSetPoint) {
    // Item 1 of WinterRGart, condenser difference 13: tw = 23; Tc 45, application 3, mode 2.
    EXPECT_DOUBLE_EQ(WinterReductionFor(45, 23, 3, 2).value(), 0.7 * std::pow(22.0, 0.8));
    EXPECT_EQ(WinterReductionFor(45, 45, 3, 2).value(), 0);
    EXPECT_EQ(WinterReductionFor(30, 35, 3, 2).value(), 0);
    EXPECT_DOUBLE_EQ(WinterReductionFor(43, 35, 1, 1).value(), 0.3 * 2);
    EXPECT_DOUBLE_EQ(WinterReductionFor(43, 35, 2, 5).value(), 2);
    EXPECT_DOUBLE_EQ(WinterReductionFor(43, 35, 3, 0).value(), std::pow(8.0, 0.8));
}

TEST(CompressorPower, SizeFactorIsContinuousAt100Kilowatts) {
    // A cycle whose discharge enthalpy rise is known: with pc = p0 the discharge temperature is
    // TcK + s * 1.287 * (Ts - TcK) where s = 0 (no pressure rise), i.e. TcK itself.
    CycleState cycle;
    cycle.kappa = 1.2;
    cycle.cpEvap = 0;
    cycle.cpDischarge = 0;
    cycle.TcK = 300;
    // h2 - h1 = hVapourC - hVapour0 = 100 kJ/kg, so P = m * 100 before the factors.
    auto power = [&](double m) {
        return ComputeCompressorPower(cycle, 5, 5, m, 260, 300, 0, 500, 400).value();
    };
    EXPECT_DOUBLE_EQ(power(1.0), 1.06 * 0.95 * 100);
    EXPECT_DOUBLE_EQ(power(2.0), 1.06 * 0.95 * 200);
    EXPECT_DOUBLE_EQ(power(0.2), 1.06 * 0.99 * 20);
    EXPECT_EQ(power(0), 0);
    // Zero pressures cannot be computed.
    EXPECT_FALSE(ComputeCompressorPower(cycle, 0, 0, 1, 260, 300, 0, 500, 400).has_value());
}

}  // namespace
}  // namespace tessaro
