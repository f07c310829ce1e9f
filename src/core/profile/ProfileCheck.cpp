#include "profile/ProfileCheck.h"

#include "io/AsciiCase.h"
#include "profile/ProfileChecker.h"
#include "profile/RegisterNames.h"

#include <algorithm>
#include <array>
#include <set>

namespace regforge::profile {

namespace {

// Every section a loader or a generator reads. "[<source>_ISR]" sections are added per
// interrupt source.
constexpr std::array kKnownSections = {
    // device switches and templates of the device load and the result frame
    "[MULTIPLEPCLKDIV13XX]", "[MULTIPLEPCLKDIV]", "[EDGELEVELISR]", "[NOVICVECTCNT]", "[CORTEXM3]",
    "[INTWAKE]", "[IOCON]", "[LPC21XX]", "[LPC23XX]", "[LPC24XX]", "[LPC175X]", "[LPC177X]", "[LPC13XX]",
    "[EXCLUSIVEFUNCTIONS]", "[INCLUDE]", "[DEFINE]", "[REGISTER_NAMES]",
    // pins
    "[PINSEL]", "[PINMODE]", "[NOPINMODE]", "[IODIR]", "[FIO]", "[NOOD]", "[GPIO_INIT]", "[GPDMA_INIT]",
    // interrupts
    "[ISR]", "[ISR_DESC]", "[ISRVECTORS]", "[IO_ISR]", "[NOVICDEFVECTADDR]", "[ISR_HANDLERS]",
    // A/D converters
    "[ADC0]", "[ADC1]", "[ADC2]", "[ADC3]", "[ADC0_INIT]", "[ADC1_INIT]", "[ADC2_INIT]", "[ADC3_INIT]",
    // timers
    "[TIMER0]", "[TIMER1]", "[TIMER2]", "[TIMER3]", "[TIMER0_INIT]", "[TIMER1_INIT]", "[TIMER2_INIT]",
    "[TIMER3_INIT]",
    // PWM
    "[PWM0]", "[PWM1]", "[PWM0_INIT]", "[PWM1_INIT]", "[NOPWMNUMBER]",
    // serial ports
    "[SPI]", "[SSP0]", "[SSP1]", "[SSP2]", "[SPI_INIT]", "[SSP0_INIT]", "[SSP1_INIT]", "[SSP2_INIT]"};

// Sections whose readers take the line after the header whatever it is: without a body line they
// would take the next header.
constexpr std::array kOneLineSections = {"[INTWAKE]",     "[INCLUDE]",     "[ISRVECTORS]",  "[ADC0_INIT]",
                                         "[ADC1_INIT]",   "[ADC2_INIT]",   "[ADC3_INIT]",   "[TIMER0_INIT]",
                                         "[TIMER1_INIT]", "[TIMER2_INIT]", "[TIMER3_INIT]", "[PWM0_INIT]",
                                         "[PWM1_INIT]",   "[SPI_INIT]"};

// Problems listed for one line; the rest are counted.
constexpr std::size_t kMostProblemsPerLine = 20;

} // namespace

std::optional<int> decimalNumber(std::string_view text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

ProfileChecker::ProfileChecker(const Lines& lines) : lines_(lines) {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (!lines_[i].empty() && lines_[i][0] == '[')
            firstHeader_.emplace(io::toUpperAscii(lines_[i]), static_cast<int>(i));
}

int ProfileChecker::header(std::string_view name) const {
    const auto found = firstHeader_.find(io::toUpperAscii(name));
    return found == firstHeader_.end() ? -1 : found->second;
}

std::vector<int> ProfileChecker::body(std::string_view name) const {
    std::vector<int> indexes;
    const int at = header(name);
    if (at < 0)
        return indexes;
    for (int i = at + 1; i < static_cast<int>(lines_.size()); ++i) {
        if (!text(i).empty() && text(i)[0] == '[')
            break;
        indexes.push_back(i);
    }
    return indexes;
}

void ProfileChecker::report(int index, std::string message) {
    if (++lineProblems_[index] > kMostProblemsPerLine) {
        ++unlisted_[index];
        return;
    }
    problems_.push_back({index + 1, std::move(message)});
}

void ProfileChecker::requireNoEmptyLines(std::string_view name) {
    for (int i : body(name))
        if (text(i).empty())
            report(i, "empty line in " + std::string(name) + ": the device load stops here");
}

void ProfileChecker::requireLines(std::string_view name, std::size_t count) {
    const int at = header(name);
    if (at >= 0 && body(name).size() < count)
        report(at, std::string(name) + " needs " + std::to_string(count) + (count == 1 ? " line" : " lines") +
                       " after its header");
}

std::vector<ProfileProblem> ProfileChecker::run() {
    checkInterrupts(); // first: the interrupt sources name sections of their own
    checkHeaders();
    checkPins();
    checkGpioInterrupts();
    checkConverters();
    checkTimersAndPwm();
    checkSerialPorts();
    checkTemplates();
    for (const auto& [index, count] : unlisted_)
        problems_.push_back(
            {index + 1, std::to_string(count) + " more problems on this line are not listed"});
    std::stable_sort(problems_.begin(), problems_.end(),
                     [](const ProfileProblem& a, const ProfileProblem& b) { return a.line < b.line; });
    return std::move(problems_);
}

void ProfileChecker::checkHeaders() {
    std::set<std::string> known(kKnownSections.begin(), kKnownSections.end());
    for (const auto& source : interruptSources_)
        known.insert(io::toUpperAscii("[" + source + "_ISR]"));
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        const std::string& line = text(i);
        if (line.empty() || line[0] != '[')
            continue;
        const std::string key = io::toUpperAscii(line);
        if (!known.count(key))
            report(i, "unknown section " + quoted(line));
        const int first = firstHeader_.at(key);
        if (first != i)
            report(i, "duplicate section " + line + ": only the one at line " + std::to_string(first + 1) +
                          " is read");
    }
    if (header("[INCLUDE]") < 0)
        problems_.push_back({0, "no [INCLUDE] section: the code would include the profile's first line"});
}

void ProfileChecker::checkInterrupts() {
    requireNoEmptyLines("[ISR]");
    for (int i : body("[ISR]")) {
        const std::string& line = text(i);
        if (line.empty())
            continue;
        const auto comma = line.find(',');
        const std::string channel = line.substr(0, comma);
        interruptSources_.push_back(comma == std::string::npos ? line : line.substr(comma + 1));
        if (comma == std::string::npos)
            report(i, "interrupt source " + quoted(line) + " is not 'channel,name'");
        else if (!decimalNumber(channel))
            report(i, "interrupt channel " + quoted(channel) + " is not a number");
    }
    const std::size_t sources = interruptSources_.size();
    for (const char* list : {"[ISR_DESC]", "[ISR_HANDLERS]"}) {
        requireNoEmptyLines(list);
        const int at = header(list);
        if (at >= 0 && body(list).size() != sources)
            report(at, std::string(list) + " has " + std::to_string(body(list).size()) + " lines for " +
                           std::to_string(sources) + " interrupt sources");
    }
    requireNoEmptyLines("[ISRVECTORS]");
    const auto slots = body("[ISRVECTORS]");
    if (!slots.empty() && !text(slots[0]).empty()) {
        const auto count = decimalNumber(text(slots[0]));
        if (!count || *count == 0)
            report(slots[0], "vector slot count " + quoted(text(slots[0])) + " is not a positive number");
    }
}

void ProfileChecker::checkGpioInterrupts() {
    if (header("[IO_ISR]") < 0)
        return;
    requireNoEmptyLines("[IO_ISR]");
    const bool edgeLevel = header("[EDGELEVELISR]") >= 0;
    int registers = 0;
    bool pinsStarted = false;
    for (int i : body("[IO_ISR]")) {
        const std::string& line = text(i);
        if (line.empty())
            continue;
        if (line[0] != 'P') {
            if (pinsStarted)
                report(i, "register line " + quoted(line) + " after the pin lines is never read");
            else
                ++registers;
            continue;
        }
        pinsStarted = true;
        const auto dot = line.find('.');
        const int pin = dot == std::string::npos ? -1 : decimalNumber(line.substr(dot + 1)).value_or(-1);
        if (line.size() < 2 || line[1] < '0' || line[1] > '9' || pin < 0) {
            report(i, "GPIO interrupt pin " + quoted(line) + " is not 'P<port>.<pin>'");
            continue;
        }
        if (pin > 31)
            report(i, "GPIO interrupt pin " + line + ": bit " + std::to_string(pin) + " is outside 0..31");
        const int needed = edgeLevel ? (line[1] - '0') * 4 + 4 : 4;
        if (registers < needed)
            report(i, "GPIO interrupt pin " + line + " needs " + std::to_string(needed) +
                          " register lines before the pins, [IO_ISR] has " + std::to_string(registers));
    }
}

void ProfileChecker::checkConverters() {
    for (int a = 0; a < 4; ++a) {
        const std::string name = "[ADC" + std::to_string(a) + "]";
        requireNoEmptyLines(name);
        for (int i : body(name)) {
            const std::string& line = text(i);
            if (line.empty())
                continue;
            const auto at = line.find('@');
            if (at == std::string::npos) {
                report(i, "A/D line " + quoted(line) + " is not 'KEY@value' and is ignored");
                continue;
            }
            const std::string key = line.substr(0, at);
            const std::string value = line.substr(at + 1);
            const bool converterZeroOnly = key == "FMAX" || key == "BIT" || key == "CLOCKS" || key == "NOPDN";
            if (key != "START" && key != "CHOFF" && !converterZeroOnly)
                report(i, "unknown A/D key " + quoted(key) + " is ignored");
            else if (converterZeroOnly && a != 0)
                report(i, "A/D key " + key + " is read in [ADC0] only");
            else if (key != "START" && key != "NOPDN" && !decimalNumber(value))
                report(i, "value " + quoted(value) + " of " + key + " is not a decimal number");
        }
    }
}

void ProfileChecker::checkTimersAndPwm() {
    for (int t = 0; t < 4; ++t) {
        const std::string name = "[TIMER" + std::to_string(t) + "]";
        requireNoEmptyLines(name);
        requireLines(name, 3);
        const auto lines = body(name);
        if (lines.size() >= 3) {
            const auto captures = decimalNumber(text(lines[2]));
            if (!captures || *captures > 4)
                report(lines[2], "capture input count " + quoted(text(lines[2])) + " is not a number 0..4");
        }
    }
    for (int u = 0; u < 2; ++u) {
        const std::string name = "[PWM" + std::to_string(u) + "]";
        requireNoEmptyLines(name);
        requireLines(name, 1);
        const auto lines = body(name);
        if (!lines.empty() && !decimalNumber(text(lines[0])))
            report(lines[0], "capture input count " + quoted(text(lines[0])) + " is not a decimal number");
    }
}

void ProfileChecker::checkSerialPorts() {
    // SPI: up to three lines, SSP ports up to two: a feature marker or a one-character port number.
    const std::array<std::pair<std::string, std::pair<std::size_t, const char*>>, 4> ports = {{
        {"[SPI]", {3, "8BIT"}},
        {"[SSP0]", {2, "DMA"}},
        {"[SSP1]", {2, "DMA"}},
        {"[SSP2]", {2, "DMA"}},
    }};
    for (const auto& [name, rule] : ports) {
        requireNoEmptyLines(name);
        const auto lines = body(name);
        for (std::size_t k = 0; k < lines.size(); ++k) {
            const std::string& line = text(lines[k]);
            if (line.empty())
                continue;
            if (k >= rule.first)
                report(lines[k], name + " line " + quoted(line) + " is never read (" +
                                     std::to_string(rule.first) + " lines at most)");
            else if (line != rule.second && line.size() != 1)
                report(lines[k], name + " line " + quoted(line) + " is neither " + rule.second +
                                     " nor a one-character port number");
        }
    }
}

void ProfileChecker::checkTemplates() {
    for (const char* name : kOneLineSections)
        requireLines(name, 1);
    for (int i : body(RegisterNames::kSection))
        if (!text(i).empty() && !RegisterNames::wellFormed(text(i)))
            report(i, std::string(RegisterNames::kSection) + " line " + quoted(text(i)) +
                          " is no WRITTEN=HEADER pair of register names: the load skips it");
}

std::vector<ProfileProblem> checkProfile(const Lines& lines) {
    return ProfileChecker(lines).run();
}

} // namespace regforge::profile
