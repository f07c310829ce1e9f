#include "app/UndoHistory.h"

#include <utility>

namespace regforge::app {

void UndoHistory::start(SetupSnapshot start) {
    steps_.clear();
    steps_.push_back(std::move(start));
    current_ = 0;
}

void UndoHistory::clear() {
    steps_.clear();
    current_ = 0;
}

bool UndoHistory::record(SetupSnapshot now) {
    if (steps_.empty()) {
        start(std::move(now));
        return false;
    }
    if (steps_[current_] == now)
        return false;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, steps_.end());
    steps_.push_back(std::move(now));
    // The oldest steps go first; the current one is always the newest here.
    if (steps_.size() > limit_)
        steps_.erase(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(steps_.size() - limit_));
    current_ = steps_.size() - 1;
    return true;
}

std::optional<SetupSnapshot> UndoHistory::undo() {
    if (!canUndo())
        return std::nullopt;
    return steps_[--current_];
}

std::optional<SetupSnapshot> UndoHistory::redo() {
    if (!canRedo())
        return std::nullopt;
    return steps_[++current_];
}

std::size_t UndoHistory::bytes() const {
    std::size_t total = 0;
    for (const auto& step : steps_) {
        total += step.saved.size();
        for (const auto& pair : step.replacePairs)
            total += pair.find.size() + pair.replace.size() + sizeof(output::ReplacePair);
        total += step.replaceListName.size();
    }
    return total;
}

} // namespace regforge::app
