#include "engine/operating_rules.h"

#include <cmath>

namespace tessaro {

double RoomTemperatureFor(int application, int temperatureRange) {
    switch (application) {
        case 1:
        case 2:
            return 5;
        case 3:
            return 2;
        case 4:
        case 5:
        case 6:
        case 7:
            switch (temperatureRange) {
                case 1:
                    return -2;
                case 2:
                    return -10;
                case 3:
                    return -30;
                default:
                    return -10;
            }
        default:
            return -10;
    }
}

EvaporatingProposal ProposeEvaporating(int evaporatorSize, int km, double roomTemperature) {
    double superheat = 8;
    switch (evaporatorSize) {
        case 1:
            superheat = 11;
            break;
        case 2:
            superheat = 8;
            break;
        case 3:
            superheat = 5;
            break;
    }
    double fE = 1;
    if (km == 3)
        fE = 0.92;
    if (km == 4)
        fE = 0.88;
    double dT = std::floor(10 * superheat * fE) / 10;
    return {superheat, roomTemperature + 8 - dT};
}

double CondenserDifferenceFor(int condenserSize, int km) {
    double dTc = 13;
    switch (condenserSize) {
        case 1:
            dTc = 18;
            break;
        case 2:
            dTc = 13;
            break;
        case 3:
            dTc = 10;
            break;
    }
    double fC = 1;
    if (km == 3)
        fC = 0.8;
    if (km == 4)
        fC = 0.7;
    return std::floor(10 * dTc * fC) / 10;
}

double ProposeCapacity(int application, int plantSize) {
    // Rows: applications 1..7 and any other; columns: plant size 1..3 and any other.
    static constexpr double kTable[8][4] = {
        {2.7, 5, 10, 5},   {15, 25, 50, 25},      {24, 55, 120, 55}, {2.5, 7, 18, 7},
        {30, 70, 120, 70}, {150, 400, 1000, 400}, {20, 50, 100, 5},  {20, 50, 100, 5},
    };
    int row = application >= 1 && application <= 7 ? application - 1 : 7;
    int column = plantSize >= 1 && plantSize <= 3 ? plantSize - 1 : 3;
    return kTable[row][column];
}

double SuctionLineLossFor(int pipeSizing, int application) {
    double loss = 1;
    if (pipeSizing == 1)
        loss = 2;
    if (pipeSizing == 3)
        loss = 0.5;
    if (application == 1 || application == 2)
        loss = 2 * loss;
    return loss;
}

double SuctionLineSuperheatFor(int insulation) {
    switch (insulation) {
        case 1:
            return 20;
        case 2:
            return 10;
        case 3:
            return 5;
        case 4:
            return 0;
        default:
            return 5;
    }
}

std::optional<double> MaintenanceOffsetFor(int maintenance) {
    switch (maintenance) {
        case 1:
            return 0;
        case 2:
            return 3;
        case 3:
            return 8;
        default:
            return std::nullopt;
    }
}

double FillFactorFor(int charge) {
    switch (charge) {
        case 2:
            return 1.15;
        case 3:
            return 1.3;
        default:
            return 1;
    }
}

std::optional<double> WinterReductionFor(double tc, double tw, int application, int controlMode) {
    if (!(tc > tw))
        return 0.0;
    double r = (application == 1 || application == 2) ? (tc - tw) / 4 : std::pow(tc - tw, 0.8);
    switch (controlMode) {
        case 1:
            r = 0.3 * r;
            break;
        case 2:
            r = 0.7 * r;
            break;
        case 3:
            r = 0.92 * r;
            break;
        case 4:
            r = 0.9 * r;
            break;
    }
    if (!std::isfinite(r))
        return std::nullopt;
    return r;
}

double AmbientTemperatureFor(int climateClass) {
    switch (climateClass) {
        case 1:
            return 28;
        case 2:
            return 32;
        case 3:
            return 35;
        case 4:
            return 40;
        default:
            return 32;
    }
}

}  // namespace tessaro
