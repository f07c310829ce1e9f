#include "app/MainForm.h"

#include "app/ConfigurationCommands.h"
#include "app/DeviceLoader.h"
#include "app/ExportFilesCommand.h"
#include "app/ShellLayout.h"
#include "app/WindowView.h"
#include "config/ConfigFile.h"
#include "config/SettingsFile.h"
#include "config/SetupBaseline.h"
#include "io/TextFile.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/NumericEdit.h"
#include "model/Tree.h"
#include "output/ReplaceList.h"
#include "output/ReplaceListPanel.h"
#include "output/ResultFrame.h"
#include "output/SetupFiles.h"
#include "periph/ClockProblems.h"
#include "tools/EditPopup.h"

namespace regforge::app {

using config::SettingsFile;
using ui::Buttons;
using ui::Icon;

namespace {

// "*.ini" -> ".ini"; the program only ever lists files by extension.
std::string extensionOf(const std::string& pattern) {
    return pattern.rfind("*", 0) == 0 ? pattern.substr(1) : pattern;
}

// Adds the names not listed yet: a name stands for one file (the first folder holding it wins),
// so the user's copy of a shipped profile is listed once.
int addNewNames(model::ComboBox& list, const std::vector<std::string>& names) {
    int added = 0;
    for (const auto& name : names) {
        if (list.indexOf(name) >= 0)
            continue;
        list.addItem(name);
        ++added;
    }
    return added;
}

} // namespace

// The window a trial load builds answers nothing: its load only tells whether the profile loads.
class QuietUi : public ui::Ui {
public:
    ui::Answer message(const std::string&, const std::string&, ui::Icon, ui::Buttons) override {
        return ui::Answer::Ok;
    }
    std::optional<std::filesystem::path> openFile(const ui::FileRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const ui::FileRequest&) override { return std::nullopt; }
    std::optional<std::string> inputQuery(const std::string&, const std::string&,
                                          const std::string&) override {
        return std::nullopt;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string& value) override {
        return value;
    }
    void setClipboard(const std::string&) override {}
    bool runCalculator(tools::Calculator&) override { return false; }
    void showPicture(const std::filesystem::path&, const std::string&, bool, bool) override {}
    void terminate() override {}
};

template <class Load, class Settle>
auto MainForm::replacingSetup(Load load, Settle settle) {
    ++loading_;
    auto result = load();
    --loading_;
    switch (settle(result)) {
    case LoadEnd::Replaced:
        takeBaseline();
        showTitle(false);
        startUndoHistory();
        break;
    case LoadEnd::Partial:
        // Nothing saved matches a half-applied set-up: it shows as changed until saved.
        baseline_->forget();
        showTitle(true);
        startUndoHistory();
        break;
    case LoadEnd::Kept:
        refreshTitle();
        break;
    }
    return result;
}

MainForm::MainForm(ui::Ui& ui, std::filesystem::path programFolder, std::vector<PageFactory> pages)
    : MainForm(ui, io::DataFolders::single(std::move(programFolder)), std::move(pages)) {}

MainForm::MainForm(ui::Ui& ui, io::DataFolders folders, std::vector<PageFactory> pages)
    : ui_(ui), folders_(std::move(folders)), context_{store_, device_, ui_, edit_, folders_, clocks_} {
    declareControls(std::move(pages));
    connectHandlers();
    baseline_ = std::make_unique<config::SetupBaseline>(store_, device_, pages_);
}

MainForm::~MainForm() = default;

void MainForm::declareControls(std::vector<PageFactory> pages) {
    // Declaration order is the order of saved configurations: frame, then each page's
    // content in page order, then the panels and menus that float over the pages.
    std::vector<periph::PageTab> tabs;
    for (const auto& page : pages)
        tabs.push_back(page.tab);
    tabs.push_back(kResultTab);
    declareShellFrame(store_, tabs);
    declareDeviceBar(store_, store_.get<model::Control>(tabs.front().name));
    for (const auto& page : pages) {
        pages_.push_back(page.make(context_));
        tabs_.push_back({page.tab, pages_.back().get()});
    }
    tabs_.push_back({kResultTab, nullptr});
    pageFactories_ = std::move(pages);
    declareResultPage(store_);
    clocks_.declareBar(store_, store_.get<model::Control>("Form1"));
    declareShellTail(store_);
    clockBar_ = clockBar(store_);
    editPopup_ = std::make_unique<tools::EditPopup>(context_, pages_);
    stepping_ = std::make_unique<tools::KeyboardStepping>(pages_);
    replace_ =
        std::make_unique<output::ReplaceListPanel>(store_, ui_, folders_, [this] { scanReplaceFolders(); });
    config_ = std::make_unique<ConfigurationCommands>(*this);
    exportFiles_ = std::make_unique<ExportFilesCommand>(*this);
    loader_ = std::make_unique<DeviceLoader>(
        context_, pages_,
        [this](const std::string& name, const profile::Lines& lines) { return trialLoad(name, lines); });
}

std::optional<std::string> MainForm::trialLoad(const std::string& name, const profile::Lines& lines) const {
    if (!triesLoadsFirst_)
        return std::nullopt;
    QuietUi quiet;
    MainForm trial(quiet, folders_, pageFactories_);
    try {
        trial.loader_->build(name, lines);
    } catch (const regforge::Error& e) {
        return e.what();
    }
    return std::nullopt;
}

void MainForm::connectHandlers() {
    editPopup_->connectHandlers();
    // The loaded device is drawn red and bold in the device list.
    store_.get<model::ComboBox>("mcu_ComboBox").setItemStyler([this](int, const std::string& item) {
        return item == device_.deviceName ? model::ItemStyle{model::kRed, true} : model::ItemStyle{};
    });
    store_.get<model::Edit>("mcu_FilterEdit").changed.connect([this](model::Control& filter) {
        store_.get<model::ComboBox>("mcu_ComboBox").setFilter(static_cast<model::Edit&>(filter).text());
    });
    store_.get<model::Control>("about_button").clicked.connect([this](model::Control&) {
        about_buttonClick();
    });
    store_.get<model::PageControl>("pagecontrol1").changed.connect([this](model::Control&) {
        pagecontrol1Change();
    });
    store_.get<model::Control>("ShowPicture").clicked.connect([this](model::Control&) {
        ShowPictureClick();
    });
    store_.get<model::Control>("LoadProfileBitBtn").clicked.connect([this](model::Control&) {
        if (confirmDiscardChanges())
            LoadProfileBitBtnClick();
    });
    store_.get<model::Control>("LoadConfigButton").clicked.connect([this](model::Control&) {
        if (confirmDiscardChanges())
            replacingSetup([this] { return config_->LoadConfigButtonClick(); },
                           [](config::LoadOutcome outcome) {
                               if (outcome == config::LoadOutcome::Loaded)
                                   return LoadEnd::Replaced;
                               return outcome == config::LoadOutcome::DataError ? LoadEnd::Partial
                                                                                : LoadEnd::Kept;
                           });
    });
    store_.get<model::Control>("SaveConfigButton").clicked.connect([this](model::Control&) {
        if (config_->SaveConfigButtonClick()) {
            takeBaseline();
            showTitle(false);
        }
    });
    store_.get<model::Control>("Result_btn").clicked.connect([this](model::Control&) { Result_btnClick(); });
    store_.get<model::Control>("SaveCodeButton").clicked.connect([this](model::Control&) {
        SaveCodeButtonClick();
    });
    store_.get<model::Control>("ExportFilesButton").clicked.connect([this](model::Control&) {
        ExportFilesButtonClick();
    });
    store_.get<model::Control>("ReplaceUseButton").clicked.connect([this](model::Control&) {
        ReplaceUseButtonClick();
    });
    store_.get<model::Control>("ViewReplaceButton").clicked.connect([this](model::Control&) {
        auto& panel = store_.get<model::Control>("ReplacePanel");
        panel.setVisible(!panel.visible());
    });
    // A key refused by a numeric edit shows the edit's own message, when it has one. Any change
    // outside a load may change the set-up.
    for (model::Control* c : store_.all()) {
        c->changed.connect([this](model::Control&) {
            if (loading_ == 0)
                setupTouched.emit();
        });
        // Every numeric edit carries its kind: a control of another kind needs no type check.
        auto* edit =
            c->kind() == model::ControlKind::NumericEdit ? dynamic_cast<model::NumericEdit*>(c) : nullptr;
        if (edit != nullptr) {
            edit->inputRefused.connect([this](model::NumericEdit& e) {
                if (!e.errorMessage().empty())
                    ui_.message("Regforge", e.errorMessage(), Icon::Warning, Buttons::Ok);
            });
        }
    }
}

void MainForm::FormCreate() {
    if (!folders_.hasSubFolder("include")) {
        ui_.message("Folder missing",
                    "The \"include\" folder is missing.\n"
                    "The folder should be in the same path as the executable for proper operation.\n"
                    "Please extract the compressed file contents again or\n"
                    "install Regforge again from its release package.",
                    Icon::Error, Buttons::Ok);
        terminateRequested_ = true;
        ui_.terminate();
    }

    if (restoresWindowSize_)
        restoreWindowSize();

    for (const auto& folder : includeFolders())
        ScanDeviceProfiles(folder, "*.ini", false);
    scanReplaceFolders();

    auto& devices = store_.get<model::ComboBox>("mcu_ComboBox");
    if (devices.count() > 0)
        devices.setItemIndex(0);

    device_ = profile::DeviceState{};
    pagecontrol1Change();
}

void MainForm::restoreWindowSize() {
    try {
        // A size no window can have (a window closed before it was ever shown wrote 0 x 0)
        // leaves the design size.
        if (const auto size = SettingsFile(folders_).readFormSize();
            size && size->width > 0 && size->height > 0)
            store_.get<model::Form>("Form1").setSize(size->width, size->height);
    } catch (const SettingsFile::Error&) {
        ui_.message("Error openning setting",
                    "There was an error while trying to open the application settings.", Icon::Error,
                    Buttons::Ok);
    }
}

void MainForm::FormClose() {
    const auto& form = store_.get<model::Form>("Form1");
    if (form.width() <= 0 || form.height() <= 0)
        return;
    try {
        SettingsFile(folders_).writeFormSize({form.height(), form.width()});
    } catch (const SettingsFile::Error&) {
        // Closing never stops on the settings file: the size is simply not remembered.
    }
}

int MainForm::ScanDeviceProfiles(const std::filesystem::path& folder, const std::string& pattern,
                                 bool recurse) {
    return addNewNames(store_.get<model::ComboBox>("mcu_ComboBox"),
                       io::listBaseNames(folder, extensionOf(pattern), recurse));
}

int MainForm::ScanReplaceLists(const std::filesystem::path& folder, const std::string& pattern) {
    auto& lists = store_.get<model::ComboBox>("ReplaceFileSelectComboBox");
    lists.clearItems();
    return addNewNames(lists, io::listBaseNames(folder, extensionOf(pattern), false));
}

void MainForm::scanReplaceFolders() {
    const auto folders = replaceFolders();
    ScanReplaceLists(folders.front(), "*.ini");
    auto& lists = store_.get<model::ComboBox>("ReplaceFileSelectComboBox");
    for (std::size_t i = 1; i < folders.size(); ++i)
        addNewNames(lists, io::listBaseNames(folders[i], ".ini", false));
}

void MainForm::about_buttonClick() {
    auto& about = store_.get<model::Control>("about_panel");
    about.setVisible(!about.visible());
}

std::vector<std::string> MainForm::savedSetup() const {
    return config::buildConfiguration(store_, device_, pages_);
}

void MainForm::takeBaseline() {
    if (tracksChanges_)
        baseline_->take();
}

bool MainForm::setupChanged() const {
    return baseline_->differs();
}

bool MainForm::confirmDiscardChanges() {
    if (!setupChanged())
        return true;
    switch (ui_.message("Regforge", "Save changes to the configuration?", Icon::Question,
                        Buttons::SaveDiscardCancel)) {
    case ui::Answer::Discard:
        return true;
    case ui::Answer::Save:
        if (!config_->SaveConfigButtonClick())
            return false;
        takeBaseline();
        showTitle(false);
        return true;
    default:
        return false;
    }
}

void MainForm::refreshTitle() {
    recordUndoStep();
    showTitle(setupChanged());
    // The title itself is no change of the set-up.
    undoSeen_ = baseline_->notifications();
}

SetupSnapshot MainForm::snapshot() const {
    // The records of buildConfiguration, each shared with the current step when unchanged.
    const SetupSnapshot* before = undo_.current();
    SetupSnapshot step{{}, replace_->activeList(), replace_->activeListName()};
    const auto& controls = store_.all();
    step.records.reserve(controls.size() + 2);
    const auto add = [&](const config::Lines& lines) {
        std::string text;
        for (const auto& line : lines)
            (text += line) += '\n';
        const std::size_t i = step.records.size();
        if (before != nullptr && i < before->records.size() && *before->records[i] == text)
            step.records.push_back(before->records[i]);
        else
            step.records.push_back(std::make_shared<const std::string>(std::move(text)));
    };
    add({std::string(config::kProfileHeader), device_.deviceName});
    for (const model::Control* c : controls)
        add(config::controlRecord(*c, pages_));
    add(config::replaceRecord(store_));
    add(config::compilerRecord(store_));
    return step;
}

void MainForm::startUndoHistory() {
    if (!tracksChanges_)
        return;
    if (device_.loaded())
        undo_.start(snapshot());
    else
        undo_.clear();
    undoSeen_ = baseline_->notifications();
    undoChanged.emit();
}

void MainForm::recordUndoStep() {
    // Only a notification since the last step can have changed what a save writes.
    if (!tracksChanges_ || loading_ > 0 || !device_.loaded() || baseline_->notifications() == undoSeen_)
        return;
    undoSeen_ = baseline_->notifications();
    const bool could = undo_.canUndo() || undo_.canRedo();
    if (undo_.record(snapshot()) || !could)
        undoChanged.emit();
}

bool MainForm::undo() {
    recordUndoStep();
    return goTo(undo_.undo());
}

bool MainForm::redo() {
    recordUndoStep();
    return goTo(undo_.redo());
}

// The device is built again from the profile it was loaded from, then the step's values are
// applied as a configuration load applies a file's: the pages' restore rules stay the only
// way a set-up is put back. What the window showed (unfolded nodes, the page, the code) is no
// part of the step and stays as it was.
bool MainForm::goTo(const std::optional<SetupSnapshot>& step) {
    if (!step)
        return false;
    const WindowView view = WindowView::of(store_);
    ++loading_;
    bool restored = false;
    try {
        const profile::Lines lines = device_.profileLines;
        const std::string name = device_.deviceName;
        loader_->build(name, lines);
        restored = config_->restoreSetup(step->lines());
    } catch (const regforge::Error&) {
        restored = false;
    }
    replace_->restoreActiveList(step->replacePairs, step->replaceListName);
    view.restore();
    --loading_;
    if (!restored) {
        // The profile loaded before; a step it cannot take back says so and starts afresh.
        ui_.message("Error", "The change could not be undone.", Icon::Error, Buttons::Ok);
        startUndoHistory();
    }
    showTitle(setupChanged());
    undoSeen_ = baseline_->notifications();
    undoChanged.emit();
    return restored;
}

// Right after a baseline the set-up is unchanged by definition; building it again to compare
// would only cost time.
void MainForm::showTitle(bool changed) {
    std::string title = kFormCaption;
    if (device_.loaded())
        title = device_.deviceName + (changed ? " - changed" : "") + " - " + title;
    store_.get<model::Form>("Form1").setCaption(title);
    problems_ = collectProblems();
    problemsChanged.emit();
}

periph::ProblemList MainForm::collectProblems() const {
    periph::ProblemList list;
    if (!device_.loaded())
        return list;
    periph::SetupFacts facts;
    for (const auto& page : pages_)
        page->describeSetup(facts);
    periph::reportClockProblems(clocks_, device_, list);
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        list.setPage(tabs_[i].tab);
        pages_[i]->reportProblems(facts, list);
    }
    return list;
}

