#include "UartFixture.h"
#include "app/ConfigurationCommands.h"
#include "app/ProfileRules.h"
#include "model/ListControls.h"
#include "periph/irq/IrqControls.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace regforge::periph::uart {
namespace {

using testing::Lines;

class UartPageTest : public UartFixture {
protected:
    std::string rateCaption(int uart) { return caption(uartControl(uart, "Rate_Label")); }
    bool red(int uart) { return get(uartControl(uart, "Rate_Label")).fontColour() == model::kRed; }

    std::filesystem::path save() {
        const auto path = folder.dir.path() / "uart.sav";
        EXPECT_TRUE(folder.form().configuration().saveConfiguration(path));
        return path;
    }
    static Lines readLines(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        Lines lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line.empty() || line.back() != '\r' ? line : line.substr(0, line.size() - 1));
        return lines;
    }
    // Sets the text record of control `name` in the saved file.
    static void setRecord(const std::filesystem::path& path, const std::string& name,
                          const std::string& value) {
        Lines lines = readLines(path);
        const auto it = std::find(lines.begin(), lines.end(), "[" + name + "]");
        ASSERT_NE(it, lines.end()) << name;
        *(it + 1) = value;
        std::ofstream out(path, std::ios::binary);
        for (const auto& line : lines)
            out << line << "\r\n";
    }
    config::LoadOutcome loadFile(const std::filesystem::path& path) {
        folder.ui.answers.push_back(ui::Answer::Ok);
        return folder.form().configuration().loadConfiguration(path);
    }
};

TEST_F(UartPageTest, UnitsFollowTheProfileAndTheFractionalEditsOnlyWhereTheUnitHasTheDivider) {
    load("arm7");
    EXPECT_EQ(
        shown({enableBoxName(0), enableBoxName(1), enableBoxName(2), enableBoxName(3), enableBoxName(4)}),
        "yynnn");
    EXPECT_EQ(shown({uartControl(0, "DIVADDVAL_edit"), uartControl(0, "MULVAL_edit"),
                     uartControl(1, "DIVADDVAL_edit"), uartControl(1, "MULVAL_edit")}),
              "yynn");
    EXPECT_EQ(usable({uartControl(0, "_GroupBox")}), "n");
    box(enableBoxName(0)).click();
    EXPECT_EQ(usable({uartControl(0, "_GroupBox")}), "y");
    EXPECT_EQ(shown({uartControl(0, "_Panel")}), "n");
    EXPECT_EQ(page().interruptSource(0), "UART0");
    load("lpc13xx");
    EXPECT_EQ(page().interruptSource(0), "UART");
}

TEST_F(UartPageTest, TheBestSolutionsAreListedAndTheBestWrittenIntoTheDivisors) {
    load("arm7");
    EXPECT_EQ(divisors(0), "6 0 5 14");
    const auto& items = unitCombo(0, "Solution_ComboBox").items();
    ASSERT_EQ(items.size(), kSolutionCount);
    EXPECT_EQ(items[0], "DLM:DLL 6, DIVADDVAL 5, MULVAL 14: 115131.6 baud, error -0.06 %");
    EXPECT_EQ(items[1], "DLM:DLL 5, DIVADDVAL 5, MULVAL 8: 115384.6 baud, error +0.16 %");
    EXPECT_EQ(unitCombo(0, "Solution_ComboBox").itemIndex(), 0);
    EXPECT_EQ(rateCaption(0), "Baud rate: 115131.6 (error -0.06 %, limit 2.30 %)");

    unitCombo(0, "Solution_ComboBox").setItemIndex(1);
    EXPECT_EQ(divisors(0), "5 0 5 8");
    EXPECT_EQ(rateCaption(0), "Baud rate: 115384.6 (error +0.16 %, limit 2.30 %)");
    // Divisors typed by hand: the figures follow them, no listed solution is selected.
    unitEdit(0, "DLL_edit").setText("8");
    unitEdit(0, "DIVADDVAL_edit").setText("0");
    EXPECT_EQ(rateCaption(0), "Baud rate: 117187.5 (error +1.73 %, limit 2.30 %)");
    EXPECT_EQ(unitCombo(0, "Solution_ComboBox").itemIndex(), -1);
    // A parity bit makes the frame longer and the limit smaller.
    unitCombo(0, "Parity_ComboBox").setItemIndex(1);
    EXPECT_EQ(rateCaption(0), "Baud rate: 117187.5 (error +1.73 %, limit 2.08 %)");
    // A new clock solves again.
    folder.form().clocks().setCpuClock(72);
    EXPECT_EQ(divisors(0), "8 0 2 9") << rateCaption(0); // 18 MHz: 8 x (1 + 2/9)
}

TEST_F(UartPageTest, BadRatesAreSaidInRedWithTheClosestSettingOffered) {
    struct Case {
        int uart;
        const char* baud;
        const char* caption;
        const char* divisors;
        bool red;
    };
    const Case cases[] = {
        {0, "0", "Baud rate: the wanted rate must be above 0", "6 0 5 14", true},
        {0, "1000000", "Baud rate: 1000000 is above PCLK / 16 (937500.0), closest shown", "1 0 0 1", true},
        {1, "600000", "Baud rate: 468750.0 (error -21.88 %, limit 2.30 %), above the limit", "2 0 0 1", true},
        {1, "460800", "Baud rate: 468750.0 (error +1.73 %, limit 2.30 %)", "2 0 0 1", false},
        {1, "", "Baud rate: the wanted rate must be above 0", "2 0 0 1", true},
    };
    load("arm7");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("UART") + std::to_string(c.uart) + " at " + c.baud);
        unitEdit(c.uart, "Baud_edit").setText(c.baud);
        EXPECT_EQ(rateCaption(c.uart), c.caption);
        EXPECT_EQ(divisors(c.uart), c.divisors);
        EXPECT_EQ(red(c.uart), c.red);
    }
}

