#include "s/gui/frame/EvasionSteps.h"

#include <gtest/gtest.h>

#include "s/gui/frame/Opacity.h"

using s::gui::frame::EvasionSteps;
using s::gui::frame::Opacity;

namespace {

// Ticks until `step` reaches `goal`, at most 1000.
template <class Step> int ticksTo(int32_t start, int32_t goal, Step step) {
    int ticks = 0;
    for (int32_t value = start; value != goal && ticks < 1000; value = step(value)) {
        ++ticks;
    }
    return ticks;
}

} // namespace

TEST(EvasionStepsTest, FadingOutTakesAFifthOfTheTargetPerTickAndFadingInATenth) {
    EXPECT_EQ(80, EvasionSteps::fadeOut(100, 100));
    EXPECT_EQ(5, ticksTo(100, 0, [](int32_t o) { return EvasionSteps::fadeOut(o, 100); }));
    EXPECT_EQ(0, EvasionSteps::fadeOut(10, 100)) << "never below nothing";
    EXPECT_EQ(59, EvasionSteps::fadeOut(60, 3)) << "at least 1 per tick";
    EXPECT_EQ(48, EvasionSteps::fadeOut(60, 60));

    EXPECT_EQ(10, EvasionSteps::fadeIn(0, 100));
    EXPECT_EQ(10, ticksTo(0, 100, [](int32_t o) { return EvasionSteps::fadeIn(o, 100); }));
    EXPECT_EQ(100, EvasionSteps::fadeIn(95, 100)) << "never above the target";
    EXPECT_EQ(1, EvasionSteps::fadeIn(0, 7)) << "at least 1 per tick";
    EXPECT_EQ(60, EvasionSteps::fadeIn(58, 60));
}

TEST(EvasionStepsTest, TheCountdownRunsOnlyWhileTheCursorIsOutside) {
    EXPECT_EQ(4500, EvasionSteps::countDown(5000, true));
    EXPECT_EQ(5000, EvasionSteps::countDown(5000, false));
    EXPECT_EQ(10, ticksTo(5000, 0, [](int32_t r) { return EvasionSteps::countDown(r, true); }));
    EXPECT_EQ(0, EvasionSteps::countDown(300, true)) << "never below 0";
}

TEST(EvasionStepsTest, ShrinkingTakesAFifthAndGrowingAFifteenthOfTheRememberedSize) {
    EXPECT_EQ(240, EvasionSteps::shrink(300, 300, 23));
    EXPECT_EQ(5, ticksTo(300, 23, [](int32_t w) { return EvasionSteps::shrink(w, 300, 23); }));
    EXPECT_EQ(23, EvasionSteps::shrink(40, 300, 23)) << "stops at the target";
    EXPECT_EQ(3, EvasionSteps::shrink(4, 4, 2)) << "at least 1 pixel per tick";
    EXPECT_EQ(300, EvasionSteps::shrink(300, 300, -1)) << "a negative target leaves it";
    EXPECT_EQ(20, EvasionSteps::shrink(20, 20, 23)) << "already smaller: never grown";

    EXPECT_EQ(43, EvasionSteps::grow(23, 300));
    EXPECT_EQ(14, ticksTo(23, 300, [](int32_t w) { return EvasionSteps::grow(w, 300); }));
    EXPECT_EQ(300, EvasionSteps::grow(290, 300)) << "never above the remembered size";
    EXPECT_EQ(6, EvasionSteps::grow(5, 10)) << "at least 1 pixel per tick";
}

TEST(EvasionStepsTest, OpacityAlphaIsPercentOf255HeldToAByte) {
    EXPECT_EQ(255, Opacity::alpha(100));
    EXPECT_EQ(127, Opacity::alpha(50));
    EXPECT_EQ(2, Opacity::alpha(1));
    EXPECT_EQ(0, Opacity::alpha(0));
    EXPECT_EQ(255, Opacity::alpha(150));
    EXPECT_EQ(0, Opacity::alpha(-5));
    EXPECT_EQ(255, Opacity::alpha(2000000000)) << "no overflow on the way";
    // Translucent only while kept on top.
    EXPECT_EQ(100, Opacity::applied(60, true, false));
    EXPECT_EQ(60, Opacity::applied(60, true, true));
    EXPECT_EQ(60, Opacity::applied(60, false, false));
}
