// The problems list on the shipped profiles, driven as the user drives the window: each rule with
// a set-up that fires it and a near miss that does not, the reported cases among them.

#include "app/MainForm.h"
#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/Containers.h"
#include "model/NumericEdit.h"
#include "model/Tree.h"
#include "periph/adc/AdcControls.h"
#include "periph/i2c/I2cControls.h"
#include "periph/io/IoPage.h"
#include "periph/io/PinState.h"
#include "periph/irq/IrqControls.h"
#include "periph/irq/IrqPage.h"
#include "periph/spi/SpiControls.h"
#include "periph/timer/TimerControls.h"
#include "periph/uart/UartControls.h"
#include "support/ProgramFolder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace regforge::periph {
namespace {

namespace fs = std::filesystem;

const fs::path kShippedProfiles = fs::path(REGFORGE_FIXTURES) / ".." / ".." / "data" / "include";

class Problems : public ::testing::Test {
public:
    void SetUp() override {
        for (const auto& entry : fs::directory_iterator(kShippedProfiles))
            fs::copy(entry.path(), folder.dir.path() / "include" / entry.path().filename(),
                     fs::copy_options::overwrite_existing);
        folder.start();
    }
    void load(const std::string& device) { ASSERT_TRUE(folder.load(device)); }
    app::MainForm& form() { return folder.form(); }
    template <class C = model::Control>
    C& control(const std::string& name) {
        return form().store().get<C>(name);
    }
    // Selects `function` on `pin` in the pin tree as a click on its state icon does.
    void route(const std::string& pin, const std::string& function) {
        auto& io = form().page<io::IoPage>();
        auto& tree = io.tree();
        for (int i = 0; i < tree.count(); ++i)
            if (tree.node(i).level == 0 && tree.node(i).text == pin)
                for (const int f : tree.childrenOf(i))
                    if (tree.node(f).text == function) {
                        io.IO_TreeviewClick(f, model::TreeHitPart::Text, model::MouseButton::Left);
                        io.IO_TreeviewClick(f, model::TreeHitPart::StateIcon, model::MouseButton::Left);
                        return;
                    }
        FAIL() << "no " << function << " on " << pin;
    }
    void addSource(const std::string& source) {
        auto& combo = control<model::ComboBox>(irq::kSourceCombo);
        const auto& items = combo.items();
        const auto it = std::find(items.begin(), items.end(), source);
        ASSERT_NE(it, items.end()) << source;
        combo.setItemIndex(static_cast<int>(it - items.begin()));
        form().page<irq::IrqPage>().addSourceClick();
    }
    // The problems whose text holds `text`: "severity|page|subject|what|fix".
    std::vector<std::string> matching(const std::string& text) {
        std::vector<std::string> found;
        const ProblemList list = form().collectProblems();
        for (const auto& p : list.problems()) {
            const std::string line = std::string(severityText(p.severity)) + "|" + p.page + "|" + p.subject +
                                     "|" + p.what + "|" + p.fix;
            if (line.find(text) != std::string::npos)
                found.push_back(line);
        }
        return found;
    }

