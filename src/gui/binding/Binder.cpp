#include "gui/binding/Binder.h"

#include "gui/binding/ButtonBindings.h"
#include "gui/binding/CheckBindings.h"
#include "gui/binding/ComboBinding.h"
#include "gui/binding/ContainerBindings.h"
#include "gui/binding/FormBinding.h"
#include "gui/binding/ListBindings.h"
#include "gui/binding/MenuBindings.h"
#include "gui/binding/NumericEditBinding.h"
#include "gui/binding/PageControlBinding.h"
#include "gui/binding/PictureBindings.h"
#include "gui/binding/TextBindings.h"
#include "gui/binding/TreeBinding.h"
#include "model/ComboBox.h"
#include "model/Tree.h"

#include <QMenu>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>
#include <stdexcept>

namespace regforge::gui::binding {

using model::ControlKind;

namespace {

template <class T>
T& as(model::Control& control) {
    return dynamic_cast<T&>(control);
}

// The page a control lies on, or nullptr for controls outside every page.
const model::Control* pageOf(const model::Control& control) {
    for (const model::Control* c = control.parent(); c != nullptr; c = c->parent())
        if (c->kind() == ControlKind::Page)
            return c;
    return nullptr;
}

bool isActivePage(const model::Control& page) {
    const auto* pages = dynamic_cast<const model::PageControl*>(page.parent());
    if (pages == nullptr)
        return true;
    const auto& siblings = pages->children();
    const auto index = std::find(siblings.begin(), siblings.end(), &page) - siblings.begin();
    return index == pages->activePageIndex();
}

} // namespace

Binder::Binder(model::ControlStore& store, QWidget* formWindow) : store_(store), formWindow_(formWindow) {
    bindings_.reserve(store.size());
    for (model::Control* control : store.all()) {
        const model::Control* page = pageOf(*control);
        if (page != nullptr && (deferred_.contains(page) || !isActivePage(*page))) {
            deferred_.insert(page);
            continue;
        }
        bind(*control);
    }
}

// Bindings go before the widgets: the owner deletes its widgets after the binder.
Binder::~Binder() = default;

void Binder::bind(model::Control& control) const {
    Binding* parent = control.parent() != nullptr ? binding(*control.parent()) : nullptr;
    auto created = create(control, parent);
    Binding& child = *created;
    byControl_.emplace(&control, &child);
    bindings_.push_back(std::move(created));
    if (parent != nullptr)
        parent->adoptChild(child);
    child.attach();
}

void Binder::bindContent(const model::Control& page) const {
    if (deferred_.erase(&page) == 0)
        return;
    for (model::Control* control : store_.all())
        if (pageOf(*control) == &page)
            bind(*control);
    if (contentBound_)
        contentBound_(page);
}

std::unique_ptr<Binding> Binder::create(model::Control& control, Binding* parent) const {
    QWidget* formWindow = formWindow_;
    QWidget* host = parent != nullptr ? parent->childHost() : formWindow;
    switch (control.kind()) {
    case ControlKind::Form:
        return std::make_unique<FormBinding>(as<model::Form>(control), formWindow);
    case ControlKind::PageControl:
        return std::make_unique<PageControlBinding>(as<model::PageControl>(control), host);
    case ControlKind::Page: {
        auto* pages = dynamic_cast<PageControlBinding*>(parent);
        if (pages == nullptr)
            throw std::logic_error("page " + control.name() + " outside a page control");
        return std::make_unique<PageBinding>(control, pages->tabs());
    }
    case ControlKind::Panel:
        return std::make_unique<PanelBinding>(control, host);
    case ControlKind::GroupBox:
        return std::make_unique<GroupBoxBinding>(control, host);
    case ControlKind::ScrollBox:
        return std::make_unique<ScrollBoxBinding>(control, host);
    case ControlKind::Label:
    case ControlKind::StaticText:
        return std::make_unique<LabelBinding>(control, host);
    case ControlKind::Button:
        return std::make_unique<ButtonBinding>(control, host);
    case ControlKind::ToggleButton:
        return std::make_unique<ToggleButtonBinding>(as<model::ToggleButton>(control), host);
    case ControlKind::CheckBox:
        return makeCheckBoxBinding(as<model::CheckBox>(control), host);
    case ControlKind::RadioButton:
        return makeRadioButtonBinding(as<model::RadioButton>(control), host);
    case ControlKind::ComboBox:
        return std::make_unique<ComboBinding>(as<model::ComboBox>(control), host);
    case ControlKind::NumericEdit: {
        auto edit = std::make_unique<NumericEditBinding>(as<model::NumericEdit>(control), host);
        edit->lineEdit()->setPopupRequest(
            [this, &control](const QPoint& globalPos) { return requestPopup(control, globalPos); });
        return edit;
    }
    case ControlKind::Edit:
        return std::make_unique<EditBinding>(as<model::Edit>(control), host);
    case ControlKind::CheckListBox:
        return std::make_unique<CheckListBinding>(as<model::CheckListBox>(control), host);
    case ControlKind::Playlist:
        return std::make_unique<PlaylistBinding>(as<model::Playlist>(control), host);
    case ControlKind::Tree:
        return std::make_unique<TreeBinding>(as<model::Tree>(control), host);
    case ControlKind::Memo:
        return std::make_unique<MemoBinding>(as<model::Memo>(control), host);
    case ControlKind::ValueList:
        return std::make_unique<ValueListBinding>(as<model::ValueList>(control), host);
    case ControlKind::Image:
        return std::make_unique<ImageBinding>(as<model::Image>(control), host);
    case ControlKind::Shape:
        return std::make_unique<ShapeBinding>(as<model::Shape>(control), host);
    case ControlKind::PopupMenu:
        return std::make_unique<PopupMenuBinding>(control, host);
    case ControlKind::MenuItem:
        return std::make_unique<MenuItemBinding>(as<model::MenuItem>(control),
                                                 parent != nullptr ? parent->childMenu() : nullptr);
    }
    throw std::logic_error("no view for control " + control.name());
}

Binding* Binder::binding(const model::Control& control) const {
    if (const auto it = byControl_.find(&control); it != byControl_.end())
        return it->second;
    const model::Control* page = pageOf(control);
    if (page == nullptr || !deferred_.contains(page))
        return nullptr;
    bindContent(*page);
    const auto it = byControl_.find(&control);
    return it == byControl_.end() ? nullptr : it->second;
}

Binding* Binder::binding(std::string_view name) const {
    const model::Control* control = store_.find(name);
    return control != nullptr ? binding(*control) : nullptr;
}

QWidget* Binder::widget(std::string_view name) const {
    const Binding* b = binding(name);
    return b != nullptr ? b->widget() : nullptr;
}

QObject* Binder::object(std::string_view name) const {
    const Binding* b = binding(name);
    return b != nullptr ? b->object() : nullptr;
}

void Binder::popUp(model::Control& popup, const QPoint& globalPos) const {
    const Binding* b = binding(popup);
    if (b == nullptr || b->childMenu() == nullptr || !popup.enabled())
        return;
    popup.click();
    b->childMenu()->popup(globalPos);
}

bool Binder::requestPopup(model::Control& owner, const QPoint& globalPos) const {
    if (!popupLookup_)
        return false;
    model::Control* popup = popupLookup_(owner);
    if (popup == nullptr || popup->kind() != ControlKind::PopupMenu)
        return false;
    // A right click may be the first thing that reaches the edit (when it also activates the
    // window, Qt reports no focus entry): the popup must know which edit it serves.
    owner.entered.emit(owner);
    popUp(*popup, globalPos);
    return true;
}

} // namespace regforge::gui::binding
