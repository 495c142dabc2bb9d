#include "magnifier/Dialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>

#include "magnifier/logic/TriggerKeys.h"
#include "s/app/WindowRules.h"
#include "s/app/win/AppWindow.h"
#include "s/gui/win/Window.h"
#include "s/gui/win/WindowMessages.h"
#include "s/thread/PoolRef.h"
#include "tests/s/app/win/TestProduct.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
namespace vk = magnifier::vk;
using magnifier::Dialog;
using s::app::WindowRules;
using s::app::win::AppWindow;
using s::thread::PoolRef;

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

// The start-up's application base and "MainWindow" settings object, over
// the tests' own product key.
class DialogWinTest : public TestProduct {
protected:
    void SetUp() override {
        TestProduct::SetUp();
        start();
        mainWindow = PoolRef<AppWindow>(AppWindow::newInstance());
        mainWindow->init(appBase.get(), u"MainWindow", appBase->getSoftwareType(), 800, 600, false,
                         true, WindowRules::kDoNothing, appBase->getSkinner(), nullptr, 1);
    }
    void TearDown() override {
        mainWindow.assign(nullptr);
        TestProduct::TearDown();
    }
    PoolRef<AppWindow> mainWindow;
};

} // namespace

// Giving a dialog back closes its lens window, whose close event asks the
// polling loop to stop; the dialog taken again from the pool must still poll.
TEST_F(DialogWinTest, ADialogTakenAgainFromItsPoolPollsTheKeys) {
    Dialog* first = Dialog::createDialog(mainWindow.get());
    ASSERT_NE(nullptr, first);
    first->start(true);
    ASSERT_TRUE(waitUntil([&] { return first->isPolling(); }));
    first->release();

    Keys keys;
    Dialog* again = Dialog::createDialog(mainWindow.get());
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

// Without a settings object nothing is read or stored: the dialog runs on
// the defaults and its lens still shows and hides.
TEST_F(DialogWinTest, ADialogWithoutSettingsRunsOnTheDefaults) {
    PoolRef<Dialog> bare(Dialog::createDialog(nullptr));
    ASSERT_NE(nullptr, bare.get());
    bare->start(true);
    EXPECT_EQ(1, bare->getRules().getKeyType());
    EXPECT_EQ(200, bare->getRules().getMagnificationLevel());
    const HWND lens = bare->getLensWindow()->getHandle();
    SendMessageW(lens, s::gui::win::WindowMessages::kTray, 0, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(lens));
    SendMessageW(lens, WM_RBUTTONUP, 0, 0);
    EXPECT_FALSE(IsWindowVisible(lens));
}
