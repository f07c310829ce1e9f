#include "app/KeyCommands.h"

#include "app/ConfigurationCommands.h"
#include "app/MainForm.h"

namespace regforge::app {

namespace {

// The button behind a command, when it can be pressed: shown, and enabled with its containers.
model::Control* pressable(MainForm& form, const char* name) {
    model::Control* button = form.store().find(name);
    if (button == nullptr || !button->visible())
        return nullptr;
    for (const model::Control* c = button; c != nullptr; c = c->parent())
        if (!c->enabled())
            return nullptr;
    return button;
}

} // namespace

bool runKeyCommand(MainForm& form, KeyCommand command) {
    const char* name = nullptr;
    switch (command) {
    case KeyCommand::LoadConfiguration:
        name = "LoadConfigButton";
        break;
    case KeyCommand::SaveConfiguration:
    case KeyCommand::SaveConfigurationAs:
        name = "SaveConfigButton";
        break;
    case KeyCommand::CreateCode:
        name = "Result_btn";
        break;
    }
    model::Control* button = pressable(form, name);
    if (button == nullptr)
        return false;
    if (command == KeyCommand::SaveConfiguration && !form.configuration().currentFile().empty()) {
        form.configuration().saveConfiguration(form.configuration().currentFile());
        return true;
    }
    button->click();
    return true;
}

} // namespace regforge::app
