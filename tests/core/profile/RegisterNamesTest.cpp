// Generated code must compile against the vendor's device headers: every register, structure
// member, interrupt number and handler name it writes must be one the family's user manual and
// headers have. The name lists in tests/fixtures/registers are transcribed from the manuals'
// register tables and headers; here every example, and every part with all its units switched
// on, is generated and each name it uses (after the file's own aliases) is looked up in its
// family's list, then the code, passed through its family's GCC replace list, is compiled with
// arm-none-eabi-gcc against a header declaring exactly the listed names.

#include "app/ConfigurationCommands.h"
#include "app/MainForm.h"
#include "model/CheckControls.h"
#include "model/ListControls.h"
#include "output/ReplaceList.h"
#include "output/ReplaceListFile.h"
#include "periph/adc/AdcControls.h"
#include "periph/clock/ClockControls.h"
#include "periph/i2c/I2cControls.h"
#include "periph/pwm/PwmControls.h"
#include "periph/spi/SpiControls.h"
#include "periph/timer/TimerControls.h"
#include "periph/uart/UartControls.h"
#include "support/HeaderNames.h"
#include "support/ProgramFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace regforge::profile {
namespace {

namespace fs = std::filesystem;
const fs::path kRepository = fs::path(REGFORGE_FIXTURES) / ".." / "..";

const std::map<std::string, std::string> kNameListOfFamily = {
    {"21xx", "lpc21xx"}, {"23xx", "lpc23xx"}, {"24xx", "lpc24xx"},
    {"175x", "lpc175x"}, {"177x", "lpc177x"}, {"13xx", "lpc13xx"},
};

// The code without its comments, as one text.
std::string codeOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    std::string code;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "/*") == 0) {
            const auto end = text.find("*/", i + 2);
            i = end == std::string::npos ? text.size() : end + 2;
        } else if (text.compare(i, 2, "//") == 0) {
            i = text.find('\n', i);
        } else {
            code += text[i++];
        }
    }
    return code;
}

// Names the file defines itself as another name ("#define CR ADCR") stand for that name.
using Aliases = std::map<std::string, std::string>;

// The device names the code uses: structure members, assigned registers, IRQ numbers, handlers,
// each written as the header must spell it once the file's own aliases are applied.
std::set<std::string> namesUsed(const std::string& code) {
    static const std::regex member(R"(\bLPC_\w+->\w+)");
    static const std::regex irq(R"(\b\w+_IRQn\b|\b\w+_?Handler\b)");
    static const std::regex assigned(R"(^\s*([A-Za-z_]\w*)\s*(\||&)?=[^=])");
    static const std::regex alias(R"(^\s*#define\s+(\w+)\s+(\w+))");
    Aliases aliases;
    std::vector<std::string> found;
    std::istringstream lines(code);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_search(line, match, alias)) {
            aliases[match[1]] = match[2];
            continue;
        }
        if (line.find('#') != std::string::npos)
            continue;
        for (const auto* pattern : {&member, &irq})
            for (auto it = std::sregex_iterator(line.begin(), line.end(), *pattern);
                 it != std::sregex_iterator(); ++it)
                found.push_back(it->str());
        if (std::regex_search(line, match, assigned))
            found.push_back(match[1]);
    }
    const auto resolved = [&](const std::string& name) {
        const auto it = aliases.find(name);
        return it == aliases.end() ? name : it->second;
    };
    std::set<std::string> used;
    for (const auto& name : found) {
        const auto arrow = name.find("->");
        used.insert(arrow == std::string::npos
                        ? resolved(name)
                        : resolved(name.substr(0, arrow)) + "->" + resolved(name.substr(arrow + 2)));
    }
    return used;
}

// The replace list that makes a family's code compile with GCC (data/replace), if it needs one.
const std::map<std::string, std::string> kGccListOfFamily = {
    {"21xx", "ARM7_GCC"}, {"23xx", "ARM7_GCC"}, {"24xx", "ARM7_GCC"}, {"13xx", "LPC13xx_CMSIS_timers"}};

// Keywords of the Keil ARM compiler that GCC does not know.
const std::regex kKeilKeyword(R"(\b__(irq|fiq|swi|task|arm|thumb)\b)");

