#include "profile/BoardFacts.h"

#include "profile/SectionChecker.h"

#include <algorithm>
#include <charconv>

namespace regforge::profile {

namespace {

std::vector<std::string> fields(std::string_view line) {
    std::vector<std::string> out;
    for (;;) {
        const auto at = line.find('@');
        out.emplace_back(line.substr(0, at));
        if (at == std::string_view::npos)
            return out;
        line.remove_prefix(at + 1);
    }
}

std::optional<double> megahertz(const std::string& text) {
    double value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || !(value > 0) || value > 10000)
        return std::nullopt;
    return value;
}

bool anyEmpty(const std::vector<std::string>& list, std::size_t from) {
    return std::any_of(list.begin() + static_cast<std::ptrdiff_t>(std::min(from, list.size())), list.end(),
                       [](const std::string& f) { return f.empty(); });
}

// Reads one line into `facts`; what is wrong with it otherwise.
std::optional<std::string> readLine(const std::string& line, BoardFacts& facts) {
    const auto f = fields(line);
    const std::string& key = f[0];
    const auto wrongCount = [&](const char* form) -> std::optional<std::string> {
        return "board line " + quoted(line) + " is not '" + form + "'";
    };
    if (key == "CPU_MAX") {
        if (f.size() != 2)
            return wrongCount("CPU_MAX@MHz");
        const auto mhz = megahertz(f[1]);
        if (!mhz)
            return "board line " + quoted(line) + ": " + quoted(f[1]) + " is no clock in MHz";
        facts.cpuMaxMhz = *mhz;
    } else if (key == "DEBUG") {
        if (f.size() < 4 || anyEmpty(f, 1))
            return wrongCount("DEBUG@PORT@error|warning@PIN=FUNCTION@...");
        if (f[2] != "error" && f[2] != "warning")
            return "board line " + quoted(line) + ": the severity " + quoted(f[2]) +
                   " is not error or warning";
        BoardFacts::DebugPort port{f[1], f[2] == "error", {}};
        for (std::size_t i = 3; i < f.size(); ++i) {
            const auto eq = f[i].find('=');
            if (eq == std::string::npos || eq == 0 || eq + 1 == f[i].size())
                return "board line " + quoted(line) + ": " + quoted(f[i]) + " is not PIN=FUNCTION";
            port.pins.push_back({f[i].substr(0, eq), f[i].substr(eq + 1)});
        }
        facts.debugPorts.push_back(std::move(port));
    } else if (key == "BOOT" || key == "OPEN_DRAIN") {
        if (f.size() != 2 || f[1].empty())
            return wrongCount(key == "BOOT" ? "BOOT@PIN" : "OPEN_DRAIN@PIN");
        (key == "BOOT" ? facts.bootPins : facts.openDrainPins).push_back(f[1]);
    } else if (key == "RESERVED") {
        if (f.size() != 4 || anyEmpty(f, 1))
            return wrongCount("RESERVED@PIN@FUNCTION@USE");
        facts.reservedPins.push_back({f[1], f[2], f[3]});
    } else if (key == "SOURCE") {
        if (f.size() != 3 || anyEmpty(f, 1))
            return wrongCount("SOURCE@UNIT@INTERRUPT SOURCE");
        facts.sources.push_back({f[1], f[2]});
    } else if (key == "SIGNALS") {
        if (f.size() < 3 || anyEmpty(f, 1))
            return wrongCount("SIGNALS@UNIT@FUNCTION@...");
        facts.signalNames.push_back({f[1], {f.begin() + 2, f.end()}});
    } else {
        return "unknown board key " + quoted(key) + " is ignored";
    }
    return std::nullopt;
}

template <class List>
auto findUnit(const List& list, std::string_view unit) {
    return std::find_if(list.begin(), list.end(), [&](const auto& entry) { return entry.unit == unit; });
}

} // namespace

std::string BoardFacts::sourceOf(std::string_view unit) const {
    if (const auto it = findUnit(sources, unit); it != sources.end())
        return it->name;
    const auto kind = unit.substr(0, unit.find_first_of("0123456789"));
    if (const auto it = findUnit(sources, kind); it != sources.end())
        return it->name;
    return std::string(unit);
}

std::vector<std::string> BoardFacts::signalsOf(std::string_view unit,
                                               std::vector<std::string> fallback) const {
    if (const auto it = findUnit(signalNames, unit); it != signalNames.end())
        return it->functions;
    return fallback;
}

bool BoardFacts::isBootPin(std::string_view pin) const {
    return std::find(bootPins.begin(), bootPins.end(), pin) != bootPins.end();
}

bool BoardFacts::isOpenDrainOnly(std::string_view pin) const {
    return std::find(openDrainPins.begin(), openDrainPins.end(), pin) != openDrainPins.end();
}

BoardFacts readBoardFacts(const Lines& lines) {
    BoardFacts facts;
    for (const auto& line : sectionBody(lines, BoardFacts::kSection))
        if (!line.empty())
            (void)readLine(line, facts);
    return facts;
}

SectionRule boardFactsRule() {
    SectionRule rule(BoardFacts::kSection);
    rule.line = [](const std::string& line, std::size_t) -> std::optional<std::string> {
        if (line.empty())
            return std::nullopt;
        BoardFacts scratch;
        return readLine(line, scratch);
    };
    return rule;
}

} // namespace regforge::profile
