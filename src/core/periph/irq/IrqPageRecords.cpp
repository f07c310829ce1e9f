// The Interrupts page's part in saved configurations: the GPIO interrupt tree's records, the
// external-interrupt combos' item texts, the fixed-slot list and the load's corrections.
#include "periph/irq/IrqPage.h"

namespace regforge::periph::irq {

namespace {

// The GPIO interrupt tree's edge/level images, one line per node: a record of its own after the
// tree's, so files without it load as before.
std::string edgeLevelRecordName(const std::string& tree) {
    return tree + "_EdgeLevel";
}

void appendStateFlags(SavedLines& out, const model::Control& c) {
    out.emplace_back(c.enabled() ? "1" : "0");
    out.emplace_back(c.visible() ? "1" : "0");
}

} // namespace

bool IrqPage::isEintCombo(const model::Control& control) const {
    for (const auto& row : eint_)
        if (&control == row.mode || &control == row.polarity)
            return true;
    return false;
}

bool IrqPage::saveRecord(const model::Control& control, SavedLines& out) const {
    if (&control == gpioTree_) {
        out.push_back(recordHeader(gpioTree_->name()));
        for (const auto& node : gpioTree_->nodes())
            out.push_back(std::to_string(node.stateIndex));
        out.push_back(recordHeader(edgeLevelRecordName(gpioTree_->name())));
        for (const auto& node : gpioTree_->nodes())
            out.push_back(std::to_string(node.imageIndex));
        return true;
    }
    if (!isEintCombo(control))
        return false;
    const auto& combo = static_cast<const model::ComboBox&>(control);
    out.push_back(recordHeader(combo.name()));
    out.push_back(std::to_string(combo.itemIndex()));
    appendStateFlags(out, combo);
    // Every record of a kind has the same length, so a short item list writes blanks.
    for (std::size_t i = 0; i < 2; ++i)
        out.push_back(i < combo.items().size() ? combo.items()[i] : std::string());
    return true;
}

void IrqPage::beforeRestore() {
    for (const auto& row : eint_)
        quietModes_.push_back(std::make_unique<model::MuteGuard>(*row.mode));
}

void IrqPage::restoreFirst(const SavedRecords& records) {
    const auto saved = records.find(gpioTree_->name());
    if (!saved)
        return;
    model::MuteGuard quiet(*gpioTree_);
    for (int i = 0; i < gpioTree_->count(); ++i)
        gpioTree_->setStateIndex(i, saved->integer(static_cast<std::size_t>(i) + 1));
    // Only an edge or a level image is taken: other values leave the node as loaded.
    if (const auto images = records.find(edgeLevelRecordName(gpioTree_->name()))) {
        for (int i = 0; i < gpioTree_->count(); ++i) {
            const int image = images->integer(static_cast<std::size_t>(i) + 1);
            if (image == kGpioEdgeImage || image == kGpioLevelImage)
                gpioTree_->setImageIndex(i, image);
        }
    }
}

bool IrqPage::restoreRecord(model::Control& control, const SavedRecord& saved) {
    // The device decides the sources.
    if (&control == sourceCombo_)
        return true;
    if (&control == slots_) {
        restoreSlotList(saved);
        return true;
    }
    if (!isEintCombo(control))
        return false;
    auto& combo = static_cast<model::ComboBox&>(control);
    combo.setItems({saved.line(4), saved.line(5)});
    combo.setItemIndex(saved.integer(1));
    combo.setEnabled(saved.flag(2));
    combo.setVisible(saved.flag(3));
    return true;
}

void IrqPage::restoreSlotList(const SavedRecord& saved) {
    const SavedLines body = saved.body();
    // Both add buttons show on a device whose list has fixed vector slots.
    if (!fastIrqButton_->visible() || !vectorIrqButton_->visible()) {
        slots_->setItems(body);
        return;
    }
    // The fixed-slot list keeps its length: the fast interrupt entry first, then each
    // source in the vector slot its device records for it.
    if (body.empty())
        return;
    if (slots_->count() == 0)
        throw SavedDataError("the interrupt list has no fast interrupt entry");
    slots_->setItem(0, body[0]);
    for (std::size_t i = 1; i < body.size(); ++i) {
        if (body[i] == kFreeSlot)
            continue;
        const auto slot = sources_.channelNumber(body[i]);
        if (!slot || *slot < 0 || *slot + 1 >= slots_->count())
            throw SavedDataError("no vector slot for " + body[i]);
        slots_->setItem(*slot + 1, body[i]);
    }
}

void IrqPage::correctLoadedSetup(LoadCorrections& corrections) {
    const auto append = [](std::vector<std::string>& to, const std::vector<std::string>& names) {
        to.insert(to.end(), names.begin(), names.end());
    };
    append(corrections.sourcesFreed, freeUnknownSources());
    append(corrections.entriesDropped, fitSlotList());
    append(corrections.unitsSwitchedOff, switchOffMissingEints());
}

} // namespace regforge::periph::irq
