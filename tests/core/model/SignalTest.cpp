#include "model/Signal.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace regforge::model {
namespace {

// Slots that change the signal's own list while it runs: each change counts from the next
// emission, a disconnected slot never runs again, and one that destroys the signal ends the emission.
TEST(Signal, SlotsChangingTheListWhileItRunsTakeEffectInOrder) {
    Signal<int> signal;
    std::string ran;
    int late = 0;
    int second = 0;
    signal.connect([&](int n) {
        ran += "a" + std::to_string(n);
        if (n == 1) {
            signal.disconnect(second);
            // Enough of them that a list growing in place would move the running slot.
            for (int i = 0; i < 8; ++i)
                late = signal.connect([&, i](int m) { ran += "n" + std::to_string(i * 10 + m); });
            signal.emit(2);
        }
    });
    second = signal.connect([&](int n) { ran += "b" + std::to_string(n); });
    signal.emit(1);
    EXPECT_EQ(ran, "a1a2");
    ran.clear();
    signal.disconnect(late);
    signal.emit(3);
    EXPECT_EQ(ran, "a3n3n13n23n33n43n53n63");
    EXPECT_FALSE(signal.empty());

    auto owned = std::make_unique<Signal<>>();
    int after = 0;
    owned->connect([&] { owned.reset(); });
    owned->connect([&] { ++after; });
    owned->emit();
    EXPECT_EQ(owned, nullptr);
    EXPECT_EQ(after, 0);
}

} // namespace
} // namespace regforge::model
