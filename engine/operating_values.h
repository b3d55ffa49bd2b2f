#pragma once

namespace tessaro {

// The hidden operating values that the plant choices turn into, kept beside the project record.
// All start at 0 when the project form is created.
struct OperatingValues {
    double RoomTemperature = 0;       // °C, reference temperature of the cooled space
    double EvaporatorSuperheat = 0;   // K, superheat leaving the evaporator
    double CondenserDifference = 0;   // K, condensing temperature minus design ambient
    double SuctionLineLoss = 0;       // K, suction line pressure loss as a saturation drop
    double SuctionLineSuperheat = 0;  // K, superheat picked up in the suction line
    double MaintenanceOffset = 0;     // K, rise of the condensing temperature from fouling
    double FillFactor = 0;            // running-time multiplier from the charge state
    double WinterReduction = 0;       // K, yearly mean lowering by condensing pressure control
};

}  // namespace tessaro
