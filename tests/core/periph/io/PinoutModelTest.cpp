#include "app/MainForm.h"
#include "model/CheckControls.h"
#include "model/Tree.h"
#include "periph/io/IoPage.h"
#include "periph/io/PinState.h"
#include "support/GeneratedText.h"
#include "support/ProgramFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace regforge::periph::io {
namespace {

// A profile of the shipped library, byte for byte.
std::string shippedProfile(const std::string& name) {
    return regforge::testing::fixtureText("../../data/include/" + name + ".ini");
}

class PinoutModelTest : public ::testing::Test {
protected:
    PinoutModelTest() {
        folder.addProfile("LPC2148", shippedProfile("LPC2148"));
        folder.addProfile("LPC2129", shippedProfile("LPC2129"));
        folder.addProfile("LPC2478", shippedProfile("LPC2478"));
        folder.start();
        EXPECT_TRUE(folder.load("LPC2148"));
    }
    IoPage& page() { return folder.form().page<IoPage>(); }
    PinoutModel& pinout() {
        folder.form().refreshTitle();
        page().pinout().refresh(folder.form().problems());
        return page().pinout();
    }
    std::size_t pin(const std::string& name) {
        const auto& pins = pinout().pins();
        for (std::size_t i = 0; i < pins.size(); ++i)
            if (pins[i].name == name)
                return i;
        return pins.size();
    }
    const PinoutPin& at(const std::string& name) { return pinout().pins()[pin(name)]; }
    std::size_t function(const std::string& name, const std::string& text) {
        const auto& functions = at(name).functions;
        return static_cast<std::size_t>(std::find(functions.begin(), functions.end(), text) -
                                        functions.begin());
    }
    // The pin's chosen function as the pin tree shows it.
    std::string treeChoice(const std::string& name) {
        const model::Tree& tree = page().tree();
        for (int i = 0; i < tree.count(); ++i)
            if (tree.node(i).level == 0 && tree.node(i).text == name)
                for (int f : tree.childrenOf(i))
                    if (tree.node(f).stateIndex == pinstate::FunctionSelected)
                        return tree.node(f).text;
        return {};
    }

