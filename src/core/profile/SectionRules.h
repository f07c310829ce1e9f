#pragma once

#include "profile/ProfileSections.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace regforge::profile {

class SectionChecker;

// What a reader of one section takes from it: the header, how many of its lines it reads and
// what each of those lines must look like. The reader and check-profile take it from here.
struct SectionRule {
    // What is wrong with the k-th line of the body (counting from 0), if anything.
    using LineCheck = std::function<std::optional<std::string>(const std::string& line, std::size_t k)>;

    explicit SectionRule(std::string sectionHeader) : header(std::move(sectionHeader)) {}
    // The reader stops at an empty line: each one is reported.
    SectionRule& withoutEmptyLines() {
        noEmptyLines = true;
        return *this;
    }
    // The reader takes `count` lines after the header whatever they are.
    SectionRule& takingAtLeast(std::size_t count) {
        leastLines = count;
        return *this;
    }
    // Lines beyond `count` are never read.
    SectionRule& readingAtMost(std::size_t count) {
        mostLines = count;
        return *this;
    }
    // Asked for each line read.
    SectionRule& checkingLines(LineCheck check) {
        line = std::move(check);
        return *this;
    }

    std::string header;
    bool noEmptyLines = false;
    std::size_t leastLines = 0;
    std::size_t mostLines = 0; // 0: all lines are read
    LineCheck line;
};

// Every section one reader (a page, the device load) takes from a profile, with the checks that
// span more than one line or section.
struct SectionDescription {
    std::vector<SectionRule> sections;
    // Sections the profile's own lines name ("[UART0_ISR]" per interrupt source).
    std::function<std::vector<std::string>(const Lines&)> namedSections;
    // The checks beyond the rules of single sections.
    std::function<void(SectionChecker&)> check;
};

} // namespace regforge::profile
