#include "cli/CommandLine.h"
#include "cli/DescriptorBuffer.h"
#include "cli/FormsAtExit.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

// A build with AddressSanitizer ends the usual way, so its leak check sees the whole run.
#if defined(__SANITIZE_ADDRESS__)
#define REGFORGE_EXIT_FREES_ALL 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define REGFORGE_EXIT_FREES_ALL 1
#endif
#endif

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
#ifndef REGFORGE_EXIT_FREES_ALL
    regforge::cli::keepFormsUntilExit();
#endif
    const int code = regforge::cli::run(args, exe.parent_path(), env != nullptr ? env : "", out, err);
    const int exitCode = regforge::cli::finishStandardStreams(code, out, outBuffer, err, errBuffer);
#ifdef REGFORGE_EXIT_FREES_ALL
    return exitCode;
#else
    // Both streams are flushed and their errors counted in the exit code; what is left (the
    // stream buffers, the program's tables) is the system's to reclaim, not worth freeing piece
    // by piece.
    std::quick_exit(exitCode);
#endif
}
