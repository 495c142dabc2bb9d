#include "s/gui/layout/Linear.h"

#include "s/gui/layout/Horizontal.h"
#include "s/gui/layout/Vertical.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

using namespace s::gui::layout;

namespace {

// A child that takes exactly `width` x `height`.
LayoutItem exact(int32_t width, int32_t height) {
    return {{{width, height}, {width, height}}, true};
}

LayoutItem ranged(int32_t minimumWidth, int32_t minimumHeight, int32_t maximumWidth,
                  int32_t maximumHeight) {
    return {{{minimumWidth, minimumHeight}, {maximumWidth, maximumHeight}}, true};
}

LayoutRequest request(Size content, std::initializer_list<LayoutItem> items) {
    LayoutRequest made;
    made.content = content;
    made.items = items;
    return made;
}

LayoutResult column(const LayoutRequest& made) {
    LayoutResult result;
    Vertical::shared().arrange(made, result);
    return result;
}

LayoutResult row(const LayoutRequest& made) {
    LayoutResult result;
    Horizontal::shared().arrange(made, result);
    return result;
}

} // namespace

TEST(LinearTest, GapFollowsOnlyAChildThatMeasuresSomethingAndNeverDangles) {
    const int32_t gap = 5;
    // 20, 0, 20: a gap after the first child; none after the empty one.
    LayoutRequest three = request({100, 0}, {exact(50, 20), exact(50, 0), exact(50, 20)});
    three.verticalGap = gap;
    LayoutResult result = column(three);
    EXPECT_EQ(20 + gap + 0 + 20, result.minimum.height);
    EXPECT_EQ(45, result.minimum.height);
    EXPECT_EQ(45, result.maximum.height);
    EXPECT_EQ(0, result.bounds[0].y);
    EXPECT_EQ(20 + gap, result.bounds[1].y);
    EXPECT_EQ(20 + gap, result.bounds[2].y) << "the empty child adds no gap after itself";

    // 20, 0: the gap before the empty last child is taken off the total.
    LayoutRequest two = request({100, 0}, {exact(50, 20), exact(50, 0)});
    two.verticalGap = gap;
    EXPECT_EQ(20, column(two).minimum.height);
    EXPECT_EQ(20, column(two).maximum.height);

    // 0, 20: nothing before the first child that measures something.
    LayoutRequest leadingEmpty = request({100, 0}, {exact(50, 0), exact(50, 20)});
    leadingEmpty.verticalGap = gap;
    EXPECT_EQ(20, column(leadingEmpty).minimum.height);
    EXPECT_EQ(0, column(leadingEmpty).bounds[1].y);

    // A row follows the same rule along its width, with its own gap.
    LayoutRequest sideBySide = request({0, 10}, {exact(20, 5), exact(0, 5), exact(20, 5)});
    sideBySide.horizontalGap = gap;
    sideBySide.verticalGap = 99;
    EXPECT_EQ(45, row(sideBySide).minimum.width);
    EXPECT_EQ(25, row(sideBySide).bounds[2].x);
}

TEST(LinearTest, ExtraSpaceIsSharedInProportionToWhatEachChildCanStillGrow) {
    // Height 100, two children 20 .. 70: 60 pixels to share, 50 + 50 of room,
    // so each gets 60 / 100 of its room.
    const int32_t space = 100, minimum = 20, maximum = 70;
    const int32_t growth = (maximum - minimum) * (space - 2 * minimum) / (2 * (maximum - minimum));
    LayoutResult result = column(
        request({40, space}, {ranged(40, minimum, 40, maximum), ranged(40, minimum, 40, maximum)}));
    EXPECT_EQ(30, growth);
    EXPECT_EQ(minimum + growth, result.bounds[0].height);
    EXPECT_EQ(minimum + growth, result.bounds[1].height);
    EXPECT_EQ(minimum + growth, result.bounds[1].y);
    EXPECT_EQ(2 * minimum, result.minimum.height);
    EXPECT_EQ(2 * maximum, result.maximum.height);

    // The same in a row, along the width.
    LayoutResult sideBySide = row(
        request({space, 40}, {ranged(minimum, 40, maximum, 40), ranged(minimum, 40, maximum, 40)}));
    EXPECT_EQ(minimum + growth, sideBySide.bounds[0].width);
    EXPECT_EQ(minimum + growth, sideBySide.bounds[1].width);
    EXPECT_EQ(minimum + growth, sideBySide.bounds[1].x);

    // A child that cannot grow keeps its size and takes no share.
    LayoutResult mixed =
        column(request({40, space}, {exact(40, minimum), ranged(40, minimum, 40, 200)}));
    EXPECT_EQ(minimum, mixed.bounds[0].height);
    EXPECT_EQ(space - minimum, mixed.bounds[1].height);
}

