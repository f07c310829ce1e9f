#include "core/periph/io/IoPageFixture.h"
#include "model/CheckControls.h"
#include "periph/io/PinState.h"
#include "support/GeneratedText.h"

namespace regforge::periph::io {
namespace {

using model::MouseButton;
using model::TreeHitPart;
using PinTreeClicks = IoPageFixture;
using States = std::vector<int>;
using namespace pinstate;

// Exclusive functions on an IOCON device. Nodes: P0 = 0 (functions 1..8, INV option 9),
// P1 = 10 (functions 11..18), P2 = 19 (functions 20..27).
const std::string kExclusiveProfile =
    regforge::testing::fixtureText("input/PinTreeClicksTest/exclusiveProfile.ini");

TEST_F(PinTreeClicks, StateIconTogglesDirectionOnlyOnBidirectionalPins) {
    ASSERT_TRUE(load(fixture("pinsel.ini")));
    clickState(0);
    EXPECT_EQ(state(0), GpioOutput);
    EXPECT_EQ(tree().selected(), 0);
    clickState(0);
    clickState(10);
    clickState(15);
    tree().clickNode(0, TreeHitPart::Text); // a click on the text changes nothing
    EXPECT_EQ(statesOf({0, 10, 15}), (States{GpioInput, InputOnly, OutputOnly}));
}

TEST_F(PinTreeClicks, SelectingFunctionsMovesTheMarkAndThePinIcon) {
    ASSERT_TRUE(load(fixture("pinsel.ini")));
    clickState(0); // output
    clickState(3); // PWM1
    EXPECT_EQ(states(1, 4), (std::vector<int>{3, 3, 4, 13}));
    EXPECT_EQ(state(0), AlternativeFunction);
    EXPECT_TRUE(node(0).bold);
    EXPECT_TRUE(page().quickSelector().findByTag(60003)->checked);

    clickState(2); // TXD0
    EXPECT_EQ(states(1, 4), (std::vector<int>{3, 4, 3, 13}));
    EXPECT_FALSE(page().quickSelector().findByTag(60003)->checked);
    EXPECT_TRUE(page().quickSelector().findByTag(60002)->checked);

    clickState(4); // "Reserved" cannot be chosen
    EXPECT_EQ(state(4), FunctionUnavailable);

    clickState(1); // back to GPIO, as an input
    EXPECT_EQ(state(0), GpioInput);
    EXPECT_FALSE(node(0).bold);
    EXPECT_FALSE(page().quickSelector().findByTag(60002)->checked);
    clickState(0);
    clickState(1); // the GPIO function again: an output stays an output
    EXPECT_EQ(state(0), GpioOutput);

    // An input-only pin returns to its own icon.
    clickState(12);
    EXPECT_EQ(state(10), AlternativeFunction);
    clickState(11);
    EXPECT_EQ(state(10), InputOnly);
    EXPECT_TRUE(page().clicks().clickedPin().empty()) << "cleared after each click";
}

TEST_F(PinTreeClicks, PinIconShowsReservedAndGpioAtSecondPosition) {
    ASSERT_TRUE(load("[PINSEL]\n"
                     "PINSEL0,1,0@PX:FN0,Reserved;A,B,\n"
                     "PINSEL0,3,2@PY:FN0,PORTY;A,B,\n"
                     "PINSEL0,5,4@PZ:PORTZ;A,B,C,\n"
                     "[IODIR]\nIO0DIR,0\nIO0DIR,1,O\nIO0DIR,2\n[INCLUDE]\nx.h\n"));
    clickState(10); // any state-icon click refreshes every pin
    // GPIO at position 1 counts as GPIO.
    EXPECT_EQ(statesOf({0, 5, 10}), (States{ReservedSelected, OutputOnly, GpioOutput}));
    EXPECT_TRUE(node(0).bold);
    EXPECT_FALSE(node(5).bold);
}

TEST_F(PinTreeClicks, PinsSharingARegisterFieldSwitchTogether) {
    ASSERT_TRUE(load("[PINSEL]\n"
                     "PINSEL1,23,22@P0.27:PORT0.27;AD0.0,CAP0.1,MAT0.1,\n"
                     "PINSEL1,25,24@P0.28:PORT0.28;AD0.1,CAP0.2,MAT0.2,\n"
                     "PINSEL1,23,22@P0.29:PORT0.29;AD0.0b,CAP0.1b,MAT0.1b,\n"
                     "[IODIR]\nIO0DIR,27\nIO0DIR,28\nIO0DIR,29\n[INCLUDE]\nx.h\n"));
    clickState(4); // MAT0.1 on P0.27
    EXPECT_EQ(states(11, 14), (std::vector<int>{3, 3, 3, 4}));
    EXPECT_EQ(state(10), AlternativeFunction);
    EXPECT_TRUE(node(10).bold);
    EXPECT_EQ(states(6, 9), (std::vector<int>{4, 3, 3, 3})) << "another field is left alone";
    clickState(11); // and back through the other pin
    EXPECT_EQ(states(1, 4), (std::vector<int>{4, 3, 3, 3}));
    EXPECT_EQ(state(0), GpioInput);
}

TEST_F(PinTreeClicks, ExclusiveFunctionIsGreyedElsewhereAndReleased) {
    ASSERT_TRUE(load(kExclusiveProfile));
    clickState(2); // TXD3 on P0
    EXPECT_EQ(statesOf({2, 13, 21}), (States{FunctionSelected, FunctionUnavailable, FunctionUnavailable}));
    EXPECT_EQ(page().clicks().takenExclusiveFunctions(), (std::vector<std::string>{"TXD3"}));
    EXPECT_EQ(page().clicks().takenExclusivePins(), (std::vector<std::string>{"P0"}));

    clickState(13); // taken: P1 cannot have it
    EXPECT_EQ(statesOf({13, 11}), (States{FunctionUnavailable, FunctionSelected}));

    // Clicks that choose no other function keep the exclusive function where it is.
    clickState(9); // the INV option of P0
    clickState(5); // a "Reserved" of P0
    clickState(0); // the pin itself
    EXPECT_EQ(statesOf({2, 13}), (States{FunctionSelected, FunctionUnavailable}));
    EXPECT_EQ(page().clicks().takenExclusivePins().size(), 1u);

    clickState(3); // SDA1 on P0 releases TXD3
    EXPECT_EQ(statesOf({2, 3, 13, 21}), (States{FunctionFree, FunctionSelected, FunctionFree, FunctionFree}));
    EXPECT_TRUE(page().clicks().takenExclusiveFunctions().empty());
    EXPECT_EQ(page().clicks().releasedExclusive(), -1);
}

TEST_F(PinTreeClicks, SwitchingBetweenExclusiveFunctionsReleasesTheFirst) {
    ASSERT_TRUE(load(kExclusiveProfile));
    clickState(2); // TXD3 on P0
    clickState(8); // EX7, the eighth function, on P0
    EXPECT_EQ(statesOf({13, 21, 18, 27}),
              (States{FunctionFree, FunctionFree, FunctionUnavailable, FunctionUnavailable}));
    EXPECT_EQ(page().clicks().takenExclusiveFunctions(), (std::vector<std::string>{"EX7"}));
    clickState(20); // PORT2 on P2 is no exclusive function: P0 keeps EX7
    EXPECT_EQ(state(27), FunctionUnavailable);
    clickState(21); // TXD3 is free again for P2
    EXPECT_EQ(statesOf({21, 2}), (States{FunctionSelected, FunctionUnavailable}));
}

TEST_F(PinTreeClicks, OptionBoxesToggleAndI2cModeCycles) {
    ASSERT_TRUE(load(fixture("iocon.ini")));
    clickState(10); // INV
    EXPECT_EQ(state(10), OptionOn);
    clickState(10);
    EXPECT_EQ(state(10), OptionOff);

    ASSERT_TRUE(load("[PINSEL]\nR@P:PORT;A,B,C,D,E,F,G,\n[IOCON]\nI2CMODE,\n[IODIR]\nD,0\n[CORTEXM3]\n"
                     "[LPC13xx]\n[INCLUDE]\nx.h\n"));
    const std::vector<std::pair<int, std::string>> cycle = {
        {I2cModeStandardIo, "I2CMODE: Standard I/O functionality"},
        {I2cModeFastPlus, "I2CMODE: Fast-mode Plus I2C"},
        {I2cModeStandardFast, "I2CMODE: Standard mode/ Fast-mode I2C"},
    };
    for (const auto& [value, text] : cycle) {
        clickState(9);
        EXPECT_EQ(state(9), value);
        EXPECT_EQ(node(9).text, text);
    }
}

TEST_F(PinTreeClicks, PullModeClicksFollowTheProfileCycle) {
    // Two codes, 0 and 3: clicks alternate pull-up and pull-down.
    ASSERT_TRUE(load(fixture("pinsel.ini")));
    clickPull(0);
    EXPECT_EQ(node(0).selectedIndex, 4);
    std::vector<int> seen = {image(0)};
    clickPull(0);
    seen.push_back(image(0));
    tree().nodeDoubleClicked.emit(tree(), 0, TreeHitPart::Image);
    seen.push_back(image(0));
    clickPull(0, MouseButton::Right); // c1 -> c2 on PINSEL devices
    seen.push_back(image(0));
    clickPull(20); // no pull mode: no icon, no change
    clickPull(1);  // function nodes have no pull mode
    seen.insert(seen.end(), {image(20), image(1)});
    EXPECT_EQ(seen, (std::vector<int>{4, 1, 4, 1, -1, -1}));

    // Four codes on an IOCON device: 2, 1, 0, 3.
    ASSERT_TRUE(load(fixture("iocon.ini")));
    seen.clear();
    for (int i = 0; i < 4; ++i) {
        clickPull(0);
        seen.push_back(image(0));
    }
    for (int i = 0; i < 3; ++i) { // c0 -> c2 -> c1 -> c2
        clickPull(0, MouseButton::Right);
        seen.push_back(image(0));
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 1, 4, 3, 1, 2, 1}));
}

