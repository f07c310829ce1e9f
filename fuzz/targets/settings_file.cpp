// The settings file as the program reads it at start-up: the window size and the last
// loaded configuration.
#include "FuzzInput.h"
#include "FuzzProgram.h"
#include "config/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace regforge;
    const auto path = fuzz::program().write("include/regforge", fuzz::bytesOf(data, size));
    const config::SettingsFile settings(path);
    try {
        (void)settings.readFormSize();
    } catch (const config::SettingsFile::Error&) {
    }
    try {
        (void)settings.readLastLoaded();
    } catch (const config::SettingsFile::Error&) {
    }
    return 0;
}
