#pragma once

#include "model/Control.h"
#include "periph/ProblemList.h"
#include "periph/SetupFacts.h"

#include <initializer_list>
#include <string>

namespace regforge::periph {

// The rules every unit page shares: the pins a unit's signals need, pins routed to a unit that is
// off, and the interrupt source an enabled interrupt needs.

// The first of `candidates` some pin of the device offers ("MAT0.1" or "CT32B0_MAT1"); empty when
// the device offers none, and then the rules about it stay silent.
std::string offeredFunction(const SetupFacts& facts, std::initializer_list<std::string> candidates);
// The function `signal` followed by the unit's number ("TXD0", "SCL1") some pin offers; for unit 0
// also the bare `signal` of parts with a single such unit ("TXD", "SCL"). Empty when none is.
std::string numberedFunction(const SetupFacts& facts, const char* signal, int unit);

// The unit is on and needs `function` on a pin: a problem on `control` when no pin has it.
void requirePin(const SetupFacts& facts, ProblemList& out, Severity severity, const std::string& unit,
                const std::string& function, const model::Control& control, const std::string& need);

// The unit is off: each pin routed to one of its functions is a warning.
void reportPinsOfUnitOff(const SetupFacts& facts, ProblemList& out, const std::string& unit,
                         const std::vector<std::string>& functions, const model::Control& enableBox);

// The unit enables an interrupt in its registers: an error when its source has no vector slot
// or NVIC entry.
void requireSource(const SetupFacts& facts, ProblemList& out, const std::string& unit,
                   const std::string& source, const model::Control& control, const std::string& what);

} // namespace regforge::periph
