#pragma once

#include "output/ReplaceList.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace regforge::app {

// One point the set-up can go back to: what a save would write (its lines joined by "\n": most
// lines are a flag, and a string each would cost ten times the text), and the replace list
// being edited (its pairs live only in the window until the list is saved).
struct SetupSnapshot {
    std::string saved;
    std::vector<output::ReplacePair> replacePairs;
    std::string replaceListName;

    bool operator==(const SetupSnapshot&) const = default;
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
    // The bytes the snapshots hold (what the history costs).
    std::size_t bytes() const;

private:
    std::size_t limit_;
    std::vector<SetupSnapshot> steps_;
    std::size_t current_ = 0;
};

} // namespace regforge::app
