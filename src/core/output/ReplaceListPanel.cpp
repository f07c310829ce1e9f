#include "output/ReplaceListPanel.h"

#include "io/TextFile.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"

#include <unordered_set>

namespace regforge::output {

namespace {

constexpr const char* kListEditor = "ReplaceValueListEditor";
constexpr const char* kListSelector = "ReplaceFileSelectComboBox";
constexpr const char* kSaveButton = "ReplaceSaveButton";
constexpr const char* kPairEdit = "ReplaceTextEdit";
constexpr const char* kAddButton = "ReplaceListAddButton";
constexpr const char* kEditLabel = "ReplaceEditLabel";

constexpr const char* kLoadErrorCaption = " Error";
constexpr const char* kDuplicateQuestion = "The file includes a duplicate entry, delete entry and continue?";
constexpr const char* kMalformedQuestion =
    "The file includes an entry with wrong formatting, delete entry and continue?";

} // namespace

ReplaceListPanel::ReplaceListPanel(model::ControlStore& store, ui::Ui& ui, io::DataFolders folders)
    : store_(store), ui_(ui), folders_(std::move(folders)) {
    // The stored list the active list came from is drawn red and bold in the list of lists.
    if (auto* lists = dynamic_cast<model::ComboBox*>(store_.find("ReplaceFileSelectComboBox")))
        lists->setItemStyler([this](int, const std::string& item) {
            return item == activeName_ ? model::ItemStyle{model::kRed, true} : model::ItemStyle{};
        });
}

void ReplaceListPanel::setActiveName(std::string name) {
    activeName_ = std::move(name);
    if (auto* lists = dynamic_cast<model::ComboBox*>(store_.find("ReplaceFileSelectComboBox")))
        lists->restyle();
}

std::vector<ReplacePair> ReplaceListPanel::activeList() const {
    std::vector<ReplacePair> pairs;
    for (const auto& row : store_.get<model::ValueList>(kListEditor).rows())
        pairs.push_back({row.key, row.value});
    return pairs;
}

void ReplaceListPanel::setActiveList(const std::vector<ReplacePair>& pairs) {
    std::vector<model::ValueList::Row> rows;
    rows.reserve(pairs.size());
    for (const auto& pair : pairs)
        rows.push_back({pair.find, pair.replace});
    store_.get<model::ValueList>(kListEditor).setRows(std::move(rows));
}

void ReplaceListPanel::forgetActiveList() {
    setActiveName({});
    setActiveList({});
    updateSaveButton();
}

bool ReplaceListPanel::ReplaceListLoadButtonClick() {
    setActiveList({});
    std::vector<ReplacePair> pairs;
    std::unordered_set<std::string> finds; // compared exactly, letter case included
    const std::string name = store_.get<model::ComboBox>(kListSelector).text();
    const auto path = folders_.find("replace", name + ".ini");
    std::error_code ec;
    if (name.empty()) {
        ui_.message("No file selected", "Please select a file to load", ui::Icon::Warning, ui::Buttons::Ok);
    } else if (!std::filesystem::is_regular_file(path, ec)) {
        ui_.message("File not found", "The replace profile is missing", ui::Icon::Error, ui::Buttons::Ok);
    } else {
        try {
            for (const auto& line : io::readLines(path).lines) {
                const auto pair = parseReplaceLine(line);
                if (pair && finds.insert(pair->find).second) {
                    pairs.push_back(*pair);
                    continue;
                }
                const std::string question = pair ? kDuplicateQuestion : kMalformedQuestion;
                if (ui_.message(kLoadErrorCaption, question + "\n\r" + "\"" + line + "\"", ui::Icon::Error,
                                ui::Buttons::OkCancel) != ui::Answer::Ok) {
                    ui_.message("Regforge", "Please edit the file using a text editor", ui::Icon::None,
                                ui::Buttons::Ok);
                    pairs.clear();
                    break;
                }
            }
        } catch (const io::FileError& e) {
            // The list exists but cannot be read: nothing of it is taken.
            ui_.message("Error", e.what(), ui::Icon::Error, ui::Buttons::Ok);
            pairs.clear();
        }
    }

    setActiveList(pairs);
    // Without pairs there is no active list, so no stored list is marked as its origin.
    setActiveName(pairs.empty() ? std::string() : name);
    updateSaveButton();
    endEditing();
    return !pairs.empty();
}

void ReplaceListPanel::updateSaveButton() {
    if (model::Control* save = store_.find(kSaveButton))
        save->setEnabled(!store_.get<model::ValueList>(kListEditor).rows().empty());
}

void ReplaceListPanel::endEditing() {
    if (auto* edit = dynamic_cast<model::Edit*>(store_.find(kPairEdit)))
        edit->setText({});
    if (model::Control* add = store_.find(kAddButton))
        add->setCaption("Add to list");
    if (model::Control* label = store_.find(kEditLabel))
        label->setVisible(false);
}

} // namespace regforge::output
