#include "s/gui/text/TextEffect.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "s/gui/text/FontDescription.h"

using s::gui::layout::Size;
using s::gui::text::FontDescription;
using s::gui::text::TextEffect;
using s::gui::text::TextExtents;

namespace {

constexpr uint32_t kText = FontDescription::rgb(10, 20, 30);
constexpr uint32_t kBack = FontDescription::rgb(40, 50, 60);
constexpr uint32_t kShade = FontDescription::rgb(70, 80, 90);
constexpr uint32_t kBlack = FontDescription::rgb(0, 0, 0);
constexpr uint32_t kWhite = FontDescription::rgb(255, 255, 255);

using Copy = std::tuple<int32_t, int32_t, uint32_t>;

std::vector<Copy> copiesOf(int32_t effect, uint32_t text = kText) {
    const TextEffect::Copies copies = TextEffect::copiesFor(effect, text, kBack, kShade);
    std::vector<Copy> list;
    for (int32_t i = 0; i < copies.count; ++i) {
        list.emplace_back(copies.copy[i].dx, copies.copy[i].dy, copies.copy[i].colour);
    }
    return list;
}

std::vector<Copy> outlined(uint32_t around) {
    return {{0, -1, around}, {1, -1, around}, {2, -1, around}, {2, 0, around}, {2, 1, around},
            {1, 1, around},  {0, 1, around},  {0, 0, around},  {1, 0, kText}};
}

} // namespace

TEST(TextEffectTest, EveryEffectDrawsItsCopiesInOrderWithTheTextLast) {
    EXPECT_EQ(std::vector<Copy>({{0, 0, kText}}), copiesOf(0));
    EXPECT_EQ(outlined(kBack), copiesOf(1)) << "eight neighbours of (1, 0), then the text";
    EXPECT_EQ(outlined(kShade), copiesOf(7)) << "as 1 in the shade colour";
    EXPECT_EQ(std::vector<Copy>({{1, 1, FontDescription::rgb(119, 119, 119)}, {0, 0, kText}}),
              copiesOf(2));
    EXPECT_EQ(std::vector<Copy>({{1, 1, FontDescription::rgb(238, 238, 238)}, {0, 0, kBlack}}),
              copiesOf(2, kBlack))
        << "a light shadow under black text";
    EXPECT_EQ(std::vector<Copy>({{2, 2, kBlack}, {0, 0, kWhite}, {1, 1, kText}}), copiesOf(3));
    EXPECT_EQ(std::vector<Copy>({{0, 0, kWhite}, {0, 2, kBlack}, {0, 1, kText}}), copiesOf(4));
    EXPECT_EQ(std::vector<Copy>({{2, 2, kWhite}, {0, 0, kBlack}, {1, 1, kText}}), copiesOf(5));
    EXPECT_EQ(std::vector<Copy>({{0, 0, kBlack}, {0, 2, kWhite}, {0, 1, kText}}), copiesOf(6));
}

TEST(TextEffectTest, AnUnknownEffectDrawsNothing) {
    EXPECT_TRUE(copiesOf(8).empty());
    EXPECT_TRUE(copiesOf(-1).empty());
    EXPECT_TRUE(copiesOf(INT32_MIN).empty());
}

TEST(TextEffectTest, MarginsCoverWhatTheCopiesReach) {
    EXPECT_EQ(Size({0, 0}), TextEffect::margin(0));
    for (int32_t effect : {1, 3, 5, 7}) {
        EXPECT_EQ(Size({2, 1}), TextEffect::margin(effect)) << effect;
    }
    EXPECT_EQ(Size({1, 1}), TextEffect::margin(2));
    EXPECT_EQ(Size({0, 1}), TextEffect::margin(4));
    EXPECT_EQ(Size({0, 1}), TextEffect::margin(6));
    EXPECT_EQ(Size({0, 1}), TextEffect::margin(9)) << "unknown: height only";
    EXPECT_EQ(Size({0, 1}), TextEffect::margin(-3));
    EXPECT_EQ(Size({42, 14}), TextEffect::widen(Size({40, 13}), 3));
    EXPECT_EQ(Size({40, 13}), TextEffect::widen(Size({40, 13}), 0));
}

TEST(TextEffectTest, LayoutSizesGrowOnBothWidthsAndBothHeights) {
    TextExtents wrapped;
    wrapped.minWidth = 30;
    wrapped.height = 13;
    wrapped.maxWidth = 90;
    wrapped.maxHeight = 0;
    const TextExtents outlined = TextEffect::widen(wrapped, 1);
    EXPECT_EQ(32, outlined.minWidth);
    EXPECT_EQ(92, outlined.maxWidth);
    EXPECT_EQ(14, outlined.height);
    EXPECT_EQ(1, outlined.maxHeight) << "a wrapping text asks for the margin only";

    const TextExtents shadowed = TextEffect::widen(wrapped, 2);
    EXPECT_EQ(31, shadowed.minWidth);
    EXPECT_EQ(91, shadowed.maxWidth);
    const TextExtents plain = TextEffect::widen(wrapped, 0);
    EXPECT_EQ(0, plain.maxHeight);
    EXPECT_EQ(30, plain.minWidth);
}
