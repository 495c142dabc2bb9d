#include "s/gui/events/EventSource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

using s::gui::events::EventSource;
using s::gui::events::IEventListener;

namespace {

// Appends its tag to a shared journal (one thread delivers) and runs an
// optional action inside the call.
class Journaling : public IEventListener {
public:
    Journaling(int ownTag, std::vector<int>* sharedJournal) : tag(ownTag), journal(sharedJournal) {}
    void onEvent(s::base::IObject* source, int32_t code) override {
        journal->push_back(tag);
        lastCode = code;
        if (action) {
            action();
        }
    }
    int tag;
    std::vector<int>* journal;
    int32_t lastCode = -1;
    std::function<void()> action;
};

// Counts its calls; safe to be called from any thread.
class Counting : public IEventListener {
public:
    void onEvent(s::base::IObject*, int32_t) override { calls.fetch_add(1); }
    std::atomic<int> calls{0};
};

} // namespace

TEST(EventSourceTest, DeliversInRegistrationOrderAndResetEmptiesIt) {
    EventSource source;
    std::vector<int> journal;
    Journaling first(1, &journal), second(2, &journal), third(3, &journal);
    EXPECT_FALSE(source.add(nullptr));
    EXPECT_TRUE(source.isEmpty());
    source.add(&second);
    source.add(&first);
    source.add(&third);
    source.add(&first); // twice registered, twice told
    source.raise(nullptr, 7);
    EXPECT_EQ((std::vector<int>{2, 1, 3, 1}), journal);
    EXPECT_EQ(7, third.lastCode);
    EXPECT_EQ(4u, source.size());

    source.reset();
    journal.clear();
    source.raise(nullptr, 7);
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(source.isEmpty());
    EXPECT_FALSE(source.contains(&first));
    // A reset source fills again from the start.
    source.add(&third);
    source.raise(nullptr, 7);
    EXPECT_EQ((std::vector<int>{3}), journal);
}

TEST(EventSourceTest, AListenerAddedDuringDeliveryIsCalledInTheSamePass) {
    EventSource source;
    std::vector<int> journal;
    // A chain of 300 listeners, each adding the next while it is told: the
    // list grows through several chunks during one delivery.
    std::vector<std::unique_ptr<Journaling>> chain;
    for (int i = 0; i < 300; ++i) {
        chain.push_back(std::make_unique<Journaling>(i, &journal));
    }
    for (int i = 0; i + 1 < 300; ++i) {
        Journaling* next = chain[i + 1].get();
        chain[i]->action = [&source, next] { source.add(next); };
    }
    source.add(chain[0].get());
    source.raise(nullptr, 1);
    ASSERT_EQ(300u, journal.size());
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(i, journal[i]);
    }
    // A second pass calls every one again, in the same order, and each adds
    // its successor once more at the end.
    journal.clear();
    for (auto& listener : chain) {
        listener->action = nullptr;
    }
    source.raise(nullptr, 1);
    EXPECT_EQ(300u, journal.size());
    EXPECT_EQ(0, journal.front());
    EXPECT_EQ(299, journal.back());
}

TEST(EventSourceTest, AResetDuringDeliveryEndsThePass) {
    EventSource source;
    std::vector<int> journal;
    Journaling first(1, &journal), second(2, &journal), third(3, &journal);
    second.action = [&] {
        source.reset();
        source.add(&third);
    };
    source.add(&first);
    source.add(&second);
    source.add(&first);
    source.raise(nullptr, 0);
    // After the reset the pass stands at position 2 of a one-entry list.
    EXPECT_EQ((std::vector<int>{1, 2}), journal);
    journal.clear();
    source.raise(nullptr, 0);
    EXPECT_EQ((std::vector<int>{3}), journal);
}

TEST(EventSourceTest, AddOnceAndWithdrawKeepTheOrderOfTheOthers) {
    EventSource source;
    std::vector<int> journal;
    Journaling first(1, &journal), second(2, &journal), third(3, &journal);
    EXPECT_TRUE(source.addOnce(&first));
    EXPECT_TRUE(source.addOnce(&second));
    EXPECT_TRUE(source.addOnce(&first));
    EXPECT_TRUE(source.addOnce(&third));
    EXPECT_FALSE(source.addOnce(nullptr));
    source.raise(nullptr, 0);
    EXPECT_EQ((std::vector<int>{1, 2, 3}), journal);

    // A listener that withdraws itself and a later one while it is told:
    // neither is told again, in this pass or later, and it does not wait for
    // its own delivery.
    journal.clear();
    first.action = [&] {
        source.withdraw(&first);
        source.withdraw(&third);
    };
    source.raise(nullptr, 0);
    EXPECT_EQ((std::vector<int>{1, 2}), journal);
    journal.clear();
    source.raise(nullptr, 0);
    EXPECT_EQ((std::vector<int>{2}), journal);
    EXPECT_FALSE(source.contains(&first));
    EXPECT_TRUE(source.contains(&second));
    // Withdrawing one that was never added changes nothing.
    Journaling stranger(9, &journal);
    source.withdraw(&stranger);
    source.withdraw(nullptr);
    journal.clear();
    source.raise(nullptr, 0);
    EXPECT_EQ((std::vector<int>{2}), journal);
}

