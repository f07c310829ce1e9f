#pragma once

#include "ui/Ui.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace regforge::testing {

// A scripted Ui: records every request and answers from queues (defaults when a queue is empty:
// OK / Yes, no file, cancelled input).
class FakeUi : public ui::Ui {
public:
    struct Message {
        std::string caption;
        std::string text;
        ui::Icon icon;
        ui::Buttons buttons;
    };

    ui::Answer message(const std::string& caption, const std::string& text, ui::Icon icon,
                       ui::Buttons buttons) override;
    std::optional<std::filesystem::path> openFile(const ui::FileRequest& request) override;
    std::optional<std::filesystem::path> saveFile(const ui::FileRequest& request) override;
    std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                          const std::string& value) override;
    std::string inputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultValue) override;
    void setClipboard(const std::string& text) override { clipboard = text; }
    bool runCalculator(tools::Calculator& calculator) override;
    void showPicture(const std::filesystem::path& path, const std::string& caption, bool modal,
                     bool rollButton) override;
    void terminate() override { terminated = true; }

    // Scripted answers, consumed front first.
    std::deque<ui::Answer> answers;
    std::deque<std::optional<std::filesystem::path>> files;
    std::deque<std::optional<std::string>> inputs;
    // Plays the user in the calculator window: true for Apply. Unset, every run is Abort.
    std::function<bool(tools::Calculator&)> calculator;

    // What was asked.
    std::vector<Message> messages;
    // The messages as one text, a line each: "Warning: caption: text", with " [Yes/No]" and the
    // like after buttons other than OK.
    std::string said() const;
    std::vector<ui::FileRequest> fileRequests;
    std::vector<std::string> prompts;
    struct Picture {
        std::filesystem::path path;
        std::string caption;
        bool modal;
        bool rollButton;
    };
    std::vector<Picture> pictures;
    std::string clipboard;
    int calculatorRuns = 0;
    bool terminated = false;
};

} // namespace regforge::testing
