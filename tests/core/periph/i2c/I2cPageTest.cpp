#include "periph/i2c/I2cPage.h"

#include "app/ConfigurationCommands.h"
#include "support/PageFixture.h"

#include <fstream>
#include <sstream>
#include <string>

namespace regforge::periph::i2c {
namespace {

using testing::joined;
using testing::kOpen;
using testing::kRule;
using testing::Lines;

class I2cPageTest : public testing::PageFixture {
protected:
    I2cPageTest() : PageFixture("i2c") {}
    Lines generated() { return generatedBy<I2cPage>(); }
    const I2cPage& page() { return folder.form().page<I2cPage>(); }
    std::string registers(int n) {
        return edit(busControl(n, "SCLH_edit")).text() + "/" + edit(busControl(n, "SCLL_edit")).text();
    }
};

TEST_F(I2cPageTest, LoadOffersTheUnitsOfTheProfileWithTheirSourcesAndMasks) {
    load("arm7");
    EXPECT_EQ(shown({"I2C0_CheckBox", "I2C1_CheckBox", "I2C2_CheckBox", "I2C2_GroupBox", "I2C0MASK_edit"}),
              "yynnn");
    EXPECT_EQ(caption("I2C1Source_label"), "Interrupt source: I2C1") << "named by its number without ISR@";
    load("cortex_m3");
    EXPECT_EQ(shown({"I2C0_CheckBox", "I2C1_CheckBox", "I2C2_CheckBox", "I2C0MASK_edit"}), "ynyy");
    EXPECT_EQ(page().bus(0).section.registerPrefix + " " + page().bus(2).section.registerPrefix,
              "LPC_I2C0->I2 LPC_I2C2->I2");
    EXPECT_EQ(std::string(page().bus(0).section.fastModePlus ? "y" : "n") +
                  (page().bus(2).section.fastModePlus ? "y" : "n"),
              "yn");
}

TEST_F(I2cPageTest, RatesAreSolvedAndFollowTheClockUntilTyped) {
    load("arm7"); // 60 MHz / 4 = 15 MHz
    box("I2C0_CheckBox").click();
    EXPECT_EQ(registers(0), "75/75");
    EXPECT_EQ(caption("I2C0Rate_label"), "Bit rate: 100 KHz");
    combo("I2C0Rate_ComboBox").setItemIndex(kFastRate);
    EXPECT_EQ(registers(0), "19/19");
    EXPECT_EQ(caption("I2C0Rate_label"), "Bit rate: 394.7368 KHz (SCL low 1.27 us, Fast-mode needs 1.3 us)");
    EXPECT_EQ(get("I2C0Rate_label").fontColour(), model::kRed);
    combo("I2C0Duty_ComboBox").setItemIndex(1);
    EXPECT_EQ(registers(0), "15/23");
    EXPECT_EQ(get("I2C0Rate_label").fontColour(), model::kDefaultColour);
    // 1 MHz needs Fast-mode Plus pads, which this unit lacks.
    combo("I2C0Rate_ComboBox").setItemIndex(kFastPlusRate);
    EXPECT_EQ(combo("I2C0Rate_ComboBox").itemIndex(), kFastRate);
    edit("pllclock_edit").setText("72"); // 18 MHz
    EXPECT_EQ(registers(0), "18/27") << "45 clocks, 40 % high";
    combo("I2C0Rate_ComboBox").setItemIndex(kOtherRate);
    EXPECT_TRUE(get("I2C0Rate_edit").enabled());
    edit("I2C0Rate_edit").setText("50");
    EXPECT_EQ(registers(0), "144/216");
    edit("I2C0Rate_edit").setText("1000");
    EXPECT_EQ(caption("I2C0Rate_label"), "Bit rate: 1 MHz (above the Fast-mode limit of 400 KHz)");
    edit("I2C0Rate_edit").setText("0");
    EXPECT_EQ(caption("I2C0Rate_label"), "Bit rate: 1 MHz (no bit rate asked for)")
        << "the last registers stand";
    edit("I2C0Rate_edit").setText("50");
    edit("I2C0SCLH_edit").setText("3");
    EXPECT_EQ(caption("I2C0Rate_label"), "Bit rate: 50 KHz (SCLH and SCLL must be at least 4)");
    // Typed registers stay when the clock changes; the figure follows.
    edit("I2C0SCLH_edit").setText("100");
    edit("I2C0SCLL_edit").setText("100");
    edit("pllclock_edit").setText("48"); // 12 MHz
    EXPECT_EQ(registers(0), "100/100");
    EXPECT_EQ(caption("I2C0Rate_label"), "Bit rate: 60 KHz");
}

TEST_F(I2cPageTest, MasterBlockOnArm7) {
    load("arm7");
    box("I2C1_CheckBox").click();
    combo("I2C1Rate_ComboBox").setItemIndex(kFastRate);
    combo("I2C1Duty_ComboBox").setItemIndex(1);
    box("I2C1SI_CheckBox").click();
    EXPECT_EQ(
        joined(generated()),
        joined({kOpen, "                                     I2C1", kRule, "   Operating in master mode",
                "   Bit rate: 394.7368 KHz, SCL high 1 us, low 1.533 us  (calculated with peripheral clock: "
                "15MHz)",
                "   Interrupt on every bus state change (SI), handled by the I2C1 source", "*/", "",
                "PCONP |= (1 << 19);     /* power up I2C1 */",
                "I21CONCLR = 0x6C;     /* stop the unit: clear AA, SI, STA and I2EN */",
                "I21SCLH = 15;     /* SCL high time in PCLK cycles */",
                "I21SCLL = 23;     /* SCL low time in PCLK cycles */",
                "I21CONSET = 0x40;     /* I2EN: enable the unit as master */", ""}));
}

TEST_F(I2cPageTest, SlaveAndFastModePlusBlocksOnCortexM3) {
    load("cortex_m3");
    box("I2C0_CheckBox").click();
    combo("I2C0pclk_div").setItemIndex(3); // 60 MHz
    combo("I2C0Rate_ComboBox").setItemIndex(kFastPlusRate);
    combo("I2C0Duty_ComboBox").setItemIndex(2);
    box("I2C2_CheckBox").click();
    combo("I2C2Mode_ComboBox").setItemIndex(kSlave);
    edit("I2C2ADR_edit").setText("50");
    edit("I2C2MASK_edit").setText("03");
    box("I2C2GC_CheckBox").click();
    EXPECT_EQ(
        joined(generated()),
        joined({kOpen,
                "                                     I2C0",
                kRule,
                "   Operating in master mode",
                "   Bit rate: 1 MHz, SCL high 0.333 us, low 0.667 us  (calculated with peripheral clock: "
                "60MHz)",
                "   No interrupt: the state changes are polled (SI in I2CONSET)",
                "*/",
                "",
                "LPC_SC->PCONP |= (1 << 7);     /* power up I2C0 */",
                "LPC_I2C0->I2CONCLR = 0x6C;     /* stop the unit: clear AA, SI, STA and I2EN */",
                "LPC_PINCON->I2CPADCFG = 0x05;     /* Fast-mode Plus pads */",
                "LPC_I2C0->I2SCLH = 20;     /* SCL high time in PCLK cycles */",
                "LPC_I2C0->I2SCLL = 40;     /* SCL low time in PCLK cycles */",
                "LPC_I2C0->I2CONSET = 0x40;     /* I2EN: enable the unit as master */",
                "",
                kOpen,
                "                                     I2C2",
                kRule,
                "   Operating in slave mode, own address 0x50 (bits of mask 0x03 ignored), answers the "
                "general call",
                "   No interrupt: the state changes are polled (SI in I2CONSET)",
                "*/",
                "",
                "LPC_I2C2->I2CONCLR = 0x6C;     /* stop the unit: clear AA, SI, STA and I2EN */",
                "LPC_I2C2->I2ADR0 = 0xA1;     /* own address 0x50, general call answered */",
                "LPC_I2C2->I2MASK0 = 0x06;     /* address bits not compared */",
                "LPC_I2C2->I2CONSET = 0x44;     /* I2EN and AA: enable the unit, answer its own address */",
                ""}));
    box("I2C0_CheckBox").click();
    box("I2C2_CheckBox").click();
    EXPECT_TRUE(generated().empty()) << "nothing for units that are off";
}

TEST_F(I2cPageTest, SettingsSurviveSaveAndLoadAndForbiddenValuesAreCorrected) {
    load("arm7");
    box("I2C0_CheckBox").click();
    combo("I2C0Rate_ComboBox").setItemIndex(kOtherRate);
    edit("I2C0Rate_edit").setText("250");
    edit("I2C0SCLL_edit").setText("40");
    box("I2C1_CheckBox").click();
    combo("I2C1Mode_ComboBox").setItemIndex(kSlave);
    edit("I2C1ADR_edit").setText("2A");
    const auto path = folder.dir.path() / "i2c.sav";
    ASSERT_TRUE(folder.form().configuration().saveConfiguration(path));
    load("cortex_m3");
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), config::LoadOutcome::Loaded);
    load("arm7");
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), config::LoadOutcome::Loaded);
    EXPECT_EQ(ticked({"I2C0_CheckBox", "I2C1_CheckBox"}), "yy");
    EXPECT_EQ(registers(0) + " " + edit("I2C0Rate_edit").text() + " " + edit("I2C1ADR_edit").text(),
              "30/40 250 2A");
    EXPECT_EQ(usable({"I2C0Rate_edit", "I2C1ADR_edit", "I2C0ADR_edit"}), "yyn");
    EXPECT_EQ(caption("I2C0Rate_label"), "Bit rate: 214.2857 KHz") << "the typed SCLL is kept";

    // A file edited by hand: registers below 4, 1 MHz on a unit without Fast-mode Plus, rate 0.
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string saved = text.str();
    const auto replace = [&saved](const std::string& from, const std::string& to) {
        const auto at = saved.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        saved.replace(at, from.size(), to);
    };
    replace("[I2C0SCLH_edit]\r\n30", "[I2C0SCLH_edit]\r\n2");
    replace("[I2C0Rate_edit]\r\n250", "[I2C0Rate_edit]\r\n0");
    replace("[I2C1Rate_ComboBox]\r\n0", "[I2C1Rate_ComboBox]\r\n2");
    std::ofstream(path, std::ios::binary) << saved;
    folder.ui.messages.clear();
    ASSERT_EQ(folder.form().configuration().loadConfiguration(path), config::LoadOutcome::Loaded);
    EXPECT_EQ(registers(0) + " " + edit("I2C0Rate_edit").text() + " " +
                  std::to_string(combo("I2C1Rate_ComboBox").itemIndex()),
              "4/40 100 1");
    EXPECT_NE(folder.ui.said().find("Warning: I2C values out of range: This file holds I2C values the "
                                    "registers cannot take: I2C0SCLH_edit 2 -> 4, I2C0Rate_edit 0 -> 100, "
                                    "I2C1 1 MHz -> 400 kHz (no Fast-mode Plus)"),
              std::string::npos)
        << folder.ui.said();
}

} // namespace
} // namespace regforge::periph::i2c
