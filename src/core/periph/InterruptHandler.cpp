#include "periph/InterruptHandler.h"

namespace regforge::periph {

std::string keilSignature(const InterruptHandler& handler) {
    switch (handler.kind) {
    case InterruptHandler::Kind::Vectored:
        return "__irq void " + handler.function + "(void) {";
    case InterruptHandler::Kind::Plain:
        return "void " + handler.function + "(void) {";
    case InterruptHandler::Kind::Fast:
    case InterruptHandler::Kind::Default:
        break;
    }
    return "__irq void " + handler.function + " (void) {";
}

std::vector<std::string> pastedLines(const InterruptHandler& handler) {
    using Kind = InterruptHandler::Kind;
    std::vector<std::string> out = handler.title;
    out.push_back(keilSignature(handler));
    if (handler.kind != Kind::Default) {
        out.insert(out.end(), {"/* write code here */", "", ""});
        out.insert(out.end(), handler.acknowledge.begin(), handler.acknowledge.end());
    }
    out.insert(out.end(), {"}", ""});
    out.insert(out.end(), handler.notes.begin(), handler.notes.end());
    return out;
}

} // namespace regforge::periph
