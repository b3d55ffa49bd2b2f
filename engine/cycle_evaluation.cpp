#include "engine/cycle_evaluation.h"

#include <cmath>
#include <optional>

#include "engine/discharge_temperature.h"
#include "engine/failing_step.h"
#include "engine/heat_capacity.h"
#include "engine/isentropic_exponent.h"
#include "engine/saturation_table.h"

namespace tessaro {

namespace {

// The evaluation's own values, 0 at the start of every evaluation.
struct Temporaries {
    double tSuction = 0;  // °C, suction gas temperature
    double Ts = 0;        // K, suction gas temperature
    double p0Dew = 0;     // bar, dew pressure at T0K
    double hL0 = 0;       // kJ/kg, saturated liquid at T0K
    double pcDew = 0;     // bar, dew pressure at TcK
    double pcBubble = 0;  // bar, bubble pressure at TcK
    double w = 0;         // share of the glide by which p0 moves towards the dew pressure
    double Tref = 0;      // K, one kelvin above the evaporating saturation temperature
};

// Interpolates column of the current bracket into target; false when the result is not finite.
bool Take(AppState& state, double& target, int column) {
    return SetIfFinite(target, Interpolate(state.engine.bracket, column));
}

bool EvaluateSaturatedStates(AppState& state, Temporaries& t) {
    CycleState& c = state.engine.cycle;
    return LookupSaturation(state, c.T0K, 0) && Take(state, c.p0, 2) && Take(state, t.p0Dew, 3) &&
           Take(state, t.hL0, 4) && Take(state, c.hVapour0, 5) &&
           LookupSaturation(state, c.TcK, 0) && Take(state, c.pc, 2) && Take(state, t.pcDew, 3) &&
           Take(state, c.hLiquidC, 4) && Take(state, c.hVapourC, 5) &&
           SetIfFinite(t.pcBubble, c.pc) &&
           SetIfFinite(t.w, (c.hVapour0 - c.hLiquidC) / (c.hVapour0 - t.hL0) / 2);
}

// A blend with glide: mean pressures, and the enthalpies and reference temperature at them.
bool ApplyGlide(AppState& state, Temporaries& t) {
    CycleState& c = state.engine.cycle;
    if (!(SetIfFinite(c.p0, c.p0 + t.w * std::abs(c.p0 - t.p0Dew)) &&
          SetIfFinite(c.pc, c.pc + std::abs(t.pcDew - c.pc) / 2) &&
          LookupSaturation(state, c.pc, 2) && Take(state, c.hLiquidC, 4) &&
          LookupSaturation(state, c.p0, 1) && Take(state, c.hVapour0, 5))) {
        return false;
    }
    double saturationTemperature = 0;
    return Take(state, saturationTemperature, 2) && SetIfFinite(t.Tref, saturationTemperature + 1);
}

bool EvaluateSlopes(AppState& state, Temporaries& t) {
    CycleState& c = state.engine.cycle;
    double pBubble = 0;
    if (!(LookupSaturation(state, t.Tref, 0) && Take(state, pBubble, 2) &&
          SetIfFinite(c.dpdT0, pBubble - c.p0))) {
        return false;
    }
    return LookupSaturation(state, c.TcK + 1, 0) && Take(state, pBubble, 2) &&
           SetIfFinite(c.slopeRatio, (pBubble - t.pcBubble) / c.dpdT0);
}

// Sets target from a correlation; a refrigerant without one keeps the previous value.
bool SetCorrelated(double& target, std::optional<double> value) {
    return !value || SetIfFinite(target, *value);
}

bool EvaluateCompression(AppState& state, const Temporaries& t) {
    CycleState& c = state.engine.cycle;
    const std::string& name = state.engine.CurrentRefrigerant;
    const HeatCapacityContext context{t.tSuction, c.T0K, c.TcK};
    if (!(SetCorrelated(c.cpEvap,
                        HeatCapacity(name, HeatCapacityKind::Evaporating, c.T0K, context)) &&
          SetCorrelated(c.cpSuction,
                        HeatCapacity(name, HeatCapacityKind::Suction, t.Ts, context)) &&
          SetCorrelated(c.molarMass, MolarMass(name)))) {
        return false;
    }
    std::optional<double> kappa =
        IsentropicExponent(c.cpSuction, c.molarMass, ExponentFactor(name), t.Ts, c.T0K);
    if (!kappa)
        return false;
    c.kappa = *kappa;
    std::optional<double> Td0 = DischargeTemperature(c, c.p0, c.pc, t.Ts, c.kappa);
    if (!Td0)
        return false;
    return SetCorrelated(c.cpDischarge,
                         HeatCapacity(name, HeatCapacityKind::Discharge, *Td0, context));
}

}  // namespace

bool EvaluateCycle(AppState& state, double t0, double tc, double tSuction) {
    CycleState& c = state.engine.cycle;
    Temporaries t;
    t.tSuction = tSuction;
    if (!(SetIfFinite(c.T0K, t0 + 273.15) && SetIfFinite(c.TcK, tc + 273.15) &&
          SetIfFinite(t.Ts, tSuction + 273.15) && EvaluateSaturatedStates(state, t))) {
        return false;
    }
    const bool glide = t.p0Dew != c.p0;
    const bool ok = glide ? ApplyGlide(state, t) : SetIfFinite(t.Tref, c.T0K + 1);
    return ok && EvaluateSlopes(state, t) && EvaluateCompression(state, t);
}

}  // namespace tessaro
