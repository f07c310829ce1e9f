#include "app/MainForm.h"
#include "model/Tree.h"
#include "support/PinProfile.h"
#include "support/SilentUi.h"

#include <benchmark/benchmark.h>

namespace {

// "Load profile" of a device with state.range(0) pins: the pin tree's growth with the pin count.
void BM_LoadPins(benchmark::State& state) {
    const auto pins = static_cast<std::size_t>(state.range(0));
    const regforge::bench::PinProfileFolder profile(pins);
    regforge::bench::SilentUi ui;
    regforge::app::MainForm form(ui, profile.folder());
    form.FormCreate();
    for (auto _ : state) {
        if (!form.loadProfileFile(profile.profile()))
            state.SkipWithError("the profile did not load");
        benchmark::DoNotOptimize(form.store().get<regforge::model::Tree>("IO_Treeview").count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadPins)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace
