#pragma once

#include "Error.h"
#include "io/AsciiCase.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace regforge::periph {

// The lines of a saved configuration.
using SavedLines = std::vector<std::string>;

// A value of a saved configuration that cannot be applied (not a number, a missing line or
// record, more entries than the control holds).
class SavedDataError : public regforge::Error {
public:
    using regforge::Error::Error;
};

// "[" + name + "]": the header a control's record starts with.
std::string recordHeader(std::string_view name);

// One record of a saved configuration: the lines after its header, counted from 1.
class SavedRecord {
public:
    SavedRecord(const SavedLines& file, std::size_t header) : file_(file), header_(header) {}

    const std::string& line(std::size_t n) const;
    bool flag(std::size_t n) const { return line(n) == "1"; }
    int integer(std::size_t n) const;
    // The lines up to the next line starting with "[".
    SavedLines body() const;

private:
    const SavedLines& file_;
    std::size_t header_;
};

// The records of a saved configuration by header, letter case ignored; where a header is
// repeated the first one counts.
class SavedRecords {
public:
    explicit SavedRecords(const SavedLines& file);

    // The record of the control called `name`.
    std::optional<SavedRecord> find(std::string_view name) const { return under(recordHeader(name)); }
    // The record under the header line `header`.
    std::optional<SavedRecord> under(std::string_view header) const;

private:
    const SavedLines& file_;
    // Keyed by views of the file's own header lines.
    std::unordered_map<std::string_view, std::size_t, regforge::io::HashIgnoringCase,
                       regforge::io::EqualIgnoringCase>
        headers_;
};

} // namespace regforge::periph
