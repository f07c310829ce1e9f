#include "periph/io/PinTreeLoader.h"

#include "periph/io/PinSections.h"
#include "periph/io/PinSpecs.h"
#include "periph/io/PinState.h"

#include <algorithm>
#include <charconv>

namespace regforge::periph::io {

namespace {

// The option tokens of an [IOCON] line: node text and initial state value, with the 13xx forms.
struct OptionToken {
    const char* token;
    const char* text;
    const char* text13xx;
    int state;
    int state13xx;
    bool only13xx;
};

constexpr OptionToken kOptionTokens[] = {
    {"HYS", "HYS (Hysteresis, uncheck to disable)", "HYS (Hysteresis, check to enable)", pinstate::OptionOn,
     pinstate::OptionOff, false},
    {"INV", "INV (check to invert state [1 in the input reads 0])", nullptr, pinstate::OptionOff,
     pinstate::OptionOff, false},
    {"ADMODE", "ADMODE (uncheck for analog mode)", nullptr, pinstate::OptionOn, pinstate::OptionOn, false},
    {"FILTER", "FILTER (uncheck to enable filter for noise pulses below 10 ns)", nullptr, pinstate::OptionOn,
     pinstate::OptionOn, false},
    {"HS", "HS (check to disable I2C 50ns glitch filter)", nullptr, pinstate::OptionOff, pinstate::OptionOff,
     false},
    {"SLEW", "SLEW (check for fast mode to disable slew rate control)", nullptr, pinstate::OptionOff,
     pinstate::OptionOff, false},
    {"HIDRIVE", "HIDRIVE (check for 20mA sink mode)", nullptr, pinstate::OptionOff, pinstate::OptionOff,
     false},
    {"OD", "OD (check for simulated open-drain output [high drive disable])",
     "OD (check for open-drain output)", pinstate::OptionOff, pinstate::OptionOff, false},
    {"DACEN", "DACEN (check to enable DAC)", nullptr, pinstate::OptionOff, pinstate::OptionOff, false},
    {"I2CMODE", kI2cModeStandardFastText, kI2cModeStandardFastText, pinstate::I2cModeStandardFast,
     pinstate::I2cModeStandardFast, true},
};

// Pull-mode images of a new pin: code 00 on PINSEL devices (pull-up), code 10 on IOCON devices
// (pull-up as well).
constexpr int kPinselStartImage = 1;
constexpr int kIoconStartImage = 3;

// A pin selects among four functions (eight on IOCON devices) and has a handful of options; far
// more under one pin is a broken line, refused before it fills the memory with nodes.
constexpr int kMostPinChildren = 64;

bool contains(const profile::Lines& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

int pullModeCode(const std::string& line) {
    int value = -1;
    const auto* end = line.data() + line.size();
    const auto [ptr, ec] = std::from_chars(line.data(), end, value);
    if (ec != std::errc() || ptr != end || value < 0 || value > kMostPullModeCode)
        throw profile::ProfileError("[PINMODE] line is not a pull-mode code: " + line);
    return value;
}

} // namespace

PinTreeLoader::PinTreeLoader(const profile::DeviceState& device, PinTreeVariant variant, model::Tree& tree,
                             PinLists& lists, QuickSelector& quickSelector)
    : device_(device), variant_(variant), tree_(tree), lists_(lists), quick_(quickSelector) {}

void PinTreeLoader::readPullModes() {
    const auto& lines = device_.profileLines;
    if (profile::hasSection(lines, kPinModeSection)) {
        lists_.pinModeCodes = profile::sectionBody(lines, kPinModeSection);
        std::vector<int> codes;
        for (const auto& line : lists_.pinModeCodes)
            codes.push_back(pullModeCode(line));
        for (std::size_t i = 0; i < lists_.pinModeCycle.size(); ++i)
            lists_.pinModeCycle[i] = i < codes.size() ? codes[i] : (codes.empty() ? 0 : codes[0]);
        noPinMode_ = profile::sectionBody(lines, kNoPinModeSection);
    }
    if (!iocon())
        noOpenDrain_ = profile::sectionBody(lines, kNoOpenDrainSection);
    if (!lists_.pullModes())
        tree_.setImageList("");
    else
        tree_.setImageList(iocon() ? "ImageList4" : "ImageList2");
}

void PinTreeLoader::load() {
    const auto& lines = device_.profileLines;
    readPullModes();
    lists_.ioDirSpecs = profile::sectionBody(lines, kDirectionSection);

    const int header = profile::findSection(lines, kPinSelectSection);
    if (header < 0)
        return;
    for (std::size_t l = static_cast<std::size_t>(header) + 1; l < lines.size(); ++l) {
        const std::string& line = lines[l];
        if (line.empty())
            continue;
        if (line.front() == '[')
            break;
        if (!readPinLine(line))
            skipped_.push_back(static_cast<int>(l));
        if (iocon()) {
            addOptions(l - static_cast<std::size_t>(header) - 1);
            lists_.ioconOptionCounts.push_back(optionTotal_);
        }
    }
}

bool PinTreeLoader::readPinLine(const std::string& line) {
    const auto at = line.find('@');
    if (at == std::string::npos)
        return false;
    const std::string spec = line.substr(0, at);
    std::string token;
    bool named = false;
    bool whole = true;
    for (std::size_t i = at + 1; i < line.size(); ++i) {
        switch (const char c = line[i]) {
        case ':':
            addPin(token, spec);
            named = true;
            token.clear();
            break;
        case ',':
        case ';':
            // A function before the line's pin name has no pin of its own to go under.
            whole = whole && named;
            addFunction(token, c == ';');
            token.clear();
            break;
        default:
            token += c;
        }
    }
    // A token without its closing character names nothing.
    return whole && named && token.empty();
}

void PinTreeLoader::addPin(const std::string& name, const std::string& spec) {
    const std::size_t k = lists_.pinNames.size();
    if (k >= lists_.ioDirSpecs.size())
        throw profile::ProfileError("no [IODIR] line for pin " + name);
    const std::string& direction = lists_.ioDirSpecs[k];
    // The pin code needs a register and bit for every pin; a profile that cannot give them is
    // refused at load rather than producing wrong register values later.
    if (!parseDirectionSpec(direction))
        throw profile::ProfileError("[IODIR] line of pin " + name + " is not register,bit: " + direction);
    if (!iocon()) {
        const auto field = parsePinselSpec(spec);
        if (!field)
            throw profile::ProfileError("[PINSEL] line of pin " + name +
                                        " is not register,high bit,low bit: " + spec);
        // The two bits of an aligned two-bit field named low bit first would select the wrong
        // function for every pin of the field. (A one-bit field may name an unused bit as its
        // high bit, in any order.)
        if (field->highBit % 2 == 0 && field->lowBit == field->highBit + 1)
            throw profile::ProfileError("[PINSEL] line of pin " + name + " names its low bit first: " + spec);
    }

    currentPin_ = tree_.addNode(-1, name);
    pinChildren_ = 0;
    const int image = contains(noPinMode_, name) ? -1 : (iocon() ? kIoconStartImage : kPinselStartImage);
    tree_.setImageIndex(currentPin_, image);
    tree_.setSelectedIndex(currentPin_, image);
    switch (directionOf(direction)) {
    case PinDirection::InputOnly:
        tree_.setStateIndex(currentPin_, pinstate::InputOnly);
        break;
    case PinDirection::OutputOnly:
        tree_.setStateIndex(currentPin_, pinstate::OutputOnly);
        break;
    case PinDirection::Both:
        tree_.setStateIndex(currentPin_, pinstate::GpioInput);
        break;
    }
    lists_.pinNames.push_back(name);
    lists_.pinSelSpecs.push_back(spec);
    if (!iocon() && !contains(noOpenDrain_, name))
        openDrainPins_.push_back(name);
}

void PinTreeLoader::addFunction(const std::string& name, bool selectedAtReset) {
    // Functions before the first pin of the section have no pin to go under.
    if (currentPin_ < 0)
        return;
    if (++pinChildren_ > kMostPinChildren)
        throw profile::ProfileError("[PINSEL] line of pin " + tree_.node(currentPin_).text +
                                    " has more than " + std::to_string(kMostPinChildren) + " functions");
    const int node = tree_.addNode(currentPin_, name);
    if (selectedAtReset) {
        tree_.setStateIndex(node, pinstate::FunctionSelected);
        if (variant_ == PinTreeVariant::Iocon13xx && !name.starts_with(kGpioFunctionPrefix)) {
            tree_.setStateIndex(currentPin_, pinstate::AlternativeFunction);
            tree_.setNodeBold(currentPin_, true);
        }
        return;
    }
    tree_.setStateIndex(node,
                        name == kReservedFunction ? pinstate::FunctionUnavailable : pinstate::FunctionFree);
    const int group = QuickSelector::groupFor(name, iocon());
    if (group >= 0)
        quick_.addTemplate(group, name + " [" + tree_.node(currentPin_).text + "]",
                           kQuickSelectTagBase + node);
}

void PinTreeLoader::addOptions(std::size_t pinselLine) {
    if (!device_.cortexM3 || device_.ioconLines.empty())
        return;
    // Line k of [IOCON] belongs to line k of [PINSEL].
    if (pinselLine >= device_.ioconLines.size())
        throw profile::ProfileError("no [IOCON] line for [PINSEL] line " + std::to_string(pinselLine + 1));
    const std::string& entry = device_.ioconLines[pinselLine];
    if (entry.empty() || entry.front() == '-')
        return;
    std::string token;
    for (const char c : entry) {
        if (c == ',') {
            addOption(token);
            token.clear();
        } else {
            token += c;
        }
    }
}

void PinTreeLoader::addOption(const std::string& token) {
    if (currentPin_ < 0)
        return;
    if (++pinChildren_ > kMostPinChildren)
        throw profile::ProfileError("[IOCON] line of pin " + tree_.node(currentPin_).text +
                                    " has more than " + std::to_string(kMostPinChildren) +
                                    " functions and options");
    const bool family13xx = variant_ == PinTreeVariant::Iocon13xx;
    std::string text = token;
    int state = pinstate::NoIcon;
    for (const auto& option : kOptionTokens) {
        if (token != option.token || (option.only13xx && !family13xx))
            continue;
        text = family13xx && option.text13xx != nullptr ? option.text13xx : option.text;
        state = family13xx ? option.state13xx : option.state;
        break;
    }
    const int node = tree_.addNode(currentPin_, std::move(text));
    tree_.setStateIndex(node, state);
    tree_.setNodeBold(node, true);
    ++optionTotal_;
}

} // namespace regforge::periph::io
