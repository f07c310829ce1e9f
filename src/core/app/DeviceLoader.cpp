#include "app/DeviceLoader.h"

#include "app/ProfileLoadReport.h"
#include "io/TextFile.h"
#include "model/ComboBox.h"
#include "model/ListControls.h"
#include "profile/DeviceSections.h"
#include "profile/ProfileSections.h"

#include <utility>

namespace regforge::app {

namespace {

// Body lines of these sections must not be empty.
profile::Lines nonEmptyBody(const profile::Lines& lines, const char* header) {
    profile::Lines body = profile::sectionBody(lines, header);
    for (const auto& line : body)
        if (line.empty())
            throw profile::ProfileError(std::string("empty line in ") + header);
    return body;
}

} // namespace

DeviceLoader::DeviceLoader(periph::PageContext& context,
                           const std::vector<std::unique_ptr<periph::Page>>& pages, TrialLoad trial)
    : ctx_(context), pages_(pages), trial_(std::move(trial)) {}

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
                        ui::Icon::Warning, ui::Buttons::Ok);
        return false;
    }
    return loadProfile(name, ctx_.folders.find("include", name + ".ini"));
}

bool DeviceLoader::refuse(const std::string& detail) {
    ctx_.ui.message("Can't open profile", "The profile is missing or can't be opened.\n" + detail,
                    ui::Icon::Error, ui::Buttons::Ok);
    return false;
}

bool DeviceLoader::loadProfile(const std::string& name, const std::filesystem::path& file) {
    profile::Lines lines;
    try {
        lines = io::readLines(file).lines;
    } catch (const regforge::Error& e) {
        return refuse(e.what());
    }
    if (const auto why = notAProfile(file, lines))
        return refuse(*why);
    // The profile is tried on a window of its own first, so a failing one leaves this window's
    // device and set-up exactly as they were.
    if (trial_)
        if (const auto failure = trial_(name, lines))
            return refuse(loadFailureDetail(file, lines, *failure));
    try {
        build(name, lines);
    } catch (const regforge::Error& e) {
        return refuse(loadFailureDetail(file, lines, e.what()));
    }
    setVisible("IO_warning_panel", false);
    setEnabled("LoadConfigButton", true);
    setEnabled("SaveConfigButton", true);
    if (!ctx_.device.skippedLines.empty())
        ctx_.ui.message("Profile lines skipped",
                        "The profile loaded, but the load skipped these lines:\n" +
                            skippedLinesDetail(file, lines, ctx_.device.skippedLines),
                        ui::Icon::Warning, ui::Buttons::Ok);
    return true;
}

void DeviceLoader::build(const std::string& name, const profile::Lines& lines) {
    resetPagesAndState();
    auto& device = ctx_.device;
    device.profileLines = lines;
    std::error_code ec;
    setEnabled("ShowPicture", std::filesystem::exists(ctx_.folders.find("include", name + ".jpg"), ec));
    device.deviceName = name;
    readGlobalSections();
    ctx_.clocks.fillDividerLists();
    readFamilyAndExclusiveFunctions();
    for (const auto& page : pages_)
        page->loadProfile();
    device.includeFile = profile::lineAfter(device.profileLines, profile::kIncludeSection);
    ctx_.clocks.refresh();
}

void DeviceLoader::resetPagesAndState() {
    auto& device = ctx_.device;
    for (const auto& page : pages_)
        page->clearDevice();
    device.profileLines.clear();
    device.ioconLines.clear();
    device.exclusiveFunctions.clear();
    device.skippedLines.clear();
    device.board = {};

    // Each page puts back only its own controls, so the pages reset in page order.
    for (const auto& page : pages_)
        page->reset();
    ctx_.store.get<model::Memo>("Memo1").clear();

    device.singlePclkDivider = false;
    device.pclkDiv13xx = false;
    device.noVicVectCnt = false;
    device.cortexM3 = false;
    device.hasIocon = false;
    device.maxPinFunction = 3;
}

void DeviceLoader::readGlobalSections() {
    auto& device = ctx_.device;
    const profile::Lines& lines = device.profileLines;
    using profile::hasSection;
    if (hasSection(lines, profile::kPclkDividers13xxSection))
        device.pclkDiv13xx = true;
    else if (!hasSection(lines, profile::kPclkDividersSection))
        device.singlePclkDivider = true;
    device.edgeLevelIsr = hasSection(lines, profile::kEdgeLevelIsrSection);
    device.noVicVectCnt = hasSection(lines, profile::kNoVicVectCntSection);
    device.cortexM3 = hasSection(lines, profile::kCortexM3Section);
    device.board = profile::readBoardFacts(lines);
    if (hasSection(lines, profile::kIntWakeSection))
        device.intWakeText = profile::lineAfter(lines, profile::kIntWakeSection);
    if (hasSection(lines, profile::kIoconSection)) {
        device.hasIocon = true;
        device.maxPinFunction = 7;
        device.ioconLines = nonEmptyBody(lines, profile::kIoconSection);
    }
    // The clock panels follow the dividers, the external-interrupt options the edge/level flag.
    for (const auto& page : pages_)
        page->applyDeviceFlags();
}

void DeviceLoader::readFamilyAndExclusiveFunctions() {
    auto& device = ctx_.device;
    const profile::Lines& lines = device.profileLines;
    device.deviceFamily.clear();
    for (const auto& [marker, family] : profile::kFamilyMarkers) {
        if (profile::hasSection(lines, marker)) {
            device.deviceFamily = family;
            break;
        }
    }
    // Only the function name before the first "@" counts here; a line without one adds "".
    for (const auto& line : nonEmptyBody(lines, profile::kExclusiveFunctionsSection)) {
        const auto at = line.find('@');
        device.exclusiveFunctions.push_back(at == std::string::npos ? std::string() : line.substr(0, at));
    }
}

} // namespace regforge::app
