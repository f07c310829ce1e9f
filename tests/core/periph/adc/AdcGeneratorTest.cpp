#include "periph/adc/AdcGenerator.h"

#include "AdcFixture.h"
#include "support/GeneratedText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace regforge::periph::adc {
namespace {

using testing::joined;
using testing::kOpen;
using testing::kRule;
using testing::Lines;

const std::string kGlobalDone = ", global DONE flag in ADGDR will generate an interrupt";

class AdcGeneratorTest : public AdcFixture {
protected:
    // What the result button gets from the A/D converters as they stand.
    Lines generated() { return generatedBy<AdcPage>(); }
    void enable(int converter) { box(enableBoxName(converter)).click(); }
    static bool has(const Lines& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    static long count(const Lines& lines, const std::string& line) {
        return std::count(lines.begin(), lines.end(), line);
    }
};

TEST_F(AdcGeneratorTest, WorkedExampleOnAnArm7Device) {
    load("arm7");
    enable(0);
    box("pdn0").click();
    edit("clkdiv0").setText("3");

    EXPECT_EQ(joined(generated()),
              regforge::testing::expectedText("AdcGeneratorTest/WorkedExampleOnAnArm7Device"));
}

TEST_F(AdcGeneratorTest, BurstWithFourChannelsAndChannelInterrupts) {
    load("arm7");
    enable(0);
    box("burst0").click();
    for (const char* name : {"sel0_1", "sel0_2", "sel0_3"})
        box(name).click();
    combo("ad0_clks").setItemIndex(1);
    box("adginten0").click();
    box("adcinten0_2").click();

    const Lines lines = generated();
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[3], "   ADC in power down mode");
    EXPECT_EQ(lines[5], "   ADC rate: 1.5 Msamples/sec");
    EXPECT_EQ(lines[6], "   Burst mode, 10 clocks /   9 bit accuracy");
    EXPECT_EQ(lines[8], "   Channel 0 enabled, no interrupt");
    EXPECT_EQ(lines[10], "   Channel 2 enabled, will generate an interrupt when conversion ends");
    EXPECT_EQ(lines[11], "   Channel 3 enabled, no interrupt");
    EXPECT_EQ(lines[12], "   Channel 4 disabled, no interrupt");
    EXPECT_EQ(lines[19], "AD0CR = 0x0003000F;     /* binary: 00000000_00000011_00000000_00001111 */");
    EXPECT_EQ(lines[20], "AD0INTEN = 0x00000004;     /* binary: 00000000_00000000_00000000_00000100 */");
}

TEST_F(AdcGeneratorTest, SelectedEdgeIsWrittenAsTheEdgeChosen) {
    load("arm7");
    enable(0);
    combo("ad0_start").setItemIndex(2);
    EXPECT_TRUE(has(generated(), "   Start on rising edge of EINT0"));
    combo("ad0_edge").setItemIndex(1);
    const Lines falling = generated();
    EXPECT_TRUE(has(falling, "   Start on falling edge of EINT0"));
    EXPECT_TRUE(has(falling, "AD0CR = 0x0A000001;     /* binary: 00001010_00000000_00000000_00000001 */"));
    combo("ad0_start").setItemIndex(1);
    const Lines now = generated();
    EXPECT_TRUE(has(now, "   Start conversion now"));
    EXPECT_TRUE(has(now, "AD0CR = 0x09000001;     /* binary: 00001001_00000000_00000000_00000001 */"))
        << "the edge combo is greyed but its choice goes on counting";
}

TEST_F(AdcGeneratorTest, TwoConvertersShareTheFirstInitLine) {
    load("arm7");
    enable(1);
    Lines lines = generated();
    EXPECT_TRUE(has(lines, "PCONP |= (1 << 20);     /* power up ADC1 */")) << "ADC1 alone writes its own";

    enable(0);
    lines = generated();
    EXPECT_EQ(count(lines, "PCONP |= (1 << 12);     /* power up ADC0 */"), 1);
    EXPECT_FALSE(has(lines, "PCONP |= (1 << 20);     /* power up ADC1 */"));
    ASSERT_EQ(lines.size(), 43u);
    EXPECT_EQ(lines[22], kOpen);
    EXPECT_EQ(lines[23], "                                     ADC1");
    EXPECT_EQ(lines[39], "");
    EXPECT_EQ(lines[40], "AD1CR = 0x00000002;     /* binary: 00000000_00000000_00000000_00000010 */");
    EXPECT_EQ(lines[41], "AD1INTEN = 0x00000100;     /* binary: 00000000_00000000_00000001_00000000 */");
    EXPECT_EQ(lines[42], "");
}

TEST_F(AdcGeneratorTest, CortexM3WritesTheStructureForAdc0Only) {
    load("cortex_m3"); // 12 bits, 65 clocks
    enable(0);
    enable(1);
    box("burst1").click();
    const Lines lines = generated();
    ASSERT_EQ(lines.size(), 43u);
    EXPECT_EQ(lines[6], "   Manual mode, 65 clocks / 12 bit accuracy");
    EXPECT_EQ(lines[18], "LPC_SC->PCONP |= (1 << 12);     /* power up the A/D converter */");
    EXPECT_EQ(lines[19], "LPC_ADC->CR = 0x00000001;     /* binary: 00000000_00000000_00000000_00000001 */");
    EXPECT_EQ(lines[20],
              "LPC_ADC->INTEN = 0x00000100;     /* binary: 00000000_00000000_00000001_00000000 */");
    EXPECT_EQ(lines[28], "   Burst mode, 65 clocks / 12 bit accuracy")
        << "12 bits: the conversion time is fixed";
    EXPECT_TRUE(has(lines, "AD1CR = 0x00010001;     /* binary: 00000000_00000001_00000000_00000001 */"));
    EXPECT_TRUE(has(lines, "AD1INTEN = 0x00000100;     /* binary: 00000000_00000000_00000001_00000000 */"));
}

TEST_F(AdcGeneratorTest, WithoutPowerDownBitThereIsNoPowerLine) {
    load("nopdn");
    enable(0);
    const Lines lines = generated();
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[3], "   ADC clk: 15 MHz  (calculated with peripheral clock: 15MHz)");
    EXPECT_EQ(lines[5], "   Manual mode, 11 clocks / 10 bit accuracy");
    EXPECT_EQ(lines[6], "   Start conversion now");
}

TEST_F(AdcGeneratorTest, UncheckedConvertersWriteNothing) {
    load("arm7");
    box("sel0_3").setChecked(true);
    EXPECT_TRUE(generated().empty());
}

} // namespace
} // namespace regforge::periph::adc
