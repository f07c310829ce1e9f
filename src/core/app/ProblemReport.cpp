#include "app/ProblemReport.h"

#include <cstdio>

namespace regforge::app {

namespace {

// A JSON string: quotes, backslashes and control characters escaped; other bytes as they are.
std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x",
                          static_cast<unsigned>(static_cast<unsigned char>(c)));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace

std::string problemText(const periph::ProblemList& problems, const std::string& file) {
    std::string out;
    for (const auto& p : problems.problems())
        out += file + ": " + periph::severityText(p.severity) + ": " + p.what + " [" + p.page + "]; " +
               p.fix + "\n";
    return out;
}

std::string problemJson(const periph::ProblemList& problems, const std::string& file) {
    using periph::Severity;
    std::string out = "{\"file\": " + jsonString(file) +
                      ", \"errors\": " + std::to_string(problems.count(Severity::Error)) +
                      ", \"warnings\": " + std::to_string(problems.count(Severity::Warning)) +
                      ", \"notes\": " + std::to_string(problems.count(Severity::Note)) + ", \"problems\": [";
    bool first = true;
    for (const auto& p : problems.problems()) {
        out += first ? "\n  " : ",\n  ";
        first = false;
        out += "{\"severity\": " + jsonString(periph::severityText(p.severity)) +
               ", \"page\": " + jsonString(p.page) + ", \"subject\": " + jsonString(p.subject) +
               ", \"control\": " + jsonString(p.control) + ", \"message\": " + jsonString(p.what) +
               ", \"fix\": " + jsonString(p.fix) + "}";
    }
    return out + (first ? "]}\n" : "\n]}\n");
}

} // namespace regforge::app
