#include "profilegen/FamilyTable.h"

#include "profilegen/Text.h"

#include <cctype>
#include <set>
#include <sstream>
#include <utility>

namespace regforge::profilegen {

namespace {

std::vector<std::string> words(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> result;
    for (std::string word; stream >> word;) {
        result.push_back(word);
    }
    return result;
}

std::vector<std::string> columns(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (;;) {
        const auto bar = text.find('|', start);
        result.push_back(
            trimmed(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
        if (bar == std::string::npos) {
            return result;
        }
        start = bar + 1;
    }
}

class Reader {
public:
    explicit Reader(std::string fileName) { table_.fileName = std::move(fileName); }

    FamilyTable read(const std::string& text) {
        std::istringstream stream(text);
        std::string line;
        while (std::getline(stream, line)) {
            ++lineNumber_;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            readLine(line);
        }
        checkTagsKnown();
        if (table_.parts.empty()) {
            fail(lineNumber_, "the table names no part (@@PARTS)");
        }
        return std::move(table_);
    }

private:
    enum class Block { None, Parts, Pins, Package, Profile };

    [[noreturn]] void fail(int line, const std::string& what) const {
        throw FamilyError(table_.fileName + ":" + std::to_string(line) + ": " + what);
    }

    void readLine(const std::string& line) {
        if (block_ == Block::Profile) {
            table_.profile.push_back({lineNumber_, line});
            return;
        }
        const std::string text = trimmed(line);
        if (text.empty() || text.front() == '#') {
            return;
        }
        if (text.rfind("@@", 0) == 0) {
            readBlockHeader(text);
            return;
        }
        switch (block_) {
        case Block::Parts:
            readPart(text);
            return;
        case Block::Pins:
            readPin(text);
            return;
        case Block::Package:
            readPackagePin(text);
            return;
        default:
            fail(lineNumber_, "text outside a block: \"" + text + "\"");
        }
    }

    void readBlockHeader(const std::string& text) {
        const auto parts = words(text);
        const std::string& name = parts.front();
        if (name == "@@SET") {
            readSetting(text.substr(5));
        } else if (name == "@@PARTS" && parts.size() == 1) {
            block_ = Block::Parts;
        } else if (name == "@@PINS" && parts.size() == 1) {
            block_ = Block::Pins;
        } else if (name == "@@PACKAGE" && parts.size() >= 2 && parts.size() <= 4) {
            readPackageHeader(parts);
            usedTags_.emplace(parts[1], lineNumber_);
            block_ = Block::Package;
        } else if (name == "@@PROFILE" && parts.size() == 1) {
            block_ = Block::Profile;
        } else {
            fail(lineNumber_, "unknown block \"" + text + "\"");
        }
    }

    // "@@PACKAGE NAME", then optionally "pins=N" (the list names only some of the package's N
    // pins) and a condition in braces. A package may have two lists when each carries a
    // condition (the USB parts bond other pins); the writer sees that only one holds per part.
    void readPackageHeader(const std::vector<std::string>& parts) {
        Package package{lineNumber_, parts[1], {}, 0, {}};
        std::size_t next = 2;
        if (next < parts.size() && parts[next].rfind("pins=", 0) == 0) {
            package.count = pinNumber(parts[next].substr(5));
            if (package.count == 0)
                fail(lineNumber_, "the pin count is \"pins=N\", N from 1 to 999");
            if (parts[1].find("BGA") != std::string::npos)
                fail(lineNumber_, "a ball grid places its balls by name and takes no pin count");
            ++next;
        }
        if (next < parts.size() && isBraced(parts[next])) {
            package.only = condition(parts[next].substr(1, parts[next].size() - 2));
            ++next;
        }
        if (next != parts.size())
            fail(lineNumber_, "a package block is \"@@PACKAGE NAME [pins=N] [{condition}]\"");
        for (const auto& known : table_.packages)
            if (known.name == package.name && (known.only.empty() || package.only.empty()))
                fail(lineNumber_, "the package " + package.name + " is listed twice");
        table_.packages.push_back(std::move(package));
    }

    // The value of a pin number or count written plainly ("208": one to three digits, no
    // leading zero), 0 for any other text.
    static int pinNumber(const std::string& text) {
        if (text.empty() || text.size() > 3 || text.front() == '0')
            return 0;
        int value = 0;
        for (char c : text) {
            if (c < '0' || c > '9')
                return 0;
            value = value * 10 + (c - '0');
        }
        return value;
    }

    void readSetting(const std::string& rest) {
        const std::string text = trimmed(rest);
        const auto blank = text.find_first_of(" \t");
        const std::string key = text.substr(0, blank);
        const std::string value = blank == std::string::npos ? std::string() : trimmed(text.substr(blank));
        if (value.empty()) {
            fail(lineNumber_, "the setting \"" + key + "\" has no value");
        }
        if (key == "functions") {
            if (value != "4" && value != "8") {
                fail(lineNumber_, "functions must be 4 or 8");
            }
            table_.functionCount = value == "4" ? 4 : 8;
        } else if (key == "dir") {
            table_.directionPattern = value;
        } else if (key.rfind("iocon.", 0) == 0 && key.size() > 6) {
            table_.ioconLists[key.substr(6)] = value;
        } else {
            fail(lineNumber_, "unknown setting \"" + key + "\"");
        }
    }

    void readPart(const std::string& text) {
        auto fields = words(text);
        Part part;
        part.name = fields.front();
        part.line = lineNumber_;
        for (char c : part.name) {
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-') {
                fail(lineNumber_, "the part name \"" + part.name + "\" is not a plain file name");
            }
        }
        for (const auto& known : table_.parts) {
            if (known.name == part.name) {
                fail(lineNumber_, "the part " + part.name + " is listed twice");
            }
        }
        part.tags.insert(fields.begin() + 1, fields.end());
        allTags_.insert(part.tags.begin(), part.tags.end());
        table_.parts.push_back(std::move(part));
    }

    void readPackagePin(const std::string& text) {
        const auto fields = words(text);
        Package& package = table_.packages.back();
        if (fields.size() != 2)
            fail(lineNumber_, "a package pin line is \"number name\"");
        if (package.count > 0) {
            const int number = pinNumber(fields[0]);
            if (number == 0 || number > package.count)
                fail(lineNumber_, "the " + package.name + " has pins 1 to " + std::to_string(package.count) +
                                      ", not \"" + fields[0] + "\"");
        }
        for (const auto& known : package.pins) {
            if (known.number == fields[0])
                fail(lineNumber_, "the package pin " + fields[0] + " is numbered twice");
            if (known.name == fields[1] && findPin(fields[1]) != nullptr)
                fail(lineNumber_, "the pin " + fields[1] + " has two package pins");
        }
        package.pins.push_back({lineNumber_, fields[0], fields[1]});
    }

    static bool isBraced(const std::string& word) {
        return word.size() > 2 && word.front() == '{' && word.back() == '}';
    }

    const PinRow* findPin(const std::string& name) const {
        for (const auto& pin : table_.pins)
            if (pin.name == name)
                return &pin;
        return nullptr;
    }

    Condition condition(const std::string& text) {
        try {
            Condition parsed = Condition::parse(text);
            for (const auto& name : parsed.tagNames()) {
                usedTags_.emplace(name, lineNumber_);
            }
            return parsed;
        } catch (const std::invalid_argument& error) {
            fail(lineNumber_, error.what());
        }
    }

    PinFunction function(std::string token, PinRow& pin, int position) {
        if (token.front() == '*') {
            if (pin.resetFunction >= 0) {
                fail(lineNumber_, "the pin " + pin.name + " marks two reset functions");
            }
            pin.resetFunction = position;
            token.erase(0, 1);
        }
        PinFunction result;
        const auto brace = token.find('{');
        if (brace != std::string::npos) {
            if (token.back() != '}') {
                fail(lineNumber_, "a function condition must end the name: \"" + token + "\"");
            }
            result.condition = condition(token.substr(brace + 1, token.size() - brace - 2));
            token.erase(brace);
        }
        if (token.empty() || token.find_first_of(",;:@{}") != std::string::npos) {
            fail(lineNumber_, "bad function name \"" + token + "\" on the pin " + pin.name);
        }
        result.name = token == "-" ? "Reserved" : token;
        return result;
    }

    void readPin(const std::string& text) {
        const auto fields = columns(text);
        if (fields.size() < 3 || fields.size() > 8) {
            fail(lineNumber_, "a pin line has 3 to 8 columns: pin | select | functions | dir | pull | od | "
                              "iocon | only");
        }
        PinRow pin;
        pin.line = lineNumber_;
        pin.name = fields[0];
        pin.resetFunction = -1;
        if (!readPortAndBit(pin)) {
            fail(lineNumber_, "the pin name \"" + pin.name + "\" has no port and bit number");
        }
        for (const auto& known : table_.pins) {
            if (known.name == pin.name) {
                fail(lineNumber_, "the pin " + pin.name + " is listed twice");
            }
        }
        pin.select = fields[1];
        if (pin.select.empty() || pin.select.find('@') != std::string::npos) {
            fail(lineNumber_, "the pin " + pin.name + " has no usable register spec");
        }
        const auto tokens = words(fields[2]);
        if (tokens.empty() || static_cast<int>(tokens.size()) > table_.functionCount) {
            fail(lineNumber_, "the pin " + pin.name + " lists " + std::to_string(tokens.size()) +
                                  " functions; 1 to " + std::to_string(table_.functionCount) +
                                  " are allowed");
        }
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            pin.functions.push_back(function(tokens[i], pin, static_cast<int>(i)));
        }
        if (pin.resetFunction < 0) {
            fail(lineNumber_, "the pin " + pin.name + " marks no reset function (a leading *)");
        }
        const auto column = [&](std::size_t index) { return index < fields.size() ? fields[index] : ""; };
        pin.direction = column(3);
        if (pin.direction.find(',') == std::string::npos && !pin.direction.empty() && pin.direction != "I" &&
            pin.direction != "O" && pin.direction != "I/O") {
            fail(lineNumber_, "the direction of " + pin.name + " must be empty, I, O, I/O or a whole spec");
        }
        pin.noPullMode = flag(column(4), "pull", pin);
        pin.noOpenDrain = flag(column(5), "od", pin);
        pin.iocon = column(6);
        if (!pin.iocon.empty() && pin.iocon.front() == '@' &&
            table_.ioconLists.count(pin.iocon.substr(1)) == 0) {
            fail(lineNumber_, "no IOCON list named \"" + pin.iocon.substr(1) + "\" (@@SET iocon.NAME)");
        }
        pin.only = condition(column(7));
        table_.pins.push_back(std::move(pin));
    }

    bool flag(const std::string& text, const char* column, const PinRow& pin) const {
        if (text.empty()) {
            return false;
        }
        if (text == "-") {
            return true;
        }
        fail(lineNumber_, std::string("the ") + column + " column of " + pin.name + " must be empty or -");
    }

    static bool readPortAndBit(PinRow& pin) {
        int numbers[2] = {0, 0};
        int found = 0;
        for (std::size_t i = 0; i < pin.name.size() && found < 2;) {
            if (std::isdigit(static_cast<unsigned char>(pin.name[i]))) {
                std::size_t end = i;
                while (end < pin.name.size() && std::isdigit(static_cast<unsigned char>(pin.name[end])) &&
                       end - i < 4) {
                    ++end;
                }
                numbers[found++] = std::stoi(pin.name.substr(i, end - i));
                i = end;
            } else {
                ++i;
            }
        }
        pin.port = numbers[0];
        pin.bit = numbers[1];
        return found == 2;
    }

    void checkTagsKnown() {
        for (const auto& line : table_.profile) {
            const std::string& text = line.text;
            if (!text.empty() && text.front() == '{') {
                lineNumber_ = line.line;
                const auto close = text.find('}');
                if (close == std::string::npos) {
                    fail(line.line, "a conditional line needs \"{condition} text\"");
                }
                condition(text.substr(1, close - 1));
            }
        }
        for (const auto& [tag, line] : usedTags_) {
            if (allTags_.count(tag) == 0) {
                fail(line, "the tag \"" + tag + "\" is not given to any part");
            }
        }
    }

    FamilyTable table_;
    Block block_ = Block::None;
    int lineNumber_ = 0;
    std::set<std::string> allTags_;
    std::multimap<std::string, int> usedTags_;
};

} // namespace

FamilyTable readFamilyTable(const std::string& text, const std::string& fileName) {
    return Reader(fileName).read(text);
}

} // namespace regforge::profilegen
