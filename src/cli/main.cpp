#include "cli/CommandLine.h"
#include "cli/DescriptorBuffer.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

int main(int argc, char** argv) {
    regforge::cli::occupyClosedStandardDescriptors();
    regforge::cli::DescriptorBuffer outBuffer(1);
    regforge::cli::DescriptorBuffer errBuffer(2);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv[0], ec);
    const char* env = std::getenv("REGFORGE_DATA_DIR");
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int code = regforge::cli::run(args, exe.parent_path(), env != nullptr ? env : "", out, err);
    return regforge::cli::finishStandardStreams(code, out, outBuffer, err, errBuffer);
}