// The keyboard and the context menu offer on each node what its clicks do, and run those clicks:
// the pull-mode keys work from any node of a pin and leave that node selected.
TEST_F(PinTreeClicks, TreeActionsOfferAndRunTheClicksOfTheNode) {
    ASSERT_TRUE(load(fixture("pinsel.ini")));
    const auto captions = [&](int n) {
        std::string text;
        for (const model::TreeAction& action : tree().actions(n))
            text += action.caption + " [" + action.keys.front() + "]; ";
        return text;
    };
    EXPECT_EQ(captions(0), "Make it an output [Space]; Next pull mode [P]; Swap pull mode [Shift+P]; ");
    EXPECT_EQ(captions(3), "Select this function [Space]; Next pull mode [P]; Swap pull mode [Shift+P]; ");
    EXPECT_EQ(captions(4), "Next pull mode [P]; Swap pull mode [Shift+P]; ") << "Reserved cannot be chosen";
    EXPECT_EQ(captions(20), "Make it an output [Space]; ") << "a pin without pull mode";

    tree().chooseAction(0, kChooseAction);
    EXPECT_EQ(state(0), GpioOutput);
    tree().chooseAction(3, kChooseAction);
    EXPECT_EQ(states(1, 4), (std::vector<int>{3, 3, 4, 13}));
    EXPECT_EQ(tree().selected(), 3);
    tree().chooseAction(3, kNextPullMode);
    EXPECT_EQ(image(0), 4);
    tree().chooseAction(1, kSwapPullMode);
    EXPECT_EQ(image(0), 1);
    EXPECT_EQ(tree().selected(), 1);
}

