#include "output/ReplaceList.h"

namespace regforge::output {

namespace {
ReplaceError tooLarge() {
    return ReplaceError("the replace list makes the code larger than " +
                        std::to_string(kMaxReplacedBytes / (1024 * 1024)) + " MB");
}
} // namespace

std::optional<ReplacePair> parseReplaceLine(const std::string& line) {
    const auto eq = line.find('=');
    if (eq == std::string::npos || eq == 0 || eq + 1 >= line.size())
        return std::nullopt;
    return ReplacePair{line.substr(0, eq), line.substr(eq + 1)};
}

std::string replaceLineOf(const ReplacePair& pair) {
    return pair.find + "=" + pair.replace;
}

std::string applyReplaceList(std::string text, const std::vector<ReplacePair>& pairs) {
    for (const auto& pair : pairs) {
        if (pair.find.empty())
            continue;
        std::string out;
        out.reserve(text.size());
        std::size_t from = 0;
        for (auto at = text.find(pair.find); at != std::string::npos; at = text.find(pair.find, from)) {
            out.append(text, from, at - from);
            if (out.size() + pair.replace.size() > kMaxReplacedBytes)
                throw tooLarge();
            out += pair.replace;
            from = at + pair.find.size();
        }
        if (out.size() + (text.size() - from) > kMaxReplacedBytes)
            throw tooLarge();
        out.append(text, from, std::string::npos);
        text = std::move(out);
    }
    return text;
}

} // namespace regforge::output
