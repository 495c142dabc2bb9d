#include "s/gui/drawer/button/ButtonPlan.h"

#include <gtest/gtest.h>

using s::gui::drawer::button::ButtonPlan;
using s::gui::layout::Rect;

namespace {

constexpr uint32_t kFrame = 0x000001;
constexpr uint32_t kDisabledFrame = 0x000002;
constexpr uint32_t kToggledFrame = 0x000003;
constexpr uint32_t kToggledFill = 0x000004;

// Bevel types the plan asks for.
constexpr int32_t kRaised = 0;
constexpr int32_t kFlat = 1;
constexpr int32_t kSunken = 2;
constexpr int32_t kOpenBottom = 3;

ButtonPlan::Look look(bool shiftLabel = false) {
    ButtonPlan::Look result;
    result.frame = kFrame;
    result.disabledFrame = kDisabledFrame;
    result.toggledFrame = kToggledFrame;
    result.toggledFill = kToggledFill;
    result.shiftLabel = shiftLabel;
    return result;
}

// A 60 x 30 button at (10, 20).
ButtonPlan::Request request(int32_t state, bool framed, bool toggled, bool openBottom = false,
                            int32_t unit = 1, bool enabled = true) {
    return {10, 20, 70, 50, state, framed, enabled, toggled, openBottom, unit};
}

} // namespace

TEST(ButtonPlanTest, AToggledFramedButtonInState1IsDrawnWithTheSunkenBorder) {
    const int32_t untoggled[3] = {kFlat, kRaised, kSunken};
    const int32_t toggled[3] = {kFlat, kSunken, kRaised};
    for (int32_t state = 0; state < 3; ++state) {
        const ButtonPlan plain = ButtonPlan::make(look(), request(state, true, false));
        ASSERT_TRUE(plain.hasBevel);
        EXPECT_EQ(untoggled[state], plain.bevelType) << "state " << state;
        EXPECT_EQ(Rect({10, 20, 60, 30}), plain.bevel);
        const ButtonPlan down = ButtonPlan::make(look(), request(state, true, true));
        ASSERT_TRUE(down.hasBevel);
        EXPECT_EQ(toggled[state], down.bevelType) << "toggled, state " << state;
    }
    EXPECT_EQ(kFlat, ButtonPlan::make(look(), request(7, true, true)).bevelType)
        << "an unknown state is drawn as normal";
    EXPECT_EQ(ButtonPlan::kNormal, ButtonPlan::make(look(), request(-1, true, false)).state);
}

TEST(ButtonPlanTest, TheFrameColourFollowsEnabledThenToggled) {
    EXPECT_EQ(kFrame, ButtonPlan::make(look(), request(0, true, false)).frameColour);
    EXPECT_EQ(kToggledFrame, ButtonPlan::make(look(), request(0, true, true)).frameColour);
    EXPECT_EQ(kDisabledFrame,
              ButtonPlan::make(look(), request(0, true, false, false, 1, false)).frameColour);
    EXPECT_EQ(kDisabledFrame,
              ButtonPlan::make(look(), request(1, false, true, false, 1, false)).frameColour);
}

TEST(ButtonPlanTest, AFramedToggledButtonIsFilledInsideItsFrameByOneUnit) {
    const ButtonPlan plain = ButtonPlan::make(look(), request(0, true, false));
    EXPECT_FALSE(plain.hasFill);
    for (int32_t unit : {1, 2, 4}) {
        const ButtonPlan down = ButtonPlan::make(look(), request(0, true, true, false, unit));
        ASSERT_TRUE(down.hasFill);
        EXPECT_EQ(Rect({10 + unit, 20 + unit, 60 - 2 * unit, 30 - 2 * unit}), down.fill);
        EXPECT_EQ(kToggledFill, down.fillColour);
        EXPECT_EQ(Rect({10, 20, 60, 30}), down.bevel);
    }
}

