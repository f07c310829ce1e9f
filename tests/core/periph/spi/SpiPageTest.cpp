#include "periph/spi/SpiPage.h"

#include "SerialPortFixture.h"
#include "app/ConfigurationCommands.h"
#include "support/GeneratedText.h"

#include <string>

namespace regforge::periph::spi {
namespace {

class SpiPageTest : public SerialPortFixture {
protected:
    SpiPage& page() { return folder.form().page<SpiPage>(); }
    bool visible(const std::string& name) { return get(name).visible(); }
    bool enabled(const std::string& name) { return get(name).enabled(); }
    // Typing a number into an edit, then leaving it (or pressing Enter).
    void typeAndLeave(const std::string& name, const std::string& text, bool enter = false) {
        edit(name).setText(text);
        if (enter)
            edit(name).pressEnter();
        else
            edit(name).leave();
    }
};

TEST_F(SpiPageTest, LoadOffersThePortsOfTheProfileWithTheirFeatures) {
    const auto ports = [this] {
        return shown({"SPI_CheckBox", "SPI_GroupBox", "SSP0_checkbox", "SSP0RXDMAE_CheckBox", "SSP1_checkbox",
                      "SSP1_GroupBox", "SSP1RXDMAE_CheckBox", "SSP1TXDMAE_CheckBox", "SSP2_checkbox",
                      "SSP2_GroupBox", "SSP1_Panel"});
    };
    load("arm7");
    EXPECT_EQ(ports(), "yyynnnnnnny") << "SSP0 without DMA line; the cover says SSP1 is not available";
    EXPECT_TRUE(enabled("SPIBitEnable_CheckBox"));

    load("cortex_m3");
    EXPECT_EQ(ports(), "yyyyyyyynny") << "SSP2 is missing; SSP1 is covered until it is switched on";
    EXPECT_FALSE(enabled("SPIBitEnable_CheckBox")) << "an 8-bit-only SPI";

    // The next device starts from the defaults: its ports without DMA hide the boxes again.
    box("SSP0_checkbox").click();
    box("SSP0RXDMAE_CheckBox").click();
    load("arm7");
    EXPECT_FALSE(visible("SSP0RXDMAE_CheckBox"));
    EXPECT_EQ(ticked({"SSP0RXDMAE_CheckBox", "SSP0_checkbox"}), "nn");
    EXPECT_EQ(usable({"SSP0_GroupBox", "SPIBitEnable_CheckBox"}), "ny");
}

TEST_F(SpiPageTest, ProfilesEndingWithinThePortLinesLoadAndReadOnlyTheirOwnSection) {
    folder.addProfile("end_spi", "[LPC21xx]\r\n[INCLUDE]\r\nx.h\r\n[SPI]");
    folder.addProfile("end_ssp", "[LPC21xx]\r\n[INCLUDE]\r\nx.h\r\n[SSP0]\r\n[SSP1]\r\nDMA");
    addFixture("arm7_numbered"); // [SPI] 8BIT, 1; [SSP1] DMA, an empty line, end
    loadProfile("end_spi");
    EXPECT_TRUE(visible("SPI_CheckBox"));
    EXPECT_TRUE(enabled("SPIBitEnable_CheckBox"));
    loadProfile("end_ssp");
    EXPECT_TRUE(visible("SSP0_checkbox"));
    EXPECT_FALSE(visible("SSP0RXDMAE_CheckBox")) << "SSP1's DMA line is not SSP0's";
    EXPECT_TRUE(visible("SSP1RXDMAE_CheckBox"));
    loadProfile("arm7_numbered");
    EXPECT_FALSE(enabled("SPIBitEnable_CheckBox"));
    EXPECT_TRUE(visible("SSP1TXDMAE_CheckBox"));
}

TEST_F(SpiPageTest, PortBoxOpensItsGroupOnlyWithADeviceLoaded) {
    folder.start();
    EXPECT_EQ(usable({"SPI_GroupBox", "SSP0_GroupBox", "SSP1_GroupBox"}), "nnn");
    EXPECT_EQ(caption("SPI_Panel"), "SPI is disabled or not available");
    box("SSP0_checkbox").click();
    EXPECT_FALSE(box("SSP0_checkbox").checked());
    EXPECT_FALSE(enabled("SSP0_GroupBox"));

    load("arm7");
    EXPECT_FALSE(enabled("SPI_GroupBox"));
    box("SPI_CheckBox").click();
    EXPECT_EQ(usable({"SPI_GroupBox"}) + shown({"SPI_Panel"}), "yn");
    box("SPI_CheckBox").click();
    EXPECT_EQ(usable({"SPI_GroupBox"}) + shown({"SPI_Panel"}), "ny");

    // The next device starts with every port off.
    box("SPI_CheckBox").click();
    box("SSP0_checkbox").click();
    load("arm7");
    EXPECT_EQ(ticked({"SPI_CheckBox", "SSP0_checkbox"}), "nn");
    EXPECT_FALSE(enabled("SPI_GroupBox"));
}

TEST_F(SpiPageTest, ModeComboAndClockBoxesFollowEachOther) {
    load("arm7");
    box("SPI_CheckBox").click();
    box("SSP0_checkbox").click();
    box("SPICPOL_CheckBox").click();
    EXPECT_EQ(combo("SpiMode_ComboBox").itemIndex(), 2);
    box("SPICPHA_CheckBox").click();
    EXPECT_EQ(combo("SpiMode_ComboBox").itemIndex(), 3);
    combo("SpiMode_ComboBox").setItemIndex(1);
    EXPECT_TRUE(box("SPICPHA_CheckBox").checked());
    EXPECT_FALSE(box("SPICPOL_CheckBox").checked());

    // The SSP ports the same way, each on its own.
    combo("SSP0FRF_ComboBox").setItemIndex(0);
    combo("SSP0Mode_ComboBox").setItemIndex(2);
    EXPECT_TRUE(box("SSP0CPOL_CheckBox").checked());
    EXPECT_FALSE(box("SSP0CPHA_CheckBox").checked());
    box("SSP0CPHA_CheckBox").click();
    EXPECT_EQ(combo("SSP0Mode_ComboBox").itemIndex(), 3);
    EXPECT_EQ(combo("SpiMode_ComboBox").itemIndex(), 1);
}

TEST_F(SpiPageTest, FrameFormatsWithoutClockModeClearAndLockIt) {
    const auto clockMode = [this] {
        return usable({"SSP1CPOL_CheckBox", "SSP1CPHA_CheckBox", "SSP1Mode_ComboBox"}) + " " +
               shown({"SSP1modesHelp_SpeedButton"}) + " " +
               ticked({"SSP1CPOL_CheckBox", "SSP1CPHA_CheckBox"}) +
               std::to_string(combo("SSP1Mode_ComboBox").itemIndex());
    };
    load("cortex_m3");
    EXPECT_EQ(clockMode(), "nnn n nn0") << "MicroWire by default";
    combo("SSP1FRF_ComboBox").setItemIndex(0);
    EXPECT_EQ(clockMode(), "yyy y nn0");
    combo("SSP1Mode_ComboBox").setItemIndex(3);
    combo("SSP1FRF_ComboBox").setItemIndex(1); // TI SSI
    EXPECT_EQ(clockMode(), "nnn n nn0");
    combo("SSP1FRF_ComboBox").setItemIndex(0);
    EXPECT_EQ(clockMode(), "yyy y nn0");
}

TEST_F(SpiPageTest, SlaveOutputDisableIsASlaveOption) {
    load("arm7");
    box("SSP0_checkbox").click();
    box("SSP0MS_CheckBox").click();
    EXPECT_TRUE(enabled("SSP0SOD_CheckBox"));
    box("SSP0SOD_CheckBox").click();
    box("SSP0MS_CheckBox").click();
    EXPECT_FALSE(enabled("SSP0SOD_CheckBox"));
    EXPECT_FALSE(box("SSP0SOD_CheckBox").checked());
}

TEST_F(SpiPageTest, BitEnableUncoversTheLengthAndUncheckedGoesBackToSixteenBits) {
    load("arm7");
    box("SPI_CheckBox").click();
    EXPECT_TRUE(visible("SpiBits_Panel"));
    box("SPIBitEnable_CheckBox").click();
    EXPECT_EQ(shown({"SpiBits_Panel"}) + usable({"SpiBits_ComboBox"}), "ny");
    combo("SpiBits_ComboBox").setItemIndex(2);
    box("SPIBitEnable_CheckBox").click();
    EXPECT_EQ(shown({"SpiBits_Panel"}) + usable({"SpiBits_ComboBox"}), "yn");
    EXPECT_EQ(combo("SpiBits_ComboBox").text(), "16 bits per transfer");
}

TEST_F(SpiPageTest, ClockDividersBecomeEvenWhenLeftButTheRateKeepsItsValue) {
    load("arm7");
    typeAndLeave("SPIClockCounter_edit", "9");
    EXPECT_EQ(edit("SPIClockCounter_edit").text(), "10");
    typeAndLeave("SPIClockCounter_edit", "253");
    EXPECT_EQ(edit("SPIClockCounter_edit").text(), "254");
    typeAndLeave("SPIClockCounter_edit", "254");
    EXPECT_EQ(edit("SPIClockCounter_edit").text(), "254");
    typeAndLeave("SSP0CPSDVSR_edit", "11", true);
    EXPECT_EQ(edit("SSP0CPSDVSR_edit").text(), "12");
    typeAndLeave("SSP0SCR_edit", "7");
    EXPECT_EQ(edit("SSP0SCR_edit").text(), "7");
}

TEST_F(SpiPageTest, BusClocksFollowTheDividersAndEachPortsOwnClock) {
    load("arm7"); // one common divider: 60 MHz / 4
    EXPECT_EQ(caption("SPIclock_label"), "SPI clock: 1.875 MHz");
    EXPECT_EQ(caption("SSP0clock_label"), "SSP clock: 1.875 MHz");
    edit("SPIClockCounter_edit").setText("12");
    EXPECT_EQ(caption("SPIclock_label"), "SPI clock: 1.25 MHz");
    edit("pllclock_edit").setText("72");
    EXPECT_EQ(caption("SPIclock_label"), "SPI clock: 1.5 MHz");
    // The largest divider still counts: 18 MHz / 254.
    edit("SPIClockCounter_edit").setText("254");
    EXPECT_EQ(caption("SPIclock_label"), "SPI clock: 70.8661 KHz");
    edit("SPIClockCounter_edit").setText("12");
    EXPECT_EQ(caption("SSP0clock_label"), "SSP clock: 2.25 MHz") << "the SSP follows the new clock too";
    edit("SSP0SCR_edit").setText("2");
    EXPECT_EQ(caption("SSP0clock_label"), "SSP clock: 750 KHz");
    // A counter that is no divider (emptied while typing) leaves the last figure.
    edit("SPIClockCounter_edit").keyPress('\b', 0, 2);
    EXPECT_EQ(caption("SPIclock_label"), "SPI clock: 1.5 MHz");

    load("cortex_m3"); // own dividers, "1/8" of 60 MHz
    EXPECT_EQ(edit("SPIpclock_edit").text(), "7.5");
    EXPECT_EQ(caption("SPIclock_label"), "SPI clock: 937.5 KHz");
    combo("SPIpclk_div").setItemIndex(3); // "1/1"
    EXPECT_EQ(caption("SPIclock_label"), "SPI clock: 7.5 MHz");
    combo("SSP1pclk_div").setItemIndex(3); // "1/1"
    edit("SSP1SCR_edit").setText("1");
    EXPECT_EQ(caption("SSP1clock_label"), "SSP clock: 3.75 MHz");
    EXPECT_EQ(caption("SSP0clock_label"), "SSP clock: 937.5 KHz");
}

TEST_F(SpiPageTest, HintsGoToTheirPortsLabelAndAnyGroupBoxClearsThemAll) {
    load("arm7");
    get("SPIClockCounter_edit").hovered.emit(get("SPIClockCounter_edit"));
    EXPECT_EQ(caption("SPIHint_Label"),
              "SPI counter, must be an even number higher or equal to 8. Right click to set freq.");
    get("SSP2MS_CheckBox").hovered.emit(get("SSP2MS_CheckBox"));
    EXPECT_EQ(caption("SSP2Hint_Label"), get("SSP2MS_CheckBox").hint());
    EXPECT_EQ(caption("SSP0Hint_Label"), "");
    get("SSP0_GroupBox").hovered.emit(get("SSP0_GroupBox"));
    EXPECT_EQ(caption("SPIHint_Label"), "");
    EXPECT_EQ(caption("SSP2Hint_Label"), "");
}

TEST_F(SpiPageTest, PortSettingsSurviveSaveAndLoad) {
    load("cortex_m3");
    box("SSP1_checkbox").click();
    combo("SSP1FRF_ComboBox").setItemIndex(0);
    combo("SSP1Mode_ComboBox").setItemIndex(2);
    box("SSP1MS_CheckBox").click();
    box("SSP1SOD_CheckBox").click();
    box("SSP1TXDMAE_CheckBox").click();
    edit("SSP1CPSDVSR_edit").setText("20");
    edit("SSP1SCR_edit").setText("3");
    box("SPI_CheckBox").click();
    box("SPIMSTR_CheckBox").click();
    combo("SpiMode_ComboBox").setItemIndex(3);
    edit("SPIClockCounter_edit").setText("16");
    const std::string label = caption("SSP1clock_label");

    const auto path = folder.dir.path() / "spi.sav";
    ASSERT_TRUE(folder.form().configuration().saveConfiguration(path));
    load("arm7");
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), config::LoadOutcome::Loaded);

    EXPECT_EQ(ticked({"SSP1_checkbox", "SSP1CPOL_CheckBox", "SSP1CPHA_CheckBox", "SSP1SOD_CheckBox",
                      "SSP1TXDMAE_CheckBox", "SPIMSTR_CheckBox", "SPICPHA_CheckBox"}),
              "yynyyyy");
    EXPECT_EQ(usable({"SSP1_GroupBox", "SSP1Mode_ComboBox"}) + shown({"SSP1_Panel", "SSP1TXDMAE_CheckBox"}),
              "yyny");
    EXPECT_EQ(regforge::testing::expectedText("SpiPageTest/PortSettingsSurviveSaveAndLoad"), "02 20 3 16");
    EXPECT_EQ(caption("SSP1clock_label"), label);
    EXPECT_TRUE(page().usesGpdma());
}

} // namespace
} // namespace regforge::periph::spi
