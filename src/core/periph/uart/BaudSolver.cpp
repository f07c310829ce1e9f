#include "periph/uart/BaudSolver.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace regforge::periph::uart {

namespace {

// The fraction 1 + DIVADDVAL / MULVAL of each allowed pair in lowest terms, the pair of the
// smallest MULVAL first (2/4 gives the rate 1/2 gives).
struct Fraction {
    int divAddVal;
    int mulVal;
};

std::vector<Fraction> makeFractions(bool fractional) {
    std::vector<Fraction> out{{0, 1}};
    if (!fractional)
        return out;
    for (int mul = 2; mul <= kMaxMulVal; ++mul)
        for (int add = 1; add < mul; ++add)
            if (std::gcd(add, mul) == 1)
                out.push_back({add, mul});
    return out;
}

// Worked out once: every unit solves again after each change of its clock or rate.
const std::vector<Fraction>& fractions(bool fractional) {
    static const std::vector<Fraction> whole = makeFractions(false);
    static const std::vector<Fraction> all = makeFractions(true);
    return fractional ? all : whole;
}

bool better(const BaudSolution& a, const BaudSolution& b) {
    const double ea = std::fabs(a.errorPercent);
    const double eb = std::fabs(b.errorPercent);
    if (ea != eb)
        return ea < eb;
    // Equal errors: the setting without the fractional divider, then the smaller MULVAL, then the
    // larger divisor (a finer step on the next change of clock).
    if ((a.setting.divAddVal == 0) != (b.setting.divAddVal == 0))
        return a.setting.divAddVal == 0;
    if (a.setting.mulVal != b.setting.mulVal)
        return a.setting.mulVal < b.setting.mulVal;
    return a.setting.divisor > b.setting.divisor;
}

} // namespace

bool allowed(const BaudSetting& s) {
    if (s.divisor < 1 || s.divisor > kMaxDivisor || s.mulVal < 1 || s.mulVal > kMaxMulVal ||
        s.divAddVal < 0 || s.divAddVal >= s.mulVal)
        return false;
    return s.divAddVal == 0 || s.divisor >= kMinFractionalDivisor;
}

double baudRate(double pclkHz, const BaudSetting& s) {
    return pclkHz * s.mulVal / (16.0 * s.divisor * (s.mulVal + s.divAddVal));
}

std::vector<BaudSolution> solveBaud(double pclkHz, double wantedHz, bool fractional, std::size_t count) {
    std::vector<BaudSolution> found;
    if (!(pclkHz > 0) || !(wantedHz > 0) || count == 0)
        return found;
    const auto& tried = fractions(fractional);
    found.reserve(2 * tried.size());
    for (const Fraction& f : tried) {
        // The error falls towards the exact divisor and rises past it: the two divisors around it
        // are the best this fraction has.
        const double exact = pclkHz * f.mulVal / (16.0 * wantedHz * (f.mulVal + f.divAddVal));
        const int lowest = f.divAddVal == 0 ? 1 : kMinFractionalDivisor;
        const double below = std::clamp(std::floor(exact), static_cast<double>(lowest), double{kMaxDivisor});
        for (const double d : {below, std::min(below + 1, double{kMaxDivisor})}) {
            BaudSolution s;
            s.setting = {static_cast<int>(d), f.divAddVal, f.mulVal};
            s.rate = baudRate(pclkHz, s.setting);
            s.errorPercent = (s.rate - wantedHz) / wantedHz * 100.0;
            found.push_back(s);
        }
    }
    std::sort(found.begin(), found.end(), better);
    // Each rate once: the first (preferred) setting of it stays.
    std::vector<BaudSolution> out;
    for (const BaudSolution& s : found) {
        if (out.size() == count)
            break;
        const bool seen = std::any_of(out.begin(), out.end(), [&](const BaudSolution& o) {
            return std::fabs(o.rate - s.rate) <= 1e-9 * s.rate;
        });
        if (!seen)
            out.push_back(s);
    }
    return out;
}

} // namespace regforge::periph::uart
