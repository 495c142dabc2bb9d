#include "s/thread/ObjLocker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

using s::thread::ObjLocker;

namespace {

struct Tracked : s::base::IObject {
    explicit Tracked(int* counter) : deletions(counter) {}
    ~Tracked() override { ++*deletions; }
    const char16_t* getClassName() const override { return u"tests_Tracked"; }
    s::base::IObject* newObject() const override { return new Tracked(deletions); }
    int* deletions;
};

int functionDisposals = 0;
void disposeByFunction(void* owned) {
    ++functionDisposals;
    delete static_cast<Tracked*>(owned);
}

struct CountingDisposer : s::base::IDestructor {
    void dispose(void** slot) override {
        ++calls;
        delete static_cast<Tracked*>(*slot);
        *slot = nullptr;
    }
    int calls = 0;
};

} // namespace

TEST(ObjLockerTest, DisposesOfTheOwnedObjectByFunctionThenDisposerThenDelete) {
    int deletions = 0;
    CountingDisposer disposer;
    functionDisposals = 0;
    {
        // The function wins over the disposer.
        ObjLocker locker(new Tracked(&deletions), &disposeByFunction, &disposer);
    }
    EXPECT_EQ(functionDisposals, 1);
    EXPECT_EQ(disposer.calls, 0);
    { ObjLocker locker(new Tracked(&deletions), nullptr, &disposer); }
    EXPECT_EQ(disposer.calls, 1);
    { ObjLocker locker(new Tracked(&deletions)); }
    EXPECT_EQ(deletions, 3);
    {
        // Nothing owned: nothing disposed of.
        ObjLocker locker(nullptr, &disposeByFunction, &disposer);
        ObjLocker plain;
    }
    EXPECT_EQ(functionDisposals, 1);
    EXPECT_EQ(disposer.calls, 1);
    EXPECT_EQ(deletions, 3);
}

TEST(ObjLockerTest, IsReEntrantAndNamesItself) {
    ObjLocker locker;
    locker.enter();
    EXPECT_TRUE(locker.tryEnter()) << "the owning thread may enter again";
    locker.leave();
    bool otherThreadEntered = true;
    std::thread([&] { otherThreadEntered = locker.tryEnter(); }).join();
    EXPECT_FALSE(otherThreadEntered);
    locker.leave();
    std::thread([&] {
        otherThreadEntered = locker.tryEnter();
        if (otherThreadEntered) {
            locker.leave();
        }
    }).join();
    EXPECT_TRUE(otherThreadEntered);

    EXPECT_EQ(std::u16string(locker.getClassName()), u"s_thread_ObjLocker");
    auto* fresh = static_cast<ObjLocker*>(locker.newObject());
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->owned(), nullptr);
    delete fresh;
}

TEST(ObjLockerTest, GuardsASharedScratchObjectAcrossThreads) {
    int deletions = 0;
    ObjLocker locker(new Tracked(&deletions));
    long counter = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 10000; ++i) {
                ObjLocker::Scope scope(locker);
                ObjLocker::Scope nested(locker);
                ++counter;
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(counter, 40000);
}
