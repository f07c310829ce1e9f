#pragma once

#include "app/Ui.h"
#include "io/DataFolders.h"
#include "model/ControlStore.h"
#include "model/EditContext.h"
#include "model/Signal.h"
#include "periph/PageContext.h"
#include "periph/ResultLists.h"
#include "profile/DeviceState.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace regforge::periph::io {
class IoPage;
}
namespace regforge::periph::irq {
class IrqPage;
}
namespace regforge::periph::adc {
class AdcPage;
}
namespace regforge::periph::timer {
class TimerPage;
}
namespace regforge::periph::pwm {
class PwmPage;
}
namespace regforge::periph::spi {
class SpiPage;
}
namespace regforge::profile {
class DeviceLoader;
}
namespace regforge::tools {
class EditPopup;
}
namespace regforge::output {
class ReplaceListPanel;
}
namespace regforge::config {
class ConfigurationCommands;
}

namespace regforge::app {

// The main window `Form1` as the core sees it: the composition root owning the control store,
// the device state and the shell's handlers. Views render its store; the command line drives
// the same calls.
class MainForm {
public:
    // A portable program folder holding include/ and replace/.
    MainForm(Ui& ui, std::filesystem::path programFolder);
    MainForm(Ui& ui, io::DataFolders folders);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    model::ControlStore& store() { return store_; }
    const model::ControlStore& store() const { return store_; }
    profile::DeviceState& device() { return device_; }
    const profile::DeviceState& device() const { return device_; }
    Ui& ui() { return ui_; }
    const io::DataFolders& dataFolders() const { return folders_; }
    // Read in this order: an installed program reads the user's own folder first.
    std::vector<std::filesystem::path> includeFolders() const { return folders_.subFolders("include"); }
    std::vector<std::filesystem::path> replaceFolders() const { return folders_.subFolders("replace"); }
    std::filesystem::path settingsPath() const;

    // Start-up: include folder check, window size, device and replace lists, defaults.
    void FormCreate();
    // Close: the window size goes back into an existing settings file.
    void FormClose();

    // Adds the base names of the folder's files matching "*.ext" to the device list.
    int ScanDeviceProfiles(const std::filesystem::path& folder, const std::string& pattern, bool recurse);
    // Refills the replace-list list from the folder's files matching "*.ext".
    int ScanReplaceLists(const std::filesystem::path& folder, const std::string& pattern);

    void about_buttonClick();
    void pagecontrol1Change();

    // "Load profile": loads the device selected in the device list; true when it loaded whole.
    bool LoadProfileBitBtnClick();
    // The CPU clock or the common divider changed: every peripheral clock and figure follows.
    void ClockRefresh();
    // "Create code": the generators' text in its frame, shown and copied to the clipboard.
    void Result_btnClick();
    // "Use replace table": toggles applying the active replace list to the result.
    void ReplaceUseButtonClick();

    model::EditContext& editContext() { return edit_; }
    periph::io::IoPage& ioPage() { return *io_; }
    periph::irq::IrqPage& irqPage() { return *irq_; }
    periph::adc::AdcPage& adcPage() { return *adc_; }
    periph::timer::TimerPage& timerPage() { return *timer_; }
    periph::pwm::PwmPage& pwmPage() { return *pwm_; }
    periph::spi::SpiPage& spiPage() { return *spi_; }
    tools::EditPopup& editPopup() { return *editPopup_; }
    output::ReplaceListPanel& replacePanel() { return *replace_; }
    config::ConfigurationCommands& configuration() { return *config_; }

    // Asks the views to scroll the window back to its top.
    model::Signal<> scrollToTop;
    bool terminateRequested() const { return terminateRequested_; }

private:
    void declareControls();
    void connectHandlers();
    void runGenerators(periph::ResultLists& lists);
    // The replace-list list from every replace folder.
    void scanReplaceFolders();

    Ui& ui_;
    io::DataFolders folders_;
    model::ControlStore store_;
    profile::DeviceState device_;
    model::EditContext edit_;
    periph::PageContext context_;
    std::unique_ptr<periph::io::IoPage> io_;
    std::unique_ptr<periph::irq::IrqPage> irq_;
    std::unique_ptr<periph::adc::AdcPage> adc_;
    std::unique_ptr<periph::timer::TimerPage> timer_;
    std::unique_ptr<periph::pwm::PwmPage> pwm_;
    std::unique_ptr<periph::spi::SpiPage> spi_;
    std::unique_ptr<profile::DeviceLoader> loader_;
    std::unique_ptr<tools::EditPopup> editPopup_;
    std::unique_ptr<output::ReplaceListPanel> replace_;
    std::unique_ptr<config::ConfigurationCommands> config_;
    bool terminateRequested_ = false;
};

} // namespace regforge::app
