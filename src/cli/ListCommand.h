#pragma once

#include "io/DataFolders.h"

#include <filesystem>
#include <iosfwd>

namespace regforge::cli {

// `list`: the device names exactly as the desktop program's device list shows them.
class ListCommand {
public:
    explicit ListCommand(io::DataFolders folders) : folders_(std::move(folders)) {}
    int run(std::ostream& out, std::ostream& err) const;

private:
    io::DataFolders folders_;
};

} // namespace regforge::cli
