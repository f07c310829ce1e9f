#include "periph/irq/IrqPage.h"

#include "periph/irq/ExternalInterruptGenerator.h"
#include "periph/irq/InterruptSections.h"
#include "periph/irq/VectorGenerator.h"
#include "profile/ProfileSections.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <string>
#include <vector>

namespace regforge::periph::irq {

using model::CheckBox;
using model::ComboBox;
using model::Control;
using model::ControlKind;

namespace {

constexpr model::Colour kDarkRed = 0x800000u;
// Sources in a vector slot are drawn red, the fast interrupt source blue.
constexpr model::Colour kVectorColour = 0xFF0000u;
constexpr model::Colour kFastColour = 0x0F8FEEu;

constexpr const char* kSourcesCaptionSlots = "Available interrupt sources ( Red=Vector IRQ, Blue=FIQ)";
constexpr const char* kSourcesCaptionList = "Available interrupt sources ( click button to add )";

constexpr std::array<const char*, 4> kInfoTexts = {
    "Use X to remove selected interrupts from the list", "Use the arrows to move selected interrupts up/down",
    "Select vectors in the list to insert ISR in specific position",
    "The application supports only one fast ISR peripheral"};

// The EINT row a source name stands for ("EINT2..." gives 2), or -1.
int eintRowOf(const std::string& name) {
    for (int n = 0; n < kEintCount; ++n)
        if (name.rfind("EINT" + std::to_string(n), 0) == 0)
            return n;
    return -1;
}

} // namespace

IrqPage::IrqPage(PageContext& context) : Page(context) {
    auto* page = store().find(kPage);
    declareSourceControls(page);
    declareEintRows(page);
    declareGpioTree(page);
    connectHandlers();
}

std::vector<std::string> IrqPage::freeUnknownSources() {
    std::vector<std::string> unknown;
    for (int e = 0; e < slots_->count(); ++e) {
        const std::string item = slots_->items()[static_cast<std::size_t>(e)];
        if (item != kFreeSlot && sources_.indexOf(item) < 0) {
            unknown.push_back(item);
            slots_->setItem(e, kFreeSlot);
        }
    }
    return unknown;
}

std::vector<std::string> IrqPage::fitSlotList() {
    const auto length = static_cast<std::size_t>(vectorSlotCount(device().profileLines)) + 1;
    const auto& items = slots_->items();
    std::vector<std::string> kept;
    std::vector<std::string> dropped;
    std::set<std::string> seen;
    std::set<std::string> named;
    for (const auto& item : items) {
        if (item == kFreeSlot) {
            if (kept.size() < length)
                kept.push_back(item);
            continue;
        }
        const bool first = seen.insert(item).second;
        if (kept.size() < length && first) {
            kept.push_back(item);
            continue;
        }
        // A VIC slot keeps its place; the NVIC list closes up, as it enables up to its first gap.
        if (kept.size() < length && !device().cortexM3)
            kept.push_back(kFreeSlot);
        if (named.insert(item).second)
            dropped.push_back(item);
    }
    if (dropped.empty())
        return dropped;
    kept.resize(length, kFreeSlot);
    slots_->setItems(std::move(kept));
    sourceCombo_->restyle();
    return dropped;
}

std::vector<std::string> IrqPage::switchOffMissingEints() {
    std::vector<std::string> off;
    if (!device().edgeLevelIsr)
        return off;
    for (int n = 0; n < kEintCount; ++n) {
        auto& row = eint_[static_cast<std::size_t>(n)];
        if (!row.used() && !row.wake->checked())
            continue;
        off.push_back(row.label->caption());
        setEintRowEnabled(n, false, true);
        row.wake->setChecked(false);
    }
    return off;
}

void IrqPage::declareSourceControls(Control* page) {
    auto& s = store();
    sourcesLabel_ = &s.addPlain(ControlKind::Label, kSourcesLabel, page, kSourcesCaptionSlots);
    sourceCombo_ = &s.add<ComboBox>(kSourceCombo, page);
    sourceCombo_->setTag(-1); // the device decides the sources: never saved
    sourceCombo_->setDropDownCount(30);
    descriptionLabel_ = &s.addPlain(ControlKind::Label, kDescriptionLabel, page);
    descriptionLabel_->setFontColour(kDarkRed);
    descriptionLabel_->setBold(true);
    addButton_ = &s.addPlain(ControlKind::Button, kAddButton, page);
    addButton_->setHint("Add to the first free slot or to the selected free slot");
    vectorIrqButton_ = &s.addPlain(ControlKind::Button, kVectorIrqButton, page);
    vectorIrqButton_->setHint("Add as Vector IRQ");
    vectorIrqButton_->setVisible(false);
    fastIrqButton_ = &s.addPlain(ControlKind::Button, kFastIrqButton, page);
    fastIrqButton_->setHint("Add as Fast IRQ");
    fastIrqButton_->setVisible(false);
    slots_ = &s.add<model::Playlist>(kSlotList, page);
    slots_->setNumberOffset(-1);
    freeButton_ = &s.addPlain(ControlKind::Button, kFreeButton, page, "X");
    freeButton_->setHint("Remove the selected interrupts from the list");
    moveUpButton_ = &s.addPlain(ControlKind::Button, kMoveUpButton, page);
    moveUpButton_->setHint("Move the selected interrupts up");
    moveDownButton_ = &s.addPlain(ControlKind::Button, kMoveDownButton, page);
    moveDownButton_->setHint("Move the selected interrupts down");
    fiqLegend_ = &s.addPlain(ControlKind::StaticText, kFiqLegend, page, "-1 = Fast Interrupt reQuest (FIQ)");
    slotLegend_ = &s.addPlain(ControlKind::StaticText, kSlotLegend, page, "0 - 31 = Vectored IRQ slots");
    for (std::size_t i = 0; i < kInfoLabels.size(); ++i)
        infoLabels_[i] = &s.addPlain(ControlKind::Label, kInfoLabels[i], page, kInfoTexts[i]);
}

void IrqPage::declareEintRows(Control* page) {
    auto& s = store();
    eintGroup_ = &s.addPlain(ControlKind::GroupBox, kEintGroup, page,
                             "External Interrupt options (enabled when EINTx added to the IRQ vector list)");
    for (int n = 0; n < kEintCount; ++n) {
        auto& row = eint_[static_cast<std::size_t>(n)];
        const std::string d = std::to_string(n);
        row.label = &s.addPlain(ControlKind::Label, eintLabelName(n), eintGroup_, "Ext. interrupt " + d);
        row.label->setEnabled(false);
        row.mode = &s.add<ComboBox>(eintModeName(n), eintGroup_);
        row.mode->setItems({"Level sensitivity", "Edge sensitivity"});
        row.mode->setItemIndex(0);
        row.mode->setTag(kEintModeTag + 2 * n);
        row.mode->setEnabled(false);
        row.polarity = &s.add<ComboBox>(eintPolarityName(n), eintGroup_);
        row.polarity->setItems({"Active low", "Active high"});
        row.polarity->setItemIndex(0);
        row.polarity->setTag(kEintModeTag + 2 * n + 1);
        row.polarity->setEnabled(false);
        row.wake = &s.add<CheckBox>(eintWakeName(n), eintGroup_);
        row.wake->setCaption("EXTWAKE" + d);
        row.wake->setHint("When 1, assertion of the EINT" + d +
                          " will wake up the processor from power down mode, 0 disabled");
        row.wake->setEnabled(false);
    }
}

void IrqPage::declareGpioTree(Control* page) {
    auto& s = store();
    gpioTopPanel_ = &s.addPlain(ControlKind::Panel, kGpioTopPanel, page);
    gpioLeftPanel_ = &s.addPlain(ControlKind::Panel, kGpioLeftPanel, page);
    gpioLabel_ = &s.addPlain(ControlKind::Label, kGpioLabel, page, "GPIO interrupt, trigger edge");
    gpioTree_ = &s.add<model::Tree>(kGpioTree, page);
    gpioTree_->setStateImageList(kGpioImageList);
    gpioLegend_ = &s.addPlain(ControlKind::Panel, kGpioLegend, page);
    gpioLegendLevels_ = &s.addPlain(ControlKind::Panel, kGpioLegendLevels, page);
    gpioLegendEdgeLevel_ = &s.addPlain(ControlKind::Panel, kGpioLegendEdgeLevel, page);
    for (Control* c : {gpioTopPanel_, gpioLeftPanel_, gpioLabel_, static_cast<Control*>(gpioTree_),
                       gpioLegend_, gpioLegendLevels_, gpioLegendEdgeLevel_})
        c->setVisible(false);
}

void IrqPage::connectHandlers() {
    addButton_->clicked.connect([this](Control&) { addSourceClick(); });
    moveUpButton_->clicked.connect([this](Control&) { moveUpClick(); });
    moveDownButton_->clicked.connect([this](Control&) { moveDownClick(); });
    freeButton_->clicked.connect([this](Control&) { freeEntriesClick(); });
    fastIrqButton_->clicked.connect([this](Control&) { addFastIrqClick(); });
    vectorIrqButton_->clicked.connect([this](Control&) { addVectorIrqClick(); });
    sourceCombo_->changed.connect([this](Control&) { ISR_ComboBoxChange(); });
    sourceCombo_->setItemStyler([this](int, const std::string& item) { return sourceStyle(item); });
    // The drop-down's colours follow the list however it changes (a loaded configuration too).
    slots_->changed.connect([this](Control&) { sourceCombo_->restyle(); });
    for (int n = 0; n < kEintCount; ++n) {
        auto& row = eint_[static_cast<std::size_t>(n)];
        row.mode->changed.connect([this, n](Control&) { EXTMODE0_comboChange(n); });
        // The row's label is not saved: it follows its mode combo, also when a file enables it.
        row.mode->viewChanged.connect([&row](const Control&, model::Aspect aspect, int) {
            if (aspect == model::Aspect::Enabled)
                row.label->setEnabled(row.mode->enabled());
        });
    }
    gpioTree_->nodeClicked.connect(
        [this](model::Tree&, int node, model::TreeHitPart part, model::MouseButton button) {
            GPIOISR_TreeViewClick(node, part, button);
        });
    gpioTree_->nodeDoubleClicked.connect(
        [this](model::Tree&, int node, model::TreeHitPart part) { GPIOISR_TreeViewDblClick(node, part); });
    gpioTree_->keyPressed.connect([this](model::Tree&, char key) { GPIOISR_TreeViewKeyPress(key); });
    gpioTree_->setIconHint([this](int, model::TreeHitPart part) -> std::string {
        if (part == model::TreeHitPart::StateIcon)
            return "Click to change the trigger: disabled, falling, both, rising";
        if (part == model::TreeHitPart::Image && device().edgeLevelIsr)
            return "Click to switch between edge (E) and level (L) sensitive";
        return {};
    });
}

void IrqPage::clearDevice() {
    sourceCombo_->clearItems();
    slots_->setItems({});
    sources_.clear();
}

void IrqPage::reset() {
    for (int n = 0; n < kEintCount; ++n) {
        auto& row = eint_[static_cast<std::size_t>(n)];
        row.label->setEnabled(false);
        row.mode->setEnabled(false);
        row.polarity->setEnabled(false);
        row.mode->setItemIndex(0);
        EXTMODE0_comboChange(n);
    }
    for (auto& row : eint_) {
        row.wake->setChecked(false);
        row.wake->setEnabled(false);
    }
}

void IrqPage::applyDeviceFlags() {
    Page::applyDeviceFlags();
    eintGroup_->setVisible(!device().edgeLevelIsr);
    gpioTree_->setImageList(device().edgeLevelIsr ? kGpioImageList : "");
}

void IrqPage::LoadInterruptSources() {
    const auto& lines = device().profileLines;
    descriptionLabel_->setCaption("");
    sources_.clear();
    gpioTree_->clear();
    slots_->setNumbersShown(true);

    std::vector<std::string> names;
    for (const auto& line : profile::sectionBody(lines, kSourcesSection)) {
        const auto comma = line.find(',');
        if (comma == std::string::npos) {
            names.push_back(line);
            sources_.channels.push_back(line);
        } else {
            names.push_back(line.substr(comma + 1));
            sources_.channels.push_back(line.substr(0, comma));
        }
    }
    if (profile::hasSection(lines, kDescriptionsSection))
        sources_.descriptions = profile::sectionBody(lines, kDescriptionsSection);
    sources_.names = names;
    sourceCombo_->setItems(std::move(names));

    const int slotCount = vectorSlotCount(lines);
    slots_->setItems(std::vector<std::string>(static_cast<std::size_t>(slotCount) + 1, kFreeSlot));
    if (profile::hasSection(lines, kVectorSlotsSection) && device().cortexM3)
        slots_->setNumbersShown(false);
    slotLegend_->setCaption("0 - " + std::to_string(slotCount - 1) + " = Vectored IRQ slots");

    // Fixed slots (the channel is the slot) have no order to change.
    const bool fixedSlots = device().noVicVectCnt;
    moveUpButton_->setVisible(!fixedSlots);
    moveDownButton_->setVisible(!fixedSlots);
    infoLabels_[1]->setVisible(!fixedSlots);
    infoLabels_[2]->setVisible(!fixedSlots);
    fastIrqButton_->setVisible(fixedSlots);
    vectorIrqButton_->setVisible(fixedSlots);

    sourcesLabel_->setCaption(kSourcesCaptionSlots);
    const bool nvic = device().cortexM3;
    if (nvic) {
        fastIrqButton_->setVisible(false);
        sourcesLabel_->setCaption(kSourcesCaptionList);
    }
    fiqLegend_->setVisible(!nvic);
    slotLegend_->setVisible(!nvic);
    infoLabels_[3]->setVisible(!nvic);

    loadGpioTree(profile::hasSection(lines, kGpioInterruptSection));
}

void IrqPage::loadGpioTree(bool present) {
    const bool edgeLevel = device().edgeLevelIsr;
    gpioTree_->setVisible(present);
    gpioLabel_->setVisible(present);
    gpioLegend_->setVisible(present);
    gpioLeftPanel_->setVisible(present);
    gpioTopPanel_->setVisible(present);
    gpioLegendEdgeLevel_->setVisible(present && edgeLevel);
    gpioLegendLevels_->setVisible(present && edgeLevel);
    if (!present)
        return;
    for (const auto& line : profile::sectionBody(device().profileLines, kGpioInterruptSection)) {
        if (line.empty() || line[0] != 'P')
            continue;
        const int node = gpioTree_->addNode(-1, line);
        gpioTree_->setStateIndex(node, kGpioDisabled);
        if (edgeLevel)
            gpioTree_->setImageIndex(node, kGpioEdgeImage);
    }
}

bool IrqPage::listed(const std::string& name) const {
    const auto& items = slots_->items();
    return std::find(items.begin(), items.end(), name) != items.end();
}

// After a source was placed at `index`: its EINT row, the drop-down colours, the scroll position.
void IrqPage::placed(int index) {
    UpdateEintOptions();
    sourceCombo_->restyle();
    slots_->scrollTo(index < 17 ? 0 : 16);
}

void IrqPage::addSourceClick() {
    const std::string name = sourceCombo_->text();
    if (name.empty() || listed(name))
        return;
    bool anySelected = false;
    for (int e = 0; e < slots_->count(); ++e)
        anySelected = anySelected || slots_->selected(e);
    int target = -1;
    if (anySelected) {
        for (int e = 0; e < slots_->count() && target < 0; ++e) {
            if (!slots_->selected(e))
                continue;
            slots_->setSelected(e, false);
            if (slots_->items()[static_cast<std::size_t>(e)] == kFreeSlot)
                target = e;
        }
    } else {
        // The fast interrupt entry is only filled when the user selects it. An NVIC list has no
        // such entry and is written up to its first free entry, so there it fills from the top.
        for (int e = device().cortexM3 ? 0 : 1; e < slots_->count() && target < 0; ++e)
            if (slots_->items()[static_cast<std::size_t>(e)] == kFreeSlot)
                target = e;
    }
    if (target < 0)
        return;
    slots_->setItem(target, name);
    placed(target);
}

void IrqPage::addVectorIrqClick() {
    const std::string name = sourceCombo_->text();
    if (name.empty() || name[0] == '-')
        return;
    if (device().cortexM3) {
        if (listed(name))
            return;
        for (int e = 0; e < slots_->count(); ++e) {
            if (slots_->items()[static_cast<std::size_t>(e)] == kFreeSlot) {
                slots_->setItem(e, name);
                UpdateEintOptions();
                sourceCombo_->restyle();
                slots_->scrollTo(e > 15 ? e - 15 : 0);
                return;
            }
        }
        return;
    }
    // A channel that is no slot of the list leaves the list as it is.
    const auto channel = sources_.channelNumber(name);
    if (!channel || *channel + 1 >= slots_->count())
        return;
    const int p = *channel + 1;
    slots_->setItem(p, name);
    if (slots_->items()[0] == name)
        slots_->setItem(0, kFreeSlot);
    placed(p);
}

void IrqPage::addFastIrqClick() {
    const std::string name = sourceCombo_->text();
    if (name.empty())
        return;
    const auto channel = sources_.channelNumber(name);
    if (!channel || *channel + 1 >= slots_->count())
        return;
    slots_->setItem(*channel + 1, kFreeSlot);
    const std::string previous = slots_->items()[0];
    if (previous != kFreeSlot && previous != name) {
        const auto home = sources_.channelNumber(previous);
        if (home && *home + 1 < slots_->count())
            slots_->setItem(*home + 1, previous);
    }
    slots_->setItem(0, name);
    UpdateEintOptions();
    sourceCombo_->restyle();
    slots_->scrollTo(0);
}

void IrqPage::freeEntriesClick() {
    bool anySelected = false;
    for (int e = 0; e < slots_->count(); ++e) {
        if (!slots_->selected(e))
            continue;
        anySelected = true;
        const int row = eintRowOf(slots_->items()[static_cast<std::size_t>(e)]);
        if (row >= 0)
            setEintRowEnabled(row, false, true);
        slots_->setItem(e, kFreeSlot);
    }
    if (!anySelected)
        return;
    if (device().cortexM3) {
        // The NVIC list is an enabling order without gaps.
        std::vector<std::string> used;
        for (const auto& item : slots_->items())
            if (item != kFreeSlot)
                used.push_back(item);
        used.resize(slots_->items().size(), kFreeSlot);
        slots_->setItems(std::move(used));
    }
    sourceCombo_->restyle();
}

void IrqPage::moveUpClick() {
    for (int e = 1; e < slots_->count(); ++e) {
        if (!slots_->selected(e) || slots_->selected(e - 1))
            continue;
        const std::string upper = slots_->items()[static_cast<std::size_t>(e - 1)];
        slots_->setItem(e - 1, slots_->items()[static_cast<std::size_t>(e)]);
        slots_->setItem(e, upper);
        slots_->setSelected(e - 1, true);
        slots_->setSelected(e, false);
    }
    sourceCombo_->restyle();
}

void IrqPage::moveDownClick() {
    for (int e = slots_->count() - 2; e >= 0; --e) {
        if (!slots_->selected(e) || slots_->selected(e + 1))
            continue;
        const std::string lower = slots_->items()[static_cast<std::size_t>(e + 1)];
        slots_->setItem(e + 1, slots_->items()[static_cast<std::size_t>(e)]);
        slots_->setItem(e, lower);
        slots_->setSelected(e + 1, true);
        slots_->setSelected(e, false);
    }
    sourceCombo_->restyle();
}

void IrqPage::setEintRowEnabled(int n, bool enabled, bool withWake) {
    auto& row = eint_[static_cast<std::size_t>(n)];
    row.mode->setEnabled(enabled);
    row.polarity->setEnabled(enabled);
    row.label->setEnabled(enabled);
    if (withWake)
        row.wake->setEnabled(enabled);
}

void IrqPage::UpdateEintOptions() {
    if (device().edgeLevelIsr)
        return;
    const int row = eintRowOf(sourceCombo_->text());
    if (row >= 0)
        setEintRowEnabled(row, true, !device().cortexM3);
}

void IrqPage::ISR_ComboBoxChange() {
    const std::string name = sourceCombo_->text();
    const int index = sourceCombo_->itemIndex();
    if (sources_.described() && !name.empty() && index >= 0 &&
        static_cast<std::size_t>(index) < sources_.descriptions.size())
        descriptionLabel_->setCaption(sources_.descriptions[static_cast<std::size_t>(index)]);
    else
        descriptionLabel_->setCaption("");
}

void IrqPage::EXTMODE0_comboChange(int row) {
    auto& r = eint_.at(static_cast<std::size_t>(row));
    if (r.mode->itemIndex() == 1)
        r.polarity->setItems({"Falling edge", "Rising edge"});
    else
        r.polarity->setItems({"Active low", "Active high"});
    r.polarity->setItemIndex(0);
}

void IrqPage::advanceGpioState(int node) {
    if (node < 0 || node >= gpioTree_->count())
        return;
    const int state = gpioTree_->node(node).stateIndex;
    if (state < kGpioDisabled || state > kGpioRising)
        return;
    gpioTree_->setStateIndex(node, state == kGpioRising ? kGpioDisabled : state + 1);
}

void IrqPage::GPIOISR_TreeViewClick(int node, model::TreeHitPart part, model::MouseButton button) {
    if (button != model::MouseButton::Left || node < 0 || node >= gpioTree_->count())
        return;
    // A click selects the row, so the space bar works on the pin last clicked.
    gpioTree_->setSelected(node);
    if (part == model::TreeHitPart::StateIcon) {
        advanceGpioState(node);
    } else if (part == model::TreeHitPart::Image) {
        const int image = gpioTree_->node(node).imageIndex;
        if (image == kGpioEdgeImage)
            gpioTree_->setImageIndex(node, kGpioLevelImage);
        else if (image == kGpioLevelImage)
            gpioTree_->setImageIndex(node, kGpioEdgeImage);
    }
}

void IrqPage::GPIOISR_TreeViewDblClick(int node, model::TreeHitPart part) {
    if (part == model::TreeHitPart::StateIcon)
        advanceGpioState(node);
}

void IrqPage::GPIOISR_TreeViewKeyPress(char key) {
    if (key == ' ')
        advanceGpioState(gpioTree_->selected());
}

model::ItemStyle IrqPage::sourceStyle(const std::string& item) const {
    const auto& items = slots_->items();
    for (std::size_t e = 0; e < items.size(); ++e) {
        if (items[e] != item)
            continue;
        if (e == 0 && !device().cortexM3)
            return {kFastColour, true};
        return {kVectorColour, true};
    }
    return {};
}

void IrqPage::generate(ResultLists& lists) const {
    generateExternalInterruptCode(eint_, *gpioTree_, device(), lists);
    if (device().cortexM3)
        generateNvicCode(slots_->items(), sources_, device().profileLines, lists);
    else
        generateVicCode(slots_->items(), sources_, device(), lists);
}

} // namespace regforge::periph::irq
