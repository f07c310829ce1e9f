#pragma once

#include "model/CheckControls.h"
#include "model/ListControls.h"
#include "model/Tree.h"
#include "periph/ResultLists.h"
#include "periph/io/PinLists.h"
#include "periph/io/PinSpecs.h"
#include "profile/DeviceState.h"

#include <optional>
#include <string>
#include <vector>

namespace regforge::periph::io {

// Writes the pin set-up at the start of `main`: a comment listing every pin with its function,
// direction, pull mode and options, the profile's GPIO and GPDMA start-up lines, the fast-GPIO
// switch, and one assignment per register. It reads the pin tree and the page's controls; it
// keeps nothing between runs.
class PinCodeGenerator {
public:
    PinCodeGenerator(const profile::DeviceState& device, const PinLists& lists, const model::Tree& tree,
                     const model::CheckListBox& openDrain, const model::CheckBox& fastIo)
        : device_(device), lists_(lists), tree_(tree), openDrain_(openDrain), fastIo_(fastIo) {}

    // The PINSEL or the IOCON form, as the device has it.
    void generate(ResultLists& lists) const;
    // PINSEL and PINMODE registers, direction registers, open drain on Cortex-M3 devices.
    void GeneratePinCodePinsel(ResultLists& lists) const;
    // One IOCON register per pin, then the direction registers.
    void GeneratePinCodeIocon(ResultLists& lists) const;

private:
    struct Register {
        std::string name;
        std::string bits;
    };
    using Registers = std::vector<Register>;

    // The register's index, appended with all bits clear when new.
    static std::size_t use(Registers& registers, const std::string& name);
    static std::string registerLine(const std::string& prefix, const Register& reg);

    void appendStartupLines(std::vector<std::string>& out, bool gpdmaInUse) const;
    // The pin's direction register, appended when new; nullopt for an unusable entry.
    std::optional<DirectionSpec> useDirectionRegister(Registers& registers, std::size_t ordinal) const;
    // The pin's GPIO direction word and bit, written into its direction register.
    std::string directionText(Registers& registers, int pin, std::size_t ordinal) const;

    const profile::DeviceState& device_;
    const PinLists& lists_;
    const model::Tree& tree_;
    const model::CheckListBox& openDrain_;
    const model::CheckBox& fastIo_;
};

} // namespace regforge::periph::io
