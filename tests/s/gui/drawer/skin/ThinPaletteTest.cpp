#include "s/gui/drawer/skin/ThinPalette.h"

#include <gtest/gtest.h>

#include <string>

using s::gui::drawer::skin::Rgb;
using s::gui::drawer::skin::ThinPalette;
using Role = ThinPalette::Role;

TEST(ThinPaletteTest, ThirteenSchemesInListOrderWithBackgroundFrameTextAndFill) {
    struct Expected {
        const char16_t* name;
        Rgb t1;
        Rgb t2;
        Rgb t3;
        Rgb t4;
    };
    const Expected schemes[] = {
        {u"White", {255, 255, 255}, {68, 68, 68}, {0, 0, 0}, {119, 119, 119}},
        {u"Light Gray", {240, 238, 228}, {0, 0, 0}, {0, 0, 0}, {176, 176, 176}},
        {u"Black", {51, 51, 51}, {176, 176, 176}, {255, 255, 255}, {176, 176, 176}},
        {u"Ivory", {236, 233, 216}, {0, 0, 0}, {0, 0, 0}, {168, 162, 128}},
        {u"Sky Blue", {255, 255, 255}, {87, 133, 255}, {0, 0, 0}, {87, 133, 255}},
        {u"Pink", {255, 255, 255}, {255, 93, 162}, {0, 0, 0}, {255, 93, 162}},
        {u"Green", {255, 255, 255}, {143, 175, 17}, {0, 51, 0}, {143, 175, 17}},
        {u"Green2", {213, 235, 107}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
        {u"Yellow", {255, 255, 255}, {224, 206, 0}, {0, 0, 0}, {224, 206, 0}},
        {u"Orange", {255, 255, 255}, {221, 135, 2}, {0, 0, 0}, {221, 135, 2}},
        {u"Khaki", {62, 92, 0}, {146, 185, 65}, {255, 255, 255}, {221, 135, 2}},
        {u"Indigo", {75, 0, 130}, {192, 125, 255}, {255, 255, 255}, {192, 125, 255}},
        {u"Salmon Red", {255, 48, 92}, {255, 189, 203}, {255, 255, 255}, {255, 189, 203}},
    };
    ASSERT_EQ(13, ThinPalette::kSchemeCount);
    int32_t index = 0;
    for (const Expected& expected : schemes) {
        const ThinPalette* palette = ThinPalette::at(index++);
        ASSERT_NE(nullptr, palette);
        EXPECT_EQ(std::u16string(expected.name), std::u16string(palette->name)) << index;
        EXPECT_EQ(expected.t1, palette->colour(Role::Background)) << index;
        EXPECT_EQ(expected.t2, palette->colour(Role::Frame)) << index;
        EXPECT_EQ(expected.t3, palette->colour(Role::Text)) << index;
        EXPECT_EQ(expected.t4, palette->colour(Role::SliderFill)) << index;
        // The counter's second series is orange in every scheme.
        EXPECT_EQ((Rgb{255, 165, 0}), palette->colour(Role::SecondSeries)) << index;
    }
    EXPECT_EQ(nullptr, ThinPalette::at(-1));
    EXPECT_EQ(nullptr, ThinPalette::at(13));
}

TEST(ThinPaletteTest, CounterSeriesColoursOfSomeSchemes) {
    EXPECT_EQ((Rgb{176, 176, 176}), ThinPalette::at(0)->colour(Role::FirstSeries));
    EXPECT_EQ((Rgb{213, 235, 107}), ThinPalette::at(2)->colour(Role::FirstSeries));
    EXPECT_EQ((Rgb{0, 0, 0}), ThinPalette::at(7)->colour(Role::FirstSeries));
    EXPECT_EQ((Rgb{255, 189, 203}), ThinPalette::at(12)->colour(Role::FirstSeries));
    EXPECT_EQ((Rgb{243, 243, 243}), ThinPalette::kListThird);
}
