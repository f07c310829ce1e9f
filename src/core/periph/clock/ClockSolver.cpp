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

bool usbExact(const PllSetting& s) {
    return s.usb && s.usb->exact;
}

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
std::optional<UsbSetting> usbFromDivider(const ClockFacts& facts, double pllOutput) {
    std::optional<UsbSetting> closest;
    for (const int d : facts.usb->dividers) {
        const double hz = pllOutput / d;
        if (sameHz(hz, kUsbHz))
            return UsbSetting{d, 0, 0, 0, hz, true};
        if (!closest || std::fabs(hz - kUsbHz) < std::fabs(closest->hz - kUsbHz))
            closest = UsbSetting{d, 0, 0, 0, hz, false};
    }
    return closest;
}

std::optional<UsbSetting> usbWith(const ClockFacts& facts, const std::optional<UsbSetting>& secondPll,
                                  const PllSetting& setting) {
    auto divider = usbFromDivider(facts, setting.output);
    if (divider && divider->exact)
        return divider;
    return secondPll ? secondPll : divider;
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

// The first value of a sorted list at least x, found by index: entry k of the table is the index
// of the first value at least k (the values are whole numbers, so at least x is at least ceil(x)).
// The table covers the small values dividers have; beyond it the list is searched.
class AtLeast {
public:
    explicit AtLeast(const ValueList& values) : values_(values) {
        constexpr int kMostTabled = 4096;
        const int top = values.empty() ? 0 : std::clamp(values.back(), 0, kMostTabled);
        first_.resize(static_cast<std::size_t>(top) + 1);
        std::size_t i = 0;
        for (int k = 0; k <= top; ++k) {
            while (i < values.size() && values[i] < k)
                ++i;
            first_[static_cast<std::size_t>(k)] = i;
        }
    }
    // The index of the first value at least x, or the list's size.
    std::size_t indexOf(double x) const {
        if (!(x > 0))
            return first_[0];
        if (x <= static_cast<double>(first_.size() - 1)) {
            auto up = static_cast<std::size_t>(x);
            if (static_cast<double>(up) < x)
                ++up;
            return first_[up];
        }
        return static_cast<std::size_t>(std::lower_bound(values_.begin(), values_.end(), x) -
                                        values_.begin());
    }

private:
    const ValueList& values_;
    std::vector<std::size_t> first_;
};

// How many settings, best first, are looked through for the listed ones.
constexpr std::size_t kHead = 512;

// The search keeps each candidate as its order key only: the key names the setting (M, the pre-
// or post-divider, the CPU divider), so the few settings listed are made whole afterwards, and the
// thousands the search passes over cost a small record each.
struct Search {
    const ClockFacts& facts;
    const ClockRequest& request;
    // With USB wanted and no second PLL, whether the main PLL's divider makes 48 MHz exactly
    // decides the order too.
    bool usbFromDividerOnly = false;
    AtLeast dividerAt;
    std::vector<RankKey> found;
    std::optional<RankKey> worstKept;

    // One PLL setting before the CPU divider: M, the pre- (MN) or post-divider (MP), its clocks.
    struct Pll {
        int m;
        int divider;
        double input;
        double cco;
        double output;
    };

    // The CPU dividers nearest the wanted clock for a PLL output: the largest giving at least the
    // wanted clock and the smallest giving at most it; never one giving more than CPUMAX.
    void addCpuDividers(const Pll& pll) {
        const ValueList& dividers = facts.cpuDividers;
        const double wanted = std::min(request.wantedHz, facts.cpuMax);
        const double ideal = pll.output / wanted;
        std::size_t upper = dividerAt.indexOf(ideal - 1e-9 * ideal);
        // The first divider keeping the CPU clock at most CPUMAX.
        const double least = pll.output / facts.cpuMax;
        const std::size_t allowed = dividerAt.indexOf(least - 1e-9 * least);
        if (allowed == dividers.size())
            return;
        upper = std::max(upper, allowed);
        bool usbNotExact = false;
        if (usbFromDividerOnly) {
            const auto divider = usbFromDivider(facts, pll.output);
            usbNotExact = !(divider && divider->exact);
        }
        if (upper != dividers.size())
            add(pll, dividers[upper], usbNotExact);
        if (upper != allowed)
            add(pll, dividers[upper - 1], usbNotExact);
    }

    void add(const Pll& pll, int divider, bool usbNotExact) {
        const double cpu = pll.output / divider;
        if (cpu > facts.cpuMax && !sameHz(cpu, facts.cpuMax))
            return;
        const bool exact = sameHz(cpu, request.wantedHz);
        const double errorPpm = exact ? 0.0 : ppm(cpu, request.wantedHz);
        keep({!exact, usbNotExact, rounded(std::fabs(errorPpm) * 1000), rounded(pll.cco), divider,
              pll.divider, pll.m});
    }

    // Only the head of the order can be listed: once more than that many are kept, the best of
    // them stay, and a candidate not better than the last of those can never enter the head.
    void keep(const RankKey& key) {
        if (worstKept && !(key < *worstKept))
            return;
        found.push_back(key);
        if (found.size() == 2 * kHead) {
            std::nth_element(found.begin(), found.begin() + (kHead - 1), found.end());
            found.resize(kHead);
            worstKept = found.back();
        }
    }

    // The whole setting a key names, computed as the search computed it.
    PllSetting settingOf(const RankKey& key) const {
        const Pll pll = facts.pll == PllKind::MN ? mnPll(key.m, key.divider, request.source.hz / key.divider)
                                                 : mpPll(key.m, key.divider);
        PllSetting setting{pll.m,      0, 0, key.cpuDivider, pll.input,   pll.cco,
                           pll.output, 0, 0, false,          std::nullopt};
        (facts.pll == PllKind::MN ? setting.n : setting.p) = pll.divider;
        setting.cpu = pll.output / key.cpuDivider;
        setting.exact = sameHz(setting.cpu, request.wantedHz);
        setting.errorPpm = setting.exact ? 0.0 : ppm(setting.cpu, request.wantedHz);
        return setting;
    }

    static Pll mnPll(int m, int n, double input) {
        const double cco = 2.0 * m * input;
        return {m, n, input, cco, cco};
    }

    Pll mpPll(int m, int p) const {
        const double fin = request.source.hz;
        const double output = m * fin;
        return {m, p, fin, 2.0 * p * output, output};
    }

    bool outputAllowed(double output) const { return !facts.pllOutput || facts.pllOutput->contains(output); }

    void searchMn() {
        const double fin = request.source.hz;
        for (const int n : facts.n) {
            const double input = fin / n;
            if (!facts.pllInput.contains(input))
                continue;
            // The multipliers below the CCO's range are passed over at once.
            auto m = std::partition_point(facts.m.begin(), facts.m.end(),
                                          [&](int v) { return 2.0 * v * input < facts.cco.min; });
            for (; m != facts.m.end(); ++m) {
                const Pll pll = mnPll(*m, n, input);
                if (pll.cco > facts.cco.max)
                    break;
                if (outputAllowed(pll.cco))
                    addCpuDividers(pll);
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
                const Pll pll = mpPll(m, p);
                if (pll.cco > facts.cco.max)
                    break;
                if (pll.cco >= facts.cco.min)
                    addCpuDividers(pll);
            }
        }
    }
};

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
        const bool usbWanted = request.usb && facts.usb.has_value();
        const auto secondPll = usbWanted ? usbFromSecondPll(facts, request.source) : std::nullopt;
        Search search{facts, request, usbWanted && !secondPll, AtLeast(facts.cpuDividers), {}, std::nullopt};
        search.found.reserve(2 * kHead);
        if (facts.pll == PllKind::MN)
            search.searchMn();
        else
            search.searchMp();
        auto& found = search.found;
        // Only the head of the order is listed: put it first, then sort just that part.
        const std::size_t head = std::min(found.size(), kHead);
        std::nth_element(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(head), found.end());
        std::sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(head));
        for (std::size_t i = 0; i < head && solution.settings.size() < kMostSettings; ++i) {
            PllSetting setting = search.settingOf(found[i]);
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
