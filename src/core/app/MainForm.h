#pragma once

#include "app/CodeResult.h"
#include "app/ProgramPages.h"
#include "app/ShellLayout.h"
#include "app/StatusNote.h"
#include "app/UndoHistory.h"
#include "io/DataFolders.h"
#include "model/ControlStore.h"
#include "model/EditContext.h"
#include "model/Signal.h"
#include "output/ReplaceList.h"
#include "periph/ClockChain.h"
#include "periph/Page.h"
#include "periph/PageContext.h"
#include "periph/ProblemList.h"
#include "periph/ResultLists.h"
#include "profile/DeviceState.h"
#include "profile/ProfileSections.h"
#include "tools/KeyboardStepping.h"
#include "ui/Ui.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace regforge::app {
class ConfigurationCommands;
class ExportFilesCommand;
class DeviceLoader;
} // namespace regforge::app
namespace regforge::tools {
class EditPopup;
}
namespace regforge::output {
class ReplaceListPanel;
}
namespace regforge::config {
class SetupBaseline;
} // namespace regforge::config

namespace regforge::app {

// The main window `Form1` as the core sees it: the composition root owning the control store,
// the device state and the shell's handlers. Views render its store; the command line drives
// the same calls.
class MainForm {
public:
    // A portable program folder holding include/ and replace/, with the program's pages or with
    // `pages` in their place (tests add pages).
    MainForm(ui::Ui& ui, std::filesystem::path programFolder,
             std::vector<PageFactory> pages = programPages());
    MainForm(ui::Ui& ui, io::DataFolders folders, std::vector<PageFactory> pages = programPages());
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    model::ControlStore& store() { return store_; }
    const model::ControlStore& store() const { return store_; }
    profile::DeviceState& device() { return device_; }
    const profile::DeviceState& device() const { return device_; }
    ui::Ui& ui() { return ui_; }
    const io::DataFolders& dataFolders() const { return folders_; }
    // Read in this order: an installed program reads the user's own folder first.
    std::vector<std::filesystem::path> includeFolders() const { return folders_.subFolders("include"); }
    std::vector<std::filesystem::path> replaceFolders() const { return folders_.subFolders("replace"); }

    // Start-up: include folder check, window size, device and replace lists, defaults.
    void FormCreate();
    // Without a window (the command line) start-up neither reads the settings file nor
    // complains about it: the file holds only the window's size.
    void setRestoresWindowSize(bool restores) { restoresWindowSize_ = restores; }
    // A failed profile load keeps the window as it was by trying the profile on a window of its
    // own first. A caller that drops the window after a failed load (the command line) skips
    // that trial: the same failure is then found by the load itself, with the same message.
    void setTriesLoadsFirst(bool tries) { triesLoadsFirst_ = tries; }
    // Whether the window remembers what a save would write, for its title and the question
    // before discarding changes; the command line never asks, so it skips the copy.
    void setTracksChanges(bool tracks) { tracksChanges_ = tracks; }
    // Close: the window size goes back into an existing settings file.
    void FormClose();
    // The window is about to close: false when the user keeps it open (unsaved changes).
    bool FormCloseQuery();

    // Whether the set-up differs from the one last loaded or saved: what a save would write now
    // against what it wrote or read then. No device, no set-up to lose.
    bool setupChanged() const;
    // Before the set-up is replaced or the window closes: when it changed, asks whether to save
    // it first. Save runs "Save configuration". True when the caller may go on.
    bool confirmDiscardChanges();
    // The window caption: the device and whether its set-up changed, then the program. The
    // problems list follows with it, once per event.
    void refreshTitle();

    // Undo and redo over the user's changes since the device was loaded: each puts back what a
    // save wrote then (and the replace list being edited) without touching the device, the file
    // names or the page shown. True when there was a step to go to.
    bool undo();
    bool redo();
    bool canUndo() const { return undo_.canUndo(); }
    bool canRedo() const { return undo_.canRedo(); }
    const UndoHistory& undoHistory() const { return undo_; }
    // Whether undo or redo became possible or impossible.
    model::Signal<> undoChanged;

    // The problems of the current set-up: the clock bar's, then each page's in page order.
    periph::ProblemList collectProblems() const;
    // The list as the last event left it (the views show it).
    const periph::ProblemList& problems() const { return problems_; }
    // Opens the problem's page and selects its control (and the node of a tree).
    void showProblem(const periph::Problem& problem);
    // The problems list was collected again.
    model::Signal<> problemsChanged;
    // The views give the control the keyboard focus.
    model::Signal<model::Control&> focusRequested;

    // Adds the base names of the folder's files matching "*.ext" to the device list.
    int ScanDeviceProfiles(const std::filesystem::path& folder, const std::string& pattern, bool recurse);
    // Refills the replace-list list from the folder's files matching "*.ext".
    int ScanReplaceLists(const std::filesystem::path& folder, const std::string& pattern);

    void about_buttonClick();
    // "Show MCU": the loaded device's pin-out picture in its own window beside the main one.
    void ShowPictureClick();
    // Escape or a click outside the about panel closes it; true when it was open.
    bool closeAboutPanel();
    void pagecontrol1Change();
    // The main window sees a key press before the focused control: Up and Down step a page's
    // register edits. True when the key was used up.
    bool FormKeyDown(const model::Control* focused, tools::StepKey key);

