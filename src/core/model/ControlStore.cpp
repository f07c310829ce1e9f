#include "model/ControlStore.h"

namespace regforge::model {

Control& ControlStore::addPlain(ControlKind kind, std::string name, Control* parent, std::string caption) {
    Control& c = add<Control>(kind, std::move(name), parent);
    c.setCaption(std::move(caption));
    return c;
}

void ControlStore::adopt(std::unique_ptr<Control> control) {
    // The main window declares about a thousand controls: room for them is made at the first.
    constexpr std::size_t kWindowControls = 1024;
    if (owned_.empty()) {
        owned_.reserve(kWindowControls);
        order_.reserve(kWindowControls);
        byName_.reserve(kWindowControls);
    }
    const std::string_view key = control->name();
    if (key.empty() || !byName_.try_emplace(key, control.get()).second)
        throw std::logic_error("control name empty or declared twice: " + control->name());
    // Only a control the store accepted joins its container.
    if (control->parent_ != nullptr)
        control->parent_->children_.push_back(control.get());
    order_.push_back(control.get());
    owned_.push_back(std::move(control));
}

Control* ControlStore::find(std::string_view name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

Control* ControlStore::firstWithTag(int tag) const {
    for (Control* c : order_)
        if (c->tag() == tag)
            return c;
    return nullptr;
}

std::vector<Control*> ControlStore::withTags(int first, int last) const {
    std::vector<Control*> out;
    for (Control* c : order_)
        if (c->tag() >= first && c->tag() <= last)
            out.push_back(c);
    return out;
}

} // namespace regforge::model
