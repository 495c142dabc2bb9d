#include "s/gui/win/NativeComponent.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "BoxClicker.h"
#include "ChildPlacement.h"
#include "TestLeaf.h"
#include "s/gui/model/Leaf.h"
#include "s/gui/win/InvisibleWindow.h"
#include "s/thread/PoolRef.h"

using s::gui::win::NativeComponent;

using wintest::placement;
using wintest::TestLeaf;

namespace {

// A shown top-level window on the test's thread to attach into.
class Parent : public s::gui::win::InvisibleWindow {
public:
    Parent() {
        createHidden();
        SetWindowPos(getNativeHandle(), nullptr, 0, 0, 300, 200,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    ~Parent() override { destroy(); }
};

} // namespace

TEST(NativeComponentWinTest, AttachPlacesHidesEnablesAndDetachesTheChildWindow) {
    Parent parent;
    auto leaf = s::thread::PoolRef<TestLeaf>::take();
    leaf->setBounds(5, 6, 40, 30);
    leaf->setOffset(7, 3);
    leaf->setEnabled(false);
    EXPECT_EQ(nullptr, leaf->getHandle());

    ASSERT_TRUE(leaf->attach(parent.getNativeHandle()));
    const HWND child = leaf->getHandle();
    ASSERT_NE(nullptr, child);
    EXPECT_EQ(parent.getNativeHandle(), GetParent(child));
    EXPECT_TRUE((GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) != 0);
    RECT rect = placement(child);
    EXPECT_EQ(12, rect.left); // bounds moved by the offset
    EXPECT_EQ(9, rect.top);
    EXPECT_EQ(40, rect.right - rect.left);
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_FALSE(IsWindowEnabled(child));
    EXPECT_TRUE(leaf->attach(parent.getNativeHandle())); // a second attach keeps the window
    EXPECT_EQ(child, leaf->getHandle());

    leaf->setEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(child));
    leaf->setVisible(false);
    EXPECT_FALSE(IsWindowVisible(child));
    leaf->setBounds(1, 2, 10, 11); // hidden: placed, but not shown
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_EQ(8, placement(child).left);
    leaf->setVisible(true);
    EXPECT_TRUE(IsWindowVisible(child));

    // A batch places once, at its end.
    leaf->beginUpdate();
    leaf->setBounds(20, 20, 10, 10);
    EXPECT_EQ(8, placement(child).left);
    leaf->endUpdate();
    EXPECT_EQ(27, placement(child).left);

    leaf->detach();
    EXPECT_EQ(nullptr, leaf->getHandle());
    EXPECT_FALSE(IsWindow(child));
}

TEST(NativeComponentWinTest, AttachInsideRunsOnTheParentsThreadAndDetachFromAnotherThread) {
    // The holder's native part lives on a thread with a message loop; the
    // test's thread asks it to take a child.
    auto holder = s::thread::PoolRef<TestLeaf>::take();
    holder->setBounds(0, 0, 100, 100);
    DWORD ownerThread = 0;
    std::atomic<bool> ready{false};
    std::thread owner([&] {
        Parent parent;
        holder->attach(parent.getNativeHandle());
        ownerThread = GetCurrentThreadId();
        ready = true;
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchMessageW(&message);
        }
        holder->detach();
    });
    while (!ready) {
        Sleep(5);
    }
    auto leaf = s::thread::PoolRef<TestLeaf>::take();
    leaf->setBounds(0, 0, 10, 10);
    EXPECT_TRUE(NativeComponent::attachInside(holder->getHandle(), leaf.get()));
    const HWND child = leaf->getHandle();
    EXPECT_EQ(ownerThread, GetWindowThreadProcessId(child, nullptr));
    EXPECT_EQ(holder->getHandle(), GetParent(child));
    EXPECT_FALSE(NativeComponent::attachInside(nullptr, leaf.get()));

    leaf->detach(); // from the test's thread: sent to the window's own
    EXPECT_EQ(nullptr, leaf->getHandle());
    EXPECT_FALSE(IsWindow(child));

    PostThreadMessageW(ownerThread, WM_QUIT, 0, 0);
    owner.join();
}

TEST(NativeComponentWinTest, ACreationFailureTellsTheUserAndAnswersFalse) {
    auto leaf = s::thread::PoolRef<TestLeaf>::take();
    // A child window needs a live parent: a destroyed one makes creation fail.
    HWND gone = nullptr;
    {
        Parent parent;
        gone = parent.getNativeHandle();
    }
    boxclicker::clear();
    boxclicker::arm(IDOK);
    EXPECT_FALSE(leaf->attach(gone));
    const boxclicker::Seen seen = boxclicker::seenOn(GetCurrentThreadId());
    EXPECT_EQ(1, seen.boxes);
    EXPECT_EQ(u"Error!", seen.caption);
    EXPECT_EQ(u"Window Creation Failed!", seen.text);
    EXPECT_EQ(nullptr, leaf->getHandle());
}
