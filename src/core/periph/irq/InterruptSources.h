#pragma once

#include <optional>
#include <string>
#include <vector>

namespace regforge::periph::irq {

// The number of vector slots the profile's [ISRVECTORS] gives (16 without it); throws
// profile::ProfileError for a count that is no number of slots.
int vectorSlotCount(const std::vector<std::string>& profileLines);

// The device's interrupt sources from [ISR] and [ISR_DESC]: names in profile order (the items
// of the source drop-down), each with its channel text and, when the profile has them, its
// description.
struct InterruptSources {
    std::vector<std::string> names;
    std::vector<std::string> channels;
    std::vector<std::string> descriptions;

    // The position of `name` among the sources; -1 when the device has no such source.
    int indexOf(const std::string& name) const;
    // The channel text of `name`; empty for an unknown source.
    std::string channelOf(const std::string& name) const;
    // The channel as a number: the source's fixed vector slot. nullopt for an unknown source or
    // a channel that is no decimal number.
    std::optional<int> channelNumber(const std::string& name) const;
    // Whether the texts use descriptions (the profile has [ISR_DESC] lines).
    bool described() const { return !descriptions.empty(); }
    // The description of `name`; empty when it has none.
    std::string descriptionOf(const std::string& name) const;
    void clear();
};

} // namespace regforge::periph::irq
