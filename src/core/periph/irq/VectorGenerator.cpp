#include "periph/irq/VectorGenerator.h"

#include "periph/irq/InterruptSections.h"
#include "periph/irq/InterruptSources.h"
#include "periph/irq/IrqControls.h"
#include "profile/ProfileSections.h"
#include "profile/RegisterNames.h"

#include <set>

namespace regforge::periph::irq {

namespace {

using Lines = std::vector<std::string>;

const std::string kBannerTop = "/" + std::string(78, '*');
const std::string kBannerBottom = std::string(78, '*') + "/";
const std::string kTitleIndent(18, ' ');
constexpr const char* kGap = "           ";

// The start-up file needs two edits before the fast interrupt handler is reached.
const Lines kFiqAdvice = {
    "  APPLY THE FOLLOWING SO THAT FIQ WORKS PROPERLY (for KEIL START-UP file) and then delete this line and "
    "the following block",
    "/" + std::string(106, '*'),
    "  COMMENT THIS LINE IN THE STARTUP FILE USING A SEMICOLON \";\" ---> \";FIQ_Handler     B       "
    "FIQ_Handler\" ",
    "",
    "  ADD THE FOLLOWING LINE IN THE STARTUP CODE DIRECTLY ABOVE THE \"Reset_Addr      DCD     "
    "Reset_Handler\"",
    "",
    "       IMPORT FIQ_Handler    ;<---- add this line and use space in front of it",
    std::string(106, '*') + "/",
    "",
};

void append(Lines& out, const Lines& more) {
    out.insert(out.end(), more.begin(), more.end());
}

// The handler code a profile supplies for the source ("[X_ISR]"), if any.
Lines handlerCode(const profile::Lines& profile, const std::string& source) {
    return profile::sectionBody(profile, handlerSection(source));
}

void heading(Lines& out, const std::string& title) {
    append(out, {kBannerTop, title, kBannerBottom, ""});
}

// The title line of a handler: the source's description when the profile has them.
std::string handlerTitle(const InterruptSources& sources, const std::string& source) {
    if (sources.described())
        return kTitleIndent + sources.descriptionOf(source) + " service function";
    return kTitleIndent + source + " interrupt service function";
}

} // namespace

void generateVicCode(const Lines& entries, const InterruptSources& sources,
                     const profile::DeviceState& device, ResultLists& lists) {
    const profile::Lines& profile = device.profileLines;
    const bool defaultHandlerGiven = profile::hasSection(profile, kNoDefaultVectorSection);
    const bool described = sources.described();
    bool headed = false;
    bool defaultHandler = false;
    const std::string acknowledge =
        profile::RegisterNames::fromProfile(profile)("VICVectAddr") + " = 0;     /* Acknowledge Interrupt */";
    const auto headOnce = [&] {
        if (!headed)
            heading(lists.mainLines, std::string(27, ' ') + "Vector interrupt initialization");
        headed = true;
        defaultHandler = !defaultHandlerGiven;
    };

    if (!entries.empty() && entries[0] != kFreeSlot) {
        const std::string& x = entries[0];
        const std::string ch = sources.channelOf(x);
        const std::string desc = sources.descriptionOf(x);
        headOnce();
        auto& f = lists.functionLines;
        append(f, {kBannerTop, kTitleIndent + x + " FAST interrupt service function", kBannerBottom,
                   "__irq void FIQ_Handler (void) {", "/* write code here */", "", ""});
        append(f, handlerCode(profile, x));
        append(f, {acknowledge, "}", ""});
        append(f, kFiqAdvice);
        auto& m = lists.mainLines;
        m.push_back("   VICIntSelect = (1UL<<" + ch + ");" + kGap + "/* Set " + (described ? desc : x) +
                    " as FAST Interrupt */");
        m.push_back("   VICIntEnable = (1UL<<" + ch + ");" + kGap + "/* Enable " +
                    (described ? desc + " */" : x + " FAST Interrupt */"));
        m.push_back("");
    }

    // Only the slots the VIC has are written, and each source once: a second handler of the
    // same name would not compile.
    const auto slotCount = static_cast<std::size_t>(vectorSlotCount(profile));
    std::set<std::string> placed;
    for (std::size_t e = 1; e < entries.size() && e <= slotCount; ++e) {
        const std::string& x = entries[e];
        if (x == kFreeSlot || !placed.insert(x).second)
            continue;
        const std::string s = std::to_string(e - 1);
        const std::string ch = sources.channelOf(x);
        const std::string desc = sources.descriptionOf(x);
        headOnce();
        auto& f = lists.functionLines;
        append(f, {kBannerTop, handlerTitle(sources, x), kBannerBottom,
                   "__irq void " + x + "_IRQHandler(void) {", "/* write code here */", "", ""});
        append(f, handlerCode(profile, x));
        append(f, {acknowledge, "}", ""});
        auto& m = lists.mainLines;
        m.push_back("   VICVectAddr" + s + " = (unsigned long) " + x + "_IRQHandler;" + kGap +
                    "/* set interrupt vector " + s + " */");
        if (device.noVicVectCnt)
            m.push_back("   VICVectPriority" + s + " = 15 ;" + kGap +
                        "/* default priority is 15 (lowest), can be set between 0-15 */");
        else
            m.push_back("   VICVectCntl" + s + " = ( 0x20 | " + ch + " );" + kGap +
                        "/* enable slot & use it for " + (described ? desc : x + " Interrupt") + " */");
        m.push_back("   VICIntEnable |= (1UL<<" + ch + ");" + kGap + "/* Enable " +
                    (described ? desc : x + " Interrupt") + " */");
        m.push_back("");
    }

    if (defaultHandler) {
        append(lists.functionLines, {"/* Default Interrupt Function: may be called when ISR is disabled */",
                                     "__irq void DefISR (void) {", "}", ""});
        append(lists.mainLines, {"   VICDefVectAddr = (unsigned long) DefISR;" + std::string(kGap) +
                                     "/* un-assigned VIC interrupts */",
                                 ""});
    }
}

void generateNvicCode(const Lines& entries, const InterruptSources& sources, const profile::Lines& profile,
                      ResultLists& lists) {
    const Lines handlers = profile::sectionBody(profile, kHandlersSection);
    const bool described = sources.described();
    bool headed = false;
    // Sources that share one handler (the LPC13xx start-logic inputs all enter WAKEUP_IRQHandler)
    // get it written once: a second definition of the same function would not compile.
    std::set<std::string> written;
    // Each source is enabled once, however often the list names it.
    std::set<std::string> enabled;
    for (const auto& x : entries) {
        if (x == kFreeSlot)
            break;
        if (!enabled.insert(x).second)
            continue;
        if (!headed)
            heading(lists.mainLines, std::string(25, ' ') + "Vectored Interrupt initialization");
        headed = true;

        // A source beyond the handler list keeps the handler name made from its own name.
        const int i = sources.indexOf(x);
        const bool named = !handlers.empty() && i >= 0 && static_cast<std::size_t>(i) < handlers.size();
        const std::string handler = named ? handlers[static_cast<std::size_t>(i)] : x + "_IRQHandler";
        if (written.insert(handler).second) {
            auto& f = lists.functionLines;
            append(f, {kBannerTop, handlerTitle(sources, x), kBannerBottom, "void " + handler + "(void) {",
                       "/* write code here */", "", ""});
            append(f, handlerCode(profile, x));
            append(f, {"}", ""});
        }

        const bool hasSuffix = x.size() >= 2 && x.compare(x.size() - 2, 2, "Qn") == 0;
        const std::string irq = hasSuffix ? x : x + "_IRQn";
        auto& m = lists.mainLines;
        m.push_back("   NVIC_EnableIRQ(" + irq + ");" + kGap + "/* Enable " +
                    (described ? sources.descriptionOf(x) : x + " interrupt") + " */");
        if (x != "NonMaskableInt" && x != "NonMaskableInt_IRQn")
            m.push_back("   NVIC_SetPriority(" + irq + ",0);" +
                        "          /* Default priority group 0, can be 0(highest) - 31(lowest) */");
        m.push_back("");
    }
}

} // namespace regforge::periph::irq
