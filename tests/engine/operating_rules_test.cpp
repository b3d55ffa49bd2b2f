// The rules that turn plant choices into operating values, one table per rule over every item of
// the lists that feed it (0 and the item after the last are texts that match no item), and the
// compressor power model.
#include "engine/operating_rules.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/compressor_power.h"

namespace tessaro {
namespace {

// Rows: application items 0..8; columns: temperature range items 0..4.
TEST(OperatingRules, RoomTemperatureForEveryApplicationAndRange) {
    // clang-format off
    const double expected[9][5] = {{-10, -10, -10, -10, -10}, {5, 5, 5, 5, 5}, {5, 5, 5, 5, 5},
        {2, 2, 2, 2, 2}, {-10, -2, -10, -30, -10}, {-10, -2, -10, -30, -10},
        {-10, -2, -10, -30, -10}, {-10, -2, -10, -30, -10}, {-10, -10, -10, -10, -10}};
    // clang-format on
    for (int application = 0; application <= 8; ++application) {
        for (int range = 0; range <= 4; ++range) {
            EXPECT_EQ(RoomTemperatureFor(application, range), expected[application][range])
                << application << " " << range;
        }
    }
}

// By evaporator or condenser size (rows, 0..4) and km class (columns, 0..5): the superheat, the
// difference Int(10 SH fE) / 10 cut, not rounded, to one decimal (11 K with km 4: Int(96.8) / 10
// = 9.6; 8 K with km 3: Int(73.6) / 10 = 7.3) and the proposal RoomTemperature + 8 - dT; the
// condenser difference Int(10 dTc fC) / 10 (in doubles 180 * 0.7 falls just short of 126, so
// 18 K with km 4 is cut to 12.5).
TEST(OperatingRules, EvaporatingAndCondensingProposalsForEverySizeAndKmClass) {
    // clang-format off
    const double superheat[5] = {8, 11, 8, 5, 8};
    const double dT[5][6] = {{8, 8, 8, 7.3, 7, 8}, {11, 11, 11, 10.1, 9.6, 11},
        {8, 8, 8, 7.3, 7, 8}, {5, 5, 5, 4.6, 4.4, 5}, {8, 8, 8, 7.3, 7, 8}};
    const double condenser[5][6] = {{13, 13, 13, 10.4, 9.1, 13}, {18, 18, 18, 14.4, 12.5, 18},
        {13, 13, 13, 10.4, 9.1, 13}, {10, 10, 10, 8, 7, 10}, {13, 13, 13, 10.4, 9.1, 13}};
    // clang-format on
    for (int size = 0; size <= 4; ++size) {
        for (int km = 0; km <= 5; ++km) {
            const EvaporatingProposal proposal = ProposeEvaporating(size, km, -10);
            EXPECT_EQ(proposal.superheat, superheat[size]) << size << " " << km;
            EXPECT_DOUBLE_EQ(proposal.t0, -2 - dT[size][km]) << size << " " << km;
            EXPECT_DOUBLE_EQ(CondenserDifferenceFor(size, km), condenser[size][km]) << size << km;
        }
    }
    EXPECT_DOUBLE_EQ(ProposeEvaporating(1, 4, 5).t0, 3.4);
}

// Rows: applications 1..7 and any other; columns: plant sizes 1..3 and any other.
TEST(OperatingRules, CapacityProposalForEveryApplicationAndPlantSize) {
    const double table[8][4] = {{2.7, 5, 10, 5},  {15, 25, 50, 25},  {24, 55, 120, 55},
                                {2.5, 7, 18, 7},  {30, 70, 120, 70}, {150, 400, 1000, 400},
                                {20, 50, 100, 5}, {20, 50, 100, 5}};
    for (int application = -1; application <= 8; ++application) {
        for (int size = -1; size <= 4; ++size) {
            const int row = application >= 1 && application <= 7 ? application - 1 : 7;
            const int column = size >= 1 && size <= 3 ? size - 1 : 3;
            EXPECT_EQ(ProposeCapacity(application, size), table[row][column])
                << application << " " << size;
        }
    }
}

// Line loss by pipe sizing, doubled for applications 1 and 2; superheat by insulation;
// maintenance offset (nothing for an unknown text); fill factor by charge; ambient temperature by
// climate class.
TEST(OperatingRules, ThePlantRulesForEveryItem) {
    const double loss[5] = {1, 2, 1, 0.5, 1};
    for (int pipe = 0; pipe <= 4; ++pipe) {
        for (int application = 0; application <= 3; ++application) {
            const double factor = application == 1 || application == 2 ? 2 : 1;
            EXPECT_EQ(SuctionLineLossFor(pipe, application), factor * loss[pipe])
                << pipe << " " << application;
        }
    }
    const double superheat[6] = {5, 20, 10, 5, 0, 5};
    const std::optional<double> offset[5] = {std::nullopt, 0, 3, 8, std::nullopt};
    const double fill[5] = {1, 1, 1.15, 1.3, 1};
    const double ambient[6] = {32, 28, 32, 35, 40, 32};
    for (int item = 0; item <= 5; ++item) {
        EXPECT_EQ(SuctionLineSuperheatFor(item), superheat[item]) << item;
        EXPECT_EQ(AmbientTemperatureFor(item), ambient[item]) << item;
        if (item <= 4) {
            EXPECT_EQ(MaintenanceOffsetFor(item), offset[item]) << item;
            EXPECT_EQ(FillFactorFor(item), fill[item]) << item;
        }
    }
}

// Above the set point the reduction is (tc - tw) / 4 for applications 1 and 2 and (tc - tw)^0.8
// otherwise, scaled by the control mode; at the set point and below it is 0.
TEST(OperatingRules, WinterReductionForEveryApplicationAndControlMode) {
    const double mode[7] = {1, 0.3, 0.7, 0.92, 0.9, 1, 1};
    for (int application = 0; application <= 3; ++application) {
        const bool small = application == 1 || application == 2;
        for (int control = 0; control <= 6; ++control) {
            EXPECT_DOUBLE_EQ(WinterReductionFor(45, 23, application, control).value(),
                             mode[control] * (small ? 22.0 / 4 : std::pow(22.0, 0.8)))
                << application << " " << control;
            EXPECT_EQ(WinterReductionFor(45, 45, application, control), 0.0);
            EXPECT_EQ(WinterReductionFor(30, 35, application, control), 0.0);
        }
    }
    EXPECT_GT(WinterReductionFor(std::nextafter(45.0, 46.0), 45, 3, 0).value(), 0);
    EXPECT_DOUBLE_EQ(WinterReductionFor(45, 23, 3, 2).value(), 0.7 * std::pow(22.0, 0.8));
}

// A cycle whose discharge temperature is TcK itself (pc = p0, no pressure rise, TcK below 318 K)
// and whose enthalpy rise is hVapourC - hVapour0 = 100 kJ/kg, so P = 1.06 s m 100 with s = 1 -
// 0.05 P / 100 up to 100 kW and 0.95 above.
TEST(CompressorPower, SizeFactorUpToAndAbove100Kilowatts) {
    const CycleState cycle{.TcK = 300, .kappa = 1.2};
    auto power = [&](double m) {
        return ComputeCompressorPower(cycle, 5, 5, m, 260, 300, 0, 500, 400).value();
    };
    EXPECT_DOUBLE_EQ(power(2.0), 1.06 * 0.95 * 200);
    EXPECT_DOUBLE_EQ(power(0.2), 1.06 * 0.99 * 20);
    EXPECT_FALSE(ComputeCompressorPower(cycle, 0, 0, 1, 260, 300, 0, 500, 400).has_value());
}

}  // namespace
}  // namespace tessaro
