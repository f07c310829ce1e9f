#include "model/ControlStore.h"

#include "io/AsciiCase.h"

namespace regforge::model {

Control& ControlStore::addPlain(ControlKind kind, std::string name, Control* parent, std::string caption) {
    Control& c = add<Control>(kind, std::move(name), parent);
    c.setCaption(std::move(caption));
    return c;
}

void ControlStore::adopt(std::unique_ptr<Control> control) {
    const std::string key = io::toLowerAscii(control->name());
    if (key.empty() || byName_.contains(key))
        throw std::logic_error("control name empty or declared twice: " + control->name());
    byName_.emplace(key, control.get());
    // Only a control the store accepted joins its container.
    if (control->parent_ != nullptr)
        control->parent_->children_.push_back(control.get());
    order_.push_back(control.get());
    owned_.push_back(std::move(control));
}

Control* ControlStore::find(std::string_view name) const {
    const auto it = byName_.find(io::toLowerAscii(name));
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
