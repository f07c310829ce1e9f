#pragma once

#include "io/DataFolders.h"
#include "model/ControlStore.h"
#include "model/EditContext.h"
#include "periph/ClockChain.h"
#include "profile/DeviceState.h"
#include "ui/Ui.h"

namespace regforge::periph {

// What every page reaches: the main window's controls, the loaded device, the user, the
// numeric edit context, the data folders and the clock chain.
struct PageContext {
    model::ControlStore& store;
    profile::DeviceState& device;
    ui::Ui& ui;
    model::EditContext& edit;
    regforge::io::DataFolders folders;
    ClockChain& clocks;
};

} // namespace regforge::periph
