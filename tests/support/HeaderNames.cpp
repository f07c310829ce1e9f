#include "support/HeaderNames.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace regforge::testing {

namespace fs = std::filesystem;

std::set<std::string> headerNames(const fs::path& list, const std::string& part) {
    std::ifstream in(list);
    std::set<std::string> names;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const auto blank = line.find(" {");
        if (blank == std::string::npos) {
            names.insert(line);
            continue;
        }
        std::string parts = line.substr(blank + 2, line.size() - blank - 3);
        const bool except = !parts.empty() && parts[0] == '!';
        if (except)
            parts.erase(0, 1);
        bool listed = false;
        std::istringstream each(parts);
        for (std::string p; std::getline(each, p, ',');)
            listed = listed || p == part;
        if (listed != except)
            names.insert(line.substr(0, blank));
    }
    return names;
}

namespace {

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool isHandler(const std::string& name) {
    return endsWith(name, "Handler") || endsWith(name, "ISR");
}

} // namespace

std::string namesOnlyHeader(const std::set<std::string>& names) {
    static const std::regex member(R"((\w+)->(\w+)(?:\[(\d+)\])?)");
    std::map<std::string, std::map<std::string, int>> structures; // member -> array length (0: none)
    std::string registers, irqs, functions;
    for (const auto& name : names) {
        std::smatch m;
        if (std::regex_match(name, m, member)) {
            int& length = structures[m[1]][m[2]];
            if (m[3].matched)
                length = std::max(length, std::stoi(m[3]) + 1);
        } else if (endsWith(name, "_IRQn") || endsWith(name, "_FIQn")) {
            irqs += "    " + name + ",\n";
        } else if (name == "NVIC_EnableIRQ") {
            functions += "void NVIC_EnableIRQ(IRQn_Type irq);\n";
        } else if (name == "NVIC_SetPriority") {
            functions += "void NVIC_SetPriority(IRQn_Type irq, unsigned int priority);\n";
        } else if (isHandler(name)) {
            functions += "void " + name + "(void);\n";
        } else {
            registers +=
                "RF_EXTERN volatile unsigned long rf_" + name + ";\n#define " + name + " rf_" + name + "\n";
        }
    }
    std::string text = "#ifndef RF_NAMES_ONLY_H\n#define RF_NAMES_ONLY_H\n#ifdef RF_DEFINE_NAMES\n#define "
                       "RF_EXTERN\n#else\n#define RF_EXTERN extern\n#endif\n" +
                       registers;
    for (const auto& [pointer, members] : structures) {
        text += "typedef struct {\n";
        for (const auto& [name, length] : members)
            text += "    volatile unsigned int " + name + (length ? "[" + std::to_string(length) + "]" : "") +
                    ";\n";
        text += "} rf_" + pointer + "_Type;\nRF_EXTERN rf_" + pointer + "_Type rf_" + pointer +
                ";\n#define " + pointer + " (&rf_" + pointer + ")\n";
    }
    if (!irqs.empty())
        text += "typedef enum {\n" + irqs + "} IRQn_Type;\n";
    return text + functions + "#endif\n";
}

std::string armCompiler() {
    for (const char* dir : {"/usr/bin", "/usr/local/bin"}) {
        const fs::path gcc = fs::path(dir) / "arm-none-eabi-gcc";
        if (fs::exists(gcc))
            return gcc.string();
    }
    return {};
}

std::string compileForArm(const std::string& code, const std::string& header, bool cortexM3,
                          const fs::path& folder) {
    fs::create_directories(folder / "inc");
    static const std::regex include(R"(#include\s*[<"]([^>"]+)[>"])");
    // Every Cortex-M3 device header brings the core header's interrupt masking intrinsics.
    const std::string withCore =
        cortexM3 ? "void __disable_irq(void);\nvoid __enable_irq(void);\n" + header : header;
    for (auto it = std::sregex_iterator(code.begin(), code.end(), include); it != std::sregex_iterator();
         ++it)
        std::ofstream(folder / "inc" / (*it)[1].str(), std::ios::binary) << withCore;
    std::ofstream(folder / "code.c", std::ios::binary) << code;
    const std::string target = cortexM3 ? "-mcpu=cortex-m3 -mthumb" : "-mcpu=arm7tdmi-s -marm";
    const std::string command = armCompiler() + " " + target +
                                " -std=gnu11 -ffreestanding -Wall -Werror -c -I" + (folder / "inc").string() +
                                " " + (folder / "code.c").string() + " -o " + (folder / "code.o").string() +
                                " 2>&1";
    const auto [status, messages] = runCommand(command);
    return status != 0 && messages.empty() ? "compiler failed" : messages;
}

std::pair<int, std::string> runCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {-1, "cannot run " + command};
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    return {pclose(pipe), output};
}

} // namespace regforge::testing
