// The rules that turn plant choices into operating values, and the compressor power model.
#include "engine/operating_rules.h"

#include <cmath>

#include <gtest/gtest.h>

#include "engine/compressor_power.h"

namespace tessaro {
namespace {

// Each rule's figure for the items picked; items 0 are texts that match no item.
TEST(OperatingRules, FiguresByItem) {
    const std::pair<double, double> rows[] = {
        // The room temperature by application and range.
        {RoomTemperatureFor(1, 0), 5},
        {RoomTemperatureFor(2, 3), 5},
        {RoomTemperatureFor(3, 1), 2},
        {RoomTemperatureFor(4, 1), -2},
        {RoomTemperatureFor(5, 2), -10},
        {RoomTemperatureFor(7, 3), -30},
        {RoomTemperatureFor(6, 0), -10},
        {RoomTemperatureFor(0, 1), -10},
        // The evaporating proposal cuts the difference to one decimal: vdsize item 1 (11 K) with
        // km item 4 (0.88) gives dT = Int(96.8) / 10 = 9.6.
        {ProposeEvaporating(1, 4, -10).superheat, 11},
        {ProposeEvaporating(1, 4, -10).t0, -11.6},
        {ProposeEvaporating(2, 1, 5).t0, 5},
        {ProposeEvaporating(3, 2, 2).t0, 5},
        {ProposeEvaporating(0, 3, 2).t0, 2.7},
        {ProposeEvaporating(0, 0, 0).superheat, 8},
        // The condenser difference by size and km class.
        {CondenserDifferenceFor(1, 3), 14.4},
        {CondenserDifferenceFor(1, 1), 18},
        {CondenserDifferenceFor(3, 2), 10},
        {CondenserDifferenceFor(2, 4), 9.1},
        {CondenserDifferenceFor(0, 0), 13},
        // The capacity proposal by application and plant size.
        {ProposeCapacity(1, 1), 2.7},
        {ProposeCapacity(6, 3), 1000},
        {ProposeCapacity(3, 0), 55},
        {ProposeCapacity(7, 0), 5},
        {ProposeCapacity(0, 2), 50},
        {ProposeCapacity(0, 0), 5},
        {ProposeCapacity(4, 2), 7},
        // Line, insulation, maintenance, charge and climate class.
        {SuctionLineLossFor(3, 2), 1},
        {SuctionLineLossFor(1, 1), 4},
        {SuctionLineLossFor(0, 3), 1},
        {SuctionLineLossFor(1, 4), 2},
        {SuctionLineSuperheatFor(1), 20},
        {SuctionLineSuperheatFor(4), 0},
        {SuctionLineSuperheatFor(0), 5},
        {MaintenanceOffsetFor(3).value(), 8},
        {FillFactorFor(2), 1.15},
        {FillFactorFor(0), 1},
        {AmbientTemperatureFor(4), 40},
        {AmbientTemperatureFor(0), 32}};
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_DOUBLE_EQ(rows[i].first, rows[i].second) << "row " << i;
    EXPECT_FALSE(MaintenanceOffsetFor(0).has_value());
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
