#pragma once

#include "Error.h"
#include "model/ControlStore.h"
#include "profile/DeviceState.h"
#include "ui/Ui.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regforge::config {

using Lines = std::vector<std::string>;

// A saved configuration starts with this exact line, followed by the device name.
inline constexpr std::string_view kProfileHeader = "[profile]";
// The replace record: "1"/"0" for the use button, the replace list's name, then kEndMarker.
inline constexpr std::string_view kReplaceHeader = "[Replace]";
inline constexpr std::string_view kEndMarker = "[]";

// The vector slot the interrupt source loader recorded for a source, by the source's name;
// nullopt for a source the loaded device does not have. The interrupt page provides it.
using VectorSlotLookup = std::function<std::optional<int>(const std::string& source)>;

// What restoring needs from the rest of the window. An empty function is skipped, so
// configurations restore whatever part of the window exists.
struct RestoreHooks {
    std::function<void()> refreshClocks;
    // Refills the replace-list list from the replace folder.
    std::function<void()> scanReplaceLists;
    // Drops the active replace list and its name.
    std::function<void()> forgetReplaceList;
    // Loads the list chosen in the replace-list list; true when it gave an active list.
    std::function<bool()> loadReplaceList;
    // The "use replace table" toggle.
    std::function<void()> toggleReplaceUse;
    VectorSlotLookup vectorSlot;
};

// A value of the file that cannot be applied (not a number, a missing line or record, more
// entries than the control holds).
class ConfigDataError : public regforge::Error {
public:
    using regforge::Error::Error;
};

// The saved lines of the whole window: "[profile]", the device name, one record per saved
// control in declaration order, then the replace record.
Lines buildConfiguration(const model::ControlStore& store, const profile::DeviceState& device);
// One control's saved lines (none for a control a configuration does not keep).
Lines controlRecord(const model::Control& control, const profile::DeviceState& device);
// The replace record that ends every configuration.
Lines replaceRecord(const model::ControlStore& store);

// Applies a configuration's lines to the window once its device has been loaded. The first
// value that cannot be applied ends the restoring with a message; what was applied until then
// stays. Returns false in that case.
bool restoreConfiguration(const Lines& file, model::ControlStore& store, ui::Ui& ui,
                          const RestoreHooks& hooks);

} // namespace regforge::config