void MainForm::showProblem(const periph::Problem& problem) {
    auto& pageControl = store_.get<model::PageControl>("pagecontrol1");
    for (std::size_t i = 0; i < tabs_.size(); ++i)
        if (!problem.tab.empty() && problem.tab == tabs_[i].tab.name)
            pageControl.setActivePageIndex(static_cast<int>(i));
    model::Control* control = store_.find(problem.control);
    if (control == nullptr)
        return;
    if (auto* tree = dynamic_cast<model::Tree*>(control);
        tree != nullptr && problem.node >= 0 && problem.node < tree->count()) {
        tree->makeVisible(problem.node);
        tree->setSelected(problem.node);
    }
    focusRequested.emit(*control);
}

bool MainForm::FormCloseQuery() {
    return confirmDiscardChanges();
}

bool MainForm::closeAboutPanel() {
    auto& about = store_.get<model::Control>("about_panel");
    if (!about.visible())
        return false;
    about.setVisible(false);
    return true;
}

bool MainForm::LoadProfileBitBtnClick() {
    const bool loaded = replacingSetup([this] { return loader_->LoadProfileBitBtnClick(); },
                                       [](bool done) { return done ? LoadEnd::Replaced : LoadEnd::Kept; });
    if (loaded)
        config_->forgetCurrentFile();
    // The device list draws the loaded device differently.
    store_.get<model::ComboBox>("mcu_ComboBox").restyle();
    return loaded;
}

