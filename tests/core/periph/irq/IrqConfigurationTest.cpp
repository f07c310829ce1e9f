#include "IrqFixture.h"
#include "app/ConfigurationCommands.h"
#include "io/TextFile.h"
#include "periph/ResultLists.h"
#include "support/GeneratedText.h"

#include <algorithm>
#include <filesystem>

namespace regforge::periph::irq {
namespace {

class IrqConfigurationTest : public IrqFixture {
protected:
    std::filesystem::path saved() {
        const auto path = folder.dir.path() / "irq.sav";
        EXPECT_TRUE(folder.form().configuration().saveConfiguration(path));
        return path;
    }
    config::LoadOutcome restore(const std::filesystem::path& path) {
        return folder.form().configuration().loadConfiguration(path);
    }
    static Lines fileLines(const std::filesystem::path& path) { return io::readLines(path).lines; }
    static void writeLines(const std::filesystem::path& path, const Lines& lines) {
        std::string text;
        for (const auto& line : lines)
            text += line + "\r\n";
        io::writeBytes(path, text);
    }
};

TEST_F(IrqConfigurationTest, SlotListRowsAndGpioStatesSurviveSaveAndLoad) {
    load("vic_default");
    add("TIMER0");
    add("EINT1");
    selectOnly({0});
    add("UART0");
    page().eintRow(1).mode->setItemIndex(1);
    page().eintRow(1).polarity->setItemIndex(1);
    page().eintRow(1).wake->setChecked(true);
    gpioTree().setStateIndex(1, kGpioBoth);
    const auto path = saved();

    ASSERT_TRUE(folder.load("vic_default"));
    ASSERT_EQ(entries(), listWith(17, {}));
    ASSERT_EQ(restore(path), config::LoadOutcome::Loaded);
    EXPECT_EQ(entries(), listWith(17, {{0, "UART0"}, {1, "TIMER0"}, {2, "EINT1"}}));
    const auto& row = page().eintRow(1);
    EXPECT_TRUE(row.mode->enabled());
    EXPECT_EQ(row.mode->itemIndex(), 1);
    EXPECT_EQ(row.polarity->items(), (Lines{"Falling edge", "Rising edge"}));
    EXPECT_EQ(row.polarity->itemIndex(), 1);
    EXPECT_TRUE(row.wake->checked());
    EXPECT_TRUE(row.label->enabled()) << "the row's label follows its restored mode combo";
    EXPECT_FALSE(page().eintRow(0).mode->enabled());
    EXPECT_EQ(gpioTree().node(1).stateIndex, kGpioBoth);
    EXPECT_EQ(sources().itemIndex(), -1) << "the source drop-down is not part of the file";
}

TEST_F(IrqConfigurationTest, FixedSlotListPlacesEachSourceInItsChannelSlot) {
    load("vic_fixed");
    const auto path = folder.dir.path() / "fixed.sav";
    writeLines(path, {"[profile]", "vic_fixed", "[ISR_ListBox]", "UART0", "TIMER1", " ", "[Replace]", "0", "",
                      "[]"});
    ASSERT_EQ(restore(path), config::LoadOutcome::Loaded);
    EXPECT_EQ(entries(), listWith(33, {{0, "UART0"}, {6, "TIMER1"}}));
    writeLines(path, {"[profile]", "vic_fixed", "[ISR_ListBox]", "UART0", "SSP9"});
    EXPECT_EQ(restore(path), config::LoadOutcome::DataError)
        << "a source the device does not have has no slot";
}

TEST_F(IrqConfigurationTest, EdgeOrLevelChoiceOfGpioPinsIsKeptAndOldFilesLoadAsEdge) {
    load("edgelevel");
    gpioTree().setStateIndex(1, kGpioRising);
    gpioTree().setImageIndex(1, kGpioLevelImage);
    const auto path = saved();
    const Lines file = fileLines(path);
    const auto tree = std::find(file.begin(), file.end(), "[GPIOISR_TreeView]");
    ASSERT_NE(tree, file.end());
    EXPECT_EQ(Lines(tree + 1, tree + 3), (Lines{"1", "4"})) << "the state record keeps its layout";

    ASSERT_TRUE(folder.load("edgelevel"));
    ASSERT_EQ(restore(path), config::LoadOutcome::Loaded);
    EXPECT_EQ(gpioTree().node(1).stateIndex, kGpioRising);
    EXPECT_EQ(gpioTree().node(1).imageIndex, kGpioLevelImage);
    EXPECT_EQ(gpioTree().node(0).imageIndex, kGpioEdgeImage);

    // A file written before the edge/level record existed.
    Lines old;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == "[GPIOISR_TreeView_EdgeLevel]") {
            i += 2; // its two node lines
            continue;
        }
        old.push_back(file[i]);
    }
    writeLines(path, old);
    ASSERT_EQ(restore(path), config::LoadOutcome::Loaded);
    EXPECT_EQ(gpioTree().node(1).stateIndex, kGpioRising);
    EXPECT_EQ(gpioTree().node(1).imageIndex, kGpioEdgeImage);
    EXPECT_TRUE(folder.ui.messages.empty() ||
                std::none_of(folder.ui.messages.begin(), folder.ui.messages.end(),
                             [](const auto& m) { return m.caption == "Error "; }));
}

// A file made for a part with more interrupt sources: the sources this device lacks leave their
// slots free, the load names them, and the result writes no code for them.
TEST_F(IrqConfigurationTest, SourcesTheDeviceLacksAreFreedAndNamed) {
    folder.addProfile("nvic_no_uart", fixtureText("nvic_no_uart"));
    load("nvic");
    add("TIMER0");
    add("UART0_IRQn");
    const auto path = saved();
    auto lines = fileLines(path);
    lines.at(1) = "nvic_no_uart";
    writeLines(path, lines);

    folder.ui.messages.clear();
    ASSERT_EQ(restore(path), config::LoadOutcome::Loaded);
    ASSERT_EQ(folder.ui.messages.size(), 2u);
    EXPECT_EQ(folder.ui.messages[1].caption, "Interrupts not on this device");
    EXPECT_EQ(folder.ui.messages[1].text,
              regforge::testing::expectedText("IrqConfigurationTest/SourcesTheDeviceLacksAreFreedAndNamed"));
    EXPECT_EQ(std::count(entries().begin(), entries().end(), "UART0_IRQn"), 0);
    EXPECT_EQ(std::count(entries().begin(), entries().end(), "TIMER0"), 1);
    ResultLists lists;
    page().generate(lists);
    std::string code;
    for (const auto* part : {&lists.mainLines, &lists.functionLines})
        for (const auto& line : *part)
            code += line + "\n";
    EXPECT_NE(code.find("TIMER0_IRQn"), std::string::npos);
    EXPECT_EQ(code.find("UART0"), std::string::npos);
}

} // namespace
} // namespace regforge::periph::irq
