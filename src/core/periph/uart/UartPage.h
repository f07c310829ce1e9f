#pragma once

#include "periph/Page.h"
#include "periph/uart/UartControls.h"
#include "periph/uart/UartSections.h"
#include "periph/uart/UartUnit.h"

#include <array>
#include <string>
#include <vector>

namespace regforge::periph::uart {

// The "UART" page: every UART the profile lists, each with its frame (word length, parity,
// stop bits), its FIFO and receive trigger level, its interrupts, the wanted baud rate and the
// divisors that give it. The solver lists the best settings for the unit's clock and writes the
// best into the divisor edits; the figures always follow the edits, whoever set them.
class UartPage : public Page {
public:
    static constexpr const PageTab& kTab = uart::kTab;
    static profile::SectionDescription profileSections() { return uartSections(); }

    explicit UartPage(PageContext& context);

    // Every unit unchecked, covered and back to 115200 8N1, FIFOs on.
    void reset() override;
    // [UART0]..[UART4]: which units exist and whether they have the fractional divider.
    void loadProfile() override;
    // The unit clocks changed: each unit's solutions follow, the best written into its edits.
    void refreshFigures() override;
    // UART0 to UART4, each only when checked.
    void generate(ResultLists& lists) const override;

    // While a file is applied the edits keep what it holds: the solver writes nothing.
    void beforeRestore() override { restoring_ = true; }
    // With every unit off the page writes no records, so files of set-ups without the unit
    // stay as they were; a load without them leaves the units off.
    bool saveRecord(const model::Control& control, SavedLines& out) const override;
    void afterRestore() override;
    // Divisors the manual forbids (DLM:DLL 0, MULVAL 0, DIVADDVAL >= MULVAL, a fraction with
    // DLM:DLL below 3, a fraction on a unit without the divider) become the best setting for
    // the unit's rate, with a warning naming the units.
    void correctLoadedSetup(LoadCorrections& corrections) override;
    // Each unit's interrupt for the Interrupts page; units on without their pins, pins of units
    // that are off, interrupts without a handler, a rate the receiver does not tolerate and the
    // FIFO left off.
    void describeSetup(SetupFacts& facts) const override;
    void reportProblems(const SetupFacts& facts, ProblemList& out) const override;

    // The wanted rate changed: new solutions, the best written into the edits.
    void baudChange(int uart);
    // A listed solution was chosen: its dividers go into the edits.
    void solutionChange(int uart);
    // A divisor edit changed: the actual rate and error follow.
    void divisorChange(int uart);

    const UartUnit& unit(int uart) const { return units_.at(static_cast<std::size_t>(uart)); }
    // The unit's clock in MHz: its own divider's, or the common one.
    const model::NumericEdit& unitClockEdit(int uart) const { return unitClock(unit(uart)); }
    // The interrupt source the unit needs on the Interrupts page, as the profile's [ISR] names it.
    const std::string& interruptSource(int uart) const { return unit(uart).section.name; }

    // The largest rate error (percent, either way) a receiver sampling 16 times per bit takes for
    // a frame of `frameBits` bits, start bit and first stop bit included, when both ends may be
    // off by the same amount: it resynchronises on the start edge (to 1/16 bit) and samples the
    // middle of each bit, so the middle of the stop bit may drift by at most 7/16 bit.
    static double errorLimit(int frameBits);
    // The frame's bits as the receiver samples them: start, data, parity, one stop bit.
    static int frameBits(const UartUnit& unit);

private:
    void declareUnit(int uart, model::Control* page);
    void connectUnit(int uart);
    void addPopupRows(int uart);
    void resetUnit(int uart);
    // Solves the unit's rate again; `write`: the best (or the chosen item) goes into the edits.
    void solve(int uart, bool write);
    void writeSetting(UartUnit& u, const BaudSetting& setting);
    void refreshRate(int uart);
    double unitClockHz(int uart) const;

    std::array<UartUnit, kUartCount> units_{};
    bool restoring_ = false;
    // A solution the edits are being set to: the edits' handlers leave the list alone.
    bool writing_ = false;
};

} // namespace regforge::periph::uart
