#pragma once

#include "profile/ProfileSections.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace regforge::app {

// Why the lines of a file are no device profile at all (no section header, control bytes of a
// binary file), naming the line; nullopt for a text the loaders can read.
std::optional<std::string> notAProfile(const std::filesystem::path& file, const profile::Lines& lines);

// Where a load that stopped with `reason` went wrong: the problems the profile check finds,
// one per line as "FILE:LINE in [SECTION]: message", or the reason itself when the check finds
// none.
std::string loadFailureDetail(const std::filesystem::path& file, const profile::Lines& lines,
                              const std::string& reason);

// The lines a load skipped (line indexes), each with what the profile check says about it.
std::string skippedLinesDetail(const std::filesystem::path& file, const profile::Lines& lines,
                               const std::vector<int>& skipped);

} // namespace regforge::app
