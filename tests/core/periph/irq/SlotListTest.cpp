#include "IrqFixture.h"

namespace regforge::periph::irq {
namespace {

class SlotListTest : public IrqFixture {};

TEST_F(SlotListTest, VicDeviceWithoutVectorCountHasSixteenSlotsAndMovableEntries) {
    folder.start();
    EXPECT_EQ(get(kSlotLegend).caption(), "0 - 31 = Vectored IRQ slots") << "before any device";
    EXPECT_EQ(get(kFiqLegend).caption(), "-1 = Fast Interrupt reQuest (FIQ)");
    load("vic_default");
    EXPECT_EQ(slots().count(), 17);
    EXPECT_TRUE(slots().numbersShown());
    EXPECT_EQ(slots().numberOffset(), -1);
    EXPECT_EQ(get(kSlotLegend).caption(), "0 - 15 = Vectored IRQ slots");
    EXPECT_EQ(get(kSourcesLabel).caption(), "Available interrupt sources ( Red=Vector IRQ, Blue=FIQ)");
    EXPECT_EQ(sources().items(),
              (Lines{"WDT", "TIMER0", "TIMER1", "UART0", "EINT0", "EINT1", "EINT2", "EINT3"}));
    EXPECT_EQ(sources().tag(), -1);
    EXPECT_TRUE(get(kMoveUpButton).visible());
    EXPECT_TRUE(get(kInfoLabels[2]).visible());
    EXPECT_FALSE(get(kFastIrqButton).visible());
    EXPECT_FALSE(get(kVectorIrqButton).visible());
    EXPECT_TRUE(get(kFiqLegend).visible());
    EXPECT_TRUE(get(kEintGroup).visible());
    EXPECT_TRUE(gpioTree().visible());
    EXPECT_FALSE(get(kGpioLegendLevels).visible());
    ASSERT_EQ(gpioTree().count(), 3);
    EXPECT_EQ(gpioTree().node(2).text, "P2.3");
    EXPECT_EQ(gpioTree().node(2).stateIndex, kGpioDisabled);
    EXPECT_EQ(gpioTree().node(2).imageIndex, -1);
}

TEST_F(SlotListTest, AddFillsVectorSlotsAndTheFastEntryOnlyWhenSelected) {
    load("vic_default");
    add("TIMER0");
    add("UART0");
    EXPECT_EQ(entries(), listWith(17, {{1, "TIMER0"}, {2, "UART0"}}));
    add("TIMER0");
    EXPECT_EQ(entries(), listWith(17, {{1, "TIMER0"}, {2, "UART0"}})) << "a listed source is not added twice";

    selectOnly({0});
    add("WDT");
    EXPECT_EQ(entries()[0], "WDT");
    EXPECT_FALSE(slots().selected(0));

    // A used selected entry is passed over: the first selected free one takes the source.
    selectOnly({1, 5, 7});
    add("TIMER1");
    EXPECT_EQ(entries()[5], "TIMER1");
    EXPECT_FALSE(slots().selected(1));
    EXPECT_FALSE(slots().selected(5));

    EXPECT_EQ(sources().itemStyle(0), (model::ItemStyle{0x0F8FEE, true})) << "the fast source is blue";
    EXPECT_EQ(sources().itemStyle(1), (model::ItemStyle{model::kRed, true}));
    EXPECT_EQ(sources().itemStyle(4), model::ItemStyle{});
}

TEST_F(SlotListTest, MoveUpAndDownCarryTheSelectionAcrossTheFastEntry) {
    load("vic_default");
    add("TIMER0");
    add("UART0");
    selectOnly({1});
    // Moving into or out of the fast entry changes a source's colour: the list is redrawn.
    int redraws = 0;
    sources().viewChanged.connect(
        [&](const model::Control&, model::Aspect aspect, int) { redraws += aspect == model::Aspect::Items; });
    press(kMoveUpButton);
    EXPECT_GT(redraws, 0);
    EXPECT_EQ(entries(), listWith(17, {{0, "TIMER0"}, {2, "UART0"}}));
    EXPECT_TRUE(slots().selected(0));
    EXPECT_FALSE(slots().selected(1));
    press(kMoveUpButton);
    EXPECT_EQ(entries()[0], "TIMER0") << "the first entry stays";

    redraws = 0;
    press(kMoveDownButton);
    EXPECT_GT(redraws, 0);
    press(kMoveDownButton);
    EXPECT_EQ(entries(), listWith(17, {{1, "UART0"}, {2, "TIMER0"}}));
    EXPECT_TRUE(slots().selected(2));
    EXPECT_FALSE(slots().selected(1)) << "the selection moved with the entry";
    EXPECT_FALSE(slots().selected(0));

    // A selected block moves as one.
    selectOnly({1, 2});
    press(kMoveUpButton);
    EXPECT_EQ(entries(), listWith(17, {{0, "UART0"}, {1, "TIMER0"}}));
    EXPECT_TRUE(slots().selected(0) && slots().selected(1) && !slots().selected(2));
}

TEST_F(SlotListTest, ExternalInterruptRowsFollowTheirSourcesInTheList) {
    load("vic_default");
    const auto& row = page().eintRow(2);
    EXPECT_FALSE(row.mode->enabled());
    add("EINT2");
    EXPECT_TRUE(row.mode->enabled());
    EXPECT_TRUE(row.polarity->enabled());
    EXPECT_TRUE(row.label->enabled());
    EXPECT_TRUE(row.wake->enabled());
    EXPECT_FALSE(page().eintRow(1).mode->enabled());

    row.mode->setItemIndex(1);
    EXPECT_EQ(row.polarity->items(), (Lines{"Falling edge", "Rising edge"}));
    row.polarity->setItemIndex(1);
    row.mode->setItemIndex(0);
    EXPECT_EQ(row.polarity->items(), (Lines{"Active low", "Active high"}));
    EXPECT_EQ(row.polarity->itemIndex(), 0);

    selectOnly({1});
    press(kFreeButton);
    EXPECT_EQ(entries(), listWith(17, {}));
    EXPECT_FALSE(row.mode->enabled());
    EXPECT_FALSE(row.polarity->enabled());
    EXPECT_FALSE(row.label->enabled());
    EXPECT_FALSE(row.wake->enabled());

    // A new device load puts every row back.
    add("EINT3");
    row.mode->setItemIndex(1);
    page().eintRow(3).wake->setChecked(true);
    ASSERT_TRUE(folder.load("vic_default"));
    EXPECT_FALSE(page().eintRow(3).mode->enabled());
    EXPECT_FALSE(page().eintRow(3).wake->checked());
    EXPECT_EQ(row.polarity->items(), (Lines{"Active low", "Active high"}));
}

TEST_F(SlotListTest, FixedSlotsTakeTheChannelAndTheFastEntrySwapsBack) {
    // Loaded last, into the same window: one without descriptions, one with other channels.
    folder.addProfile("vic_default", fixtureText("vic_default"));
    std::string moved = fixtureText("vic_fixed");
    moved.replace(moved.find("4,TIMER0"), 8, "10,TIMER0");
    folder.addProfile("vic_fixed_moved", moved);
    std::string unnumbered = fixtureText("vic_fixed");
    unnumbered.insert(unnumbered.find("0,WDT"), "SPARE\n"); // a source line without a channel
    folder.addProfile("vic_fixed_unnumbered", unnumbered);
    load("vic_fixed");
    EXPECT_EQ(slots().count(), 33);
    EXPECT_EQ(get(kSlotLegend).caption(), "0 - 31 = Vectored IRQ slots");
    EXPECT_TRUE(get(kFastIrqButton).visible());
    EXPECT_TRUE(get(kVectorIrqButton).visible());
    EXPECT_FALSE(get(kMoveUpButton).visible());
    EXPECT_FALSE(get(kInfoLabels[1]).visible());
    EXPECT_FALSE(gpioTree().visible());

    add("TIMER1", kVectorIrqButton);
    EXPECT_EQ(entries()[6], "TIMER1");
    int redraws = 0;
    sources().viewChanged.connect(
        [&](const model::Control&, model::Aspect aspect, int) { redraws += aspect == model::Aspect::Items; });
    add("TIMER0", kFastIrqButton);
    EXPECT_GT(redraws, 0) << "the fast source turns blue in the list";

    EXPECT_EQ(entries()[0], "TIMER0");
    add("UART0", kFastIrqButton);
    EXPECT_EQ(entries(), listWith(33, {{0, "UART0"}, {5, "TIMER0"}, {6, "TIMER1"}}))
        << "the previous fast source goes back to its slot";
    add("UART0", kFastIrqButton);
    EXPECT_EQ(entries(), listWith(33, {{0, "UART0"}, {5, "TIMER0"}, {6, "TIMER1"}}))
        << "the fast source made fast again stays the only fast one";
    add("UART0", kVectorIrqButton);
    EXPECT_EQ(entries(), listWith(33, {{5, "TIMER0"}, {6, "TIMER1"}, {7, "UART0"}}));

    EXPECT_EQ(get(kDescriptionLabel).caption(), "UART 0");
    sources().setText("WDT");
    EXPECT_EQ(get(kDescriptionLabel).caption(), "Watchdog");
    ASSERT_TRUE(folder.load("vic_default")); // no descriptions
    EXPECT_EQ(get(kDescriptionLabel).caption(), "") << "a new device's list starts without a description";
    sources().setText("WDT");
    EXPECT_EQ(get(kDescriptionLabel).caption(), "") << "nothing is left of the last device's descriptions";

    ASSERT_TRUE(folder.load("vic_fixed_moved"));
    add("TIMER0", kVectorIrqButton);
    EXPECT_EQ(entries()[11], "TIMER0") << "the channel of this device, not of an earlier one";

    ASSERT_TRUE(folder.load("vic_fixed_unnumbered"));
    add("TIMER0", kVectorIrqButton);
    EXPECT_EQ(entries()[5], "TIMER0") << "a line without a channel shifts no other source";

    EXPECT_FALSE(page().eintRow(1).mode->enabled());
    add("EINT1", kFastIrqButton);
    EXPECT_TRUE(page().eintRow(1).mode->enabled()) << "a fast external interrupt opens its row";
}

TEST_F(SlotListTest, NvicListIsFilledFromTheTopAndCompactedOnFree) {
    load("nvic");
    EXPECT_EQ(slots().count(), 36);
    EXPECT_FALSE(slots().numbersShown());
    EXPECT_FALSE(get(kFastIrqButton).visible());
    EXPECT_TRUE(get(kVectorIrqButton).visible());
    EXPECT_FALSE(get(kFiqLegend).visible());
    EXPECT_EQ(get(kSourcesLabel).caption(), "Available interrupt sources ( click button to add )");

    add("TIMER0", kVectorIrqButton);
    add("EINT1", kVectorIrqButton);
    add("UART0_IRQn", kVectorIrqButton);
    EXPECT_EQ(entries(), listWith(36, {{0, "TIMER0"}, {1, "EINT1"}, {2, "UART0_IRQn"}}));
    EXPECT_EQ(sources().itemStyle(1), (model::ItemStyle{model::kRed, true})) << "every entry is red on NVIC";
    EXPECT_TRUE(page().eintRow(1).mode->enabled());
    EXPECT_FALSE(page().eintRow(1).wake->enabled()) << "no wake-up on Cortex-M3";

    selectOnly({1});
    press(kFreeButton);
    EXPECT_EQ(entries(), listWith(36, {{0, "TIMER0"}, {1, "UART0_IRQn"}}));
    EXPECT_FALSE(page().eintRow(1).mode->enabled());

    // The plain add button must not leave the top entry free: the NVIC code stops there.
    selectOnly({0});
    press(kFreeButton);
    add("EINT1", kAddButton);
    EXPECT_EQ(entries(), listWith(36, {{0, "UART0_IRQn"}, {1, "EINT1"}}));
}

TEST_F(SlotListTest, GpioTreeStatesCycleAndEdgeLevelImagesToggle) {
    load("edgelevel");
    EXPECT_FALSE(get(kEintGroup).visible());
    EXPECT_TRUE(get(kGpioLegendEdgeLevel).visible());
    EXPECT_EQ(gpioTree().imageList(), kGpioImageList);
    ASSERT_EQ(gpioTree().count(), 2);
    EXPECT_EQ(gpioTree().node(1).imageIndex, kGpioEdgeImage);

    gpioTree().clickNode(1, model::TreeHitPart::StateIcon);
    EXPECT_EQ(gpioTree().node(1).stateIndex, kGpioFalling);
    gpioTree().nodeDoubleClicked.emit(gpioTree(), 1, model::TreeHitPart::StateIcon);
    gpioTree().setSelected(1);
    gpioTree().pressKey(' ');
    EXPECT_EQ(gpioTree().node(1).stateIndex, kGpioRising);
    gpioTree().pressKey(' ');
    EXPECT_EQ(gpioTree().node(1).stateIndex, kGpioDisabled);
    gpioTree().clickNode(1, model::TreeHitPart::StateIcon, model::MouseButton::Right);
    gpioTree().clickNode(1, model::TreeHitPart::Text);
    EXPECT_EQ(gpioTree().node(1).stateIndex, kGpioDisabled);

    gpioTree().clickNode(1, model::TreeHitPart::Image);
    EXPECT_EQ(gpioTree().node(1).imageIndex, kGpioLevelImage);
    gpioTree().clickNode(1, model::TreeHitPart::Image);
    EXPECT_EQ(gpioTree().node(1).imageIndex, kGpioEdgeImage);

    // EINT sources never enable rows the device does not show.
    load("vic_default");
    EXPECT_EQ(gpioTree().imageList(), "");
}

} // namespace
} // namespace regforge::periph::irq
