#pragma once

#include "app/MainForm.h"
#include "ui/Ui.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace regforge::fuzz {

// A user who agrees to everything: OK, Yes, and Discard when asked to save a changed set-up
// (the next input replaces it anyway). Dialogs asking for files are cancelled; nothing is kept,
// so a long run does not grow.
class AgreeingUi : public ui::Ui {
public:
    ui::Answer message(const std::string& caption, const std::string& text, ui::Icon icon,
                       ui::Buttons buttons) override;
    std::optional<std::filesystem::path> openFile(const ui::FileRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const ui::FileRequest&) override { return std::nullopt; }
    std::optional<std::string> inputQuery(const std::string&, const std::string&,
                                          const std::string& value) override {
        return value;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string& defaultValue) override {
        return defaultValue;
    }
    void setClipboard(const std::string&) override {}
    bool runCalculator(tools::Calculator&) override { return false; }
    void showPicture(const std::filesystem::path&, const std::string&, bool, bool) override {}
    void terminate() override {}

    int messages = 0;
};

// A portable program folder in a fresh temporary folder holding the shipped profiles and
// replace lists, with the main window built and started once. Removed at exit.
class FuzzProgram {
public:
    FuzzProgram();
    ~FuzzProgram();
    FuzzProgram(const FuzzProgram&) = delete;
    FuzzProgram& operator=(const FuzzProgram&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    // Writes `bytes` to folder()/relative, replacing the file whole.
    std::filesystem::path write(const std::string& relative, const std::string& bytes) const;
    app::MainForm& form() { return *form_; }

    // Resets the page and gives the window a fresh device "FUZZ" whose profile is the input,
    // as a device load does before the page reads its sections.
    template <class Page>
    Page& pageForProfile(const std::uint8_t* data, std::size_t size) {
        auto& page = form().page<Page>();
        page.reset();
        replaceDevice(data, size);
        return page;
    }

    AgreeingUi ui;

private:
    void replaceDevice(const std::uint8_t* data, std::size_t size);

    std::filesystem::path folder_;
    std::unique_ptr<app::MainForm> form_;
};

// One per process: built at the first input.
FuzzProgram& program();

} // namespace regforge::fuzz
