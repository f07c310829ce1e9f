#include "support/GeneratedText.h"
// The device profiles shipped in data/include, loaded the way a user loads them: every pin must
// come out with its full function list, the right reset selection and a usable register entry,
// and an untouched device must generate its reset configuration. The timers must have the
// shape of the real counters and be powered or clocked before their registers are written,
// and every saved example configuration in examples/ must load back and generate.

#include "app/ConfigurationCommands.h"
#include "io/TextFile.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/ListControls.h"
#include "model/NumberText.h"
#include "model/NumericEdit.h"
#include "model/Tree.h"
#include "periph/ResultLists.h"
#include "periph/io/IoPage.h"
#include "periph/io/PinState.h"
#include "periph/timer/TimerControls.h"
#include "periph/timer/TimerPage.h"
#include "support/ProgramFolder.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace regforge::profile {
namespace {

namespace fs = std::filesystem;
namespace pinstate = periph::io::pinstate;
using testing::ProgramFolder;
using Texts = std::vector<std::string>;

struct Expected {
    const char* device;
    const char* family;
    const char* include;
    bool cortexM3;
    bool hasIocon;
    bool singleDivider;
    bool divider13xx;
    bool noVicVectCnt;
    bool edgeLevelIsr;
    int pins;
};

// Every shipped part, by family: the flags its family sets and the pins its package has.
constexpr Expected kShipped[] = {
    {"LPC2101", "21xx", "LPC2103.h", false, false, true, false, false, false, 32},
    {"LPC2102", "21xx", "LPC2103.h", false, false, true, false, false, false, 32},
    {"LPC2103", "21xx", "LPC2103.h", false, false, true, false, false, false, 32},
    {"LPC2104", "21xx", "LPC210x.h", false, false, true, false, false, false, 32},
    {"LPC2105", "21xx", "LPC210x.h", false, false, true, false, false, false, 32},
    {"LPC2106", "21xx", "LPC210x.h", false, false, true, false, false, false, 32},
    {"LPC2114", "21xx", "LPC21xx.h", false, false, true, false, false, false, 46},
    {"LPC2119", "21xx", "LPC21xx.h", false, false, true, false, false, false, 46},
    {"LPC2124", "21xx", "LPC21xx.h", false, false, true, false, false, false, 46},
    {"LPC2129", "21xx", "LPC21xx.h", false, false, true, false, false, false, 46},
    {"LPC2194", "21xx", "LPC21xx.h", false, false, true, false, false, false, 46},
    {"LPC2131", "21xx", "LPC213x.h", false, false, true, false, false, false, 47},
    {"LPC2132", "21xx", "LPC213x.h", false, false, true, false, false, false, 47},
    {"LPC2134", "21xx", "LPC213x.h", false, false, true, false, false, false, 47},
    {"LPC2136", "21xx", "LPC213x.h", false, false, true, false, false, false, 47},
    {"LPC2138", "21xx", "LPC213x.h", false, false, true, false, false, false, 47},
    {"LPC2141", "21xx", "LPC214x.h", false, false, true, false, false, false, 45},
    {"LPC2142", "21xx", "LPC214x.h", false, false, true, false, false, false, 45},
    {"LPC2144", "21xx", "LPC214x.h", false, false, true, false, false, false, 45},
    {"LPC2146", "21xx", "LPC214x.h", false, false, true, false, false, false, 45},
    {"LPC2148", "21xx", "LPC214x.h", false, false, true, false, false, false, 45},
    // The 23xx and 24xx have a PCLKSEL divider per peripheral; the 100-pin parts lack the pins
    // the 144-pin parts add, the TFBGA180 LPC2458 the upper external bus pins of the 208-pin parts.
    {"LPC2361", "23xx", "LPC23xx.h", false, false, false, false, true, false, 70},
    {"LPC2362", "23xx", "LPC23xx.h", false, false, false, false, true, false, 70},
    {"LPC2364", "23xx", "LPC23xx.h", false, false, false, false, true, false, 70},
    {"LPC2365", "23xx", "LPC23xx.h", false, false, false, false, true, false, 70},
    {"LPC2366", "23xx", "LPC23xx.h", false, false, false, false, true, false, 70},
    {"LPC2367", "23xx", "LPC23xx.h", false, false, false, false, true, false, 70},
    {"LPC2368", "23xx", "LPC23xx.h", false, false, false, false, true, false, 70},
    {"LPC2387", "23xx", "LPC23xx.h", false, false, false, false, true, false, 70},
    {"LPC2377", "23xx", "LPC23xx.h", false, false, false, false, true, false, 104},
    {"LPC2378", "23xx", "LPC23xx.h", false, false, false, false, true, false, 104},
    {"LPC2388", "23xx", "LPC23xx.h", false, false, false, false, true, false, 104},
    {"LPC2420", "24xx", "LPC24xx.h", false, false, false, false, true, false, 160},
    {"LPC2458", "24xx", "LPC24xx.h", false, false, false, false, true, false, 136},
    {"LPC2460", "24xx", "LPC24xx.h", false, false, false, false, true, false, 160},
    {"LPC2468", "24xx", "LPC24xx.h", false, false, false, false, true, false, 160},
    {"LPC2470", "24xx", "LPC24xx.h", false, false, false, false, true, false, 160},
    {"LPC2478", "24xx", "LPC24xx.h", false, false, false, false, true, false, 160},
    // LQFP80 parts bond out 52 of the 70 port pins of the LQFP100 parts.
    {"LPC1751", "175x", "LPC17xx.h", true, false, false, false, true, false, 52},
    {"LPC1752", "175x", "LPC17xx.h", true, false, false, false, true, false, 52},
    {"LPC1754", "175x", "LPC17xx.h", true, false, false, false, true, false, 52},
    {"LPC1756", "175x", "LPC17xx.h", true, false, false, false, true, false, 52},
    {"LPC1758", "175x", "LPC17xx.h", true, false, false, false, true, false, 52},
    {"LPC1759", "175x", "LPC17xx.h", true, false, false, false, true, false, 52},
    {"LPC1763", "175x", "LPC17xx.h", true, false, false, false, true, false, 70},
    {"LPC1764", "175x", "LPC17xx.h", true, false, false, false, true, false, 70},
    {"LPC1765", "175x", "LPC17xx.h", true, false, false, false, true, false, 70},
    {"LPC1766", "175x", "LPC17xx.h", true, false, false, false, true, false, 70},
    {"LPC1767", "175x", "LPC17xx.h", true, false, false, false, true, false, 70},
    {"LPC1768", "175x", "LPC17xx.h", true, false, false, false, true, false, 70},
    {"LPC1769", "175x", "LPC17xx.h", true, false, false, false, true, false, 70},
    // The 177x has one PCLKSEL divider for every peripheral: the common divider serves all.
    {"LPC1774", "177x", "LPC177x_8x.h", true, true, true, false, true, false, 165},
    {"LPC1776", "177x", "LPC177x_8x.h", true, true, true, false, true, false, 165},
    {"LPC1777", "177x", "LPC177x_8x.h", true, true, true, false, true, false, 165},
    {"LPC1778", "177x", "LPC177x_8x.h", true, true, true, false, true, false, 165},
    {"LPC1785", "177x", "LPC177x_8x.h", true, true, true, false, true, false, 165},
    {"LPC1786", "177x", "LPC177x_8x.h", true, true, true, false, true, false, 165},
    {"LPC1787", "177x", "LPC177x_8x.h", true, true, true, false, true, false, 165},
    {"LPC1788", "177x", "LPC177x_8x.h", true, true, true, false, true, false, 165},
    // The HVQFN33 LPC1311 has 28 port pins; on the USB parts USB_DM/USB_DP take PIO3_4/PIO3_5.
    {"LPC1311", "13xx", "LPC13xx.h", true, true, false, true, true, true, 28},
    {"LPC1313", "13xx", "LPC13xx.h", true, true, false, true, true, true, 42},
    {"LPC1342", "13xx", "LPC13xx.h", true, true, false, true, true, true, 40},
    {"LPC1343", "13xx", "LPC13xx.h", true, true, false, true, true, true, 40},
};

// One timer as the user manual has it; an empty init line marks a timer the device lacks.
struct ExpectedTimer {
    int bits;
    bool pwmMode;
    int captures;
    const char* init;
};
using ExpectedTimers = std::array<ExpectedTimer, periph::timer::kTimerCount>;

constexpr ExpectedTimer kAbsent = {0, false, 0, ""};

// LPC214x: PCONP bits 1 and 2, four CAP inputs each, no PWM control register in the timers.
// LPC17xx and LPC178x: PCONP bits 1, 2, 22, 23, CAPn.0 and CAPn.1 only. LPC13xx: the 32-bit
// CT32B0/CT32B1 and the 16-bit CT16B0/CT16B1, each with CAP0 and a PWMC register, clocked in
// SYSAHBCLKCTRL bits 9, 10, 7 and 8.
const std::map<std::string, ExpectedTimers> kTimers = {
    {"LPC2148",
     {{{32, false, 4, "PCONP |= (1 << 1);     /* power up Timer0 */"},
       {32, false, 4, "PCONP |= (1 << 2);     /* power up Timer1 */"},
       kAbsent,
       kAbsent}}},
    // LPC2101/02/03: Timer0/Timer1 are the 32-bit counters (seven capture inputs between them),
    // Timer2/Timer3 the 16-bit ones (three), powered by PCONP bits 28 and 29; all four have the
    // PWM control register.
    {"LPC2103",
     {{{32, true, 3, "PCONP |= (1 << 1);     /* power up Timer0 */"},
       {32, true, 4, "PCONP |= (1 << 2);     /* power up Timer1 */"},
       {16, true, 3, "PCONP |= (1 << 28);     /* power up Timer2 */"},
       {16, true, 0, "PCONP |= (1 << 29);     /* power up Timer3 */"}}}},
    {"LPC2378",
     {{{32, false, 2, "PCONP |= (1 << 1);     /* power up Timer0 */"},
       {32, false, 2, "PCONP |= (1 << 2);     /* power up Timer1 */"},
       {32, false, 2, "PCONP |= (1 << 22);     /* power up Timer2 */"},
       {32, false, 2, "PCONP |= (1 << 23);     /* power up Timer3 */"}}}},
    {"LPC2478",
     {{{32, false, 2, "PCONP |= (1 << 1);     /* power up Timer0 */"},
       {32, false, 2, "PCONP |= (1 << 2);     /* power up Timer1 */"},
       {32, false, 2, "PCONP |= (1 << 22);     /* power up Timer2 */"},
       {32, false, 2, "PCONP |= (1 << 23);     /* power up Timer3 */"}}}},
    // The LQFP80 parts bond out CAP0.0, CAP1.0 and CAP1.1 only.
    {"LPC1751",
     {{{32, false, 1, "LPC_SC->PCONP |= (1 << 1);     /* power up Timer0 */"},
       {32, false, 2, "LPC_SC->PCONP |= (1 << 2);     /* power up Timer1 */"},
       {32, false, 0, "LPC_SC->PCONP |= (1 << 22);     /* power up Timer2 */"},
       {32, false, 0, "LPC_SC->PCONP |= (1 << 23);     /* power up Timer3 */"}}}},
    {"LPC1768",
     {{{32, false, 2, "LPC_SC->PCONP |= (1 << 1);     /* power up Timer0 */"},
       {32, false, 2, "LPC_SC->PCONP |= (1 << 2);     /* power up Timer1 */"},
       {32, false, 2, "LPC_SC->PCONP |= (1 << 22);     /* power up Timer2 */"},
       {32, false, 2, "LPC_SC->PCONP |= (1 << 23);     /* power up Timer3 */"}}}},
    {"LPC1788",
     {{{32, false, 2, "LPC_SC->PCONP |= (1 << 1);     /* power up Timer0 */"},
       {32, false, 2, "LPC_SC->PCONP |= (1 << 2);     /* power up Timer1 */"},
       {32, false, 2, "LPC_SC->PCONP |= (1 << 22);     /* power up Timer2 */"},
       {32, false, 2, "LPC_SC->PCONP |= (1 << 23);     /* power up Timer3 */"}}}},
    {"LPC1343",
     {{{32, true, 1, "LPC_SYSCON->SYSAHBCLKCTRL |= (1 << 9);     /* enable clock for CT32B0 */"},
       {32, true, 1, "LPC_SYSCON->SYSAHBCLKCTRL |= (1 << 10);     /* enable clock for CT32B1 */"},
       {16, true, 1, "LPC_SYSCON->SYSAHBCLKCTRL |= (1 << 7);     /* enable clock for CT16B0 */"},
       {16, true, 1, "LPC_SYSCON->SYSAHBCLKCTRL |= (1 << 8);     /* enable clock for CT16B1 */"}}}},
};

const fs::path kRepository = fs::path(REGFORGE_FIXTURES) / ".." / "..";

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ShippedProfiles : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path data = kRepository / "data" / "include";
        for (const auto& entry : fs::directory_iterator(data))
            fs::copy(entry.path(), folder.dir.path() / "include" / entry.path().filename(),
                     fs::copy_options::overwrite_existing);
        folder.start();
    }

    void load(const std::string& device) {
        ASSERT_TRUE(folder.load(device)) << device;
        ASSERT_TRUE(folder.ui.messages.empty()) << device << ": " << folder.ui.messages[0].caption;
    }

    app::MainForm& form() { return folder.form(); }
    template <class T = model::Control>
    T& control(const std::string& name) {
        return form().store().get<T>(name);
    }
    model::Tree& tree() { return form().page<periph::io::IoPage>().tree(); }

    std::vector<int> pins() {
        std::vector<int> result;
        for (int i = 0; i < tree().count(); ++i)
            if (tree().node(i).level == 0)
                result.push_back(i);
        return result;
    }
    int pin(const std::string& name) {
        for (int i : pins())
            if (tree().node(i).text == name)
                return i;
        ADD_FAILURE() << "no pin " << name;
        return -1;
    }
    // The function nodes of a pin (option nodes follow them on IOCON devices).
    std::vector<int> functionNodes(int pinNode) {
        auto children = tree().childrenOf(pinNode);
        children.resize(std::min(children.size(), std::size_t(form().device().maxPinFunction + 1)));
        return children;
    }
    Texts functions(const std::string& name) {
        Texts texts;
        for (int node : functionNodes(pin(name)))
            texts.push_back(tree().node(node).text);
        return texts;
    }
    Texts options(const std::string& name) {
        Texts texts;
        const auto children = tree().childrenOf(pin(name));
        for (std::size_t i = functionNodes(pin(name)).size(); i < children.size(); ++i)
            texts.push_back(tree().node(children[i]).text);
        return texts;
    }
    std::string selected(const std::string& name) {
        for (int node : functionNodes(pin(name)))
            if (tree().node(node).stateIndex == pinstate::FunctionSelected)
                return tree().node(node).text;
        return "";
    }
    void select(const std::string& pinName, const std::string& function) {
        for (int node : functionNodes(pin(pinName)))
            if (tree().node(node).text == function) {
                form().page<periph::io::IoPage>().IO_TreeviewClick(node, model::TreeHitPart::StateIcon,
                                                                   model::MouseButton::Left);
                return;
            }
        ADD_FAILURE() << pinName << " has no " << function;
    }

    // The pin generator's register assignments as name -> value ("0x..."), in the printed form.
    std::map<std::string, std::string> pinRegisters(Texts* allLines = nullptr) {
        periph::ResultLists lists;
        form().page<periph::io::IoPage>().generate(lists);
        std::map<std::string, std::string> values;
        for (const auto& line : lists.mainLines) {
            const auto eq = line.find(" = 0x");
            if (line.rfind("    ", 0) == 0 && eq != std::string::npos)
                values[line.substr(4, eq - 4)] = line.substr(eq + 3, 10);
        }
        if (allLines != nullptr)
            *allLines = lists.mainLines;
        return values;
    }

    ProgramFolder folder;
};

