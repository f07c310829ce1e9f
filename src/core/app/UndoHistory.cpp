#include "app/UndoHistory.h"

#include <set>
#include <utility>

namespace regforge::app {

bool SetupSnapshot::operator==(const SetupSnapshot& other) const {
    if (records.size() != other.records.size() || replacePairs != other.replacePairs ||
        replaceListName != other.replaceListName)
        return false;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i] != other.records[i] && *records[i] != *other.records[i])
            return false;
    return true;
}

std::vector<std::string> SetupSnapshot::lines() const {
    std::vector<std::string> out;
    for (const auto& record : records)
        for (std::size_t start = 0, end; (end = record->find('\n', start)) != std::string::npos;
             start = end + 1)
            out.push_back(record->substr(start, end - start));
    return out;
}

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
    std::set<const std::string*> counted;
    for (const auto& step : steps_) {
        total += step.records.size() * sizeof(SetupSnapshot::Record);
        for (const auto& record : step.records)
            if (counted.insert(record.get()).second)
                total += record->size();
        for (const auto& pair : step.replacePairs)
            total += pair.find.size() + pair.replace.size() + sizeof(output::ReplacePair);
        total += step.replaceListName.size();
    }
    return total;
}

} // namespace regforge::app
