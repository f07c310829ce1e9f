#pragma once

#include "ui/Ui.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace regforge::cli {

// Answers the core's questions without a person: messages go to stderr, questions take their
// default (OK), dialogs are cancelled. An error message marks the command as failed.
class CliUi : public ui::Ui {
public:
    explicit CliUi(std::ostream& err) : err_(err) {}

    ui::Answer message(const std::string& caption, const std::string& text, ui::Icon icon,
                       ui::Buttons buttons) override;
    std::optional<std::filesystem::path> openFile(const ui::FileRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const ui::FileRequest&) override { return std::nullopt; }
    std::optional<std::string> inputQuery(const std::string&, const std::string&,
                                          const std::string&) override {
        return std::nullopt;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string& defaultValue) override {
        return defaultValue;
    }
    void setClipboard(const std::string&) override {}
    // Nobody to type a frequency: the calculator is left with Abort.
    bool runCalculator(tools::Calculator&) override { return false; }
    void showPicture(const std::filesystem::path&, const std::string&, bool, bool) override {}
    void terminate() override { failed_ = true; }

    bool failed() const { return failed_; }
    // The error messages shown so far, each as "caption: text".
    const std::vector<std::string>& errors() const { return errors_; }

private:
    std::ostream& err_;
    std::vector<std::string> errors_;
    bool failed_ = false;
};

} // namespace regforge::cli
