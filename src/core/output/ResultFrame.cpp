#include "output/ResultFrame.h"

#include "profile/DeviceSections.h"
#include "profile/ProfileSections.h"

namespace regforge::output {

std::vector<std::string> banner() {
    return {"/" + std::string(84, '*'),
            std::string("   Code created using the Regforge, visit ") + kMakerAddress + " ",
            std::string(84, '*') + "/"};
}

std::vector<std::string> frameResult(const profile::DeviceState& device, const periph::ResultLists& lists) {
    std::vector<std::string> out = banner();
    out.push_back("");
    out.push_back("#include <" + device.includeFile + ">");
    out.push_back("");
    for (const auto& line : profile::sectionBody(device.profileLines, profile::kDefineSection))
        out.push_back(line);
    out.push_back("");
    out.insert(out.end(), lists.functionLines.begin(), lists.functionLines.end());
    out.push_back("int main(void)");
    out.push_back("{");
    out.insert(out.end(), lists.mainLines.begin(), lists.mainLines.end());
    out.push_back("   while(1)");
    out.push_back("  {");
    out.push_back("  ");
    out.push_back("  ");
    out.push_back("   }");
    out.push_back("");
    out.push_back("}");
    return out;
}

} // namespace regforge::output
