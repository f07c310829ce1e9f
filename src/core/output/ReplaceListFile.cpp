#include "output/ReplaceListFile.h"

#include "io/TextFile.h"

#include <unordered_set>

namespace regforge::output {

namespace {
constexpr const char* kLoadErrorCaption = " Error";
constexpr const char* kDuplicateQuestion = "The file includes a duplicate entry, delete entry and continue?";
constexpr const char* kMalformedQuestion =
    "The file includes an entry with wrong formatting, delete entry and continue?";
} // namespace

std::filesystem::path storedListPath(const io::DataFolders& folders, const std::string& name) {
    return folders.find("replace", name + ".ini");
}

std::filesystem::path savedListPath(const io::DataFolders& folders, const std::string& name) {
    return folders.writeFolder() / "replace" / (name + ".ini");
}

std::optional<std::vector<ReplacePair>> readReplaceListFile(const std::filesystem::path& path, ui::Ui& ui) {
    std::vector<ReplacePair> pairs;
    std::unordered_set<std::string> finds; // compared exactly, letter case included
    for (const auto& line : io::readLines(path).lines) {
        const auto pair = parseReplaceLine(line);
        if (pair && finds.insert(pair->find).second) {
            pairs.push_back(*pair);
            continue;
        }
        const std::string question = pair ? kDuplicateQuestion : kMalformedQuestion;
        if (ui.message(kLoadErrorCaption, question + "\n\r" + "\"" + line + "\"", ui::Icon::Error,
                       ui::Buttons::OkCancel) != ui::Answer::Ok) {
            ui.message("Regforge", "Please edit the file using a text editor", ui::Icon::None,
                       ui::Buttons::Ok);
            return std::nullopt;
        }
    }
    return pairs;
}

} // namespace regforge::output
