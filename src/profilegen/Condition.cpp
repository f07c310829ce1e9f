#include "profilegen/Condition.h"

#include "profilegen/Text.h"

#include <stdexcept>

namespace regforge::profilegen {

Condition Condition::parse(const std::string& text) {
    Condition condition;
    if (trimmed(text).empty()) {
        return condition;
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto comma = text.find(',', start);
        const auto end = comma == std::string::npos ? text.size() : comma;
        std::string item = trimmed(text.substr(start, end - start));
        Alternative alternative;
        if (!item.empty() && item.front() == '!') {
            alternative.negated = true;
            item = trimmed(item.substr(1));
        }
        if (item.empty() || item.find_first_of(" \t{}") != std::string::npos) {
            throw std::invalid_argument("bad tag condition \"" + text + "\"");
        }
        alternative.tag = item;
        condition.alternatives_.push_back(alternative);
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    return condition;
}

bool Condition::holds(const Tags& partTags) const {
    if (alternatives_.empty()) {
        return true;
    }
    for (const auto& alternative : alternatives_) {
        if ((partTags.count(alternative.tag) != 0) != alternative.negated) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> Condition::tagNames() const {
    std::vector<std::string> names;
    for (const auto& alternative : alternatives_) {
        names.push_back(alternative.tag);
    }
    return names;
}

} // namespace regforge::profilegen