TEST(LinearTest, AChildGrownFromNothingBringsItsGapWithoutPushingTheRowOutOfItsBox) {
    // Two halves of a 175-pixel row with gap 10: a picture of minimum 0 (its
    // width is a percentage) and a column of minimum 68. The minimum total
    // counts no gap after the picture, but once it has grown the gap is
    // there: the growth gives it back, from the last child first.
    LayoutRequest halves = request({175, 40}, {ranged(0, 40, 87, 40), ranged(68, 40, 88, 40)});
    halves.horizontalGap = 10;
    LayoutResult result = row(halves);
    EXPECT_EQ(87, result.bounds[0].width);
    EXPECT_EQ(97, result.bounds[1].x);
    EXPECT_EQ(78, result.bounds[1].width);
    EXPECT_EQ(175, result.bounds[1].x + result.bounds[1].width) << "ends at the row's edge";

    // Never below a minimum: too little room overflows as it did before.
    LayoutRequest tight = request({70, 40}, {ranged(0, 40, 87, 40), ranged(68, 40, 88, 40)});
    tight.horizontalGap = 10;
    result = row(tight);
    EXPECT_EQ(68, result.bounds[1].width);
    EXPECT_LE(result.bounds[1].x + result.bounds[1].width, 70 + 10);
    EXPECT_GE(result.bounds[0].width, 0);

    // A child taken back to nothing drops its gap again: in 14 pixels the
    // growable first child would get 2 and a gap of 10, leaving no room.
    LayoutRequest taken = request({14, 40}, {ranged(0, 40, 5, 40), exact(12, 40)});
    taken.horizontalGap = 10;
    result = row(taken);
    EXPECT_EQ(0, result.bounds[0].width);
    EXPECT_EQ(0, result.bounds[1].x);
}

TEST(LinearTest, PixelsLeftByTruncationGoToTheFirstChildThatCanTakeThem) {
    // 41 high, three children 10 .. 20: 11 to share over 30 of room; each
    // share truncates to 3, and the 2 pixels left go to the first child that
    // can still grow, as far as it can.
    const int32_t share = 10 * 11 / 30;
    const int32_t left = 11 - 3 * share;
    LayoutResult result = column(request(
        {10, 41}, {ranged(10, 10, 10, 20), ranged(10, 10, 10, 20), ranged(10, 10, 10, 20)}));
    EXPECT_EQ(3, share);
    EXPECT_EQ(10 + share + left, result.bounds[0].height);
    EXPECT_EQ(10 + share, result.bounds[1].height);
    EXPECT_EQ(10 + share, result.bounds[2].height);
    EXPECT_EQ(41, result.bounds[2].bottom()) << "the column is filled exactly";

    // A first child with less room than is left passes the rest on: 10 over
    // 1 + 20 + 20 of room gives shares 0, 4, 4; of the 2 left the first child
    // takes the 1 it can, the second the other.
    LayoutResult passed = column(request(
        {10, 40}, {ranged(10, 10, 10, 11), ranged(10, 10, 10, 30), ranged(10, 10, 10, 30)}));
    EXPECT_EQ(11, passed.bounds[0].height);
    EXPECT_EQ(10 + 4 + 1, passed.bounds[1].height);
    EXPECT_EQ(10 + 4, passed.bounds[2].height);
}

TEST(LinearTest, WithRoomForEveryMaximumTheRestAlignsTheWholeStack) {
    // 300 high, two children up to 70: both at 70, 160 left, half above.
    LayoutRequest middle = request({40, 300}, {ranged(40, 20, 40, 70), ranged(40, 20, 40, 70)});
    middle.verticalAlignment = Alignment::Centre;
    LayoutResult result = column(middle);
    EXPECT_EQ(70, result.bounds[0].height);
    EXPECT_EQ((300 - 140) / 2, result.bounds[0].y);
    EXPECT_EQ((300 - 140) / 2 + 70, result.bounds[1].y);

    middle.verticalAlignment = Alignment::End;
    EXPECT_EQ(300 - 140, column(middle).bounds[0].y);
}

TEST(LinearTest, CentredButtonsThatCannotGrowSplitTheExtraWidthBeforeAndAfter) {
    // Client width 300, buttons 50 and 70: 180 left over, half of it first.
    LayoutRequest buttons = request({300, 30}, {exact(50, 25), exact(70, 25)});
    buttons.horizontalAlignment = Alignment::Centre;
    LayoutResult result = row(buttons);
    const int32_t extra = 300 - 50 - 70;
    EXPECT_EQ(extra / 2, result.bounds[0].x);
    EXPECT_EQ(90, result.bounds[0].x);
    EXPECT_EQ(extra / 2 + 50, result.bounds[1].x);
    EXPECT_EQ(140, result.bounds[1].x);

    buttons.horizontalAlignment = Alignment::End;
    EXPECT_EQ(extra, row(buttons).bounds[0].x);
    buttons.horizontalAlignment = Alignment::Start;
    EXPECT_EQ(0, row(buttons).bounds[0].x);
}

