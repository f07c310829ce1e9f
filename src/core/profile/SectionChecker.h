#pragma once

#include "profile/ProfileCheck.h"
#include "profile/SectionRules.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace regforge::profile {

// A text from the profile as the messages show it: in single quotes.
inline std::string quoted(std::string_view text) {
    std::string result(1, '\'');
    result.append(text);
    result += '\'';
    return result;
}

// A decimal number of digits only, as the loaders accept it.
std::optional<int> decimalNumber(std::string_view text);

// The state of one profile check: the profile's sections as the readers find them and the
// problems reported so far.
class SectionChecker {
public:
    explicit SectionChecker(const Lines& lines);

    // Applies every description's rules and checks, then the header check; sorted by line.
    std::vector<ProfileProblem> run(const std::vector<SectionDescription>& descriptions);

    // Index of the first header line equal to `header` (letter case ignored), -1 when absent.
    int header(std::string_view header) const;
    // Indexes of the body lines of the section read for `header`; empty when absent.
    std::vector<int> body(std::string_view header) const;
    const std::string& text(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    void report(int index, std::string message);
    // A problem of the file as a whole (line 0).
    void reportFile(std::string message) { problems_.push_back({0, std::move(message)}); }

private:
    void apply(const SectionRule& rule);
    void checkHeaders(const std::vector<SectionDescription>& descriptions);

    const Lines& lines_;
    // Problems reported and left unlisted per line: one line repeating a fault a million times
    // lists the first few and counts the rest.
    std::map<int, std::size_t> lineProblems_;
    std::map<int, std::size_t> unlisted_;
    std::map<std::string, int> firstHeader_; // upper-case header -> first line index
    std::vector<ProfileProblem> problems_;
};

} // namespace regforge::profile
