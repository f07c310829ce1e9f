#include "profile/DeviceLoader.h"

#include "io/TextFile.h"
#include "model/ComboBox.h"
#include "model/ListControls.h"
#include "periph/timer/ClockRefresh.h"
#include "profile/ProfileSections.h"

#include <array>
#include <utility>

namespace regforge::profile {

namespace {

constexpr const char* kTimerPwmClockPanels[] = {"T0pclk_panel", "T1pclk_panel",   "T2pclk_panel",
                                                "T3pclk_panel", "pwm0pclk_panel", "pwm1pclk_panel"};
constexpr const char* kSerialClockPanels[] = {"SPIpclk_Panel", "SSP0pclk_Panel", "SSP1pclk_Panel",
                                              "SSP2pclk_Panel"};

// Family markers, tested in this order; the first present names the family.
constexpr std::array<std::pair<const char*, const char*>, 6> kFamilies = {{
    {"[LPC21xx]", "21xx"},
    {"[LPC23xx]", "23xx"},
    {"[LPC24xx]", "24xx"},
    {"[LPC175x]", "175x"},
    {"[LPC177x]", "177x"},
    {"[LPC13xx]", "13xx"},
}};

// Body lines of these sections must not be empty.
Lines nonEmptyBody(const Lines& lines, const char* header) {
    Lines body = sectionBody(lines, header);
    for (const auto& line : body)
        if (line.empty())
            throw ProfileError(std::string("empty line in ") + header);
    return body;
}

} // namespace

DeviceLoader::DeviceLoader(periph::PageContext& context, DevicePages pages,
                           std::function<void()> clockRefresh)
    : ctx_(context), pages_(pages), clockRefresh_(std::move(clockRefresh)) {}

void DeviceLoader::setVisible(const char* name, bool visible) {
    if (model::Control* c = ctx_.store.find(name))
        c->setVisible(visible);
}

void DeviceLoader::setEnabled(const char* name, bool enabled) {
    if (model::Control* c = ctx_.store.find(name))
        c->setEnabled(enabled);
}

bool DeviceLoader::LoadProfileBitBtnClick() {
    const std::string name = ctx_.store.get<model::ComboBox>("mcu_ComboBox").text();
    if (name.empty()) {
        ctx_.ui.message("No profile",
                        "Please select a profile from the list.\n"
                        "If no profile is available unzip the downloaded .zip file or \n"
                        "copy the device profiles (*.ini) into the include folder beside the program.",
                        app::Icon::Warning, app::Buttons::Ok);
        return false;
    }
    setVisible("IO_warning_panel", false);
    setEnabled("LoadConfigButton", true);
    setEnabled("SaveConfigButton", true);
    resetPagesAndState();

    try {
        auto& device = ctx_.device;
        device.profileLines = io::readLines(ctx_.folders.find("include", name + ".ini")).lines;
        std::error_code ec;
        setEnabled("ShowPicture", std::filesystem::exists(ctx_.folders.find("include", name + ".jpg"), ec));
        device.deviceName = name;
        readGlobalSections();
        periph::timer::fillDividerLists(ctx_.store, device);
        readFamilyAndExclusiveFunctions();
        pages_.io.loadProfile();
        pages_.irq.loadProfile();
        pages_.adc.loadProfile();
        pages_.timer.loadProfile();
        pages_.pwm.loadProfile();
        pages_.spi.loadProfile();
        device.includeFile = lineAfter(device.profileLines, "[INCLUDE]");
        clockRefresh_();
    } catch (const std::exception&) {
        ctx_.ui.message("Can't open profile", "The profile is missing or can't be opened.", app::Icon::Error,
                        app::Buttons::Ok);
        return false;
    }
    return true;
}

void DeviceLoader::resetPagesAndState() {
    auto& device = ctx_.device;
    pages_.io.clearDevice();
    pages_.irq.clearDevice();
    device.profileLines.clear();
    device.ioconLines.clear();
    device.exclusiveFunctions.clear();

    pages_.adc.reset();
    pages_.timer.reset();
    pages_.pwm.reset();
    pages_.spi.reset();
    ctx_.store.get<model::Memo>("Memo1").clear();
    pages_.io.reset();
    pages_.irq.reset();

    device.singlePclkDivider = false;
    device.pclkDiv13xx = false;
    device.noVicVectCnt = false;
    device.cortexM3 = false;
    device.hasIocon = false;
    device.maxPinFunction = 3;
}

void DeviceLoader::showClockPanels(bool timersAndPwm, bool serialPorts) {
    for (const char* panel : kTimerPwmClockPanels)
        setVisible(panel, timersAndPwm);
    for (const char* panel : kSerialClockPanels)
        setVisible(panel, serialPorts);
}

void DeviceLoader::readGlobalSections() {
    auto& device = ctx_.device;
    const Lines& lines = device.profileLines;
    if (hasSection(lines, "[MULTIPLEPCLKDIV13XX]")) {
        device.pclkDiv13xx = true;
        showClockPanels(false, true);
    } else if (hasSection(lines, "[MULTIPLEPCLKDIV]")) {
        showClockPanels(true, true);
    } else {
        device.singlePclkDivider = true;
        showClockPanels(false, false);
    }
    device.edgeLevelIsr = hasSection(lines, "[EDGELEVELISR]");
    setVisible("GroupBox1", !device.edgeLevelIsr);
    device.noVicVectCnt = hasSection(lines, "[NOVICVECTCNT]");
    device.cortexM3 = hasSection(lines, "[CORTEXM3]");
    if (hasSection(lines, "[INTWAKE]"))
        device.intWakeText = lineAfter(lines, "[INTWAKE]");
    if (hasSection(lines, "[IOCON]")) {
        device.hasIocon = true;
        device.maxPinFunction = 7;
        device.ioconLines = nonEmptyBody(lines, "[IOCON]");
    }
}

void DeviceLoader::readFamilyAndExclusiveFunctions() {
    auto& device = ctx_.device;
    const Lines& lines = device.profileLines;
    device.deviceFamily.clear();
    for (const auto& [marker, family] : kFamilies) {
        if (hasSection(lines, marker)) {
            device.deviceFamily = family;
            break;
        }
    }
    // Only the function name before the first "@" counts here; a line without one adds "".
    for (const auto& line : nonEmptyBody(lines, "[EXCLUSIVEFUNCTIONS]")) {
        const auto at = line.find('@');
        device.exclusiveFunctions.push_back(at == std::string::npos ? std::string() : line.substr(0, at));
    }
}

} // namespace regforge::profile
