#include "engine/ph_diagram.h"

#include <algorithm>
#include <cmath>

#include "engine/discharge_temperature.h"

namespace tessaro {

namespace {

constexpr double kKelvin = 273.15;

bool Usable(const SaturationRow& row) {
    return std::all_of(row.begin(), row.begin() + 5, [](double v) { return std::isfinite(v); }) &&
           row[1] > 0 && row[2] > 0;
}

// The values of a row interpolated at temperature T (K) between the rows around it, or nothing
// outside the table.
std::optional<SaturationRow> RowAt(const std::vector<SaturationRow>& rows, double T) {
    for (size_t i = 1; i < rows.size(); ++i) {
        const SaturationRow& a = rows[i - 1];
        const SaturationRow& b = rows[i];
        if ((a[0] - T) * (b[0] - T) > 0 || a[0] == b[0])
            continue;
        const double f = (T - a[0]) / (b[0] - a[0]);
        SaturationRow row;
        for (size_t c = 0; c < row.size(); ++c)
            row[c] = a[c] + f * (b[c] - a[c]);
        return row;
    }
    return std::nullopt;
}

// Tick values of a logarithmic axis: 1, 2, 5 times the powers of ten inside low..high.
std::vector<double> LogTicks(double low, double high) {
    std::vector<double> ticks;
    for (int e = static_cast<int>(std::floor(std::log10(low))); e <= std::ceil(std::log10(high));
         ++e) {
        for (double m : {1.0, 2.0, 5.0}) {
            const double v = m * std::pow(10.0, e);
            if (v >= low && v <= high)
                ticks.push_back(v);
        }
    }
    return ticks;
}

// Tick values of a linear axis at a round step that gives five to ten ticks.
std::vector<double> LinearTicks(double low, double high) {
    const double span = high - low;
    double step = std::pow(10.0, std::floor(std::log10(span)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (span / (step * m / 10) <= 10) {
            step = step * m / 10;
            break;
        }
    }
    std::vector<double> ticks;
    for (double v = std::ceil(low / step) * step; v <= high + step * 1e-9; v += step)
        ticks.push_back(std::abs(v) < step * 1e-9 ? 0 : v);
    return ticks;
}

std::optional<std::array<PhState, 4>> CycleStates(const PhCycleInput& in) {
    if (!in.computed)
        return std::nullopt;
    const CycleState& c = in.cycle;
    const double Ts = in.tSuction + kKelvin;
    const std::optional<double> T2 = DischargeTemperature(c, c.p0, c.pc, Ts, c.kappa);
    if (!T2)
        return std::nullopt;
    const double h1 = c.hVapour0 + std::max(0.0, c.cpSuction * (Ts - c.T0K));
    const double h2 = c.hVapourC + c.cpDischarge * (*T2 - c.TcK);
    std::array<PhState, 4> states = {
        PhState{h1, c.p0, in.tSuction}, PhState{h2, c.pc, *T2 - kKelvin},
        PhState{c.hLiquidC, c.pc, c.TcK - kKelvin}, PhState{c.hLiquidC, c.p0, c.T0K - kKelvin}};
    for (const PhState& s : states) {
        if (!std::isfinite(s.h) || !std::isfinite(s.p) || !std::isfinite(s.t) || s.p <= 0)
            return std::nullopt;
    }
    return states;
}

}  // namespace

PhDiagram BuildPhDiagram(const std::vector<SaturationRow>& rows, const PhCycleInput& input) {
    PhDiagram d;
    std::vector<SaturationRow> usable;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(usable), Usable);
    for (const SaturationRow& r : usable) {
        d.bubbleLine.push_back({r[3], r[1], r[0] - kKelvin});
        d.dewLine.push_back({r[4], r[2], r[0] - kKelvin});
    }
    d.cycle = CycleStates(input);
    d.t0 = input.cycle.T0K - kKelvin;
    d.tc = input.cycle.TcK - kKelvin;
    d.cop = input.cop;

    // The axes: the cycle and the dome down to a tenth of the evaporating pressure (a table may
    // reach down to a millionth of a bar), with a margin.
    double pLow = HUGE_VAL, pHigh = 0;
    for (const PhState& s : d.dewLine) {
        pLow = std::min(pLow, s.p);
        pHigh = std::max(pHigh, s.p);
    }
    if (d.cycle) {
        pLow = std::max(pLow, d.cycle->at(3).p / 10);
        pHigh = std::max(pHigh, d.cycle->at(1).p);
    } else {
        pLow = std::max(pLow, 0.1);
    }
    double hLow = HUGE_VAL, hHigh = -HUGE_VAL;
    const auto take = [&](const PhState& s) {
        if (s.p < pLow)
            return;
        hLow = std::min(hLow, s.h);
        hHigh = std::max(hHigh, s.h);
    };
    std::for_each(d.bubbleLine.begin(), d.bubbleLine.end(), take);
    std::for_each(d.dewLine.begin(), d.dewLine.end(), take);
    if (d.cycle)
        std::for_each(d.cycle->begin(), d.cycle->end(), take);
    if (!(pHigh > pLow) || !(hHigh > hLow))
        return d;
    d.pMin = pLow / 1.3;
    d.pMax = pHigh * 1.3;
    const double margin = (hHigh - hLow) * 0.06;
    d.hMin = hLow - margin;
    d.hMax = hHigh + margin;
    d.pTicks = LogTicks(d.pMin, d.pMax);
    d.hTicks = LinearTicks(d.hMin, d.hMax);

    // Isotherms every 20 K (every 40 K over a wide table) inside the table's range.
    if (!usable.empty()) {
        const auto [first, last] = std::minmax_element(
            usable.begin(), usable.end(), [](const auto& a, const auto& b) { return a[0] < b[0]; });
        double from = (*first)[0] - kKelvin;
        const double to = (*last)[0] - kKelvin;
        // Only the isotherms within the pressures shown.
        for (const PhState& s : d.bubbleLine) {
            if (s.p >= d.pMin) {
                from = std::max(from, s.t);
                break;
            }
        }
        const double step = to - from > 200 ? 40 : 20;
        for (double t = std::ceil(from / step) * step; t < to - step / 4; t += step) {
            if (std::optional<SaturationRow> r = RowAt(usable, t + kKelvin))
                d.isotherms.push_back({PhState{(*r)[3], (*r)[1], t}, PhState{(*r)[4], (*r)[2], t}});
        }
    }
    return d;
}

}  // namespace tessaro
