#include "periph/irq/InterruptSources.h"

#include "periph/irq/InterruptSections.h"
#include "periph/irq/IrqControls.h"
#include "profile/ProfileSections.h"

#include <algorithm>
#include <charconv>

namespace regforge::periph::irq {

namespace {

std::string at(const std::vector<std::string>& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        return {};
    return list[static_cast<std::size_t>(index)];
}

// Slot lists longer than any interrupt controller are a damaged profile.
constexpr int kMostVectorSlots = 1024;

} // namespace

int vectorSlotCount(const std::vector<std::string>& lines) {
    if (!profile::hasSection(lines, kVectorSlotsSection))
        return kDefaultVectorSlots;
    const std::string& text = profile::lineAfter(lines, kVectorSlotsSection);
    int n = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, n);
    if (text.empty() || ec != std::errc() || ptr != end || n < 0 || n > kMostVectorSlots)
        throw profile::ProfileError("[ISRVECTORS] is not a slot count: " + text);
    return n;
}

int InterruptSources::indexOf(const std::string& name) const {
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

std::string InterruptSources::channelOf(const std::string& name) const {
    return at(channels, indexOf(name));
}

std::optional<int> InterruptSources::channelNumber(const std::string& name) const {
    const std::string text = channelOf(name);
    int value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < 0)
        return std::nullopt;
    return value;
}

std::string InterruptSources::descriptionOf(const std::string& name) const {
    return at(descriptions, indexOf(name));
}

void InterruptSources::clear() {
    names.clear();
    channels.clear();
    descriptions.clear();
}

} // namespace regforge::periph::irq
