#pragma once

#include <array>

namespace regforge::app {

class MainForm;

// The window's commands that have a key of their own, wherever the focus is.
enum class KeyCommand {
    LoadConfiguration,
    SaveConfiguration,
    SaveConfigurationAs,
    CreateCode,
    NextPage,
    PreviousPage
};

// A command and its key, written as a key sequence.
struct CommandKey {
    KeyCommand command;
    const char* keys;
};

inline constexpr std::array<CommandKey, 6> kCommandKeys = {{
    {KeyCommand::LoadConfiguration, "Ctrl+O"},
    {KeyCommand::SaveConfiguration, "Ctrl+S"},
    {KeyCommand::SaveConfigurationAs, "Ctrl+Shift+S"},
    {KeyCommand::CreateCode, "F9"},
    {KeyCommand::NextPage, "Ctrl+PgDown"},
    {KeyCommand::PreviousPage, "Ctrl+PgUp"},
}};

// Runs the command as its button would, when that button can be pressed now; false when not.
// Saving writes back to the configuration last loaded or saved, and asks where only when there
// is none; "save as" always asks. The page keys open the next or previous shown tab, wrapping
// round, as a click on that tab does.
bool runKeyCommand(MainForm& form, KeyCommand command);

} // namespace regforge::app
