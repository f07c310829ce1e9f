#include "periph/clock/ClockSections.h"

#include "model/NumberText.h"
#include "profile/SectionChecker.h"

#include <algorithm>
#include <functional>
#include <set>
#include <string_view>

namespace regforge::periph::clock {

namespace {

using profile::quoted;

// Dividers and multipliers of these parts stay far below; the bound keeps a typing slip in a
// profile ("1-2000000000") from filling the memory.
constexpr int kMostValue = 1000000;
constexpr std::size_t kMostValues = 70000;

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

std::optional<int> smallNumber(std::string_view text) {
    const auto n = model::parseInt32(text);
    if (!n || *n < 0 || *n > kMostValue)
        return std::nullopt;
    return *n;
}

std::optional<double> hertz(std::string_view text) {
    const auto n = model::parseDecimal(text);
    if (!n || *n < 0 || *n > 10'000'000'000LL)
        return std::nullopt;
    return static_cast<double>(*n);
}

std::optional<HzRange> hertzRange(const std::string& text) {
    const auto parts = split(text, ',');
    if (parts.size() != 2)
        return std::nullopt;
    const auto min = hertz(parts[0]);
    const auto max = hertz(parts[1]);
    if (!min || !max || *min > *max)
        return std::nullopt;
    return HzRange{*min, *max};
}

std::optional<DividerField> dividerField(const std::string& text, bool withUnit) {
    auto parts = split(text, ',');
    if (parts.size() != (withUnit ? 4u : 3u))
        return std::nullopt;
    DividerField field;
    if (withUnit) {
        field.unit = parts.front();
        parts.erase(parts.begin());
        if (field.unit.empty())
            return std::nullopt;
    }
    field.registerName = parts[0];
    const auto low = smallNumber(parts[1]);
    const auto width = smallNumber(parts[2]);
    if (field.registerName.empty() || !low || !width || *width < 1 || *low + *width > 32)
        return std::nullopt;
    field.lowBit = *low;
    field.width = *width;
    return field;
}

std::optional<DividerCode> dividerCode(const std::string& text) {
    DividerCode code;
    if (text == "DIVISOR") {
        code.divisorItself = true;
        return code;
    }
    for (const auto& pair : split(text, ',')) {
        const auto parts = split(pair, ':');
        const auto divisor = parts.size() == 2 ? smallNumber(parts[0]) : std::nullopt;
        const auto value = parts.size() == 2 ? smallNumber(parts[1]) : std::nullopt;
        if (!divisor || !value || *divisor < 1 || !code.codes.emplace(*divisor, *value).second)
            return std::nullopt;
    }
    return code;
}

const std::map<std::string, Sequence, std::less<>> kSequences = {
    {"LPC21XX", Sequence::Lpc21xx}, {"LPC23XX", Sequence::Lpc23xx}, {"LPC17XX", Sequence::Lpc17xx},
    {"LPC177X", Sequence::Lpc177x}, {"LPC13XX", Sequence::Lpc13xx},
};

// What one line adds to the facts, or what is wrong with it. `seen` holds the keys read so far.
std::optional<std::string> applyLine(ClockFacts& facts, const std::string& line) {
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return "clock line " + quoted(line) + " is not 'KEY=VALUE'";
    const std::string key = line.substr(0, eq);
    const std::string value = line.substr(eq + 1);
    const auto bad = [&](const char* form) {
        return std::optional<std::string>("value " + quoted(value) + " of " + key + " is not " + form);
    };
    const auto range = [&](HzRange& target) -> std::optional<std::string> {
        const auto r = hertzRange(value);
        if (!r)
            return bad("'MIN,MAX' in Hz");
        target = *r;
        return std::nullopt;
    };
    const auto frequency = [&](auto& target) -> std::optional<std::string> {
        const auto hz = hertz(value);
        if (!hz || *hz <= 0)
            return bad("a frequency in Hz");
        target = *hz;
        return std::nullopt;
    };
    const auto list = [&](ValueList& target) -> std::optional<std::string> {
        const auto values = parseValueList(value);
        if (!values)
            return bad("a list of values ('1,2-256/2')");
        target = *values;
        return std::nullopt;
    };
    const auto usb = [&]() -> UsbFacts& {
        if (!facts.usb)
            facts.usb.emplace();
        return *facts.usb;
    };
    const auto usbPll = [&]() -> UsbPll& {
        if (!usb().pll)
            usb().pll.emplace();
        return *usb().pll;
    };

    if (key == "SEQUENCE") {
        const auto it = kSequences.find(value);
        if (it == kSequences.end())
            return bad("LPC21XX, LPC23XX, LPC17XX, LPC177X or LPC13XX");
        facts.sequence = it->second;
        return std::nullopt;
    }
    if (key == "CRYSTAL")
        return range(facts.crystal);
    if (key == "OSCRANGE")
        return frequency(facts.oscRange);
    if (key == "IRC")
        return frequency(facts.irc);
    if (key == "RTC")
        return frequency(facts.rtc);
    if (key == "PLL") {
        if (value != "MN" && value != "MP")
            return bad("MN or MP");
        facts.pll = value == "MN" ? PllKind::MN : PllKind::MP;
        return std::nullopt;
    }
    if (key == "PLLIN")
        return range(facts.pllInput);
    if (key == "PLLOUT") {
        facts.pllOutput.emplace();
        return range(*facts.pllOutput);
    }
    if (key == "CCO")
        return range(facts.cco);
    if (key == "M")
        return list(facts.m);
    if (key == "N")
        return list(facts.n);
    if (key == "P")
        return list(facts.p);
    if (key == "CPUDIV")
        return list(facts.cpuDividers);
    if (key == "CPUMAX")
        return frequency(facts.cpuMax);
    if (key == "EMCMAX")
        return frequency(facts.emcMax);
    if (key == "LIMIT") {
        facts.limit = value;
        return std::nullopt;
    }
    if (key == "USB") {
        if (value != "PLL1" && value != "DIVIDER" && value != "PLL1,DIVIDER")
            return bad("PLL1, DIVIDER or PLL1,DIVIDER");
        usb();
        if (value != "DIVIDER")
            usbPll();
        return std::nullopt;
    }
    if (key == "USBDIV")
        return list(usb().dividers);
    if (key == "USBPLL_M")
        return list(usbPll().m);
    if (key == "USBPLL_P")
        return list(usbPll().p);
    if (key == "USBPLL_CCO")
        return range(usbPll().cco);
    if (key == "USBPLL_IN")
        return range(usbPll().input);
    if (key == "FLASH") {
        const auto parts = split(value, ',');
        const auto upto = parts.size() == 2 ? hertz(parts[0]) : std::nullopt;
        const auto clocks = parts.size() == 2 ? smallNumber(parts[1]) : std::nullopt;
        if (!upto || !clocks || *clocks < 1)
            return bad("'UPTO_HZ,CLOCKS'");
        if (!facts.flash.empty() && *upto <= facts.flash.back().uptoHz)
            return "FLASH steps must ascend: " + quoted(value) + " follows " +
                   model::formatGeneral(facts.flash.back().uptoHz);
        facts.flash.push_back({*upto, *clocks});
        return std::nullopt;
    }
    if (key == "PCLKCOMMON") {
        const auto field = dividerField(value, false);
        if (!field)
            return bad("'REGISTER,LOWBIT,WIDTH'");
        facts.commonDivider = field;
        return std::nullopt;
    }
    if (key == "PCLK") {
        const auto field = dividerField(value, true);
        if (!field)
            return bad("'UNIT,REGISTER,LOWBIT,WIDTH'");
        facts.unitDividers.push_back(*field);
        return std::nullopt;
    }
    if (key == "PCLKCODE") {
        const auto code = dividerCode(value);
        if (!code)
            return bad("DIVISOR or divisor:code pairs ('4:0,1:1,2:2,8:3')");
        facts.dividerCode = *code;
        return std::nullopt;
    }
    return "unknown clock key " + quoted(key);
}

// What a section needs beyond its single lines; empty when it is complete.
std::optional<std::string> missingFact(const std::set<std::string>& keys, const ClockFacts& facts) {
    std::vector<std::string> needed = {"SEQUENCE", "CRYSTAL", "PLL", "PLLIN", "CCO", "M", "CPUMAX", "FLASH"};
    needed.push_back(facts.pll == PllKind::MN ? "N" : "P");
    if (facts.usb) {
        if (facts.usb->pll)
            needed.insert(needed.end(), {"USBPLL_M", "USBPLL_P", "USBPLL_CCO", "USBPLL_IN"});
        if (!facts.usb->pll || keys.count("USBDIV") != 0)
            needed.push_back("USBDIV");
    }
    if (facts.commonDivider || !facts.unitDividers.empty())
        needed.push_back("PCLKCODE");
    for (const auto& key : needed)
        if (keys.count(key) == 0)
            return std::string(kClocksSection) + " has no " + key + " line";
    return std::nullopt;
}

std::string keyOf(const std::string& line) {
    return line.substr(0, line.find('='));
}

} // namespace

std::optional<int> DividerCode::of(int divisor) const {
    if (divisorItself)
        return divisor;
    const auto it = codes.find(divisor);
    return it == codes.end() ? std::nullopt : std::optional<int>(it->second);
}

int ClockFacts::flashClocks(double cpuHz) const {
    for (const auto& step : flash)
        if (cpuHz <= step.uptoHz)
            return step.clocks;
    return flash.empty() ? 1 : flash.back().clocks;
}

std::optional<ValueList> parseValueList(const std::string& text) {
    // Ascending, each value once, after every item (the size limit counts distinct values).
    ValueList values;
    const auto settle = [&values] {
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
    };
    for (const auto& item : split(text, ',')) {
        const auto dash = item.find('-');
        if (dash == std::string::npos) {
            const auto n = smallNumber(item);
            if (!n || *n < 1)
                return std::nullopt;
            values.push_back(*n);
            settle();
            continue;
        }
        const auto slash = item.find('/', dash);
        const auto from = smallNumber(item.substr(0, dash));
        const auto to =
            smallNumber(item.substr(dash + 1, slash == std::string::npos ? slash : slash - dash - 1));
        const auto step =
            slash == std::string::npos ? std::optional<int>(1) : smallNumber(item.substr(slash + 1));
        if (!from || !to || !step || *from < 1 || *to < *from || *step < 1)
            return std::nullopt;
        if (static_cast<std::size_t>((*to - *from) / *step) + values.size() >= kMostValues)
            return std::nullopt;
        for (int v = *from; v <= *to; v += *step)
            values.push_back(v);
        settle();
    }
    if (values.empty() || values.size() > kMostValues)
        return std::nullopt;
    return values;
}

std::optional<std::string> clockLineProblem(const std::string& line) {
    if (line.empty())
        return std::nullopt;
    ClockFacts scratch;
    return applyLine(scratch, line);
}

profile::SectionDescription clockSections() {
    profile::SectionDescription description;
    description.sections.push_back(
        profile::SectionRule(kClocksSection).checkingLines([](const std::string& line, std::size_t) {
            return clockLineProblem(line);
        }));
    description.check = [](profile::SectionChecker& checker) {
        const int header = checker.header(kClocksSection);
        if (header < 0)
            return;
        ClockFacts facts;
        std::set<std::string> keys;
        int lastFlash = -1;
        for (const int index : checker.body(kClocksSection)) {
            const std::string& line = checker.text(index);
            if (line.empty() || applyLine(facts, line))
                continue;
            keys.insert(keyOf(line));
            if (keyOf(line) == "FLASH")
                lastFlash = index;
        }
        if (const auto missing = missingFact(keys, facts))
            checker.report(header, *missing);
        // The flash timing of every CPU clock the part runs comes from the table.
        else if (!facts.flashCovers(facts.cpuMax))
            checker.report(lastFlash, "the last FLASH step ends at " +
                                          model::formatGeneral(facts.flash.back().uptoHz) +
                                          " Hz, below CPUMAX " + model::formatGeneral(facts.cpuMax) + " Hz");
    };
    return description;
}

std::optional<ClockFacts> readClockFacts(const profile::Lines& profileLines) {
    const int header = profile::findSection(profileLines, kClocksSection);
    if (header < 0)
        return std::nullopt;
    ClockFacts facts;
    std::set<std::string> keys;
    const profile::Lines body = profile::sectionBodyAt(profileLines, header);
    for (std::size_t k = 0; k < body.size(); ++k) {
        if (body[k].empty())
            continue;
        if (const auto problem = applyLine(facts, body[k]))
            throw profile::ProfileError(std::string(kClocksSection) + " line " +
                                        std::to_string(header + 2 + static_cast<int>(k)) + ": " + *problem);
        keys.insert(keyOf(body[k]));
    }
    if (const auto missing = missingFact(keys, facts))
        throw profile::ProfileError(*missing);
    return facts;
}

} // namespace regforge::periph::clock
