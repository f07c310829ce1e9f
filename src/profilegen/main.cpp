// regforge-profilegen: writes the device profiles from the family tables, or checks that the
// committed profiles are what the tables give.

#include "io/TextFile.h"
#include "profilegen/FamilyTable.h"
#include "profilegen/ProfileWriter.h"

#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace regforge;

namespace {

constexpr const char* kUsage =
    "usage: regforge-profilegen [--check [--complete]] FAMILY.fam... FOLDER\n"
    "  writes FOLDER/<part>.ini for every part of every family table given;\n"
    "  --check compares instead of writing and exits 1 on a difference;\n"
    "  --complete also requires every .ini in FOLDER to come from the tables given\n";

// The first line where two texts differ, 1-based.
int firstDifference(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
    std::size_t line = 0;
    while (line < expected.size() && line < actual.size() && expected[line] == actual[line]) {
        ++line;
    }
    return static_cast<int>(line) + 1;
}

} // namespace

int main(int argc, char** argv) {
    bool check = false;
    bool complete = false;
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--check") {
            check = true;
        } else if (argument == "--complete") {
            complete = true;
        } else if (argument == "--help") {
            std::cout << kUsage;
            return 0;
        } else {
            arguments.push_back(argument);
        }
    }
    if (arguments.size() < 2 || (complete && !check)) {
        std::cerr << kUsage;
        return 2;
    }
    const fs::path folder = arguments.back();
    arguments.pop_back();

    int problems = 0;
    std::map<std::string, std::string> madeBy; // part -> family file
    for (const auto& familyFile : arguments) {
        try {
            const auto family = profilegen::readFamilyTable(io::readBytes(familyFile), familyFile);
            for (const auto& part : family.parts) {
                if (const auto known = madeBy.find(part.name); known != madeBy.end()) {
                    std::cerr << familyFile << ": the part " << part.name << " is also in " << known->second
                              << "\n";
                    ++problems;
                    continue;
                }
                madeBy[part.name] = familyFile;
                const auto lines = profilegen::writeProfile(family, part);
                const fs::path target = folder / (part.name + ".ini");
                if (!check) {
                    io::writeLines(target, lines, io::LineEnding::Lf);
                    continue;
                }
                if (!fs::exists(target)) {
                    std::cerr << target.string() << " is missing; " << familyFile << " makes it\n";
                    ++problems;
                    continue;
                }
                const std::string bytes = io::readBytes(target);
                if (bytes != io::joinLines(lines, io::LineEnding::Lf)) {
                    const auto actual = io::splitLines(bytes);
                    std::cerr << target.string() << " differs from what " << familyFile
                              << " gives, from line " << firstDifference(lines, actual.lines) << "\n";
                    ++problems;
                }
            }
        } catch (const std::exception& error) {
            std::cerr << error.what() << "\n";
            ++problems;
        }
    }
    if (complete) {
        for (const auto& name : io::listBaseNames(folder, ".ini", false)) {
            if (madeBy.count(name) == 0) {
                std::cerr << (folder / (name + ".ini")).string() << " is not made by any family table\n";
                ++problems;
            }
        }
    }
    return problems == 0 ? 0 : 1;
}
