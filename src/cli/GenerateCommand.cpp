#include "cli/GenerateCommand.h"

#include "app/MainForm.h"
#include "cli/CliUi.h"
#include "cli/CommandLine.h"
#include "config/ConfigurationCommands.h"
#include "io/TextFile.h"
#include "model/ListControls.h"

#include <ostream>

namespace regforge::cli {

int GenerateCommand::run(std::ostream& out, std::ostream& err) const {
    CliUi ui(err);
    app::MainForm form(ui, folders_);
    form.FormCreate();
    if (ui.failed())
        return kExitFailed;

    std::error_code ec;
    const auto config = std::filesystem::absolute(config_, ec);
    const auto outcome = form.configuration().loadConfiguration(ec ? config_ : config);
    if (ui.failed() || outcome != config::LoadOutcome::Loaded) {
        if (!ui.failed())
            err << "regforge-cli: error: the configuration " << config_.string() << " was not applied\n";
        return kExitFailed;
    }

    form.Result_btnClick();
    const auto& lines = form.store().get<model::Memo>("Memo1").lines();
    if (ui.failed() || lines.empty()) {
        if (!ui.failed())
            err << "regforge-cli: error: the device has no pins, so no code was generated\n";
        return kExitFailed;
    }
    const std::string text = io::joinLines(lines, io::LineEnding::Lf);
    if (!output_) {
        out << text;
        return kExitOk;
    }
    try {
        io::writeBytes(*output_, text);
    } catch (const io::FileError& e) {
        err << "regforge-cli: error: " << e.what() << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace regforge::cli
