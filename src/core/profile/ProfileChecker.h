#pragma once

#include "profile/ProfileCheck.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regforge::profile {

// A text from the profile as the messages show it: in single quotes.
inline std::string quoted(std::string_view text) {
    std::string result(1, '\'');
    result.append(text);
    result += '\'';
    return result;
}

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

// The state of one profile check, shared by the section checks.
class ProfileChecker {
public:
    explicit ProfileChecker(const Lines& lines);

    std::vector<ProfileProblem> run();

private:
    // Index of the first header line equal to `header` (letter case ignored), -1 when absent.
    int header(std::string_view header) const;
    // Indexes of the body lines of the section read for `header`; empty when absent.
    std::vector<int> body(std::string_view header) const;
    const std::string& text(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    void report(int index, std::string message);
    // Reports the empty lines of a section whose lines must all hold something.
    void requireNoEmptyLines(std::string_view header);
    // Reports a section present without the `count` lines its readers take.
    void requireLines(std::string_view header, std::size_t count);

    void checkHeaders();
    void checkPins();
    void checkPinDirections(const std::vector<PinLine>& pins);
    void checkSharedPinFields(const std::vector<PinLine>& pins);
    void checkIoconOptions(const std::vector<PinLine>& pins);
    void checkInterrupts();
    void checkGpioInterrupts();
    void checkConverters();
    void checkTimersAndPwm();
    void checkSerialPorts();
    void checkTemplates();

    const Lines& lines_;
    // Problems reported and left unlisted per line: one line repeating a fault a million times
    // lists the first few and counts the rest.
    std::map<int, std::size_t> lineProblems_;
    std::map<int, std::size_t> unlisted_;
    std::map<std::string, int> firstHeader_; // upper-case header -> first line index
    std::vector<std::string> interruptSources_;
    std::vector<ProfileProblem> problems_;
};

// A decimal number of digits only, as the loaders accept it.
std::optional<int> decimalNumber(std::string_view text);

} // namespace regforge::profile