TEST_F(ShippedProfiles, EveryProfileLoadsWithItsDeviceFlagsAndCompletePins) {
    const auto& devices = form().store().get<model::ComboBox>("mcu_ComboBox").items();
    for (const auto& expected : kShipped) {
        SCOPED_TRACE(expected.device);
        ASSERT_NE(std::find(devices.begin(), devices.end(), expected.device), devices.end());
        ASSERT_NO_FATAL_FAILURE(load(expected.device));
        const auto& device = form().device();
        EXPECT_EQ(device.deviceFamily, expected.family);
        EXPECT_EQ(device.includeFile, expected.include);
        EXPECT_EQ(device.cortexM3, expected.cortexM3);
        EXPECT_EQ(device.hasIocon, expected.hasIocon);
        EXPECT_EQ(device.singlePclkDivider, expected.singleDivider);
        EXPECT_EQ(device.pclkDiv13xx, expected.divider13xx);
        EXPECT_EQ(device.noVicVectCnt, expected.noVicVectCnt);
        EXPECT_EQ(device.edgeLevelIsr, expected.edgeLevelIsr);

        ASSERT_EQ(static_cast<int>(pins().size()), expected.pins);
        EXPECT_EQ(form().page<periph::io::IoPage>().pinLists().ioDirSpecs.size(), pins().size());
        std::set<std::string> names;
        for (int p : pins()) {
            const std::string& name = tree().node(p).text;
            SCOPED_TRACE(name);
            EXPECT_TRUE(names.insert(name).second) << "pin listed twice";
            const auto nodes = functionNodes(p);
            ASSERT_EQ(static_cast<int>(nodes.size()), device.maxPinFunction + 1);
            int selectedCount = 0;
            int gpioCount = 0;
            for (int node : nodes) {
                selectedCount += tree().node(node).stateIndex == pinstate::FunctionSelected;
                gpioCount += tree().node(node).text.rfind("POR", 0) == 0;
            }
            EXPECT_EQ(selectedCount, 1);
            EXPECT_EQ(gpioCount, 1);
        }
    }
}