    // "Load profile": loads the device selected in the device list; true when it loaded whole.
    bool LoadProfileBitBtnClick();
    // The clock chain: whoever sets the CPU clock through it, every clock and figure follows.
    periph::ClockChain& clocks() { return clocks_; }
    // "Create code": the generators' text in its frame, shown and copied to the clipboard; the
    // status line then says so.
    void Result_btnClick();
    // The window's status line shows the note for its time.
    model::Signal<const StatusNote&> statusNoted;
    // The text "Create code" shows (the replace list applied when switched on), or the reason
    // there is none. Changes nothing in the window. A given `replaceList` is applied instead of
    // the window's own, whether that is switched on or not.
    CodeResult createCode(const std::optional<std::vector<output::ReplacePair>>& replaceList = std::nullopt);
    // The Result page's choice of compiler for the generated files.
    output::Compiler compiler() const;
    // "Export files...": the files for the user's build, into a folder the user picks.
    bool ExportFilesButtonClick();
    // The same result as the files the tool owns in the user's build (CodeResult::files), for
    // `compiler`, with the same replace list.
    CodeResult createFiles(output::Compiler compiler,
                           const std::optional<std::vector<output::ReplacePair>>& replaceList = std::nullopt);
    // "Save code as...": asks for a C file and writes the text "Create code" shows into it,
    // replacing the file whole. True when the file was written; otherwise the user was told why
    // (or cancelled the dialog).
    bool SaveCodeButtonClick();
    // Loads the device profile at `file` (named after its file) the way "Load profile" loads one
    // from the include folder; true when it loaded whole.
    bool loadProfileFile(const std::filesystem::path& file);
    // "Use replace table": toggles applying the active replace list to the result.
    void ReplaceUseButtonClick();

    model::EditContext& editContext() { return edit_; }
    // The pages in page order.
    const std::vector<std::unique_ptr<periph::Page>>& pages() const { return pages_; }
    // The page control's tabs in order: the pages', then the shell's own "Result".
    const std::vector<ShellTab>& tabs() const { return tabs_; }
    // The page of type P; the program has one page of each type.
    template <class P>
    P& page() const {
        for (const auto& page : pages_)
            if (auto* p = dynamic_cast<P*>(page.get()))
                return *p;
        throw std::logic_error("no such page");
    }
    tools::EditPopup& editPopup() { return *editPopup_; }
    output::ReplaceListPanel& replacePanel() { return *replace_; }
    ConfigurationCommands& configuration() { return *config_; }
    // What "Save configuration" writes now.
    std::vector<std::string> savedSetup() const;
    // The replace-list list from every replace folder.
    void scanReplaceFolders();

    // Asks the views to scroll the window back to its top.
    model::Signal<> scrollToTop;
    // A control changed outside a load: the views run refreshTitle() once the event is over.
    model::Signal<> setupTouched;
    bool terminateRequested() const { return terminateRequested_; }

private:
    void declareControls(std::vector<PageFactory> pages);
    void connectHandlers();
    void runGenerators(periph::ResultLists& lists);
    // The generators' lists, or why there are none (Created when they ran).
    CodeResult generateLists(periph::ResultLists& lists);
    // The replace list a result applies: `replaceList` when given, else the window's when switched on.
    std::optional<std::vector<output::ReplacePair>>
    replacePairs(const std::optional<std::vector<output::ReplacePair>>& replaceList) const;
    // Loads replace the set-up wholesale; what a complete load leaves is the new point of
    // comparison. `settle` says how the load ended: Replaced takes the new baseline, Partial marks
    // the set-up changed, Kept (nothing was touched) leaves the old baseline.
    enum class LoadEnd { Replaced, Partial, Kept };
    template <class Load, class Settle>
    auto replacingSetup(Load load, Settle settle);
    void takeBaseline();
    SetupSnapshot snapshot() const;
    // After an event: the set-up becomes a new undo step when it changed.
    void recordUndoStep();
    void startUndoHistory();
    bool goTo(const std::optional<SetupSnapshot>& step);
    // "Load profile" of `lines` on a window of its own: the reason when it fails.
    std::optional<std::string> trialLoad(const std::string& name, const profile::Lines& lines) const;
    void showTitle(bool changed);
    void restoreWindowSize();

    ui::Ui& ui_;
    io::DataFolders folders_;
    model::ControlStore store_;
    profile::DeviceState device_;
    periph::ClockChain clocks_{device_};
    model::EditContext edit_;
    periph::PageContext context_;
    std::vector<std::unique_ptr<periph::Page>> pages_;
    // How the pages were made: a trial load builds a window of the same pages.
    std::vector<PageFactory> pageFactories_;
    std::vector<ShellTab> tabs_;
    tools::ClockBar clockBar_;
    std::unique_ptr<DeviceLoader> loader_;
    std::unique_ptr<tools::EditPopup> editPopup_;
    std::unique_ptr<tools::KeyboardStepping> stepping_;
    std::unique_ptr<output::ReplaceListPanel> replace_;
    std::unique_ptr<ConfigurationCommands> config_;
    std::unique_ptr<ExportFilesCommand> exportFiles_;
    bool terminateRequested_ = false;
    bool restoresWindowSize_ = true;
    bool triesLoadsFirst_ = true;
    bool tracksChanges_ = true;
    std::unique_ptr<config::SetupBaseline> baseline_;
    int loading_ = 0;
    UndoHistory undo_;
    // The baseline's notification count the last undo step was taken at.
    std::uint64_t undoSeen_ = 0;
    // The file the code was last saved to; the next save dialog starts there.
    std::filesystem::path codeFile_;
    periph::ProblemList problems_;
};

} // namespace regforge::app
