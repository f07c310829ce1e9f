#pragma once

#include "output/ReplaceList.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace regforge::app {

// One point the set-up can go back to: what a save would write, and the replace list being
// edited (its pairs live only in the window until the list is saved). What a save writes is
// kept as one text per record (its lines each ended by "\n"), shared with the step before
// wherever it did not change: a step costs the records it changed, not the whole file.
struct SetupSnapshot {
    using Record = std::shared_ptr<const std::string>;
    std::vector<Record> records;
    std::vector<output::ReplacePair> replacePairs;
    std::string replaceListName;

    bool operator==(const SetupSnapshot& other) const;
    // The lines a save would write.
    std::vector<std::string> lines() const;
};

// The set-ups the user went through since the device was loaded, oldest first, and where the
// window stands among them. A new change after an undo drops the set-ups that were undone.
class UndoHistory {
public:
    explicit UndoHistory(std::size_t limit = 100) : limit_(limit < 2 ? 2 : limit) {}

    // A fresh history holding only `start` (a device load).
    void start(SetupSnapshot start);
    // No history at all (no device).
    void clear();
    // The set-up after a user's change; one equal to the current point adds nothing. True when
    // a step was added.
    bool record(SetupSnapshot now);

    bool canUndo() const { return current_ > 0; }
    bool canRedo() const { return current_ + 1 < steps_.size(); }
    // The set-up to go back to, or nullopt when there is none; the history moves with it.
    std::optional<SetupSnapshot> undo();
    std::optional<SetupSnapshot> redo();

    std::size_t size() const { return steps_.size(); }
    // The step the window stands on; null when there is none.
    const SetupSnapshot* current() const { return steps_.empty() ? nullptr : &steps_[current_]; }
    // The bytes the snapshots hold, each shared record once (what the history costs).
    std::size_t bytes() const;

private:
    std::size_t limit_;
    std::vector<SetupSnapshot> steps_;
    std::size_t current_ = 0;
};

} // namespace regforge::app