// With every part shipped the list stays usable: it is sorted, which keeps each family's parts
// together, and typing in the filter narrows it and selects a part it shows.
TEST_F(ShippedProfiles, DeviceListKeepsFamiliesTogetherAndFiltersAsYouType) {
    auto& devices = control<model::ComboBox>("mcu_ComboBox");
    std::vector<std::string> families;
    for (const auto& name : devices.items()) {
        const auto expected = std::find_if(std::begin(kShipped), std::end(kShipped),
                                           [&](const Expected& e) { return name == e.device; });
        ASSERT_NE(expected, std::end(kShipped)) << name << " is shipped but not in the table above";
        if (families.empty() || families.back() != expected->family)
            families.push_back(expected->family);
    }
    EXPECT_EQ(families, (std::vector<std::string>{"13xx", "175x", "177x", "21xx", "23xx", "24xx"}));

    auto& filter = control<model::Edit>("mcu_FilterEdit");
    filter.setText("2364");
    EXPECT_EQ(devices.text(), "LPC2364");
    filter.setText("lpc17 8");
    std::vector<std::string> shown;
    for (int i = 0; i < devices.count(); ++i)
        if (devices.shown(i))
            shown.push_back(devices.items()[static_cast<std::size_t>(i)]);
    EXPECT_EQ(shown, (std::vector<std::string>{"LPC1758", "LPC1768", "LPC1778", "LPC1785", "LPC1786",
                                               "LPC1787", "LPC1788"}));
    EXPECT_EQ(devices.text(), "LPC1758");
}

