#pragma once

#include "model/Tree.h"
#include "periph/io/PinLists.h"
#include "periph/io/QuickSelector.h"
#include "profile/DeviceState.h"
#include "profile/ProfileSections.h"

#include <string>
#include <vector>

namespace regforge::periph::io {

// Which form of the pin loader runs: PINSEL/PINMODE devices, IOCON devices, and the IOCON form of
// the 13xx family.
enum class PinTreeVariant { Pinsel, Iocon, Iocon13xx };

// Builds the pin tree of a freshly loaded device from its [PINSEL] lines, with the pull-mode,
// direction, option and quick-select data that belong to it. The tree, the lists and the quick
// selector must have been emptied before.
class PinTreeLoader {
public:
    PinTreeLoader(const profile::DeviceState& device, PinTreeVariant variant, model::Tree& tree,
                  PinLists& lists, QuickSelector& quickSelector);

    // Reads [PINMODE], [NOPINMODE], [NOOD], [IODIR] and [PINSEL]. Throws profile::ProfileError when
    // a pin lacks an entry it needs ([IODIR], [IOCON]) or an entry the pin code cannot use.
    void load();

    // The pins offered for open drain, in tree order (PINSEL devices only).
    const std::vector<std::string>& openDrainPins() const { return openDrainPins_; }
    // Indexes of the [PINSEL] lines that gave no pin or lost a function name.
    const std::vector<int>& skippedLines() const { return skipped_; }

private:
    bool iocon() const { return variant_ != PinTreeVariant::Pinsel; }
    void readPullModes();
    // False when the line gave no pin or dropped part of itself.
    bool readPinLine(const std::string& line);
    void addPin(const std::string& name, const std::string& spec);
    void addFunction(const std::string& name, bool selectedAtReset);
    void addOptions(std::size_t pinselLine);
    void addOption(const std::string& token);

    const profile::DeviceState& device_;
    PinTreeVariant variant_;
    model::Tree& tree_;
    PinLists& lists_;
    QuickSelector& quick_;

    profile::Lines noPinMode_;
    profile::Lines noOpenDrain_;
    std::vector<std::string> openDrainPins_;
    std::vector<int> skipped_;
    int currentPin_ = -1;
    // Functions and options under the current pin, which are limited.
    int pinChildren_ = 0;
    int optionTotal_ = 0;
};

} // namespace regforge::periph::io
