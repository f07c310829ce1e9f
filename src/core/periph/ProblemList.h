#pragma once

#include "periph/PageTab.h"
#include "periph/Problem.h"

#include <string>
#include <vector>

namespace regforge::periph {

// The problems of the set-up in page order: each page adds its own while the app collects them.
class ProblemList {
public:
    // The page the next problems belong to.
    void setPage(const PageTab& tab) { page_ = tab; }
    // Adds a problem of the current page.
    void add(Severity severity, std::string subject, std::string control, std::string what, std::string fix,
             int node = -1, std::vector<int> moreNodes = {});

    const std::vector<Problem>& problems() const { return problems_; }
    int count(Severity severity) const;
    bool empty() const { return problems_.empty(); }
    void clear() { problems_.clear(); }
    // "2 errors, 3 warnings, 1 note"; "No problems" when there are none.
    std::string summary() const;

private:
    PageTab page_;
    std::vector<Problem> problems_;
};

} // namespace regforge::periph