TEST_F(UartPageTest, ASavedSetupLoadsBackWithTheChosenSolutionAndTheSameCode) {
    load("cortex_m3");
    box(enableBoxName(0)).click();
    unitEdit(0, "Baud_edit").setText("38400");
    unitCombo(0, "Solution_ComboBox").setItemIndex(2);
    unitBox(0, "RBRIE_CheckBox").click();
    unitCombo(0, "WLS_ComboBox").setItemIndex(2);
    const std::string chosen = divisors(0);
    const Lines code = generatedBy<UartPage>();
    const auto path = save();

    folder.start();
    ASSERT_EQ(loadFile(path), config::LoadOutcome::Loaded);
    EXPECT_EQ(divisors(0), chosen);
    EXPECT_EQ(unitCombo(0, "Solution_ComboBox").itemIndex(), 2);
    EXPECT_EQ(generatedBy<UartPage>(), code);
    EXPECT_EQ(folder.ui.messages.size(), 1u) << "only the question before applying: " << folder.ui.said();
}

TEST_F(UartPageTest, ForbiddenDivisorsInAFileAreReplacedByTheBestSettingWithAWarning) {
    struct Case {
        const char* edit;
        const char* value;
    };
    // DLM:DLL 0, MULVAL 0, DIVADDVAL not below MULVAL, a fraction with DLM:DLL below 3.
    const std::vector<std::vector<Case>> files = {
        {{"DLL_edit", "0"}, {"DLM_edit", "0"}},
        {{"MULVAL_edit", "0"}},
        {{"DIVADDVAL_edit", "9"}, {"MULVAL_edit", "9"}},
        {{"DLL_edit", "2"}, {"DIVADDVAL_edit", "1"}, {"MULVAL_edit", "2"}},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(std::string(file.front().edit) + " " + file.front().value);
        load("arm7");
        box(enableBoxName(0)).click();
        const auto path = save();
        for (const Case& c : file)
            setRecord(path, uartControl(0, c.edit), c.value);
        folder.ui.messages.clear();
        ASSERT_EQ(loadFile(path), config::LoadOutcome::Loaded);
        EXPECT_EQ(divisors(0), "6 0 5 14");
        ASSERT_EQ(folder.ui.messages.size(), 2u) << folder.ui.said();
        EXPECT_EQ(folder.ui.messages[1].caption, "Divisors the UART cannot use");
        EXPECT_NE(folder.ui.messages[1].text.find("for: UART0\n"), std::string::npos);
        const Lines code = generatedBy<UartPage>();
        EXPECT_NE(std::find(code.begin(), code.end(), "U0DLL = 0x06;     /* decimal 6 */"), code.end());
    }
}

TEST_F(UartPageTest, TheReceiveInterruptAndItsSourceOnTheInterruptsPageMakeOneWorkingSetUp) {
    std::ifstream in(std::string(REGFORGE_FIXTURES) + "/../../data/include/LPC2148.ini", std::ios::binary);
    folder.addProfile("LPC2148", std::string(std::istreambuf_iterator<char>(in), {}));
    loadProfile("LPC2148");
    box(enableBoxName(0)).click();
    unitBox(0, "RBRIE_CheckBox").click();
    auto& sources = combo(irq::kSourceCombo);
    sources.setText(page().interruptSource(0));
    ASSERT_EQ(sources.text(), "UART0");
    get(irq::kAddButton).click();
    folder.form().Result_btnClick();
    const Lines& text = get<model::Memo>("Memo1").lines();
    const auto has = [&text](const std::string& line) {
        return std::find(text.begin(), text.end(), line) != text.end();
    };
    EXPECT_TRUE(has("__irq void UART0_IRQHandler(void) {"));
    EXPECT_TRUE(has("U0IER = 0x01;     /* binary: 00000001 */"));
    EXPECT_TRUE(has("   Interrupt on: receive data, source UART0 on the Interrupts page"));
}

TEST(UartSections, TheProfileCheckNamesAUartLineThatIsNoMarker) {
    const profile::Lines lines = {"[LPC21xx]", "[INCLUDE]", "LPC214x.h", "[UART0]", "FDR",
                                  "MODEM",     "[UART3]",   "FDR",       "FAST",    "NAME@U-1"};
    std::string all;
    for (const auto& p : app::checkProfile(lines))
        all += std::to_string(p.line) + ": " + p.message + "\n";
    EXPECT_EQ(all, "9: [UART3] line 'FAST' is none of FDR, MODEM, RS485, IRDA, NAME@<name>\n"
                   "10: [UART3] line 'NAME@U-1' is none of FDR, MODEM, RS485, IRDA, NAME@<name>\n");
}

} // namespace
} // namespace regforge::periph::uart
