#include "app/KeyCommands.h"

#include "app/ConfigurationCommands.h"
#include "app/MainForm.h"
#include "model/Containers.h"

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

// The next shown tab `step` (+1 or -1) from the open one, wrapping round.
bool stepPage(MainForm& form, int step) {
    auto& pages = form.store().get<model::PageControl>("pagecontrol1");
    const auto& tabs = pages.children();
    const int count = static_cast<int>(tabs.size());
    for (int k = 1; k < count; ++k) {
        const int index = ((pages.activePageIndex() + step * k) % count + count) % count;
        if (tabs[static_cast<std::size_t>(index)]->visible()) {
            pages.setActivePageIndex(index);
            return true;
        }
    }
    return false;
}

} // namespace

bool runKeyCommand(MainForm& form, KeyCommand command) {
    const char* name = nullptr;
    switch (command) {
    case KeyCommand::NextPage:
        return stepPage(form, 1);
    case KeyCommand::PreviousPage:
        return stepPage(form, -1);
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
