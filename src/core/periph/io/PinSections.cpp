#include "periph/io/PinSections.h"

#include "profile/DeviceSections.h"
#include "profile/PackagePins.h"
#include "profile/SectionChecker.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace regforge::periph::io {

namespace {

using profile::decimalNumber;
using profile::quoted;
using profile::SectionChecker;

// One pin line of [PINSEL] as the pin loader reads it.
struct PinLine {
    int index = 0; // line index in the profile
    std::string spec;
    std::string name;
    // The functions' count and which of them are "Reserved": all a pin's names are needed for.
    std::size_t functionCount = 0;
    std::vector<bool> reserved;
    int resetFunction = -1;
};

std::string lineNumber(int index) {
    return "line " + std::to_string(index + 1);
}

// A PINSEL pin's field: register, the bit taking the high bit of the function number and the
// bit taking the low bit.
struct PinField {
    std::string reg;
    int high = 0;
    int low = 0;
    bool operator==(const PinField&) const = default;
};

std::optional<PinField> parseField(const std::string& spec) {
    const auto first = spec.find(',');
    const auto second = first == std::string::npos ? first : spec.find(',', first + 1);
    if (second == std::string::npos || spec.find(',', second + 1) != std::string::npos || first == 0)
        return std::nullopt;
    const auto high = decimalNumber(std::string_view(spec).substr(first + 1, second - first - 1));
    const auto low = decimalNumber(std::string_view(spec).substr(second + 1));
    if (!high || !low)
        return std::nullopt;
    return PinField{spec.substr(0, first), *high, *low};
}

// The two bits of one aligned two-bit field named low bit first ("0,1" for "1,0"). Other
// orders are real: a one-bit field may name an unused bit as its high bit ("0,3").
bool isReversedPair(int high, int low) {
    return high % 2 == 0 && low == high + 1;
}

// What two pins switched together must agree on: where the reset function and the "Reserved"
// functions sit.
std::pair<int, const std::vector<bool>&> functionShape(const PinLine& pin) {
    return {pin.resetFunction, pin.reserved};
}

// Calls `take(token, end)` for each token of a pin line after its '@', with the character
// that ended it (':', ',' or ';'); a token left without one is returned.
template <class Take>
std::string_view forEachToken(std::string_view line, std::size_t at, Take take) {
    std::size_t start = at + 1;
    for (std::size_t k = start; k < line.size(); ++k) {
        const char c = line[k];
        if (c != ':' && c != ',' && c != ';')
            continue;
        take(line.substr(start, k - start), c);
        start = k + 1;
    }
    return line.substr(std::min(start, line.size()));
}

// A pin or GPIO label of the form "P<port>.<bit>", "PORT<port>.<bit>" or "PIO<port>_<bit>" whose
// bit is no number from 0 to 31: what is wrong with it, else nullopt. Other labels are free text.
std::optional<std::string> oddPortBit(const std::string& label) {
    std::size_t digits = 0;
    for (const char* prefix : {"PORT", "PIO", "P"}) {
        if (label.rfind(prefix, 0) == 0) {
            digits = std::string(prefix).size();
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    const auto separator = label.find_first_of("._", digits);
    if (separator == std::string::npos || separator == digits ||
        !decimalNumber(std::string_view(label).substr(digits, separator - digits)))
        return std::nullopt;
    const std::string bit = label.substr(separator + 1);
    if (bit.empty() || bit.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const auto value = decimalNumber(bit);
    if (value && *value <= 31)
        return std::nullopt;
    return "bit " + bit + ", outside 0..31";
}

void checkPinDirections(SectionChecker& c, const std::vector<PinLine>& pins);
void checkSharedPinFields(SectionChecker& c, const std::vector<PinLine>& pins);
void checkIoconOptions(SectionChecker& c, const std::vector<PinLine>& pins);

void checkPins(SectionChecker& c) {
    const bool iocon = c.header(profile::kIoconSection) >= 0;
    const std::size_t functionCount = iocon ? 8 : 4;
    std::vector<PinLine> pins;
    std::map<std::string, int> pinLines;
    std::map<std::string, std::string> ioconRegisters; // register -> pin

    for (int i : c.body(kPinSelectSection)) {
        const std::string& line = c.text(i);
        if (line.empty())
            continue;
        const auto at = line.find('@');
        if (at == std::string::npos) {
            c.report(i, "pin line without '@' gives no pin");
            continue;
        }
        PinLine pin{i, line.substr(0, at), {}, 0, {}, -1};
        bool named = false;
        bool gpio = false;
        int resets = 0;
        std::string early; // function names before the pin name
        // The names are looked at as they pass; a line of millions of functions keeps none.
        const std::string_view token = forEachToken(line, at, [&](std::string_view name, char end) {
            if (end == ':') {
                if (named)
                    c.report(i, "second pin name " + quoted(name) + " on one line");
                else
                    pin.name = name;
                named = true;
            } else if (!named) {
                early += (early.empty() ? "" : ", ") + quoted(name);
            } else {
                if (end == ';') {
                    ++resets;
                    pin.resetFunction = static_cast<int>(pin.functionCount);
                }
                ++pin.functionCount;
                pin.reserved.push_back(name == "Reserved");
                gpio = gpio || name.starts_with("POR");
            }
        });
        if (!token.empty())
            c.report(i, quoted(token) +
                            " at the end of the line is dropped: every function name ends with ',' "
                            "or ';'");
        if (!named) {
            c.report(i, "pin line without ':' after the pin name gives no pin");
            continue;
        }
        const std::string& name = pin.name;
        if (!early.empty())
            c.report(i, "function " + early + " comes before the pin name");
        if (const auto [seen, added] = pinLines.emplace(name, i); !added)
            c.report(i, "pin " + name + " is already defined at " + lineNumber(seen->second));
        if (pin.functionCount != functionCount)
            c.report(i, "pin " + name + " has " + std::to_string(pin.functionCount) + " functions, " +
                            std::to_string(functionCount) + " expected");
        if (resets == 0)
            c.report(i, "pin " + name + " has no reset function (a name ended by ';')");
        else if (resets > 1)
            c.report(i, "pin " + name + " has more than one reset function (names ended by ';')");
        const auto checkLabel = [&](std::string_view label) {
            if (const auto odd = oddPortBit(std::string(label)))
                c.report(i, "pin " + name + ": " + quoted(label) + " names " + *odd);
        };
        checkLabel(pin.name);
        bool afterName = false;
        forEachToken(line, at, [&](std::string_view label, char end) {
            if (afterName && end != ':')
                checkLabel(label);
            afterName = afterName || end == ':';
        });
        if (!gpio)
            c.report(i, "pin " + name + " has no GPIO function (a name beginning with \"POR\")");

        if (iocon) {
            if (pin.spec.empty())
                c.report(i, "pin " + name + " names no IOCON register before '@'");
            else if (const auto [owner, added] = ioconRegisters.emplace(pin.spec, name); !added)
                c.report(i,
                         "pin " + name + " writes IOCON register " + pin.spec + " of pin " + owner->second);
        } else if (const auto field = parseField(pin.spec); !field) {
            c.report(i, "pin " + name + ": " + quoted(pin.spec) + " is not 'register,high bit,low bit'");
        } else {
            for (int bit : {field->high, field->low})
                if (bit > 31)
                    c.report(i, "pin " + name + ": bit " + std::to_string(bit) + " of " + field->reg +
                                    " is outside 0..31");
            if (field->high == field->low)
                c.report(i, "pin " + name + ": the high and the low bit are both bit " +
                                std::to_string(field->low));
            else if (isReversedPair(field->high, field->low))
                c.report(i, "pin " + name + ": high bit " + std::to_string(field->high) +
                                " is below low bit " + std::to_string(field->low) +
                                " (the pair is reversed)");
        }
        pins.push_back(std::move(pin));
    }
    checkPinDirections(c, pins);
    if (!iocon)
        checkSharedPinFields(c, pins);
    checkIoconOptions(c, pins);
}

// A direction line: "register,bit" with an optional ",I", ",O" or ",I/O".
std::optional<std::string> directionLineProblem(const std::string& text) {
    std::string line = text;
    if (line.empty())
        return std::nullopt;
    for (std::string_view suffix : {",I/O", ",I", ",O"}) {
        if (line.size() > suffix.size() && line.ends_with(suffix)) {
            line.resize(line.size() - suffix.size());
            break;
        }
    }
    const auto comma = line.find(',');
    const auto bit = comma == std::string::npos ? std::nullopt : decimalNumber(line.substr(comma + 1));
    if (comma == 0 || !bit)
        return "direction line " + quoted(text) +
               " is not 'register,bit' with an optional ',I', ',O' or ',I/O'";
    if (*bit > 31)
        return "direction bit " + std::to_string(*bit) + " of " + line.substr(0, comma) + " is outside 0..31";
    return std::nullopt;
}

std::optional<std::string> pullModeProblem(const std::string& line) {
    const auto code = decimalNumber(line);
    if (line.empty() || (code && *code <= kMostPullModeCode))
        return std::nullopt;
    return "pull-mode code " + quoted(line) + " is not 0, 1, 2 or 3";
}

void checkPinDirections(SectionChecker& c, const std::vector<PinLine>& pins) {
    const auto directions = c.body(kDirectionSection);
    for (std::size_t k = directions.size(); k < pins.size(); ++k)
        c.report(pins[k].index, "pin " + pins[k].name + " has no [IODIR] line (pin " + std::to_string(k + 1) +
                                    ", [IODIR] has " + std::to_string(directions.size()) + ")");
}

// Pins with the same field switch together in the pin tree, so they must offer their functions
// at the same positions; a bit that two different fields write is set by whichever pin comes last.
void checkSharedPinFields(SectionChecker& c, const std::vector<PinLine>& pins) {
    std::map<std::pair<std::string, int>, std::size_t> bitOwner; // (register, bit) -> pin
    std::set<std::pair<std::size_t, std::size_t>> reported;
    for (std::size_t p = 0; p < pins.size(); ++p) {
        const auto field = parseField(pins[p].spec);
        if (!field)
            continue;
        for (int bit : {field->high, field->low}) {
            const auto [owner, added] = bitOwner.emplace(std::make_pair(field->reg, bit), p);
            if (added || !reported.insert({owner->second, p}).second)
                continue;
            const PinLine& other = pins[owner->second];
            const std::string where = " (" + lineNumber(other.index) + ")";
            if (parseField(other.spec) != field)
                c.report(pins[p].index, "pin " + pins[p].name + " writes bit " + std::to_string(bit) +
                                            " of " + field->reg + " that pin " + other.name + where +
                                            " writes as part of another field");
            else if (functionShape(other) != functionShape(pins[p]))
                c.report(pins[p].index, "pin " + pins[p].name + " shares its field with pin " + other.name +
                                            where +
                                            " but not its functions: the two switch together, so their reset "
                                            "and \"Reserved\" functions must sit at the same positions");
        }
    }
}

// On Cortex-M3 IOCON devices the pin on profile line L takes the (L-1)-th [IOCON] line, which is
// why those profiles begin with [PINSEL].
void checkIoconOptions(SectionChecker& c, const std::vector<PinLine>& pins) {
    const int at = c.header(profile::kIoconSection);
    if (at < 0)
        return;
    const auto options = c.body(profile::kIoconSection);
    for (int i : options) {
        const std::string& line = c.text(i);
        const auto lastComma = line.rfind(',');
        if (!line.empty() && line[0] != '-' && lastComma + 1 != line.size())
            c.report(i, quoted(line.substr(lastComma == std::string::npos ? 0 : lastComma + 1)) +
                            " at the end of the line is dropped: every option ends with ','");
    }
    if (c.header(profile::kCortexM3Section) < 0 || pins.empty())
        return;
    if (c.header(kPinSelectSection) != 0)
        c.report(c.header(kPinSelectSection),
                 "[PINSEL] must be the profile's first line for the pins to take their "
                 "[IOCON] lines");
    for (const auto& pin : pins)
        if (pin.index - 1 >= static_cast<int>(options.size()))
            c.report(pin.index, "pin " + pin.name + " has no [IOCON] line: it takes option line " +
                                    std::to_string(pin.index) + ", [IOCON] has " +
                                    std::to_string(options.size()));
}

// Each package pin has one number, and a package that states its pin count numbers its pins
// from 1 to that count.
void checkPackageNumbers(SectionChecker& c) {
    std::set<std::string> seen;
    int count = 0;
    for (int i : c.body(profile::PackagePins::kSection)) {
        const std::string& line = c.text(i);
        if (const auto stated = profile::packagePinCount(line)) {
            count = *stated;
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string number = line.substr(0, equals);
        if (!seen.insert(number).second)
            c.report(i, "package pin " + number + " is numbered twice");
        else if (count > 0 && !profile::numberedWithin(number, count))
            c.report(i, "package pin " + number + " is not one of the package's pins 1 to " +
                            std::to_string(count));
    }
}

} // namespace

profile::SectionDescription pinSections() {
    profile::SectionDescription description;
    description.sections = {
        profile::SectionRule(kPinSelectSection),
        profile::SectionRule(kPinModeSection)
            .withoutEmptyLines()
            .checkingLines([](const std::string& line, std::size_t) { return pullModeProblem(line); }),
        profile::SectionRule(kNoPinModeSection).withoutEmptyLines(),
        profile::SectionRule(kNoOpenDrainSection).withoutEmptyLines(),
        profile::SectionRule(kDirectionSection)
            .withoutEmptyLines()
            .checkingLines([](const std::string& line, std::size_t) { return directionLineProblem(line); }),
        profile::SectionRule(kFastIoSection),
        profile::SectionRule(kGpioInitSection),
        profile::SectionRule(kGpdmaInitSection),
        profile::packagePinsRule(),
    };
    description.check = [](SectionChecker& c) {
        checkPins(c);
        checkPackageNumbers(c);
    };
    return description;
}

} // namespace regforge::periph::io
