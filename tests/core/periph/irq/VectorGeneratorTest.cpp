#include "IrqFixture.h"
#include "support/GeneratedText.h"

namespace regforge::periph::irq {
namespace {

const std::string kTop = "/" + std::string(78, '*');
const std::string kBottom = std::string(78, '*') + "/";
const std::string kIndent(18, ' ');

class VectorGeneratorTest : public IrqFixture {
protected:
    ResultLists generated() {
        ResultLists lists;
        page().generate(lists);
        return lists;
    }
    void setList(Lines entries) { slots().setItems(std::move(entries)); }
};

TEST_F(VectorGeneratorTest, VicFastInterruptOnlyWritesTheAdviceBlockAndTheDefaultHandler) {
    load("vic_default");
    setList(listWith(17, {{0, "TIMER0"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines,
              regforge::testing::expectedLines(
                  "VectorGeneratorTest/VicFastInterruptOnlyWritesTheAdviceBlockAndTheDefaultHandler"));
    EXPECT_EQ(lists.mainLines,
              regforge::testing::expectedLines(
                  "VectorGeneratorTest/VicFastInterruptOnlyWritesTheAdviceBlockAndTheDefaultHandler-2"));
}

TEST_F(VectorGeneratorTest, VicSlotsKeepTheirNumbersAcrossGapsAndCopyHandlerCode) {
    load("vic_default");
    setList(listWith(17, {{1, "UART0"}, {3, "TIMER1"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines,
              regforge::testing::expectedLines(
                  "VectorGeneratorTest/VicSlotsKeepTheirNumbersAcrossGapsAndCopyHandlerCode"));
    EXPECT_EQ(lists.mainLines,
              regforge::testing::expectedLines(
                  "VectorGeneratorTest/VicSlotsKeepTheirNumbersAcrossGapsAndCopyHandlerCode-2"));
}

TEST_F(VectorGeneratorTest, VicWithPrioritiesDescriptionsAndOwnDefaultHandler) {
    load("vic_fixed"); // [NOVICVECTCNT], [NOVICDEFVECTADDR], [ISR_DESC]
    setList(listWith(33, {{0, "UART0"}, {5, "TIMER0"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines,
              regforge::testing::expectedLines(
                  "VectorGeneratorTest/VicWithPrioritiesDescriptionsAndOwnDefaultHandler"));
    EXPECT_EQ(lists.mainLines,
              regforge::testing::expectedLines(
                  "VectorGeneratorTest/VicWithPrioritiesDescriptionsAndOwnDefaultHandler-2"));

    setList(listWith(33, {}));
    const auto none = generated();
    EXPECT_TRUE(none.functionLines.empty());
    EXPECT_TRUE(none.mainLines.empty()) << "no source chosen: nothing at all";
}

TEST_F(VectorGeneratorTest, VicSlotControlWithDescriptionsNamesTheDescription) {
    load("vic_described");
    setList(listWith(17, {{2, "UART0"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines[1], kIndent + "UART 0 service function");
    EXPECT_EQ(Lines(lists.mainLines.begin() + 4, lists.mainLines.end()),
              regforge::testing::expectedLines(
                  "VectorGeneratorTest/VicSlotControlWithDescriptionsNamesTheDescription"));
}

TEST_F(VectorGeneratorTest, NvicWritesInListOrderUpToTheFirstFreeEntry) {
    load("nvic");
    setList(listWith(36, {{0, "TIMER0"}, {1, "UART0_IRQn"}, {2, "NonMaskableInt"}, {4, "EINT1"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines, regforge::testing::expectedLines(
                                       "VectorGeneratorTest/NvicWritesInListOrderUpToTheFirstFreeEntry"));
    const std::string priority = "          /* Default priority group 0, can be 0(highest) - 31(lowest) */";
    EXPECT_EQ(lists.mainLines, regforge::testing::expectedLines(
                                   "VectorGeneratorTest/NvicWritesInListOrderUpToTheFirstFreeEntry-2"));

    setList(listWith(36, {{1, "TIMER0"}}));
    const auto none = generated();
    EXPECT_TRUE(none.functionLines.empty());
    EXPECT_TRUE(none.mainLines.empty()) << "a free first entry ends the list at once";
}

TEST_F(VectorGeneratorTest, NvicHandlerNamesAndDescriptionsComeFromTheProfile) {
    load("nvic_handlers");
    setList(listWith(17, {{0, "TIMER1"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines,
              regforge::testing::expectedLines(
                  "VectorGeneratorTest/NvicHandlerNamesAndDescriptionsComeFromTheProfile"));
    EXPECT_EQ(lists.mainLines[4], "   NVIC_EnableIRQ(TIMER1_IRQn);           /* Enable Timer 1 match */");
}

TEST_F(VectorGeneratorTest, SourcesSharingOneHandlerGetItWrittenOnce) {
    load("nvic_shared_handler");
    setList(listWith(58, {{0, "WAKEUP1"}, {1, "I2C"}, {2, "WAKEUP0"}}));
    const auto lists = generated();
    EXPECT_EQ(lists.functionLines, regforge::testing::expectedLines(
                                       "VectorGeneratorTest/SourcesSharingOneHandlerGetItWrittenOnce"));
    EXPECT_EQ(std::count(lists.mainLines.begin(), lists.mainLines.end(),
                         "   NVIC_EnableIRQ(WAKEUP0_IRQn);           /* Enable WAKEUP0 interrupt */"),
              1)
        << "each source is still enabled";
}

} // namespace
} // namespace regforge::periph::irq
