#include "config/SetupBaseline.h"

namespace regforge::config {

SetupBaseline::SetupBaseline(const model::ControlStore& store, const profile::DeviceState& device,
                             const Pages& pages)
    : store_(store), device_(device), pages_(pages) {
    const auto& controls = store_.all();
    touched_.assign(controls.size(), false);
    differing_.assign(controls.size(), false);
    for (std::size_t i = 0; i < controls.size(); ++i)
        controls[i]->viewChanged.connect([this, i](const model::Control&, model::Aspect, int) {
            ++notifications_;
            if (!touched_[i]) {
                touched_[i] = true;
                touchedList_.push_back(i);
            }
        });
}

Lines SetupBaseline::fixedPart() const {
    Lines fixed{device_.deviceName};
    const Lines replace = replaceRecord(store_);
    fixed.insert(fixed.end(), replace.begin(), replace.end());
    const Lines compiler = compilerRecord(store_);
    fixed.insert(fixed.end(), compiler.begin(), compiler.end());
    return fixed;
}

void SetupBaseline::take() {
    const auto& controls = store_.all();
    records_.clear();
    records_.reserve(controls.size());
    for (const model::Control* c : controls)
        records_.push_back(controlRecord(*c, pages_));
    differing_.assign(controls.size(), false);
    touched_.assign(controls.size(), false);
    touchedList_.clear();
    differingCount_ = 0;
    fixed_ = fixedPart();
    taken_ = true;
}

void SetupBaseline::forget() {
    taken_ = false;
    records_.clear();
}

bool SetupBaseline::differs() {
    if (!device_.loaded())
        return false;
    if (!taken_)
        return true;
    const auto& controls = store_.all();
    for (const std::size_t i : touchedList_) {
        touched_[i] = false;
        const bool differs = controlRecord(*controls[i], pages_) != records_[i];
        if (differs != differing_[i]) {
            differing_[i] = differs;
            differingCount_ = differs ? differingCount_ + 1 : differingCount_ - 1;
        }
    }
    touchedList_.clear();
    return differingCount_ > 0 || fixedPart() != fixed_;
}

} // namespace regforge::config
