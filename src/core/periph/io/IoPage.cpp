#include "periph/io/IoPage.h"

#include "model/CheckControls.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "periph/io/IoControls.h"
#include "periph/io/PinCodeGenerator.h"
#include "periph/io/PinIconHint.h"
#include "periph/io/PinSections.h"
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
    : Page(context), tree_(&store().add<model::Tree>(kPinTree, store().find(kPage))),
      clicks_(*tree_, device(), lists_, quick_), pinout_(*this, device()) {
    declareControls();
    connectHandlers();
}

model::Tree& IoPage::tree() {
    return *tree_;
}

void IoPage::declareControls() {
    auto& s = store();
    auto* page = s.find(kPage);
    fastIo_ = &s.add<model::CheckBox>(kFastIoBox, page);
    fastIo_->setCaption("Fast IO");
    fastIo_->setHint(kFastIoHint);
    fastIoFrame_ = &s.add<model::Shape>(kFastIoFrame, page);
    openDrainButton_ = &s.addPlain(ControlKind::Button, kOpenDrainButton, page, "Open Drain");
    openDrainButton_->setVisible(false);
    openDrainPanel_ = &s.addPlain(ControlKind::Panel, kOpenDrainPanel, page);
    openDrainPanel_->setVisible(false);
    s.addPlain(ControlKind::Label, kOpenDrainLabel, openDrainPanel_,
               "Use the checkboxes to enable open drain mode");
    openDrainList_ = &s.add<model::CheckListBox>(kOpenDrainList, openDrainPanel_);
    quickSelectorButton_ = &s.addPlain(ControlKind::Button, kQuickSelectorButton, page, "Quick selector");

    quickSelectPopup_ = &s.addPlain(ControlKind::PopupMenu, kQuickSelectPopup, page);
    for (const auto& group : kQuickSelectGroups) {
        auto& item = s.add<model::MenuItem>(group.itemName, quickSelectPopup_);
        item.setCaption(group.caption);
        item.setVisible(group.visible);
        quickSelectItems_.push_back(&item);
    }
    auto& templates = s.addPlain(ControlKind::PopupMenu, kQuickSelectTemplates, page);
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
    t.setIconHint([this](int node, model::TreeHitPart part) {
        return pinIconHint(*tree_, node, part, lists_, device().hasIocon);
    });
    t.setActionSource([this](int node) { return pinTreeActions(*tree_, node, lists_); });
    t.actionChosen.connect([this](model::Tree&, int node, int action) { IO_TreeviewAction(node, action); });
    openDrainButton_->clicked.connect([this](model::Control&) { OpenDrainButtonClick(); });
    quickSelectorButton_->clicked.connect([this](model::Control&) { QuickSelectorButtonClick(); });
}

void IoPage::clearDevice() {
    tree().clear();
    lists_.clear();
    quick_.clear();
    clicks_.clear();
    fastIo_->setChecked(false);
}

void IoPage::reset() {
    openDrainList_->setItems({});
    openDrainPanel_->setVisible(false);
}

void IoPage::setUpFastIo() {
    auto& fastIo = *fastIo_;
    auto& frame = *fastIoFrame_;
    auto& openDrain = *openDrainButton_;
    fastIo.setVisible(true);
    frame.setVisible(true);
    openDrain.setVisible(false);

    const auto& lines = device().profileLines;
    const int header = profile::findSection(lines, kFastIoSection);
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

std::optional<std::string> IoPage::switchOffMissingFastIo() {
    if (!fastIo_->checked() || fastIo_->visible())
        return std::nullopt;
    fastIo_->setChecked(false);
    return fastIo_->caption();
}

void IoPage::loadProfile() {
    quick_.clear();
    for (model::MenuItem* item : quickSelectItems_)
        item->setChecked(false);
    setUpFastIo();

    PinTreeVariant variant = PinTreeVariant::Pinsel;
    if (device().hasIocon)
        variant = device().deviceFamily == "13xx" ? PinTreeVariant::Iocon13xx : PinTreeVariant::Iocon;
    PinTreeLoader loader(device(), variant, tree(), lists_, quick_);
    auto& openDrain = *openDrainList_;
    try {
        loader.load();
    } catch (...) {
        // A failed load keeps what it built.
        openDrain.setItems(loader.openDrainPins());
        throw;
    }
    openDrain.setItems(loader.openDrainPins());
    auto& skipped = device().skippedLines;
    skipped.insert(skipped.end(), loader.skippedLines().begin(), loader.skippedLines().end());
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

void IoPage::IO_TreeviewAction(int node, int action) {
    switch (action) {
    case kChooseAction:
        IO_TreeviewClick(node, model::TreeHitPart::StateIcon, model::MouseButton::Left);
        break;
    case kNextPullMode:
    case kSwapPullMode: {
        // The pull mode is the pin's: its icon is clicked, and the node chosen stays selected.
        const int pin = pullModeNode(tree(), node, lists_);
        if (pin < 0)
            return;
        IO_TreeviewClick(pin, model::TreeHitPart::Image,
                         action == kNextPullMode ? model::MouseButton::Left : model::MouseButton::Right);
        tree().setSelected(node);
        break;
    }
    default:
        break;
    }
}

void IoPage::IO_TreeviewDblClick(int node, model::TreeHitPart part) {
    if (part == model::TreeHitPart::Image)
        clicks_.pullModeClick(node, PullModeStep::Next);
}

bool IoPage::IO_TreeviewCollapsing(model::TreeHitPart mouseOver) const {
    return mouseOver != model::TreeHitPart::Image && mouseOver != model::TreeHitPart::StateIcon;
}

void IoPage::OpenDrainButtonClick() {
    auto& panel = *openDrainPanel_;
    panel.setVisible(!panel.visible());
}

void IoPage::QuickSelectorButtonClick() {
    QuickSelectPopupPopup();
    popupRequested.emit(*quickSelectPopup_);
}

void IoPage::QuickSelectPopupPopup() {
    for (std::size_t g = 0; g < quickSelectItems_.size(); ++g)
        quickSelectItems_[g]->setChecked(quick_.groupChecked(static_cast<int>(g)));
}

void IoPage::QuickSelectEntryClick(int tag) {
    auto& t = tree();
    for (int i = 0; i < t.count(); ++i)
        t.setExpanded(i, false);
    // The entry stands for the function node: it is shown and becomes the selected node.
    const int node = tag - kQuickSelectTagBase;
    t.makeVisible(node);
    if (node >= 0 && node < t.count())
        t.setSelected(node);
}

void IoPage::generate(ResultLists& lists) const {
    PinCodeGenerator(device(), lists_, *tree_, *openDrainList_, *fastIo_).generate(lists);
}

} // namespace regforge::periph::io
