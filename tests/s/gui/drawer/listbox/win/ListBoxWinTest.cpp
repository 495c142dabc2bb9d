#include <gtest/gtest.h>

#include "../../ControlCanvas.h"
#include "s/gui/drawer/listbox/ItemLayout.h"
#include "s/gui/drawer/listbox/win/Basic.h"
#include "s/gui/drawer/listbox/win/Thin.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Font.h"
#include "s/thread/PoolRef.h"

using drawertest::ControlCanvas;
using s::gui::drawer::ListBoxItem;
using s::gui::drawer::listbox::ItemLayout;
using s::gui::drawer::listbox::win::Basic;
using s::gui::drawer::listbox::win::Thin;
using s::thread::PoolRef;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(120, 120, 120);
constexpr COLORREF kInk = RGB(0, 0, 255);

ListBoxItem row(int32_t expander, int32_t check) {
    ListBoxItem item;
    item.expander = expander;
    item.check = check;
    return item;
}

// The layout the drawer uses for a row of the canvas.
ItemLayout layoutOf(const ListBoxItem& item, int32_t top = 0) {
    return ItemLayout({0, top, 200, 20}, item, s::gui::scale::win::systemScale().getUnit());
}

} // namespace

TEST(ListBoxDrawerWinTest, ResetColoursOfTheBasicAndTheThinDrawer) {
    auto basic = PoolRef<Basic>::take();
    EXPECT_EQ(basic->getFrameColor(), RGB(120, 120, 120));
    EXPECT_EQ(basic->getBackground(), RGB(51, 51, 51));
    EXPECT_EQ(basic->getThirdColor(), RGB(224, 224, 224));
    auto thin = PoolRef<Thin>::take();
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(thin->getClassName()),
                 L"s_gui_drawer_listbox_win_Thin");
    EXPECT_EQ(thin->getFrameColor(), RGB(120, 120, 120));
    EXPECT_EQ(thin->getBackgroundRed(), 51);
    EXPECT_EQ(thin->getThirdColor(), RGB(243, 243, 243));
    // The thin drawer's setters reach its basic drawer, and a reset undoes
    // them.
    thin->setThirdColor(1, 2, 3);
    thin->setItemTextColor(4, 5, 6);
    EXPECT_EQ(thin->getThirdBlue(), 3);
    EXPECT_EQ(thin->getItemStyle().getTextColor(), RGB(4, 5, 6));
    thin->reset();
    EXPECT_EQ(thin->getThirdColor(), RGB(243, 243, 243));
    EXPECT_EQ(thin->getItemStyle().getTextColor(), RGB(0, 0, 0));
}

TEST(ListBoxDrawerWinTest, ARowShowsSelectionDropLineCheckBoxExpanderAndText) {
    auto drawer = PoolRef<Thin>::take();
    auto itemFont = PoolRef<s::gui::win::Font>::take();
    auto selectedFont = PoolRef<s::gui::win::Font>::take();
    drawer->setItemTextColor(0, 0, 255);
    drawer->setSelectedTextColor(255, 255, 0);
    drawer->completeFonts(itemFont.get(), selectedFont.get());
    EXPECT_EQ(itemFont->getTextColor(), kInk);
    ControlCanvas canvas(200, 60, kWhite);
    drawer->fillBackground(canvas.get(), 0, 40, 200, 60);
    EXPECT_EQ(canvas.at(100, 50), RGB(51, 51, 51));

    // Row 1: an open tree node, partly checked, text, drop line below.
    ListBoxItem first = row(ListBoxItem::Open, ListBoxItem::Partial);
    first.dropLine = ListBoxItem::Below;
    drawer->drawItem(canvas.get(), 0, 0, 200, 20, first, nullptr, u"Item", itemFont.get(),
                     selectedFont.get());
    const ItemLayout one = layoutOf(first);
    const auto& box = one.getCheckBox();
    EXPECT_EQ(canvas.at(box.x, box.y), kFrame);
    EXPECT_EQ(canvas.at(box.x + 1, box.y + 1), RGB(243, 243, 243));
    EXPECT_EQ(canvas.at(box.x + box.width / 2, box.y + box.height / 2), kFrame);
    EXPECT_EQ(canvas.at(150, 19), kFrame); // the drop line
    EXPECT_EQ(canvas.at(150, 17), kWhite);
    const auto& expander = one.getExpander();
    EXPECT_GT(canvas.changedIn(expander.x, expander.y, expander.right(), expander.bottom()), 0);
    const auto& text = one.getText();
    EXPECT_GT(canvas.changedIn(text.x, 0, text.right(), 17), 0);

    // Row 2: selected and checked: the row is filled, the check mark is a
    // glyph (some of the inside stays the third colour).
    ListBoxItem second = row(ListBoxItem::NoTree, ListBoxItem::Checked);
    second.selected = true;
    drawer->drawItem(canvas.get(), 0, 20, 200, 40, second, nullptr, u"Item", itemFont.get(),
                     selectedFont.get());
    EXPECT_EQ(canvas.at(199, 20), kFrame);
    EXPECT_EQ(canvas.at(1, 39), kFrame);
    const ItemLayout two = layoutOf(second, 20);
    const auto& inside = two.getCheckInside();
    const int32_t marked = canvas.changedIn(inside.x, inside.y, inside.right(), inside.bottom());
    EXPECT_GT(marked, 0);
    int32_t third = 0;
    for (int32_t y = inside.y; y < inside.bottom(); ++y) {
        for (int32_t x = inside.x; x < inside.right(); ++x) {
            third += canvas.at(x, y) == RGB(243, 243, 243) ? 1 : 0;
        }
    }
    EXPECT_GT(third, 0);
    EXPECT_GT(third, inside.width * inside.height / 3);
}

TEST(ListBoxDrawerWinTest, EmptyRowsDrawNothingAndRowsMeasureAtLeastACell) {
    auto drawer = PoolRef<Basic>::take();
    auto font = PoolRef<s::gui::win::Font>::take();
    ControlCanvas canvas(100, 40, kWhite);
    ListBoxItem item = row(ListBoxItem::Open, ListBoxItem::Checked);
    item.selected = true;
    drawer->drawItem(canvas.get(), 0, 20, 100, 20, item, nullptr, u"x", font.get(), font.get());
    drawer->drawItem(canvas.get(), 50, 0, 10, 20, item, nullptr, u"x", font.get(), font.get());
    drawer->fillBackground(canvas.get(), 0, 30, 100, 10);
    // No font: no text, but no harm either.
    drawer->drawItem(canvas.get(), 0, 0, 0, 0, item, nullptr, u"x", nullptr, nullptr);
    EXPECT_TRUE(canvas.untouched());
    const int32_t unit = s::gui::scale::win::systemScale().getUnit();
    EXPECT_EQ(drawer->measureItem(canvas.get(), nullptr), 16 * unit);
    EXPECT_GE(drawer->measureItem(canvas.get(), font.get()), 16 * unit);
    EXPECT_EQ(drawer->hitItem(5, 5, 0, 0, 0, 20, item), ItemLayout::Outside);
    EXPECT_EQ(drawer->hitItem(2 * unit, 5, 0, 0, 200, 20, item), ItemLayout::ExpanderCell);
}