void MainForm::runGenerators(periph::ResultLists& lists) {
    for (const auto& page : pages_)
        lists.gpdmaInUse = lists.gpdmaInUse || page->usesGpdma();
    // Each page's part in page order (see programPages).
    for (const auto& page : pages_)
        page->generate(lists);
}

void MainForm::Result_btnClick() {
    CodeResult result = createCode();
    if (result.status == CodeResult::Status::NoDevice || result.status == CodeResult::Status::NoPins)
        return;
    store_.get<model::Control>("ReplacePanel").setVisible(false);
    auto& memo = store_.get<model::Memo>("Memo1");
    memo.clear();
    if (result.status == CodeResult::Status::GeneratorFailed) {
        ui_.message("Error", "The code could not be created: " + result.message, Icon::Error, Buttons::Ok);
        return;
    }
    memo.setLines(std::move(result.lines));
    ui_.setClipboard(memo.text() + "\n");
    statusNoted.emit(codeCopiedNote(device_.deviceName, store_.get<model::ComboBox>("mcu_ComboBox").text()));
}

CodeResult MainForm::generateLists(periph::ResultLists& lists) {
    if (!device_.loaded())
        return {CodeResult::Status::NoDevice, {}, {}, {}};
    for (const auto& page : pages_)
        if (!page->readyForResult())
            return {CodeResult::Status::NoPins, {}, {}, {}};
    try {
        runGenerators(lists);
    } catch (const regforge::Error& e) {
        // Only a damaged configuration can put text a generator cannot convert into a
        // register edit; the user is told which instead of getting half a program.
        return {CodeResult::Status::GeneratorFailed, {}, e.what(), {}};
    }
    return {};
}

