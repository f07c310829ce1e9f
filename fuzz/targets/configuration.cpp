// A saved configuration loaded as "Load configuration" loads it (the device profiles are the
// shipped ones), then "Create code". One window per process; each load replaces the set-up.
#include "FuzzInput.h"
#include "FuzzProgram.h"
#include "app/ConfigurationCommands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace regforge;
    auto& program = fuzz::program();
    const auto path = program.write("fuzz.sav", fuzz::bytesOf(data, size));
    auto& form = program.form();
    (void)form.configuration().loadConfiguration(path);
    (void)form.createCode();
    return 0;
}