TEST(ButtonPlanTest, AnUnframedButtonShowsAFrameOnlyWhenToggledOrOpenAtTheBottom) {
    const ButtonPlan bare = ButtonPlan::make(look(), request(1, false, false));
    EXPECT_FALSE(bare.hasBevel);
    EXPECT_FALSE(bare.hasFill);

    const ButtonPlan tab = ButtonPlan::make(look(), request(2, false, false, true, 2));
    ASSERT_TRUE(tab.hasBevel);
    EXPECT_FALSE(tab.hasFill);
    EXPECT_EQ(kOpenBottom, tab.bevelType) << "whatever the state";
    EXPECT_EQ(Rect({10, 20, 60, 30}), tab.bevel);

    const ButtonPlan down = ButtonPlan::make(look(), request(1, false, true, false, 2));
    ASSERT_TRUE(down.hasFill);
    EXPECT_EQ(Rect({10, 20, 60, 30}), down.fill);
    EXPECT_EQ(down.fill, down.bevel);
    EXPECT_EQ(kFlat, down.bevelType) << "whatever the state";

    const ButtonPlan downTab = ButtonPlan::make(look(), request(0, false, true, true, 2));
    EXPECT_EQ(Rect({10, 21, 60, 29}), downTab.fill) << "one pixel lower at any scale";
    EXPECT_EQ(downTab.fill, downTab.bevel);
}

TEST(ButtonPlanTest, TheLabelSitsTwoUnitsInAndMovesWithTheStateOnlyWhenShifting) {
    for (int32_t unit : {1, 2}) {
        const int32_t u = unit;
        const Rect middle = {10 + 2 * u, 20 + 2 * u, 60 - 4 * u, 30 - 4 * u};
        for (int32_t state = 0; state < 3; ++state) {
            EXPECT_EQ(middle,
                      ButtonPlan::make(look(), request(state, true, false, false, u)).glyph);
        }
        const Rect up = {10 + u, 20 + u, 60 - 4 * u, 30 - 4 * u};
        const Rect down = {10 + 3 * u, 20 + 3 * u, 60 - 4 * u, 30 - 4 * u};
        EXPECT_EQ(middle, ButtonPlan::make(look(true), request(0, true, false, false, u)).glyph);
        EXPECT_EQ(up, ButtonPlan::make(look(true), request(1, true, false, false, u)).glyph);
        EXPECT_EQ(down, ButtonPlan::make(look(true), request(2, true, false, false, u)).glyph);
        EXPECT_EQ(down, ButtonPlan::make(look(true), request(1, true, true, false, u)).glyph)
            << "a toggled button under the mouse is drawn pressed";
    }
}

TEST(ButtonPlanTest, TextGrowsByAUnitOnlyWhenNoFrameIsDrawn) {
    const ButtonPlan bare = ButtonPlan::make(look(), request(0, false, false, false, 2));
    EXPECT_EQ(Rect({14, 24, 52, 22}), bare.glyph);
    EXPECT_EQ(Rect({12, 22, 56, 26}), bare.text);
    for (const ButtonPlan& framed : {ButtonPlan::make(look(), request(0, true, false, false, 2)),
                                     ButtonPlan::make(look(), request(0, false, true, false, 2)),
                                     ButtonPlan::make(look(), request(0, false, false, true, 2))}) {
        EXPECT_EQ(framed.glyph, framed.text);
    }
}

TEST(ButtonPlanTest, AnEmptyOrInvertedRectanglePlansNothing) {
    ButtonPlan::Request flat = request(0, true, true);
    flat.bottom = flat.top;
    EXPECT_TRUE(ButtonPlan::make(look(), flat).empty);
    ButtonPlan::Request inverted = request(0, true, true);
    inverted.right = inverted.left - 5;
    const ButtonPlan none = ButtonPlan::make(look(), inverted);
    EXPECT_TRUE(none.empty);
    EXPECT_FALSE(none.hasFill);
    EXPECT_FALSE(none.hasBevel);
    EXPECT_FALSE(ButtonPlan::make(look(), request(0, true, false)).empty);
}
