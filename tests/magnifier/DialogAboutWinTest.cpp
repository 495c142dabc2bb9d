#include "magnifier/Dialog.h"

#include <windows.h>

#include <atomic>

#include "magnifier/logic/TriggerKeys.h"
#include "s/app/WindowRules.h"
#include "s/app/win/AppWindow.h"
#include "s/gui/dialogs/About3.h"
#include "s/gui/win/Window.h"
#include "tests/s/app/win/TestProduct.h"
#include "tests/s/gui/win/ControlHost.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
using magnifier::Dialog;
using s::app::WindowRules;
using s::app::win::AppWindow;
using s::thread::PoolRef;

namespace {

// The right Ctrl key as the polling task sees it.
std::atomic<bool> triggerHeld{false};

bool probeKey(int32_t virtualKey, void*) {
    return triggerHeld && virtualKey == magnifier::vk::kRightControl;
}

// A started dialog over the test product's application base: its About
// command and the lens shown while the version window holds the lens window.
class DialogAboutWinTest : public TestProduct {
protected:
    void SetUp() override {
        TestProduct::SetUp();
        start();
        mainWindow.assign(AppWindow::newInstance());
        mainWindow->init(appBase.get(), u"MainWindow", appBase->getSoftwareType(), 800, 600, false,
                         true, WindowRules::kDoNothing, appBase->getSkinner(), nullptr, 1);
        dialog.assign(Dialog::createDialog(mainWindow.get()));
        dialog->setApplication(appBase.get());
        dialog->getRules().setKeyProbe(&probeKey, nullptr);
        dialog->start(true);
    }
    void TearDown() override {
        dialog.assign(nullptr);
        mainWindow.assign(nullptr);
        TestProduct::TearDown();
    }
    // The command as the native menu delivers it to the lens window.
    void choose(int32_t commandId) {
        SendMessageW(lens(), WM_COMMAND, static_cast<WPARAM>(commandId), 0);
    }
    // A press and release of the trigger (auto-lock is on: the first
    // shows the lens, the next hides it); waits until the lens followed.
    bool tapTrigger(bool shown) {
        triggerHeld = true;
        const bool followed = controlhost::pumpUntil(
            [this, shown] { return dialog->getLensWindow()->isVisible() == shown; });
        triggerHeld = false;
        controlhost::pumpFor(100); // the polling task sees the release
        return followed;
    }
    HWND lens() const { return dialog->getLensWindow()->getHandle(); }
    bool lensEnabled() const { return IsWindowEnabled(lens()) != FALSE; }

    PoolRef<AppWindow> mainWindow;
    PoolRef<Dialog> dialog;
};

} // namespace

TEST_F(DialogAboutWinTest, TheAboutCommandOpensOneVersionWindowOverTheLensWindow) {
    EXPECT_EQ(nullptr, dialog->getAboutWindow());
    choose(10000);
    s::gui::dialogs::About3* about = dialog->getAboutWindow();
    ASSERT_NE(nullptr, about);
    ASSERT_NE(nullptr, about->getWindow());
    EXPECT_TRUE(about->getWindow()->isVisible());
    EXPECT_FALSE(lensEnabled());
    about->getWindow()->close();
    EXPECT_TRUE(controlhost::pumpUntil([this] { return lensEnabled(); }));
    // Made once: the next command shows a new window from the same object.
    choose(10000);
    EXPECT_EQ(about, dialog->getAboutWindow());
    EXPECT_FALSE(lensEnabled());
}

TEST_F(DialogAboutWinTest, TheLensTakesItsInputWhileShownAndGivesTheModalStateBack) {
    choose(10000);
    ASSERT_FALSE(lensEnabled());
    ASSERT_TRUE(tapTrigger(true));
    EXPECT_TRUE(lensEnabled());
    ASSERT_TRUE(tapTrigger(false));
    EXPECT_FALSE(lensEnabled());

    // The version window closes while the lens is up: the lens stays usable.
    ASSERT_TRUE(tapTrigger(true));
    dialog->getAboutWindow()->getWindow()->close();
    EXPECT_TRUE(
        controlhost::pumpUntil([this] { return !dialog->getAboutWindow()->isOwnerHeld(); }));
    ASSERT_TRUE(tapTrigger(false));
    EXPECT_TRUE(lensEnabled());

    // Without a version window the lens's state is left alone.
    ASSERT_TRUE(tapTrigger(true));
    ASSERT_TRUE(tapTrigger(false));
    EXPECT_TRUE(lensEnabled());
}
