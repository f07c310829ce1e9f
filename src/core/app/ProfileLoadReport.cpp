#include "app/ProfileLoadReport.h"

#include "app/ProfileRules.h"

#include <algorithm>
#include <cstdio>

namespace regforge::app {

namespace {

// A message lists this many lines at most; the check-profile command lists them all.
constexpr std::size_t kListedProblems = 5;

// The header of the section holding line `index`, empty above the first header.
std::string sectionOf(const profile::Lines& lines, int index) {
    for (int i = std::min(index, static_cast<int>(lines.size()) - 1); i >= 0; --i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (!line.empty() && line.front() == '[')
            return line;
    }
    return {};
}

std::string where(const std::filesystem::path& file, const profile::Lines& lines, int line) {
    std::string text = file.string();
    if (line <= 0)
        return text;
    text += ":" + std::to_string(line);
    const std::string section = sectionOf(lines, line - 1);
    if (!section.empty() && section != lines[static_cast<std::size_t>(line - 1)])
        text += " in " + section;
    return text;
}

std::string listed(const std::filesystem::path& file, const profile::Lines& lines,
                   const std::vector<profile::ProfileProblem>& problems) {
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < kListedProblems; ++i)
        text += (i > 0 ? "\n" : "") + where(file, lines, problems[i].line) + ": " + problems[i].message;
    if (problems.size() > kListedProblems)
        text += "\nand " + std::to_string(problems.size() - kListedProblems) + " more";
    return text;
}

} // namespace

std::optional<std::string> notAProfile(const std::filesystem::path& file, const profile::Lines& lines) {
    bool sections = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        sections = sections || (!line.empty() && line.front() == '[');
        const auto control = std::find_if(line.begin(), line.end(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte < 0x20 && c != '\t';
        });
        if (control != line.end()) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X",
                          static_cast<unsigned>(static_cast<unsigned char>(*control)));
            return file.string() + ":" + std::to_string(i + 1) + ": control byte " + code +
                   ": this is no text profile";
        }
    }
    if (!sections)
        return file.string() + ": no section header: this is no device profile";
    return std::nullopt;
}

std::string loadFailureDetail(const std::filesystem::path& file, const profile::Lines& lines,
                              const std::string& reason) {
    const auto problems = checkProfile(lines);
    if (problems.empty())
        return file.string() + ": " + reason;
    return listed(file, lines, problems);
}

std::string skippedLinesDetail(const std::filesystem::path& file, const profile::Lines& lines,
                               const std::vector<int>& skipped) {
    std::vector<profile::ProfileProblem> found;
    const auto problems = checkProfile(lines);
    for (const int index : skipped) {
        const std::size_t before = found.size();
        for (const auto& problem : problems)
            if (problem.line == index + 1)
                found.push_back(problem);
        if (found.size() == before)
            found.push_back({index + 1, "this line is skipped"});
    }
    return listed(file, lines, found);
}

} // namespace regforge::app