    testing::ProgramFolder folder;
};

TEST_F(PinoutModelTest, EachPinSetUpHasItsStateAndAChoiceIsTheTreesChoice) {
    ASSERT_TRUE(pinout().package());
    EXPECT_EQ(pinout().package()->package, "LQFP64");
    EXPECT_EQ(pinout().pins().size(), 64u);
    EXPECT_TRUE(pinout().unnumbered().empty());
    EXPECT_EQ(at("P0.0").number, "19");
    EXPECT_EQ(at("P0.0").functions, (std::vector<std::string>{"PORT0.0", "TXD0", "PWM1", "Reserved"}));

    struct Case {
        const char* pin;
        PinUse use;
    };
    // As loaded: port pins at reset, the JTAG group on the debug port, supply pins fixed.
    for (const Case& c : {Case{"P0.0", PinUse::Unused}, Case{"P1.27", PinUse::Debug},
                          Case{"VSS", PinUse::Fixed}, Case{"RESET", PinUse::Fixed}})
        EXPECT_EQ(at(c.pin).use, c.use) << c.pin;

    ASSERT_TRUE(pinout().choose(pin("P0.0"), function("P0.0", "TXD0")));
    EXPECT_EQ(treeChoice("P0.0"), "TXD0") << "the same state the tree's click changes";
    EXPECT_EQ(at("P0.0").use, PinUse::Problem);
    EXPECT_EQ(at("P0.0").problem, "P0.0 is routed to TXD0 but UART0 is off");
    folder.form().store().get<model::CheckBox>("UART0_CheckBox").setChecked(true);
    EXPECT_EQ(at("P0.0").use, PinUse::Unit);
    EXPECT_EQ(at("P0.0").choice, 1);

    ASSERT_TRUE(pinout().choose(pin("P0.0"), 0));
    EXPECT_EQ(at("P0.0").use, PinUse::Unused);
    ASSERT_TRUE(pinout().toggleDirection(pin("P0.0")));
    EXPECT_EQ(at("P0.0").use, PinUse::GpioOut);
    EXPECT_FALSE(pinout().toggleDirection(pin("VSS")));
    EXPECT_FALSE(pinout().choose(pin("VSS"), 0));

    // Taking the JTAG group from the debugger: the list names every pin of it.
    ASSERT_TRUE(pinout().choose(pin("P1.27"), 0));
    for (const char* jtag : {"P1.26", "P1.27", "P1.31"})
        EXPECT_EQ(at(jtag).use, PinUse::Problem) << jtag;
    ASSERT_TRUE(pinout().choose(pin("P1.27"), 1));
    EXPECT_EQ(at("P1.26").use, PinUse::Debug);

    for (PinUse use : kPinUses)
        EXPECT_NE(pinUseColour(use), pinUseColour(use == PinUse::Fixed ? PinUse::Unused : PinUse::Fixed));
}

// The LQFP64 runs 1-16 down the left, 17-32 along the bottom, 33-48 up the right, 49-64 leftwards
// along the top: the arrows follow the drawing, Tab the pins that have functions.
TEST_F(PinoutModelTest, TheKeyboardReachesEveryPinAsDrawn) {
    using M = PinoutMove;
    EXPECT_EQ(pinout().focused(), -1);
    ASSERT_TRUE(pinout().moveFocus(M::Down));
    EXPECT_EQ(pinout().focused(), 0) << "the first key lands on pin 1";
    struct Case {
        const char* from;
        M move;
        const char* to; // "" when the focus stays
    };
    for (const Case& c : {Case{"1", M::Down, "2"}, Case{"1", M::Up, "64"}, Case{"1", M::Right, "48"},
                          Case{"1", M::Left, ""}, Case{"16", M::Down, "17"}, Case{"17", M::Up, "64"},
                          Case{"17", M::Right, "18"}, Case{"17", M::Down, ""}, Case{"33", M::Up, "34"},
                          Case{"33", M::Left, "16"}, Case{"49", M::Left, "50"}, Case{"49", M::Down, "32"},
                          Case{"2", M::NextSettable, "4"}, Case{"5", M::NextSettable, "8"},
                          Case{"8", M::PreviousSettable, "4"}, Case{"64", M::NextSettable, ""},
                          Case{"30", M::First, "1"}, Case{"30", M::Last, "64"}, Case{"64", M::Next, "1"}}) {
        pinout().setFocused(std::stoi(c.from) - 1);
        EXPECT_EQ(pinout().moveFocus(c.move), *c.to != '\0') << c.from << " " << static_cast<int>(c.move);
        EXPECT_EQ(pinout().pins()[static_cast<std::size_t>(pinout().focused())].number, *c.to ? c.to : c.from)
            << c.from << " " << static_cast<int>(c.move);
    }
    pinout().setFocused(static_cast<int>(pin("P0.0")));
    ASSERT_TRUE(pinout().choose(pin("P0.0"), function("P0.0", "TXD0")));
    EXPECT_EQ(pinout().focused(), static_cast<int>(pin("P0.0"))) << "a refresh keeps the pin";
}

TEST_F(PinoutModelTest, APartWithoutPackageNumbersHasNoOutlineAndUnlistedPinsAreFixed) {
    ASSERT_TRUE(folder.load("LPC2129"));
    EXPECT_FALSE(pinout().package());
    EXPECT_TRUE(pinout().pins().empty());

    // The LQFP208 list names the 160 port pins of its 208: every number in order, the rest unnamed.
    ASSERT_TRUE(folder.load("LPC2478"));
    const auto& pins = pinout().pins();
    ASSERT_EQ(pins.size(), 208u);
    for (std::size_t k = 0; k < pins.size(); ++k)
        EXPECT_EQ(pins[k].number, std::to_string(k + 1));
    EXPECT_EQ(pins[93].name, "P0.0");
    EXPECT_EQ(std::count_if(pins.begin(), pins.end(), [](const PinoutPin& p) { return p.name.empty(); }), 48);
    EXPECT_EQ(pins[1].use, PinUse::Fixed);
    EXPECT_TRUE(pinout().unnumbered().empty());
}

} // namespace
} // namespace regforge::periph::io
