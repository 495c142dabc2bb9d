#include "s/str/strbuffer/SharedScratch.h"

#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

using s::str::strbuffer::SharedScratch;
using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;

constexpr int kThreads = 4;
constexpr int kRounds = 2000;

TEST(SharedScratchTest, ScopesNestOnOneThreadAndReachTheSameBuffer) {
    SharedScratch outer;
    outer->setInt32(5);
    {
        SharedScratch inner;
        EXPECT_EQ(outer.get(), inner.get());
        inner->appendChar(u'!');
    }
    EXPECT_EQ(std::u16string(u"5!"), outer->c_str());
}

// Every thread formats its own numbers, both into its own buffers and through
// the shared scratch buffer, and checks each result; a missing guard shows as
// a wrong text here and as a data race under ThreadSanitizer.
TEST(SharedScratchTest, ConcurrentNumberFormattingStaysCorrect) {
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &wrong] {
            auto own = PoolRef<StrBuffer>::take();
            for (int i = 0; i < kRounds; ++i) {
                const std::int32_t value = t * 1000000 + i;
                const std::u16string expected = [&] {
                    std::u16string digits;
                    for (char ch : std::to_string(value)) {
                        digits.push_back(static_cast<char16_t>(ch));
                    }
                    return digits;
                }();

                own->setInt32(value);
                if (std::u16string(own->c_str()) != expected) {
                    ++wrong;
                }
                own->clear();
                own->appendDouble(value + 0.5);
                if (std::u16string(own->c_str()) != expected + u".500000") {
                    ++wrong;
                }
                {
                    SharedScratch scratch;
                    scratch->clear();
                    scratch->appendInt64(value);
                    if (std::u16string(scratch->c_str()) != expected) {
                        ++wrong;
                    }
                }
                // Pool traffic from several threads at once.
                StrBuffer* copy = own->clone();
                copy->release();
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(0, wrong.load());
}

} // namespace
