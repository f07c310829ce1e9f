#pragma once

#include "app/Ui.h"
#include "model/ControlStore.h"
#include "model/EditContext.h"
#include "profile/DeviceState.h"

#include <filesystem>

namespace regforge::periph {

// What every page reaches: the main window's controls, the loaded device, the user, the
// numeric edit context and the program folder.
struct PageContext {
    model::ControlStore& store;
    profile::DeviceState& device;
    app::Ui& ui;
    model::EditContext& edit;
    std::filesystem::path programFolder;
};

} // namespace regforge::periph
