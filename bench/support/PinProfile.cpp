#include "PinProfile.h"

#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace regforge::bench {

std::string pinProfileText(std::size_t pins) {
    std::string text = "[PINSEL]\n";
    std::string directions = "[IODIR]\n";
    for (std::size_t k = 0; k < pins; ++k) {
        const std::string port = std::to_string(k / 32);
        const std::string bit = std::to_string(k % 32);
        const std::string field = std::to_string(k % 16 * 2);
        const std::string high = std::to_string(k % 16 * 2 + 1);
        // PINSEL<n>,<high>,<low>@P<port>.<bit>:PORT<port>.<bit>;TXD<k>,CAP<k>.0,Reserved,
        text += "PINSEL" + std::to_string(k / 16) + "," + high + "," + field + "@P" + port + "." + bit +
                ":PORT" + port + "." + bit + ";TXD" + std::to_string(k % 4) + ",CAP" + std::to_string(k % 4) +
                ".0,Reserved,\n";
        directions += "IO" + port + "DIR," + bit + "\n";
    }
    return text + directions + "[LPC21xx]\n[INCLUDE]\nbench.h\n";
}

PinProfileFolder::PinProfileFolder(std::size_t pins)
    : folder_(std::filesystem::temp_directory_path() /
              ("regforge-bench-" + std::to_string(getpid()) + "-" + std::to_string(pins))) {
    std::filesystem::create_directories(folder_ / "include");
    profile_ = folder_ / "include" / ("PINS" + std::to_string(pins) + ".ini");
    std::ofstream out(profile_, std::ios::binary);
    out << pinProfileText(pins);
    if (!out)
        throw std::runtime_error("cannot write " + profile_.string());
}

PinProfileFolder::~PinProfileFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

} // namespace regforge::bench
