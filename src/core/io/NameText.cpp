#include "io/NameText.h"

namespace regforge::io {

std::string quotedName(std::string_view name) {
    if (name.size() <= kMaxQuotedName)
        return std::string(name);
    return std::string(name.substr(0, kMaxQuotedName)) + "...";
}

} // namespace regforge::io
