#include "s/platform/win/TickCount.h"

#include <gtest/gtest.h>

using s::platform::win::TickCount;

namespace {

constexpr std::uint64_t kWrap = 0x100000000ull;

} // namespace

TEST(TickCountWinTest, FirstReadingIsTakenAsItIsEvenLateInTheRange) {
    std::atomic<std::uint64_t> state{0};
    // A system up for 46 days: the first reading is above half the range.
    EXPECT_EQ(TickCount::widen(state, 0xF0000000u), 0xF0000000ull);
    EXPECT_EQ(TickCount::widen(state, 0xF0000010u), 0xF0000010ull);
}

TEST(TickCountWinTest, WrapOfTheThirtyTwoBitCountCarriesIntoTheHighPart) {
    std::atomic<std::uint64_t> state{0};
    EXPECT_EQ(TickCount::widen(state, 0xFFFFFFF0u), 0xFFFFFFF0ull);
    EXPECT_EQ(TickCount::widen(state, 5u), kWrap + 5);
    EXPECT_EQ(TickCount::widen(state, 100u), kWrap + 100);
    // Two wraps in a row, read now and then.
    EXPECT_EQ(TickCount::widen(state, 0x7FFFFFFFu), kWrap + 0x7FFFFFFF);
    EXPECT_EQ(TickCount::widen(state, 0xFFFFFF00u), kWrap + 0xFFFFFF00);
    EXPECT_EQ(TickCount::widen(state, 1u), 2 * kWrap + 1);
}

TEST(TickCountWinTest, OvertakenReadingsKeepTheirEraAndNeverMoveTheClock) {
    std::atomic<std::uint64_t> state{0};
    TickCount::widen(state, 1000u);
    // Read before another thread's 1000 was stored: no wrap.
    EXPECT_EQ(TickCount::widen(state, 990u), 990ull);
    EXPECT_EQ(TickCount::widen(state, 1001u), 1001ull);

    // Just after a wrap, a reading taken before it arrives late.
    std::atomic<std::uint64_t> nearWrap{0};
    TickCount::widen(nearWrap, 0xFFFFFFFEu);
    TickCount::widen(nearWrap, 3u);
    EXPECT_EQ(TickCount::widen(nearWrap, 0xFFFFFFFFu), 0xFFFFFFFFull);
    EXPECT_EQ(TickCount::widen(nearWrap, 4u), kWrap + 4);
}

TEST(TickCountWinTest, SystemClockNeverRunsBackwards) {
    std::uint64_t previous = TickCount::nowMs();
    for (int i = 0; i < 1000; ++i) {
        const std::uint64_t now = TickCount::nowMs();
        ASSERT_GE(now, previous);
        previous = now;
    }
}
