#pragma once

#include <string>

namespace regforge::app {

// A line the window's status bar shows for a while after an action, so the user sees what it did.
struct StatusNote {
    std::string text;
    // How long the line stays, in milliseconds.
    int milliseconds = 0;
};

// After "Create code" copied the loaded device's code: where the text went, and which device it
// is for when the device list has another device selected than the one loaded (the code is
// always the loaded device's).
StatusNote codeCopiedNote(const std::string& loadedDevice, const std::string& selectedDevice);

} // namespace regforge::app