TEST_F(ShippedProfiles, SpotCheckedPinFunctionsFollowTheManuals) {
    ASSERT_NO_FATAL_FAILURE(load("LPC2148"));
    EXPECT_EQ(functions("P0.0"), (Texts{"PORT0.0", "TXD0", "PWM1", "Reserved"}));
    EXPECT_EQ(functions("P0.14"), (Texts{"PORT0.14", "DCD1", "EINT1", "SDA1"}));
    EXPECT_EQ(functions("P0.30"), (Texts{"PORT0.30", "AD0.3", "EINT3", "CAP0.0"}));
    EXPECT_EQ(tree().node(pin("P0.31")).stateIndex, pinstate::OutputOnly) << "P0.31 is an output only";
    EXPECT_EQ(selected("P1.27"), "TDO") << "the JTAG port stays selected";

    ASSERT_NO_FATAL_FAILURE(load("LPC1768"));
    EXPECT_EQ(functions("P0.2"), (Texts{"PORT0.2", "TXD0", "AD0.7", "Reserved"}));
    EXPECT_EQ(functions("P1.31"), (Texts{"PORT1.31", "Reserved", "SCK1", "AD0.5"}));
    EXPECT_EQ(functions("P2.9"), (Texts{"PORT2.9", "USB_CONNECT", "RXD2", "ENET_MDIO"}));
    EXPECT_EQ(functions("P4.29"), (Texts{"PORT4.29", "TX_MCLK", "MAT2.1", "RXD3"}));
    EXPECT_EQ(tree().node(pin("P0.27")).imageIndex, -1) << "I2C pads have no pull resistors";
    EXPECT_EQ(tree().node(pin("P0.26")).imageIndex, 1) << "pull-up after reset";
    const auto& openDrain = form().store().get<model::CheckListBox>("OpenDrainCheckListBox").items();
    EXPECT_EQ(openDrain.size(), 68u) << "all but the I2C pads P0.27 and P0.28";
    EXPECT_EQ(std::count(openDrain.begin(), openDrain.end(), "P0.28"), 0);

    ASSERT_NO_FATAL_FAILURE(load("LPC1788"));
    EXPECT_EQ(functions("P0.0"),
              (Texts{"PORT0.0", "RD1", "TXD3", "SDA1", "TXD0", "Reserved", "Reserved", "Reserved"}));
    EXPECT_EQ(functions("P5.4"),
              (Texts{"PORT5.4", "U0_OE", "Reserved", "MAT3.3", "TXD4", "Reserved", "Reserved", "Reserved"}));
    EXPECT_EQ(options("P0.0"), regforge::testing::expectedLines(
                                   "ShippedProfilesTest/SpotCheckedPinFunctionsFollowTheManuals"));
    EXPECT_EQ(options("P0.26").back(), "DACEN (check to enable DAC)");
    EXPECT_EQ(options("P0.27").size(), 3u) << "I2C pad: INV, HS, HIDRIVE";
    EXPECT_TRUE(options("P0.29").empty()) << "USB pad";

    ASSERT_NO_FATAL_FAILURE(load("LPC1343"));
    EXPECT_EQ(functions("PIO0_10"), (Texts{"SWCLK", "PORT0.10", "SCK0", "CT16B0_MAT2", "Reserved", "Reserved",
                                           "Reserved", "Reserved"}));
    EXPECT_EQ(selected("PIO0_11"), "Reserved") << "the JTAG-less 13xx resets these pins to function R";
    EXPECT_EQ(selected("PIO1_3"), "SWDIO");
    EXPECT_EQ(tree().node(pin("PIO0_0")).stateIndex, pinstate::AlternativeFunction) << "RESET after reset";
    EXPECT_EQ(options("PIO0_4"), (Texts{"I2CMODE: Standard mode/ Fast-mode I2C"}));
    EXPECT_EQ(options("PIO1_11"), regforge::testing::expectedLines(
                                      "ShippedProfilesTest/SpotCheckedPinFunctionsFollowTheManuals-2"));
}

