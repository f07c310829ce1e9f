#pragma once

#include "periph/clock/ClockSections.h"
#include "periph/clock/ClocksPage.h"
#include "support/PageFixture.h"

#include <fstream>
#include <sstream>
#include <string>

namespace regforge::periph::clock {

// A small profile per family (tests/fixtures/clock/<part>.ini) with its [CLOCKS] section.
inline profile::Lines clockFixtureLines(const std::string& name) {
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/clock/" + name + ".ini");
    profile::Lines lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

inline ClockFacts clockFixtureFacts(const std::string& name) {
    const auto facts = readClockFacts(clockFixtureLines(name));
    if (!facts)
        throw profile::ProfileError(name + " has no [CLOCKS]");
    return *facts;
}

// The page fixture over the clock test profiles; `switchOn` sets the page up as a user does.
class ClockFixture : public testing::PageFixture {
protected:
    ClockFixture() : PageFixture("clock") {}

    ClocksPage& page() { return folder.form().page<ClocksPage>(); }

    void switchOn(const std::string& crystalMhz, const std::string& wantedMhz, bool usb = false) {
        if (!box(kEnableBox).checked())
            box(kEnableBox).click();
        edit(kCrystalEdit).setText(crystalMhz);
        edit(kWantedEdit).setText(wantedMhz);
        if (box(kUsbBox).checked() != usb)
            box(kUsbBox).click();
    }
};

} // namespace regforge::periph::clock
