#include "engine/calculation_run.h"

#include <cmath>

#include "engine/app_state.h"
#include "engine/compressor_power.h"
#include "engine/cycle_evaluation.h"
#include "engine/failing_step.h"

namespace tessaro {

namespace {

// A cut figure, or nothing when the value cannot be shown.
std::optional<double> Cut(double value, double scale) {
    double cut = std::floor(scale * value) / scale;
    if (!std::isfinite(cut))
        return std::nullopt;
    return cut;
}

// The final factors, the yearly figures and the label figures.
void ShowResults(double P, double Q0, const RunInputs& inputs, const EnergyNumbers& e,
                 RunResult& result, RunFigures& figures) {
    if (inputs.km == 1 || inputs.km == 3)
        P = 0.93 * P;
    if (inputs.km == 4)
        P = 0.9 * P;
    SetIfFinite(result.CompressorPower, P);
    double H = inputs.roundTheClock ? 24 : e.betrstd;
    SetIfFinite(result.RunningCost, P * H * e.JahrebetrT * e.EnergKost * e.lzfaktor);
    SetIfFinite(result.AnnualEnergy, P * H * e.JahrebetrT * e.lzfaktor);
    SetIfFinite(result.AnnualCO2, P * H * e.JahrebetrT * e.Spezco2emission * e.lzfaktor / 1000);
    if (SetIfFinite(result.COP, Q0 / P))
        figures.COP = Cut(result.COP, 100);
    figures.RunningCost = Cut(result.RunningCost, 1);
    figures.AnnualEnergy = Cut(result.AnnualEnergy, 1);
    figures.AnnualCO2 = Cut(result.AnnualCO2, 10);
}

}  // namespace

RunFigures RunCalculation(AppState& state, const RunInputs& inputs, const OperatingValues& op,
                          EnergyNumbers& energy, RunResult& result) {
    RunFigures figures;
    double tcEff = 0;
    SetIfFinite(tcEff, inputs.Tc + op.MaintenanceOffset - op.WinterReduction);
    double tSuction = 0;
    SetIfFinite(tSuction, inputs.t0 + op.EvaporatorSuperheat + op.SuctionLineSuperheat);

    EvaluateCycle(state, inputs.t0, tcEff, tSuction);
    const CycleState& cycle = state.engine.cycle;
    SetIfFinite(result.MassFlow, inputs.Q0 / (cycle.hVapour0 - cycle.hLiquidC));
    figures.tSuction = Cut(tSuction, 10);

    double p0 = 0;
    double pc = 0;
    SetIfFinite(p0, cycle.p0 - cycle.dpdT0 * op.SuctionLineLoss);
    SetIfFinite(pc, cycle.pc + 0.5 * op.SuctionLineLoss * cycle.dpdT0 * cycle.slopeRatio);
    double P = ComputeCompressorPower(cycle, p0, pc, result.MassFlow, cycle.T0K, cycle.TcK,
                                      tSuction, cycle.hVapourC, cycle.hVapour0)
                   .value_or(0);

    SetIfFinite(energy.lzfaktor, energy.lzfaktor * op.FillFactor);
    if (inputs.compressorType == 1)
        P = 0.96 * P;
    if (inputs.compressorType == 3)
        P = 1.06 * P;
    ShowResults(P, inputs.Q0, inputs, energy, result, figures);
    return figures;
}

}  // namespace tessaro
