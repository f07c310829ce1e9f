#include "IrqFixture.h"
#include "support/GeneratedText.h"

namespace regforge::periph::irq {
namespace {

const std::string kOpen = "/" + std::string(78, '*');
const std::string kRule(79, '*');

std::string bits32(int bit) {
    std::string b(32, '0');
    if (bit >= 0)
        b[static_cast<std::size_t>(31 - bit)] = '1';
    return "binary: " + b.substr(0, 8) + "_" + b.substr(8, 8) + "_" + b.substr(16, 8) + "_" + b.substr(24, 8);
}

class ExternalInterruptGeneratorTest : public IrqFixture {
protected:
    Lines mainLines() {
        ResultLists lists;
        page().generate(lists);
        return lists.mainLines;
    }
    // The main lines up to the interrupt controller's part.
    Lines triggerLines() {
        Lines all = mainLines();
        Lines out;
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i] == kOpen && i + 1 < all.size() &&
                all[i + 1].find("nterrupt initialization") != std::string::npos)
                break;
            out.push_back(all[i]);
        }
        return out;
    }
    void setState(const std::string& pin, int state, int image = -1) {
        auto& tree = gpioTree();
        for (int i = 0; i < tree.count(); ++i) {
            if (tree.node(i).text == pin) {
                tree.setStateIndex(i, state);
                if (image >= 0)
                    tree.setImageIndex(i, image);
                return;
            }
        }
        FAIL() << "no pin " << pin;
    }
};

TEST_F(ExternalInterruptGeneratorTest, Arm7RowWritesModePolarityWakeAndFlags) {
    load("vic_default");
    add("TIMER0");
    EXPECT_EQ(triggerLines(), Lines{}) << "no EINT in the list: not even the heading";

    add("EINT1");
    const auto& row = page().eintRow(1);
    row.mode->setItemIndex(1);
    row.polarity->setItemIndex(1);
    const Lines head = {
        kOpen,
        std::string(27, ' ') + "External interrupts",
        kRule,
        "    Ext. interrupt 1 mode: Edge sensitivity / Rising edge  / wake on interrupt 1 is Off",
        "*/",
        "    EXTMODE = 0x02;     /* binary: 00000010 */",
        "    EXTPOLAR = 0x02;     /* binary: 00000010 */"};
    Lines expected = head;
    expected.insert(expected.end(),
                    {"    INTWAKE = ( INTWAKE & 0xFFF0 ) | 0x0000;     /* binary: 00000000_00000000 */",
                     "    EXTINT = 0x02;     /* clear the external interrupt flags */", ""});
    EXPECT_EQ(triggerLines(), expected);

    row.wake->setChecked(true);
    expected = head;
    expected[3] = "    Ext. interrupt 1 mode: Edge sensitivity / Rising edge  / wake on interrupt 1 is On";
    expected.insert(expected.end(),
                    {"    INTWAKE = ( INTWAKE & 0xFFF0 ) | 0x0002;     /* binary: 00000000_00000010 */",
                     "    EXTINT = 0x02;     /* clear the external interrupt flags */", ""});
    EXPECT_EQ(triggerLines(), expected);
}

TEST_F(ExternalInterruptGeneratorTest, CortexM3RowsUseTheSystemControlBlockWithoutWakeUp) {
    load("nvic");
    add("EINT1", kVectorIrqButton);
    add("EINT2", kVectorIrqButton);
    page().eintRow(2).polarity->setItemIndex(1);
    EXPECT_EQ(triggerLines(),
              regforge::testing::expectedLines(
                  "ExternalInterruptGeneratorTest/CortexM3RowsUseTheSystemControlBlockWithoutWakeUp"));
}

