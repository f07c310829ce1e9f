#include "cli/SavedConfiguration.h"

#include "app/ConfigurationCommands.h"
#include "io/NameText.h"

#include <ostream>

namespace regforge::cli {

std::unique_ptr<app::MainForm> loadSavedConfiguration(const Invocation& invocation, CliUi& ui,
                                                      std::ostream& err) {
    auto form = std::make_unique<app::MainForm>(ui, invocation.folders);
    form->setRestoresWindowSize(false);
    form->setTriesLoadsFirst(false);
    form->setTracksChanges(false);
    form->FormCreate();
    if (ui.failed())
        return nullptr;
    form->configuration().setRemembersLastLoaded(false);

    const std::filesystem::path config = invocation.operands.at(0);
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(config, ec);
    const auto outcome = form->configuration().loadConfiguration(ec ? config : absolute);
    if (ui.failed() || outcome != config::LoadOutcome::Loaded) {
        if (!ui.failed())
            err << "regforge-cli: error: the configuration " << io::quotedName(config.string())
                << " was not applied\n";
        return nullptr;
    }
    return form;
}

} // namespace regforge::cli
