#pragma once

#include "model/NumericEdit.h"
#include "periph/PageContext.h"

namespace regforge::tools {

class Calculator;

// The numeric edits' popup menu `IntegerInputPopup` and the edit context behind it: which
// register edit was entered last, which of the popup's items it offers, the decimal-value
// prompt and the frequency/period calculator that fills prescalers and dividers.
class EditPopup {
public:
    explicit EditPopup(periph::PageContext& context);
    EditPopup(const EditPopup&) = delete;
    EditPopup& operator=(const EditPopup&) = delete;

    // Connects entering every numeric edit that carries the popup, the popup opening (the
    // view clicks `IntegerInputPopup` just before it shows it) and the popup's two items
    // handled here. Run once, after every page has declared its controls.
    void connectHandlers();

    // The register edits that carry the popup: timer and PWM counters, prescalers and match
    // registers, the first two A/D clock dividers, the SPI and SSP clock edits.
    static bool carriesPopup(const model::Control& control);

    // Focus entered a register edit: remembers its tag and length, and the edit that the
    // calculators fill when it is one of theirs.
    void MivoEditEnter(model::NumericEdit& sender);
    // The popup opens: shows, hides and greys its items for the edit last entered.
    void IntegerInputPopupPopup();
    // "Insert decimal value": asks for a decimal number and writes it in hexadecimal.
    void InsertIntegterPopupClick();
    // "Calculate from frequency/Period": runs the calculator for the calculators' target edit.
    void CalcFromFreqPopupClick();

private:
    void prepareTimerPrescaler(Calculator& calculator, const model::NumericEdit& target, int timer);
    static void applyPrescaler(const Calculator& calculator, model::NumericEdit& target);
    bool comboCountsPulses(const char* comboName) const;

    periph::PageContext& ctx_;
};

} // namespace regforge::tools
