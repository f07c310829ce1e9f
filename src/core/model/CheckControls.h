#pragma once

#include "model/Control.h"

namespace regforge::model {

// A check box: a click toggles it; `changed` (its OnClick) fires on every change of Checked.
class CheckBox : public Control {
public:
    CheckBox(std::string name, Control* parent) : Control(ControlKind::CheckBox, std::move(name), parent) {}
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    void click() override;

private:
    bool checked_ = false;
};

// A radio button: checking it unchecks the radio buttons sharing its container. Only the
// button that becomes checked runs its handler.
class RadioButton : public Control {
public:
    RadioButton(std::string name, Control* parent)
        : Control(ControlKind::RadioButton, std::move(name), parent) {}
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    void click() override;

private:
    bool checked_ = false;
};

// A speed button that can stay down (the replace-list "use" button, SPI mode help buttons).
// A click only runs the handler; the handler decides whether the button goes down.
class ToggleButton : public Control {
public:
    ToggleButton(std::string name, Control* parent)
        : Control(ControlKind::ToggleButton, std::move(name), parent) {}
    bool down() const { return down_; }
    void setDown(bool down);

private:
    bool down_ = false;
};

// A menu item; items nest under a popup menu or another item. Its click runs `clicked`.
class MenuItem : public Control {
public:
    MenuItem(std::string name, Control* parent) : Control(ControlKind::MenuItem, std::move(name), parent) {}
    bool checked() const { return checked_; }
    void setChecked(bool checked);

private:
    bool checked_ = false;
};

} // namespace regforge::model
