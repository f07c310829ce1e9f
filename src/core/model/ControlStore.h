#pragma once

#include "io/AsciiCase.h"
#include "model/Control.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace regforge::model {

// Owns the main window's controls in declaration order (a container before its children).
// Names are unique and looked up with letter case ignored, as the saved files do.
class ControlStore {
public:
    ControlStore() = default;
    ControlStore(const ControlStore&) = delete;
    ControlStore& operator=(const ControlStore&) = delete;

    // Declares a control: T(args...). The name must be new.
    template <class T, class... Args>
    T& add(Args&&... args) {
        auto control = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *control;
        adopt(std::move(control));
        return ref;
    }

    // Declares a control of a kind with no state of its own (panel, label, button, page, ...).
    Control& addPlain(ControlKind kind, std::string name, Control* parent, std::string caption = {});

    Control* find(std::string_view name) const;

    // The named control as T; a missing name or another kind is a programming error.
    template <class T>
    T& get(std::string_view name) const {
        Control* c = find(name);
        if (c == nullptr)
            throw std::logic_error("no control named " + std::string(name));
        auto* typed = dynamic_cast<T*>(c);
        if (typed == nullptr)
            throw std::logic_error("control " + std::string(name) + " has another kind");
        return *typed;
    }

    // Every control in declaration order.
    const std::vector<Control*>& all() const { return order_; }
    std::size_t size() const { return order_.size(); }

    // The first control in declaration order carrying the tag, or nullptr.
    Control* firstWithTag(int tag) const;
    // Every control whose tag lies in [first, last], in declaration order.
    std::vector<Control*> withTags(int first, int last) const;

private:
    void adopt(std::unique_ptr<Control> control);

    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_;
    // Keyed by a view of each control's own name, which never changes while the store owns it.
    std::unordered_map<std::string_view, Control*, regforge::io::HashIgnoringCase,
                       regforge::io::EqualIgnoringCase>
        byName_;
};

} // namespace regforge::model
