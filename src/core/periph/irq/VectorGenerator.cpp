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

// The handler goes into the result's list of handlers and, in the pasted text's form, into the
// text before `main`.
void add(ResultLists& lists, InterruptHandler handler) {
    append(lists.functionLines, pastedLines(handler));
    lists.handlers.push_back(std::move(handler));
}

// What the user's part of a Cortex-M3 handler is named after: the handler without its suffix
// (TIMER0_IRQHandler: TIMER0), so sources that share a handler share the hook.
std::string hookName(const std::string& handler) {
    for (const std::string suffix : {"_IRQHandler", "_Handler"})
        if (handler.size() > suffix.size() &&
            handler.compare(handler.size() - suffix.size(), suffix.size(), suffix) == 0)
            return handler.substr(0, handler.size() - suffix.size());
    return handler;
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
        InterruptHandler fiq{
            InterruptHandler::Kind::Fast,
            "FIQ_Handler",
            x,
            {kBannerTop, kTitleIndent + x + " FAST interrupt service function", kBannerBottom},
            handlerCode(profile, x),
            kFiqAdvice};
        fiq.acknowledge.push_back(acknowledge);
        add(lists, std::move(fiq));
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
        InterruptHandler vectored{InterruptHandler::Kind::Vectored,
                                  x + "_IRQHandler",
                                  x,
                                  {kBannerTop, handlerTitle(sources, x), kBannerBottom},
                                  handlerCode(profile, x),
                                  {}};
        vectored.acknowledge.push_back(acknowledge);
        add(lists, std::move(vectored));
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
        add(lists, {InterruptHandler::Kind::Default,
                    "DefISR",
                    {},
                    {"/* Default Interrupt Function: may be called when ISR is disabled */"},
                    {},
                    {}});
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
            add(lists, {InterruptHandler::Kind::Plain,
                        handler,
                        hookName(handler),
                        {kBannerTop, handlerTitle(sources, x), kBannerBottom},
                        handlerCode(profile, x),
                        {}});
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
