#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace regforge::periph::clock {

// The register sequence the clock code follows; one per family group.
enum class Sequence { Lpc21xx, Lpc23xx, Lpc17xx, Lpc177x, Lpc13xx };

// MN: Fcco = 2 x M x Fin / N, CPU = Fcco / CPUDIV (the PLL's output is the CCO).
// MP: Fout = M x Fin, Fcco = 2 x P x Fout, CPU = Fout / CPUDIV.
enum class PllKind { MN, MP };

// A closed range of frequencies in Hz.
struct HzRange {
    double min = 0;
    double max = 0;
    bool contains(double hz) const { return hz >= min && hz <= max; }
};

// The values a multiplier or divider may take, ascending, each once.
using ValueList = std::vector<int>;

// A register field a divider writes: "LPC_SC->PCLKSEL0", bits lowBit .. lowBit + width - 1.
struct DividerField {
    std::string unit; // the unit's profile section name ("TIMER0"); empty for the common field
    std::string registerName;
    int lowBit = 0;
    int width = 0;
};

// How a divisor becomes a field value: divisor:code pairs, or the divisor itself.
struct DividerCode {
    bool divisorItself = false;
    std::map<int, int> codes;
    std::optional<int> of(int divisor) const;
};

// The second PLL that makes the USB clock (MP kind: USB = M x Fin, Fcco = 2 x P x USB).
struct UsbPll {
    ValueList m;
    ValueList p;
    HzRange cco;
    HzRange input;
};

struct UsbFacts {
    std::optional<UsbPll> pll;
    // USB = the main PLL's output (MN: the CCO; MP: Fout) / USBDIV.
    ValueList dividers;
    bool hasDivider() const { return !dividers.empty(); }
};

// One step of the flash timing table: CPU clocks up to `uptoHz` need `clocks` access clocks.
struct FlashStep {
    double uptoHz = 0;
    int clocks = 0;
};

// The clock facts of one device, read from its profile's [CLOCKS].
struct ClockFacts {
    Sequence sequence = Sequence::Lpc21xx;
    HzRange crystal;
    std::optional<double> oscRange;
    std::optional<double> irc;
    std::optional<double> rtc;
    PllKind pll = PllKind::MP;
    HzRange pllInput;
    std::optional<HzRange> pllOutput;
    HzRange cco;
    ValueList m;
    ValueList n{1};
    ValueList p{1};
    ValueList cpuDividers{1};
    double cpuMax = 0;
    std::string limit;
    // The external memory controller's clock limit where its clock is the CPU clock or half of it
    // (EMCCLKSEL on LPC177x/178x).
    std::optional<double> emcMax;
    std::optional<UsbFacts> usb;
    std::vector<FlashStep> flash;
    std::optional<DividerField> commonDivider;
    std::vector<DividerField> unitDividers;
    DividerCode dividerCode;

    bool cortexM3() const { return sequence != Sequence::Lpc21xx && sequence != Sequence::Lpc23xx; }
    // The flash access clocks a CPU clock needs; the last step's for a clock above the table.
    int flashClocks(double cpuHz) const;
    // Whether the table covers the CPU clock.
    bool flashCovers(double cpuHz) const { return !flash.empty() && cpuHz <= flash.back().uptoHz; }
};

} // namespace regforge::periph::clock
