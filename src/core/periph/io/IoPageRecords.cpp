// The I/O page's part in saved configurations: the pin tree's record and the load's corrections.
#include "periph/io/IoPage.h"

namespace regforge::periph::io {

bool IoPage::saveRecord(const model::Control& control, SavedLines& out) const {
    if (&control == openDrainList_)
        return device().hasIocon;
    if (&control != tree_)
        return false;
    out.push_back(recordHeader(tree_->name()));
    for (const auto& node : tree_->nodes()) {
        out.push_back(std::to_string(node.imageIndex));
        out.push_back(std::to_string(node.stateIndex));
        out.push_back(std::to_string(node.selectedIndex));
    }
    return true;
}

void IoPage::restoreFirst(const SavedRecords& records) {
    if (tree_->count() == 0)
        return;
    const auto saved = records.find(tree_->name());
    if (!saved)
        throw SavedDataError("no pin tree record");
    model::MuteGuard quiet(*tree_);
    for (int i = 0; i < tree_->count(); ++i) {
        const auto first = static_cast<std::size_t>(i) * 3;
        tree_->setImageIndex(i, saved->integer(first + 1));
        tree_->setStateIndex(i, saved->integer(first + 2));
        tree_->setSelectedIndex(i, saved->integer(first + 3));
    }
}

void IoPage::correctLoadedSetup(LoadCorrections& corrections) {
    const auto aligned = alignSharedFields();
    corrections.pinsAligned.insert(corrections.pinsAligned.end(), aligned.begin(), aligned.end());
    if (const auto fastIo = switchOffMissingFastIo())
        corrections.unitsSwitchedOff.push_back(*fastIo);
}

} // namespace regforge::periph::io
