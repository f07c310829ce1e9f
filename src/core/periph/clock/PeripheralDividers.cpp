#include "periph/clock/PeripheralDividers.h"

#include "Error.h"
#include "model/NumberText.h"

#include <algorithm>

namespace regforge::periph::clock {

std::optional<int> divisorOf(const std::string& item) {
    if (item.rfind("1/", 0) != 0)
        return std::nullopt;
    const auto n = model::parseInt32(item.substr(2));
    if (!n || *n < 1)
        return std::nullopt;
    return *n;
}

std::vector<DividerWrite> dividerWrites(const ClockFacts& facts, int commonDivisor, const UnitDivisor& own) {
    std::vector<DividerWrite> writes;
    const auto put = [&](const DividerField& field, int divisor, const std::string& what) {
        const auto code = facts.dividerCode.of(divisor);
        const std::uint32_t mask = field.width >= 32 ? 0xFFFFFFFFu : ((1u << field.width) - 1u);
        if (!code || static_cast<std::uint32_t>(*code) > mask)
            throw regforge::Error("the " + what + " divider 1/" + std::to_string(divisor) +
                                  " cannot be written to " + field.registerName);
        auto it = std::find_if(writes.begin(), writes.end(),
                               [&](const DividerWrite& w) { return w.registerName == field.registerName; });
        if (it == writes.end())
            it = writes.insert(writes.end(), DividerWrite{field.registerName, 0, {}});
        it->value =
            (it->value & ~(mask << field.lowBit)) | (static_cast<std::uint32_t>(*code) << field.lowBit);
        it->fields.push_back(what + " / " + std::to_string(divisor));
    };
    if (facts.commonDivider)
        put(*facts.commonDivider, commonDivisor, "peripheral clock");
    for (const auto& field : facts.unitDividers)
        put(field, own(field.unit).value_or(commonDivisor), field.unit);
    return writes;
}

} // namespace regforge::periph::clock
