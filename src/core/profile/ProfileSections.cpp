#include "profile/ProfileSections.h"

#include "io/AsciiCase.h"

namespace regforge::profile {

int findSection(const Lines& lines, std::string_view header) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (io::equalIgnoringCase(lines[i], header))
            return static_cast<int>(i);
    return -1;
}

bool hasSection(const Lines& lines, std::string_view header) {
    return findSection(lines, header) >= 0;
}

Lines sectionBodyAt(const Lines& lines, int headerIndex) {
    Lines body;
    if (headerIndex < 0)
        return body;
    for (std::size_t i = static_cast<std::size_t>(headerIndex) + 1; i < lines.size(); ++i) {
        if (!lines[i].empty() && lines[i][0] == '[')
            break;
        body.push_back(lines[i]);
    }
    return body;
}

Lines sectionBody(const Lines& lines, std::string_view header) {
    return sectionBodyAt(lines, findSection(lines, header));
}

const std::string& lineAfter(const Lines& lines, std::string_view header) {
    const int index = findSection(lines, header) + 1;
    if (static_cast<std::size_t>(index) >= lines.size())
        throw ProfileError("no line after " + std::string(header));
    return lines[static_cast<std::size_t>(index)];
}

} // namespace regforge::profile
