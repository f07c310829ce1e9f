#pragma once

#include "periph/Page.h"
#include "periph/PageContext.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace regforge::app {

// Loads the device selected in the device list: resets every page, reads the profile,
// derives the device flags and hands the profile to each page's loader in page order.
class DeviceLoader {
public:
    DeviceLoader(periph::PageContext& context, const std::vector<std::unique_ptr<periph::Page>>& pages,
                 const std::vector<periph::PeripheralClockPanel>& clockPanels,
                 std::function<void()> clockRefresh);

    // "Load profile". Returns true when the whole profile loaded.
    bool LoadProfileBitBtnClick();
    // Loads the profile at `file` as the device `name` (the picture stays the include
    // folder's): everything "Load profile" does after checking that a device is selected.
    bool loadProfile(const std::string& name, const std::filesystem::path& file);

private:
    void resetPagesAndState();
    void readGlobalSections();
    void readFamilyAndExclusiveFunctions();
    void setVisible(const char* name, bool visible);
    void setEnabled(const char* name, bool enabled);

    periph::PageContext& ctx_;
    const std::vector<std::unique_ptr<periph::Page>>& pages_;
    const std::vector<periph::PeripheralClockPanel>& clockPanels_;
    std::function<void()> clockRefresh_;
};

} // namespace regforge::app
