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

// A device with one pin, P0.0, whose functions are PORT0.0, TXD0, PWM1 and Reserved.
inline constexpr const char* kOnePinProfile = "[PINSEL]\r\n"
                                              "PINSEL0,1,0@P0.0:PORT0.0;TXD0,PWM1,Reserved,\r\n"
                                              "[IODIR]\r\n"
                                              "IO0DIR,0\r\n"
                                              "[INCLUDE]\r\n"
                                              "LPC214x.h\r\n";

// A data folder holding one device profile "Tiny", for running regforge-cli on it.
class CliDataFolder {
public:
    explicit CliDataFolder(const std::string& profile = kOnePinProfile) {
        data.write("include/Tiny.ini", profile);
    }

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

    // Switches the saved configuration's replace list on, naming `list`; the file's new text.
    std::string useReplaceList(const std::filesystem::path& config, const std::string& list) {
        std::string text = data.read(config.filename().string());
        const auto at = text.find("[Replace]\r\n0\r\n\r\n");
        EXPECT_NE(at, std::string::npos);
        if (at != std::string::npos)
            text.replace(at, 16, "[Replace]\r\n1\r\n" + list + "\r\n");
        data.write(config.filename().string(), text);
        return text;
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
