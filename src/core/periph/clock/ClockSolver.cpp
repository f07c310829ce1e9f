#include "periph/clock/ClockSolver.h"

#include <algorithm>
#include <cmath>
#include <tuple>

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

// Best first; see solveClocks.
bool better(const PllSetting& a, const PllSetting& b, bool usbWanted) {
    const auto key = [usbWanted](const PllSetting& s) {
        // Clocks compared to the hertz and errors to a thousandth of a ppm, so rounding never
        // decides between two settings that give the same figures.
        return std::make_tuple(!s.exact, usbWanted && !usbExact(s),
                               std::llround(std::fabs(s.errorPpm) * 1000), std::llround(s.cco), s.cpuDivider,
                               s.n + s.p, s.m);
    };
    return key(a) < key(b);
}

bool sameFigures(const PllSetting& a, const PllSetting& b) {
    return sameHz(a.cpu, b.cpu) && sameHz(a.cco, b.cco) && usbExact(a) == usbExact(b);
}

} // namespace

std::optional<UsbSetting> usbFor(const ClockFacts& facts, const ClockSource& typed,
                                 const PllSetting& setting) {
    const ClockSource source = usableSource(facts, typed);
    if (!facts.usb)
        return std::nullopt;
    std::optional<UsbSetting> closest;
    for (const int d : facts.usb->dividers) {
        const double hz = setting.output / d;
        if (sameHz(hz, kUsbHz))
            return UsbSetting{d, 0, 0, 0, hz, true};
        if (!closest || std::fabs(hz - kUsbHz) < std::fabs(closest->hz - kUsbHz))
            closest = UsbSetting{d, 0, 0, 0, hz, false};
    }
    // The second PLL runs from the main oscillator only.
    if (facts.usb->pll && source.kind == SourceKind::MainOscillator &&
        facts.usb->pll->input.contains(source.hz)) {
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
    }
    return closest;
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
        auto& found = search.found;
        const bool usbWanted = request.usb && facts.usb.has_value();
        if (usbWanted)
            for (auto& s : found)
                s.usb = usbFor(facts, request.source, s);
        const auto order = [usbWanted](const PllSetting& a, const PllSetting& b) {
            return better(a, b, usbWanted);
        };
        // Only the head of the order is listed: put it first, then sort just that part.
        const std::size_t head = std::min<std::size_t>(found.size(), 512);
        std::nth_element(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(head), found.end(),
                         order);
        std::sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(head), order);
        for (std::size_t i = 0; i < head && solution.settings.size() < kMostSettings; ++i)
            if (std::none_of(solution.settings.begin(), solution.settings.end(),
                             [&](const PllSetting& s) { return sameFigures(s, found[i]); }))
                solution.settings.push_back(found[i]);
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
