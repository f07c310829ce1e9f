#pragma once

#include "periph/Page.h"
#include "periph/SteppedEdit.h"

#include <memory>
#include <vector>

namespace regforge::model {
class Control;
}

namespace regforge::tools {

// The arrow keys the main window looks at before the focused control does.
enum class StepKey { Up, Down };

// Keyboard stepping of the register edits: the main window sees every key press first, and Up
// or Down on an edit a page declared steps its value within the register's limits. The new
// value goes in through the edit's integer setter, so its change handler refreshes the figures.
class KeyboardStepping {
public:
    explicit KeyboardStepping(const std::vector<std::unique_ptr<periph::Page>>& pages);

    // Returns true when the key belongs to a stepped edit (it is then used up, even when the
    // value stays at its limit); false lets the key pass on to the focused control.
    bool keyDown(const model::Control* focused, StepKey key) const;

private:
    const periph::SteppedEdit* find(const model::Control* focused) const;

    const std::vector<std::unique_ptr<periph::Page>>& pages_;
};

} // namespace regforge::tools
