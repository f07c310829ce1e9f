#pragma once

#include "periph/uart/UartControls.h"
#include "periph/uart/UartPage.h"
#include "support/PageFixture.h"

#include <string>

namespace regforge::periph::uart {

// The page fixture over the UART test profiles (tests/fixtures/uart/<name>.ini).
class UartFixture : public testing::PageFixture {
protected:
    UartFixture() : PageFixture("uart") {}

    UartPage& page() { return folder.form().page<UartPage>(); }
    // The unit's control of that suffix ("DLL_edit").
    model::NumericEdit& unitEdit(int uart, const char* suffix) { return edit(uartControl(uart, suffix)); }
    model::CheckBox& unitBox(int uart, const char* suffix) { return box(uartControl(uart, suffix)); }
    model::ComboBox& unitCombo(int uart, const char* suffix) { return combo(uartControl(uart, suffix)); }
    // "DLL DLM DIVADDVAL MULVAL" as the edits hold them.
    std::string divisors(int uart) {
        return unitEdit(uart, "DLL_edit").text() + " " + unitEdit(uart, "DLM_edit").text() + " " +
               unitEdit(uart, "DIVADDVAL_edit").text() + " " + unitEdit(uart, "MULVAL_edit").text();
    }
};

} // namespace regforge::periph::uart
