#include "core/periph/io/IoPageFixture.h"
#include "periph/io/PinState.h"

namespace regforge::periph::io {
namespace {

using model::MouseButton;
using model::TreeHitPart;
using PinIconHints = IoPageFixture;

// The hints follow the node: after each click the icon's hint names the new state and the next.
TEST_F(PinIconHints, StateIconSaysWhatItShowsAndWhatAClickDoes) {
    ASSERT_TRUE(load(fixture("pinsel.ini")));
    const auto hint = [this](int node) { return tree().iconHint(node, TreeHitPart::StateIcon); };
    EXPECT_EQ(hint(0), "Input - click for output");
    clickState(0);
    EXPECT_EQ(hint(0), "Output - click for input");
    EXPECT_EQ(hint(10), "Input only - the direction cannot change");
    EXPECT_EQ(hint(15), "Output only - the direction cannot change");
    EXPECT_EQ(hint(1), "Selected function - click another function to change it");
    EXPECT_EQ(hint(2), "Not selected - click to select this function");
    EXPECT_EQ(hint(4), "Not available - reserved or taken by another pin");
    clickState(2);
    EXPECT_EQ(hint(0), "Alternative function - choose the function below");
    EXPECT_EQ(tree().iconHint(0, TreeHitPart::Text), "");
    EXPECT_EQ(tree().iconHint(99, TreeHitPart::StateIcon), "");

    ASSERT_TRUE(load(fixture("iocon.ini")));
    clickState(10); // INV
    EXPECT_EQ(hint(10), "On - click to switch off");
    clickState(10);
    EXPECT_EQ(hint(10), "Off - click to switch on");
    ASSERT_TRUE(load("[PINSEL]\nR@P:PORT;A,B,C,D,E,F,G,\n[IOCON]\nI2CMODE,\n[IODIR]\nD,0\n[CORTEXM3]\n"
                     "[LPC13xx]\n[INCLUDE]\nx.h\n"));
    EXPECT_EQ(hint(9), "I2C mode 0, standard/fast mode - click for mode 1, standard I/O");
    clickState(9);
    EXPECT_EQ(hint(9), "I2C mode 1, standard I/O - click for mode 2, Fast-mode Plus");
    clickState(9);
    EXPECT_EQ(hint(9), "I2C mode 2, Fast-mode Plus - click for mode 0, standard/fast mode");
}

TEST_F(PinIconHints, PullModeIconNamesTheModeTheNextClickGives) {
    // PINSEL codes 0 (pull-up) and 3 (pull-down) alternate.
    ASSERT_TRUE(load(fixture("pinsel.ini")));
    const auto hint = [this](int node) { return tree().iconHint(node, TreeHitPart::Image); };
    EXPECT_EQ(hint(0), "Pull-up - click for pull-down");
    clickPull(0);
    EXPECT_EQ(hint(0), "Pull-down - click for pull-up");
    EXPECT_EQ(hint(20), "") << "a pin without pull mode has no icon";
    EXPECT_EQ(hint(1), "") << "nor has a function node";

    // IOCON codes in the cycle 2, 1, 0, 3 mean other modes.
    ASSERT_TRUE(load(fixture("iocon.ini")));
    const std::vector<std::string> expected = {
        "Pull-up - click for pull-down",
        "Pull-down - click for no pull resistor",
        "No pull resistor - click for repeater",
        "Repeater - click for pull-up",
    };
    for (const auto& text : expected) {
        EXPECT_EQ(hint(0), text);
        clickPull(0);
    }

    // Without pull modes the pins show no such icon.
    ASSERT_TRUE(load("[PINSEL]\nPINSEL0,1,0@P0.0:PORT0.0;A,B,C,\n[IODIR]\nIO0DIR,0\n[INCLUDE]\nx.h\n"));
    EXPECT_EQ(hint(0), "");
}

} // namespace
} // namespace regforge::periph::io
