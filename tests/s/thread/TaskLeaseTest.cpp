#include "s/thread/TaskLease.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using s::thread::TaskLease;

void countGiveBack(void* counter) {
    static_cast<std::atomic<int>*>(counter)->fetch_add(1);
}

} // namespace

TEST(TaskLeaseTest, GivesBackAtOnceWhenFreeAndOtherwiseWhenTheLastRunLeaves) {
    std::atomic<int> givenBack{0};
    TaskLease lease;
    EXPECT_TRUE(lease.giveBackWhenFree(&countGiveBack, &givenBack));
    EXPECT_EQ(1, givenBack.load());
    EXPECT_FALSE(lease.isInRun());

    // Two runs in progress (a worker given up on and its successor): the
    // give-back waits for both, and happens once.
    lease.enter();
    lease.enter();
    EXPECT_FALSE(lease.giveBackWhenFree(&countGiveBack, &givenBack));
    EXPECT_EQ(1, givenBack.load());
    lease.leave();
    EXPECT_EQ(1, givenBack.load());
    EXPECT_TRUE(lease.isInRun());
    lease.leave();
    EXPECT_EQ(2, givenBack.load());

    // A lease that was given back is free again for the object's next owner.
    EXPECT_FALSE(lease.isInRun());
    lease.enter();
    lease.leave();
    EXPECT_EQ(2, givenBack.load());
}

// The owner's hand-over races with the worker's leave: whichever comes
// second must perform the give-back, and never both.
TEST(TaskLeaseTest, AHandOverRacingTheEndOfARunGivesBackExactlyOnce) {
    constexpr int kRounds = 20000;
    TaskLease lease;
    std::atomic<int> givenBack{0};
    std::atomic<int> round{-1};
    std::atomic<int> entered{-1};
    std::thread worker([&] {
        for (int i = 0; i < kRounds; ++i) {
            while (round.load() != i) {
                std::this_thread::yield();
            }
            lease.enter();
            entered.store(i);
            lease.leave();
        }
    });
    for (int i = 0; i < kRounds; ++i) {
        round.store(i);
        while (entered.load() != i) {
            std::this_thread::yield();
        }
        lease.giveBackWhenFree(&countGiveBack, &givenBack);
        // Once given back the next round may start: wait for it, whoever did it.
        while (givenBack.load() != i + 1) {
            std::this_thread::yield();
        }
    }
    worker.join();
    EXPECT_EQ(kRounds, givenBack.load());
    EXPECT_FALSE(lease.isInRun());
}
