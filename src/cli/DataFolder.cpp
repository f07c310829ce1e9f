#include "cli/DataFolder.h"

#include <filesystem>
#include <ostream>

namespace regforge::cli {

bool namedDataFolderUsable(const Invocation& invocation, std::ostream& err) {
    if (invocation.dataDirOrigin.empty())
        return true;
    const auto include = invocation.dataDir / "include";
    std::error_code ec;
    if (std::filesystem::is_directory(include, ec))
        return true;
    err << "regforge-cli: error: Folder missing: the data folder " << invocation.dataDir.string()
        << " given by " << invocation.dataDirOrigin << " has no include folder (" << include.string()
        << " does not exist)\n";
    return false;
}

} // namespace regforge::cli
