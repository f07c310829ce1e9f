#include "cli/CommandLine.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv[0], ec);
    const char* env = std::getenv("REGFORGE_DATA_DIR");
    const std::vector<std::string> args(argv + 1, argv + argc);
    return regforge::cli::run(args, exe.parent_path(), env != nullptr ? env : "", std::cout, std::cerr);
}
