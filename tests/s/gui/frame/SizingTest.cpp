#include "s/gui/frame/Sizing.h"

#include <gtest/gtest.h>

using s::gui::frame::Sides;
using s::gui::frame::Sizing;
using s::gui::frame::SizingEdge;
using s::gui::layout::Point;

TEST(SizingTest, SystemEdgeNumbersMapToTheWindowsOwnNumbering) {
    const SizingEdge expected[] = {
        SizingEdge::None,   SizingEdge::Left,       SizingEdge::Right,
        SizingEdge::Top,    SizingEdge::TopLeft,    SizingEdge::TopRight,
        SizingEdge::Bottom, SizingEdge::BottomLeft, SizingEdge::BottomRight};
    for (int32_t system = 0; system <= 8; ++system) {
        EXPECT_EQ(expected[system], Sizing::fromSystemEdge(system)) << "system edge " << system;
        if (system > 0) {
            EXPECT_EQ(system, Sizing::toSystemEdge(expected[system]));
        }
    }
    EXPECT_EQ(SizingEdge::None, Sizing::fromSystemEdge(9));
    EXPECT_EQ(SizingEdge::None, Sizing::fromSystemEdge(-1));
    EXPECT_EQ(SizingEdge::Bottom, Sizing::fromHitCode(15));
    EXPECT_EQ(SizingEdge::TopRight, Sizing::fromHitCode(14));
    EXPECT_EQ(SizingEdge::BottomLeft, Sizing::fromHitCode(16));
    EXPECT_EQ(SizingEdge::None, Sizing::fromHitCode(1));
}

TEST(SizingTest, ADragStepMovesOnlyTheGrabbedEdgesForAllEightBorders) {
    const Sides window = {100, 100, 400, 300};
    const int32_t dx = -20;
    const int32_t dy = 7;
    EXPECT_EQ((Sides{80, 100, 400, 300}), Sizing::dragged(window, 10, dx, dy));
    EXPECT_EQ((Sides{100, 100, 380, 300}), Sizing::dragged(window, 11, dx, dy));
    EXPECT_EQ((Sides{100, 107, 400, 300}), Sizing::dragged(window, 12, dx, dy));
    EXPECT_EQ((Sides{80, 107, 400, 300}), Sizing::dragged(window, 13, dx, dy));
    EXPECT_EQ((Sides{100, 107, 380, 300}), Sizing::dragged(window, 14, dx, dy));
    EXPECT_EQ((Sides{100, 100, 400, 307}), Sizing::dragged(window, 15, dx, dy));
    EXPECT_EQ((Sides{80, 100, 400, 307}), Sizing::dragged(window, 16, dx, dy));
    EXPECT_EQ((Sides{100, 100, 380, 307}), Sizing::dragged(window, 17, dx, dy));
    EXPECT_EQ(window, Sizing::dragged(window, 1, dx, dy)) << "the body drags no edge";

    // The press point advances by what the grabbed edges really moved.
    for (int32_t hit = 10; hit <= 17; ++hit) {
        const Sides after = Sizing::dragged(window, hit, dx, dy);
        const Point moved = Sizing::moved(window, after, hit);
        const bool horizontal = hit != 12 && hit != 15;
        const bool vertical = hit != 10 && hit != 11;
        EXPECT_EQ(horizontal ? dx : 0, moved.x) << "hit " << hit;
        EXPECT_EQ(vertical ? dy : 0, moved.y) << "hit " << hit;
    }
}

TEST(SizingTest, ATopDragAtTheMinimumHeightKeepsTheBottomAndHoldsThePressPoint) {
    const Sides window = {100, 150, 400, 300}; // 300 x 150, the minimum height
    Sides proposed = Sizing::dragged(window, 12, 0, 80);
    Sizing::enforceMinimum(proposed, Sizing::fromHitCode(12), 250, 150, true, true);
    EXPECT_EQ((Sides{100, 150, 400, 300}), proposed);
    EXPECT_EQ(0, Sizing::moved(window, proposed, 12).y) << "the press point stays put";

    // Half way to the minimum: the edge moves as far as the rule allows.
    const Sides taller = {100, 100, 400, 300};
    proposed = Sizing::dragged(taller, 12, 0, 80);
    Sizing::enforceMinimum(proposed, SizingEdge::Top, 250, 150, true, true);
    EXPECT_EQ((Sides{100, 150, 400, 300}), proposed);
    EXPECT_EQ(50, Sizing::moved(taller, proposed, 12).y);

    // The bottom-left corner dragged inwards past both minimums.
    proposed = Sizing::dragged(taller, 16, 100, -120);
    Sizing::enforceMinimum(proposed, SizingEdge::BottomLeft, 250, 150, true, true);
    EXPECT_EQ((Sides{150, 100, 400, 250}), proposed);
    EXPECT_EQ((Point{50, -50}), Sizing::moved(taller, proposed, 16));
}

