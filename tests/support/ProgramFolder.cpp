#include "support/ProgramFolder.h"

#include "model/ComboBox.h"

namespace regforge::testing {

ProgramFolder::ProgramFolder() {
    std::filesystem::create_directories(dir.path() / "include");
}

void ProgramFolder::addProfile(const std::string& name, const std::string& text) {
    dir.write("include/" + name + ".ini", text);
}

app::MainForm& ProgramFolder::start(std::vector<app::PageFactory> pages) {
    form_.reset();
    form_ = std::make_unique<app::MainForm>(ui, dir.path(), std::move(pages));
    form_->FormCreate();
    return *form_;
}

bool ProgramFolder::load(const std::string& device) {
    if (!form_)
        start();
    auto& devices = form_->store().get<model::ComboBox>("mcu_ComboBox");
    devices.setItemIndex(devices.indexOf(device));
    return form_->LoadProfileBitBtnClick();
}

} // namespace regforge::testing
