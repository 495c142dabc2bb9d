#include "s/thread/EasyPooler.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

using s::thread::EasyPooler;

namespace {

// A pooled record that counts how it is made, reset and destroyed.
struct Counted {
    int value = 0;
    static inline std::atomic<int> created{0};
    static inline std::atomic<int> destroyed{0};
    static inline std::atomic<int> resets{0};
};

void* createCounted() {
    ++Counted::created;
    return new Counted();
}
void destroyCounted(void* object) {
    ++Counted::destroyed;
    delete static_cast<Counted*>(object);
}
void resetCounted(void* object) {
    ++Counted::resets;
    static_cast<Counted*>(object)->value = 0;
}

class EasyPoolerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Counted::created = 0;
        Counted::destroyed = 0;
        Counted::resets = 0;
    }
};

} // namespace

TEST_F(EasyPoolerTest, KeepsAtMostTheLimitAndDestroysTheRest) {
    {
        EasyPooler pool(1000, &createCounted, &destroyCounted, &resetCounted);
        std::vector<void*> objects;
        for (int i = 0; i < 1001; ++i) {
            objects.push_back(pool.take());
        }
        EXPECT_EQ(Counted::created, 1001);
        for (int i = 0; i < 1000; ++i) {
            pool.giveBack(objects[i]);
        }
        EXPECT_EQ(pool.idleCount(), 1000u);
        EXPECT_EQ(Counted::destroyed, 0);
        pool.giveBack(objects[1000]);
        EXPECT_EQ(pool.idleCount(), 1000u);
        EXPECT_EQ(Counted::destroyed, 1);
        // The rejected object is destroyed without a reset.
        EXPECT_EQ(Counted::resets, 1000);
    }
    // Deleting the pool destroys its idle objects.
    EXPECT_EQ(Counted::destroyed, 1001);
}

TEST_F(EasyPoolerTest, LimitZeroAlwaysCreatesAndDestroys) {
    EasyPooler pool(0, &createCounted, &destroyCounted, &resetCounted);
    void* first = pool.take();
    pool.giveBack(first);
    EXPECT_EQ(pool.idleCount(), 0u);
    EXPECT_EQ(Counted::destroyed, 1);
    void* second = pool.take();
    EXPECT_EQ(Counted::created, 2);
    pool.giveBack(second);
    EXPECT_EQ(Counted::destroyed, 2);
    EXPECT_EQ(Counted::resets, 0);
}

TEST_F(EasyPoolerTest, IsAStackAndResetsOnTheWayBack) {
    EasyPooler pool(1000, &createCounted, &destroyCounted, &resetCounted);
    auto* a = static_cast<Counted*>(pool.take());
    auto* b = static_cast<Counted*>(pool.take());
    a->value = 7;
    b->value = 8;
    pool.giveBack(a);
    EXPECT_EQ(a->value, 0) << "reset happens when the object comes back";
    pool.giveBack(b);
    EXPECT_EQ(pool.take(), b) << "last released, first taken";
    EXPECT_EQ(pool.take(), a);
    EXPECT_EQ(Counted::created, 2);
    EXPECT_EQ(Counted::resets, 2) << "take does not reset again";
    pool.giveBack(a);
    pool.giveBack(b);
}

TEST_F(EasyPoolerTest, DisposeGivesBackAndClearsTheSlotIgnoringNull) {
    EasyPooler pool(10, &createCounted, &destroyCounted, &resetCounted);
    s::base::IDestructor& disposer = pool;
    void* slot = pool.take();
    void* const taken = slot;
    disposer.dispose(&slot);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(pool.idleCount(), 1u);
    disposer.dispose(&slot);
    disposer.dispose(nullptr);
    pool.giveBack(nullptr);
    EXPECT_EQ(pool.idleCount(), 1u);
    EXPECT_EQ(pool.generate(), taken);
    pool.giveBack(taken);
}

TEST_F(EasyPoolerTest, ShutdownDestroysIdleObjectsAndKeepsNothingAfterwards) {
    EasyPooler pool(1000, &createCounted, &destroyCounted, &resetCounted);
    void* a = pool.take();
    void* b = pool.take();
    pool.giveBack(a);
    pool.shutdown();
    EXPECT_EQ(Counted::destroyed, 1);
    EXPECT_EQ(pool.limit(), 0u);
    pool.giveBack(b);
    EXPECT_EQ(Counted::destroyed, 2);
    EXPECT_EQ(pool.idleCount(), 0u);
}

TEST_F(EasyPoolerTest, NewObjectIsAnEmptyPoolWithTheSameLimitAndCallbacks) {
    EasyPooler pool(3, &createCounted, &destroyCounted, &resetCounted);
    pool.giveBack(pool.take());
    auto* copy = static_cast<EasyPooler*>(pool.newObject());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->limit(), 3u);
    EXPECT_EQ(copy->idleCount(), 0u);
    EXPECT_EQ(std::u16string(copy->getClassName()), u"s_thread_EasyPooler");
    void* object = copy->take();
    EXPECT_EQ(Counted::created, 2);
    copy->giveBack(object);
    EXPECT_EQ(Counted::resets, 2);
    delete copy;
}

TEST_F(EasyPoolerTest, SurvivesConcurrentTakeAndGiveBack) {
    EasyPooler pool(50, &createCounted, &destroyCounted, &resetCounted);
    constexpr int kThreads = 4;
    constexpr int kRounds = 2000;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&pool, t] {
            std::vector<Counted*> held;
            for (int round = 0; round < kRounds; ++round) {
                auto* object = static_cast<Counted*>(pool.take());
                // An object in use belongs to one thread only: a reset object
                // arriving with another thread's mark would be a pool fault.
                EXPECT_EQ(object->value, 0);
                object->value = t + 1;
                held.push_back(object);
                if (held.size() > static_cast<std::size_t>(round % 7)) {
                    for (Counted* h : held) {
                        pool.giveBack(h);
                    }
                    held.clear();
                }
            }
            for (Counted* h : held) {
                pool.giveBack(h);
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_LE(pool.idleCount(), 50u);
    EXPECT_EQ(Counted::created - Counted::destroyed, static_cast<int>(pool.idleCount()));
}