TEST_F(ShippedProfiles, ExclusiveFunctionsAreExactlyThoseOfferedOnSeveralPins) {
    for (const char* device : {"LPC1788", "LPC1343"}) {
        SCOPED_TRACE(device);
        ASSERT_NO_FATAL_FAILURE(load(device));
        std::map<std::string, int> offeredOn;
        for (int p : pins())
            for (int node : functionNodes(p)) {
                const std::string& text = tree().node(node).text;
                if (text != "Reserved" && text.rfind("POR", 0) != 0)
                    ++offeredOn[text];
            }
        std::set<std::string> several;
        for (const auto& [function, count] : offeredOn)
            if (count > 1)
                several.insert(function);
        const auto& exclusive = form().device().exclusiveFunctions;
        EXPECT_EQ(std::set<std::string>(exclusive.begin(), exclusive.end()), several);
        EXPECT_EQ(exclusive.size(), several.size()) << "no entry twice";
    }

    // Taking SCK0 on one pin of the 13xx locks it on the two other pins it can be routed to.
    select("PIO0_10", "SCK0");
    EXPECT_EQ(tree().node(functionNodes(pin("PIO0_6"))[2]).stateIndex, pinstate::FunctionUnavailable);
    EXPECT_EQ(tree().node(functionNodes(pin("PIO2_11"))[1]).stateIndex, pinstate::FunctionUnavailable);
}

