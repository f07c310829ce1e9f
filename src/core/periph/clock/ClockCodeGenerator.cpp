#include "periph/clock/ClockCodeGenerator.h"

#include "Error.h"
#include "model/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <utility>

// The sequences follow the clocking chapters of the NXP user manuals:
// - LPC21xx: UM10139 (LPC214x) "Phase Locked Loop (PLL)": PLLCON (PLLE bit 0, PLLC bit 1), PLLCFG
//   (MSEL bits 4:0, PSEL bits 6:5), PLLSTAT (PLLC bit 9, PLOCK bit 10), PLLFEED, "PLL frequency
//   calculation" and "Procedure for determining PLL settings"; "VPB divider"; "Memory Acceleration
//   Module" MAMCR, MAMTIM and its usage notes (MAMTIM changes only with the MAM off); PLL1 for USB.
//   The same layout in UM10114, UM10120, UM10161 and the LPC2106 manual.
// - LPC23xx/24xx: UM10211 / UM10237 "Clocking and power control": SCS (OSCRANGE bit 4, OSCEN bit 5,
//   OSCSTAT bit 6), CLKSRCSEL, PLLCON/PLLCFG (MSEL bits 14:0, NSEL bits 23:16)/PLLSTAT (PLLC bit 25,
//   PLOCK bit 26)/PLLFEED and the "PLL setup sequence" (disconnect and disable with separate feeds,
//   change the source only with the PLL off), CCLKCFG, USBCLKCFG, PCLKSEL0/1; the MAM chapter.
// - LPC175x/176x: UM10360 chapter 4, the same registers as LPC_SC members (PLL0...), "PLL0 setup
//   sequence", PLL1 for USB (MSEL1 4:0, PSEL1 6:5, PLOCK1 bit 10), chapter 5 FLASHCFG (FLASHTIM
//   bits 15:12, bits 11:0 kept); the errata sheet's note that PCLKSEL0/1 written while PLL0 is
//   connected may not take effect, so they are written before connecting.
// - LPC177x/178x: UM10470 chapter 3: SCS, CLKSRCSEL, PLL0CON (PLLE only), PLL0CFG (MSEL 4:0, PSEL
//   6:5), PLL0STAT (PLOCK bit 10), CCLKSEL (CCLKDIV 4:0, PLL0 as source bit 8), PCLKSEL, USBCLKSEL
//   (USBDIV 4:0, USBSEL 9:8), EMCCLKSEL (EMCDIV bit 0: the memory controller at the CPU clock or
//   half of it; the data sheet's EMC clock limit is below the CPU's), FLASHCFG.
// - LPC13xx: UM10375 chapter 3: PDRUNCFG (SYSOSC_PD bit 5, SYSPLL_PD bit 7, USBPLL_PD bit 8,
//   USBPAD_PD bit 10), SYSOSCCTRL (FREQRANGE bit 1), SYSPLLCLKSEL/UEN, SYSPLLCTRL (MSEL 4:0, PSEL
//   6:5), SYSPLLSTAT (LOCK bit 0), MAINCLKSEL/UEN, SYSAHBCLKDIV, the USB PLL and USB clock registers,
//   and the flash configuration register at 0x4003C010 (FLASHTIM bits 1:0), which LPC13xx.h
//   does not name.
// Every feed pair follows the write it validates directly; on Cortex-M3 interrupts are masked
// around both, so no handler can come between the two feed writes.

namespace regforge::periph::clock {

namespace {

using Lines = std::vector<std::string>;

const std::string kOpen = "/" + std::string(78, '*');
const std::string kRule = std::string(79, '*');

std::string hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*lX", digits, static_cast<unsigned long>(value));
    return text;
}

// The PSEL code of a post-divider (1, 2, 4, 8 -> 0 .. 3).
std::uint32_t pselOf(int p) {
    for (std::uint32_t code = 0; code < 4; ++code)
        if ((1 << code) == p)
            return code;
    throw regforge::Error("post-divider P = " + std::to_string(p) + " has no PSEL code");
}

class Block {
public:
    Block(const profile::RegisterNames& names, int digits, bool cortexM3)
        : names_(names), digits_(digits), cortexM3_(cortexM3) {}

    std::string reg(const std::string& written) const { return names_(written); }
    std::string hexValue(std::uint32_t value) const { return hex(value, digits_); }

