// The whole device load: the input is the profile file of the device "FUZZ", loaded the way
// "Load profile" loads it into the one window of the process; a device that loads is then
// turned into code.
#include "FuzzInput.h"
#include "FuzzProgram.h"
#include "model/ComboBox.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace regforge;
    auto& program = fuzz::program();
    program.write("include/FUZZ.ini", fuzz::bytesOf(data, size));
    auto& form = program.form();
    auto& devices = form.store().get<model::ComboBox>("mcu_ComboBox");
    if (devices.indexOf("FUZZ") < 0) {
        // The list was filled before the file existed: start again as the program does.
        form.FormCreate();
    }
    devices.setItemIndex(devices.indexOf("FUZZ"));
    if (form.LoadProfileBitBtnClick())
        (void)form.createCode();
    return 0;
}