std::optional<std::vector<output::ReplacePair>>
MainForm::replacePairs(const std::optional<std::vector<output::ReplacePair>>& replaceList) const {
    if (replaceList)
        return replaceList;
    if (store_.get<model::ToggleButton>("ReplaceUseButton").down())
        return replace_->activeList();
    return std::nullopt;
}

CodeResult MainForm::createCode(const std::optional<std::vector<output::ReplacePair>>& replaceList) {
    periph::ResultLists lists;
    if (CodeResult failed = generateLists(lists); !failed.created())
        return failed;
    std::vector<std::string> lines = output::frameResult(device_, lists);
    if (const auto pairs = replacePairs(replaceList)) {
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i)
            text += (i > 0 ? "\n" : "") + lines[i];
        try {
            lines = io::splitLines(output::applyReplaceList(text, *pairs)).lines;
        } catch (const output::ReplaceError& e) {
            return {CodeResult::Status::GeneratorFailed, {}, e.what(), {}};
        }
    }
    return {CodeResult::Status::Created, std::move(lines), {}, {}};
}

output::Compiler MainForm::compiler() const {
    const int index = store_.get<model::ComboBox>(output::kCompilerComboBox).itemIndex();
    return index == static_cast<int>(output::Compiler::Gcc) ? output::Compiler::Gcc : output::Compiler::Keil;
}

