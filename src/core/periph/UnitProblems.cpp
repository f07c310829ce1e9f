#include "periph/UnitProblems.h"

namespace regforge::periph {

std::string offeredFunction(const SetupFacts& facts, std::initializer_list<std::string> candidates) {
    for (const auto& name : candidates)
        if (facts.offered(name))
            return name;
    return {};
}

std::string numberedFunction(const SetupFacts& facts, const char* signal, int unit) {
    const std::string numbered = signal + std::to_string(unit);
    return unit == 0 ? offeredFunction(facts, {numbered, signal}) : offeredFunction(facts, {numbered});
}

void requirePin(const SetupFacts& facts, ProblemList& out, Severity severity, const std::string& unit,
                const std::string& function, const model::Control& control, const std::string& need) {
    if (function.empty() || !facts.pinsKnown || facts.routed(function) != nullptr)
        return;
    out.add(severity, unit, control.name(), unit + " " + need + " but no " + function + " pin is routed",
            "select " + function + " on one of its pins on the I/O page");
}

void reportPinsOfUnitOff(const SetupFacts& facts, ProblemList& out, const std::string& unit,
                         const std::vector<std::string>& functions, const model::Control& enableBox) {
    for (const auto& function : functions) {
        if (function.empty())
            continue;
        if (const auto* pin = facts.routed(function))
            out.add(Severity::Warning, pin->pin, enableBox.name(),
                    pin->pin + " is routed to " + function + " but " + unit + " is off",
                    "switch " + unit + " on, or give " + pin->pin + " another function on the I/O page");
    }
}

void requireSource(const SetupFacts& facts, ProblemList& out, const std::string& unit,
                   const std::string& source, const model::Control& control, const std::string& what) {
    if (facts.listed(source))
        return;
    out.add(Severity::Error, unit, control.name(),
            what + " but " + source + " has no vector slot or NVIC entry: no handler runs",
            "add " + source + " to the list on the Interrupts page, or clear the interrupt");
}

} // namespace regforge::periph
