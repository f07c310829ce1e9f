#pragma once

#include "gui/binding/Binding.h"
#include "model/ControlStore.h"

#include <QPoint>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class QMenu;
class QWidget;

namespace regforge::gui::binding {

// Makes one Qt object per model control, named after it, and nests the widgets as the model
// nests its containers, so a widget is enabled and visible exactly when the model's own flags
// and its containers' say so. The form itself is shown by a window the caller provides.
// The binder knows kinds of control, never what a control means.
//
// Only the active page's content is bound at once; every other page's content is bound the
// first time anything asks for one of its controls (or for the page's content as a whole),
// which keeps the window's start short. Binding later changes nothing: a binding shows the
// model's present state when it attaches.
class Binder {
public:
    // Answers a right click on a control that may carry a popup menu: the popup menu control
    // to show, or nullptr for the control's standard menu.
    using PopupLookup = std::function<model::Control*(model::Control& owner)>;
    // Told once per page when its content has been bound (the caller arranges it then).
    using ContentBound = std::function<void(const model::Control& page)>;

    Binder(model::ControlStore& store, QWidget* formWindow);
    ~Binder();
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    void setPopupLookup(PopupLookup lookup) { popupLookup_ = std::move(lookup); }
    void setContentBound(ContentBound bound) { contentBound_ = std::move(bound); }

    // Binds the content of a page not bound yet; nothing for a bound one.
    void bindContent(const model::Control& page) const;
    bool contentBound(const model::Control& page) const { return !deferred_.contains(&page); }

    const model::ControlStore& store() const { return store_; }
    Binding* binding(const model::Control& control) const;
    Binding* binding(std::string_view name) const;
    // The widget showing the named control, or nullptr (menu items are actions).
    QWidget* widget(std::string_view name) const;
    template <class W>
    W* widgetAs(std::string_view name) const {
        return qobject_cast<W*>(widget(name));
    }
    // The Qt object named after the control: a widget, or an action for menu items.
    QObject* object(std::string_view name) const;

    // Pops up the menu of a popup menu control at a global position. The control is clicked
    // first: that is the menu's "about to open", when its handler sets the items up.
    void popUp(model::Control& popup, const QPoint& globalPos) const;

private:
    void bind(model::Control& control) const;
    std::unique_ptr<Binding> create(model::Control& control, Binding* parent) const;
    bool requestPopup(model::Control& owner, const QPoint& globalPos) const;

    model::ControlStore& store_;
    QWidget* formWindow_;
    // Binding on demand happens behind const lookups: what exists is a cache of the model.
    mutable std::vector<std::unique_ptr<Binding>> bindings_;
    mutable std::unordered_map<const model::Control*, Binding*> byControl_;
    mutable std::unordered_set<const model::Control*> deferred_;
    PopupLookup popupLookup_;
    ContentBound contentBound_;
};

} // namespace regforge::gui::binding
