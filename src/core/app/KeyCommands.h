#pragma once

#include <array>

namespace regforge::app {

class MainForm;

// The window's commands that have a key of their own, wherever the focus is.
enum class KeyCommand { LoadConfiguration, SaveConfiguration, SaveConfigurationAs, CreateCode };

// A command and its key, written as a key sequence.
struct CommandKey {
    KeyCommand command;
    const char* keys;
};

inline constexpr std::array<CommandKey, 4> kCommandKeys = {{
    {KeyCommand::LoadConfiguration, "Ctrl+O"},
    {KeyCommand::SaveConfiguration, "Ctrl+S"},
    {KeyCommand::SaveConfigurationAs, "Ctrl+Shift+S"},
    {KeyCommand::CreateCode, "F9"},
}};

// Runs the command as its button would, when that button can be pressed now; false when not.
// Saving writes back to the configuration last loaded or saved, and asks where only when there
// is none; "save as" always asks.
bool runKeyCommand(MainForm& form, KeyCommand command);

} // namespace regforge::app
