#include "s/gui/paint/BufferReuse.h"

#include <gtest/gtest.h>

using s::gui::layout::Size;
using s::gui::paint::BufferReuse;
using Action = s::gui::paint::BufferReuse::Action;

TEST(BufferReuseTest, NoBufferIsCreatedAtTheExactSize) {
    EXPECT_EQ(Action::Create, BufferReuse::decide({0, 0}, {340, 285}));
    EXPECT_EQ((Size{340, 285}), BufferReuse::resultSize({0, 0}, {340, 285}));
    // An empty area still needs a bitmap of one pixel.
    EXPECT_EQ((Size{1, 1}), BufferReuse::resultSize({0, 0}, {0, -5}));
}

TEST(BufferReuseTest, ABufferMoreThanTheNeededAreaOverSevenTenthsIsReplacedByTheExactSize) {
    // 100 x 100: kept down to exactly 7000 pixels, replaced below.
    EXPECT_EQ(Action::Reuse, BufferReuse::decide({100, 100}, {100, 70}));
    EXPECT_EQ((Size{100, 100}), BufferReuse::resultSize({100, 100}, {100, 70}));
    EXPECT_EQ(Action::Replace, BufferReuse::decide({100, 100}, {99, 70}));
    EXPECT_EQ((Size{99, 70}), BufferReuse::resultSize({100, 100}, {99, 70}));
    // Large sides do not overflow the area.
    EXPECT_EQ(Action::Replace, BufferReuse::decide({60000, 60000}, {60000, 40000}));
    EXPECT_EQ(Action::Reuse, BufferReuse::decide({60000, 60000}, {60000, 42000}));
}

TEST(BufferReuseTest, ABufferTooSmallInOneDirectionGrows) {
    // Area large enough to keep, but too narrow: grown to the needed size.
    EXPECT_EQ(Action::Grow, BufferReuse::decide({100, 100}, {101, 80}));
    EXPECT_EQ((Size{101, 80}), BufferReuse::resultSize({100, 100}, {101, 80}));
    EXPECT_EQ(Action::Grow, BufferReuse::decide({100, 100}, {80, 120}));
    EXPECT_EQ(Action::Reuse, BufferReuse::decide({100, 100}, {100, 100}));
}
