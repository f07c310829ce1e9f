#include "output/SetupFiles.h"

#include "support/GeneratedText.h"

#include <gtest/gtest.h>

namespace regforge::output {
namespace {

using periph::InterruptHandler;
using Kind = InterruptHandler::Kind;

const std::vector<std::string> kTitle = {"/* title */"};

// A small ARM7 result: a fast interrupt (whose pasted advice the files leave out), a vectored one
// with the profile's own acknowledge line, the default handler; and a Cortex-M3 one.
struct Result {
    profile::DeviceState device;
    periph::ResultLists lists;
};

Result arm7() {
    Result r;
    r.device.includeFile = "LPC214x.h";
    r.device.profileLines = {"[DEFINE]", "#define BIT(n) (1UL << (n))"};
    r.lists.mainLines = {"   PINSEL0 = 0x00000005;", "",
                         "   VICVectAddr0 = (unsigned long) TIMER0_IRQHandler;", ""};
    r.lists.handlers = {
        {Kind::Fast, "FIQ_Handler", "EINT0", kTitle, {"VICVectAddr = 0;"}, {"  ADVICE TO DELETE"}},
        {Kind::Vectored, "TIMER0_IRQHandler", "TIMER0", kTitle, {"T0IR = 1;", "VICVectAddr = 0;"}, {}},
        {Kind::Default, "DefISR", "", {"/* default */"}, {}, {}},
    };
    return r;
}

Result cortexM3() {
    Result r;
    r.device.includeFile = "LPC13xx.h";
    r.lists.mainLines = {"   NVIC_EnableIRQ(WAKEUP0_IRQn);", ""};
    r.lists.handlers = {{Kind::Plain, "WAKEUP_IRQHandler", "WAKEUP", kTitle, {}, {}},
                        {Kind::Plain, "TIMER_32_0_IRQHandler", "TIMER_32_0", kTitle, {}, {}}};
    return r;
}

TEST(SetupFiles, WholeTextOfBothFilesPerFamilyAndCompiler) {
    const struct {
        const char* name;
        Result result;
        Compiler compiler;
    } cases[] = {{"Arm7Keil", arm7(), Compiler::Keil},
                 {"Arm7Gcc", arm7(), Compiler::Gcc},
                 {"CortexM3Keil", cortexM3(), Compiler::Keil},
                 {"CortexM3Gcc", cortexM3(), Compiler::Gcc}};
    for (const auto& c : cases) {
        std::string both; // each file after a line naming it
        for (const auto& file : frameSetupFiles(c.result.device, c.result.lists, c.compiler))
            both += "==> " + file.name + " <==\n" + file.text;
        EXPECT_EQ(both, regforge::testing::expectedText(std::string("SetupFilesTest/") + c.name)) << c.name;
    }
}

} // namespace
} // namespace regforge::output
