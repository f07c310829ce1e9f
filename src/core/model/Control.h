#pragma once

#include "model/ControlKind.h"
#include "model/Signal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace regforge::model {

// A colour as 0xRRGGBB; kDefaultColour means "the window's text colour".
using Colour = std::uint32_t;
inline constexpr Colour kDefaultColour = 0xFF000000u;
inline constexpr Colour kRed = 0xFF0000u;
inline constexpr Colour kGreen = 0x008000u;
inline constexpr Colour kBlue = 0x0000FFu;
inline constexpr Colour kGray = 0x808080u;

// What a view has to redraw after a viewChanged notification.
enum class Aspect {
    Value,   // checked, item index, text, lines, down state
    Items,   // the item list (combo boxes, list boxes, value lists)
    Caption, // caption, hint, font colour, bold
    Visible,
    Enabled,
    Node,     // one tree node (index given) or the whole tree (index -1)
    Geometry, // size of a form
    Limits,   // read-only flag, maximum length and other edit properties
};

class Control;

// The one event rule: `changed` carries the behaviour's click/change handlers and fires
// only when the user-visible value really changed (whoever changed it); `viewChanged`
// tells views to redraw and is never muted.
class Control {
public:
    Control(ControlKind kind, std::string name, Control* parent);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    Control* parent() const { return parent_; }
    const std::vector<Control*>& children() const { return children_; }

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // The control's own flags, not combined with its containers'.
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Visible with every container up to the form visible.
    bool showing() const;
    // Enabled with every container up to the form enabled.
    bool effectivelyEnabled() const;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    const std::string& hint() const { return hint_; }
    void setHint(std::string hint);
    Colour fontColour() const { return fontColour_; }
    void setFontColour(Colour colour);
    bool bold() const { return bold_; }
    void setBold(bool bold);
    // The background of an edit; kDefaultColour is the edit's own (white).
    Colour colour() const { return colour_; }
    void setColour(Colour colour);

    // Handlers of the behaviour (OnClick / OnChange of check boxes, combos, edits, ...).
    Signal<Control&> changed;
    // Redraw requests for views; the int is a node or item index where the aspect has one.
    Signal<const Control&, Aspect, int> viewChanged;
    // A press of a button or menu item, or a click on a label or panel.
    Signal<Control&> clicked;
    // Focus entered the control (numeric edits use it for the edit context).
    Signal<Control&> entered;
    // The mouse moved over the control (pages copy its hint into their hint label).
    Signal<Control&> hovered;

    // A user click: runs `clicked`. Check boxes and radio buttons override it to change their state.
    virtual void click();

    bool muted() const { return muteDepth_ > 0; }

protected:
    // Fires `changed` (unless muted) and asks views to redraw the value.
    void valueChanged();
    void notifyView(Aspect aspect, int index = -1) { viewChanged.emit(*this, aspect, index); }

private:
    friend class MuteGuard;
    friend class ControlStore;

    ControlKind kind_;
    std::string name_;
    Control* parent_;
    std::vector<Control*> children_;
    int tag_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::string hint_;
    Colour fontColour_ = kDefaultColour;
    Colour colour_ = kDefaultColour;
    bool bold_ = false;
    int muteDepth_ = 0;
};

// Detaches a control's change handlers for a scope: the state changes, views redraw, but
// no handler runs. Nests.
class MuteGuard {
public:
    explicit MuteGuard(Control& control) : control_(control) { ++control_.muteDepth_; }
    ~MuteGuard() { --control_.muteDepth_; }
    MuteGuard(const MuteGuard&) = delete;
    MuteGuard& operator=(const MuteGuard&) = delete;

private:
    Control& control_;
};

} // namespace regforge::model
