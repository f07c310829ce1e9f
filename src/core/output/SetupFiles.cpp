#include "output/SetupFiles.h"

#include "io/TextFile.h"
#include "output/ResultFrame.h"
#include "profile/DeviceSections.h"
#include "profile/ProfileSections.h"

#include <set>

namespace regforge::output {

namespace {

using Lines = std::vector<std::string>;
using periph::InterruptHandler;

void append(Lines& out, const Lines& more) {
    out.insert(out.end(), more.begin(), more.end());
}

Lines fileBanner(const std::string& name) {
    Lines out = banner();
    out.insert(out.end() - 1, "   " + name + " is made from the configuration at every build:");
    out.insert(out.end() - 1, "   do not edit it, your code goes in your own files.");
    return out;
}

std::string hookFunction(const InterruptHandler& handler) {
    return "regforge_on_" + handler.hook;
}

// The hooks in handler order, each once: sources that share a handler share its hook.
Lines hookNames(const std::vector<InterruptHandler>& handlers) {
    Lines names;
    std::set<std::string> seen;
    for (const auto& handler : handlers)
        if (!handler.hook.empty() && seen.insert(hookFunction(handler)).second)
            names.push_back(hookFunction(handler));
    return names;
}

std::string signature(const InterruptHandler& handler, Compiler compiler) {
    if (compiler == Compiler::Keil)
        return periph::keilSignature(handler);
    switch (handler.kind) {
    case InterruptHandler::Kind::Fast:
        return "__attribute__((interrupt(\"FIQ\"))) void " + handler.function + "(void) {";
    case InterruptHandler::Kind::Vectored:
    case InterruptHandler::Kind::Default:
        return "__attribute__((interrupt(\"IRQ\"))) void " + handler.function + "(void) {";
    case InterruptHandler::Kind::Plain:
        break;
    }
    return "void " + handler.function + "(void) {";
}

Lines handlerLines(const InterruptHandler& handler, Compiler compiler) {
    Lines out = handler.title;
    out.push_back(signature(handler, compiler));
    if (!handler.hook.empty())
        out.push_back("   " + hookFunction(handler) + "();");
    append(out, handler.acknowledge);
    append(out, {"}", ""});
    // The pasted text's start-up advice is meant to be deleted; a file the tool owns keeps
    // only what the start-up code needs.
    if (handler.kind == InterruptHandler::Kind::Fast)
        append(out, {"/* The start-up code's FIQ vector must branch to FIQ_Handler: in Keil's start-up file,",
                     "   IMPORT FIQ_Handler and comment out the file's own FIQ_Handler loop. */", ""});
    return out;
}

Lines header(const profile::DeviceState& device, const Lines& hooks) {
    Lines out = fileBanner(kSetupHeaderName);
    append(out, {"", "#ifndef REGFORGE_SETUP_H", "#define REGFORGE_SETUP_H", "",
                 "#include <" + device.includeFile + ">", ""});
    append(out, profile::sectionBody(device.profileLines, profile::kDefineSection));
    append(out, {"", "/* Sets the peripherals up as configured: call it once at the start of main. */",
                 "void regforge_setup(void);", ""});
    if (!hooks.empty()) {
        out.push_back("/* The interrupts' own code: the handlers of regforge_setup.c call these before they");
        out.push_back("   acknowledge the interrupt. Define the ones you need; the others stay empty. */");
        for (const auto& hook : hooks)
            out.push_back("void " + hook + "(void);");
        out.push_back("");
    }
    out.push_back("#endif");
    return out;
}

Lines source(const periph::ResultLists& lists, const Lines& hooks, Compiler compiler) {
    Lines out = fileBanner(kSetupSourceName);
    append(out, {"", std::string("#include \"") + kSetupHeaderName + "\"", ""});
    if (!hooks.empty()) {
        out.push_back(
            "/* Empty defaults: a hook defined in your own file takes the place of its default. */");
        const std::string weak = compiler == Compiler::Keil ? "__weak" : "__attribute__((weak))";
        for (const auto& hook : hooks)
            out.push_back(weak + " void " + hook + "(void) {}");
        out.push_back("");
    }
    for (const auto& handler : lists.handlers)
        append(out, handlerLines(handler, compiler));
    append(out, {"void regforge_setup(void)", "{"});
    append(out, lists.mainLines);
    out.push_back("}");
    return out;
}

} // namespace

std::vector<GeneratedFile> frameSetupFiles(const profile::DeviceState& device,
                                           const periph::ResultLists& lists, Compiler compiler) {
    const Lines hooks = hookNames(lists.handlers);
    return {{kSetupHeaderName, io::joinLines(header(device, hooks), io::LineEnding::Lf)},
            {kSetupSourceName, io::joinLines(source(lists, hooks, compiler), io::LineEnding::Lf)}};
}

} // namespace regforge::output
