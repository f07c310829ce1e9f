#include "tools/KeyboardStepping.h"

#include "model/NumericEdit.h"

#include <cstdint>

namespace regforge::tools {

namespace {

struct StepLimits {
    std::int64_t step;
    std::int64_t lower;
    std::int64_t upper;
};

StepLimits limitsOf(const periph::SteppedEdit& stepped) {
    if (stepped.group == periph::StepGroup::EvenDivider)
        return {2, 8, 254};
    const model::NumericEdit& edit = *stepped.edit;
    if (edit.valueKind() != model::ValueKind::HexValue)
        return {1, 0, 255};
    return {1, 0, edit.maxLength() == 4 ? 0xFFFF : 0xFFFFFFFF};
}

} // namespace

KeyboardStepping::KeyboardStepping(const std::vector<std::unique_ptr<periph::Page>>& pages) : pages_(pages) {}

const periph::SteppedEdit* KeyboardStepping::find(const model::Control* focused) const {
    if (focused == nullptr)
        return nullptr;
    for (const auto& page : pages_)
        for (const periph::SteppedEdit& stepped : page->steppedEdits())
            if (stepped.edit == focused)
                return &stepped;
    return nullptr;
}

bool KeyboardStepping::keyDown(const model::Control* focused, StepKey key) const {
    const periph::SteppedEdit* stepped = find(focused);
    if (stepped == nullptr)
        return false;
    const StepLimits limits = limitsOf(*stepped);
    const std::int64_t value = stepped->edit->valueAsInt64();
    const std::int64_t next = key == StepKey::Up ? value + limits.step : value - limits.step;
    // A value at (or, typed in, beyond) a limit stays as it is; the key is used up either way.
    if (next >= limits.lower && next <= limits.upper)
        stepped->edit->setValueFromInt64(next);
    return true;
}

} // namespace regforge::tools