TEST_F(ShippedProfiles, UntouchedDevicesGenerateTheirResetConfiguration) {
    ASSERT_NO_FATAL_FAILURE(load("LPC2148"));
    auto values = pinRegisters();
    EXPECT_EQ(values["PINSEL0"], "0x00000000");
    EXPECT_EQ(values["PINSEL1"], "0x00000000");
    EXPECT_EQ(values["PINSEL2"], "0x00000004") << "debug port on, trace port off";
    EXPECT_EQ(values["IO0DIR"], "0x80000000") << "P0.31 is an output only";
    EXPECT_EQ(values["IO1DIR"], "0x00000000");
    EXPECT_EQ(values.size(), 5u);

    ASSERT_NO_FATAL_FAILURE(load("LPC1768"));
    values = pinRegisters();
    EXPECT_EQ(values.size(), 24u) << "PINSEL and PINMODE 0..4, 7, 9; FIODIR and PINMODE_OD 0..4";
    for (const auto& [name, value] : values)
        EXPECT_EQ(value, "0x00000000") << name;

    ASSERT_NO_FATAL_FAILURE(load("LPC1788"));
    Texts lines;
    values = pinRegisters(&lines);
    EXPECT_EQ(values["LPC_IOCON->P0_0"], "0x00000030") << "type D: pull-up, hysteresis";
    EXPECT_EQ(values["LPC_IOCON->P0_29"], "0x00000000") << "type U";
    EXPECT_EQ(values.size(), 165u + 6u);
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "    LPC_SC->PCONP |= (1 << 15);     /* power up GPIO */"),
        lines.end());

    ASSERT_NO_FATAL_FAILURE(load("LPC1343"));
    values = pinRegisters(&lines);
    EXPECT_EQ(values["LPC_IOCON->RESET_PIO0_0"], "0x00000010");
    EXPECT_EQ(values["LPC_IOCON->R_PIO0_11"], "0x00000090") << "function R, pull-up, digital";
    EXPECT_EQ(values["LPC_IOCON->PIO0_4"], "0x00000000") << "I2C pad";
    // The IOCON block is clocked before the first IOCON register is written.
    const auto clockLine = std::find_if(lines.begin(), lines.end(), [](const auto& l) {
        return l.find("SYSAHBCLKCTRL") != std::string::npos;
    });
    const auto firstIocon = std::find_if(lines.begin(), lines.end(),
                                         [](const auto& l) { return l.rfind("    LPC_IOCON->", 0) == 0; });
    ASSERT_NE(clockLine, lines.end());
    EXPECT_LT(clockLine, firstIocon);
}

TEST_F(ShippedProfiles, Lpc2148DebugAndTracePortsSwitchTheirPinGroupsTogether) {
    ASSERT_NO_FATAL_FAILURE(load("LPC2148"));
    select("P1.20", "TRACESYNC");
    EXPECT_EQ(selected("P1.16"), "TRACEPKT0");
    EXPECT_EQ(selected("P1.25"), "EXTIN0");
    EXPECT_EQ(selected("P1.26"), "RTCK") << "the debug group is a field of its own";
    EXPECT_EQ(pinRegisters()["PINSEL2"], "0x0000000C");

    select("P1.31", "PORT1.31");
    EXPECT_EQ(selected("P1.26"), "PORT1.26");
    EXPECT_EQ(pinRegisters()["PINSEL2"], "0x00000008");
}