TEST_F(ExternalInterruptGeneratorTest, TwoPortGpioInterruptsSetRisingAndFallingEnables) {
    for (const char* device : {"vic_default", "nvic"}) {
        SCOPED_TRACE(device);
        load(device);
        EXPECT_EQ(mainLines(), Lines{}) << "every pin disabled: nothing written";
        const bool arm7 = std::string(device) == "vic_default";
        const std::string port0 = arm7 ? "P0.5" : "P0.4";
        const std::string other = arm7 ? "P2.3" : "P2.10";
        const int bit0 = arm7 ? 5 : 4;
        const int bit2 = arm7 ? 3 : 10;
        const std::string prefix = arm7 ? "" : "LPC_GPIOINT->";
        setState(port0, kGpioBoth);
        setState(other, kGpioRising);
        const auto reg = [&](const std::string& name, int bit) {
            std::string hex = "0x00000000";
            if (bit >= 0) {
                const unsigned value = 1u << bit;
                static const char digits[] = "0123456789ABCDEF";
                for (int d = 0; d < 8; ++d)
                    hex[static_cast<std::size_t>(9 - d)] = digits[(value >> (4 * d)) & 0xF];
            }
            return "    " + prefix + name + " = " + hex + ";     /* " + bits32(bit) + " */";
        };
        EXPECT_EQ(mainLines(),
                  (Lines{kOpen, std::string(35, ' ') + "GPIO interrupts", kRule,
                         "    " + port0 + " : On both edges", "    " + other + " : On rising edge", "*/",
                         reg("IO0IntEnR", bit0), reg("IO0IntEnF", bit0), reg("IO2IntEnR", bit2),
                         reg("IO2IntEnF", -1), ""}));
    }
}

TEST_F(ExternalInterruptGeneratorTest, AFallingEdgePinSetsOnlyTheFallingEnable) {
    load("vic_default");
    setState("P0.5", kGpioFalling);
    const Lines lines = mainLines();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[3], "    P0.5 : On falling edge");
    EXPECT_EQ(lines[5], "    IO0IntEnR = 0x00000000;     /* " + bits32(-1) + " */");
    EXPECT_EQ(lines[6], "    IO0IntEnF = 0x00000020;     /* " + bits32(5) + " */");
}

TEST_F(ExternalInterruptGeneratorTest, APinWithoutItsPortsRegistersIsNamedInsteadOfWrittenElsewhere) {
    std::string text = fixtureText("edgelevel");
    for (const char* reg : {"LPC_GPIO1->IS\n", "LPC_GPIO1->IBE\n", "LPC_GPIO1->IEV\n", "LPC_GPIO1->IE\n"})
        text.erase(text.find(reg), std::string(reg).size());
    folder.addProfile("port0_only", text);
    folder.start();
    ASSERT_TRUE(folder.load("port0_only"));
    setState("P1.5", kGpioRising);
    try {
        mainLines();
        ADD_FAILURE() << "a P1 pin without P1 registers was written";
    } catch (const regforge::Error& e) {
        EXPECT_EQ(std::string(e.what()), "[IO_ISR] has no register for P1.5");
    }
}

TEST_F(ExternalInterruptGeneratorTest, EdgeLevelGpioInterruptsWriteEveryRegisterOfTheSection) {
    load("edgelevel");
    EXPECT_EQ(mainLines(), Lines{}) << "every pin disabled: nothing written";
    setState("P1.5", kGpioRising, kGpioLevelImage);
    setState("P0.1", kGpioFalling);
    EXPECT_EQ(mainLines(),
              regforge::testing::expectedLines(
                  "ExternalInterruptGeneratorTest/EdgeLevelGpioInterruptsWriteEveryRegisterOfTheSection"));

    setState("P0.1", kGpioBoth);
    setState("P1.5", kGpioBoth);
    const Lines lines = mainLines();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[3], "    P0.1 : Edge sensitive, on both edges");
    EXPECT_EQ(lines[4], "    P1.5 : Level sensitive, on both levels");
    EXPECT_EQ(lines[7], "    LPC_GPIO0->IBE = 0x00000002;     /* " + bits32(1) + " */");
    EXPECT_EQ(lines[11], "    LPC_GPIO1->IBE = 0x00000020;     /* " + bits32(5) + " */");
}

} // namespace
} // namespace regforge::periph::irq
