#pragma once

#include <optional>

#include "engine/operating_values.h"

namespace tessaro {

struct AppState;

// The five energy values as numbers: hours per day, running-time factor, energy price per kWh,
// days per year and specific CO2 emission in kg/kWh.
struct EnergyNumbers {
    double betrstd = 0;
    double lzfaktor = 0;
    double EnergKost = 0;
    double JahrebetrT = 0;
    double Spezco2emission = 0;
};

// What a run takes from the project record besides the operating values: the numbers of Q0 (kW),
// t0 and Tc (°C), and the items of the compressor type, the km class and the pressure control mode
// (item 1 of the control mode runs the plant 24 hours a day).
struct RunInputs {
    double Q0 = 0;
    double t0 = 0;
    double Tc = 0;
    int compressorType = 0;
    int km = 0;
    bool roundTheClock = false;
};

// The results of the last run, kept until the next one. A step that fails keeps its value.
struct RunResult {
    double MassFlow = 0;         // kg/s
    double CompressorPower = 0;  // kW
    double AnnualEnergy = 0;     // kWh/a
    double RunningCost = 0;      // currency/a
    double AnnualCO2 = 0;        // t/a
    double COP = 0;
};

// The figures the result labels show, cut (not rounded) as they are shown: the suction gas
// temperature to 0.1 K, the COP to 0.01, the running cost and the yearly energy to whole units,
// the CO2 to 0.1 t. A figure whose statement failed in this run is empty: its label keeps its text.
struct RunFigures {
    std::optional<double> tSuction;
    std::optional<double> COP;
    std::optional<double> RunningCost;
    std::optional<double> AnnualEnergy;
    std::optional<double> AnnualCO2;
};

// The calculation run from the effective condensing temperature on: the cycle at the operating
// point, the mass flow, the compressor power with line losses, the compressor type, km and charge
// factors, and the yearly energy, cost and CO2. energy.lzfaktor is multiplied by the charge
// factor, as the stored number of the form is. A failing step is skipped and the run goes on.
RunFigures RunCalculation(AppState& state, const RunInputs& inputs,
                          const OperatingValues& operating, EnergyNumbers& energy,
                          RunResult& result);

}  // namespace tessaro
