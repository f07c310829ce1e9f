#include "periph/ClockProblems.h"

#include "model/ValueFormat.h"

namespace regforge::periph {

namespace {

constexpr PageTab kClockBar{"", "Clocks"};
constexpr const char* kCpuClockEdit = "pllclock_edit";

std::string mhz(double value) {
    return model::formatFrequency(4, "Hz", static_cast<float>(value * 1000000.0));
}

} // namespace

void reportClockProblems(const ClockChain& clocks, const profile::DeviceState& device, ProblemList& out) {
    if (!device.loaded())
        return;
    out.setPage(kClockBar);
    const double cpu = clocks.cpuMhz();
    if (device.board.cpuMaxMhz && cpu > *device.board.cpuMaxMhz)
        out.add(Severity::Error, "CCLK", kCpuClockEdit,
                "CCLK " + mhz(cpu) + " is above the " + device.deviceName + "'s " +
                    mhz(*device.board.cpuMaxMhz),
                "lower CCLK to at most " + mhz(*device.board.cpuMaxMhz));
    if (clocks.cpuClockFixed())
        return; // the clock page writes the clocks the figures assume
    out.add(Severity::Note, "CCLK", kCpuClockEdit,
            "the code does not set the clocks: the figures assume CCLK " + mhz(cpu) + " and PCLK " +
                mhz(clocks.commonMhz()),
            "make these clocks in the start-up code");
}

} // namespace regforge::periph
