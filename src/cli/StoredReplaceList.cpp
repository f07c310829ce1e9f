#include "cli/StoredReplaceList.h"

#include "io/TextFile.h"
#include "output/ReplaceListFile.h"
#include "output/ReplaceListName.h"

#include <filesystem>
#include <ostream>

namespace regforge::cli {

std::optional<std::vector<output::ReplacePair>>
loadStoredReplaceList(const io::DataFolders& folders, const std::string& name, CliUi& ui, std::ostream& err) {
    if (!output::isSafeReplaceListName(name)) {
        err << "regforge-cli: error: " << output::kWrongNameCaption << ": " << output::kWrongNameText << '\n';
        return std::nullopt;
    }
    const auto path = output::storedListPath(folders, name);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        err << "regforge-cli: error: File not found: The replace profile is missing (" << path.string()
            << ")\n";
        return std::nullopt;
    }
    try {
        return output::readReplaceListFile(path, ui);
    } catch (const io::FileError& e) {
        err << "regforge-cli: error: " << e.what() << '\n';
        return std::nullopt;
    }
}

} // namespace regforge::cli
