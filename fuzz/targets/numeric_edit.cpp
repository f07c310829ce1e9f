// The numeric edit's key and text handling: the first bytes set up an edit (value kind, limits,
// digits, length, accepted characters), the rest is a script of key presses, deletes, pastes,
// texts, Enter and leaving the field, with the value read after each step.
#include "FuzzInput.h"
#include "model/NumericEdit.h"

namespace {

using regforge::fuzz::ByteReader;
using regforge::model::NumericEdit;
using regforge::model::ValueKind;

// A caret or selection as a view could send it, and a little beyond on both sides.
int position(ByteReader& in, const NumericEdit& edit) {
    return static_cast<int>(in.byte() % (edit.shownText().size() + 4)) - 2;
}

void setUp(NumericEdit& edit, ByteReader& in) {
    edit.setValueKind(static_cast<ValueKind>(in.byte() % 8));
    edit.setMinimumValue(static_cast<int>(in.int64() % 100000));
    edit.setMaximumValue(static_cast<int>(in.int64() % 100000));
    edit.setMinimumDigits(in.byte() % 12);
    edit.setRoundAtDigit(in.byte() % 12);
    edit.setMaxLength(in.byte() % 24);
    edit.setValueSelect(in.text(8));
    edit.setReadOnly(in.byte() % 8 == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    NumericEdit edit("Edit", nullptr);
    setUp(edit, in);
    while (!in.done()) {
        switch (in.byte() % 8) {
        case 0: {
            const char key = static_cast<char>(in.byte());
            const int start = position(in, edit);
            (void)edit.keyPress(key, start, position(in, edit));
            break;
        }
        case 1: {
            const int start = position(in, edit);
            (void)edit.deleteForward(start, position(in, edit));
            break;
        }
        case 2: {
            const std::string clip = in.text(16);
            const int start = position(in, edit);
            (void)edit.paste(clip, start, position(in, edit));
            break;
        }
        case 3:
            edit.setText(in.text(24));
            break;
        case 4:
            edit.pressEnter();
            break;
        case 5:
            edit.leave();
            break;
        case 6:
            edit.setValueFromInt64(in.int64());
            break;
        case 7:
            setUp(edit, in);
            break;
        }
        (void)edit.text();
        (void)edit.valueAsFloat();
        (void)edit.valueAsInt64();
        (void)edit.typingLimit();
    }
    return 0;
}
