#pragma once

#include "Error.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace regforge::output {

// One find=replace pair of a replace list.
struct ReplacePair {
    std::string find;
    std::string replace;
    bool operator==(const ReplacePair&) const = default;
};

// Splits a list line at its first "="; nullopt unless both texts are non-empty.
std::optional<ReplacePair> parseReplaceLine(const std::string& line);
std::string replaceLineOf(const ReplacePair& pair);

// Applies the pairs in order: each replaces every occurrence of its find text (case-
// sensitive, inside words too) left to right without rescanning what it inserted; later
// pairs see the earlier ones' result.
// Chained pairs can double the text at every step, so the result is bounded: ReplaceError
// when it would grow past kMaxReplacedBytes.
class ReplaceError : public regforge::Error {
public:
    using regforge::Error::Error;
};
inline constexpr std::size_t kMaxReplacedBytes = 64u * 1024u * 1024u;
std::string applyReplaceList(std::string text, const std::vector<ReplacePair>& pairs);

} // namespace regforge::output