// A hand-edited file can give one pin of a shared field a function its group does not have; the
// register holds one value, so the load brings the group into step with its first pin and says so.
TEST_F(ShippedProfiles, ALoadedFileCannotSplitAPinGroupOfOneRegisterField) {
    ASSERT_NO_FATAL_FAILURE(load("LPC2148"));
    const fs::path path = folder.dir.path() / "split.sav";
    ASSERT_TRUE(form().configuration().saveConfiguration(path));
    // In the file, three lines per tree node follow the header; the second is the state.
    const auto selectInFile = [&](const std::string& pinName, int function) {
        auto file = io::readLines(path);
        const auto header = std::find(file.lines.begin(), file.lines.end(), "[IO_Treeview]");
        const auto nodes = functionNodes(pin(pinName));
        for (std::size_t j = 0; j < nodes.size(); ++j)
            *(header + 1 + nodes[j] * 3 + 1) = std::to_string(
                static_cast<int>(j) == function ? pinstate::FunctionSelected : pinstate::FunctionFree);
        io::writeLines(path, file.lines, file.ending);
    };

    selectInFile("P1.16", 1);
    folder.ui.messages.clear();
    ASSERT_EQ(form().configuration().loadConfiguration(path), config::LoadOutcome::Loaded);
    ASSERT_EQ(folder.ui.messages.size(), 2u);
    EXPECT_EQ(folder.ui.messages[1].caption, "Pins switched together");
    EXPECT_EQ(folder.ui.messages[1].text,
              regforge::testing::expectedText(
                  "ShippedProfilesTest/ALoadedFileCannotSplitAPinGroupOfOneRegisterField"));
    EXPECT_EQ(selected("P1.25"), "EXTIN0");
    Texts lines;
    EXPECT_EQ(pinRegisters(&lines)["PINSEL2"], "0x0000000C");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "    P1.25:  EXTIN0"), lines.end());

    // The first pin of the group leads: a lone EXTIN0 on P1.25 goes back to GPIO.
    folder.ui.messages.clear();
    ASSERT_NO_FATAL_FAILURE(load("LPC2148"));
    ASSERT_TRUE(form().configuration().saveConfiguration(path));
    selectInFile("P1.25", 1);
    ASSERT_EQ(form().configuration().loadConfiguration(path), config::LoadOutcome::Loaded);
    EXPECT_EQ(selected("P1.25"), "PORT1.25");
    EXPECT_EQ(pinRegisters()["PINSEL2"], "0x00000004");

    // An untouched file loads without a word.
    folder.ui.messages.clear();
    ASSERT_NO_FATAL_FAILURE(load("LPC2148"));
    ASSERT_TRUE(form().configuration().saveConfiguration(path));
    folder.ui.messages.clear();
    ASSERT_EQ(form().configuration().loadConfiguration(path), config::LoadOutcome::Loaded);
    EXPECT_EQ(folder.ui.messages.size(), 1u) << "only the question";
}

TEST_F(ShippedProfiles, TimersHaveTheCountersOfTheManuals) {
    using namespace periph::timer;
    for (const auto& [device, timers] : kTimers) {
        ASSERT_NO_FATAL_FAILURE(load(device));
        for (int t = 0; t < kTimerCount; ++t) {
            SCOPED_TRACE(device + " Timer" + std::to_string(t));
            const auto& expected = timers[static_cast<std::size_t>(t)];
            const auto i = static_cast<std::size_t>(t);
            const auto& enable = control<model::CheckBox>(enableBoxName(t));
            ASSERT_EQ(enable.visible(), expected.bits != 0);
            if (expected.bits == 0)
                continue;
            EXPECT_NE(enable.caption().find(expected.bits == 16 ? "[16 bit]" : "[32 bit]"), std::string::npos)
                << enable.caption();
            const auto digits = expected.bits / 4;
            for (const char* edit : {"TC", "PR", "MR0", "MR3"}) {
                EXPECT_EQ(control<model::NumericEdit>(timerControl(t, edit)).maxLength(), digits) << edit;
                EXPECT_EQ(control<model::NumericEdit>(timerControl(t, edit)).text(),
                          std::string(digits, '0'));
            }
            for (const char* box : kPwmModeBoxes[i])
                EXPECT_EQ(control(box).visible(), expected.pwmMode) << box;

            std::vector<std::string> inputs;
            for (int c = 0; c < expected.captures; ++c)
                inputs.push_back("CAP " + std::to_string(t) + "." + std::to_string(c));
            EXPECT_EQ(control<model::ComboBox>(countInputComboName(t)).items(), inputs);
            for (int c = 0; c < kCaptureCount; ++c)
                EXPECT_EQ(control(kCaptureRowLabels[i][static_cast<std::size_t>(c)]).visible(),
                          c < expected.captures)
                    << "capture row " << c;
        }
    }
    // The 13xx page names each counter in the width it really has: a wrong width line shows up
    // as a caption without the counter's name.
    ASSERT_NO_FATAL_FAILURE(load("LPC1343"));
    EXPECT_EQ(control(enableBoxName(0)).caption(), "Timer0 (CT32B0) [32 bit]");
    EXPECT_EQ(control(enableBoxName(3)).caption(), "Timer3 (CT16B1) [16 bit]");
}