bool MainForm::ExportFilesButtonClick() {
    return exportFiles_->ExportFilesButtonClick();
}

CodeResult MainForm::createFiles(output::Compiler compiler,
                                 const std::optional<std::vector<output::ReplacePair>>& replaceList) {
    periph::ResultLists lists;
    if (CodeResult failed = generateLists(lists); !failed.created())
        return failed;
    std::vector<output::GeneratedFile> files = output::frameSetupFiles(device_, lists, compiler);
    if (const auto pairs = replacePairs(replaceList)) {
        try {
            for (auto& file : files)
                file.text = output::applyReplaceList(file.text, *pairs);
        } catch (const output::ReplaceError& e) {
            return {CodeResult::Status::GeneratorFailed, {}, e.what(), {}};
        }
    }
    return {CodeResult::Status::Created, {}, {}, std::move(files)};
}

bool MainForm::SaveCodeButtonClick() {
    CodeResult result = createCode();
    if (result.status == CodeResult::Status::NoDevice || result.status == CodeResult::Status::NoPins) {
        ui_.message("Error", "There is no code to save: load a device first.", Icon::Error, Buttons::Ok);
        return false;
    }
    if (result.status == CodeResult::Status::GeneratorFailed) {
        ui_.message("Error", "The code could not be created: " + result.message, Icon::Error, Buttons::Ok);
        return false;
    }
    ui::FileRequest request;
    request.title = "Save code as";
    request.filter = "C source (*.c)|*.c";
    request.defaultExtension = ".c";
    request.start = codeFile_;
    request.overwritePrompt = true;
    const auto path = ui_.saveFile(request);
    if (!path)
        return false;
    try {
        // The same text, with the same line breaks, as the command line's generate writes.
        io::writeLines(*path, result.lines, io::LineEnding::Lf);
    } catch (const io::FileError& e) {
        ui_.message("Error", "The code could not be saved to \"" + path->string() + "\": " + e.what(),
                    Icon::Error, Buttons::Ok);
        return false;
    }
    codeFile_ = *path;
    return true;
}

