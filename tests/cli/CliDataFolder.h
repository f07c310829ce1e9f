#pragma once

#include "app/MainForm.h"
#include "cli/CliUi.h"
#include "cli/CommandLine.h"
#include "app/ConfigurationCommands.h"
#include "model/ComboBox.h"
#include "model/Tree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace regforge::cli::testing {

// What one command line run gave.
struct Outcome {
    int code;
    std::string out;
    std::string err;
};

// A data folder holding one device profile "Tiny", for running regforge-cli on it.
class CliDataFolder {
public:
    explicit CliDataFolder(const std::string& profile) { data.write("include/Tiny.ini", profile); }

    // Saves a configuration the way the desktop program does: load, choose TXD0, save.
    std::filesystem::path saveConfiguration(const std::string& name) {
        std::ostringstream quiet;
        CliUi ui(quiet);
        app::MainForm form(ui, data.path());
        form.FormCreate();
        auto& devices = form.store().get<model::ComboBox>("mcu_ComboBox");
        devices.setItemIndex(devices.indexOf("Tiny"));
        EXPECT_TRUE(form.LoadProfileBitBtnClick());
        form.store().get<model::Tree>("IO_Treeview").clickNode(2, model::TreeHitPart::StateIcon);
        const auto path = data.path() / name;
        EXPECT_TRUE(form.configuration().saveConfiguration(path));
        return path;
    }

    // regforge-cli --data-dir <this folder> args...
    Outcome cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data-dir", data.path().string()});
        std::ostringstream out;
        std::ostringstream err;
        const int code = run(args, "/nonexistent", "", out, err);
        return {code, out.str(), err.str()};
    }

    regforge::testing::TempDir data;
};

} // namespace regforge::cli::testing
