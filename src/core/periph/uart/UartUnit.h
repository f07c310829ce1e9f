#pragma once

#include "model/CheckControls.h"
#include "model/ComboBox.h"
#include "model/NumericEdit.h"
#include "periph/UnitFrame.h"
#include "periph/uart/BaudSolver.h"
#include "periph/uart/UartSections.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace regforge::periph::uart {

// The rate the unit's dividers give against the one wanted, as values; the label, the
// generator and the problems read these.
struct BaudFigures {
    // The wanted rate, when the edit holds a usable one (above 0, at most PCLK / 16).
    std::optional<double> wanted;
    // The rate the divisor edits give, when they hold a setting the manual allows.
    std::optional<double> actual;
    double errorPercent = 0;
    // The largest error the receiver tolerates for the frame (see UartPage::errorLimit).
    double limitPercent = 0;
    bool withinLimit() const {
        return wanted && actual && errorPercent <= limitPercent && -errorPercent <= limitPercent;
    }
};

// Typed handles to one UART's controls, resolved when the page declares them.
struct UartUnit : PeripheralUnit {
    model::ComboBox* wordLength = nullptr;
    model::ComboBox* stopBits = nullptr;
    model::ComboBox* parity = nullptr;
    model::CheckBox* fifo = nullptr;
    model::ComboBox* trigger = nullptr;
    // IER bits 0..2: receive data, transmit holding register empty, line status.
    std::array<model::CheckBox*, 3> interrupts{};
    model::NumericEdit* baud = nullptr;
    model::ComboBox* solutions = nullptr;
    model::Control* rateLabel = nullptr;
    model::NumericEdit* dll = nullptr;
    model::NumericEdit* dlm = nullptr;
    model::NumericEdit* divAddVal = nullptr;
    model::NumericEdit* mulVal = nullptr;

    // What the profile says about the unit (read at each device load).
    UartSection section;
    // The settings the solutions list shows, in its order, and their texts.
    std::vector<BaudSolution> solved;
    std::vector<std::string> solvedTexts;
    // What `solved` was worked out from: the clock refresh solves every unit after each change,
    // and a solve from the same inputs keeps the list it has.
    struct SolveInputs {
        double pclkHz = 0;
        std::optional<double> wantedHz;
        bool fractional = false;
        bool operator==(const SolveInputs&) const = default;
    };
    std::optional<SolveInputs> solvedFor;
    BaudFigures figures;

    // The dividers as the edits hold them.
    BaudSetting setting() const {
        return {static_cast<int>(dlm->valueAsInt64() * 256 + dll->valueAsInt64()),
                static_cast<int>(divAddVal->valueAsInt64()), static_cast<int>(mulVal->valueAsInt64())};
    }
    bool interruptsEnabled() const {
        for (const auto* box : interrupts)
            if (box->checked())
                return true;
        return false;
    }
};

} // namespace regforge::periph::uart
