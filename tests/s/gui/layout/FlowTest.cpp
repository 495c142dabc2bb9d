#include "s/gui/layout/Flow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

using namespace s::gui::layout;

namespace {

LayoutItem exact(int32_t width, int32_t height, bool visible = true) {
    return {{{width, height}, {width, height}}, visible};
}

LayoutRequest request(Size content, int32_t horizontalGap, int32_t verticalGap,
                      std::initializer_list<LayoutItem> items) {
    LayoutRequest made;
    made.content = content;
    made.horizontalGap = horizontalGap;
    made.verticalGap = verticalGap;
    made.items = items;
    return made;
}

LayoutResult flow(const LayoutRequest& made) {
    LayoutResult result;
    Flow::shared().arrange(made, result);
    return result;
}

} // namespace

TEST(FlowTest, AChildThatNoLongerFitsStartsTheNextRow) {
    // 30 + 5 + 30 + 5 + 30 is exactly 100: three fit, the fourth wraps.
    LayoutRequest four =
        request({100, 0}, 5, 4, {exact(30, 10), exact(30, 10), exact(30, 10), exact(30, 10)});
    LayoutResult result = flow(four);
    EXPECT_EQ((Rect{0, 0, 30, 10}), result.bounds[0]);
    EXPECT_EQ((Rect{70, 0, 30, 10}), result.bounds[2]);
    EXPECT_EQ((Rect{0, 10 + 4, 30, 10}), result.bounds[3]);
    // Narrowest useful width: the widest child; widest: everything in one row.
    EXPECT_EQ((Size{30, 10 + 4 + 10}), result.minimum);
    EXPECT_EQ(4 * 30 + 3 * 5, result.maximum.width);

    // One pixel less and the third child wraps as well.
    four.content.width = 99;
    LayoutResult narrower = flow(four);
    EXPECT_EQ((Rect{0, 14, 30, 10}), narrower.bounds[2]);
    EXPECT_EQ((Rect{35, 14, 30, 10}), narrower.bounds[3]);
    EXPECT_EQ(24, narrower.minimum.height);
}

TEST(FlowTest, AChildWiderThanTheBoxGetsARowOfItsOwnAndWidensTheRows) {
    LayoutResult result =
        flow(request({50, 0}, 5, 4, {exact(30, 10), exact(80, 10), exact(30, 10)}));
    EXPECT_EQ((Rect{0, 0, 30, 10}), result.bounds[0]);
    EXPECT_EQ((Rect{0, 14, 80, 10}), result.bounds[1]);
    EXPECT_EQ((Rect{0, 28, 30, 10}), result.bounds[2]);
    EXPECT_EQ(80, result.minimum.width);
}

TEST(FlowTest, EmptyAndHiddenChildrenAddNoGap) {
    LayoutResult zeroWidth =
        flow(request({100, 0}, 5, 0, {exact(30, 10), exact(0, 10), exact(30, 10)}));
    EXPECT_EQ(30, zeroWidth.bounds[1].x);
    EXPECT_EQ(30 + 5, zeroWidth.bounds[2].x);
    EXPECT_EQ(65, zeroWidth.maximum.width);

    LayoutResult hidden =
        flow(request({100, 0}, 5, 0, {exact(30, 10), exact(30, 50, false), exact(30, 10)}));
    EXPECT_EQ((Rect{}), hidden.bounds[1]);
    EXPECT_EQ(30 + 5, hidden.bounds[2].x);
    EXPECT_EQ(10, hidden.minimum.height) << "a hidden child's height counts nowhere";

    LayoutResult allHidden = flow(request({100, 100}, 5, 5, {exact(30, 10, false)}));
    EXPECT_EQ((Size{0, 0}), allHidden.minimum);
}

TEST(FlowTest, EachRowIsAlignedInItsOwnLeftoverAndTheBlockInTheHeight) {
    // Rows 60 + 30 (10 left) and 50 (50 left) in a 100 x 100 box.
    LayoutRequest rows = request({100, 100}, 0, 0, {exact(60, 10), exact(30, 10), exact(50, 10)});
    rows.horizontalAlignment = Alignment::End;
    rows.verticalAlignment = Alignment::Centre;
    LayoutResult right = flow(rows);
    EXPECT_EQ(10, right.bounds[0].x);
    EXPECT_EQ(70, right.bounds[1].x);
    EXPECT_EQ(50, right.bounds[2].x);
    EXPECT_EQ((100 - 20) / 2, right.bounds[0].y);
    EXPECT_EQ((100 - 20) / 2 + 10, right.bounds[2].y);

    rows.horizontalAlignment = Alignment::Centre;
    LayoutResult centre = flow(rows);
    EXPECT_EQ(5, centre.bounds[0].x);
    EXPECT_EQ(25, centre.bounds[2].x);
}

TEST(FlowTest, ExtraHeightIsSharedAmongTheRowsThatCanGrow) {
    // Two rows of 10 .. 40 in a height of 60: 40 to share over 60 of room,
    // two thirds of each row's 30.
    LayoutItem tall{{{100, 10}, {100, 40}}, true};
    LayoutResult result = flow(request({100, 60}, 0, 0, {tall, tall}));
    EXPECT_EQ((Rect{0, 0, 100, 30}), result.bounds[0]);
    EXPECT_EQ((Rect{0, 30, 100, 30}), result.bounds[1]);
    EXPECT_EQ(80, result.maximum.height);

    // In a row, a lower child is stretched as far as it may, then aligned.
    LayoutItem low{{{20, 5}, {20, 8}}, true};
    LayoutRequest mixed = request({100, 0}, 0, 0, {exact(20, 30), low});
    mixed.verticalAlignment = Alignment::End;
    LayoutResult aligned = flow(mixed);
    EXPECT_EQ(8, aligned.bounds[1].height);
    EXPECT_EQ(30 - 8, aligned.bounds[1].y);
}
