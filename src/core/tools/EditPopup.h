#pragma once

#include "model/NumericEdit.h"
#include "periph/EditPopupRow.h"
#include "periph/Page.h"
#include "periph/PageContext.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace regforge::tools {

class Calculator;

// The numeric edits' popup menu `IntegerInputPopup` and the edit context behind it: which
// register edit was entered last, which of the popup's items it offers, the decimal-value
// prompt and the frequency/period calculator that fills prescalers and dividers.
class EditPopup {
public:
    EditPopup(periph::PageContext& context, const std::vector<std::unique_ptr<periph::Page>>& pages);
    EditPopup(const EditPopup&) = delete;
    EditPopup& operator=(const EditPopup&) = delete;

    // Takes the pages' popup rows and connects entering every numeric edit that carries the
    // popup, the popup opening (the view clicks `IntegerInputPopup` just before it shows it)
    // and the popup's two items handled here. Run once, after every page has declared its
    // controls.
    void connectHandlers();

    // The register edits that carry the popup: those the pages declared a row for.
    bool carriesPopup(const model::Control& control) const;

    // Focus entered a register edit: remembers its tag and length, and the edit that the
    // calculators fill when it is one of theirs.
    void MivoEditEnter(model::NumericEdit& sender);
    // The popup opens: shows, hides and greys its items for the edit last entered.
    void IntegerInputPopupPopup();
    // "Insert decimal value": asks for a decimal number and writes it in hexadecimal.
    void insertDecimalValueClick();
    // "Calculate from frequency/Period": runs the calculator for the calculators' target edit.
    void CalcFromFreqPopupClick();
    // "Calculate from samples/sec": runs the calculator in sample rates for an A/D divider.
    void CalculateFromSamplesADClick();

private:
    const periph::EditPopupRow* rowFor(int tag) const;
    // The row of the calculators' target edit, if it has one.
    const periph::EditPopupRow* targetRow() const;
    void runCalculator(const periph::EditPopupRow& row, const std::optional<periph::CalculatorStart>& start);
    static void prepare(Calculator& calculator, const periph::CalculatorStart& start);

    periph::PageContext& ctx_;
    const std::vector<std::unique_ptr<periph::Page>>& pages_;
    // The rows by their edit's tag; the first row declared for a tag counts.
    std::map<int, const periph::EditPopupRow*> rows_;
};

} // namespace regforge::tools
