#include "support/FakeUi.h"

namespace regforge::testing {

std::string FakeUi::said() const {
    static constexpr const char* kIcons[] = {"None", "Information", "Warning", "Error", "Question"};
    static constexpr const char* kButtons[] = {"", " [OK/Cancel]", " [Yes/No]", " [Yes/No, default No]",
                                               " [Save/Discard/Cancel]"};
    std::string out;
    for (const auto& m : messages)
        out += std::string(kIcons[static_cast<int>(m.icon)]) + ": " + m.caption + ": " + m.text +
               kButtons[static_cast<int>(m.buttons)] + "\n";
    return out;
}

ui::Answer FakeUi::message(const std::string& caption, const std::string& text, ui::Icon icon,
                           ui::Buttons buttons) {
    messages.push_back({caption, text, icon, buttons});
    if (!answers.empty()) {
        const ui::Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    if (buttons == ui::Buttons::SaveDiscardCancel)
        return ui::Answer::Discard;
    const bool yesNo = buttons == ui::Buttons::YesNo || buttons == ui::Buttons::YesNoDefaultNo;
    return yesNo ? ui::Answer::Yes : ui::Answer::Ok;
}

std::optional<std::filesystem::path> FakeUi::openFile(const ui::FileRequest& request) {
    fileRequests.push_back(request);
    if (files.empty())
        return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<std::filesystem::path> FakeUi::saveFile(const ui::FileRequest& request) {
    return openFile(request);
}

std::optional<std::string> FakeUi::inputQuery(const std::string& caption, const std::string& prompt,
                                              const std::string&) {
    prompts.push_back(caption + ": " + prompt);
    if (inputs.empty())
        return std::nullopt;
    auto v = inputs.front();
    inputs.pop_front();
    return v;
}

std::string FakeUi::inputBox(const std::string& caption, const std::string& prompt,
                             const std::string& defaultValue) {
    return inputQuery(caption, prompt, defaultValue).value_or(defaultValue);
}

bool FakeUi::runCalculator(tools::Calculator& c) {
    ++calculatorRuns;
    return calculator ? calculator(c) : false;
}

void FakeUi::showPicture(const std::filesystem::path& path, const std::string& caption, bool modal,
                         bool rollButton) {
    pictures.push_back({path, caption, modal, rollButton});
}

} // namespace regforge::testing
