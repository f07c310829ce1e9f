#include "IrqFixture.h"
#include "model/ListControls.h"

#include <algorithm>

namespace regforge::periph::irq {
namespace {

// The shipped LPC2148 profile, for the whole result with pins.
class InterruptResultTest : public IrqFixture {
protected:
    void loadShipped(const std::string& device) {
        std::ifstream in(std::string(REGFORGE_FIXTURES) + "/../../data/include/" + device + ".ini",
                         std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        folder.addProfile(device, text.str());
        folder.start();
        ASSERT_TRUE(folder.load(device));
    }
    std::ptrdiff_t lineOf(const Lines& lines, const std::string& line) {
        const auto it = std::find(lines.begin(), lines.end(), line);
        EXPECT_NE(it, lines.end()) << line;
        return it - lines.begin();
    }
};

TEST_F(InterruptResultTest, TriggersFollowThePinsAndPrecedeTheControllerWithHandlersBeforeMain) {
    loadShipped("LPC2148");
    add("EINT1");
    page().eintRow(1).mode->setItemIndex(1);
    folder.form().Result_btnClick();
    const Lines& text = get<model::Memo>("Memo1").lines();
    const auto pins =
        std::find_if(text.begin(), text.end(),
                     [](const std::string& line) { return line.find("PINSEL0 = ") != std::string::npos; }) -
        text.begin();
    ASSERT_LT(static_cast<std::size_t>(pins), text.size());
    const auto external = lineOf(text, std::string(27, ' ') + "External interrupts");
    const auto controller = lineOf(text, std::string(27, ' ') + "Vector interrupt initialization");
    const auto handler = lineOf(text, "__irq void EINT1_IRQHandler(void) {");
    const auto main = lineOf(text, "int main(void)");
    EXPECT_LT(handler, main);
    EXPECT_LT(main, pins);
    EXPECT_LT(pins, external);
    EXPECT_LT(external, controller);
    lineOf(text, "   VICVectCntl0 = ( 0x20 | 15 );           /* enable slot & use it for EINT1 Interrupt */");
    lineOf(text, "    INTWAKE = ( INTWAKE & 0xC020 ) | 0x0000;     /* binary: 00000000_00000000 */");
}

} // namespace
} // namespace regforge::periph::irq