    void line(const std::string& text) { lines_.push_back(std::string(3 * depth_, ' ') + text); }
    void commented(const std::string& text, const std::string& comment) {
        line(comment.empty() ? text : text + "     /* " + comment + " */");
    }
    // "NAME = 0x...;" (or another operator); left out where the part's header lacks the register.
    void set(const std::string& written, std::uint32_t value, const std::string& comment = {}) {
        if (names_.exists(written))
            commented(reg(written) + " = " + hexValue(value) + ";", comment);
    }
    void statement(const std::string& written, const std::string& rest, const std::string& comment = {}) {
        if (names_.exists(written))
            commented(reg(written) + rest, comment);
    }
    // The writes a feed validates, then the feed pair, never split; masked on Cortex-M3.
    void fed(const std::string& feed, const std::vector<std::pair<std::string, std::uint32_t>>& writes,
             const std::string& comment) {
        if (cortexM3_)
            line("__disable_irq();");
        bool first = true;
        for (const auto& [written, value] : writes) {
            set(written, value, first ? comment : std::string());
            first = false;
        }
        line(reg(feed) + " = 0xAA;");
        line(reg(feed) + " = 0x55;");
        if (cortexM3_)
            line("__enable_irq();");
    }
    // A bounded wait for `condition`.
    void waitFor(const std::string& condition, const std::string& comment) {
        commented("for (clockWait = 0; clockWait < " + std::to_string(kWaitRounds) + " && !(" + condition +
                      "); clockWait++)",
                  comment);
        line("   ;");
    }
    void open(const std::string& condition, const std::string& comment) {
        commented("if (" + condition + ")", comment);
        line("{");
        ++depth_;
    }
    void close() {
        --depth_;
        line("}");
    }
    Lines take() { return std::move(lines_); }

private:
    const profile::RegisterNames& names_;
    int digits_;
    bool cortexM3_;
    int depth_ = 0;
    Lines lines_;
};

std::string sourceName(SourceKind kind) {
    switch (kind) {
    case SourceKind::Irc:
        return "internal RC oscillator";
    case SourceKind::Rtc:
        return "RTC oscillator";
    case SourceKind::MainOscillator:
        break;
    }
    return "main oscillator";
}

// CLKSRCSEL / SYSPLLCLKSEL value of the source.
std::uint32_t sourceCode(SourceKind kind) {
    return kind == SourceKind::Irc ? 0u : kind == SourceKind::Rtc ? 2u : 1u;
}

std::string divided(const char* what, int divisor) {
    return divisor == 1 ? std::string("(") + what + ")"
                        : std::string("(") + what + " / " + std::to_string(divisor) + ")";
}

bool usbFromPll(const PllSetting& s) {
    return s.usb && s.usb->exact && s.usb->divider == 0;
}
bool usbFromDivider(const PllSetting& s) {
    return s.usb && s.usb->exact && s.usb->divider != 0;
}

// Whether the external memory controller runs from half the CPU clock: only above its limit.
bool emcHalved(const ClockBlockInput& in) {
    return in.facts.emcMax && in.facts.sequence == Sequence::Lpc177x && in.setting.cpu > *in.facts.emcMax;
}

Lines commentBlock(const ClockBlockInput& in) {
    const ClockFacts& f = in.facts;
    const PllSetting& s = in.setting;
    Lines out{kOpen, "                                 Clock set-up", kRule};
    out.push_back("   Input clock: " + frequencyText(in.source.hz) + " (" + sourceName(in.source.kind) + ")");
    const bool pll0 = f.sequence == Sequence::Lpc17xx || f.sequence == Sequence::Lpc177x;
    const std::string pll = pll0 ? "PLL0" : "PLL";
    if (f.pll == PllKind::MN) {
        out.push_back("   " + pll + ": M = " + std::to_string(s.m) + ", N = " + std::to_string(s.n) +
                      ", CCO " + frequencyText(s.cco));
        out.push_back("   CPU clock: " + frequencyText(s.cpu) + " " + divided("CCO", s.cpuDivider));
    } else {
        out.push_back("   " + pll + ": M = " + std::to_string(s.m) + ", P = " + std::to_string(s.p) +
                      ", CCO " + frequencyText(s.cco) + ", output " + frequencyText(s.output));
        out.push_back("   CPU clock: " + frequencyText(s.cpu) + " " + divided("PLL output", s.cpuDivider));
    }
    if (s.usb) {
        if (!s.usb->exact)
            out.push_back("   USB clock: not set, no setting makes 48 MHz exactly");
        else if (s.usb->divider != 0)
            out.push_back("   USB clock: 48 MHz " +
                          divided(f.pll == PllKind::MN ? "CCO" : "PLL output", s.usb->divider));
        else
            out.push_back("   USB clock: 48 MHz (" +
                          std::string(f.sequence == Sequence::Lpc13xx ? "USB PLL" : "PLL1") +
                          ": M = " + std::to_string(s.usb->pllM) + ", P = " + std::to_string(s.usb->pllP) +
                          ", CCO " + frequencyText(s.usb->pllCco) + ")");
    }
    if (emcHalved(in))
        out.push_back("   EMC clock: " + frequencyText(s.cpu / 2) + " (CPU clock / 2)");
    else if (f.emcMax && f.sequence == Sequence::Lpc177x)
        out.push_back("   EMC clock: " + frequencyText(s.cpu) + " (CPU clock)");
    for (const auto& write : in.dividers) {
        std::string fields;
        for (const auto& field : write.fields)
            fields += (fields.empty() ? "" : ", ") + field;
        out.push_back("   " + write.registerName + ": " + fields);
    }
    const int clocks = f.flashClocks(s.cpu);
    out.push_back("   Flash: " + std::to_string(clocks) + " CPU clock" + (clocks == 1 ? "" : "s") +
                  " per access");
    out.push_back("*/");
    return out;
}

void writeDividers(Block& b, const ClockBlockInput& in, const std::string& comment) {
    for (const auto& write : in.dividers)
        b.set(write.registerName, write.value, comment);
}

// The main oscillator on the parts with SCS: range first, then enable, then a bounded wait for
// OSCSTAT. The caller opens the block that runs only with the oscillator running.
void startOscillatorScs(Block& b, const ClockBlockInput& in, const std::string& scs) {
    if (in.facts.oscRange && in.source.hz > *in.facts.oscRange)
        b.statement(scs, " |= (1 << 4);", "OSCRANGE: 15 .. 25 MHz crystal");
    b.statement(scs, " |= (1 << 5);", "OSCEN: start the main oscillator");
    b.waitFor(b.reg(scs) + " & (1 << 6)", "OSCSTAT: wait until it runs");
    b.open(b.reg(scs) + " & (1 << 6)", "the PLL takes it only once it runs");
}

void flashMam(Block& b, int clocks) {
    b.set("MAMCR", 0, "MAM off while its timing changes");
    b.set("MAMTIM", static_cast<std::uint32_t>(clocks),
          std::to_string(clocks) + " CPU clocks per flash access");
    b.set("MAMCR", 2, "MAM fully enabled");
}

void flashCfg(Block& b, const std::string& reg, int clocks) {
    const auto value = static_cast<std::uint32_t>(clocks - 1) << 12;
    b.statement(reg, " = (" + b.reg(reg) + " & 0x00000FFF) | " + hex(value, 8) + ";",
                "FLASHTIM = " + std::to_string(clocks - 1) + ": " + std::to_string(clocks) +
                    " CPU clocks per access");
}

// PLL1 making the USB clock (LPC214x, LPC175x/176x): MSEL/PSEL, enable, lock, connect.
void usbPll1(Block& b, const UsbSetting& usb, const std::string& prefix) {
    const auto cfg = static_cast<std::uint32_t>(usb.pllM - 1) | (pselOf(usb.pllP) << 5);
    b.fed(prefix + "PLL1FEED", {{prefix + "PLL1CFG", cfg}},
          "PLL1: M = " + std::to_string(usb.pllM) + ", P = " + std::to_string(usb.pllP) + ", USB 48 MHz");
    b.fed(prefix + "PLL1FEED", {{prefix + "PLL1CON", 1}}, "enable PLL1");
    b.waitFor(b.reg(prefix + "PLL1STAT") + " & (1 << 10)", "PLOCK1");
    b.open(b.reg(prefix + "PLL1STAT") + " & (1 << 10)", "connect PLL1 once locked");
    b.fed(prefix + "PLL1FEED", {{prefix + "PLL1CON", 3}}, "enable and connect PLL1");
    b.close();
}

void lpc21xx(Block& b, const ClockBlockInput& in) {
    const PllSetting& s = in.setting;
    b.open(b.reg("PLLSTAT") + " & (1 << 9)", "PLL connected: disconnect it first");
    b.fed("PLLFEED", {{"PLLCON", 1}}, "enabled, disconnected");
    b.close();
    b.fed("PLLFEED", {{"PLLCON", 0}}, "PLL disabled");
    const auto cfg = static_cast<std::uint32_t>(s.m - 1) | (pselOf(s.p) << 5);
    b.fed("PLLFEED", {{"PLLCFG", cfg}}, "M = " + std::to_string(s.m) + ", P = " + std::to_string(s.p));
    b.fed("PLLFEED", {{"PLLCON", 1}}, "PLL enabled");
    writeDividers(b, in, "peripheral clock divider");
    b.waitFor(b.reg("PLLSTAT") + " & (1 << 10)", "PLOCK");
    flashMam(b, in.facts.flashClocks(s.cpu));
    b.open(b.reg("PLLSTAT") + " & (1 << 10)", "connect the PLL once locked");
    b.fed("PLLFEED", {{"PLLCON", 3}}, "PLL enabled and connected");
    b.close();
    if (usbFromPll(s))
        usbPll1(b, *s.usb, "");
}

// LPC23xx/24xx and LPC175x/176x: the MN PLL with a connect bit.
void mnFamily(Block& b, const ClockBlockInput& in, bool lpc17) {
    const PllSetting& s = in.setting;
    const std::string sc = lpc17 ? "LPC_SC->" : "";
    const std::string pll = lpc17 ? "PLL0" : "PLL";
    const bool main = in.source.kind == SourceKind::MainOscillator;
    if (main)
        startOscillatorScs(b, in, sc + "SCS");
    b.open(b.reg(sc + pll + "STAT") + " & (1 << 25)", pll + " connected: disconnect it first");
    b.fed(sc + pll + "FEED", {{sc + pll + "CON", 1}}, "enabled, disconnected");
    b.close();
    b.fed(sc + pll + "FEED", {{sc + pll + "CON", 0}}, pll + " disabled");
    b.set(sc + "CLKSRCSEL", sourceCode(in.source.kind), "PLL input: " + sourceName(in.source.kind));
    const auto cfg = static_cast<std::uint32_t>(s.m - 1) | (static_cast<std::uint32_t>(s.n - 1) << 16);
    b.fed(sc + pll + "FEED", {{sc + pll + "CFG", cfg}},
          "M = " + std::to_string(s.m) + ", N = " + std::to_string(s.n));
    b.fed(sc + pll + "FEED", {{sc + pll + "CON", 1}}, pll + " enabled");
    b.set(sc + "CCLKCFG", static_cast<std::uint32_t>(s.cpuDivider - 1),
          "CPU clock = CCO / " + std::to_string(s.cpuDivider));
    if (usbFromDivider(s))
        b.set(sc + "USBCLKCFG", static_cast<std::uint32_t>(s.usb->divider - 1),
              "USB clock = CCO / " + std::to_string(s.usb->divider));
    writeDividers(b, in,
                  lpc17 ? "before " + pll + " is connected" : std::string("peripheral clock dividers"));
    b.waitFor(b.reg(sc + pll + "STAT") + " & (1 << 26)", "PLOCK");
    const int clocks = in.facts.flashClocks(s.cpu);
    if (lpc17)
        flashCfg(b, sc + "FLASHCFG", clocks);
    else
        flashMam(b, clocks);
    b.open(b.reg(sc + pll + "STAT") + " & (1 << 26)", "connect " + pll + " once locked");
    b.fed(sc + pll + "FEED", {{sc + pll + "CON", 3}}, pll + " enabled and connected");
    b.close();
    if (lpc17 && usbFromPll(s) && main)
        usbPll1(b, *s.usb, sc);
    if (main)
        b.close();
}

void lpc177x(Block& b, const ClockBlockInput& in) {
    const PllSetting& s = in.setting;
    const bool main = in.source.kind == SourceKind::MainOscillator;
    b.set("LPC_SC->CCLKSEL", 1, "CPU from the system clock while PLL0 changes");
    if (main)
        startOscillatorScs(b, in, "LPC_SC->SCS");
    b.fed("LPC_SC->PLL0FEED", {{"LPC_SC->PLL0CON", 0}}, "PLL0 disabled");
    b.set("LPC_SC->CLKSRCSEL", sourceCode(in.source.kind),
          "system clock and PLL input: " + sourceName(in.source.kind));
    const auto cfg = static_cast<std::uint32_t>(s.m - 1) | (pselOf(s.p) << 5);
    b.fed("LPC_SC->PLL0FEED", {{"LPC_SC->PLL0CFG", cfg}, {"LPC_SC->PLL0CON", 1}},
          "M = " + std::to_string(s.m) + ", P = " + std::to_string(s.p));
    writeDividers(b, in, "peripheral clock divider");
    // The memory controller's clock follows the CPU clock: halved before the CPU speeds up
    // where the new clock is above the controller's limit.
    if (in.facts.emcMax)
        b.set("LPC_SC->EMCCLKSEL", emcHalved(in) ? 1u : 0u,
              emcHalved(in) ? "EMC clock = CPU clock / 2: at most " + frequencyText(*in.facts.emcMax)
                            : std::string("EMC clock = CPU clock"));
    b.waitFor(b.reg("LPC_SC->PLL0STAT") + " & (1 << 10)", "PLOCK");
    flashCfg(b, "LPC_SC->FLASHCFG", in.facts.flashClocks(s.cpu));
    b.open(b.reg("LPC_SC->PLL0STAT") + " & (1 << 10)", "run from PLL0 once locked");
    b.set("LPC_SC->CCLKSEL", static_cast<std::uint32_t>(s.cpuDivider) | (1u << 8),
          "CPU clock = PLL0 / " + std::to_string(s.cpuDivider));
    if (usbFromDivider(s))
        b.set("LPC_SC->USBCLKSEL", static_cast<std::uint32_t>(s.usb->divider) | (1u << 8),
              "USB clock = PLL0 / " + std::to_string(s.usb->divider));
    b.close();
    if (usbFromPll(s) && main) {
        const auto usbCfg = static_cast<std::uint32_t>(s.usb->pllM - 1) | (pselOf(s.usb->pllP) << 5);
        b.fed("LPC_SC->PLL1FEED", {{"LPC_SC->PLL1CFG", usbCfg}, {"LPC_SC->PLL1CON", 1}},
              "PLL1: M = " + std::to_string(s.usb->pllM) + ", P = " + std::to_string(s.usb->pllP) +
                  ", USB 48 MHz");
        b.waitFor(b.reg("LPC_SC->PLL1STAT") + " & (1 << 10)", "PLOCK1");
        b.open(b.reg("LPC_SC->PLL1STAT") + " & (1 << 10)", "USB from PLL1 once locked");
        b.set("LPC_SC->USBCLKSEL", 1u | (2u << 8), "USB clock = PLL1 / 1");
        b.close();
    }
    if (main)
        b.close();
}

void update(Block& b, const std::string& uen) {
    b.set(uen, 0);
    b.set(uen, 1, "take the new selection");
}

void lpc13xx(Block& b, const ClockBlockInput& in) {
    const PllSetting& s = in.setting;
    const std::string sys = "LPC_SYSCON->";
    b.set(sys + "MAINCLKSEL", 0, "run from the IRC while the PLL changes");
    update(b, sys + "MAINCLKUEN");
    if (in.source.kind == SourceKind::MainOscillator) {
        const bool high = in.facts.oscRange && in.source.hz > *in.facts.oscRange;
        b.set(sys + "SYSOSCCTRL", high ? 2u : 0u,
              high ? "FREQRANGE: 15 .. 25 MHz crystal" : "1 .. 20 MHz crystal");
        b.statement(sys + "PDRUNCFG", " &= ~(1 << 5);", "power up the system oscillator");
        b.commented("for (clockWait = 0; clockWait < " + std::to_string(kWaitRounds / 10) + "; clockWait++)",
                    "let it settle: it has no ready flag");
        b.line("   ;");
    }
    b.set(sys + "SYSPLLCLKSEL", in.source.kind == SourceKind::MainOscillator ? 1u : 0u,
          "PLL input: " + sourceName(in.source.kind));
    update(b, sys + "SYSPLLCLKUEN");
    b.statement(sys + "PDRUNCFG", " |= (1 << 7);", "system PLL off while it is set");
    b.set(sys + "SYSPLLCTRL", static_cast<std::uint32_t>(s.m - 1) | (pselOf(s.p) << 5),
          "M = " + std::to_string(s.m) + ", P = " + std::to_string(s.p));
    b.statement(sys + "PDRUNCFG", " &= ~(1 << 7);", "power up the system PLL");
    b.waitFor(b.reg(sys + "SYSPLLSTAT") + " & 1", "LOCK");
    const int clocks = in.facts.flashClocks(s.cpu);
    b.commented(
        "*(volatile unsigned long *)0x4003C010 = (*(volatile unsigned long *)0x4003C010 & ~0x3UL) | " +
            hex(static_cast<std::uint32_t>(clocks - 1), 1) + "UL;",
        "flash configuration: FLASHTIM = " + std::to_string(clocks - 1) + ", " + std::to_string(clocks) +
            " CPU clocks per access");
    b.set(sys + "SYSAHBCLKDIV", static_cast<std::uint32_t>(s.cpuDivider),
          "CPU clock = PLL output / " + std::to_string(s.cpuDivider));
    b.open(b.reg(sys + "SYSPLLSTAT") + " & 1", "run from the PLL once locked");
    b.set(sys + "MAINCLKSEL", 3, "main clock: system PLL output");
    update(b, sys + "MAINCLKUEN");
    b.close();
    writeDividers(b, in, "unit clock divider");
    if (usbFromPll(s)) {
        b.statement(sys + "PDRUNCFG", " &= ~((1 << 8) | (1 << 10));",
                    "power up the USB PLL and the USB pads");
        b.set(sys + "USBPLLCLKSEL", 1, "USB PLL input: system oscillator");
        update(b, sys + "USBPLLCLKUEN");
        b.set(sys + "USBPLLCTRL", static_cast<std::uint32_t>(s.usb->pllM - 1) | (pselOf(s.usb->pllP) << 5),
              "M = " + std::to_string(s.usb->pllM) + ", P = " + std::to_string(s.usb->pllP) + ", USB 48 MHz");
        b.waitFor(b.reg(sys + "USBPLLSTAT") + " & 1", "LOCK");
        b.open(b.reg(sys + "USBPLLSTAT") + " & 1", "USB from the USB PLL once locked");
        b.set(sys + "USBCLKSEL", 0, "USB clock: USB PLL output");
        update(b, sys + "USBCLKUEN");
        b.set(sys + "USBCLKDIV", 1);
        b.close();
    } else if (usbFromDivider(s)) {
        b.statement(sys + "PDRUNCFG", " &= ~(1 << 10);", "power up the USB pads");
        b.set(sys + "USBCLKSEL", 1, "USB clock: main clock");
        update(b, sys + "USBCLKUEN");
        b.set(sys + "USBCLKDIV", static_cast<std::uint32_t>(s.usb->divider),
              "USB clock = main clock / " + std::to_string(s.usb->divider));
    }
    if (usbFromPll(s) || usbFromDivider(s))
        b.statement(sys + "SYSAHBCLKCTRL", " |= (1 << 14);", "clock the USB registers");
}

} // namespace