TEST_F(PinTreeClicks, RightClickOn175xSwapsBetweenFirstAndLastCode) {
    ASSERT_TRUE(load("[PINSEL]\nLPC_PINCON->PINSEL0,1,0@P0.0:PORT0.0;A,B,C,\n[IODIR]\nLPC_GPIO0->FIODIR,0\n"
                     "[PINMODE]\n0\n2\n3\n1\n[LPC175x]\n[CORTEXM3]\n[INCLUDE]\nx.h\n"));
    clickPull(0, MouseButton::Right);
    EXPECT_EQ(image(0), 2);
    clickPull(0, MouseButton::Right);
    EXPECT_EQ(image(0), 1);
}

TEST_F(PinTreeClicks, DeviceWithoutPullModesIgnoresPullClicks) {
    ASSERT_TRUE(load("[PINSEL]\nPINSEL0,1,0@P0.0:PORT0.0;A,B,C,\n[IODIR]\nIO0DIR,0\n[INCLUDE]\nx.h\n"));
    clickPull(0);
    clickPull(0, MouseButton::Right);
    EXPECT_EQ(image(0), 1);
}

TEST_F(PinTreeClicks, IconsNeverFoldAPin) {
    ASSERT_TRUE(load(fixture("pinsel.ini")));
    EXPECT_FALSE(page().IO_TreeviewCollapsing(TreeHitPart::StateIcon));
    EXPECT_FALSE(page().IO_TreeviewCollapsing(TreeHitPart::Image));
    EXPECT_TRUE(page().IO_TreeviewCollapsing(TreeHitPart::Text));
    EXPECT_TRUE(page().IO_TreeviewCollapsing(TreeHitPart::Button));
}

TEST_F(PinTreeClicks, QuickSelectorMarksGroupsAndJumpsToTheFunction) {
    ASSERT_TRUE(load(fixture("pinsel.ini")));
    int popups = 0;
    page().popupRequested.connect([&](model::Control& popup) {
        EXPECT_EQ(popup.name(), "QuickSelectPopup");
        ++popups;
    });
    clickState(13); // CAP0.0 on P0.2
    control<model::Control>("QuickSelectorButton").click();
    EXPECT_EQ(popups, 1);
    EXPECT_TRUE(control<model::MenuItem>("CAPpopup").checked());
    EXPECT_FALSE(control<model::MenuItem>("UARTpopup").checked());
    clickState(11);
    page().QuickSelectPopupPopup();
    EXPECT_FALSE(control<model::MenuItem>("CAPpopup").checked());

    tree().setExpanded(0, true);
    int scrolledTo = -1;
    tree().scrollRequested.connect([&](int index) { scrolledTo = index; });
    tree().setSelected(1);
    page().QuickSelectEntryClick(60019); // MAT0.1 on P0.27
    EXPECT_FALSE(node(0).expanded);
    EXPECT_TRUE(node(15).expanded);
    EXPECT_EQ(scrolledTo, 19);
    EXPECT_EQ(tree().selected(), 19) << "the function node, not the pin or its first function";
}

} // namespace
} // namespace regforge::periph::io
