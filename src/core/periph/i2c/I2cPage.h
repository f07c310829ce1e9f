#pragma once

#include "periph/Page.h"
#include "periph/i2c/I2cBus.h"
#include "periph/i2c/I2cControls.h"
#include "periph/i2c/I2cSections.h"

#include <array>

namespace regforge::periph::i2c {

// The "I2C" page: the I2C units 0 to 2, each a master with a bit rate (100 kHz, 400 kHz, 1 MHz
// where the unit's pads allow Fast-mode Plus, or a number of kHz) solved into SCLH/SCLL with
// the chosen duty cycle, or a slave with its own address (and mask). The actual rate and what
// the bus standard says against it show live; the unit's interrupt is handled by its
// source on the Interrupts page.
class I2cPage : public Page {
public:
    static constexpr const PageTab& kTab = i2c::kTab;
    // The profile sections the page reads, for its loader and the profile check.
    static profile::SectionDescription profileSections() { return i2cSections(); }

    explicit I2cPage(PageContext& context);

    // Every unit unchecked, covered and back to its defaults.
    void reset() override;
    // [I2C0]..[I2C2]: which units exist, their register names, sources, masks and Fast-mode Plus.
    void loadProfile() override;
    // A new clock solves each unit again whose registers the solver gave.
    void refreshFigures() override;
    // I2C0, I2C1 and I2C2, each only when checked.
    void generate(ResultLists& lists) const override;

    // The rate combo: "Other" uncovers the kHz edit; 1 MHz on a unit without Fast-mode Plus
    // falls back to 400 kHz. The registers are solved for the new rate.
    void rateChange(int bus);
    // The rate edit or the duty cycle changed: the registers are solved again.
    void solveClick(int bus);
    // Slave mode uncovers the address, general call and mask.
    void modeChange(int bus);
    // SCLH or SCLL typed: the figure follows, and the typed values stay over clock changes.
    void sclEdited(int bus);
    // The figure of one unit from its registers and clock.
    void refreshBusFigure(int bus);

    const I2cBus& bus(int n) const { return buses_.at(static_cast<std::size_t>(n)); }
    // The wanted bit rate in hertz (0 for "Other" with nothing usable typed).
    double wantedHz(int n) const;
    double highShare(int n) const;
    double busClockHz(int n) const;

    // The solver stays quiet while a file is applied; afterwards a unit whose loaded registers
    // equal the solver's keeps following the clock.
    void beforeRestore() override { restoring_ = true; }
    // With every unit off the page writes no records, so files of set-ups without the unit
    // stay as they were; a load without them leaves the units off.
    bool saveRecord(const model::Control& control, SavedLines& out) const override;
    void afterRestore() override;
    // Values the registers cannot hold (SCLH or SCLL below 4, 1 MHz without Fast-mode Plus, a
    // rate of 0, an address above 0x7F) are brought into range, with one warning naming them.
    void correctLoadedSetup(LoadCorrections& corrections) override;
    // Each unit's interrupt for the Interrupts page; units on without SCL and SDA, pins of units
    // that are off, an interrupt without a handler, and a master timing the bus standard forbids.
    void describeSetup(SetupFacts& facts) const override;
    void reportProblems(const SetupFacts& facts, ProblemList& out) const override;

private:
    void declareBus(int n, model::Control* page);
    void connectBus(int n);
    void addPopupRows(int n);
    void resetBus(int n);
    void solve(int n);
    // After a clock change: solved registers are solved again, typed ones only re-measured.
    void followClock(int n);
    I2cBus& unit(int n) { return buses_.at(static_cast<std::size_t>(n)); }
    SclTiming typedTiming(int n) const;

    std::array<I2cBus, kBusCount> buses_{};
    bool restoring_ = false;
};

} // namespace regforge::periph::i2c
