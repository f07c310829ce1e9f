#pragma once

#include "model/ControlStore.h"
#include "output/Compiler.h"
#include "periph/Page.h"
#include "periph/SavedRecords.h"
#include "profile/DeviceState.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regforge::config {

using Lines = periph::SavedLines;
using ConfigDataError = periph::SavedDataError;
using Pages = std::vector<std::unique_ptr<periph::Page>>;

// A saved configuration starts with this exact line, followed by the device name.
inline constexpr std::string_view kProfileHeader = "[profile]";
// The replace record: "1"/"0" for the use button, the replace list's name, then kEndMarker.
inline constexpr std::string_view kReplaceHeader = "[Replace]";
inline constexpr std::string_view kEndMarker = "[]";

// The compiler record: the generated files' compiler ("gcc"), then kEndMarker.
inline constexpr std::string_view kCompilerHeader = "[Compiler]";

// How a configuration load ended.
enum class LoadOutcome {
    Loaded,            // device loaded and every value applied
    Cancelled,         // the user cancelled a dialog or the question; nothing changed
    Unreadable,        // the file could not be read; nothing changed
    NotAConfiguration, // nothing changed
    ProfileNotFound,   // the file's device is not in the device list; nothing changed
    DeviceNotLoaded,   // the device load failed and said so; no value was applied
    DataError,         // a value could not be applied; what was applied stays
};

// The saved lines of the whole window: "[profile]", the device name, one record per saved
// control in declaration order (the pages write their own special records), then the replace
// record.
Lines buildConfiguration(const model::ControlStore& store, const profile::DeviceState& device,
                         const Pages& pages);
// One control's saved lines, written by the page that owns its record or by its kind (none for
// a control a configuration does not keep).
Lines controlRecord(const model::Control& control, const Pages& pages);
// The replace record that ends every configuration.
Lines replaceRecord(const model::ControlStore& store);

// The compiler record, after the replace record: only for a compiler other than Keil, so a
// configuration for Keil is saved exactly as before the choice existed.
Lines compilerRecord(const model::ControlStore& store);
// The compiler a file's record names; Keil without a record or for a name not known.
output::Compiler compilerChoice(const periph::SavedRecords& records);

// Restores every control whose record the file holds, in declaration order, by its page's
// rule or else by its kind; a menu item without a record is unchecked. The controls' handlers
// run as their values are set. Throws ConfigDataError at the first value that cannot be
// applied; what was applied until then stays.
void restoreRecords(const periph::SavedRecords& records, model::ControlStore& store, const Pages& pages);

// What the replace record asks: whether the list is used, and its name.
struct ReplaceChoice {
    bool use = false;
    std::string listName;
};
// The replace record of a file; nullopt when the file has none. Throws ConfigDataError.
std::optional<ReplaceChoice> replaceChoice(const periph::SavedRecords& records);

} // namespace regforge::config