std::string frequencyText(double hz) {
    if (hz >= 1e6 || hz == 0)
        return model::formatGeneral(model::roundToDecimals(hz / 1e6, 6)) + " MHz";
    return model::formatGeneral(model::roundToDecimals(hz / 1e3, 6)) + " kHz";
}

std::string ppmText(double ppm) {
    const double rounded = model::roundToDecimals(ppm, 1);
    return (rounded > 0 ? "+" : "") + model::formatGeneral(rounded) + " ppm";
}

Lines clockBlock(const ClockBlockInput& typed, const profile::RegisterNames& names) {
    // The code never assumes a crystal outside the family's range.
    ClockBlockInput input = typed;
    input.source = usableSource(input.facts, typed.source);
    const Sequence sequence = input.facts.sequence;
    Block block(names, sequence == Sequence::Lpc21xx ? 2 : 8, input.facts.cortexM3());
    switch (sequence) {
    case Sequence::Lpc21xx:
        lpc21xx(block, input);
        break;
    case Sequence::Lpc23xx:
        mnFamily(block, input, false);
        break;
    case Sequence::Lpc17xx:
        mnFamily(block, input, true);
        break;
    case Sequence::Lpc177x:
        lpc177x(block, input);
        break;
    case Sequence::Lpc13xx:
        lpc13xx(block, input);
        break;
    }
    Lines out = commentBlock(input);
    out.push_back("volatile unsigned long clockWait;");
    Lines body = block.take();
    out.insert(out.end(), body.begin(), body.end());
    out.push_back("");
    return out;
}

} // namespace regforge::periph::clock
