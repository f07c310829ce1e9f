#include "model/NumericEdit.h"

#include "io/AsciiCase.h"
#include "model/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <utility>

namespace regforge::model {

namespace {

constexpr std::string_view kHexPrefix = "0x";

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

bool isHexDigit(char ch) {
    return isDigit(ch) || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
}

// The decimal key of a keypad gives "," in many locales; the field always holds ".".
bool isSeparator(char ch) {
    return ch == '.' || ch == ',';
}

// Bytes below blank and DEL are keys, not text: the view handles its shortcuts itself.
bool isControlByte(char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    return byte < 0x20 || byte == 0x7F;
}

bool isFloatKind(ValueKind kind) {
    return kind == ValueKind::Float || kind == ValueKind::SgnFloat;
}

bool isIntegerKind(ValueKind kind) {
    return kind == ValueKind::Numeric || kind == ValueKind::SgnNumeric;
}

bool isNumberKind(ValueKind kind) {
    return isIntegerKind(kind) || isFloatKind(kind);
}

int clampDigits(int digits) {
    return std::clamp(digits, 0, NumericEdit::kMaxDigits);
}

// Fixed-point text with exactly `decimals` decimals and "." whatever the locale. A value that
// rounds to zero carries no minus sign.
std::string formatFixed(double x, int decimals) {
    // Sign, 309 integer digits of the largest double, the point and the decimals.
    std::array<char, 1 + 309 + 1 + NumericEdit::kMaxDigits + 8> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return "0";
    std::string text(buffer.data(), end);
    if (text.front() == '-' && text.find_first_not_of("0.", 1) == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string hexDigits(std::uint64_t value, int minDigits) {
    std::array<char, 16> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, 16);
    std::string digits =
        io::toUpperAscii(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    return digits;
}

} // namespace

NumericEdit::NumericEdit(std::string name, Control* parent)
    : Control(ControlKind::NumericEdit, std::move(name), parent) {}

void NumericEdit::setValueKind(ValueKind kind) {
    if (kind_ == kind)
        return;
    kind_ = kind;
    notifyView(Aspect::Limits);
}

void NumericEdit::setMinimumValue(int value) {
    if (minimumValue_ == value)
        return;
    minimumValue_ = value;
    renormalise();
}

void NumericEdit::setMaximumValue(int value) {
    if (maximumValue_ == value)
        return;
    maximumValue_ = value;
    renormalise();
}

void NumericEdit::setMinimumDigits(int digits) {
    digits = clampDigits(digits);
    if (maxLength_ >= 1)
        digits = std::min(digits, maxLength_);
    if (minimumDigits_ == digits)
        return;
    minimumDigits_ = digits;
    if (isIntegerKind(kind_) || kind_ == ValueKind::HexValue)
        renormalise();
}

void NumericEdit::setRoundAtDigit(int digits) {
    digits = clampDigits(digits);
    if (roundAtDigit_ == digits)
        return;
    roundAtDigit_ = digits;
    if (isFloatKind(kind_))
        renormalise();
}

void NumericEdit::setMaxLength(int length) {
    length = std::max(length, 0);
    if (maxLength_ == length)
        return;
    maxLength_ = length;
    if (maxLength_ >= 1 && maxLength_ < minimumDigits_)
        minimumDigits_ = maxLength_;
    notifyView(Aspect::Limits);
    renormalise();
}

int NumericEdit::typingLimit() const {
    if (maxLength_ <= 0)
        return 0;
    return maxLength_ + static_cast<int>(protectedPrefix());
}

void NumericEdit::setReadOnly(bool readOnly) {
    if (readOnly_ == readOnly)
        return;
    readOnly_ = readOnly;
    notifyView(Aspect::Limits);
}

std::string NumericEdit::text() const {
    if (kind_ != ValueKind::HexValue)
        return text_;
    if (text_.size() >= 2 && text_[1] == 'x')
        return text_.substr(2);
    if (!text_.empty() && text_[0] == 'x')
        return text_.substr(1);
    // Without a limit there is nothing to cut to: the whole text is the number.
    const auto limit = static_cast<std::size_t>(maxLength_);
    if (limit >= 1 && text_.size() > limit)
        return text_.substr(text_.size() - limit);
    return text_;
}

void NumericEdit::setText(const std::string& t) {
    show(normalised(t));
}

std::string NumericEdit::boundText(int bound) const {
    if (isIntegerKind(kind_))
        return formatPadded(bound, minimumDigits_);
    return std::to_string(bound);
}

bool NumericEdit::aboveMaximum(const std::string& t) const {
    // Read as a float so that a number too long for 32 bits still counts as large.
    return isNumberKind(kind_) && maximumValue_ > 0 && parseFloat(t).value_or(0.0) > maximumValue_;
}

bool NumericEdit::inRange(const std::string& t) const {
    if (!isNumberKind(kind_))
        return true;
    const auto x = parseFloat(t);
    return x && *x >= minimumValue_ && !aboveMaximum(t);
}

std::string NumericEdit::normalised(const std::string& t) const {
    switch (kind_) {
    case ValueKind::Numeric:
    case ValueKind::SgnNumeric: {
        std::int32_t n = parseInt32(t).value_or(0);
        if (n < minimumValue_)
            n = minimumValue_;
        else if (maximumValue_ > 0 && n > maximumValue_)
            n = maximumValue_;
        return formatPadded(n, minimumDigits_);
    }
    case ValueKind::Float:
    case ValueKind::SgnFloat: {
        const double x = parseFloat(t).value_or(0.0);
        if (x < minimumValue_)
            return boundText(minimumValue_);
        if (maximumValue_ > 0 && x > maximumValue_)
            return boundText(maximumValue_);
        if (roundAtDigit_ > 0)
            return formatFixed(x, roundAtDigit_);
        return t;
    }
    case ValueKind::HexValue: {
        // The text may come with the prefix this field shows; it is written once, not twice.
        std::string_view digits = t;
        if (digits.size() >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
            digits.remove_prefix(2);
        std::string shown(kHexPrefix);
        if (static_cast<int>(digits.size()) < minimumDigits_)
            shown.append(static_cast<std::size_t>(minimumDigits_) - digits.size(), '0');
        shown += io::toUpperAscii(digits);
        return shown;
    }
    case ValueKind::All:
    case ValueKind::SelectedIn:
    case ValueKind::SelectedOut:
        break;
    }
    return t;
}

void NumericEdit::show(std::string text) {
    if (text_ == text)
        return;
    text_ = std::move(text);
    valueChanged();
}

double NumericEdit::valueAsFloat() const {
    return parseFloat(text()).value_or(0.0);
}

std::int64_t NumericEdit::valueAsInt64() const {
    if (kind_ == ValueKind::HexValue) {
        const auto value = parseHex(text());
        return value ? static_cast<std::int64_t>(*value) : 0;
    }
    return parseInt32(text()).value_or(0);
}

void NumericEdit::setValueFromInt64(std::int64_t value) {
    if (kind_ == ValueKind::HexValue)
        setText(hexDigits(static_cast<std::uint64_t>(value), maxLength_));
    else
        setText(std::to_string(value));
}

std::size_t NumericEdit::protectedPrefix() const {
    if (kind_ == ValueKind::HexValue && text_.starts_with(kHexPrefix))
        return kHexPrefix.size();
    return 0;
}

NumericEdit::Range NumericEdit::bounds(int selStart, int selLength) const {
    const auto size = static_cast<std::int64_t>(text_.size());
    std::int64_t a = std::clamp<std::int64_t>(selStart, 0, size);
    std::int64_t b = std::clamp<std::int64_t>(std::int64_t{selStart} + selLength, 0, size);
    if (b < a)
        std::swap(a, b);
    return {static_cast<std::size_t>(a), static_cast<std::size_t>(b)};
}

NumericEdit::Range NumericEdit::editable(Range range) const {
    const std::size_t prefix = protectedPrefix();
    return {std::max(range.start, prefix), std::max(range.end, prefix)};
}

bool NumericEdit::acceptedByKind(char ch) const {
    if (ch == '\b')
        return true;
    switch (kind_) {
    case ValueKind::All:
        return true;
    case ValueKind::SelectedIn:
        return valueSelect_.find(ch) != std::string::npos;
    case ValueKind::SelectedOut:
        return valueSelect_.find(ch) == std::string::npos;
    case ValueKind::Numeric:
        return isDigit(ch);
    case ValueKind::SgnNumeric:
        return isDigit(ch) || ch == '-';
    case ValueKind::Float:
        return isDigit(ch) || isSeparator(ch);
    case ValueKind::SgnFloat:
        return isDigit(ch) || isSeparator(ch) || ch == '-';
    case ValueKind::HexValue:
        return isHexDigit(ch);
    }
    return false;
}

// What a key accepted by the kind inserts at `pos` of the text left after removing the
// selection, or nullopt when its position drops it. Nothing typed may leave a text that
// reads as another number than it shows: a minus sign stays first and single, a separator single.
std::optional<std::string> NumericEdit::insertion(char ch, const std::string& rest, std::size_t pos) const {
    if (!isNumberKind(kind_))
        return std::string(1, ch);
    const std::size_t minus = rest.find('-');
    const bool inFrontOfMinus = minus != std::string::npos && pos <= minus;
    if (ch == '-') {
        if (minus != std::string::npos || pos != 0)
            return std::nullopt;
        return std::string("-");
    }
    if (inFrontOfMinus)
        return std::nullopt;
    if (isSeparator(ch)) {
        if (rest.find('.') != std::string::npos)
            return std::nullopt;
        const bool afterLeadingMinus = pos == 1 && rest[0] == '-';
        if (pos == 0 || afterLeadingMinus)
            return std::string("0.");
        return std::string(".");
    }
    return std::string(1, ch);
}

bool NumericEdit::fitsLimit(const std::string& candidate) const {
    const int limit = typingLimit();
    return limit <= 0 || candidate.size() <= static_cast<std::size_t>(limit);
}

std::optional<int> NumericEdit::keyPress(char ch, int selStart, int selLength) {
    if (readOnly_)
        return std::nullopt;
    if (isControlByte(ch) && ch != '\b')
        return std::nullopt;
    if (!acceptedByKind(ch)) {
        inputRefused.emit(*this);
        return std::nullopt;
    }
    const Range typed = bounds(selStart, selLength);
    Range range = editable(typed);
    if (ch == '\b') {
        if (range.start == range.end) {
            if (range.start <= protectedPrefix())
                return static_cast<int>(typed.start);
            --range.start;
        }
        std::string candidate = text_;
        candidate.erase(range.start, range.end - range.start);
        return showEdited(std::move(candidate), range.start);
    }
    std::string candidate = text_;
    candidate.erase(range.start, range.end - range.start);
    const auto inserted = insertion(ch, candidate, range.start);
    if (!inserted)
        return std::nullopt;
    candidate.insert(range.start, *inserted);
    if (!fitsLimit(candidate))
        return std::nullopt;
    return showEdited(std::move(candidate), range.start + inserted->size());
}

// An edit that takes the number beyond the maximum (a digit typed, a separator or minus sign
// removed) gives the maximum at once, as Enter would, with the caret behind it: the field never
// shows a number the program reads differently.
int NumericEdit::showEdited(std::string candidate, std::size_t caret) {
    if (aboveMaximum(candidate)) {
        show(boundText(maximumValue_));
        return static_cast<int>(text_.size());
    }
    show(std::move(candidate));
    return static_cast<int>(caret);
}

int NumericEdit::deleteForward(int selStart, int selLength) {
    const Range selected = bounds(selStart, selLength);
    if (readOnly_)
        return static_cast<int>(selected.start);
    Range range = editable(selected);
    if (selected.start == selected.end) {
        // A caret inside the prefix deletes nothing; one at the end has nothing after it.
        if (selected.start < protectedPrefix() || selected.start == text_.size())
            return static_cast<int>(selected.start);
        range.end = range.start + 1;
    }
    std::string candidate = text_;
    candidate.erase(range.start, range.end - range.start);
    return showEdited(std::move(candidate), range.start);
}

std::optional<int> NumericEdit::paste(const std::string& clip, int selStart, int selLength) {
    if (kind_ != ValueKind::All || readOnly_)
        return std::nullopt;
    // A single-line field takes the first line, without control bytes.
    std::string pasted;
    for (const char ch : clip) {
        if (ch == '\r' || ch == '\n')
            break;
        if (!isControlByte(ch))
            pasted += ch;
    }
    const Range range = bounds(selStart, selLength);
    std::string candidate = text_;
    candidate.erase(range.start, range.end - range.start);
    const int limit = typingLimit();
    if (limit > 0) {
        const auto room = static_cast<std::size_t>(
            std::max<std::int64_t>(std::int64_t{limit} - static_cast<std::int64_t>(candidate.size()), 0));
        if (pasted.size() > room)
            pasted.resize(room);
    }
    if (pasted.empty())
        return std::nullopt;
    candidate.insert(range.start, pasted);
    show(std::move(candidate));
    return static_cast<int>(range.start + pasted.size());
}

void NumericEdit::pressEnter() {
    renormalise();
    editingFinished.emit(*this);
}

void NumericEdit::leave() {
    // Padding and rounding are applied on leaving; so is the range, so that a field left empty
    // or below its minimum does not show a number other than the one the program reads.
    if ((isIntegerKind(kind_) && minimumDigits_ > 0) || (isFloatKind(kind_) && roundAtDigit_ > 0) ||
        !inRange(text()))
        renormalise();
    editingFinished.emit(*this);
}

} // namespace regforge::model
