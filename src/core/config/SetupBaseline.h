#pragma once

#include "config/ConfigFile.h"
#include "model/ControlStore.h"
#include "profile/DeviceState.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace regforge::config {

// What a save wrote or a load read last, and whether a save would now write anything else.
// Every control reports its changes, so a comparison rereads only the controls changed since
// the one before: the window's title stays cheap however many controls the window holds.
class SetupBaseline {
public:
    // Listens to every control of `store`; the store's controls are all declared.
    SetupBaseline(const model::ControlStore& store, const profile::DeviceState& device, const Pages& pages);
    SetupBaseline(const SetupBaseline&) = delete;
    SetupBaseline& operator=(const SetupBaseline&) = delete;

    // What a save would write now becomes the point of comparison.
    void take();
    // No saved set-up matches the window any more (a load that stopped midway).
    void forget();
    // Whether a save would write something other than the point of comparison. No device,
    // no set-up to lose.
    bool differs();
    // How many control notifications the window has seen: unchanged, nothing can have changed.
    std::uint64_t notifications() const { return notifications_; }

private:
    Lines fixedPart() const;

    const model::ControlStore& store_;
    const profile::DeviceState& device_;
    const Pages& pages_;
    bool taken_ = false;
    // By declaration index: each saved control's record at take(), whether it differs now,
    // and whether it changed since the last comparison.
    std::vector<Lines> records_;
    std::vector<bool> differing_;
    std::vector<bool> touched_;
    std::vector<std::size_t> touchedList_;
    std::size_t differingCount_ = 0;
    std::uint64_t notifications_ = 0;
    // The device name, the replace record and the compiler record at take().
    Lines fixed_;
};

} // namespace regforge::config
