#pragma once

#include "profile/BoardFacts.h"

#include <string>
#include <vector>

namespace regforge::profile {

// What the loaded device profile says about the device. Replaced by every device load; the
// values here are the ones in force before any device is loaded.
struct DeviceState {
    std::vector<std::string> profileLines;
    std::string deviceName;
    std::string deviceFamily;
    std::string includeFile;
    std::string intWakeText;
    std::vector<std::string> ioconLines;
    std::vector<std::string> exclusiveFunctions;
    // Indexes of the profile lines a loader skipped (a pin line cut short), in load order.
    std::vector<int> skippedLines;

    bool singlePclkDivider = true;
    bool pclkDiv13xx = false;
    bool noVicVectCnt = false;
    bool cortexM3 = false;
    bool hasIocon = false;
    bool edgeLevelIsr = false;
    int maxPinFunction = 3;

    // A/D converter figures: the fastest A/D clock, clocks per conversion, resolution.
    double adcMaxClock = 4500000;
    int adcClocks = 11;
    int adcBits = 10;

    // What the problems list checks the set-up against: the CPU clock limit, debug and boot pins.
    BoardFacts board;

    bool loaded() const { return !deviceName.empty(); }
    // Each peripheral has its own divider list "1/1", "1/2", ... instead of the four fixed items.
    bool perPeripheralDividers() const { return pclkDiv13xx || hasIocon; }
};

} // namespace regforge::profile
