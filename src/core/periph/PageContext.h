#pragma once

#include "app/Ui.h"
#include "io/DataFolders.h"
#include "model/ControlStore.h"
#include "model/EditContext.h"
#include "profile/DeviceState.h"

namespace regforge::periph {

// What every page reaches: the main window's controls, the loaded device, the user, the
// numeric edit context and the data folders.
struct PageContext {
    model::ControlStore& store;
    profile::DeviceState& device;
    app::Ui& ui;
    model::EditContext& edit;
    regforge::io::DataFolders folders;
};

} // namespace regforge::periph
