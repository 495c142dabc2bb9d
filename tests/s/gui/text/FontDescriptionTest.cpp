#include "s/gui/text/FontDescription.h"

#include <gtest/gtest.h>

#include <string>

using s::gui::scale::DisplayScale;
using s::gui::text::FontDescription;

namespace {

FontDescription described(const DisplayScale& scale = DisplayScale(1, 96)) {
    FontDescription font;
    font.reset(u"Tahoma", scale);
    return font;
}

} // namespace

TEST(FontDescriptionTest, ResetGivesTenPointsForTheDisplay) {
    FontDescription font = described();
    EXPECT_EQ(-13, font.getHeight());
    EXPECT_EQ(400, font.getWeight());
    EXPECT_EQ(std::u16string(u"Tahoma"), font.getFace());
    EXPECT_FALSE(font.isCustomized());
    EXPECT_EQ(-27, described(DisplayScale(2, 96)).getHeight());
    EXPECT_EQ(-20, described(DisplayScale(1, 144)).getHeight());

    font.setFace(u"A face name far longer than thirty-one units");
    EXPECT_EQ(31u, std::u16string(font.getFace()).size()) << "cut, never overflowing";
    font.reset(nullptr, DisplayScale());
    EXPECT_EQ(std::u16string(), font.getFace());
}

TEST(FontDescriptionTest, SizeCodesChangeOnlyWhatWasNotSetExplicitly) {
    FontDescription font = described();
    font.setFontSize(-103);
    EXPECT_EQ(700, font.getWeight());
    EXPECT_EQ(-15, font.getHeight());
    EXPECT_FALSE(font.isCustomized()) << "a size code sets no mark";

    font.setFontSize(1000);
    EXPECT_EQ(1000, font.getFontSize()) << "kept although it is no size";
    EXPECT_EQ(700, font.getWeight());
    EXPECT_EQ(-15, font.getHeight());

    FontDescription sized = described();
    sized.setHeight(-20);
    sized.setFontSize(105);
    EXPECT_EQ(-20, sized.getHeight()) << "an explicit size stays";
    EXPECT_EQ(700, sized.getWeight()) << "the weight still follows the code";

    FontDescription bold = described();
    bold.setBold(true);
    bold.setFontSize(5);
    EXPECT_EQ(700, bold.getWeight()) << "an explicit bold stays";
    EXPECT_EQ(-20, bold.getHeight());
}

TEST(FontDescriptionTest, InheritsEveryUnsetPropertyButNeverSwitchesOrCode) {
    FontDescription style = described();
    style.setFace(u"Verdana");
    style.setTextColor(0, 170, 0);
    style.setUnderline(true);
    style.setItalic(true);
    style.setHeight(-18);
    style.setBold(true);
    style.setClearType(false);
    style.setWordWrap(true);
    style.setFontSize(3);

    FontDescription font = described();
    font.setTextColor(1, 2, 3);
    font.setWeight(300);
    font.setEllipsis(true);
    font.inheritFrom(style);
    EXPECT_EQ(FontDescription::rgb(1, 2, 3), font.getTextColor()) << "its own colour stays";
    EXPECT_EQ(std::u16string(u"Verdana"), font.getFace());
    EXPECT_TRUE(font.isUnderline());
    EXPECT_TRUE(font.isItalic());
    EXPECT_EQ(-18, font.getHeight());
    EXPECT_EQ(700, font.getWeight()) << "an explicit weight without bold still follows";
    EXPECT_FALSE(font.isClearType());
    EXPECT_FALSE(font.getWordWrap());
    EXPECT_TRUE(font.getEllipsis());
    EXPECT_EQ(0, font.getFontSize());

    FontDescription normal = described();
    FontDescription heavy = described();
    heavy.setWeight(600);
    normal.inheritFrom(heavy);
    EXPECT_EQ(700, normal.getWeight()) << "600 counts as bold";
}

TEST(FontDescriptionTest, ShadeColourIsInheritedByItsMarkAndTheEffectNever) {
    FontDescription style = described();
    EXPECT_EQ(FontDescription::rgb(238, 238, 238), style.getShadeColor());
    EXPECT_EQ(0, style.getEffect());
    style.setShadeColor(1, 2, 3);
    style.setEffect(7);
    EXPECT_TRUE(style.isCustomized()) << "the shade colour is an explicit choice";

    FontDescription font = described();
    font.setEffect(2);
    EXPECT_FALSE(font.isCustomized()) << "an effect sets no mark";
    font.inheritFrom(style);
    EXPECT_EQ(FontDescription::rgb(1, 2, 3), font.getShadeColor());
    EXPECT_EQ(2, font.getEffect()) << "never inherited";

    FontDescription own = described();
    own.setShadeColor(9, 9, 9);
    own.inheritFrom(style);
    EXPECT_EQ(FontDescription::rgb(9, 9, 9), own.getShadeColor()) << "its own shade stays";

    own.reset(u"Tahoma", DisplayScale(1, 96));
    EXPECT_EQ(FontDescription::rgb(238, 238, 238), own.getShadeColor());
    EXPECT_FALSE(own.isCustomized());
}

TEST(FontDescriptionTest, AnExplicitWidthIsASizeAndForgettingQualityFollowsTheNextStyle) {
    FontDescription font = described();
    font.setWidth(7);
    font.setFontSize(5);
    EXPECT_EQ(7, font.getWidth()) << "the size mark keeps the width";
    EXPECT_EQ(-13, font.getHeight());

    FontDescription plain = described();
    plain.setClearType(false);
    plain.clearQualityMark();
    EXPECT_FALSE(plain.isClearType()) << "the value stays";
    plain.inheritFrom(described());
    EXPECT_TRUE(plain.isClearType()) << "but the next style decides";
}
