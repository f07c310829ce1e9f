#include "periph/clock/ClockSections.h"
#include "periph/clock/ClockSolver.h"

#include <benchmark/benchmark.h>

namespace {

// The LPC175x/176x search (M 6..512 x N 1..32 x CPU divider 3..256, USB from either PLL), as the
// Clocks page runs it on every key press of the wanted clock: it must stay far below a frame.
const regforge::periph::clock::ClockFacts& lpc17xxFacts() {
    static const auto facts = regforge::periph::clock::readClockFacts({
        "[CLOCKS]",
        "SEQUENCE=LPC17XX",
        "CRYSTAL=1000000,25000000",
        "IRC=4000000",
        "PLL=MN",
        "PLLIN=32000,25000000",
        "CCO=275000000,550000000",
        "M=6-512",
        "N=1-32",
        "CPUDIV=3-256",
        "CPUMAX=100000000",
        "USB=PLL1,DIVIDER",
        "USBDIV=6,8,10",
        "USBPLL_M=1-32",
        "USBPLL_P=1,2,4,8",
        "USBPLL_CCO=156000000,320000000",
        "USBPLL_IN=10000000,25000000",
        "FLASH=100000000,5",
    });
    return *facts;
}

void BM_SolveLpc17xx(benchmark::State& state) {
    using namespace regforge::periph::clock;
    const ClockFacts& facts = lpc17xxFacts();
    ClockRequest request{{SourceKind::MainOscillator, 12e6}, 0, state.range(0) != 0};
    double wanted = 60e6;
    for (auto _ : state) {
        // A different wanted clock each time, as typing gives (exact and inexact ones).
        wanted = wanted >= 100e6 ? 60.1e6 : wanted + 0.7e6;
        request.wantedHz = wanted;
        benchmark::DoNotOptimize(solveClocks(facts, request).settings.size());
    }
}
BENCHMARK(BM_SolveLpc17xx)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
