#include "s/gui/drawer/skin/ThinWindowPalette.h"

#include <gtest/gtest.h>

#include <string>

using s::gui::drawer::skin::Rgb;
using s::gui::drawer::skin::ThinWindowPalette;
using Role = ThinWindowPalette::Role;

namespace {

const ThinWindowPalette& scheme(int32_t index) {
    const ThinWindowPalette* palette = ThinWindowPalette::at(index);
    EXPECT_NE(nullptr, palette) << index;
    static const ThinWindowPalette empty{};
    return palette != nullptr ? *palette : empty;
}

// C1 (background), C4 (control frame), C6 (text) and one more colour of a
// scheme, typed from the scheme table.
struct SpotCheck {
    const char16_t* name;
    Rgb c1;
    Rgb c4;
    Rgb c6;
    Role otherRole;
    Rgb other;
};

} // namespace

TEST(ThinWindowPaletteTest, SixteenSchemesInListOrderAndNothingOutsideIt) {
    const char16_t* const names[] = {u"White",       u"Ivory",          u"Black",      u"Black II",
                                     u"Black Black", u"Black Black II", u"Classic LG", u"Beige",
                                     u"Sky Blue",    u"Pink",           u"Salmon Red", u"Yellow",
                                     u"Green",       u"Orange",         u"Khaki",      u"Indigo"};
    ASSERT_EQ(16, ThinWindowPalette::kSchemeCount);
    for (int32_t i = 0; i < 16; ++i) {
        EXPECT_EQ(std::u16string(names[i]), std::u16string(scheme(i).name)) << i;
    }
    EXPECT_EQ(nullptr, ThinWindowPalette::at(-1));
    EXPECT_EQ(nullptr, ThinWindowPalette::at(16));
}

TEST(ThinWindowPaletteTest, EachSchemeCarriesItsBackgroundControlFrameTextAndOneMoreColour) {
    const SpotCheck checks[] = {
        {u"White", {255, 255, 255}, {68, 68, 68}, {0, 0, 0}, Role::SecondSeries, {255, 165, 0}},
        {u"Ivory", {242, 240, 230}, {0, 0, 0}, {0, 0, 0}, Role::ToggledText, {240, 238, 228}},
        {u"Black", {51, 51, 51}, {176, 176, 176}, {255, 255, 255}, Role::Frame, {85, 85, 85}},
        {u"Black II",
         {51, 51, 51},
         {176, 176, 176},
         {221, 221, 221},
         Role::FirstSeries,
         {213, 235, 107}},
        {u"Black Black", {0, 0, 0}, {176, 176, 176}, {255, 255, 255}, Role::Frame, {51, 51, 51}},
        {u"Black Black II",
         {0, 0, 0},
         {176, 176, 176},
         {221, 221, 221},
         Role::ToggledFill,
         {204, 204, 204}},
        {u"Classic LG",
         {116, 116, 116},
         {17, 17, 17},
         {255, 255, 255},
         Role::Disabled,
         {86, 86, 86}},
        {u"Beige", {236, 233, 216}, {0, 0, 0}, {0, 0, 0}, Role::Track, {168, 162, 128}},
        {u"Sky Blue",
         {194, 223, 255},
         {87, 133, 255},
         {0, 0, 0},
         Role::ToggledText,
         {255, 255, 255}},
        {u"Pink", {255, 194, 230}, {255, 93, 162}, {0, 0, 0}, Role::FirstSeries, {255, 48, 92}},
        {u"Salmon Red",
         {255, 48, 92},
         {255, 189, 203},
         {255, 255, 255},
         Role::ToggledText,
         {255, 48, 92}},
        {u"Yellow", {252, 255, 91}, {224, 206, 0}, {0, 0, 0}, Role::FirstSeries, {168, 255, 83}},
        {u"Green", {184, 255, 61}, {129, 160, 7}, {0, 0, 0}, Role::Track, {143, 175, 17}},
        {u"Orange", {255, 207, 61}, {221, 135, 2}, {0, 0, 0}, Role::FirstSeries, {255, 255, 255}},
        {u"Khaki", {62, 92, 0}, {146, 185, 65}, {255, 255, 255}, Role::Track, {221, 135, 2}},
        {u"Indigo",
         {49, 0, 130},
         {192, 125, 255},
         {255, 255, 255},
         Role::ToggledFill,
         {195, 158, 255}},
    };
    int32_t index = 0;
    for (const SpotCheck& check : checks) {
        const ThinWindowPalette& palette = scheme(index++);
        const std::u16string name(check.name);
        ASSERT_EQ(name, std::u16string(palette.name));
        EXPECT_EQ(check.c1, palette.colour(Role::Background)) << index;
        EXPECT_EQ(check.c4, palette.colour(Role::ControlFrame)) << index;
        EXPECT_EQ(check.c6, palette.colour(Role::Text)) << index;
        EXPECT_EQ(check.other, palette.colour(check.otherRole)) << index;
    }
}

TEST(ThinWindowPaletteTest, ClassicLgHasAllFifteenColoursByRole) {
    const ThinWindowPalette& classic = scheme(6);
    ASSERT_EQ(std::u16string(u"Classic LG"), std::u16string(classic.name));
    const Rgb expected[15] = {{116, 116, 116}, {17, 17, 17},    {86, 86, 86}, {17, 17, 17},
                              {17, 17, 17},    {255, 255, 255}, {51, 51, 51}, {116, 116, 116},
                              {25, 25, 25},    {255, 255, 255}, {49, 49, 49}, {191, 191, 191},
                              {56, 56, 56},    {195, 234, 0},   {25, 25, 25}};
    for (int32_t c = 0; c < 15; ++c) {
        EXPECT_EQ(expected[c], classic.colour(static_cast<Role>(c))) << "C" << c + 1;
    }
    // Packed as the drawers store colours: red in the low byte.
    EXPECT_EQ(0x0000EAC3u, classic.colour(Role::FirstSeries).colorRef());
}
