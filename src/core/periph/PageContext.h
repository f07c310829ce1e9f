#pragma once

#include "model/ControlStore.h"
#include "model/EditContext.h"
#include "periph/CommonClock.h"
#include "profile/DeviceState.h"
#include "ui/Ui.h"

#include <filesystem>

namespace regforge::periph {

// What every page reaches: the main window's controls, the loaded device, the user, the
// numeric edit context, the shared clock bar and the program folder.
struct PageContext {
    model::ControlStore& store;
    profile::DeviceState& device;
    ui::Ui& ui;
    model::EditContext& edit;
    std::filesystem::path programFolder;
    CommonClock clock{};
};

} // namespace regforge::periph
