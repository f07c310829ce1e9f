#pragma once

#include <set>
#include <string>
#include <vector>

namespace regforge::profilegen {

using Tags = std::set<std::string>;

// A tag condition of a family table: a list of alternatives, any of which makes it hold.
// "USB" holds on parts tagged USB, "!LCD" on parts without LCD; "CAN1,CAN2" on either.
// An empty condition always holds.
class Condition {
public:
    Condition() = default;
    // Reads the text between the braces; throws std::invalid_argument on an empty alternative.
    static Condition parse(const std::string& text);

    bool holds(const Tags& partTags) const;
    // The tag names the condition mentions (without "!").
    std::vector<std::string> tagNames() const;
    bool empty() const { return alternatives_.empty(); }

private:
    struct Alternative {
        std::string tag;
        bool negated = false;
    };
    std::vector<Alternative> alternatives_;
};

} // namespace regforge::profilegen
