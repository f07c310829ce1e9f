#include "output/UnifiedDiff.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace regforge::output {
namespace {

// "1\n2\n...\nn\n" with some lines replaced.
std::string numbered(int n, const std::map<int, std::string>& replaced = {}) {
    std::string text;
    for (int i = 1; i <= n; ++i) {
        const auto it = replaced.find(i);
        text += (it != replaced.end() ? it->second : std::to_string(i)) + "\n";
    }
    return text;
}

TEST(UnifiedDiff, HunksCarryThreeLinesOfContextAndJoinWhenSixOrFewerPartThem) {
    struct Case {
        const char* what;
        std::string before, after, diff;
    };
    const Case cases[] = {
        {"same", numbered(4), numbered(4), ""},
        {"middle", numbered(10), numbered(10, {{5, "five"}}),
         "--- old\n+++ new\n@@ -2,7 +2,7 @@\n 2\n 3\n 4\n-5\n+five\n 6\n 7\n 8\n"},
        {"joined", numbered(12), numbered(12, {{2, "two"}, {9, "nine"}}),
         "--- old\n+++ new\n@@ -1,12 +1,12 @@\n 1\n-2\n+two\n 3\n 4\n 5\n 6\n 7\n 8\n-9\n+nine\n 10\n 11\n "
         "12\n"},
        {"apart", numbered(14), numbered(14, {{2, "two"}, {10, "ten"}}),
         "--- old\n+++ new\n@@ -1,5 +1,5 @@\n 1\n-2\n+two\n 3\n 4\n 5\n"
         "@@ -7,7 +7,7 @@\n 7\n 8\n 9\n-10\n+ten\n 11\n 12\n 13\n"},
        {"no final newline", "a\nb", "a\nc",
         "--- old\n+++ new\n@@ -1,2 +1,2 @@\n a\n-b\n\\ No newline at end of file\n+c\n\\ No newline at end "
         "of "
         "file\n"},
        {"new file", "", "x\ny\n", "--- old\n+++ new\n@@ -0,0 +1,2 @@\n+x\n+y\n"},
        {"inserted line", numbered(3), "1\n2\nnew\n3\n",
         "--- old\n+++ new\n@@ -1,3 +1,4 @@\n 1\n 2\n+new\n 3\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(unifiedDiff(c.before, c.after, "old", "new"), c.diff) << c.what;
}

} // namespace
} // namespace regforge::output
