#include "profile/SectionChecker.h"

#include "io/AsciiCase.h"

#include <algorithm>
#include <set>

namespace regforge::profile {

namespace {

// Problems listed for one line; the rest are counted.
constexpr std::size_t kMostProblemsPerLine = 20;

} // namespace

std::optional<int> decimalNumber(std::string_view text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

SectionChecker::SectionChecker(const Lines& lines) : lines_(lines) {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (!lines_[i].empty() && lines_[i][0] == '[')
            firstHeader_.emplace(io::toUpperAscii(lines_[i]), static_cast<int>(i));
}

int SectionChecker::header(std::string_view name) const {
    const auto found = firstHeader_.find(io::toUpperAscii(name));
    return found == firstHeader_.end() ? -1 : found->second;
}

std::vector<int> SectionChecker::body(std::string_view name) const {
    std::vector<int> indexes;
    const int at = header(name);
    if (at < 0)
        return indexes;
    for (int i = at + 1; i < static_cast<int>(lines_.size()); ++i) {
        if (!text(i).empty() && text(i)[0] == '[')
            break;
        indexes.push_back(i);
    }
    return indexes;
}

void SectionChecker::report(int index, std::string message) {
    if (++lineProblems_[index] > kMostProblemsPerLine) {
        ++unlisted_[index];
        return;
    }
    problems_.push_back({index + 1, std::move(message)});
}

void SectionChecker::apply(const SectionRule& rule) {
    const std::string& name = rule.header;
    const auto lines = body(name);
    if (rule.noEmptyLines)
        for (int i : lines)
            if (text(i).empty())
                report(i, "empty line in " + name + ": the device load stops here");
    const int at = header(name);
    if (at >= 0 && lines.size() < rule.leastLines)
        report(at, name + " needs " + std::to_string(rule.leastLines) +
                       (rule.leastLines == 1 ? " line" : " lines") + " after its header");
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& line = text(lines[k]);
        if (rule.mostLines > 0 && k >= rule.mostLines) {
            if (!line.empty())
                report(lines[k], name + " line " + quoted(line) + " is never read (" +
                                     std::to_string(rule.mostLines) + " lines at most)");
        } else if (rule.line) {
            if (auto problem = rule.line(line, k))
                report(lines[k], std::move(*problem));
        }
    }
}

void SectionChecker::checkHeaders(const std::vector<SectionDescription>& descriptions) {
    std::set<std::string> known;
    for (const auto& description : descriptions) {
        for (const auto& rule : description.sections)
            known.insert(io::toUpperAscii(rule.header));
        if (description.namedSections)
            for (const auto& name : description.namedSections(lines_))
                known.insert(io::toUpperAscii(name));
    }
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        const std::string& line = text(i);
        if (line.empty() || line[0] != '[')
            continue;
        const std::string key = io::toUpperAscii(line);
        if (!known.count(key))
            report(i, "unknown section " + quoted(line));
        const int first = firstHeader_.at(key);
        if (first != i)
            report(i, "duplicate section " + line + ": only the one at line " + std::to_string(first + 1) +
                          " is read");
    }
}

std::vector<ProfileProblem> SectionChecker::run(const std::vector<SectionDescription>& descriptions) {
    for (const auto& description : descriptions) {
        for (const auto& rule : description.sections)
            apply(rule);
        if (description.check)
            description.check(*this);
    }
    checkHeaders(descriptions);
    for (const auto& [index, count] : unlisted_)
        problems_.push_back(
            {index + 1, std::to_string(count) + " more problems on this line are not listed"});
    std::stable_sort(problems_.begin(), problems_.end(),
                     [](const ProfileProblem& a, const ProfileProblem& b) { return a.line < b.line; });
    return std::move(problems_);
}

std::vector<ProfileProblem> checkProfile(const Lines& lines,
                                         const std::vector<SectionDescription>& descriptions) {
    return SectionChecker(lines).run(descriptions);
}

} // namespace regforge::profile
