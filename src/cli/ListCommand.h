#pragma once

#include <filesystem>
#include <iosfwd>

namespace regforge::cli {

// `list`: the device names exactly as the desktop program's device list shows them.
class ListCommand {
public:
    explicit ListCommand(std::filesystem::path dataDir) : dataDir_(std::move(dataDir)) {}
    int run(std::ostream& out, std::ostream& err) const;

private:
    std::filesystem::path dataDir_;
};

} // namespace regforge::cli