TEST_F(ShippedProfiles, EveryTimerIsPoweredBeforeItsRegistersAreWritten) {
    using namespace periph::timer;
    for (const auto& [device, timers] : kTimers) {
        ASSERT_NO_FATAL_FAILURE(load(device));
        const std::string prefix = form().device().cortexM3 ? "LPC_TIM" : "T";
        for (int t = 0; t < kTimerCount; ++t)
            if (timers[static_cast<std::size_t>(t)].bits != 0)
                control<model::CheckBox>(enableBoxName(t)).click();
        form().Result_btnClick();
        const auto& lines = control<model::Memo>("Memo1").lines();

        for (int t = 0; t < kTimerCount; ++t) {
            SCOPED_TRACE(device + " Timer" + std::to_string(t));
            const auto& expected = timers[static_cast<std::size_t>(t)];
            const std::string title = std::string(33, ' ') + "Timer" + std::to_string(t);
            const auto block = std::find_if(lines.begin(), lines.end(),
                                            [&](const auto& line) { return line.rfind(title, 0) == 0; });
            if (expected.bits == 0) {
                EXPECT_EQ(block, lines.end()) << "a timer the device lacks is never generated";
                continue;
            }
            ASSERT_NE(block, lines.end());
            EXPECT_NE(block->find(expected.bits == 16 ? "(16bit)" : "(32bit)"), std::string::npos) << *block;
            const auto end = std::find(block, lines.end(), "*/");
            ASSERT_LT(end + 2, lines.end());
            EXPECT_EQ(*(end + 1), expected.init);
            EXPECT_EQ((end + 2)->rfind(prefix + std::to_string(t), 0), 0u) << *(end + 2);
        }
    }
}

// The saved examples, loaded the way the user loads them on a fresh start: each must restore
// without a complaint, save back to the very same bytes, and run timer 0 as a 1 kHz tick that
// resets and interrupts on MR0, with UART0 and I2C0 on and no error in the problems list.
TEST_F(ShippedProfiles, ExampleConfigurationsLoadBackExactlyAndGenerate) {
    using namespace periph::timer;
    const fs::path examples = kRepository / "examples";
    std::set<std::string> found;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".sav")
            continue;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        found.insert(name);
        ASSERT_EQ(kTimers.count(name), 1u) << "an example for a device that is not shipped";
        folder.ui.messages.clear();
        folder.start();
        ASSERT_EQ(form().configuration().loadConfiguration(entry.path()), config::LoadOutcome::Loaded);
        ASSERT_EQ(folder.ui.messages.size(), 1u) << folder.ui.messages.back().caption;
        EXPECT_EQ(folder.ui.messages[0].caption, "Apply settings?");
        EXPECT_EQ(form().device().deviceName, name) << "the file is named after its device";

        const fs::path again = folder.dir.path() / "again.sav";
        ASSERT_TRUE(form().configuration().saveConfiguration(again));
        EXPECT_EQ(bytesOf(again), bytesOf(entry.path()));

        ASSERT_TRUE(control<model::CheckBox>(enableBoxName(0)).checked());
        const auto clockMHz = model::parseFloat(form().page<TimerPage>().timerClockEdit(0).text());
        const auto prescale = model::parseHex(control<model::NumericEdit>(prescaleEditName(0)).text());
        const auto match = model::parseHex(control<model::NumericEdit>(timerControl(0, "MR0")).text());
        ASSERT_TRUE(clockMHz && prescale && match);
        EXPECT_DOUBLE_EQ(*clockMHz * 1e6 / double(*prescale + 1) / double(*match + 1), 1000.0);

        form().Result_btnClick();
        const auto& lines = control<model::Memo>("Memo1").lines();
        EXPECT_NE(
            std::find(lines.begin(), lines.end(), "   MCR0.0 : reset, generate interrupt on compare match"),
            lines.end());
        EXPECT_NE(std::find(lines.begin(), lines.end(), kTimers.at(name)[0].init), lines.end());
        // Every example also enables an interrupt, converts on ADC0 and drives a serial port; the
        // result asks nothing.
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
            return line.find("VICIntEnable |=") != std::string::npos ||
                   line.find("NVIC_EnableIRQ(") != std::string::npos;
        }));
        EXPECT_EQ(folder.ui.messages.size(), 1u) << folder.ui.messages.back().text;
        EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(37, ' ') + "ADC0"), lines.end());
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
            return line.find("SPI") != std::string::npos || line.find("SSP") != std::string::npos;
        }));
        // ... and brings up UART0 at 115200 8N1 with its FIFOs, and I2C0 as a 100 kHz master.
        const auto starting = [&lines](const std::string& text) {
            return std::count_if(lines.begin(), lines.end(),
                                 [&](const std::string& line) { return line.rfind(text, 0) == 0; });
        };
        EXPECT_EQ(starting("   Baud rate: 115200 (actual "), 1);
        EXPECT_EQ(starting("   Frame: 8 data bits, no parity, 1 stop bit (8N1)"), 1);
        EXPECT_EQ(starting("   FIFOs enabled"), 1);
        EXPECT_EQ(starting("   Bit rate: 100 KHz, "), 1);
        EXPECT_EQ(form().collectProblems().count(periph::Severity::Error), 0);
    }
    // One example per family.
    EXPECT_EQ(found,
              (std::set<std::string>{"LPC1343", "LPC1768", "LPC1788", "LPC2148", "LPC2378", "LPC2478"}));
}

} // namespace
} // namespace regforge::profile
