#include "s/comp/CompS32.h"

#include "s/comp/CompP.h"
#include "s/comp/CompS08.h"
#include "s/comp/CompU08.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

TEST(CompS32Test, EachComparatorUsesItsElementTypesOrder) {
    const auto& s32 = s::comp::CompS32::instance();
    const std::int32_t minus = -1, plus = 1, alsoPlus = 1;
    EXPECT_EQ(s32.compare(&minus, &plus), -1);
    EXPECT_EQ(s32.compare(&plus, &minus), 1);
    EXPECT_EQ(s32.compare(&plus, &alsoPlus), 0);
    EXPECT_EQ(s32.compareIgnoreCase(&minus, &plus), -1);

    const std::uint8_t big = 200, small = 3;
    EXPECT_EQ(s::comp::CompU08::instance().compare(&big, &small), 1);
    const std::int8_t negative = -56, positive = 3;
    EXPECT_EQ(s::comp::CompS08::instance().compare(&negative, &positive), -1);

    int slots[2];
    void* low = &slots[0];
    void* high = &slots[1];
    EXPECT_EQ(s::comp::CompP::instance().compare(&low, &high), -1);
    EXPECT_EQ(s::comp::CompP::instance().compare(&high, &high), 0);

    EXPECT_EQ(&s32, &s::comp::CompS32::instance());
    EXPECT_EQ(std::u16string(s32.getClassName()), u"s_comp_CompS32");
    s::base::IObject* made = s32.newObject();
    EXPECT_EQ(std::u16string(made->getClassName()), u"s_comp_CompS32");
    delete made;
}
