#include "cli/ListCommand.h"

#include "app/MainForm.h"
#include "cli/CliUi.h"
#include "cli/CommandLine.h"
#include "cli/DataFolder.h"
#include "model/ComboBox.h"

#include <ostream>

namespace regforge::cli {

std::string_view ListCommand::description() const {
    return "Prints the names of the device profiles (include/*.ini) in the data folder, in the order of\n"
           "the desktop program's device list. Fails when the data folder has no include folder.\n";
}

int ListCommand::run(const Invocation& invocation, std::ostream& out, std::ostream& err) const {
    if (!namedDataFolderUsable(invocation, err))
        return kExitFailed;
    CliUi ui(err);
    app::MainForm form(ui, invocation.folders);
    form.setRestoresWindowSize(false);
    form.FormCreate();
    if (ui.failed())
        return kExitFailed;
    for (const auto& name : form.store().get<model::ComboBox>("mcu_ComboBox").items())
        out << name << '\n';
    return kExitOk;
}

} // namespace regforge::cli
