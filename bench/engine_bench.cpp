// Speed of the cycle evaluation against its floor, one read and parse of a saturation table.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/app_state.h"
#include "engine/cycle_evaluation.h"
#include "engine/refrigerant_registry.h"
#include "engine/saturation_row_reader.h"

namespace tessaro {
namespace {

AppState StateFor(const std::string& refrigerant) {
    AppState state{WorkingDir(TESSARO_DATA_DIR)};
    state.engine.CurrentRefrigerant = refrigerant;
    return state;
}

// The floor: the work of one lookup without the bracket, reading R22.DAT and parsing every row.
void BM_ReadAndParseR22Table(benchmark::State& run) {
    AppState state = StateFor("R22");
    const ReadingRules rules = FindRefrigerant("R22")->rules;
    if (!state.dir.ReadBytes("R22.DAT")) {
        run.SkipWithError("R22.DAT cannot be read");
        return;
    }
    for (auto _ : run) {
        std::optional<std::string> text = state.dir.ReadBytes("R22.DAT");
        SaturationRowReader reader(*text, rules);
        SaturationRow row{};
        double sum = 0;
        while (reader.Next(row))
            sum += row[1];
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadAndParseR22Table);

void EvaluateCycleOf(benchmark::State& run, const std::string& refrigerant) {
    AppState state = StateFor(refrigerant);
    if (!EvaluateCycle(state, -10.3, 40.2, 0.5)) {
        run.SkipWithError("the cycle cannot be evaluated");
        return;
    }
    for (auto _ : run) {
        bool ok = EvaluateCycle(state, -10.3, 40.2, 0.5);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(state.engine.cycle.kappa);
    }
}

void BM_EvaluateCycleR22(benchmark::State& run) {
    EvaluateCycleOf(run, "R22");
}
BENCHMARK(BM_EvaluateCycleR22);

void BM_EvaluateCycleR407C(benchmark::State& run) {
    EvaluateCycleOf(run, "R407C");
}
BENCHMARK(BM_EvaluateCycleR407C);

}  // namespace
}  // namespace tessaro

BENCHMARK_MAIN();
