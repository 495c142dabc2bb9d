#include "s/thread/ClassPool.h"

#include "s/thread/IPoolable.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

std::atomic<int> widgetsDestroyed{0};

// A pooled class declared the way library classes are.
class Widget : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Widget, u"tests_Widget")
public:
    void reset() override {
        value = 0;
        ++resets;
    }
    int value;
    int resets = 0;

private:
    Widget() { reset(); }
    ~Widget() override { ++widgetsDestroyed; }
};

// A class that keeps no idle objects, like the native-handle classes.
class Handle : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS_LIMIT(Handle, u"tests_Handle", 0)
public:
    void reset() override {}

private:
    Handle() { reset(); }
    ~Handle() override { ++widgetsDestroyed; }
};

// Used only by the concurrent-first-use test, so its pool is made there.
class FirstUse : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(FirstUse, u"tests_FirstUse")
public:
    void reset() override {}
};

// A tree node whose reset gives its child (same class) back: the release
// re-enters the pool from inside the pool's own reset call.
class TreeNode : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS_LIMIT(TreeNode, u"tests_TreeNode", 2)
public:
    void reset() override {
        if (child != nullptr) {
            TreeNode* old = child;
            child = nullptr;
            old->release();
        }
    }
    TreeNode* child = nullptr;
};

// Two IPoolable sub-objects, as stream classes have: both paths lead to one pool.
class InStream : public s::thread::IPoolable {};
class OutStream : public s::thread::IPoolable {};
class Stream : public s::base::IObject, public InStream, public OutStream {
    S_POOLED_CLASS(Stream, u"tests_Stream")
public:
    void reset() override { ++resets; }
    int resets = 0;
};

// Built before main, so destroyed after the process pools were shut down: its
// destructor then releases into a shut-down pool, which must destroy the
// object cleanly (AddressSanitizer reports any use of freed memory at exit).
struct HeldUntilExit {
    Widget* widget = nullptr;
    ~HeldUntilExit() {
        if (widget != nullptr) {
            widget->release();
        }
    }
} heldUntilExit;

} // namespace

using s::thread::PoolRef;

TEST(ClassPoolTest, ObjectReleasedByAStaticDestructorAfterExitIsDestroyed) {
    heldUntilExit.widget = Widget::newInstance();
    ASSERT_NE(heldUntilExit.widget, nullptr);
}

TEST(ClassPoolTest, ReleaseThenNewInstanceReturnsTheSameResetObject) {
    Widget* widget = Widget::newInstance();
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->value, 0);
    widget->value = 42;
    const int resetsBefore = widget->resets;
    widget->release();
    Widget* again = Widget::newInstance();
    EXPECT_EQ(again, widget);
    EXPECT_EQ(again->value, 0);
    EXPECT_EQ(again->resets, resetsBefore + 1);
    EXPECT_EQ(std::u16string(again->getClassName()), u"tests_Widget");
    EXPECT_EQ(Widget::pool().limit(), 1000u);

    auto* made = static_cast<Widget*>(again->newObject());
    EXPECT_NE(made, again);
    made->release();
    again->release();
}

TEST(ClassPoolTest, LimitZeroClassDestroysEveryReleasedObject) {
    EXPECT_EQ(Handle::pool().limit(), 0u);
    const int before = widgetsDestroyed;
    Handle::newInstance()->release();
    Handle::newInstance()->release();
    EXPECT_EQ(widgetsDestroyed, before + 2);
    EXPECT_EQ(Handle::pool().idleCount(), 0u);
}

TEST(ClassPoolTest, ObjectWithTwoPoolableBasesReturnsToOnePool) {
    Stream* stream = Stream::newInstance();
    static_cast<InStream*>(stream)->release();
    EXPECT_EQ(Stream::newInstance(), stream);
    static_cast<OutStream*>(stream)->release();
    EXPECT_EQ(Stream::newInstance(), stream);
    EXPECT_EQ(stream->resets, 2) << "one reset per release, whichever base released";
    stream->release();
}

TEST(ClassPoolTest, PoolRefReleasesOnScopeExitMovesAndDetaches) {
    Widget* raw;
    {
        auto ref = PoolRef<Widget>::take();
        ASSERT_TRUE(ref);
        raw = ref.get();
        ref->value = 5;
        EXPECT_EQ((*ref).value, 5);
        PoolRef<Widget> moved(std::move(ref));
        EXPECT_FALSE(ref);
        EXPECT_EQ(moved.get(), raw);
    }
    EXPECT_EQ(raw->value, 0) << "released (and reset) when the handle went out of scope";
    Widget* detached;
    {
        auto ref = PoolRef<Widget>::take();
        EXPECT_EQ(ref.get(), raw);
        detached = ref.detach();
        detached->value = 9;
    }
    EXPECT_EQ(detached->value, 9) << "a detached object is not released";
    PoolRef<Widget> owner(detached);
    owner.assign(Widget::newInstance());
    EXPECT_EQ(detached->value, 0) << "assign releases the previous object";
}

TEST(ClassPoolTest, ConcurrentFirstUseMakesOnePool) {
    constexpr int kThreads = 8;
    std::atomic<int> ready{0};
    std::vector<s::thread::EasyPooler*> seen(kThreads, nullptr);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            ++ready;
            while (ready < kThreads) {
                std::this_thread::yield();
            }
            seen[t] = &FirstUse::pool();
            FirstUse* object = FirstUse::newInstance();
            object->release();
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    for (int t = 1; t < kThreads; ++t) {
        EXPECT_EQ(seen[t], seen[0]);
    }
    EXPECT_GE(FirstUse::pool().idleCount(), 1u);
}

TEST(ClassPoolTest, ClassPoolsSurviveConcurrentUse) {
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            for (int round = 0; round < 3000; ++round) {
                auto first = PoolRef<Widget>::take();
                auto second = PoolRef<Widget>::take();
                EXPECT_EQ(first->value, 0);
                EXPECT_EQ(second->value, 0);
                first->value = t + 1;
                second->value = t + 1;
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_LE(Widget::pool().idleCount(), 1000u);
}

TEST(ClassPoolTest, ResetMayGiveBackObjectsOfItsOwnClassWithinTheLimit) {
    TreeNode* root = TreeNode::newInstance();
    root->child = TreeNode::newInstance();
    root->child->child = TreeNode::newInstance();
    TreeNode* middle = root->child;
    TreeNode* leaf = middle->child;
    root->release();
    // Three nodes came back through nested releases; the limit of 2 still holds.
    EXPECT_EQ(TreeNode::pool().idleCount(), 2u);
    EXPECT_EQ(TreeNode::newInstance(), middle) << "the leaf went in first, then the middle";
    EXPECT_EQ(TreeNode::newInstance(), leaf);
    EXPECT_EQ(middle->child, nullptr);
    middle->release();
    leaf->release();
}