class RegisterNames : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& entry : fs::directory_iterator(kRepository / "data" / "include"))
            fs::copy(entry.path(), folder.dir.path() / "include" / entry.path().filename(),
                     fs::copy_options::overwrite_existing);
        folder.start();
    }

    // The code for the window's set-up, passed through its family's GCC list.
    std::string gccCode() {
        folder.form().Result_btnClick();
        const auto& lines = folder.form().store().get<model::Memo>("Memo1").lines();
        std::string text;
        for (const auto& line : lines)
            text += line + "\n";
        const auto list = kGccListOfFamily.find(folder.form().device().deviceFamily);
        if (list == kGccListOfFamily.end())
            return text;
        const auto pairs = output::readReplaceListFile(
            kRepository / "data" / "replace" / (list->second + ".ini"), folder.ui);
        return pairs ? output::applyReplaceList(text, *pairs) : "no list " + list->second;
    }

    std::set<std::string> known() {
        const auto& device = folder.form().device();
        return testing::headerNames(kRepository / "tests" / "fixtures" / "registers" /
                                        (kNameListOfFamily.at(device.deviceFamily) + ".txt"),
                                    device.deviceName);
    }

    // Reports every name the code writes that its part's list lacks, and any Keil keyword.
    void expectKnownNames(const std::string& what) {
        SCOPED_TRACE(what);
        const auto& device = folder.form().device();
        const std::string code = gccCode();
        const auto names = known();
        ASSERT_FALSE(names.empty()) << "no name list for " << device.deviceFamily;
        EXPECT_FALSE(std::regex_search(code, kKeilKeyword)) << device.deviceName << " keeps a Keil keyword";
        // An alias the profile defines must not redefine the header's own macro, nor rename a
        // plain word (CR, INTEN) everywhere in the user's file.
        static const std::regex alias(R"((.*)\n#define\s+(\w+)\s+\w+)");
        for (auto it = std::sregex_iterator(code.begin(), code.end(), alias); it != std::sregex_iterator();
             ++it) {
            const std::string name = (*it)[2];
            EXPECT_EQ((*it)[1].str(), "#ifndef " + name)
                << device.deviceName << " defines " << name << " unguarded";
            EXPECT_TRUE(std::regex_search(name, std::regex("[_0-9]")))
                << device.deviceName << " defines the word " << name;
        }
        const auto used = namesUsed(codeOf({code}));
        EXPECT_GT(used.size(), 10u);
        for (const auto& name : used)
            EXPECT_TRUE(names.count(name) != 0) << device.deviceName << " writes " << name << ", which the "
                                                << device.deviceFamily << " headers do not have";
    }

    // Compiles the code against a header that declares exactly its part's names.
    void expectCompiles(const std::string& what) {
        SCOPED_TRACE(what);
        const std::string messages =
            testing::compileForArm(gccCode(), testing::namesOnlyHeader(known()),
                                   folder.form().device().cortexM3, folder.dir.path() / "gcc");
        EXPECT_EQ(messages, "") << what;
    }

    void clickIfShown(const std::string& name) {
        auto& box = folder.form().store().get<model::CheckBox>(name);
        if (box.visible())
            box.click();
    }

    // Runs `check` for every example, then for every part with all its units on.
    template <typename Check>
    void forEveryExampleAndPart(Check check) {
        int examples = 0;
        for (const auto& entry : fs::directory_iterator(kRepository / "examples")) {
            if (entry.path().extension() != ".sav")
                continue;
            folder.start();
            ASSERT_EQ(folder.form().configuration().loadConfiguration(entry.path()),
                      config::LoadOutcome::Loaded);
            check(entry.path().filename().string());
            ++examples;
        }
        EXPECT_EQ(examples, 6) << "one example per family";
        const auto devices = folder.form().store().get<model::ComboBox>("mcu_ComboBox").items();
        EXPECT_GE(devices.size(), 50u);
        for (const auto& device : devices) {
            ASSERT_TRUE(folder.load(device)) << device;
            for (int t = 0; t < 4; ++t)
                clickIfShown(periph::timer::enableBoxName(t));
            for (int c = 0; c < 4; ++c)
                clickIfShown(periph::adc::enableBoxName(c));
            for (int u = 0; u < 2; ++u)
                clickIfShown(periph::pwm::enableBoxName(u));
            clickIfShown(periph::spi::kSpiEnableBox);
            clickIfShown(periph::clock::kEnableBox);
            for (int s = 0; s < 3; ++s)
                clickIfShown(periph::spi::sspControl(s, "_checkbox"));
            for (int u = 0; u < periph::uart::kUartCount; ++u)
                clickIfShown(periph::uart::enableBoxName(u));
            for (int b = 0; b < periph::i2c::kBusCount; ++b)
                clickIfShown(periph::i2c::enableBoxName(b));
            check(device + " with every unit on");
        }
    }

    testing::ProgramFolder folder;
};

TEST_F(RegisterNames, EveryExampleAndPartWritesOnlyNamesOfItsPartsHeaders) {
    forEveryExampleAndPart([this](const std::string& what) { expectKnownNames(what); });
}

TEST_F(RegisterNames, EveryExampleAndPartCompilesWithGccAgainstItsHeaderNames) {
    if (testing::armCompiler().empty())
        GTEST_SKIP() << "arm-none-eabi-gcc is not installed (make test installs gcc-arm-none-eabi)";
    forEveryExampleAndPart([this](const std::string& what) { expectCompiles(what); });
}

} // namespace
} // namespace regforge::profile
