#include "output/ReplaceListName.h"

namespace regforge::output {

bool isSafeReplaceListName(const std::string& name) {
    if (name.empty() || name.find("..") != std::string::npos)
        return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F)
            return false;
    }
    return true;
}

} // namespace regforge::output
