// The pin section readers on any profile text, without a window: the pin tree loader in the
// form the profile asks for, and the pin-select and direction entries of every line.
#include "FuzzInput.h"
#include "model/Tree.h"
#include "periph/io/PinLists.h"
#include "periph/io/PinSpecs.h"
#include "periph/io/PinTreeLoader.h"
#include "periph/io/QuickSelector.h"
#include "profile/DeviceState.h"
#include "profile/ProfileSections.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace regforge;
    using periph::io::PinTreeVariant;

    profile::DeviceState device;
    device.profileLines = fuzz::linesOf(data, size);
    device.deviceName = "FUZZ";
    const auto& lines = device.profileLines;
    PinTreeVariant variant = PinTreeVariant::Pinsel;
    if (profile::hasSection(lines, "[IOCON]")) {
        device.hasIocon = true;
        device.maxPinFunction = 7;
        device.ioconLines = profile::sectionBody(lines, "[IOCON]");
        const bool family13xx = profile::hasSection(lines, "[LPC13xx]");
        if (family13xx)
            device.deviceFamily = "13xx";
        variant = family13xx ? PinTreeVariant::Iocon13xx : PinTreeVariant::Iocon;
    }

    model::Tree tree("IO_Treeview", nullptr);
    periph::io::PinLists lists;
    periph::io::QuickSelector quick;
    periph::io::PinTreeLoader loader(device, variant, tree, lists, quick);
    try {
        loader.load();
        quick.build();
    } catch (const profile::ProfileError&) {
    }

    for (const auto& line : lines) {
        (void)periph::io::parsePinselSpec(line);
        (void)periph::io::parseDirectionSpec(line);
        (void)periph::io::directionOf(line);
    }
    return 0;
}
