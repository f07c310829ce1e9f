#include "model/Control.h"

#include <utility>

namespace regforge::model {

Control::Control(ControlKind kind, std::string name, Control* parent)
    : kind_(kind), name_(std::move(name)), parent_(parent) {}

void Control::setVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    notifyView(Aspect::Visible);
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    notifyView(Aspect::Enabled);
}

bool Control::showing() const {
    for (const Control* c = this; c != nullptr; c = c->parent_)
        if (!c->visible_)
            return false;
    return true;
}

bool Control::effectivelyEnabled() const {
    for (const Control* c = this; c != nullptr; c = c->parent_)
        if (!c->enabled_)
            return false;
    return true;
}

void Control::setCaption(std::string caption) {
    if (caption_ == caption)
        return;
    caption_ = std::move(caption);
    notifyView(Aspect::Caption);
}

void Control::setHint(std::string hint) {
    if (hint_ == hint)
        return;
    hint_ = std::move(hint);
    notifyView(Aspect::Caption);
}

void Control::setFontColour(Colour colour) {
    if (fontColour_ == colour)
        return;
    fontColour_ = colour;
    notifyView(Aspect::Caption);
}

void Control::setColour(Colour colour) {
    if (colour_ == colour)
        return;
    colour_ = colour;
    notifyView(Aspect::Caption);
}

void Control::setBold(bool bold) {
    if (bold_ == bold)
        return;
    bold_ = bold;
    notifyView(Aspect::Caption);
}

void Control::click() {
    clicked.emit(*this);
}

void Control::valueChanged() {
    notifyView(Aspect::Value);
    if (!muted())
        changed.emit(*this);
}

} // namespace regforge::model
