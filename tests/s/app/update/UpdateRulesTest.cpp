#include "s/app/update/UpdateRules.h"

#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using s::app::update::UpdateRules;
using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;

namespace {

constexpr std::uint64_t kUnitsPerSecond = 10000000ULL;

std::uint64_t fileTimeOf(std::int64_t unixSeconds) {
    return static_cast<std::uint64_t>(UpdateRules::kUnixEpochFileTime +
                                      unixSeconds * static_cast<std::int64_t>(kUnitsPerSecond));
}

PoolRef<StrBuffer> text(const std::u16string& units) {
    auto buffer = PoolRef<StrBuffer>::take();
    buffer->append(units.data(), static_cast<std::uint32_t>(units.size()));
    return buffer;
}

} // namespace

TEST(UpdateRulesTest, HourCountsWholeHoursSince1970) {
    EXPECT_EQ(0, UpdateRules::hourFromFileTime(fileTimeOf(0)));
    EXPECT_EQ(0, UpdateRules::hourFromFileTime(fileTimeOf(3600) - 1));
    EXPECT_EQ(1, UpdateRules::hourFromFileTime(fileTimeOf(3600)));
    // 2024-01-01 00:00:00 UTC.
    EXPECT_EQ(473352, UpdateRules::hourFromFileTime(fileTimeOf(1704067200)));
    EXPECT_EQ(473352, UpdateRules::hourFromFileTime(fileTimeOf(1704067200 + 3599)));
    // A clock before 1970 gives a negative hour, not a huge one.
    EXPECT_EQ(-1, UpdateRules::hourFromFileTime(fileTimeOf(-3600)));
    EXPECT_GT(0, UpdateRules::hourFromFileTime(0));
}

TEST(UpdateRulesTest, StoredHourIsPinnedToTheStoredRange) {
    EXPECT_EQ(473352, UpdateRules::storedHour(473352));
    EXPECT_EQ(std::numeric_limits<std::int32_t>::max(),
              UpdateRules::storedHour(std::int64_t{1} << 40));
    EXPECT_EQ(std::numeric_limits<std::int32_t>::min(),
              UpdateRules::storedHour(-(std::int64_t{1} << 40)));
}

TEST(UpdateRulesTest, CheckIsDueAfter720Hours) {
    EXPECT_FALSE(UpdateRules::isDue(1000, 1000 + 719));
    EXPECT_TRUE(UpdateRules::isDue(1000, 1000 + 720));
    EXPECT_TRUE(UpdateRules::isDue(1000, 1000 + 100000));
    // A last check "in the future" (a clock set back) waits.
    EXPECT_FALSE(UpdateRules::isDue(5000, 1000));
    // The top of the stored range does not wrap into "due".
    EXPECT_FALSE(UpdateRules::isDue(std::numeric_limits<std::int32_t>::max(),
                                    std::numeric_limits<std::int32_t>::max()));
}

TEST(UpdateRulesTest, VersionTextNeedsTwoCharactersAfterItsLastFullStopOrThreeWithout) {
    EXPECT_TRUE(UpdateRules::isVersionTextUsable(u"1.19"));
    EXPECT_TRUE(UpdateRules::isVersionTextUsable(u"12.05"));
    EXPECT_TRUE(UpdateRules::isVersionTextUsable(u"1.2.19")); // the last stop counts
    EXPECT_TRUE(UpdateRules::isVersionTextUsable(u"119"));
    EXPECT_FALSE(UpdateRules::isVersionTextUsable(u"1.2"));
    EXPECT_FALSE(UpdateRules::isVersionTextUsable(u"1.190"));
    EXPECT_FALSE(UpdateRules::isVersionTextUsable(u"1.19."));
    EXPECT_FALSE(UpdateRules::isVersionTextUsable(u"19"));
    EXPECT_FALSE(UpdateRules::isVersionTextUsable(u"1190"));
    EXPECT_FALSE(UpdateRules::isVersionTextUsable(u""));
    EXPECT_FALSE(UpdateRules::isVersionTextUsable(nullptr));
}

TEST(UpdateRulesTest, AnswerCountsWithFiveCharactersBeginningWithTheMark) {
    EXPECT_TRUE(UpdateRules::answerCounts(*text(u"*1.20")));
    EXPECT_TRUE(UpdateRules::answerCounts(*text(std::u16string(u"*\0\0\0\0", 5))));
    EXPECT_FALSE(UpdateRules::answerCounts(*text(u"*1.2")));
    EXPECT_FALSE(UpdateRules::answerCounts(*text(u"1.20 ")));
    EXPECT_FALSE(UpdateRules::answerCounts(*text(u" *1.20")));
    EXPECT_FALSE(UpdateRules::answerCounts(*text(u"")));
}

TEST(UpdateRulesTest, NewerVersionIsOfferedWhenTheVersionTextOccursNowhere) {
    EXPECT_TRUE(UpdateRules::offersNewerVersion(*text(u"*1.20"), u"1.19"));
    EXPECT_FALSE(UpdateRules::offersNewerVersion(*text(u"*1.19 1.20"), u"1.19"));
    EXPECT_FALSE(UpdateRules::offersNewerVersion(*text(u"*1.20 1.19"), u"1.19"));
    EXPECT_FALSE(UpdateRules::offersNewerVersion(*text(u"1.20"), u"1.19"));
    EXPECT_FALSE(UpdateRules::offersNewerVersion(*text(u"*1.2"), u"1.19"));
    // The version text past NUL characters still counts as found.
    const std::u16string binary(u"*\0\xFF\0"
                                u"1.19",
                                8);
    EXPECT_FALSE(UpdateRules::offersNewerVersion(*text(binary), u"1.19"));
    EXPECT_TRUE(UpdateRules::offersNewerVersion(*text(std::u16string(u"*\0\xFF\0\0", 5)), u"1.19"));
    // A version text that cannot be compared never offers.
    EXPECT_FALSE(UpdateRules::offersNewerVersion(*text(u"*2.00"), u""));
}
