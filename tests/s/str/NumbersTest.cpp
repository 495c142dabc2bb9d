#include "s/str/Numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using s::str::Numbers;

TEST(NumbersTest, ParsesLikeTheForgivingDecimalParseAndSaturates) {
    EXPECT_EQ(Numbers::parseInt32(u"  -42abc"), -42);
    EXPECT_EQ(Numbers::parseInt32(u"\u3000\v\f 12"), 12); // every white space the parse skips
    EXPECT_EQ(Numbers::parseInt32(u"123456", 3), 123);    // a counted text ends at its count
    EXPECT_EQ(Numbers::parseInt32(u"\u00A05"), 0);        // no-break space is not white space
    EXPECT_EQ(Numbers::parseInt32(u"+7"), 7);
    EXPECT_EQ(Numbers::parseInt32(u"x1"), 0);
    EXPECT_EQ(Numbers::parseInt32(u""), 0);
    EXPECT_EQ(Numbers::parseInt32(nullptr), 0);
    EXPECT_EQ(Numbers::parseInt32(u"99999999999"), 2147483647);
    EXPECT_EQ(Numbers::parseInt32(u"-99999999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(Numbers::parseUInt32(u"4294967295"), 4294967295u);
    EXPECT_EQ(Numbers::parseUInt32(u"4294967296"), 4294967295u);
    EXPECT_EQ(Numbers::parseUInt32(u"-1"), 4294967295u);
    EXPECT_EQ(Numbers::parseInt64(u"-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(Numbers::parseInt64(u"9223372036854775808"), INT64_MAX);
    EXPECT_DOUBLE_EQ(Numbers::parseDouble(u" -1.25e2x"), -125.0);
    EXPECT_DOUBLE_EQ(Numbers::parseDouble(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(Numbers::parseDouble(u"3e"), 3.0);
    EXPECT_DOUBLE_EQ(Numbers::parseDouble(u"inf"), 0.0);
    EXPECT_DOUBLE_EQ(Numbers::parseDouble(u"0x10"), 0.0);

    char16_t text[Numbers::kMaxText];
    EXPECT_EQ(std::u16string(text, Numbers::formatInt64(INT64_MIN, text)), u"-9223372036854775808");
    EXPECT_EQ(std::u16string(text, Numbers::formatDouble(-0.5, text)), u"-0.500000");
    EXPECT_EQ(Numbers::formatDouble(1e308, text), 316u); // no truncation
}
