#include "app/MainForm.h"
#include "gui/MainWindow.h"
#include "model/Tree.h"
#include "support/PinProfile.h"
#include "support/SilentUi.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// "Load profile" in the desktop program with state.range(0) pins: the core's load and the
// window's pin tree built from it, until the window has drawn it.
void BM_WindowLoadPins(benchmark::State& state) {
    const auto pins = static_cast<std::size_t>(state.range(0));
    const regforge::bench::PinProfileFolder profile(pins);
    regforge::bench::SilentUi ui;
    regforge::app::MainForm form(ui, profile.folder());
    form.FormCreate();
    regforge::gui::MainWindow window(form);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (!form.loadProfileFile(profile.profile()))
            state.SkipWithError("the profile did not load");
        QApplication::processEvents();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WindowLoadPins)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv) {
    // Off screen unless the caller chose a platform.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
