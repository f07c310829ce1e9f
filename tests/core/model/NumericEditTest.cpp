#include "model/NumericEdit.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <random>
#include <string_view>

namespace regforge::model {
namespace {

// A field as the pages declare one, with counters for what its owner sees.
struct Field {
    explicit Field(ValueKind kind, int maxLength = 0) : edit("edit", nullptr) {
        edit.setValueKind(kind);
        edit.setMaxLength(maxLength);
        edit.changed.connect([this](Control&) { ++changes; });
        edit.inputRefused.connect([this](NumericEdit&) { ++refusals; });
        edit.viewChanged.connect([this](const Control&, Aspect aspect, int) {
            if (aspect == Aspect::Limits)
                ++limitViews;
        });
    }
    // Types with the caret at the end; returns how many keys were taken.
    int type(std::string_view keys) {
        int taken = 0;
        for (const char ch : keys)
            taken += edit.keyPress(ch, static_cast<int>(edit.shownText().size()), 0).has_value();
        return taken;
    }
    // Selects everything and types.
    void retype(std::string_view keys) {
        edit.deleteForward(0, static_cast<int>(edit.shownText().size()));
        type(keys);
    }
    NumericEdit edit;
    int changes = 0;
    int refusals = 0;
    int limitViews = 0;
};

TEST(NumericEdit, HexFieldShowsPrefixAndPaddingAndReadsDigits) {
    Field f(ValueKind::HexValue, 8);
    f.edit.setMinimumDigits(8);
    f.edit.setText("1f");
    EXPECT_EQ(f.edit.shownText(), "0x0000001F");
    EXPECT_EQ(f.edit.text(), "0000001F");
    EXPECT_EQ(f.edit.valueAsInt64(), 31);
    // The field's own text written back keeps one prefix.
    f.edit.setText(f.edit.shownText());
    EXPECT_EQ(f.edit.shownText(), "0x0000001F");
    f.edit.setText("0XabcDEF");
    EXPECT_EQ(f.edit.shownText(), "0x00ABCDEF");
    f.edit.setText("FFFFFFFFFFFFFFFF");
    EXPECT_EQ(f.edit.valueAsInt64(), -1);
    f.edit.setText("1FFFFFFFFFFFFFFFF");
    EXPECT_EQ(f.edit.valueAsInt64(), 0);

    // Text without the prefix: a leading "x" is dropped, an over-long text is cut to the limit,
    // and a field without limit reads it whole.
    NumericEdit bare("bare", nullptr);
    bare.setText("x1F");
    bare.setValueKind(ValueKind::HexValue);
    EXPECT_EQ(bare.text(), "1F");
    bare.setValueKind(ValueKind::All);
    bare.setText("123456789");
    bare.setValueKind(ValueKind::HexValue);
    EXPECT_EQ(bare.text(), "123456789");
    bare.setMaxLength(8);
    EXPECT_EQ(bare.text(), "23456789");
}

TEST(NumericEdit, HexTypingKeepsThePrefixAndLeavesRoomForIt) {
    Field f(ValueKind::HexValue, 8);
    f.edit.setMinimumDigits(8);
    f.edit.setText("0");
    EXPECT_FALSE(f.edit.keyPress('x', 10, 0));
    EXPECT_EQ(f.refusals, 1);
    EXPECT_EQ(f.type("a"), 0); // the ninth digit: dropped silently
    EXPECT_EQ(f.refusals, 1);

    EXPECT_EQ(f.edit.keyPress('a', 0, 10), 3); // select all, type
    EXPECT_EQ(f.edit.shownText(), "0xa");
    f.edit.pressEnter();
    EXPECT_EQ(f.edit.shownText(), "0x0000000A");

    f.edit.setMinimumDigits(0);
    f.edit.setText("1");
    EXPECT_EQ(f.edit.keyPress('7', 0, 0), 3); // a caret inside "0x" types behind it
    EXPECT_EQ(f.edit.shownText(), "0x71");
    EXPECT_EQ(f.edit.keyPress('\b', 2, 0), 2);
    EXPECT_EQ(f.edit.keyPress('\b', 1, 0), 1);
    EXPECT_EQ(f.edit.deleteForward(0, 0), 0);
    EXPECT_EQ(f.edit.shownText(), "0x71");
    EXPECT_EQ(f.edit.deleteForward(1, 2), 2); // "x7": only the digit goes
    EXPECT_EQ(f.edit.shownText(), "0x1");
    f.edit.keyPress('\b', 0, 3);
    EXPECT_EQ(f.edit.shownText(), "0x");
    EXPECT_EQ(f.edit.valueAsInt64(), 0);
    EXPECT_EQ(f.type("123456789"), 8);
    EXPECT_EQ(f.edit.valueAsInt64(), 0x12345678);
}

TEST(NumericEdit, IntegerFieldsClampPadAndFilterKeys) {
    Field f(ValueKind::Numeric, 3);
    f.edit.setMinimumValue(8);
    f.edit.setMaximumValue(254);
    f.retype("3");
    EXPECT_EQ(f.edit.shownText(), "3");
    f.edit.pressEnter();
    EXPECT_EQ(f.edit.shownText(), "8");
    f.retype("300");
    f.edit.pressEnter();
    EXPECT_EQ(f.edit.shownText(), "254");
    EXPECT_EQ(f.type("1"), 0); // over MaxLength: silent
    EXPECT_EQ(f.type("a-."), 0);
    EXPECT_EQ(f.refusals, 3);
    f.edit.setMaxLength(0);
    f.edit.setText("99999999999"); // no 32-bit number: reads 0, shown as the minimum
    EXPECT_EQ(f.edit.shownText(), "8");

    Field s(ValueKind::SgnNumeric);
    s.edit.setMinimumValue(-100);
    s.edit.setMinimumDigits(3);
    s.edit.deleteForward(0, 3);
    EXPECT_EQ(s.type("5-"), 1); // "-" away from the start
    EXPECT_TRUE(s.edit.keyPress('-', 0, 0));
    EXPECT_FALSE(s.edit.keyPress('-', 0, 0)); // a second "-"
    EXPECT_FALSE(s.edit.keyPress('7', 0, 0)); // a digit in front of "-"
    EXPECT_EQ(s.refusals, 0);
    s.edit.leave();
    EXPECT_EQ(s.edit.shownText(), "-005");
    EXPECT_EQ(s.edit.valueAsInt64(), -5);
}

TEST(NumericEdit, FloatFieldsClampRoundAndPlaceSeparatorAndSign) {
    Field f(ValueKind::Float, 14);
    f.edit.setMaximumValue(200);
    f.edit.setText("250");
    EXPECT_EQ(f.edit.shownText(), "200");
    f.edit.setText("12.5");
    EXPECT_EQ(f.edit.shownText(), "12.5");
    EXPECT_DOUBLE_EQ(f.edit.valueAsFloat(), 12.5);
    EXPECT_EQ(f.edit.valueAsInt64(), 0); // not an integer
    f.edit.setText("-3");
    EXPECT_EQ(f.edit.shownText(), "0");

    f.retype(".5.,");
    EXPECT_EQ(f.edit.shownText(), "0.5"); // separator at the start gets its "0"; a second is dropped
    EXPECT_EQ(f.type("e-"), 0);
    EXPECT_EQ(f.refusals, 2);
    f.retype("12,");
    EXPECT_EQ(f.edit.shownText(), "12.");
    f.edit.setRoundAtDigit(2);
    EXPECT_EQ(f.edit.shownText(), "12.00");
    f.retype("3.14159");
    f.edit.leave();
    EXPECT_EQ(f.edit.shownText(), "3.14");

    Field s(ValueKind::SgnFloat);
    s.edit.setMinimumValue(-1000);
    EXPECT_EQ(s.type("-"), 1);
    for (const char ch : std::string_view("019.,-"))
        EXPECT_FALSE(s.edit.keyPress(ch, 0, 0)) << ch; // nothing goes in front of "-"
    EXPECT_EQ(s.refusals, 0);
    EXPECT_EQ(s.type(".5"), 2);
    EXPECT_EQ(s.edit.shownText(), "-0.5");
    EXPECT_DOUBLE_EQ(s.edit.valueAsFloat(), -0.5);
}

TEST(NumericEdit, SelectionGoesBeforeTheKeyIsJudged) {
    Field s(ValueKind::SgnNumeric);
    s.edit.setMinimumValue(-9);
    s.edit.setText("-5");
    EXPECT_EQ(s.edit.keyPress('3', 0, 1), 1);
    EXPECT_EQ(s.edit.shownText(), "35");

    Field f(ValueKind::Float);
    f.edit.setText("1.5");
    EXPECT_FALSE(f.edit.keyPress('.', 0, 1)); // ".5" keeps its separator; nothing is removed
    EXPECT_EQ(f.edit.shownText(), "1.5");
    EXPECT_EQ(f.edit.keyPress('.', 1, 2), 2);
    EXPECT_EQ(f.edit.shownText(), "1.");

    Field n(ValueKind::Numeric, 3);
    n.edit.setText("123");
    EXPECT_EQ(n.edit.keyPress('4', 2, 1), 3);
    EXPECT_EQ(n.edit.keyPress('9', 3, -3), 1); // a selection made leftwards
    EXPECT_EQ(n.edit.shownText(), "9");
}

TEST(NumericEdit, SelectedKindsAndAllFilterByCharacterSet) {
    Field in(ValueKind::SelectedIn);
    in.edit.setValueSelect("01");
    EXPECT_EQ(in.type("1201\b"), 4);
    EXPECT_EQ(in.edit.shownText(), "10");
    EXPECT_EQ(in.refusals, 1);

    Field out(ValueKind::SelectedOut);
    out.edit.setValueSelect("xyz\b");
    EXPECT_EQ(out.type("axb\b"), 3); // Backspace passes even when listed
    EXPECT_EQ(out.edit.shownText(), "a");
    EXPECT_EQ(out.refusals, 1);

    Field all(ValueKind::All);
    EXPECT_EQ(all.type("x-\xE9"), 3);
    EXPECT_EQ(all.type("\x03\r\t"), 0); // keys, not text
    EXPECT_EQ(all.edit.shownText(), "x-\xE9");
}

// A field as declared, what is typed into it (the whole text replaced), what it shows while
// typing (nullptr: not checked) and after leaving it.
TEST(NumericEdit, TypedTextsShowAsTheFieldKeepsThemWhileTypingAndOnLeaving) {
    struct Case {
        ValueKind kind;
        int maxLength, minDigits, round, minimum, maximum;
        const char* typed;
        const char* whileTyping;
        const char* left;
    };
    constexpr int kNone = 0;
    const Case cases[] = {
        // A number in range stays as typed; padding and the minimum come on leaving, the
        // maximum at once.
        {ValueKind::Numeric, 0, 0, 0, kNone, 254, "12", "12", "12"},
        {ValueKind::Numeric, 0, 2, 0, kNone, 254, "7", "7", "07"},
        {ValueKind::Numeric, 3, 0, 0, 8, 254, "3", "3", "8"},
        {ValueKind::Numeric, 3, 0, 0, 8, 254, "", "", "8"},
        {ValueKind::Numeric, 3, 3, 0, kNone, 255, "300", "255", "255"},
        {ValueKind::Numeric, 3, 3, 0, kNone, 255, "99", "99", "099"},
        {ValueKind::Float, 0, 0, 0, 1, 200, "12.5", "12.5", "12.5"},
        {ValueKind::Float, 0, 0, 0, 1, 200, "", "", "1"},
        {ValueKind::Float, 14, 0, 2, kNone, 200, "3.14159", nullptr, "3.14"},
        {ValueKind::Float, 14, 0, 0, kNone, 200, "201", "200", "200"},
        {ValueKind::Float, 14, 0, 0, kNone, 200, "250", "200", "200"},
        {ValueKind::Float, 14, 0, 0, kNone, 200, "5000", "200", "200"},
        {ValueKind::Float, 14, 0, 0, kNone, 200, "99999999999", "200", "200"},
    };
    for (const Case& c : cases) {
        Field f(c.kind, c.maxLength);
        if (c.minimum != kNone)
            f.edit.setMinimumValue(c.minimum);
        f.edit.setMaximumValue(c.maximum);
        f.edit.setMinimumDigits(c.minDigits);
        if (c.round != 0)
            f.edit.setRoundAtDigit(c.round);
        f.retype(c.typed);
        EXPECT_EQ(f.edit.shownText(), c.whileTyping != nullptr ? c.whileTyping : f.edit.shownText())
            << c.typed;
        f.edit.leave();
        EXPECT_EQ(f.edit.shownText(), c.left) << c.typed;
    }
}

TEST(NumericEdit, EditsThatMakeANumberBeyondTheMaximumShowTheMaximumWithTheCaretBehind) {
    Field f(ValueKind::Float, 14);
    f.edit.setMaximumValue(200);
    f.retype("20");
    EXPECT_EQ(f.edit.keyPress('1', 2, 0), 3) << "the caret goes behind the maximum";
    EXPECT_EQ(f.edit.shownText(), "200");
    EXPECT_DOUBLE_EQ(f.edit.valueAsFloat(), 200);
    f.retype("20.5");
    EXPECT_EQ(f.edit.deleteForward(2, 0), 3) << "removing the separator makes 205";
    EXPECT_EQ(f.edit.shownText(), "200");
    f.retype("20.5");
    EXPECT_EQ(f.edit.keyPress('\b', 3, 0), 3);
    EXPECT_EQ(f.edit.shownText(), "200");

    Field s(ValueKind::SgnNumeric);
    s.edit.setMinimumValue(-1000);
    s.edit.setMaximumValue(100);
    s.retype("-500");
    EXPECT_EQ(s.edit.deleteForward(0, 1), 3) << "removing the minus sign makes 500";
    EXPECT_EQ(s.edit.shownText(), "100");
}

TEST(NumericEdit, PropertyChangesRenormaliseAndMaxLengthLowersMinimumDigits) {
    Field f(ValueKind::Numeric);
    f.edit.setText("42");
    f.changes = 0;
    f.edit.setMaximumValue(40);
    f.edit.setMaximumValue(40);
    f.edit.setMinimumDigits(5);
    EXPECT_EQ(f.edit.shownText(), "00040");
    EXPECT_EQ(f.changes, 2);
    f.edit.setMaxLength(3);
    EXPECT_EQ(f.edit.minimumDigits(), 3);
    EXPECT_EQ(f.edit.shownText(), "040");
    f.edit.setMinimumDigits(6);
    EXPECT_EQ(f.edit.minimumDigits(), 3);
    f.edit.setReadOnly(true);
    EXPECT_EQ(f.limitViews, 2);
    // A new kind changes what the view accepts: it is told once, and not for the same kind.
    f.edit.setValueKind(ValueKind::HexValue);
    f.edit.setValueKind(ValueKind::HexValue);
    EXPECT_EQ(f.limitViews, 3);

    Field m(ValueKind::Numeric);
    m.edit.setText("3");
    m.edit.setMinimumValue(5);
    EXPECT_EQ(m.edit.shownText(), "5") << "a raised minimum applies at once";
    Field one(ValueKind::Numeric);
    one.edit.setMaximumValue(1);
    one.edit.setText("7");
    EXPECT_EQ(one.edit.shownText(), "1") << "a maximum of 1 is a maximum too";

    Field g(ValueKind::Float);
    g.edit.setText("7");
    g.edit.setMinimumDigits(4); // not a float property
    EXPECT_EQ(g.edit.shownText(), "7");
    g.edit.setRoundAtDigit(3);
    EXPECT_EQ(g.edit.shownText(), "7.000");
}

TEST(NumericEdit, SetFromInt64WritesEachKindsForm) {
    Field hex(ValueKind::HexValue, 8);
    hex.edit.setMinimumDigits(8);
    hex.edit.setValueFromInt64(31);
    EXPECT_EQ(hex.edit.shownText(), "0x0000001F");
    hex.edit.setValueFromInt64(-1);
    EXPECT_EQ(hex.edit.shownText(), "0xFFFFFFFFFFFFFFFF");
    EXPECT_EQ(hex.edit.valueAsInt64(), -1);
    hex.edit.setMaxLength(4);
    hex.edit.setValueFromInt64(65535);
    EXPECT_EQ(hex.edit.shownText(), "0xFFFF");

    Field n(ValueKind::Numeric);
    n.edit.setMaximumValue(255);
    n.edit.setValueFromInt64(300);
    EXPECT_EQ(n.edit.shownText(), "255");
    n.edit.setValueFromInt64(5'000'000'000);
    EXPECT_EQ(n.edit.valueAsInt64(), 0);

    Field f(ValueKind::Float);
    f.edit.setMinimumValue(-10);
    f.edit.setRoundAtDigit(2);
    f.edit.setValueFromInt64(5);
    EXPECT_EQ(f.edit.shownText(), "5.00");
    f.edit.setText("-0.001");
    EXPECT_EQ(f.edit.shownText(), "0.00");

    Field all(ValueKind::All);
    all.edit.setValueFromInt64(-7);
    EXPECT_EQ(all.edit.valueAsInt64(), -7);
}

TEST(NumericEdit, ChangedFiresOncePerRealChangeAndNotWhenMuted) {
    Field f(ValueKind::Numeric);
    int redraws = 0;
    f.edit.viewChanged.connect(
        [&](const Control&, Aspect aspect, int) { redraws += aspect == Aspect::Value; });
    f.type("1a");
    f.edit.keyPress('\b', 0, 0);
    f.edit.setText("1");
    f.edit.pressEnter();
    EXPECT_EQ(f.changes, 1);
    {
        MuteGuard mute(f.edit);
        f.edit.setText("5");
    }
    EXPECT_EQ(f.changes, 1);
    EXPECT_EQ(redraws, 2);
    f.edit.deleteForward(0, 0);
    EXPECT_EQ(f.changes, 2);
}

TEST(NumericEdit, PasteWorksOnlyInKindAllAndReadOnlyRefusesTyping) {
    Field n(ValueKind::Numeric);
    EXPECT_FALSE(n.edit.paste("123", 0, 0));
    EXPECT_EQ(n.edit.shownText(), "");

    Field all(ValueKind::All, 5);
    all.edit.setText("ab");
    EXPECT_EQ(all.edit.paste("cdefg\r\nxyz", 1, 1), 5); // first line, cut to the limit
    EXPECT_EQ(all.edit.shownText(), "acdef");
    EXPECT_FALSE(all.edit.paste("z", 5, 0));

    Field ro(ValueKind::Numeric);
    ro.edit.setReadOnly(true);
    EXPECT_FALSE(ro.edit.keyPress('a', 0, 0));
    EXPECT_EQ(ro.refusals, 0);
    ro.edit.setText("12");
    EXPECT_FALSE(ro.edit.keyPress('3', 2, 0));
    ro.edit.deleteForward(0, 2);
    EXPECT_EQ(ro.edit.shownText(), "12");
}

TEST(NumericEdit, ExtremePropertiesAndSelectionsStaySafe) {
    Field f(ValueKind::Numeric);
    f.edit.setMinimumDigits(INT_MAX);
    EXPECT_EQ(f.edit.shownText().size(), static_cast<std::size_t>(NumericEdit::kMaxDigits));
    EXPECT_EQ(f.edit.valueAsInt64(), 0);
    EXPECT_EQ(f.edit.keyPress('9', -5, INT_MAX), 1);
    EXPECT_EQ(f.edit.deleteForward(100, 0), 1);

    Field g(ValueKind::Float);
    g.edit.setRoundAtDigit(INT_MAX);
    g.edit.setText("1e300");
    EXPECT_DOUBLE_EQ(g.edit.valueAsFloat(), 1e300);
}

// Random keys at random carets and selections: the text must always read as what it shows.
TEST(NumericEdit, NoTypingLeavesATextTheAccessorsMisread) {
    std::mt19937 random(7);
    for (const ValueKind kind : {ValueKind::SgnFloat, ValueKind::SgnNumeric, ValueKind::HexValue}) {
        Field f(kind, 8);
        f.edit.setMinimumValue(-1000);
        f.edit.setText("0");
        const std::string_view keys = "-.,019aF\b";
        for (int step = 0; step < 3000; ++step) {
            const int size = static_cast<int>(f.edit.shownText().size());
            const int start = std::uniform_int_distribution<int>(0, size)(random);
            const int length = std::uniform_int_distribution<int>(0, size - start)(random) * (step % 3 == 0);
            if (step % 7 == 0)
                f.edit.deleteForward(start, length);
            else
                f.edit.keyPress(keys[random() % keys.size()], start, length);
            const std::string& t = f.edit.shownText();
            const std::string digits = kind == ValueKind::HexValue ? t.substr(2) : t;
            ASSERT_EQ(std::count(t.begin(), t.end(), '-'), t.find('-') == 0 ? 1 : 0) << t;
            ASSERT_LE(std::count(t.begin(), t.end(), '.'), 1) << t;
            ASSERT_LE(digits.size(), 8u) << t;
            if (kind == ValueKind::HexValue) {
                ASSERT_EQ(t.substr(0, 2), "0x");
                ASSERT_EQ(f.edit.text(), digits);
            }
        }
    }
}

} // namespace
} // namespace regforge::model
