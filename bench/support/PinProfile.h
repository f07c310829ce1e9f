#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace regforge::bench {

// The text of an ARM7 profile with `pins` pins, each with its GPIO function at reset and three
// alternative functions, one [IODIR] line per pin and no other units: the pin tree alone grows.
std::string pinProfileText(std::size_t pins);

// A program folder under the temporary folder holding include/PINS<pins>.ini; removed with
// the object.
class PinProfileFolder {
public:
    explicit PinProfileFolder(std::size_t pins);
    ~PinProfileFolder();
    PinProfileFolder(const PinProfileFolder&) = delete;
    PinProfileFolder& operator=(const PinProfileFolder&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    const std::filesystem::path& profile() const { return profile_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path profile_;
};

} // namespace regforge::bench