TEST(SizingTest, TheMinimumMovesTheDraggedSideAndTheRightOrBottomOtherwise) {
    const Sides tooSmall = {100, 100, 150, 130}; // 50 x 30 against 200 x 80
    const SizingEdge leftMoving[] = {SizingEdge::Left, SizingEdge::TopLeft, SizingEdge::BottomLeft};
    for (SizingEdge edge : leftMoving) {
        Sides rect = tooSmall;
        Sizing::enforceMinimum(rect, edge, 200, 80, true, false);
        EXPECT_EQ((Sides{-50, 100, 150, 130}), rect) << static_cast<int>(edge);
    }
    const SizingEdge rightMoving[] = {SizingEdge::None,     SizingEdge::Right,
                                      SizingEdge::Top,      SizingEdge::Bottom,
                                      SizingEdge::TopRight, SizingEdge::BottomRight};
    for (SizingEdge edge : rightMoving) {
        Sides rect = tooSmall;
        Sizing::enforceMinimum(rect, edge, 200, 80, true, false);
        EXPECT_EQ((Sides{100, 100, 300, 130}), rect) << static_cast<int>(edge);
    }
    const SizingEdge topMoving[] = {SizingEdge::Top, SizingEdge::TopLeft, SizingEdge::TopRight};
    for (SizingEdge edge : topMoving) {
        Sides rect = tooSmall;
        Sizing::enforceMinimum(rect, edge, 200, 80, false, true);
        EXPECT_EQ((Sides{100, 50, 150, 130}), rect) << static_cast<int>(edge);
    }
    const SizingEdge bottomMoving[] = {SizingEdge::None, SizingEdge::Left, SizingEdge::Bottom,
                                       SizingEdge::BottomLeft, SizingEdge::BottomRight};
    for (SizingEdge edge : bottomMoving) {
        Sides rect = tooSmall;
        Sizing::enforceMinimum(rect, edge, 200, 80, false, true);
        EXPECT_EQ((Sides{100, 100, 150, 180}), rect) << static_cast<int>(edge);
    }
    // Switched off, or already large enough: untouched.
    Sides rect = tooSmall;
    Sizing::enforceMinimum(rect, SizingEdge::Left, 200, 80, false, false);
    EXPECT_EQ(tooSmall, rect);
    Sizing::enforceMinimum(rect, SizingEdge::Left, 50, 30, true, true);
    EXPECT_EQ(tooSmall, rect);
}

TEST(SizingTest, ARectangleTallerThanTheWorkAreaIsCutAndItsWidthIsLeftAlone) {
    const Sides tall = {-100, -50, 3000, 850}; // 900 high, wider than any screen
    Sides rect = tall;
    Sizing::cutToHeight(rect, SizingEdge::Bottom, 768);
    EXPECT_EQ((Sides{-100, -50, 3000, 718}), rect);
    for (SizingEdge edge : {SizingEdge::BottomLeft, SizingEdge::BottomRight}) {
        rect = tall;
        Sizing::cutToHeight(rect, edge, 768);
        EXPECT_EQ(718, rect.bottom);
    }
    for (SizingEdge edge : {SizingEdge::Top, SizingEdge::Left, SizingEdge::Right,
                            SizingEdge::TopLeft, SizingEdge::TopRight, SizingEdge::None}) {
        rect = tall;
        Sizing::cutToHeight(rect, edge, 768);
        EXPECT_EQ((Sides{-100, 82, 3000, 850}), rect) << static_cast<int>(edge);
    }
    rect = tall;
    Sizing::cutToHeight(rect, SizingEdge::Bottom, 900);
    EXPECT_EQ(tall, rect) << "exactly the work area's height stays";
}
