#include "magnifier/Dialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>

#include "magnifier/logic/TriggerKeys.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
namespace vk = magnifier::vk;
using magnifier::Dialog;

namespace {

// Keys a test presses by hand; the polling worker reads them.
struct Keys {
    std::atomic<bool> rightCtrl{false};
    std::atomic<bool> escape{false};

    static bool probe(int32_t key, void* context) {
        auto* keys = static_cast<Keys*>(context);
        return (key == vk::kRightControl && keys->rightCtrl) ||
               (key == vk::kEscape && keys->escape);
    }
};

bool waitUntil(const std::function<bool()>& condition) {
    for (int tries = 0; tries < 500; ++tries) {
        if (condition()) {
            return true;
        }
        Sleep(10);
    }
    return condition();
}

} // namespace

// Giving a dialog back closes its lens window, whose close event asks the
// polling loop to stop; the dialog taken again from the pool must still poll.
TEST(DialogWinTest, ADialogTakenAgainFromItsPoolPollsTheKeys) {
    Dialog* first = Dialog::createDialog(nullptr, nullptr);
    ASSERT_NE(nullptr, first);
    first->start(true);
    ASSERT_TRUE(waitUntil([&] { return first->isPolling(); }));
    first->release();

    Keys keys;
    Dialog* again = Dialog::createDialog(nullptr, nullptr);
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(first, again); // the pool's idle dialog, or this proves nothing
    again->getRules().setKeyProbe(&Keys::probe, &keys);
    again->start(true);
    keys.rightCtrl = true;
    EXPECT_TRUE(waitUntil([&] { return again->getRules().isShown(); }))
        << "the trigger did not show the lens";
    keys.rightCtrl = false;
    keys.escape = true;
    EXPECT_TRUE(waitUntil([&] { return !again->getRules().isShown(); }))
        << "Escape did not hide the lens";
    keys.escape = false;
    EXPECT_TRUE(again->isPolling());
    again->release();
}