TEST(EventSourceTest, ListenersAddedFromSeveralThreadsWhileEventsAreRaisedAreAllCalled) {
    constexpr int kAdders = 6;
    constexpr int kPerAdder = 2000;
    EventSource source;
    std::vector<std::unique_ptr<Counting>> listeners;
    for (int i = 0; i < kAdders * kPerAdder; ++i) {
        listeners.push_back(std::make_unique<Counting>());
    }
    std::atomic<bool> adding{true};
    std::atomic<int> passes{0};
    // The raiser delivers all the time, as a window's thread does.
    std::thread raiser([&] {
        while (adding.load()) {
            source.raise(nullptr, 5);
            passes.fetch_add(1);
        }
    });
    // The adders start together, so that their adds collide as often as the
    // machine allows.
    std::atomic<int> ready{0};
    std::vector<std::thread> adders;
    for (int a = 0; a < kAdders; ++a) {
        adders.emplace_back([&, a] {
            ready.fetch_add(1);
            while (ready.load() < kAdders) {
                std::this_thread::yield();
            }
            for (int i = 0; i < kPerAdder; ++i) {
                EXPECT_TRUE(source.add(listeners[a * kPerAdder + i].get()));
            }
        });
    }
    for (std::thread& adder : adders) {
        adder.join();
    }
    adding = false;
    raiser.join();
    EXPECT_GT(passes.load(), 0);
    EXPECT_EQ(static_cast<uint32_t>(kAdders * kPerAdder), source.size());

    // One more pass from here reaches every listener exactly once, and each
    // adder's listeners come in the order that adder added them.
    std::vector<int> before;
    for (auto& listener : listeners) {
        before.push_back(listener->calls.load());
    }
    source.raise(nullptr, 5);
    for (size_t i = 0; i < listeners.size(); ++i) {
        EXPECT_EQ(before[i] + 1, listeners[i]->calls.load()) << "listener " << i;
    }
    std::vector<int> journal;
    std::vector<std::unique_ptr<Journaling>> ordered;
    EventSource orderedSource;
    for (int i = 0; i < kAdders * 50; ++i) {
        ordered.push_back(std::make_unique<Journaling>(i, &journal));
    }
    std::vector<std::thread> orderedAdders;
    for (int a = 0; a < kAdders; ++a) {
        orderedAdders.emplace_back([&, a] {
            for (int i = 0; i < 50; ++i) {
                orderedSource.add(ordered[a * 50 + i].get());
            }
        });
    }
    for (std::thread& adder : orderedAdders) {
        adder.join();
    }
    orderedSource.raise(nullptr, 0);
    ASSERT_EQ(static_cast<size_t>(kAdders * 50), journal.size());
    std::vector<int> lastOfAdder(kAdders, -1);
    for (int tag : journal) {
        EXPECT_LT(lastOfAdder[tag / 50], tag);
        lastOfAdder[tag / 50] = tag;
    }
}

TEST(EventSourceTest, ResetAndWithdrawFromOtherThreadsWhileDeliveringAreSafe) {
    EventSource source;
    Counting steady;
    std::atomic<bool> running{true};
    std::thread raiser([&] {
        while (running.load()) {
            source.raise(nullptr, 1);
        }
    });
    std::thread churner([&] {
        std::vector<std::unique_ptr<Counting>> batch;
        for (int round = 0; round < 40; ++round) {
            for (int i = 0; i < 20; ++i) {
                batch.push_back(std::make_unique<Counting>());
                source.add(batch.back().get());
            }
            // Withdrawn listeners may be destroyed at once.
            for (auto& listener : batch) {
                source.withdraw(listener.get());
            }
            batch.clear();
            if (round % 10 == 0) {
                source.reset();
                source.add(&steady);
            }
        }
    });
    churner.join();
    running = false;
    raiser.join();
    const int before = steady.calls.load();
    source.raise(nullptr, 1);
    EXPECT_EQ(before + 1, steady.calls.load());
}

TEST(EventSourceTest, WithdrawReturnsOnlyAfterADeliveryOnAnotherThreadLeftTheListener) {
    EventSource source;
    std::atomic<bool> inside{false};
    std::atomic<bool> mayLeave{false};
    std::atomic<bool> left{false};
    std::atomic<bool> withdrawn{false};
    std::vector<int> journal;
    Journaling blocking(1, &journal);
    blocking.action = [&] {
        inside = true;
        while (!mayLeave.load()) {
            std::this_thread::yield();
        }
        left = true;
    };
    source.add(&blocking);
    std::thread raiser([&] { source.raise(nullptr, 0); });
    while (!inside.load()) {
        std::this_thread::yield();
    }
    std::thread withdrawer([&] {
        source.withdraw(&blocking);
        // The listener may be destroyed from here on: it must have left.
        EXPECT_TRUE(left.load());
        withdrawn = true;
    });
    // Give a wrong withdraw every chance to return early.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(withdrawn.load());
    mayLeave = true;
    withdrawer.join();
    raiser.join();
    EXPECT_TRUE(withdrawn.load());
}
