#pragma once

#include "periph/Page.h"
#include "periph/PageContext.h"

#include <filesystem>
#include <functional>
#include <string>

namespace regforge::profile {

// The pages a device load walks, each in its own role.
struct DevicePages {
    periph::Page& io;
    periph::Page& irq;
    periph::Page& adc;
    periph::Page& timer;
    periph::Page& pwm;
    periph::Page& spi;
};

// Loads the device selected in the device list: resets every page, reads the profile,
// derives the device flags and hands the profile to each page's loader in turn.
class DeviceLoader {
public:
    DeviceLoader(periph::PageContext& context, DevicePages pages, std::function<void()> clockRefresh);

    // "Load profile". Returns true when the whole profile loaded.
    bool LoadProfileBitBtnClick();
    // Loads the profile at `file` as the device `name` (the picture stays the include
    // folder's): everything "Load profile" does after checking that a device is selected.
    bool loadProfile(const std::string& name, const std::filesystem::path& file);

private:
    void resetPagesAndState();
    void readGlobalSections();
    void readFamilyAndExclusiveFunctions();
    void showClockPanels(bool timersAndPwm, bool serialPorts);
    void setVisible(const char* name, bool visible);
    void setEnabled(const char* name, bool enabled);

    periph::PageContext& ctx_;
    DevicePages pages_;
    std::function<void()> clockRefresh_;
};

} // namespace regforge::profile
