// The SPI/SSP page's part of the problems list: ports on without the pins their mode needs,
// pins routed to a port that is off, a port that is never enabled, and interrupts without a
// handler.
#include "periph/UnitProblems.h"
#include "periph/spi/SpiPage.h"

namespace regforge::periph::spi {

namespace {

constexpr std::size_t kSck = 0, kMiso = 1, kMosi = 2, kSsel = 3;

std::string sspUnit(int ssp) {
    return "SSP" + std::to_string(ssp);
}

bool anyChecked(const std::array<model::CheckBox*, 4>& boxes) {
    for (const auto* box : boxes)
        if (box->checked())
            return true;
    return false;
}

// The pins a port needs in its mode: the clock always (an error without it), data both ways
// (warnings: a port may only send or only receive), and the select input as a slave.
void requirePortPins(const SetupFacts& facts, ProblemList& out, const std::string& unit,
                     const std::vector<std::string>& signals, bool slave, const model::Control& control) {
    if (signals.size() < 4)
        return;
    requirePin(facts, out, Severity::Error, unit, signals[kSck], control, "is on");
    requirePin(facts, out, Severity::Warning, unit, signals[kMiso], control, "is on");
    requirePin(facts, out, Severity::Warning, unit, signals[kMosi], control, "is on");
    if (slave)
        requirePin(facts, out, Severity::Error, unit, signals[kSsel], control, "is a slave");
}

} // namespace

void SpiPage::describeSetup(SetupFacts& facts) const {
    const auto& board = device().board;
    if (spi_.enableBox->visible())
        facts.interrupts.push_back(
            {"SPI", board.sourceOf("SPI"), spi_.enableBox->checked(), spi_.box(kSpiInterruptBit)->checked()});
    for (int n = 0; n < kSspCount; ++n) {
        const SspPort& port = ssp(n);
        if (port.enableBox->visible())
            facts.interrupts.push_back({sspUnit(n), board.sourceOf(sspUnit(n)), port.enableBox->checked(),
                                        anyChecked(port.interrupts)});
    }
}

void SpiPage::reportProblems(const SetupFacts& facts, ProblemList& out) const {
    const auto& board = device().board;
    if (spi_.enableBox->visible()) {
        const auto signals = board.signalsOf(
            "SPI", {offeredFunction(facts, {"SCK", "SCK0"}), offeredFunction(facts, {"MISO", "MISO0"}),
                    offeredFunction(facts, {"MOSI", "MOSI0"}), offeredFunction(facts, {"SSEL", "SSEL0"})});
        if (!spi_.enableBox->checked()) {
            reportPinsOfUnitOff(facts, out, "SPI", signals, *spi_.enableBox);
        } else {
            requirePortPins(facts, out, "SPI", signals, !spi_.box(kSpiMasterBit)->checked(), *spi_.enableBox);
            if (spi_.box(kSpiInterruptBit)->checked())
                requireSource(facts, out, "SPI", board.sourceOf("SPI"), *spi_.box(kSpiInterruptBit),
                              "SPI interrupts (SPIE)");
        }
    }
    for (int n = 0; n < kSspCount; ++n) {
        const SspPort& port = ssp(n);
        if (!port.enableBox->visible())
            continue;
        const std::string unit = sspUnit(n);
        const std::string k = std::to_string(n);
        const auto signals = board.signalsOf(unit, {"SCK" + k, "MISO" + k, "MOSI" + k, "SSEL" + k});
        if (!port.enableBox->checked()) {
            reportPinsOfUnitOff(facts, out, unit, signals, *port.enableBox);
            continue;
        }
        if (!port.enable->checked())
            out.add(Severity::Warning, unit, port.enable->name(),
                    unit + " is on but SSE is clear: the port stays off", "check SSE to enable the port");
        if (!port.loopBack->checked())
            requirePortPins(facts, out, unit, signals, port.slave->checked(), *port.enableBox);
        for (const auto* box : port.interrupts)
            if (box->checked()) {
                requireSource(facts, out, unit, board.sourceOf(unit), *box, unit + " interrupts (IMSC)");
                break;
            }
    }
}

} // namespace regforge::periph::spi
