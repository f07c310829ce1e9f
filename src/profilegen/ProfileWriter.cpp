#include "profilegen/ProfileWriter.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace regforge::profilegen {

namespace {

class Writer {
public:
    Writer(const FamilyTable& family, const Part& part) : family_(family), part_(part) {
        for (const auto& pin : family.pins) {
            if (pin.only.holds(part.tags)) {
                pins_.push_back(&pin);
            }
        }
    }

    std::vector<std::string> write() {
        for (const auto& line : family_.profile) {
            writeLine(line);
        }
        return std::move(lines_);
    }

private:
    [[noreturn]] void fail(int line, const std::string& what) const {
        throw FamilyError(family_.fileName + ":" + std::to_string(line) + ": " + part_.name + ": " + what);
    }

    void writeLine(const TemplateLine& line) {
        std::string text = line.text;
        if (!text.empty() && text.front() == '{') {
            const auto close = text.find('}');
            if (!Condition::parse(text.substr(1, close - 1)).holds(part_.tags)) {
                return;
            }
            text.erase(0, close + 1);
            if (!text.empty() && text.front() == ' ') {
                text.erase(0, 1);
            }
        }
        if (text == "@PINSEL") {
            forEachPin([&](const PinRow& pin) { lines_.push_back(pinSelLine(pin)); });
        } else if (text == "@IODIR") {
            forEachPin([&](const PinRow& pin) { lines_.push_back(directionLine(pin, line.line)); });
        } else if (text == "@NOPINMODE") {
            forEachPin([&](const PinRow& pin) {
                if (pin.noPullMode) {
                    lines_.push_back(pin.name);
                }
            });
        } else if (text == "@NOOD") {
            forEachPin([&](const PinRow& pin) {
                if (pin.noOpenDrain) {
                    lines_.push_back(pin.name);
                }
            });
        } else if (text == "@IOCON") {
            forEachPin([&](const PinRow& pin) { lines_.push_back(ioconLine(pin)); });
        } else if (text == "@PACKAGE") {
            writePackage(line.line);
        } else if (text.rfind("@PORTPINS", 0) == 0) {
            writePortPins(text.substr(9), line.line);
        } else if (looksLikeExpansion(text)) {
            fail(line.line, "unknown expansion \"" + text + "\"");
        } else {
            lines_.push_back(substituted(text));
        }
    }

    // The [PACKAGE] section of a part whose tags name a package of the table (and for which the
    // block's condition holds); nothing for a part without one. Every pin the part has must carry
    // a number.
    void writePackage(int templateLine) {
        const Package* package = nullptr;
        std::set<std::string> holding;
        for (const auto& known : family_.packages)
            if (part_.tags.count(known.name) != 0 && known.only.holds(part_.tags)) {
                if (!holding.insert(known.name).second)
                    fail(known.line, "two " + known.name + " lists hold for this part");
                package = &known;
            }
        if (package == nullptr)
            return;
        std::set<std::string> numbered;
        lines_.push_back("[PACKAGE]");
        lines_.push_back(package->name);
        if (package->count > 0)
            lines_.push_back("pins=" + std::to_string(package->count));
        for (const auto& pin : package->pins) {
            const bool portPin = std::any_of(family_.pins.begin(), family_.pins.end(),
                                             [&](const PinRow& row) { return row.name == pin.name; });
            const bool partHasIt = std::any_of(pins_.begin(), pins_.end(),
                                               [&](const PinRow* row) { return row->name == pin.name; });
            if (portPin && !partHasIt)
                fail(pin.line, "the " + package->name + " pin " + pin.number + " is " + pin.name +
                                   ", which " + part_.name + " does not have");
            numbered.insert(pin.name);
            lines_.push_back(pin.number + "=" + pin.name);
        }
        for (const PinRow* pin : pins_)
            if (numbered.count(pin->name) == 0)
                fail(templateLine, "the pin " + pin->name + " has no " + package->name + " number");
    }

    // "@WORD" in capitals: a misspelt expansion, which must not reach a profile as text.
    static bool looksLikeExpansion(const std::string& text) {
        return text.size() > 1 && text.front() == '@' &&
               std::all_of(text.begin() + 1, text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    }

    template <class Each>
    void forEachPin(Each each) const {
        for (const PinRow* pin : pins_) {
            each(*pin);
        }
    }

    std::string pinSelLine(const PinRow& pin) const {
        std::string line = pin.select + "@" + pin.name + ":";
        for (int i = 0; i < family_.functionCount; ++i) {
            std::string name = "Reserved";
            if (i < static_cast<int>(pin.functions.size())) {
                const PinFunction& function = pin.functions[static_cast<std::size_t>(i)];
                // A reset function the part lacks would leave the pin tree selecting nothing real.
                if (!function.condition.holds(part_.tags)) {
                    if (i == pin.resetFunction)
                        fail(pin.line, "the reset function of " + pin.name + " is not on this part");
                } else {
                    name = function.name;
                }
            }
            line += name + (i == pin.resetFunction ? ";" : ",");
        }
        return line;
    }

    std::string directionLine(const PinRow& pin, int templateLine) const {
        if (pin.direction.find(',') != std::string::npos) {
            return pin.direction;
        }
        if (family_.directionPattern.empty()) {
            fail(templateLine, "@IODIR needs \"@@SET dir\" or a whole spec in each pin's dir column");
        }
        std::string spec = family_.directionPattern;
        replaceAll(spec, "{port}", std::to_string(pin.port));
        replaceAll(spec, "{bit}", std::to_string(pin.bit));
        return pin.direction.empty() ? spec : spec + "," + pin.direction;
    }

    std::string ioconLine(const PinRow& pin) const {
        if (pin.iocon.empty()) {
            fail(pin.line, "the pin " + pin.name + " has no iocon column");
        }
        if (pin.iocon.front() == '@') {
            return family_.ioconLists.at(pin.iocon.substr(1));
        }
        return pin.iocon;
    }

    void writePortPins(const std::string& ports, int templateLine) {
        std::istringstream stream(ports);
        std::vector<int> wanted;
        for (std::string word; stream >> word;) {
            if (word.empty() ||
                !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
                word.size() > 2) {
                fail(templateLine, "@PORTPINS takes port numbers");
            }
            wanted.push_back(std::stoi(word));
        }
        for (int port : wanted) {
            forEachPin([&](const PinRow& pin) {
                if (pin.port == port) {
                    lines_.push_back("P" + std::to_string(pin.port) + "." + std::to_string(pin.bit));
                }
            });
        }
    }

    std::string substituted(std::string text) const {
        replaceAll(text, "${PART}", part_.name);
        return text;
    }

    static void replaceAll(std::string& text, const std::string& find, const std::string& replacement) {
        for (auto at = text.find(find); at != std::string::npos;
             at = text.find(find, at + replacement.size())) {
            text.replace(at, find.size(), replacement);
        }
    }

    const FamilyTable& family_;
    const Part& part_;
    std::vector<const PinRow*> pins_;
    std::vector<std::string> lines_;
};

} // namespace

std::vector<std::string> writeProfile(const FamilyTable& family, const Part& part) {
    return Writer(family, part).write();
}

} // namespace regforge::profilegen
