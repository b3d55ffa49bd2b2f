// Speed of a whole calculation run of the example project beside the cycle evaluation it holds.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "engine/app_state.h"
#include "engine/cycle_evaluation.h"
#include "project/form/project_form.h"
#include "shell/message_box.h"
#include "shell/start_up.h"

namespace tessaro {
namespace {

// The example project of the data folder (R22), opened as the program opens it. Nothing is written:
// the data folder holds no catalogue register, and a run only reads.
struct ExampleProject {
    ExampleProject() : state(WorkingDir(TESSARO_DATA_DIR)), form(state, messages, host) {
        ok = !StartUp(state, nullptr, false).has_value();
        if (ok)
            form.Load();
    }
    AppState state;
    bench::SilentMessages messages;
    FormHost host;
    ProjectForm form;
    bool ok = false;
};

void BM_CalculationRunExample(benchmark::State& run) {
    ExampleProject example;
    if (!example.ok)
        return run.SkipWithError("the example project cannot be opened");
    for (auto _ : run) {
        example.form.RunCalculation();
        benchmark::DoNotOptimize(example.form.Result().AnnualEnergy);
    }
}
BENCHMARK(BM_CalculationRunExample);

// The cycle evaluation at the example's operating point, the bulk of a run.
void BM_EvaluateCycleExample(benchmark::State& run) {
    ExampleProject example;
    if (!example.ok)
        return run.SkipWithError("the example project cannot be opened");
    const CycleState cycle = example.state.engine.cycle;
    const double t0 = cycle.T0K - 273.15;
    const double tc = cycle.TcK - 273.15;
    const double tSuction = t0 + example.form.Operating().EvaporatorSuperheat +
                            example.form.Operating().SuctionLineSuperheat;
    for (auto _ : run) {
        bool ok = EvaluateCycle(example.state, t0, tc, tSuction);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_EvaluateCycleExample);

}  // namespace
}  // namespace tessaro

BENCHMARK_MAIN();
