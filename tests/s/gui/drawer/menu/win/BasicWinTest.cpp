#include "s/gui/drawer/menu/win/Basic.h"

#include <gtest/gtest.h>

#include <string>

#include "s/gui/drawer/ICombo.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Font.h"
#include "tests/support/win/PixelCanvas.h"

using s::gui::drawer::menu::win::Basic;
using s::gui::win::Font;
using s::test::win::PixelCanvas;
using s::thread::PoolRef;

TEST(MenuBasicWinTest, StylesAreSmallerTextInTheSystemsHighlightColours) {
    auto drawer = PoolRef<Basic>::take();
    EXPECT_EQ(-2, drawer->getNormalStyle().getFontSize());
    EXPECT_EQ(-2, drawer->getSelectedStyle().getFontSize());
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), drawer->getSelectedStyle().getTextColor());
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), drawer->getSelectionColor());
    EXPECT_TRUE(drawer->getFirstFlag());
    EXPECT_FALSE(drawer->getSecondFlag());
    ASSERT_NE(nullptr, drawer->getComboDrawer());
    EXPECT_EQ(std::u16string(u"s_gui_drawer_combo_win_Thin"),
              drawer->getComboDrawer()->getClassName());
    auto normal = PoolRef<Font>::take();
    auto selected = PoolRef<Font>::take();
    drawer->setNormalTextColor(10, 20, 30);
    drawer->completeFonts(normal.get(), selected.get());
    EXPECT_EQ(RGB(10, 20, 30), normal->getTextColor());
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), selected->getTextColor());
    EXPECT_LT(normal->getDescription().getHeight(), 0);
    EXPECT_EQ(drawer->getNormalStyle().getHeight(), normal->getDescription().getHeight());
}

TEST(MenuBasicWinTest, ASelectedItemIsFilledAndItsTextDrawnInTheSelectedFont) {
    auto drawer = PoolRef<Basic>::take();
    drawer->setSelectionColor(10, 20, 30);
    drawer->setSelectedTextColor(250, 250, 0);
    auto normal = PoolRef<Font>::take();
    auto selected = PoolRef<Font>::take();
    drawer->completeFonts(normal.get(), selected.get());
    const int32_t unit = s::gui::scale::win::systemScale().getUnit();
    PixelCanvas canvas(200 * unit, 24 * unit);
    drawer->drawItem(canvas.get(), 0, 0, 200 * unit, 24 * unit, u"Open", true, normal.get(),
                     selected.get());
    EXPECT_EQ(RGB(10, 20, 30), canvas.at(0, 0));
    EXPECT_EQ(RGB(10, 20, 30), canvas.at(20 * unit - 1, 12 * unit)) << "before the text";
    const int32_t textPixels = canvas.painted(0, 0, 200 * unit, 24 * unit) -
                               canvas.count(RGB(10, 20, 30), 0, 0, 200 * unit, 24 * unit);
    EXPECT_GT(textPixels, 0);

    canvas.clear();
    drawer->drawBarItem(canvas.get(), 0, 0, 200 * unit, 24 * unit, u"File", false, normal.get(),
                        selected.get());
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(0, 0)) << "no selection";
    EXPECT_EQ(0, canvas.painted(0, 0, 6 * unit, 24 * unit)) << "the bar item's padding";
    EXPECT_GT(canvas.painted(6 * unit, 0, 200 * unit, 24 * unit), 0);
}

TEST(MenuBasicWinTest, SeparatorsAreLinesInTheNormalTextColourAndEmptyItemsDrawNothing) {
    auto drawer = PoolRef<Basic>::take();
    drawer->setNormalTextColor(0, 0, 200);
    const int32_t unit = s::gui::scale::win::systemScale().getUnit();
    PixelCanvas canvas(100, 20);
    drawer->drawItem(canvas.get(), 0, 0, 0, 20, u"x", true, nullptr, nullptr);
    drawer->drawBarItem(canvas.get(), 0, 20, 100, 0, u"x", true, nullptr, nullptr);
    drawer->drawSeparator(canvas.get(), 0, 20, 100, 0);
    EXPECT_EQ(0, canvas.painted());
    drawer->drawSeparator(canvas.get(), 0, 0, 100, 20);
    EXPECT_EQ((100 - 8 * unit) * unit, canvas.count(RGB(0, 0, 200), 0, 0, 100, 20));
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(4 * unit - 1, (20 - unit) / 2));
    EXPECT_EQ(RGB(0, 0, 200), canvas.at(4 * unit, (20 - unit) / 2));
}
