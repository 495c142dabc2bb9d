#include "s/gui/frame/SizeRules.h"

#include <gtest/gtest.h>

using s::gui::frame::SizeRules;

TEST(SizeRulesTest, MinimumTakesExplicitThenFixedThenNothingThenContentPlusFrame) {
    constexpr int32_t kNone = SizeRules::kNone;
    EXPECT_EQ(120, SizeRules::minimum(120, 300, true, 200, 16)) << "explicit wins";
    EXPECT_EQ(0, SizeRules::minimum(0, 300, true, 200, 16)) << "an explicit 0 is a minimum";
    EXPECT_EQ(300, SizeRules::minimum(kNone, 300, true, 200, 16)) << "then the fixed size";
    EXPECT_EQ(0, SizeRules::minimum(kNone, kNone, false, 200, 16)) << "no children, no need";
    EXPECT_EQ(216, SizeRules::minimum(kNone, kNone, true, 200, 16));
}

TEST(SizeRulesTest, PreferredIsTheFixedClientSizeElseTheChildrensNeed) {
    EXPECT_EQ(284, SizeRules::preferred(300, 16, 90));
    EXPECT_EQ(90, SizeRules::preferred(SizeRules::kNone, 16, 90));
    EXPECT_EQ(1024, SizeRules::maximum(SizeRules::kNone, 1024));
    EXPECT_EQ(300, SizeRules::maximum(300, 1024));
}
