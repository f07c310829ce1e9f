#include "output/ReplaceListPanel.h"

#include "io/AsciiCase.h"
#include "io/TextFile.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "output/ReplaceInFile.h"
#include "output/ReplaceListFile.h"
#include "output/ReplaceListName.h"
#include "output/ReplacePanelControls.h"

#include <algorithm>
#include <system_error>

namespace regforge::output {

const char* const kReplaceHelpText =
    "The replace function adapts the generated code to the definitions in your compiler's header "
    "files.\n\n"
    "Each entry of the list replaces an existing name with a new one. \"Create code\" generates the "
    "code, makes the replacements, then shows the result and copies it to the clipboard.\n\n"
    "Names are replaced even inside longer words, so choose them with care. The names to be replaced "
    "must be unique (letter case counts). Write each entry as NameToBeReplaced=NewName; blanks are part "
    "of the names, and only one \"=\" may separate the two names.\n\n"
    "The \"Use replace table\" button and the list stay as they are when another device profile is "
    "loaded: switch the function off when you no longer want it.\n\n"
    "Lists are saved in the folder named replace in the program's folder. They can be copied to newer "
    "versions of the program and edited in a text editor, one entry per line.\n\n"
    "Saving a configuration stores the selected list's file name, not its content. Loading the "
    "configuration loads that list and restores the button state when the file is available.\n\n"
    "\"Swap list\" inverts the list (every new name becomes the name to be replaced).\n\n"
    "\"Process external file\" applies the list to a file of your choice, which is useful when "
    "converting existing code to a new header version. The original is kept as a .bak file.";

namespace {

constexpr const char* kDuplicateCaption = "Duplicate Key";
constexpr const char* kDuplicateText = "Please use unique names";

// What the input box's answer means: the name without surrounding blanks (and other
// characters below the blank).
std::string trimmed(const std::string& text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

} // namespace

ReplaceListPanel::ReplaceListPanel(model::ControlStore& store, ui::Ui& ui, io::DataFolders folders,
                                   std::function<void()> rescanLists)
    : store_(store), ui_(ui), folders_(std::move(folders)), rescanLists_(std::move(rescanLists)) {
    // The stored list the active list came from is drawn red and bold in the list of lists.
    if (auto* lists = dynamic_cast<model::ComboBox*>(store_.find(kListSelector)))
        lists->setItemStyler([this](int, const std::string& item) {
            return item == activeName_ ? model::ItemStyle{model::kRed, true} : model::ItemStyle{};
        });
    connectHandlers();
}

void ReplaceListPanel::connectHandlers() {
    const auto onClick = [this](const char* name, auto handler) {
        if (model::Control* button = store_.find(name))
            button->clicked.connect([handler](model::Control&) { handler(); });
    };
    onClick(kAddButton, [this] { ReplaceListAddButtonClick(); });
    onClick(kLoadButton, [this] { ReplaceListLoadButtonClick(); });
    onClick(kSaveButton, [this] { ReplaceSaveButtonClick(); });
    onClick(kSwapButton, [this] { swapListClick(); });
    onClick(kProcessFileButton, [this] { processExternalFileClick(); });
    onClick(kHelpButton, [this] { replaceHelpClick(); });
    if (auto* list = dynamic_cast<model::ValueList*>(store_.find(kListEditor))) {
        list->cellSelected.connect([this](int row) { ReplaceValueListEditorSelectCell(row); });
        list->doubleClicked.connect([this] { ReplaceValueListEditorDblClick(); });
        list->deletePressed.connect([this] { ReplaceValueListEditorKeyDown(); });
    }
}

model::ValueList& ReplaceListPanel::grid() const {
    return store_.get<model::ValueList>(kListEditor);
}

void ReplaceListPanel::setActiveName(std::string name) {
    activeName_ = std::move(name);
    if (auto* lists = dynamic_cast<model::ComboBox*>(store_.find(kListSelector)))
        lists->restyle();
}

std::vector<ReplacePair> ReplaceListPanel::activeList() const {
    std::vector<ReplacePair> pairs;
    for (const auto& row : grid().rows())
        pairs.push_back({row.key, row.value});
    return pairs;
}

void ReplaceListPanel::setActiveList(const std::vector<ReplacePair>& pairs) {
    std::vector<model::ValueList::Row> rows;
    rows.reserve(pairs.size());
    for (const auto& pair : pairs)
        rows.push_back({pair.find, pair.replace});
    grid().setRows(std::move(rows));
}

void ReplaceListPanel::forgetActiveList() {
    setActiveName({});
    setActiveList({});
    updateSaveButton();
}

void ReplaceListPanel::restoreActiveList(const std::vector<ReplacePair>& pairs, std::string name) {
    if (editing())
        endEditing();
    setActiveName(std::move(name));
    setActiveList(pairs);
    updateSaveButton();
}

bool ReplaceListPanel::editing() const {
    const model::Control* add = store_.find(kAddButton);
    return add != nullptr && add->caption() == kApplyCaption;
}

void ReplaceListPanel::addPair(const ReplacePair& pair) {
    auto pairs = activeList();
    if (std::any_of(pairs.begin(), pairs.end(), [&](const ReplacePair& p) { return p.find == pair.find; })) {
        ui_.message(kDuplicateCaption, kDuplicateText, ui::Icon::Error, ui::Buttons::Ok);
        return;
    }
    pairs.push_back(pair);
    setActiveList(pairs);
}

void ReplaceListPanel::ReplaceListAddButtonClick() {
    auto& list = grid();
    if (list.rows().size() == 1)
        list.setSelectedRow(0);
    const auto* edit = dynamic_cast<const model::Edit*>(store_.find(kPairEdit));
    const auto pair = parseReplaceLine(edit != nullptr ? edit->text() : std::string());
    if (!pair) {
        ui_.message("Wrong format used",
                    "Please use A=B format where A is the string that should be replaced by B "
                    "(oldvalue=newvalue)",
                    ui::Icon::Warning, ui::Buttons::Ok);
    } else if (!editing()) {
        addPair(*pair);
    } else if (editedRowDeleted_ || static_cast<std::size_t>(list.selectedRow()) >= list.rows().size()) {
        // The row being edited was deleted meanwhile: the typed pair is not lost but added,
        // and takes no other row's place.
        addPair(*pair);
        endEditing();
    } else {
        auto pairs = activeList();
        const auto selected = static_cast<std::size_t>(list.selectedRow());
        bool taken = false;
        for (std::size_t i = 0; i < pairs.size(); ++i)
            taken = taken || (i != selected && io::equalIgnoringCase(pairs[i].find, pair->find));
        if (taken) {
            ui_.message(kDuplicateCaption, kDuplicateText, ui::Icon::Error, ui::Buttons::Ok);
        } else {
            pairs[selected] = *pair;
            setActiveList(pairs);
            endEditing();
        }
    }
    updateSaveButton();
}

void ReplaceListPanel::ReplaceValueListEditorSelectCell(int gridRow) {
    grid().setSelectedRow(gridRow - 1);
    if (editing())
        endEditing();
}

void ReplaceListPanel::ReplaceValueListEditorDblClick() {
    const auto& list = grid();
    const auto row = static_cast<std::size_t>(list.selectedRow());
    if (row >= list.rows().size())
        return;
    editedRowDeleted_ = false;
    if (auto* edit = dynamic_cast<model::Edit*>(store_.find(kPairEdit)))
        edit->setText(replaceLineOf({list.rows()[row].key, list.rows()[row].value}));
    if (model::Control* add = store_.find(kAddButton))
        add->setCaption(kApplyCaption);
    if (model::Control* label = store_.find(kEditLabel))
        label->setVisible(true);
}

void ReplaceListPanel::ReplaceValueListEditorKeyDown() {
    auto pairs = activeList();
    const auto row = static_cast<std::size_t>(grid().selectedRow());
    if (row < pairs.size()) {
        pairs.erase(pairs.begin() + static_cast<std::ptrdiff_t>(row));
        setActiveList(pairs);
        editedRowDeleted_ = editing();
    }
    updateSaveButton();
}

bool ReplaceListPanel::ReplaceListLoadButtonClick() {
    setActiveList({});
    std::vector<ReplacePair> pairs;
    const std::string name = store_.get<model::ComboBox>(kListSelector).text();
    const auto path = storedListPath(folders_, name);
    std::error_code ec;
    if (name.empty()) {
        ui_.message("No file selected", "Please select a file to load", ui::Icon::Warning, ui::Buttons::Ok);
    } else if (!isSafeReplaceListName(name)) {
        // Names come from the replace folders' listing; a configuration may name anything.
        ui_.message(kWrongNameCaption, kWrongNameText, ui::Icon::Warning, ui::Buttons::Ok);
    } else if (!std::filesystem::is_regular_file(path, ec)) {
        ui_.message("File not found", "The replace profile is missing", ui::Icon::Error, ui::Buttons::Ok);
    } else {
        try {
            pairs = readReplaceListFile(path, ui_).value_or(std::vector<ReplacePair>{});
        } catch (const io::FileError& e) {
            // The list exists but cannot be read: nothing of it is taken.
            ui_.message("Error", e.what(), ui::Icon::Error, ui::Buttons::Ok);
        }
    }

    setActiveList(pairs);
    // Without pairs there is no active list, so no stored list is marked as its origin.
    setActiveName(pairs.empty() ? std::string() : name);
    updateSaveButton();
    endEditing();
    return !pairs.empty();
}

bool ReplaceListPanel::ReplaceSaveButtonClick() {
    auto& lists = store_.get<model::ComboBox>(kListSelector);
    const std::string shown = lists.text();
    // An input box cannot be told from its cancel button when the shown name is kept, and
    // a cancel must not replace the shown list: the query says which it was.
    const auto answer = ui_.inputQuery("Save replace list to file",
                                       "Please insert a new name or keep the shown name to replace an "
                                       "existing file. Insert the name without extension",
                                       shown);
    if (!answer)
        return false;
    const std::string name = trimmed(*answer);
    if (name.empty()) {
        ui_.message("No filename selected", "Empty filename", ui::Icon::Warning, ui::Buttons::Ok);
        return false;
    }
    if (!isSafeReplaceListName(name)) {
        ui_.message(kWrongNameCaption, kWrongNameText, ui::Icon::Warning, ui::Buttons::Ok);
        return false;
    }
    std::error_code ec;
    const bool exists = std::filesystem::is_regular_file(storedListPath(folders_, name), ec);
    if (exists && name != shown &&
        ui_.message("File overwrite", "The file already exists , do you want to overwrirte it?",
                    ui::Icon::Warning, ui::Buttons::YesNoDefaultNo) != ui::Answer::Yes)
        return false;
    try {
        saveList(name, exists);
    } catch (const io::FileError& e) {
        ui_.message("Error", e.what(), ui::Icon::Error, ui::Buttons::Ok);
        return false;
    }
    if (rescanLists_)
        rescanLists_();
    lists.setItemIndex(lists.indexOf(name));
    setActiveName(name);
    return true;
}

void ReplaceListPanel::saveList(const std::string& name, bool replacing) {
    // An installed program's shipped lists are read-only: a list is always written into the
    // user's own replace folder, where it takes the place of a shipped one of the same name.
    const auto target = savedListPath(folders_, name);
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
    if (ec)
        throw io::FileError("cannot create the folder " + target.parent_path().string() + ": " +
                            ec.message());
    if (replacing) {
        auto backup = target;
        backup += ".bak";
        io::writeBytes(backup, io::readBytes(storedListPath(folders_, name)));
    }
    std::vector<std::string> lines;
    for (const auto& pair : activeList())
        lines.push_back(replaceLineOf(pair));
    io::writeLines(target, lines, io::LineEnding::CrLf);
}

void ReplaceListPanel::swapListClick() {
    std::vector<ReplacePair> swapped;
    for (const auto& pair : activeList()) {
        // The swapped line splits at its own first "=", which may lie inside the old replace text.
        const std::string line = pair.replace + "=" + pair.find;
        const auto eq = line.find('=');
        swapped.push_back({line.substr(0, eq), line.substr(eq + 1)});
    }
    setActiveList(swapped);
}

bool ReplaceListPanel::processExternalFileClick() {
    ui::FileRequest request;
    request.title =
        "Please select a file to apply the replace list. The original file will be backed up (*.bak)";
    request.filter = "C and C++ sources (*.c *.h *.cpp)|*.c;*.h;*.cpp|All files (*)|*";
    request.mustExist = true;
    const auto file = ui_.openFile(request);
    if (!file)
        return false;
    try {
        replaceInFile(*file, activeList());
    } catch (const regforge::Error& e) {
        ui_.message("Error", e.what(), ui::Icon::Error, ui::Buttons::Ok);
        return false;
    }
    return true;
}

void ReplaceListPanel::replaceHelpClick() {
    ui_.message("Replace list", kReplaceHelpText, ui::Icon::Information, ui::Buttons::Ok);
}

void ReplaceListPanel::updateSaveButton() {
    if (model::Control* save = store_.find(kSaveButton))
        save->setEnabled(!grid().rows().empty());
}

void ReplaceListPanel::endEditing() {
    editedRowDeleted_ = false;
    if (auto* edit = dynamic_cast<model::Edit*>(store_.find(kPairEdit)))
        edit->setText({});
    if (model::Control* add = store_.find(kAddButton))
        add->setCaption(kAddCaption);
    if (model::Control* label = store_.find(kEditLabel))
        label->setVisible(false);
}

} // namespace regforge::output
