#pragma once

#include "Error.h"

#include <string>
#include <string_view>
#include <vector>

namespace regforge::profile {

using Lines = std::vector<std::string>;

// A profile that cannot be used: the load reports it and stops.
class ProfileError : public regforge::Error {
public:
    using regforge::Error::Error;
};

// The index of the first line equal to `header` ("[IOCON]"), letter case ignored and
// nothing trimmed; -1 when absent.
int findSection(const Lines& lines, std::string_view header);
bool hasSection(const Lines& lines, std::string_view header);
// The lines after the header up to the next line starting with "[" (empty when absent).
Lines sectionBody(const Lines& lines, std::string_view header);
// The body starting at a known header index.
Lines sectionBodyAt(const Lines& lines, int headerIndex);
// The line after the header; throws ProfileError when there is none. An absent header
// reads the profile's first line, as the loaders always have.
const std::string& lineAfter(const Lines& lines, std::string_view header);

} // namespace regforge::profile
