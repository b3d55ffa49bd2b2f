// Speed of the project form window, offscreen: a pick in a list until the result labels show the
// new result, and the opening of the form (project, lists, first calculation, first paint).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include "bench_support.h"
#include "engine/app_state.h"
#include "project/form/project_form_window.h"
#include "shell/start_up.h"

namespace tessaro {
namespace {

// A copy of the data folder, started as the program starts.
struct Folder {
    Folder() : copy("tessaro-form-bench"), state(WorkingDir(copy.Path())) {
        ok = !StartUp(state, nullptr, false).has_value();
    }
    bench::DataCopy copy;
    AppState state;
    bench::SilentMessages messages;
    bool ok = false;
};

void BM_PickToResultLabels(benchmark::State& run) {
    Folder folder;
    ProjectFormWindow window(folder.state, folder.messages, {});
    window.show();
    QApplication::processEvents();
    auto* combo = window.findChild<QComboBox*>("Verdichterbauart");
    auto* cop = window.findChild<QLabel*>("LeistZ");
    combo->setFocus();
    bool down = true;
    QString last = cop->text();
    for (auto _ : run) {
        // The next or the previous compressor type: each pick changes the result.
        QTest::keyClick(combo, down ? Qt::Key_Down : Qt::Key_Up);
        down = !down;
        if (cop->text() == last)
            run.SkipWithError("the result did not follow the pick");
        last = cop->text();
    }
}
BENCHMARK(BM_PickToResultLabels)->Unit(benchmark::kMillisecond);

void BM_OpenForm(benchmark::State& run) {
    Folder folder;
    for (auto _ : run) {
        // Every opening as the first of a run: catalogue list and first calculation included.
        folder.state.calculationDone = false;
        ProjectFormWindow window(folder.state, folder.messages, {});
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpenForm)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaro
