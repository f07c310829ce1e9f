// A replace list read as the load reads it (bad lines and repeated find texts dropped) and
// applied. The input up to its first NUL byte is the list, the rest the text it is applied to;
// without a NUL the list is applied to a piece of generated code.
#include "FuzzInput.h"
#include "output/ReplaceList.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace {

constexpr const char* kCode = "#include <LPC13xx.h>\n"
                              "void init(void) {\n"
                              "    LPC_TMR16B0->PR = 0x0000;\n"
                              "    LPC_IOCON->PIO0_1 = 0x00000001; /* CLKOUT */\n"
                              "    NVIC_EnableIRQ(TIMER_16_0_IRQn);\n"
                              "}\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace regforge;
    const std::string bytes = fuzz::bytesOf(data, size);
    const auto nul = bytes.find('\0');
    const std::string list = bytes.substr(0, nul);
    const std::string text = nul == std::string::npos ? std::string(kCode) : bytes.substr(nul + 1);

    std::vector<output::ReplacePair> pairs;
    std::unordered_set<std::string> finds;
    for (const auto& line : io::splitLines(list).lines) {
        const auto pair = output::parseReplaceLine(line);
        if (!pair)
            continue;
        // A saved list reads back as it was written.
        if (output::parseReplaceLine(output::replaceLineOf(*pair)) != pair)
            __builtin_trap();
        if (finds.insert(pair->find).second)
            pairs.push_back(*pair);
    }
    (void)output::applyReplaceList(text, pairs);
    return 0;
}
