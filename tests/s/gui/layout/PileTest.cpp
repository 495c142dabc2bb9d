#include "s/gui/layout/Pile.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace s::gui::layout;

TEST(PileTest, EveryChildTakesTheWholeAreaAsFarAsItMayThenIsAligned) {
    LayoutRequest made;
    made.content = {100, 80};
    made.items = {{{{0, 0}, {1000, 1000}}, true}, {{{40, 20}, {40, 20}}, true}};
    LayoutResult result;
    Pile::shared().arrange(made, result);
    EXPECT_EQ((Rect{0, 0, 100, 80}), result.bounds[0]);
    EXPECT_EQ((Rect{0, 0, 40, 20}), result.bounds[1]) << "they overlap at the start";

    made.horizontalAlignment = Alignment::Centre;
    made.verticalAlignment = Alignment::Centre;
    Pile::shared().arrange(made, result);
    EXPECT_EQ((Rect{(100 - 40) / 2, (80 - 20) / 2, 40, 20}), result.bounds[1]);
    made.horizontalAlignment = Alignment::End;
    made.verticalAlignment = Alignment::End;
    Pile::shared().arrange(made, result);
    EXPECT_EQ((Rect{60, 60, 40, 20}), result.bounds[1]);
    EXPECT_EQ((Size{40, 20}), result.minimum);
    EXPECT_EQ((Size{1000, 1000}), result.maximum);
}

TEST(PileTest, TheAreaGrowsToTheLargestMinimumOfAnyChild) {
    LayoutRequest made;
    made.content = {10, 10};
    made.horizontalAlignment = Alignment::Centre;
    made.items = {{{{50, 5}, {50, 5}}, true}, {{{20, 40}, {20, 40}}, true}};
    LayoutResult result;
    Pile::shared().arrange(made, result);
    EXPECT_EQ((Size{50, 40}), result.minimum);
    EXPECT_EQ((Rect{0, 0, 50, 5}), result.bounds[0]);
    EXPECT_EQ((Rect{15, 0, 20, 40}), result.bounds[1]);
}
