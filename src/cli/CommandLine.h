#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace regforge::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Runs regforge-cli with its arguments (without the program name). `programFolder` is the
// folder of the executable; unless --data-dir or `envDataDir` names a data folder, the data is
// found from there (io::DataFolders).
int run(const std::vector<std::string>& args, const std::filesystem::path& programFolder,
        const std::string& envDataDir, std::ostream& out, std::ostream& err);

std::string usage();

} // namespace regforge::cli
