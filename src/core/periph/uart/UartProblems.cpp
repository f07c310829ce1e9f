// The UART page's part of the problems list: a unit on without its transmit and receive pins,
// pins routed to a unit that is off, interrupts without a handler, a rate error above what the
// frame tolerates, and the FIFO left off.
#include "periph/UnitProblems.h"
#include "periph/uart/UartPage.h"
#include "periph/uart/UartText.h"

namespace regforge::periph::uart {

namespace {

std::string unitName(int uart) {
    return "UART" + std::to_string(uart);
}

} // namespace

void UartPage::describeSetup(SetupFacts& facts) const {
    for (int n = 0; n < kUartCount; ++n) {
        const UartUnit& u = unit(n);
        if (u.enableBox->visible())
            facts.interrupts.push_back(
                {unitName(n), interruptSource(n), u.enableBox->checked(), u.interruptsEnabled()});
    }
}

void UartPage::reportProblems(const SetupFacts& facts, ProblemList& out) const {
    for (int n = 0; n < kUartCount; ++n) {
        const UartUnit& u = unit(n);
        if (!u.enableBox->visible())
            continue;
        const std::string name = unitName(n);
        const auto signals = device().board.signalsOf(
            name, {numberedFunction(facts, "TXD", n), numberedFunction(facts, "RXD", n)});
        if (!u.enableBox->checked()) {
            reportPinsOfUnitOff(facts, out, name, signals, *u.enableBox);
            continue;
        }
        // A UART may only send or only receive: each missing pin is a warning.
        if (signals.size() >= 2) {
            requirePin(facts, out, Severity::Warning, name, signals[0], *u.enableBox, "is on");
            requirePin(facts, out, Severity::Warning, name, signals[1], *u.enableBox, "is on");
        }
        for (const auto* box : u.interrupts)
            if (box->checked()) {
                requireSource(facts, out, name, interruptSource(n), *box, name + " interrupts (IER)");
                break;
            }
        const BaudFigures& f = u.figures;
        if (!f.wanted)
            out.add(Severity::Error, name, u.baud->name(),
                    name + " cannot run at " + u.baud->text() +
                        " baud: the rate must be above 0 and at most "
                        "PCLK / 16",
                    "ask for a lower rate, or give the unit a faster peripheral clock");
        else if (f.actual && !f.withinLimit())
            out.add(Severity::Error, name, u.solutions->name(),
                    name + " runs " + errorText(f.errorPercent) + " % off " + u.baud->text() +
                        " baud, more than the " + errorText(f.limitPercent).substr(1) +
                        " % its frame tolerates",
                    "choose a better solution, or a peripheral clock that divides down to the rate");
        if (!u.fifo->checked())
            out.add(Severity::Warning, name, u.fifo->name(),
                    name + " is on with its FIFOs off: the user manuals require FCR[0] set for the UART "
                           "to work",
                    "check FIFO");
    }
}

} // namespace regforge::periph::uart
