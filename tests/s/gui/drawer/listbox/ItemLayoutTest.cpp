#include "s/gui/drawer/listbox/ItemLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tests/s/gui/drawer/FillRecorder.h"

using s::gui::drawer::ListBoxItem;
using s::gui::drawer::listbox::ItemLayout;
using s::gui::layout::Rect;

namespace {

using Recorder = s::gui::drawer::testing::FillRecorder;
using Fill = Recorder::Fill;

constexpr ItemLayout::Colours kColours = {0x111111, 0x222222, 0x333333};

ListBoxItem treeItem(int32_t level, int32_t expander, int32_t check, bool icon) {
    ListBoxItem item;
    item.level = level;
    item.expander = expander;
    item.check = check;
    item.hasIcon = icon;
    return item;
}

} // namespace

TEST(ListBoxItemLayoutTest, PartsFollowEachOtherFromTheIndentationAndTheTextTakesTheRest) {
    // Scale 1, a 20-pixel row at y = 40: cells of 16, a check box of 13.
    const ItemLayout full({0, 40, 200, 20},
                          treeItem(2, ListBoxItem::Closed, ListBoxItem::Checked, true), 1);
    EXPECT_EQ(full.getExpander(), (Rect{34, 42, 16, 16}));
    EXPECT_EQ(full.getCheckBox(), (Rect{50, 43, 13, 13}));
    EXPECT_EQ(full.getIcon(), (Rect{65, 42, 16, 16}));
    EXPECT_EQ(full.getText(), (Rect{83, 40, 115, 20}));
    // A plain list keeps no expander room; a leaf of a tree does.
    const ItemLayout plain({0, 0, 100, 20},
                           treeItem(0, ListBoxItem::NoTree, ListBoxItem::NoCheckBox, false), 1);
    EXPECT_EQ(plain.getText(), (Rect{2, 0, 96, 20}));
    EXPECT_EQ(plain.getExpander().width, 0);
    const ItemLayout leaf({0, 0, 100, 20},
                          treeItem(0, ListBoxItem::Leaf, ListBoxItem::NoCheckBox, false), 1);
    EXPECT_EQ(leaf.getText().x, 18);
    // Scale 2 doubles the cells and paddings.
    const ItemLayout big({0, 0, 400, 40},
                         treeItem(1, ListBoxItem::Open, ListBoxItem::Unchecked, false), 2);
    EXPECT_EQ(big.getExpander(), (Rect{36, 4, 32, 32}));
    EXPECT_EQ(big.getCheckBox(), (Rect{68, 7, 26, 26}));
    EXPECT_EQ(big.getText().x, 98);
    // A low row shrinks the cells to its height.
    const ItemLayout low({0, 0, 100, 10},
                         treeItem(0, ListBoxItem::Open, ListBoxItem::NoCheckBox, false), 1);
    EXPECT_EQ(low.getExpander(), (Rect{2, 0, 10, 10}));
}

TEST(ListBoxItemLayoutTest, ADeepLevelLeavesTheTextEmptyAndNoPartOutsideTheRow) {
    const ItemLayout deep({0, 0, 60, 20},
                          treeItem(10, ListBoxItem::Open, ListBoxItem::Checked, true), 1);
    EXPECT_EQ(deep.getText().width, 0);
    for (const Rect& part : {deep.getExpander(), deep.getCheckBox(), deep.getIcon()}) {
        EXPECT_LE(part.x + part.width, 58);
        EXPECT_GE(part.width, 0);
    }
    const ItemLayout negative({0, 0, 60, 20},
                              treeItem(-3, ListBoxItem::NoTree, ListBoxItem::NoCheckBox, false), 1);
    EXPECT_EQ(negative.getText().x, 2);
    Recorder nothing;
    ItemLayout({0, 0, 0, 20}, treeItem(0, ListBoxItem::Open, ListBoxItem::Checked, true), 1)
        .paint(nothing, kColours);
    EXPECT_TRUE(nothing.fills.empty());
}

TEST(ListBoxItemLayoutTest, HitsNameThePartUnderThePoint) {
    const ItemLayout row({10, 40, 200, 20},
                         treeItem(0, ListBoxItem::Closed, ListBoxItem::Checked, true), 1);
    EXPECT_EQ(row.hit(12, 45), ItemLayout::ExpanderCell);
    EXPECT_EQ(row.hit(27, 45), ItemLayout::ExpanderCell);
    EXPECT_EQ(row.hit(28, 45), ItemLayout::CheckBox);
    EXPECT_EQ(row.hit(41, 45), ItemLayout::Row);
    EXPECT_EQ(row.hit(43, 45), ItemLayout::Icon);
    EXPECT_EQ(row.hit(61, 45), ItemLayout::Text);
    EXPECT_EQ(row.hit(11, 45), ItemLayout::Row);
    EXPECT_EQ(row.hit(209, 59), ItemLayout::Row);
    EXPECT_EQ(row.hit(210, 45), ItemLayout::Outside);
    EXPECT_EQ(row.hit(50, 60), ItemLayout::Outside);
}

TEST(ListBoxItemLayoutTest, SelectionDropLineAndCheckBoxAreFilledInOrder) {
    ListBoxItem item = treeItem(0, ListBoxItem::NoTree, ListBoxItem::Partial, false);
    item.selected = true;
    item.dropLine = ListBoxItem::Below;
    Recorder target;
    ItemLayout({0, 0, 100, 20}, item, 1).paint(target, kColours);
    const std::vector<Fill> expected = {{0, 0, 100, 20, 0x111111},
                                        {0, 18, 100, 2, 0x222222},
                                        {2, 3, 13, 13, 0x222222},
                                        {3, 4, 11, 11, 0x333333},
                                        {5, 6, 7, 7, 0x222222}};
    EXPECT_EQ(target.fills, expected);

    item.selected = false;
    item.dropLine = ListBoxItem::Above;
    item.check = ListBoxItem::Checked; // the check mark is a glyph, not a fill
    Recorder above;
    ItemLayout({0, 0, 100, 20}, item, 2).paint(above, kColours);
    const std::vector<Fill> expectedAbove = {
        {0, 0, 100, 4, 0x222222}, {4, 0, 20, 20, 0x222222}, {6, 2, 16, 16, 0x333333}};
    EXPECT_EQ(above.fills, expectedAbove);
}

TEST(ListBoxItemLayoutTest, RowsAreTheTextWithAUnitAboveAndBelowButAtLeastACell) {
    EXPECT_EQ(ItemLayout::rowHeight(15, 1), 17);
    EXPECT_EQ(ItemLayout::rowHeight(10, 1), 16);
    EXPECT_EQ(ItemLayout::rowHeight(30, 2), 34);
    EXPECT_EQ(ItemLayout::rowHeight(-5, 0), 16);
}
