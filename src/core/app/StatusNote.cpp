#include "app/StatusNote.h"

namespace regforge::app {

namespace {
constexpr int kCopiedNoteTime = 4000;
// A note that corrects a likely mistake stays long enough to be read whole.
constexpr int kOtherDeviceNoteTime = 12000;
} // namespace

StatusNote codeCopiedNote(const std::string& loadedDevice, const std::string& selectedDevice) {
    if (selectedDevice.empty() || selectedDevice == loadedDevice)
        return {"Code for " + loadedDevice + " copied to the clipboard", kCopiedNoteTime};
    return {"Code for " + loadedDevice + " copied to the clipboard: it is for the loaded device, not for " +
                selectedDevice + " selected in the device list (press \"Load profile\" to switch)",
            kOtherDeviceNoteTime};
}

} // namespace regforge::app
