#include "s/app/WindowRules.h"

#include <gtest/gtest.h>

#include <string>

using s::app::WindowRules;

TEST(WindowRulesTest, BoundsSectionFollowsTheScreenFactorOnly) {
    EXPECT_TRUE(std::u16string(WindowRules::viewSectionFor(1)) == u"View");
    EXPECT_TRUE(std::u16string(WindowRules::viewSectionFor(2)) == u"View4K");
    EXPECT_TRUE(std::u16string(WindowRules::viewSectionFor(4)) == u"View8K");
    // Anything else below 4 is an ordinary screen.
    EXPECT_TRUE(std::u16string(WindowRules::viewSectionFor(3)) == u"View");
    EXPECT_TRUE(std::u16string(WindowRules::viewSectionFor(0)) == u"View");
    EXPECT_TRUE(std::u16string(WindowRules::viewSectionFor(-2)) == u"View");
}

TEST(WindowRulesTest, MiddleClickIsOneOfTheThreeConstants) {
    EXPECT_EQ(WindowRules::kIconize, WindowRules::canonicalMiddleClick(u"iconize"));
    EXPECT_EQ(WindowRules::kIconize, WindowRules::canonicalMiddleClick(u"ICONIZE"));
    EXPECT_EQ(WindowRules::kClose, WindowRules::canonicalMiddleClick(u"close"));
    EXPECT_EQ(WindowRules::kDoNothing, WindowRules::canonicalMiddleClick(u"donothing"));
    // Unknown, damaged or missing texts do nothing.
    EXPECT_EQ(WindowRules::kDoNothing, WindowRules::canonicalMiddleClick(u"Iconized"));
    EXPECT_EQ(WindowRules::kDoNothing, WindowRules::canonicalMiddleClick(u"Clos"));
    EXPECT_EQ(WindowRules::kDoNothing, WindowRules::canonicalMiddleClick(u""));
    EXPECT_EQ(WindowRules::kDoNothing, WindowRules::canonicalMiddleClick(nullptr));
}

TEST(WindowRulesTest, StoredSizeMustLieBetweenTenAndTheScreen) {
    EXPECT_FALSE(WindowRules::isSizeValid(5, 1920));
    EXPECT_FALSE(WindowRules::isSizeValid(9, 1920));
    EXPECT_TRUE(WindowRules::isSizeValid(10, 1920));
    EXPECT_TRUE(WindowRules::isSizeValid(1920, 1920));
    EXPECT_FALSE(WindowRules::isSizeValid(1921, 1920));
    EXPECT_FALSE(WindowRules::isSizeValid(-500, 1920));
}
