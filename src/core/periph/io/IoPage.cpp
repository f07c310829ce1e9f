#include "periph/io/IoPage.h"

#include "model/CheckControls.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "periph/io/PinCodeGenerator.h"
#include "periph/io/PinTreeLoader.h"
#include "profile/ProfileSections.h"

namespace regforge::periph::io {

using model::ControlKind;

namespace {

constexpr const char* kFastIoHint = "Check to use fast GPIO in the generated code";
constexpr const char* kFastIoPortsHint = "Check to use fast GPIO for the ports in the generated code";

} // namespace

// The tree is declared first so that the click behaviour can hold it.
IoPage::IoPage(PageContext& context)
    : Page(context),
      clicks_(store().add<model::Tree>("IO_Treeview", store().find("IO_page")), device(), lists_, quick_) {
    declareControls();
    connectHandlers();
}

model::Tree& IoPage::tree() {
    return store().get<model::Tree>("IO_Treeview");
}

void IoPage::declareControls() {
    auto& s = store();
    auto* page = s.find("IO_page");
    auto& fastIo = s.add<model::CheckBox>("FIO_checkbox", page);
    fastIo.setCaption("Fast IO");
    fastIo.setHint(kFastIoHint);
    s.add<model::Shape>("Shape1", page);
    s.addPlain(ControlKind::Button, "OpenDrainButton", page, "Open Drain").setVisible(false);
    auto& openDrain = s.addPlain(ControlKind::Panel, "OpenDrainPanel", page);
    openDrain.setVisible(false);
    s.addPlain(ControlKind::Label, "OpenDrainLabel", &openDrain,
               "Use the checkboxes to enable open drain mode");
    s.add<model::CheckListBox>("OpenDrainCheckListBox", &openDrain);
    s.addPlain(ControlKind::Button, "QuickSelectorButton", page, "Quick selector");

    auto& popup = s.addPlain(ControlKind::PopupMenu, "QuickSelectPopup", page);
    for (const auto& group : kQuickSelectGroups) {
        auto& item = s.add<model::MenuItem>(group.itemName, &popup);
        item.setCaption(group.caption);
        item.setVisible(group.visible);
    }
    auto& templates = s.addPlain(ControlKind::PopupMenu, "tQuickSelectPopup", page);
    for (const auto& group : kQuickSelectGroups) {
        auto& item = s.add<model::MenuItem>(group.templateItemName, &templates);
        item.setCaption(group.caption);
        item.setVisible(group.visible);
    }
}

void IoPage::connectHandlers() {
    auto& t = tree();
    t.setStateImageList("ImageList1");
    t.foldRequested.connect([this](model::Tree&, int, model::TreeHitPart mouseOver, bool& allow) {
        allow = IO_TreeviewCollapsing(mouseOver);
    });
    t.nodeClicked.connect([this](model::Tree&, int node, model::TreeHitPart part, model::MouseButton button) {
        IO_TreeviewClick(node, part, button);
    });
    t.nodeDoubleClicked.connect(
        [this](model::Tree&, int node, model::TreeHitPart part) { IO_TreeviewDblClick(node, part); });
    store().get<model::Control>("OpenDrainButton").clicked.connect([this](model::Control&) {
        OpenDrainButtonClick();
    });
    store().get<model::Control>("QuickSelectorButton").clicked.connect([this](model::Control&) {
        QuickSelectorButtonClick();
    });
}

void IoPage::clearDevice() {
    tree().clear();
    lists_.clear();
    quick_.clear();
    clicks_.clear();
    store().get<model::CheckBox>("FIO_checkbox").setChecked(false);
}

void IoPage::reset() {
    store().get<model::CheckListBox>("OpenDrainCheckListBox").setItems({});
    store().get<model::Control>("OpenDrainPanel").setVisible(false);
}

void IoPage::setUpFastIo() {
    auto& fastIo = store().get<model::CheckBox>("FIO_checkbox");
    auto& frame = store().get<model::Control>("Shape1");
    auto& openDrain = store().get<model::Control>("OpenDrainButton");
    fastIo.setVisible(true);
    frame.setVisible(true);
    openDrain.setVisible(false);

    const auto& lines = device().profileLines;
    const int header = profile::findSection(lines, "[FIO]");
    if (header < 0) {
        fastIo.setHint(kFastIoPortsHint);
        return;
    }
    const auto next = static_cast<std::size_t>(header) + 1;
    if (next >= lines.size() || lines[next].starts_with("[")) {
        // Devices without fast GPIO offer open drain in its place.
        fastIo.setVisible(false);
        frame.setVisible(false);
        if (!device().hasIocon)
            openDrain.setVisible(true);
        return;
    }
    fastIo.setHint(lines[next]);
}

void IoPage::loadProfile() {
    quick_.clear();
    for (const auto& group : kQuickSelectGroups)
        store().get<model::MenuItem>(group.itemName).setChecked(false);
    setUpFastIo();

    PinTreeVariant variant = PinTreeVariant::Pinsel;
    if (device().hasIocon)
        variant = device().deviceFamily == "13xx" ? PinTreeVariant::Iocon13xx : PinTreeVariant::Iocon;
    PinTreeLoader loader(device(), variant, tree(), lists_, quick_);
    auto& openDrain = store().get<model::CheckListBox>("OpenDrainCheckListBox");
    try {
        loader.load();
    } catch (...) {
        // A failed load keeps what it built.
        openDrain.setItems(loader.openDrainPins());
        throw;
    }
    openDrain.setItems(loader.openDrainPins());
    quick_.build();
}

void IoPage::IO_TreeviewClick(int node, model::TreeHitPart part, model::MouseButton button) {
    if (node < 0 || node >= tree().count())
        return;
    if (button == model::MouseButton::Right) {
        if (part == model::TreeHitPart::Image)
            clicks_.pullModeClick(node, PullModeStep::Swap);
        return;
    }
    tree().setSelected(node);
    if (part == model::TreeHitPart::StateIcon)
        clicks_.stateIconClick(node);
    else if (part == model::TreeHitPart::Image)
        clicks_.pullModeClick(node, PullModeStep::Next);
}

void IoPage::IO_TreeviewDblClick(int node, model::TreeHitPart part) {
    if (part == model::TreeHitPart::Image)
        clicks_.pullModeClick(node, PullModeStep::Next);
}

bool IoPage::IO_TreeviewCollapsing(model::TreeHitPart mouseOver) const {
    return mouseOver != model::TreeHitPart::Image && mouseOver != model::TreeHitPart::StateIcon;
}

void IoPage::OpenDrainButtonClick() {
    auto& panel = store().get<model::Control>("OpenDrainPanel");
    panel.setVisible(!panel.visible());
}

void IoPage::QuickSelectorButtonClick() {
    QuickSelectPopupPopup();
    popupRequested.emit(store().get<model::Control>("QuickSelectPopup"));
}

void IoPage::QuickSelectPopupPopup() {
    for (std::size_t g = 0; g < kQuickSelectGroups.size(); ++g)
        store()
            .get<model::MenuItem>(kQuickSelectGroups[g].itemName)
            .setChecked(quick_.groupChecked(static_cast<int>(g)));
}

void IoPage::QuickSelectEntryClick(int tag) {
    auto& t = tree();
    for (int i = 0; i < t.count(); ++i)
        t.setExpanded(i, false);
    t.makeVisible(tag - kQuickSelectTagBase);
}

void IoPage::generate(ResultLists& lists) const {
    PinCodeGenerator(store(), device(), lists_).generate(lists);
}

} // namespace regforge::periph::io
