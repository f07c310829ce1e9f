#pragma once

#include "periph/Page.h"
#include "periph/PageContext.h"
#include "profile/ProfileSections.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace regforge::app {

// Loads the device selected in the device list: resets every page, reads the profile,
// derives the device flags and hands the profile to each page's loader in page order.
class DeviceLoader {
public:
    // Loads the lines as the device `name` into a window of its own, which is then dropped; the
    // reason when that load fails. A failing profile thus never touches the window's set-up.
    using TrialLoad =
        std::function<std::optional<std::string>(const std::string& name, const profile::Lines& lines)>;

    DeviceLoader(periph::PageContext& context, const std::vector<std::unique_ptr<periph::Page>>& pages,
                 TrialLoad trial = {});

    // "Load profile". Returns true when the whole profile loaded.
    bool LoadProfileBitBtnClick();
    // Loads the profile at `file` as the device `name` (the picture stays the include
    // folder's): everything "Load profile" does after checking that a device is selected.
    // A load that fails says where and leaves the device and the set-up as they were.
    bool loadProfile(const std::string& name, const std::filesystem::path& file);
    // Resets every page and the device state, then builds the device `name` from `lines`.
    // Throws regforge::Error where the profile cannot be used; what was built then stays.
    void build(const std::string& name, const profile::Lines& lines);

private:
    bool refuse(const std::string& detail);
    void resetPagesAndState();
    void readGlobalSections();
    void readFamilyAndExclusiveFunctions();
    void setVisible(const char* name, bool visible);
    void setEnabled(const char* name, bool enabled);

    periph::PageContext& ctx_;
    const std::vector<std::unique_ptr<periph::Page>>& pages_;
    TrialLoad trial_;
};

} // namespace regforge::app
