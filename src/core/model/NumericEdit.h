#pragma once

#include "model/Control.h"
#include "model/Signal.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace regforge::model {

// What a numeric edit accepts and how it normalises its text.
enum class ValueKind { All, SelectedIn, SelectedOut, Numeric, SgnNumeric, Float, SgnFloat, HexValue };

// The numeric edit field (TMivoEdit): key filtering, normalisation of the text, and the
// value accessors every generator and calculation reads. The view shows shownText() and
// forwards keys, pastes, Enter and focus loss here.
//
// A hexadecimal field shows its digits behind "0x"; that prefix cannot be edited: a caret
// inside it types right behind it, and Backspace, Delete and selections leave it in place.
class NumericEdit : public Control {
public:
    // Padding and decimals beyond this are no number anyone types; the cap keeps a stray
    // property value from asking for gigabytes of zeros.
    static constexpr int kMaxDigits = 255;

    NumericEdit(std::string name, Control* parent);

    ValueKind valueKind() const { return kind_; }
    void setValueKind(ValueKind kind);
    int minimumValue() const { return minimumValue_; }
    void setMinimumValue(int value);
    // 0 or less: no upper bound.
    int maximumValue() const { return maximumValue_; }
    void setMaximumValue(int value);
    // Kept at or below maxLength() while that is at least 1; clamped to 0..kMaxDigits.
    int minimumDigits() const { return minimumDigits_; }
    void setMinimumDigits(int digits);
    // Decimals kept by the float kinds; 0 keeps the text as typed. Clamped to 0..kMaxDigits.
    int roundAtDigit() const { return roundAtDigit_; }
    void setRoundAtDigit(int digits);
    // Characters the user may type; 0: no limit. A hex field has room for "0x" on top.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);
    // The most characters typing may leave in the field; 0: no limit.
    int typingLimit() const;
    // The characters accepted (SelectedIn) or refused (SelectedOut).
    const std::string& valueSelect() const { return valueSelect_; }
    void setValueSelect(std::string chars) { valueSelect_ = std::move(chars); }
    // Shown by the owner in a message box when a key is refused; empty: no message.
    const std::string& errorMessage() const { return errorMessage_; }
    void setErrorMessage(std::string message) { errorMessage_ = std::move(message); }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);

    // Exactly what the field shows (a hex field with its "0x").
    const std::string& shownText() const { return text_; }
    // The text as the program reads it: a hex field's digits without the prefix.
    std::string text() const;
    // Normalises t for the kind and shows the result.
    void setText(const std::string& t);

    // The read text as a decimal number; anything that is not one reads 0.
    double valueAsFloat() const;
    // Hex fields read 64-bit hexadecimal, the others 32-bit signed decimal; anything else reads 0.
    std::int64_t valueAsInt64() const;
    void setValueFromInt64(std::int64_t value);

    // A typed byte ('\b' is Backspace) replacing the selection [selStart, selStart + selLength).
    // Returns the new caret position, or nullopt when the key was refused or dropped.
    std::optional<int> keyPress(char ch, int selStart, int selLength);
    // The Delete key or a cut: removes the selection, or the character after the caret.
    // Returns the caret position.
    int deleteForward(int selStart, int selLength);
    // Pasting works only in kind All; nullopt when nothing was pasted.
    std::optional<int> paste(const std::string& clip, int selStart, int selLength);
    // Enter normalises the text as it stands.
    void pressEnter();
    // Leaving the field normalises padded integers, rounded floats, and numbers that are
    // empty or outside the limits.
    void leave();

    // A key outside the kind's characters was refused (the OnInputError event).
    Signal<NumericEdit&> inputRefused;
    // The user finished with the field: it was left, or Enter was pressed (after the text was
    // normalised). The OnExit event and the Enter key of the edit.
    Signal<NumericEdit&> editingFinished;

private:
    struct Range {
        std::size_t start;
        std::size_t end;
    };

    std::string normalised(const std::string& t) const;
    // Shows a typed or deleted text, or the maximum when it goes beyond; returns the caret.
    int showEdited(std::string candidate, std::size_t caret);
    // The text a bound shows as (padded for integer kinds).
    std::string boundText(int bound) const;
    bool aboveMaximum(const std::string& t) const;
    // A number kind's text reads as a number within the limits (always true for other kinds).
    bool inRange(const std::string& t) const;
    void show(std::string text);
    void renormalise() { show(normalised(text())); }

    std::size_t protectedPrefix() const;
    Range bounds(int selStart, int selLength) const;
    Range editable(Range range) const;
    bool acceptedByKind(char ch) const;
    std::optional<std::string> insertion(char ch, const std::string& rest, std::size_t pos) const;
    bool fitsLimit(const std::string& candidate) const;

    ValueKind kind_ = ValueKind::All;
    int minimumValue_ = 0;
    int maximumValue_ = 0;
    int minimumDigits_ = 0;
    int roundAtDigit_ = 0;
    int maxLength_ = 0;
    std::string valueSelect_;
    std::string errorMessage_;
    bool readOnly_ = false;
    std::string text_;
};

} // namespace regforge::model
