#pragma once

#include "periph/ResultLists.h"
#include "periph/irq/InterruptSources.h"
#include "profile/DeviceState.h"
#include "profile/ProfileSections.h"

#include <string>
#include <vector>

namespace regforge::periph::irq {

// The vectored interrupt controller's set-up from the slot list (entry 0 the fast interrupt,
// entry s + 1 vectored slot s) with one `__irq` handler per used entry. Free entries are
// skipped; slots keep their numbers.
void generateVicCode(const std::vector<std::string>& entries, const InterruptSources& sources,
                     const profile::DeviceState& device, ResultLists& lists);

// The NVIC set-up in list order, up to the first free entry, with one handler per source.
void generateNvicCode(const std::vector<std::string>& entries, const InterruptSources& sources,
                      const profile::Lines& profile, ResultLists& lists);

} // namespace regforge::periph::irq
