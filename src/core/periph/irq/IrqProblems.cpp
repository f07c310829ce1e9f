// The Interrupts page's part of the problems list: GPIO and external interrupts whose source
// has no handler, external interrupts without their pins, and listed sources whose unit is off
// or enables no interrupt.
#include "periph/UnitProblems.h"
#include "periph/irq/IrqPage.h"

#include <algorithm>
#include <cctype>

namespace regforge::periph::irq {

namespace {

// The port of a GPIO interrupt node ("P2.10", "PIO0_1"): its first digits; -1 without any.
int portOf(const std::string& pin) {
    int port = -1;
    for (const char c : pin) {
        if (std::isdigit(static_cast<unsigned char>(c)) != 0)
            port = (port < 0 ? 0 : port * 10) + (c - '0');
        else if (port >= 0)
            break;
    }
    return port;
}

} // namespace

void IrqPage::describeSetup(SetupFacts& facts) const {
    for (const auto& entry : slots_->items())
        if (entry != kFreeSlot)
            facts.listedSources.push_back(entry);
    const auto& board = device().board;
    for (int n = 0; n < kEintCount; ++n) {
        const std::string unit = "EINT" + std::to_string(n);
        if (sources_.indexOf(board.sourceOf(unit)) >= 0)
            facts.interrupts.push_back({unit, board.sourceOf(unit), eintRow(n).used(), eintRow(n).used()});
    }
    std::vector<int> ports;
    for (const auto& node : gpioTree_->nodes())
        if (node.level == 0 && node.stateIndex != kGpioDisabled && node.stateIndex > 0)
            ports.push_back(portOf(node.text));
    for (const int port : ports) {
        const std::string unit = "GPIO" + std::to_string(port);
        facts.interrupts.push_back({unit, board.sourceOf(unit), true, true});
    }
}

void IrqPage::reportProblems(const SetupFacts& facts, ProblemList& out) const {
    const auto& board = device().board;
    for (int n = 0; n < kEintCount; ++n) {
        const EintRow& row = eintRow(n);
        const std::string unit = "EINT" + std::to_string(n);
        if (!row.used() || sources_.indexOf(board.sourceOf(unit)) < 0)
            continue;
        const std::string source = board.sourceOf(unit);
        requireSource(facts, out, unit, source, *row.mode, unit + " is used");
        // A source the GPIO interrupts share (EINT3 on most parts) is listed for them alone.
        const bool gpioShares =
            std::any_of(facts.interrupts.begin(), facts.interrupts.end(),
                        [&](const auto& u) { return u.unit.starts_with("GPIO") && u.source == source; });
        if (!gpioShares)
            requirePin(facts, out, Severity::Warning, unit, offeredFunction(facts, {unit}), *row.mode,
                       "is used");
    }
    // One problem per GPIO interrupt source, named after its first pin.
    std::vector<std::string> reported;
    const model::Tree& tree = *gpioTree_;
    for (int i = 0; i < tree.count(); ++i) {
        const model::TreeNode& node = tree.node(i);
        if (node.level != 0 || node.stateIndex == kGpioDisabled || node.stateIndex <= 0)
            continue;
        const std::string source = board.sourceOf("GPIO" + std::to_string(portOf(node.text)));
        if (facts.listed(source) || std::find(reported.begin(), reported.end(), source) != reported.end())
            continue;
        reported.push_back(source);
        out.add(Severity::Error, node.text, kGpioTree,
                "the GPIO interrupt of " + node.text + " is enabled but " + source +
                    " has no vector slot or NVIC entry: no handler runs",
                "add " + source + " to the list, or disable the pin's interrupt", i);
    }
    for (const auto& source : facts.listedSources) {
        bool known = false, on = false, enables = false;
        for (const auto& unit : facts.interrupts) {
            if (unit.source != source)
                continue;
            known = true;
            on = on || unit.on;
            enables = enables || (unit.on && unit.enables);
        }
        if (!known || enables)
            continue;
        out.add(Severity::Warning, source, kSlotList,
                on ? source + " is in the list but its unit enables no interrupt"
                   : source + " is in the list but its unit is off",
                on ? "enable the unit's interrupt, or free the entry"
                   : "switch the unit on, or free the entry");
    }
}

} // namespace regforge::periph::irq