bool MainForm::loadProfileFile(const std::filesystem::path& file) {
    const bool loaded = loader_->loadProfile(file.stem().string(), file);
    store_.get<model::ComboBox>("mcu_ComboBox").restyle();
    return loaded;
}

void MainForm::ReplaceUseButtonClick() {
    auto& button = store_.get<model::ToggleButton>("ReplaceUseButton");
    button.setDown(!button.down());
    button.setFontColour(button.down() ? model::kRed : model::kDefaultColour);
}

void MainForm::ShowPictureClick() {
    if (!device_.loaded()) {
        ui_.message("No profile loaded", "Please load a profile first.", ui::Icon::Warning, ui::Buttons::Ok);
        return;
    }
    ui_.showPicture(folders_.find("include", device_.deviceName + ".jpg"), "Pinout", false, true);
}

bool MainForm::FormKeyDown(const model::Control* focused, tools::StepKey key) {
    return stepping_->keyDown(focused, key);
}

void MainForm::pagecontrol1Change() {
    const int index = store_.get<model::PageControl>("pagecontrol1").activePageIndex();
    if (index >= 0 && index < static_cast<int>(tabs_.size()))
        tools::applyPageChangeRule(clockBar_, tabs_[static_cast<std::size_t>(index)].tab, device_);
    scrollToTop.emit();
}

} // namespace regforge::app
