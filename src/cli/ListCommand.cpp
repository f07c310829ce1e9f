#include "cli/ListCommand.h"

#include "app/MainForm.h"
#include "cli/CliUi.h"
#include "cli/CommandLine.h"
#include "model/ComboBox.h"

#include <ostream>

namespace regforge::cli {

int ListCommand::run(std::ostream& out, std::ostream& err) const {
    CliUi ui(err);
    app::MainForm form(ui, folders_);
    form.FormCreate();
    if (ui.failed())
        return kExitFailed;
    for (const auto& name : form.store().get<model::ComboBox>("mcu_ComboBox").items())
        out << name << '\n';
    return kExitOk;
}

} // namespace regforge::cli
