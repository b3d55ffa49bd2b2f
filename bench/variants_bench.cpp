// Speed of the comparison of variants: ten variants computed and the comparison window's chart
// repainted (within a frame, 16 ms), a what-if over the longest list (within 5 ms); and of the log
// p-h diagram, model and paint (within 5 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include <QImage>
#include <QPainter>

#include "bench_support.h"
#include "drawings/ph_diagram_drawing.h"
#include "engine/app_state.h"
#include "project/form/project_form.h"
#include "shell/start_up.h"
#include "variants/comparison.h"
#include "variants/comparison_window.h"
#include "variants/variants_file.h"

namespace tessaro {
namespace {

// The example project of the data folder, opened as the program opens it; nothing is written
// there. The variants file lies in a folder of its own.
struct Example {
    Example() : state(WorkingDir(TESSARO_DATA_DIR)), form(state, messages, host) {
        ok = !StartUp(state, nullptr, false).has_value();
        if (ok)
            form.Load();
        files = std::filesystem::temp_directory_path() / "tessaro-variants-bench";
        std::filesystem::create_directories(files);
    }
    ~Example() { std::filesystem::remove_all(files); }
    AppState state;
    bench::SilentMessages messages;
    FormHost host;
    ProjectForm form;
    std::filesystem::path files;
    bool ok = false;
};

// The ten variants an engineer compares: floating condensing, the efficiency classes, poor
// maintenance and charge, and refrigerants.
VariantSet TenVariants() {
    VariantSet set;
    set.tewi.charge = 12;
    set.variants = {{"Floating", "", {{"RGart", 5, ""}}, 800},
                    {"Efficient", "", {{"km", 3, ""}}, 1000},
                    {"High efficiency", "", {{"km", 4, ""}}, 1500},
                    {"Poor maintenance", "", {{"WartungI", 3, ""}}, 0},
                    {"Undercharged", "", {{"Fullzustand", 2, ""}}, 0},
                    {"R134A", "R134A", {}, 0},
                    {"R404A", "R404A", {}, 0},
                    {"R407C", "R407C", {}, 300},
                    {"Propane", "PROPAN", {}, 2500},
                    {"Floating R407C", "R407C", {{"RGart", 5, ""}}, 1100}};
    return set;
}

void BM_TenVariantsAndTheChart(benchmark::State& run) {
    Example example;
    if (!example.ok)
        return run.SkipWithError("the example project cannot be opened");
    const WorkingDir files(example.files);
    WriteVariantsFile(files, TenVariants());
    ComparisonWindow window(example.form, files, example.messages, nullptr);
    window.show();
    QWidget* chart = window.findChild<QWidget*>("ComparisonChart");
    for (auto _ : run) {
        window.Refresh();
        chart->repaint();
    }
    if (window.Shown().columns.size() != 11)
        run.SkipWithError("the ten variants were not computed");
}
BENCHMARK(BM_TenVariantsAndTheChart)->Unit(benchmark::kMillisecond);

void BM_WhatIfOverTheLongestList(benchmark::State& run) {
    Example example;
    if (!example.ok)
        return run.SkipWithError("the example project cannot be opened");
    FieldId longest = FieldId::AnwendBereich;
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldId field = static_cast<FieldId>(i);
        if (IsChoiceField(field) &&
            example.form.Lists()[field].size() > example.form.Lists()[longest].size()) {
            longest = field;
        }
    }
    const VariantSet set{{}, WhatIfItems(example.form, longest)};
    const GwpValues gwp = GwpValues::Read(example.state.dir);
    for (auto _ : run) {
        const Comparison comparison = Compare(example.form, set, gwp);
        benchmark::DoNotOptimize(comparison.columns.back().figures.result.AnnualEnergy);
    }
    run.SetLabel(std::string(FieldName(longest)) + ", " + std::to_string(set.variants.size()) +
                 " items");
}
BENCHMARK(BM_WhatIfOverTheLongestList)->Unit(benchmark::kMillisecond);

// The log p-h diagram of the example: the model from the cycle and the table, then the paint at
// the diagram window's size, within 5 ms so that it follows every pick within a frame.
void BM_DiagramModelAndPaint(benchmark::State& run) {
    Example example;
    if (!example.ok)
        return run.SkipWithError("the example project cannot be opened");
    QImage picture(760, 560, QImage::Format_RGB32);
    for (auto _ : run) {
        const VariantFigures figures = ProjectFigures(example.form);
        const PhDiagram diagram = CycleDiagram(example.state, figures);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        DrawPhDiagram(painter, QRectF(8, 6, 744, 548), diagram,
                      DiagramTexts(example.state, figures.refrigerant));
    }
}
BENCHMARK(BM_DiagramModelAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaro
