#include "SerialPortFixture.h"
#include "periph/spi/SerialSections.h"
#include "periph/spi/SpiPage.h"
#include "support/GeneratedText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace regforge::periph::spi {
namespace {

using testing::joined;
using testing::kOpen;
using testing::kRule;
using testing::Lines;

const std::string kMode0 =
    "   Set to Mode 0, first data prior to first SCK rising edge, other data driven on SCK "
    "falling edge, data sampled on SCK rising edge";
const std::string kMode2 =
    "   Set to Mode 2, first data prior to first SCK rising edge, other data driven on SCK "
    "rising edge, data sampled on SCK falling edge";

class SerialGeneratorTest : public SerialPortFixture {
protected:
    // What the result button gets from the SPI/SSP page as it stands.
    Lines generated() { return generatedBy<SpiPage>(); }
    // The register lines only (the comment block is checked elsewhere).
    Lines registers() {
        Lines lines = generated();
        const auto end = std::find(lines.begin(), lines.end(), "*/");
        return {end + 2, lines.end()};
    }
};

TEST(SerialTemplateLines, ASectionIsFoundWhereverItStandsAndGivesAtMostItsLines) {
    const profile::Lines lines = {"[SSP0_INIT]", "first", "second", "[SSP1_INIT]", "only"};
    EXPECT_EQ(templateLines(lines, "[SSP0_INIT]", 1), profile::Lines{"first"}) << "a profile's first line";
    EXPECT_EQ(templateLines(lines, "[SSP1_INIT]", 2), profile::Lines{"only"});
    EXPECT_EQ(templateLines(lines, "[SPI_INIT]", 1), profile::Lines{});
}

TEST_F(SerialGeneratorTest, SpiMasterWithInterruptOnAnArm7) {
    load("arm7");
    box("SPI_CheckBox").click();
    box("SPIMSTR_CheckBox").click();
    box("SPISPIE_CheckBox").click();
    combo("SpiMode_ComboBox").setItemIndex(2);

    EXPECT_EQ(joined(generated()),
              regforge::testing::expectedText("SerialGeneratorTest/SpiMasterWithInterruptOnAnArm7"));
}

TEST_F(SerialGeneratorTest, EveryClockModeIsDescribedInTheComment) {
    // The texts as the generated files have always carried them, "om" of mode 3 included.
    const Lines modes = {
        kMode0,
        "   Set to Mode 1, first data on first SCK rising edge, other data driven on SCK rising edge, "
        "data sampled on SCK falling edge",
        kMode2,
        "   Set to Mode 3, first data om first SCK rising edge, other data driven on SCK falling edge, "
        "data sampled on SCK rising edge",
    };
    load("arm7");
    box("SPI_CheckBox").click();
    for (int mode = 0; mode < 4; ++mode) {
        combo("SpiMode_ComboBox").setItemIndex(mode);
        const Lines lines = generated();
        EXPECT_NE(std::find(lines.begin(), lines.end(), modes[static_cast<std::size_t>(mode)]), lines.end())
            << "mode " << mode;
    }
}

TEST_F(SerialGeneratorTest, EightBitSpiSlaveWithItsNumberLine) {
    load("arm7_numbered"); // [SPI] 8BIT, 1
    box("SPI_CheckBox").click();
    box("SPILSBF_CheckBox").click();
    edit("SPIClockCounter_edit").setText("20");

    EXPECT_EQ(joined(generated()),
              regforge::testing::expectedText("SerialGeneratorTest/EightBitSpiSlaveWithItsNumberLine"));
}

TEST_F(SerialGeneratorTest, SpiTransferLengthAndRegisterNames) {
    load("arm7");
    box("SPI_CheckBox").click();
    box("SPIMSTR_CheckBox").click();
    box("SPIBitEnable_CheckBox").click();
    auto masterLine = [&] { return generated().at(3); };
    EXPECT_EQ(masterLine(), "   Operating in master mode, 16 bits per transfer, MSB first");
    EXPECT_EQ(registers().at(2), "S0SPCR = 0x0024;     /* binary: 00000000_00100100 */") << "BITS 0000";
    combo("SpiBits_ComboBox").setItemIndex(4);
    EXPECT_EQ(masterLine(), "   Operating in master mode, 12 bits per transfer, MSB first");
    EXPECT_EQ(registers().at(2), "S0SPCR = 0x0C24;     /* binary: 00001100_00100100 */");
    box("SPIBitEnable_CheckBox").click();
    EXPECT_EQ(masterLine(), "   Operating in master mode, 8 bits per transfer, MSB first");
    EXPECT_EQ(registers().at(2), "S0SPCR = 0x0020;     /* binary: 00000000_00100000 */");

    folder.addProfile("dash", "[LPC21xx]\r\n[INCLUDE]\r\nx.h\r\n[SPI]\r\n-\r\n[SPI_INIT]");
    loadProfile("dash");
    box("SPI_CheckBox").click();
    EXPECT_EQ(registers(), (Lines{"SPCCR = 0x08;     /* decimal 8 */",
                                  "SPCR = 0x0000;     /* binary: 00000000_00000000 */", ""}))
        << "a \"-\" number names the registers bare; an init header at the end copies nothing";

    load("cortex_m3");
    box("SPI_CheckBox").click();
    EXPECT_EQ(registers(), (Lines{"LPC_SPI->SPCCR = 0x08;     /* decimal 8 */",
                                  "LPC_SPI->SPCR = 0x0000;     /* binary: 00000000_00000000 */", ""}));
}

TEST_F(SerialGeneratorTest, SspOnACortexM3WithDmaIsEnabledLast) {
    load("cortex_m3");
    box("SSP1_checkbox").click();
    combo("SSP1FRF_ComboBox").setItemIndex(0);
    combo("SSP1DSS_ComboBox").setItemIndex(4);
    box("SSP1SSE_CheckBox").click();
    box("SSP1RORIM_CheckBox").click();
    box("SSP1TXIM_CheckBox").click();
    box("SSP1RXDMAE_CheckBox").click();

    EXPECT_EQ(joined(generated()),
              regforge::testing::expectedText("SerialGeneratorTest/SspOnACortexM3WithDmaIsEnabledLast"));
}

TEST_F(SerialGeneratorTest, SspSlaveInTiFormatOnAnArm7WithoutDma) {
    load("arm7"); // [SSP0] without lines; its init section holds one line before [TIMER0]
    box("SSP0_checkbox").click();
    combo("SSP0FRF_ComboBox").setItemIndex(1);
    box("SSP0MS_CheckBox").click();
    box("SSP0SOD_CheckBox").click();
    box("SSP0LBM_CheckBox").click();
    edit("SSP0SCR_edit").setText("5");

    EXPECT_EQ(joined(generated()),
              regforge::testing::expectedText("SerialGeneratorTest/SspSlaveInTiFormatOnAnArm7WithoutDma"));
}

TEST_F(SerialGeneratorTest, EveryFrameFormatIsNamedInTheComment) {
    load("arm7");
    box("SSP0_checkbox").click();
    const Lines formats = {"   SSP frame format set to SPI mode", "   SSP frame format set to TI SSI mode",
                           "   SSP frame format set to Microwire mode"};
    for (int format = 0; format < 3; ++format) {
        combo("SSP0FRF_ComboBox").setItemIndex(format);
        const Lines lines = generated();
        ASSERT_GT(lines.size(), 3u);
        EXPECT_EQ(lines[3], formats[static_cast<std::size_t>(format)]) << "format " << format;
    }
}

TEST_F(SerialGeneratorTest, SspClockPolarityAndPhaseAreCr0Bits6And7) {
    load("arm7");
    box("SSP0_checkbox").click();              // 16-bit frames
    combo("SSP0FRF_ComboBox").setItemIndex(0); // SPI: the clock mode applies
    const std::vector<std::pair<int, std::string>> modes = {
        {1, "SSPCR0 = 0x008F;     /* binary: 00000000_10001111 */"},
        {2, "SSPCR0 = 0x004F;     /* binary: 00000000_01001111 */"},
        {3, "SSPCR0 = 0x00CF;     /* binary: 00000000_11001111 */"},
    };
    for (const auto& [mode, line] : modes) {
        combo("SSP0Mode_ComboBox").setItemIndex(mode);
        const Lines lines = generated();
        const auto cr0 = std::find_if(lines.begin(), lines.end(),
                                      [](const std::string& l) { return l.rfind("SSPCR0 = ", 0) == 0; });
        ASSERT_NE(cr0, lines.end());
        EXPECT_EQ(*cr0, line) << "mode " << mode;
    }
}

TEST_F(SerialGeneratorTest, SspNumberAndDmaInTheRegisterNameSyntax) {
    load("arm7_numbered"); // [SSP1] 1, DMA
    box("SSP1_checkbox").click();
    box("SSP1TXDMAE_CheckBox").click();
    box("SSP1SSE_CheckBox").click();
    edit("SSP1CPSDVSR_edit").setText("100");
    EXPECT_EQ(registers(),
              regforge::testing::expectedLines("SerialGeneratorTest/SspNumberAndDmaInTheRegisterNameSyntax"));
}

TEST_F(SerialGeneratorTest, PortsComeInOrderAndOnlyWhenChecked) {
    load("cortex_m3");
    EXPECT_TRUE(generated().empty());
    box("SSP1_checkbox").click();
    box("SSP0_checkbox").click();
    box("SPI_CheckBox").click();
    Lines titles;
    for (const auto& line : generated())
        if (line.rfind(std::string(37, ' '), 0) == 0)
            titles.push_back(line.substr(37));
    EXPECT_EQ(titles, (Lines{"SPI", "SSP0", "SSP1"}));
    // SSP0's init section: both lines, in order, before its registers.
    const Lines lines = generated();
    const auto at =
        std::find(lines.begin(), lines.end(), "LPC_SC->PCONP |= (1 << 21);     /* power up SSP0 */");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), "LPC_SC->PCLKSEL1 &= ~(3 << 10);     /* SSP0 clock: CCLK/4 */");
    EXPECT_EQ(*(at + 2), "LPC_SSP0->CR0 = 0x002F;     /* binary: 00000000_00101111 */");
}

TEST_F(SerialGeneratorTest, AnSspDmaEnableStartsTheGpdmaInThePinCode) {
    load("cortex_m3_pins");
    const std::string gpdma = "    LPC_SC->PCONP |= (1 << 29);  /* power up GPDMA */";
    const auto resultHas = [&](const std::string& line) {
        const app::CodeResult result = folder.form().createCode();
        EXPECT_TRUE(result.created()) << result.message;
        return std::find(result.lines.begin(), result.lines.end(), line) != result.lines.end();
    };
    box("SSP0_checkbox").click();
    EXPECT_FALSE(resultHas(gpdma));
    box("SSP0TXDMAE_CheckBox").click();
    EXPECT_TRUE(resultHas(gpdma));
    box("SSP0TXDMAE_CheckBox").click();
    box("SSP0RXDMAE_CheckBox").click();
    EXPECT_TRUE(resultHas(gpdma));
}

} // namespace
} // namespace regforge::periph::spi
