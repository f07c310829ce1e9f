#include "periph/clock/ClockSolver.h"

#include <algorithm>
#include <cmath>
#include <compare>
#include <cstdint>

namespace regforge::periph::clock {

namespace {

// Frequencies are products and quotients of small integers and the input: equal within a part
// in a billion means equal (a crystal typed with decimals is not a binary fraction).
bool sameHz(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

bool listed(const ValueList& list, int value) {
    return std::binary_search(list.begin(), list.end(), value);
}

double ppm(double cpu, double wanted) {
    return (cpu - wanted) / wanted * 1e6;
}

struct Search {
    const ClockFacts& facts;
    const ClockRequest& request;
    std::vector<PllSetting> found;

    // The CPU dividers nearest the wanted clock for a PLL output: the largest giving at least the
    // wanted clock and the smallest giving at most it; never one giving more than CPUMAX.
    void addCpuDividers(PllSetting base) {
        const ValueList& dividers = facts.cpuDividers;
        const double wanted = std::min(request.wantedHz, facts.cpuMax);
        const double ideal = base.output / wanted;
        auto upper = std::lower_bound(dividers.begin(), dividers.end(), ideal - 1e-9 * ideal);
        // The first divider keeping the CPU clock at most CPUMAX.
        const double least = base.output / facts.cpuMax;
        const auto allowed = std::lower_bound(dividers.begin(), dividers.end(), least - 1e-9 * least);
        if (allowed == dividers.end())
            return;
        upper = std::max(upper, allowed);
        if (upper != dividers.end())
            add(base, *upper);
        if (upper != allowed && upper != dividers.begin())
            add(base, *(upper - 1));
    }

    void add(PllSetting setting, int divider) {
        setting.cpuDivider = divider;
        setting.cpu = setting.output / divider;
        if (setting.cpu > facts.cpuMax && !sameHz(setting.cpu, facts.cpuMax))
            return;
        setting.exact = sameHz(setting.cpu, request.wantedHz);
        setting.errorPpm = setting.exact ? 0.0 : ppm(setting.cpu, request.wantedHz);
        found.push_back(setting);
    }

    bool outputAllowed(double output) const { return !facts.pllOutput || facts.pllOutput->contains(output); }

    void searchMn() {
        const double fin = request.source.hz;
        for (const int n : facts.n) {
            const double input = fin / n;
            if (!facts.pllInput.contains(input))
                continue;
            for (const int m : facts.m) {
                const double cco = 2.0 * m * input;
                if (cco > facts.cco.max)
                    break;
                if (cco < facts.cco.min || !outputAllowed(cco))
                    continue;
                addCpuDividers({m, n, 0, 1, input, cco, cco, 0, 0, false, std::nullopt});
            }
        }
    }

    void searchMp() {
        const double fin = request.source.hz;
        if (!facts.pllInput.contains(fin))
            return;
        for (const int m : facts.m) {
            const double output = m * fin;
            if (!outputAllowed(output))
                continue;
            for (const int p : facts.p) {
                const double cco = 2.0 * p * output;
                if (cco > facts.cco.max)
                    break;
                if (cco >= facts.cco.min)
                    addCpuDividers({m, 0, p, 1, fin, cco, output, 0, 0, false, std::nullopt});
            }
        }
    }
};

bool usbExact(const PllSetting& s) {
    return s.usb && s.usb->exact;
}

// A non-negative figure rounded to a whole number of units, so rounding never decides between two
// settings that give the same figures.
long long rounded(double value) {
    return static_cast<long long>(value + 0.5);
}

// The order key of a setting, best first; see solveClocks. Clocks are compared to the hertz and
// errors to a thousandth of a ppm.
struct RankKey {
    bool notExact;
    bool usbNotExact;
    long long errorMilliPpm;
    long long ccoHz;
    int cpuDivider;
    int divider;
    int m;
    auto operator<=>(const RankKey&) const = default;
};

RankKey rankKey(const PllSetting& s, bool usbNotExact) {
    return {!s.exact,  usbNotExact, rounded(std::fabs(s.errorPpm) * 1000), rounded(s.cco), s.cpuDivider,
            s.n + s.p, s.m};
}

struct Ranked {
    RankKey key;
    std::uint32_t index;
    bool operator<(const Ranked& other) const { return key < other.key; }
};

bool sameFigures(const PllSetting& a, const PllSetting& b) {
    return sameHz(a.cpu, b.cpu) && sameHz(a.cco, b.cco) && usbExact(a) == usbExact(b);
}

// The second PLL's exact 48 MHz, which depends on the source only.
std::optional<UsbSetting> usbFromSecondPll(const ClockFacts& facts, const ClockSource& source) {
    // The second PLL runs from the main oscillator only.
    if (!facts.usb || !facts.usb->pll || source.kind != SourceKind::MainOscillator ||
        !facts.usb->pll->input.contains(source.hz))
        return std::nullopt;
    const UsbPll& pll = *facts.usb->pll;
    for (const int m : pll.m) {
        if (!sameHz(m * source.hz, kUsbHz))
            continue;
        for (const int p : pll.p) {
            const double cco = 2.0 * p * kUsbHz;
            if (pll.cco.contains(cco))
                return UsbSetting{0, m, p, cco, kUsbHz, true};
        }
    }
    return std::nullopt;
}

// The main PLL's divider: exact 48 MHz, else the closest it makes.
std::optional<UsbSetting> usbFromDivider(const ClockFacts& facts, const PllSetting& setting) {
    std::optional<UsbSetting> closest;
    for (const int d : facts.usb->dividers) {
        const double hz = setting.output / d;
        if (sameHz(hz, kUsbHz))
            return UsbSetting{d, 0, 0, 0, hz, true};
        if (!closest || std::fabs(hz - kUsbHz) < std::fabs(closest->hz - kUsbHz))
            closest = UsbSetting{d, 0, 0, 0, hz, false};
    }
    return closest;
}

std::optional<UsbSetting> usbWith(const ClockFacts& facts, const std::optional<UsbSetting>& secondPll,
                                  const PllSetting& setting) {
    auto divider = usbFromDivider(facts, setting);
    if (divider && divider->exact)
        return divider;
    return secondPll ? secondPll : divider;
}

} // namespace

std::optional<UsbSetting> usbFor(const ClockFacts& facts, const ClockSource& typed,
                                 const PllSetting& setting) {
    if (!facts.usb)
        return std::nullopt;
    return usbWith(facts, usbFromSecondPll(facts, usableSource(facts, typed)), setting);
}

ClockSource usableSource(const ClockFacts& facts, const ClockSource& source) {
    ClockSource usable = source;
    if (source.kind == SourceKind::MainOscillator && source.hz > 0)
        usable.hz = std::clamp(source.hz, facts.crystal.min, facts.crystal.max);
    return usable;
}

ClockSolution solveClocks(const ClockFacts& facts, const ClockRequest& typed) {
    ClockSolution solution;
    solution.wantedAboveMax = typed.wantedHz > facts.cpuMax;
    solution.inputOutOfRange =
        typed.source.kind == SourceKind::MainOscillator && !facts.crystal.contains(typed.source.hz);
    ClockRequest request = typed;
    request.source = usableSource(facts, typed.source);
    if (request.wantedHz > 0 && request.source.hz > 0 && facts.cpuMax > 0 && !facts.cpuDividers.empty()) {
        Search search{facts, request, {}};
        if (facts.pll == PllKind::MN)
            search.searchMn();
        else
            search.searchMp();
        const auto& found = search.found;
        const bool usbWanted = request.usb && facts.usb.has_value();
        const auto secondPll = usbWanted ? usbFromSecondPll(facts, request.source) : std::nullopt;
        // Each setting is ranked once by a small key; only the few listed are made whole.
        std::vector<Ranked> ranked;
        ranked.reserve(found.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            const auto divider = usbWanted && !secondPll ? usbFromDivider(facts, found[i]) : std::nullopt;
            const bool usbNotExact = usbWanted && !secondPll && !(divider && divider->exact);
            ranked.push_back({rankKey(found[i], usbNotExact), static_cast<std::uint32_t>(i)});
        }
        // Only the head of the order is listed: put it first, then sort just that part.
        const std::size_t head = std::min<std::size_t>(ranked.size(), 512);
        std::nth_element(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(head), ranked.end());
        std::sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(head));
        for (std::size_t i = 0; i < head && solution.settings.size() < kMostSettings; ++i) {
            PllSetting setting = found[ranked[i].index];
            if (usbWanted)
                setting.usb = usbWith(facts, secondPll, setting);
            if (std::none_of(solution.settings.begin(), solution.settings.end(),
                             [&](const PllSetting& s) { return sameFigures(s, setting); }))
                solution.settings.push_back(setting);
        }
    }
    solution.noExact = solution.settings.empty() || !solution.settings.front().exact;
    solution.usbNotExact = request.usb && (solution.settings.empty() || !usbExact(solution.settings.front()));
    return solution;
}

std::optional<PllSetting> checkSetting(const ClockFacts& facts, const ClockRequest& typed,
                                       const PllSetting& setting) {
    ClockRequest request = typed;
    request.source = usableSource(facts, typed.source);
    const double fin = request.source.hz;
    if (fin <= 0 || request.wantedHz <= 0 || !listed(facts.m, setting.m) ||
        !listed(facts.cpuDividers, setting.cpuDivider))
        return std::nullopt;
    PllSetting out = setting;
    if (facts.pll == PllKind::MN) {
        if (!listed(facts.n, setting.n) || setting.p != 0)
            return std::nullopt;
        out.input = fin / setting.n;
        out.cco = 2.0 * setting.m * out.input;
        out.output = out.cco;
    } else {
        if (!listed(facts.p, setting.p) || setting.n != 0)
            return std::nullopt;
        out.input = fin;
        out.output = setting.m * fin;
        out.cco = 2.0 * setting.p * out.output;
    }
    out.cpu = out.output / setting.cpuDivider;
    if (!facts.pllInput.contains(out.input) || !facts.cco.contains(out.cco) ||
        (facts.pllOutput && !facts.pllOutput->contains(out.output)) ||
        (out.cpu > facts.cpuMax && !sameHz(out.cpu, facts.cpuMax)))
        return std::nullopt;
    out.exact = sameHz(out.cpu, request.wantedHz);
    out.errorPpm = out.exact ? 0.0 : ppm(out.cpu, request.wantedHz);
    out.usb = request.usb ? usbFor(facts, request.source, out) : std::nullopt;
    return out;
}

} // namespace regforge::periph::clock
