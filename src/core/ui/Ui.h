#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace regforge::tools {
class Calculator;
}

namespace regforge::ui {

enum class Icon { None, Information, Warning, Error, Question };
// YesNoDefaultNo: Yes/No with No as the default button (the answer nobody gave).
enum class Buttons { Ok, OkCancel, YesNo, YesNoDefaultNo, SaveDiscardCancel };
enum class Answer { Ok, Cancel, Yes, No, Save, Discard };

// A file dialog request. `filter` uses the "Description (*.ext)|*.ext" form, pairs
// separated by "|".
struct FileRequest {
    std::string title;
    std::string filter;
    std::string defaultExtension; // with its dot, as ".sav"
    std::filesystem::path start;  // starting file or folder; empty for the dialog's own choice
    bool overwritePrompt = false; // save dialogs: ask before replacing a file
    bool mustExist = false;       // open dialogs: only existing files
    bool folder = false;          // open dialogs: an existing folder instead of a file
};

// Everything modal the core asks of its user. The desktop program answers with dialogs, the
// command line non-interactively, the tests from a script.
class Ui {
public:
    virtual ~Ui() = default;

    virtual Answer message(const std::string& caption, const std::string& text, Icon icon,
                           Buttons buttons) = 0;
    virtual std::optional<std::filesystem::path> openFile(const FileRequest& request) = 0;
    virtual std::optional<std::filesystem::path> saveFile(const FileRequest& request) = 0;
    // nullopt when cancelled.
    virtual std::optional<std::string> inputQuery(const std::string& caption, const std::string& prompt,
                                                  const std::string& value) = 0;
    // A cancelled box returns the default.
    virtual std::string inputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultValue) = 0;
    virtual void setClipboard(const std::string& text) = 0;
    // Shows the frequency/period calculator modally, its results already computed for the
    // start value; true when the user left it with Apply.
    virtual bool runCalculator(tools::Calculator& calculator) = 0;
    virtual void showPicture(const std::filesystem::path& path, const std::string& caption, bool modal,
                             bool rollButton) = 0;
    // Asks the program to end once its event loop runs.
    virtual void terminate() = 0;
};

} // namespace regforge::ui
