#pragma once

#include "ui/Ui.h"

namespace regforge::bench {

// A Ui that answers nothing: benchmarks measure the program alone.
class SilentUi : public ui::Ui {
public:
    ui::Answer message(const std::string&, const std::string&, ui::Icon, ui::Buttons) override {
        return ui::Answer::Ok;
    }
    std::optional<std::filesystem::path> openFile(const ui::FileRequest&) override { return {}; }
    std::optional<std::filesystem::path> saveFile(const ui::FileRequest&) override { return {}; }
    std::optional<std::string> inputQuery(const std::string&, const std::string&,
                                          const std::string&) override {
        return {};
    }
    std::string inputBox(const std::string&, const std::string&, const std::string& d) override { return d; }
    void setClipboard(const std::string&) override {}
    bool runCalculator(tools::Calculator&) override { return false; }
    void showPicture(const std::filesystem::path&, const std::string&, bool, bool) override {}
    void terminate() override {}
};

} // namespace regforge::bench
