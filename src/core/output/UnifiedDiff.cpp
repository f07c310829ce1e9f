#include "output/UnifiedDiff.h"

#include <algorithm>
#include <vector>

namespace regforge::output {

namespace {

constexpr std::size_t kContext = 3;

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end == std::string_view::npos ? text.size() : end + 1));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// One line of the edit script: ' ' kept, '-' removed, '+' added.
struct Edit {
    char op;
    std::string_view line;
};

// The shortest edit script by the longest common subsequence of the lines between the common
// head and tail (generated files differ in a few places, so the middle stays small).
std::vector<Edit> editScript(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    const std::size_t n = a.size() - head - tail, m = b.size() - head - tail;
    std::vector<std::vector<unsigned>> lcs(n + 1, std::vector<unsigned>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            lcs[i][j] =
                a[head + i] == b[head + j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    std::vector<Edit> script;
    for (std::size_t k = 0; k < head; ++k)
        script.push_back({' ', a[k]});
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[head + i] == b[head + j]) {
            script.push_back({' ', a[head + i]});
            ++i, ++j;
        } else if (i < n && (j == m || lcs[i + 1][j] >= lcs[i][j + 1])) {
            // Removed lines come before the added lines that replace them.
            script.push_back({'-', a[head + i++]});
        } else {
            script.push_back({'+', b[head + j++]});
        }
    }
    for (std::size_t k = a.size() - tail; k < a.size(); ++k)
        script.push_back({' ', a[k]});
    return script;
}

std::string range(std::size_t start, std::size_t count) {
    // A range of no lines names the line before it.
    const std::size_t first = count == 0 ? start : start + 1;
    return std::to_string(first) + (count == 1 ? "" : "," + std::to_string(count));
}

} // namespace

std::string unifiedDiff(std::string_view before, std::string_view after, const std::string& beforeLabel,
                        const std::string& afterLabel) {
    if (before == after)
        return {};
    const auto script = editScript(splitLines(before), splitLines(after));
    std::string out = "--- " + beforeLabel + "\n+++ " + afterLabel + "\n";
    std::size_t k = 0;
    while (k < script.size()) {
        if (script[k].op == ' ') {
            ++k;
            continue;
        }
        // A hunk: the changes from here, joined while fewer than 2 * context kept lines part them.
        std::size_t begin = k >= kContext ? k - kContext : 0;
        std::size_t end = k;
        while (end < script.size()) {
            std::size_t next = end;
            while (next < script.size() && script[next].op != ' ')
                ++next;
            std::size_t kept = next;
            while (kept < script.size() && script[kept].op == ' ' && kept - next < 2 * kContext + 1)
                ++kept;
            if (kept < script.size() && script[kept].op != ' ' && kept - next <= 2 * kContext) {
                end = kept;
                continue;
            }
            end = std::min(next + kContext, script.size());
            break;
        }
        std::size_t oldStart = 0, newStart = 0;
        for (std::size_t x = 0; x < begin; ++x) {
            oldStart += script[x].op != '+';
            newStart += script[x].op != '-';
        }
        std::size_t oldCount = 0, newCount = 0;
        std::string body;
        for (std::size_t x = begin; x < end; ++x) {
            oldCount += script[x].op != '+';
            newCount += script[x].op != '-';
            body += script[x].op;
            body += script[x].line;
            if (script[x].line.empty() || script[x].line.back() != '\n')
                body += "\n\\ No newline at end of file\n";
        }
        out += "@@ -" + range(oldStart, oldCount) + " +" + range(newStart, newCount) + " @@\n" + body;
        k = end;
    }
    return out;
}

} // namespace regforge::output
