// Speed of the start of the desktop program, offscreen: from reading the settings to the main
// window's first paint, without and with the welcome dialog, and the language switch of the menu
// until every caption of the main window is replaced.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "bench_support.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/shell_state.h"
#include "shell/start_up.h"
#include "shell/welcome_dialog.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

class NoPointer : public BusyPointer {
  public:
    void SetBusy(bool) override {}
};

// A copy of the data folder; the hand-over file says whether a sibling program started the run.
struct Folder {
    explicit Folder(bool handedOver) : copy("tessaro-start-bench"), path(copy.Path()) {
        handOver = handedOver ? "1\r\n1\r\n\"sibling\"\r\n" : "0\r\n0\r\n";
    }
    bench::DataCopy copy;
    void WriteHandOver() const {
        FILE* file = std::fopen((path / "VARNHOLTData.dat").c_str(), "wb");
        std::fputs(handOver.c_str(), file);
        std::fclose(file);
    }
    fs::path path;
    std::string handOver;
};

// StartUp, the main window built, shown and painted, and its first activation.
void StartOnce(const Folder& folder, benchmark::State& run) {
    folder.WriteHandOver();
    ShellState state{WorkingDir(folder.path)};
    bench::SilentMessages messages;
    NoPointer busy;
    if (StartUp(state, &busy, true)) {
        run.SkipWithError("start-up failed");
        return;
    }
    MainWindow window(
        state, messages, busy, [](QWidget*) {}, [] { return 0; });
    // The welcome dialog up to its first paint; the user's answer is not waited for.
    window.SetWelcomeRunner([&](QWidget* parent) {
        WelcomeDialog welcome(state, messages, parent);
        welcome.show();
        benchmark::DoNotOptimize(welcome.grab());
    });
    window.show();
    window.FirstActivation();
    benchmark::DoNotOptimize(window.grab());
}

void BM_StartToMainWindow(benchmark::State& run) {
    Folder folder(true);
    for (auto _ : run)
        StartOnce(folder, run);
}
BENCHMARK(BM_StartToMainWindow)->Unit(benchmark::kMillisecond);

void BM_StartWithWelcomeDialog(benchmark::State& run) {
    Folder folder(false);
    for (auto _ : run)
        StartOnce(folder, run);
}
BENCHMARK(BM_StartWithWelcomeDialog)->Unit(benchmark::kMillisecond);

void BM_LanguageSwitch(benchmark::State& run) {
    Folder folder(true);
    folder.WriteHandOver();
    ShellState state{WorkingDir(folder.path)};
    bench::SilentMessages messages;
    NoPointer busy;
    StartUp(state, &busy, true);
    MainWindow window(
        state, messages, busy, [](QWidget*) {}, [] { return 0; });
    window.show();
    QApplication::processEvents();
    bool english = true;
    for (auto _ : run) {
        window.SwitchLanguageTo(english ? "ENG" : "GER");
        english = !english;
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaro
