#include "periph/io/PinCodeGenerator.h"

#include "model/BitString.h"
#include "model/CheckControls.h"
#include "model/ListControls.h"
#include "periph/io/PinSections.h"
#include "periph/io/PinSpecs.h"
#include "periph/io/PinState.h"
#include "profile/ProfileSections.h"

#include <algorithm>
#include <array>
#include <optional>

namespace regforge::periph::io {

namespace {

constexpr const char* kZeroRegister = "00000000000000000000000000000000";

// Pull texts by pull-mode image 1..4.
constexpr std::array<const char*, 4> kPinselPullTexts = {", pull-up resistor enabled", ", repeater mode",
                                                         ", neither pull-up nor pull-down",
                                                         ", pull-down resistor enabled"};
constexpr std::array<const char*, 4> kIoconPullTexts = {", neither pull-up nor pull-down",
                                                        ", pull-down resistor enabled",
                                                        ", pull-up resistor enabled", ", repeater mode"};

// IOCON option nodes, recognised by the beginning of their text in this order.
struct IoconOption {
    const char* prefix;
    int bit;
    const char* textOn;
    const char* textOff;
};
constexpr IoconOption kIoconOptions[] = {
    {"HYS", 5, ", Hysteresis enabled", ", Hysteresis disabled"},
    {"INV", 6, ", Input is inverted", ", Input not inverted"},
    {"ADMODE", 7, ", Digital mode", ", Analog mode"},
    {"FILTER", 8, ", No input filtering", ", Input filtering noise below 10ns"},
    {"HS", 8, ", I2C 50ns glitch filter and slew rate control disabled",
     ", I2C 50ns glitch filter and slew rate control enabled"},
    {"SLEW", 9, ", Output slew rate control disabled (fast mode)",
     ", Output slew rate control enabled (standard mode)"},
    {"HIDRIVE", 9, ", Output drive sink is 20 mA", ", Output drive sink is 4 mA"},
    {"OD", 10, ", Open Drain enabled", ", Open Drain disabled"},
    {"DACEN", 16, ", DAC enabled", ", DAC disabled"},
};
// The generator reads at most this many option nodes per pin.
constexpr std::size_t kMaxIoconOptions = 11;

constexpr const char* kOpenDrainRegister = "LPC_PINCON->PINMODE_OD";
// The port digit of a Cortex-M3 direction register ("LPC_GPIO0->FIODIR").
constexpr std::size_t kPortDigitPosition = 8;

bool contains(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

const char* pullText(const std::array<const char*, 4>& texts, int image) {
    return image >= 1 && image <= 4 ? texts[static_cast<std::size_t>(image - 1)] : "";
}

// The pins of the tree in order with their position among the pin nodes; pins without any
// function node are counted but not visited.
template <class Visit>
void forEachPin(const model::Tree& tree, Visit visit) {
    std::size_t ordinal = 0;
    for (int i = 0; i < tree.count(); ++i) {
        if (tree.node(i).level != 0)
            continue;
        const auto children = tree.childrenOf(i);
        if (!children.empty())
            visit(i, ordinal, children);
        ++ordinal;
    }
}

// The selected function: its number and text. A pin without one is written as its first function.
struct Function {
    int number = 0;
    std::string text;
};

Function selectedFunction(const model::Tree& tree, const std::vector<int>& children, int maxPinFunction) {
    const std::size_t count = std::min(children.size(), static_cast<std::size_t>(maxPinFunction) + 1);
    for (std::size_t j = 0; j < count; ++j)
        if (tree.node(children[j]).stateIndex == pinstate::FunctionSelected)
            return {static_cast<int>(j), tree.node(children[j]).text};
    return {0, tree.node(children.front()).text};
}

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

void PinCodeGenerator::generate(ResultLists& lists) const {
    if (device_.hasIocon)
        GeneratePinCodeIocon(lists);
    else
        GeneratePinCodePinsel(lists);
}

std::size_t PinCodeGenerator::use(Registers& registers, const std::string& name) {
    const auto it =
        std::find_if(registers.begin(), registers.end(), [&](const auto& r) { return r.name == name; });
    if (it != registers.end())
        return static_cast<std::size_t>(it - registers.begin());
    registers.push_back({name, kZeroRegister});
    return registers.size() - 1;
}

std::string PinCodeGenerator::registerLine(const std::string& prefix, const Register& reg) {
    return "    " + prefix + reg.name + " = " + model::bitsToHex(reg.bits) + ";     /* " +
           model::bitsToBinaryText(reg.bits) + " */";
}

std::optional<DirectionSpec> PinCodeGenerator::useDirectionRegister(Registers& registers,
                                                                    std::size_t ordinal) const {
    auto direction =
        ordinal < lists_.ioDirSpecs.size() ? parseDirectionSpec(lists_.ioDirSpecs[ordinal]) : std::nullopt;
    if (direction)
        use(registers, direction->registerName);
    return direction;
}

std::string PinCodeGenerator::directionText(Registers& registers, int pin, std::size_t ordinal) const {
    const auto direction = useDirectionRegister(registers, ordinal);
    const int state = tree_.node(pin).stateIndex;
    const bool output = state != pinstate::GpioInput && state != pinstate::InputOnly;
    if (direction) {
        const std::size_t d = use(registers, direction->registerName);
        model::setBit(registers[d].bits, direction->bit, output);
    }
    return output ? " Output" : " Input";
}

void PinCodeGenerator::appendStartupLines(std::vector<std::string>& out, bool gpdmaInUse) const {
    const auto& lines = device_.profileLines;
    const auto appendTwo = [&](const char* header) {
        const auto body = profile::sectionBody(lines, header);
        for (std::size_t i = 0; i < body.size() && i < 2; ++i)
            out.push_back("    " + body[i]);
    };
    appendTwo(kGpioInitSection);
    if (gpdmaInUse)
        appendTwo(kGpdmaInitSection);
}

void PinCodeGenerator::GeneratePinCodePinsel(ResultLists& lists) const {
    auto& out = lists.mainLines;
    const auto& profileLines = device_.profileLines;
    std::vector<std::string> fastGpio;
    for (auto& line : profile::sectionBody(profileLines, kFastIoSection))
        if (!line.empty())
            fastGpio.push_back(std::move(line));
    const auto noOpenDrain = profile::sectionBody(profileLines, kNoOpenDrainSection);
    const auto& openDrainBox = openDrain_;

    Registers registers;
    out.push_back("/*");
    forEachPin(tree_, [&](int pin, std::size_t ordinal, const std::vector<int>& children) {
        const auto field =
            ordinal < lists_.pinSelSpecs.size() ? parsePinselSpec(lists_.pinSelSpecs[ordinal]) : std::nullopt;
        if (!field)
            return;
        const std::string& name = tree_.node(pin).text;
        const std::size_t r = use(registers, field->registerName);
        // The PINMODE register lands right after its PINSEL register; a register name without
        // "PINSEL" has no pull-mode register of its own.
        std::optional<std::size_t> m;
        if (lists_.pullModes()) {
            const std::string modeName = replaceAll(field->registerName, "PINSEL", "PINMODE");
            if (modeName != field->registerName)
                m = use(registers, modeName);
        }
        const Function function = selectedFunction(tree_, children, device_.maxPinFunction);
        model::setBit(registers[r].bits, field->highBit, (function.number & 2) != 0);
        model::setBit(registers[r].bits, field->lowBit, (function.number & 1) != 0);

        std::string pull;
        if (lists_.pullModes()) {
            const int image = tree_.node(pin).imageIndex;
            if (m && image >= 1 && image <= 4) {
                model::setBit(registers[*m].bits, field->highBit, ((image - 1) & 2) != 0);
                model::setBit(registers[*m].bits, field->lowBit, ((image - 1) & 1) != 0);
            }
            pull = pullText(kPinselPullTexts, image);
        }

        const auto direction = useDirectionRegister(registers, ordinal);

        std::string openDrain;
        if (device_.cortexM3 && direction) {
            const std::string& d = direction->registerName;
            std::string odName = kOpenDrainRegister;
            if (d.size() > kPortDigitPosition)
                odName += d[kPortDigitPosition];
            const std::size_t o = use(registers, odName);
            const auto& items = openDrainBox.items();
            const auto item = std::find(items.begin(), items.end(), name);
            if (!contains(noOpenDrain, name) && item != items.end() &&
                openDrainBox.checked(static_cast<int>(item - items.begin()))) {
                model::setBit(registers[o].bits, direction->bit, true);
                openDrain = ", open drain";
            }
        }

        std::string line = "    " + name + ":  " + function.text;
        if (function.number == 0)
            line += directionText(registers, pin, ordinal);
        out.push_back(line + pull + openDrain);
    });
    out.push_back("*/");
    out.push_back("");
    appendStartupLines(out, lists.gpdmaInUse);
    out.push_back("");

    std::string prefix;
    // A device without fast GPIO hides the box; SCS bit 0 means something else there.
    if (fastIo_.checked() && fastIo_.visible()) {
        prefix = 'F';
        // Only the fast-GPIO bits are set; the rest of SCS (the main oscillator enable on
        // the 23xx/24xx) stays as the start-up code left it. The 21xx have one bit per port.
        const char* setFastGpio =
            device_.deviceFamily == "21xx" ? "    SCS |= 3;  /* " : "    SCS |= 1;  /* ";
        out.push_back(setFastGpio +
                      (fastGpio.empty() ? std::string("enable high speed gpio") : fastGpio.front()) + " */");
    }
    for (const auto& reg : registers) {
        // Registers listed after the first [FIO] line exist only in their fast form.
        if (fastGpio.size() > 1 &&
            std::find(fastGpio.begin() + 1, fastGpio.end(), reg.name) != fastGpio.end())
            out.push_back(registerLine("F", reg));
        else if (reg.name.starts_with("IO"))
            out.push_back(registerLine(prefix, reg));
        else
            out.push_back(registerLine("", reg));
    }
    out.push_back("");
}

void PinCodeGenerator::GeneratePinCodeIocon(ResultLists& lists) const {
    auto& out = lists.mainLines;
    Registers registers;
    out.push_back("/*");
    forEachPin(tree_, [&](int pin, std::size_t ordinal, const std::vector<int>& children) {
        if (ordinal >= lists_.pinSelSpecs.size())
            return;
        const std::string& name = tree_.node(pin).text;
        const std::size_t r = use(registers, lists_.pinSelSpecs[ordinal]);
        auto& bits = registers[r].bits;

        const Function function = selectedFunction(tree_, children, device_.maxPinFunction);
        for (int b = 0; b < 3; ++b)
            model::setBit(bits, b, ((function.number >> b) & 1) != 0);
        const int image = tree_.node(pin).imageIndex;
        if (image >= 1 && image <= 4) {
            model::setBit(bits, 4, ((image - 1) & 2) != 0);
            model::setBit(bits, 3, ((image - 1) & 1) != 0);
        }

        std::string options;
        const auto firstOption = static_cast<std::size_t>(device_.maxPinFunction) + 1;
        for (std::size_t j = firstOption; j < children.size() && j < firstOption + kMaxIoconOptions; ++j) {
            const auto& node = tree_.node(children[j]);
            for (const auto& option : kIoconOptions) {
                if (!node.text.starts_with(option.prefix))
                    continue;
                const bool on = node.stateIndex == pinstate::OptionOn;
                if (on)
                    model::setBit(bits, option.bit, true);
                options += on ? option.textOn : option.textOff;
                break;
            }
        }

        // On the 13xx the GPIO function is not always the first one (PIO0_0 is RESET at 0,
        // GPIO at 1): there the function's "POR..." name says whether the pin is a GPIO.
        const bool gpio =
            device_.deviceFamily == "13xx" ? function.text.starts_with("POR") : function.number == 0;
        std::string line = "    " + name + ":  " + function.text;
        if (gpio)
            line += directionText(registers, pin, ordinal);
        else
            useDirectionRegister(registers, ordinal);
        out.push_back(line + pullText(kIoconPullTexts, image) + options);
    });
    out.push_back("*/");
    out.push_back("");
    appendStartupLines(out, lists.gpdmaInUse);
    out.push_back("");
    for (const auto& reg : registers)
        if (!endsWith(reg.name, "DIR"))
            out.push_back(registerLine("", reg));
    for (const auto& reg : registers)
        if (endsWith(reg.name, "DIR"))
            out.push_back(registerLine("", reg));
    out.push_back("");
}

} // namespace regforge::periph::io