TEST(LinearTest, AMinimumAboveTheMaximumWins) {
    // Across a column: minimum width 120, maximum 80 in a 100 wide column.
    LayoutResult across = column(request({100, 50}, {ranged(120, 10, 80, 10)}));
    EXPECT_EQ(120, across.bounds[0].width);
    EXPECT_EQ(120, across.minimum.width);
    EXPECT_EQ(120, across.maximum.width);

    // Along a row: it keeps its minimum and leaves the growth to the other.
    LayoutResult along =
        row(request({300, 10}, {ranged(120, 10, 80, 10), ranged(10, 10, 500, 10)}));
    EXPECT_EQ(120, along.bounds[0].width);
    EXPECT_EQ(300 - 120, along.bounds[1].width);
}

TEST(LinearTest, ChildrenAreStretchedAcrossAsFarAsAllowedThenAligned) {
    LayoutRequest narrow = request({100, 0}, {exact(40, 10), ranged(0, 10, 1000, 10)});
    LayoutResult left = column(narrow);
    EXPECT_EQ(0, left.bounds[0].x);
    EXPECT_EQ(100, left.bounds[1].width) << "a stretchable child fills the column";
    narrow.horizontalAlignment = Alignment::Centre;
    EXPECT_EQ((100 - 40) / 2, column(narrow).bounds[0].x);
    narrow.horizontalAlignment = Alignment::End;
    EXPECT_EQ(100 - 40, column(narrow).bounds[0].x);

    LayoutRequest low = request({0, 30}, {exact(10, 11), ranged(10, 0, 10, 1000)});
    low.verticalAlignment = Alignment::Centre;
    EXPECT_EQ((30 - 11) / 2, row(low).bounds[0].y);
    EXPECT_EQ(30, row(low).bounds[1].height);
    low.verticalAlignment = Alignment::End;
    EXPECT_EQ(30 - 11, row(low).bounds[0].y);
}

TEST(LinearTest, ReportsMinimumAndMaximumAlongAndAcrossTheStack) {
    LayoutRequest made = request({0, 0}, {ranged(30, 10, 50, 15), ranged(40, 5, 20, 40)});
    made.verticalGap = 2;
    made.horizontalGap = 3;
    // A column: widest minimum, gapped total height; widest usable, gapped
    // total of usable heights.
    LayoutResult asColumn = column(made);
    EXPECT_EQ((Size{40, 10 + 2 + 5}), asColumn.minimum);
    EXPECT_EQ((Size{50, 15 + 2 + 40}), asColumn.maximum);
    // A row: the same with the axes exchanged.
    LayoutResult asRow = row(made);
    EXPECT_EQ((Size{30 + 3 + 40, 10}), asRow.minimum);
    EXPECT_EQ((Size{50 + 3 + 40, 40}), asRow.maximum);
}

TEST(LinearTest, TooLittleSpaceOverflowsFromTheStartEdge) {
    LayoutRequest tight = request({10, 10}, {exact(30, 20), exact(30, 20)});
    tight.verticalAlignment = Alignment::End;
    tight.horizontalAlignment = Alignment::Centre;
    LayoutResult result = column(tight);
    EXPECT_EQ(0, result.bounds[0].y);
    EXPECT_EQ(20, result.bounds[1].y);
    EXPECT_EQ(0, result.bounds[0].x);
    EXPECT_EQ(30, result.bounds[0].width);
}

TEST(LinearTest, BadNumbersGiveASafeLayout) {
    // A negative gap counts as none: children never overlap.
    LayoutRequest negative = request({10, 0}, {exact(10, 20), exact(10, 20)});
    negative.verticalGap = -7;
    EXPECT_EQ(20, column(negative).bounds[1].y);

    // Negative sizes count as empty.
    LayoutResult empty = column(request({10, 10}, {ranged(-5, -5, -1, -1)}));
    EXPECT_EQ((Rect{0, 0, 0, 0}), empty.bounds[0]);

    // Huge maxima neither overflow the totals nor lose a pixel of the share.
    LayoutResult huge =
        column(request({10, 1000}, {ranged(0, 0, 10, INT32_MAX), ranged(0, 0, 10, INT32_MAX)}));
    EXPECT_EQ(INT32_MAX, huge.maximum.height);
    EXPECT_EQ(1000, huge.bounds[0].height + huge.bounds[1].height);
    EXPECT_GE(huge.bounds[1].height, 0);

    // No children: nothing to place, nothing needed.
    LayoutResult none = column(request({100, 100}, {}));
    EXPECT_TRUE(none.bounds.empty());
    EXPECT_EQ((Size{0, 0}), none.minimum);
}