    testing::ProgramFolder folder;
};

struct RuleCase {
    const char* name;
    const char* device;
    std::function<void(Problems&)> setUp;
    // The problem the set-up gives ("severity|page|subject|what" contains it); the near miss set-up
    // and the same text must give none.
    const char* expected;
    std::function<void(Problems&)> nearMiss;
};

void clickBox(Problems& t, const std::string& name) {
    t.form().store().get<model::CheckBox>(name).click();
}

void uartOn(Problems& t, const char* baud = nullptr) {
    clickBox(t, uart::enableBoxName(0));
    if (baud != nullptr)
        t.control<model::NumericEdit>(uart::uartControl(0, "Baud_edit")).setText(baud);
}

void i2cOn(Problems& t, int rateItem = i2c::kStandardRate, int dutyItem = 0) {
    clickBox(t, i2c::enableBoxName(0));
    t.control<model::ComboBox>(i2c::busControl(0, "Rate_ComboBox")).setItemIndex(rateItem);
    t.control<model::ComboBox>(i2c::busControl(0, "Duty_ComboBox")).setItemIndex(dutyItem);
}

TEST_F(Problems, EachRuleFiresAndItsNearMissDoesNot) {
    using namespace std::string_literals;
    const RuleCase cases[] = {
        {"A/D clock above the limit (LPC2148 defaults)", "LPC2148",
         [](Problems& t) { clickBox(t, adc::enableBoxName(0)); },
         "error|ADC|ADC0|ADC0 clock 15 MHz is above the part's 4.5 MHz",
         [](Problems& t) {
             clickBox(t, adc::enableBoxName(0));
             t.control<model::NumericEdit>(adc::dividerEditName(0)).setText("3");
         }},
        {"A/D clock above the limit (LPC1768 defaults)", "LPC1768",
         [](Problems& t) { clickBox(t, adc::enableBoxName(0)); }, "error|ADC|ADC0|ADC0 clock",
         [](Problems& t) {
             clickBox(t, adc::enableBoxName(0));
             t.control<model::NumericEdit>(adc::dividerEditName(0)).setText("3");
         }},
        {"converter left in power-down", "LPC2148", [](Problems& t) { clickBox(t, adc::enableBoxName(0)); },
         "error|ADC|ADC0|ADC0 is on but PDN is clear",
         [](Problems& t) {
             clickBox(t, adc::enableBoxName(0));
             clickBox(t, adc::powerBoxName(0));
         }},
        {"timer MR0 interrupt without a vector slot", "LPC2148",
         [](Problems& t) {
             clickBox(t, timer::enableBoxName(0));
             clickBox(t, timer::kMatchControlBoxes[0][0]);
         },
         "error|Timers|Timer0|Timer0 interrupts on MR0 but TIMER0 has no vector slot",
         [](Problems& t) {
             clickBox(t, timer::enableBoxName(0));
             clickBox(t, timer::kMatchControlBoxes[0][0]);
             t.addSource("TIMER0");
         }},
        {"LPC13xx counter names its own source", "LPC1343",
         [](Problems& t) {
             clickBox(t, timer::enableBoxName(0));
             clickBox(t, timer::kMatchControlBoxes[0][0]);
         },
         "TIMER_32_0 has no vector slot",
         [](Problems& t) {
             clickBox(t, timer::enableBoxName(0));
             clickBox(t, timer::kMatchControlBoxes[0][0]);
             t.addSource("TIMER_32_0");
         }},
        {"GPIO interrupt on PIO0_1 without an NVIC entry",
         "LPC1343",
         [](Problems& t) {
             auto& tree = t.form().page<irq::IrqPage>();
             const auto& nodes = tree.gpioTree().nodes();
             for (int i = 0; i < static_cast<int>(nodes.size()); ++i)
                 if (nodes[static_cast<std::size_t>(i)].text == "P0.1")
                     tree.GPIOISR_TreeViewClick(i, model::TreeHitPart::StateIcon, model::MouseButton::Left);
         },
         "error|Interrupts|P0.1|the GPIO interrupt of P0.1 is enabled but EINT0 has no vector slot",
         {}},
        {"CPU clock above the part's maximum", "LPC2148",
         [](Problems& t) { t.form().clocks().setCpuClock(72); },
         "error|Clocks|CCLK|CCLK 72 MHz is above the LPC2148's 60 MHz",
         [](Problems& t) { t.form().clocks().setCpuClock(60); }},
        {"SSP port without its clock pin", "LPC1768",
         [](Problems& t) { clickBox(t, spi::sspControl(0, "_checkbox")); },
         "error|SPI/SSP|SSP0|SSP0 is on but no SCK0 pin is routed",
         [](Problems& t) {
             clickBox(t, spi::sspControl(0, "_checkbox"));
             t.route("P0.15", "SCK0");
         }},
        {"LPC2148 SSP runs on the SPI1 pins", "LPC2148",
         [](Problems& t) { clickBox(t, spi::sspControl(0, "_checkbox")); },
         "SSP0 is on but no SCK1 pin is routed",
         [](Problems& t) {
             clickBox(t, spi::sspControl(0, "_checkbox"));
             t.route("P0.17", "SCK1");
         }},
        {"SSP port without its input pin", "LPC1768",
         [](Problems& t) {
             clickBox(t, spi::sspControl(0, "_checkbox"));
             t.route("P0.15", "SCK0");
         },
         "warning|SPI/SSP|SSP0|SSP0 is on but no MISO0 pin is routed",
         [](Problems& t) {
             clickBox(t, spi::sspControl(0, "_checkbox"));
             t.route("P0.15", "SCK0");
             t.route("P0.17", "MISO0");
         }},
        {"A/D channel without its pin", "LPC2148",
         [](Problems& t) {
             clickBox(t, adc::enableBoxName(0));
             clickBox(t, adc::channelBoxName(0, 3));
         },
         "warning|ADC|ADC0|ADC0 converts channel 3 but no AD0.3 pin is routed",
         [](Problems& t) {
             clickBox(t, adc::enableBoxName(0));
             clickBox(t, adc::channelBoxName(0, 3));
             t.route("P0.30", "AD0.3");
         }},
        {"pin routed to a unit that is off", "LPC1768", [](Problems& t) { t.route("P0.15", "SCK0"); },
         "warning|SPI/SSP|P0.15|P0.15 is routed to SCK0 but SSP0 is off",
         [](Problems& t) {
             t.route("P0.15", "SCK0");
             clickBox(t, spi::sspControl(0, "_checkbox"));
         }},
        {"source listed whose unit is off", "LPC1768", [](Problems& t) { t.addSource("TIMER1"); },
         "warning|Interrupts|TIMER1|TIMER1 is in the list but its unit is off",
         [](Problems& t) {
             t.addSource("TIMER1");
             clickBox(t, timer::enableBoxName(1));
             clickBox(t, timer::kMatchControlBoxes[1][0]);
         }},
        {"UART on without its pins", "LPC2148", [](Problems& t) { uartOn(t); },
         "warning|UART|UART0|UART0 is on but no TXD0 pin is routed",
         [](Problems& t) {
             uartOn(t);
             t.route("P0.0", "TXD0");
         }},
        {"UART pin routed while the UART is off", "LPC2148", [](Problems& t) { t.route("P0.1", "RXD0"); },
         "warning|UART|P0.1|P0.1 is routed to RXD0 but UART0 is off",
         [](Problems& t) {
             t.route("P0.1", "RXD0");
             uartOn(t);
         }},
        {"UART interrupt without an NVIC entry", "LPC1768",
         [](Problems& t) {
             uartOn(t);
             clickBox(t, uart::uartControl(0, "RBRIE_CheckBox"));
         },
         "error|UART|UART0|UART0 interrupts (IER) but UART0 has no vector slot",
         [](Problems& t) {
             uartOn(t);
             clickBox(t, uart::uartControl(0, "RBRIE_CheckBox"));
             t.addSource("UART0");
         }},
        {"LPC13xx UART names its own source", "LPC1343",
         [](Problems& t) {
             uartOn(t);
             clickBox(t, uart::uartControl(0, "THREIE_CheckBox"));
         },
         "UART0 interrupts (IER) but UART has no vector slot",
         [](Problems& t) {
             uartOn(t);
             clickBox(t, uart::uartControl(0, "THREIE_CheckBox"));
             t.addSource("UART");
         }},
        {"UART rate error above what 8N1 tolerates (2.30 %)", "LPC2148",
         [](Problems& t) { uartOn(t, "900000"); },
         "error|UART|UART0|UART0 runs +4.17 % off 900000 baud, more than the 2.30 %",
         [](Problems& t) { uartOn(t, "921600"); }},
        {"UART rate above PCLK / 16", "LPC2148", [](Problems& t) { uartOn(t, "1000000"); },
         "error|UART|UART0|UART0 cannot run at 1000000 baud", [](Problems& t) { uartOn(t, "937500"); }},
        {"UART FIFO off", "LPC2148",
         [](Problems& t) {
             uartOn(t);
             clickBox(t, uart::uartControl(0, "FIFO_CheckBox"));
         },
         "warning|UART|UART0|UART0 is on with its FIFOs off", [](Problems& t) { uartOn(t); }},
        {"I2C on without its clock line", "LPC2148", [](Problems& t) { i2cOn(t); },
         "error|I2C|I2C0|I2C0 is on but no SCL0 pin is routed",
         [](Problems& t) {
             i2cOn(t);
             t.route("P0.2", "SCL0");
         }},
        {"I2C pin routed while the unit is off", "LPC1768", [](Problems& t) { t.route("P0.27", "SDA0"); },
         "warning|I2C|P0.27|P0.27 is routed to SDA0 but I2C0 is off",
         [](Problems& t) {
             t.route("P0.27", "SDA0");
             i2cOn(t);
         }},
        {"I2C interrupt without a vector slot", "LPC2148",
         [](Problems& t) {
             i2cOn(t);
             clickBox(t, i2c::busControl(0, "SI_CheckBox"));
         },
         "error|I2C|I2C0|I2C0 interrupts (SI) but I2C0 has no vector slot",
         [](Problems& t) {
             i2cOn(t);
             clickBox(t, i2c::busControl(0, "SI_CheckBox"));
             t.addSource("I2C0");
         }},
        {"I2C 400 kHz with an even duty cycle: SCL low too short", "LPC2148",
         [](Problems& t) { i2cOn(t, i2c::kFastRate); },
         "error|I2C|I2C0|I2C0 bit rate: SCL low 1.27 us, Fast-mode needs 1.3 us",
         [](Problems& t) { i2cOn(t, i2c::kFastRate, 1); }},
        {"LPC177x Fast-mode Plus off the HIDRIVE pads", "LPC1788",
         [](Problems& t) {
             i2cOn(t, i2c::kFastPlusRate, 1);
             t.route("P0.27", "SDA0");
         },
         "warning|I2C|P0.27|I2C0 runs above 400 kHz but SDA0 is on P0.27",
         [](Problems& t) {
             i2cOn(t, i2c::kFastPlusRate, 1);
             t.route("P5.2", "SDA0");
         }},
        {"SWD pin as GPIO locks the debugger out", "LPC1343",
         [](Problems& t) { t.route("PIO0_10", "PORT0.10"); },
         "error|I/O|PIO0_10|PIO0_10 is PORT0.10, not SWCLK: the code switches the SWD debug port off and "
         "locks the debugger out|select SWCLK on PIO0_10 to keep the debugger",
         [](Problems& t) { t.route("PIO0_10", "SWCLK"); }},
        {"JTAG pins as GPIO on an ARM7 part: one problem naming every pin", "LPC2148",
         [](Problems& t) { t.route("P1.27", "PORT1.27"); },
         "warning|I/O|P1.26|P1.26 is PORT1.26, not RTCK; P1.27 is PORT1.27, not TDO; P1.28 is PORT1.28, not "
         "TDI; P1.29 is PORT1.29, not TCK; P1.30 is PORT1.30, not TMS; P1.31 is PORT1.31, not TRST: the code "
         "switches the JTAG debug port off|select RTCK on P1.26, TDO on P1.27, TDI on P1.28, TCK on P1.29, "
         "TMS "
         "on P1.30 and TRST on P1.31 to keep the debugger",
         [](Problems&) {}},
        {"boot pin as an output", "LPC1768",
         [](Problems& t) {
             auto& io = t.form().page<io::IoPage>();
             auto& tree = io.tree();
             for (int i = 0; i < tree.count(); ++i)
                 if (tree.node(i).text == "P2.10")
                     io.IO_TreeviewClick(i, model::TreeHitPart::StateIcon, model::MouseButton::Left);
         },
         "warning|I/O|P2.10|P2.10 is driven as an output", [](Problems&) {}},
        {"open-drain-only pin as an output", "LPC1768",
         [](Problems& t) {
             auto& io = t.form().page<io::IoPage>();
             auto& tree = io.tree();
             for (int i = 0; i < tree.count(); ++i)
                 if (tree.node(i).text == "P0.27")
                     io.IO_TreeviewClick(i, model::TreeHitPart::StateIcon, model::MouseButton::Left);
         },
         "warning|I/O|P0.27|P0.27 is open-drain only", [](Problems&) {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        load(c.device);
        c.setUp(*this);
        EXPECT_EQ(matching(c.expected).size(), 1u) << c.expected;
        if (!c.nearMiss)
            continue;
        load(c.device);
        c.nearMiss(*this);
        EXPECT_EQ(matching(c.expected), std::vector<std::string>{}) << "near miss";
    }
}

// An untouched device has no errors: only the note that the code sets no clock (and, on the
// LPC214x, nothing about JTAG: its debug pins come up in their debug function).
TEST_F(Problems, FreshDevicesHaveOnlyTheClockNote) {
    for (const char* device : {"LPC2103", "LPC2106", "LPC2129", "LPC2138", "LPC2148", "LPC2378", "LPC2478",
                               "LPC1343", "LPC1311", "LPC1768", "LPC1759", "LPC1788"}) {
        SCOPED_TRACE(device);
        load(device);
        const auto list = form().collectProblems();
        ASSERT_EQ(list.problems().size(), 1u) << list.problems().front().what;
        EXPECT_EQ(list.problems()[0].severity, Severity::Note);
        EXPECT_EQ(list.summary(), "1 note");
        // The clock set-up writes the clocks the figures assume: no note then. 48 MHz is a clock
        // every part makes exactly from the 12 MHz crystal (the LPC2378's errata CCO range makes
        // no 60 MHz, which the page would report).
        form().clocks().setCpuClock(48);
        clickBox(*this, "clk_checkbox");
        const auto on = form().collectProblems();
        EXPECT_EQ(on.summary(), "No problems") << (on.empty() ? "" : on.problems().front().what);
    }
}

// Activating a problem opens its page and selects its pin.
TEST_F(Problems, ShowingAProblemOpensItsPageAndSelectsThePin) {
    load("LPC1343");
    route("PIO1_3", "PORT1.3");
    const auto list = form().collectProblems();
    const auto it = std::find_if(list.problems().begin(), list.problems().end(),
                                 [](const Problem& p) { return p.subject == "PIO1_3"; });
    ASSERT_NE(it, list.problems().end());
    control<model::PageControl>("pagecontrol1").setActivePageIndex(3);
    std::string focused;
    form().focusRequested.connect([&](model::Control& c) { focused = c.name(); });
    form().showProblem(*it);
    EXPECT_EQ(control<model::PageControl>("pagecontrol1").activePageIndex(), 0);
    EXPECT_EQ(form().page<io::IoPage>().tree().selected(), it->node);
    EXPECT_EQ(form().page<io::IoPage>().tree().node(it->node).text, "PIO1_3");
    EXPECT_EQ(focused, io::kPinTree);
}

} // namespace
} // namespace regforge::periph
