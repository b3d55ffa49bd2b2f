#pragma once

#include <optional>

namespace tessaro {

// The rules that turn the plant choices into operating values and proposals. Each choice comes as
// its item number (1-based, 0 for a text that matches no item); which text matches which item is
// the project record's business.

// Room temperature of the cooled space from the application item and, for applications 4 to 7, the
// temperature range item (1..3 for the ranges -2, -10 and -30 °C).
double RoomTemperatureFor(int application, int temperatureRange);

// Evaporating proposal: the evaporator superheat from the evaporator size, and the proposed
// evaporating temperature RoomTemperature + 8 - dT with dT = Int(10 * superheat * fE) / 10.
struct EvaporatingProposal {
    double superheat;
    double t0;
};
EvaporatingProposal ProposeEvaporating(int evaporatorSize, int km, double roomTemperature);

// Condensing difference Int(10 * dTc * fC) / 10 from the condenser size and the km class.
double CondenserDifferenceFor(int condenserSize, int km);

// Proposed cooling capacity in kW from application (rows) and plant size (columns).
double ProposeCapacity(int application, int plantSize);

// Suction line loss in K from the pipe sizing, doubled for applications 1 and 2.
double SuctionLineLossFor(int pipeSizing, int application);

// Suction line superheat in K from the insulation item (1 = none).
double SuctionLineSuperheatFor(int insulation);

// Condensing temperature rise from fouling; nothing for a text that matches no item.
std::optional<double> MaintenanceOffsetFor(int maintenance);

// Running-time multiplier from the charge state.
double FillFactorFor(int charge);

// Winter reduction of the condensing temperature: tc and the winter set point tw in °C; above tw
// the reduction is (tc - tw) / 4 for applications 1 and 2, (tc - tw)^0.8 otherwise, scaled by the
// pressure control mode. Nothing when the power fails (a step that cannot be computed).
std::optional<double> WinterReductionFor(double tc, double tw, int application, int controlMode);

// The design ambient temperature of a climate class item (28, 32, 35, 40 °C; 32 for any other).
double AmbientTemperatureFor(int climateClass);

}  // namespace tessaro
