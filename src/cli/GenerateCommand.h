#pragma once

#include "io/DataFolders.h"

#include <filesystem>
#include <iosfwd>
#include <optional>

namespace regforge::cli {

// `generate CONFIG.sav [-o FILE]`: loads the configuration as the desktop program does, presses
// the result button, and writes the result text.
class GenerateCommand {
public:
    GenerateCommand(io::DataFolders folders, std::filesystem::path config,
                    std::optional<std::filesystem::path> output)
        : folders_(std::move(folders)), config_(std::move(config)), output_(std::move(output)) {}
    int run(std::ostream& out, std::ostream& err) const;

private:
    io::DataFolders folders_;
    std::filesystem::path config_;
    std::optional<std::filesystem::path> output_;
};

} // namespace regforge::cli
