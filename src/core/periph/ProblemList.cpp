#include "periph/ProblemList.h"

#include <algorithm>

namespace regforge::periph {

const char* severityText(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Note:
        return "note";
    }
    return "note";
}

void ProblemList::add(Severity severity, std::string subject, std::string control, std::string what,
                      std::string fix, int node, std::vector<int> moreNodes) {
    problems_.push_back(Problem{severity, page_.caption, page_.name, std::move(subject), std::move(control),
                                node, std::move(moreNodes), std::move(what), std::move(fix)});
}

int ProblemList::count(Severity severity) const {
    return static_cast<int>(std::count_if(problems_.begin(), problems_.end(),
                                          [&](const Problem& p) { return p.severity == severity; }));
}

std::string ProblemList::summary() const {
    std::string text;
    for (const Severity severity : {Severity::Error, Severity::Warning, Severity::Note}) {
        const int n = count(severity);
        if (n == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += std::to_string(n) + " " + severityText(severity) + (n == 1 ? "" : "s");
    }
    return text.empty() ? "No problems" : text;
}

} // namespace regforge::periph
