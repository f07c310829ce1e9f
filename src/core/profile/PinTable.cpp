#include "profile/PinTable.h"

namespace regforge::profile {

namespace {

std::string portOf(const std::string& pin) {
    const auto end = pin.find_first_of("._");
    return end == std::string::npos ? pin : pin.substr(0, end);
}

// Reads "spec@NAME:F0;F1,F2," into a row; false when the line names no pin.
bool readPinLine(const std::string& line, PinRow& row) {
    const auto at = line.find('@');
    if (at == std::string::npos)
        return false;
    const auto colon = line.find(':', at + 1);
    if (colon == std::string::npos)
        return false;
    row.name = line.substr(at + 1, colon - at - 1);
    row.port = portOf(row.name);
    std::string token;
    for (std::size_t i = colon + 1; i < line.size(); ++i) {
        const char c = line[i];
        if (c != ',' && c != ';') {
            token += c;
            continue;
        }
        if (c == ';' && row.resetFunction < 0)
            row.resetFunction = static_cast<int>(row.functions.size());
        row.functions.push_back(token);
        token.clear();
    }
    return true;
}

} // namespace

std::vector<PinRow> readPinTable(const Lines& profileLines) {
    std::vector<PinRow> pins;
    for (const std::string& line : sectionBody(profileLines, "[PINSEL]")) {
        PinRow row;
        if (readPinLine(line, row))
            pins.push_back(std::move(row));
    }
    return pins;
}

} // namespace regforge::profile
