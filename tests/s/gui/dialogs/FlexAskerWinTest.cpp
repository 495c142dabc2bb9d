#include "s/gui/dialogs/FlexAsker.h"

#include <atomic>
#include <string>
#include <thread>

#include "s/app/WindowRules.h"
#include "s/app/win/AppWindow.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/CheckBox.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/Window.h"
#include "s/lang/Localizer.h"
#include "s/map/IMappedData.h"
#include "tests/s/app/win/TestProduct.h"
#include "tests/s/gui/win/ControlHost.h"
#include "tests/s/gui/win/RecordingDrawers.h"

using controlhost::Host;
using controlhost::pumpUntil;
using s::app::WindowRules;
using s::app::win::AppWindow;
using s::gui::dialogs::FlexAsker;
using s::thread::PoolRef;

namespace {

constexpr const char16_t* kSection = u"FlexAskerWindow";

// A child's rectangle in the client coordinates of its top-level window.
RECT clientRect(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetAncestor(child, GA_ROOT), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::u16string windowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return reinterpret_cast<const char16_t*>(text);
}

int32_t scaled(int32_t designPixels) {
    return s::gui::scale::win::systemScale().pixels(designPixels);
}

// The dialog as the update check sets it up, over the test product's
// settings, asked from a thread of its own (the caller it blocks); the test's
// thread owns the parent window and keeps serving it while it waits.
class FlexAskerWinTest : public TestProduct {
protected:
    void SetUp() override {
        TestProduct::SetUp();
        start();
        settings.assign(AppWindow::newInstance());
        settings->init(appBase.get(), kSection, appBase->getSoftwareType(), 400, 200, true, false,
                       WindowRules::kClose, nullptr, nullptr);
        asker.assign(FlexAsker::newInstance());
        asker->setSettings(settings.get());
        asker->setShowCheckBox(false);
    }
    void TearDown() override {
        if (caller.joinable()) {
            // A test that failed half-way leaves the question open.
            if (s::gui::win::Window* window = asker->getWindow()) {
                window->close();
            }
            pumpUntil([this] { return returned.load(); });
            caller.join();
        }
        asker.assign(nullptr);
        settings.assign(nullptr);
        TestProduct::TearDown();
    }

    // Starts the question; true once it shows (and its parent, if any, is
    // disabled).
    bool ask(HWND parent, const char16_t* title = nullptr, const char16_t* question = nullptr) {
        returned = false;
        caller = std::thread([this, parent, title, question] {
            asker->ask(parent, title, question);
            returned = true;
        });
        return pumpUntil([this, parent] {
            s::gui::win::Window* window = asker->getWindow();
            return window != nullptr && window->isVisible() &&
                   (parent == nullptr || IsWindowEnabled(parent) == FALSE);
        });
    }
    // Waits until ask() has returned; true when it did.
    bool answered() {
        const bool done = pumpUntil([this] { return returned.load(); });
        if (done) {
            caller.join();
        }
        return done;
    }
    HWND dialog() const { return asker->getWindow()->getHandle(); }
    void press(WPARAM key) const { SendMessageW(dialog(), WM_KEYDOWN, key, 0); }

    Host parentWindow;
    // A scheme for the tests that give the dialog a skin of its own; it
    // outlives the settings, which own the skinner that holds it.
    recording::TestSkin skin{u"Black Black", RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 170, 0)};
    PoolRef<AppWindow> settings;
    PoolRef<FlexAsker> asker;
    std::thread caller;
    std::atomic<bool> returned{false};
};

} // namespace

TEST_F(FlexAskerWinTest, LaysOutTheQuestionButtonsAndCheckBoxRowAroundTheQuestion) {
    // Bounds stored by an earlier question: the height still fits this one.
    settings->setBounds(5, 5, 900, 700);
    const std::u16string question = u"Would you like to check out the improved version now?";
    ASSERT_TRUE(ask(parentWindow.get(), u"There is improved version available.", question.c_str()));
    s::gui::win::Window& window = *asker->getWindow();
    EXPECT_EQ(u"There is improved version available.", windowText(dialog()));
    EXPECT_EQ(question, std::u16string(asker->getQuestionLabel()->getText()));

    const RECT label = clientRect(asker->getQuestionLabel()->getHandle());
    const RECT yes = clientRect(asker->getYesButton()->getHandle());
    const RECT no = clientRect(asker->getNoButton()->getHandle());
    const RECT check = clientRect(asker->getCheckBox()->getHandle());
    const int32_t clientWidth = window.getClientWidth();
    EXPECT_EQ(scaled(2 + 10), label.top) << "margin, then the gap above the question";
    EXPECT_EQ(label.bottom + scaled(12), yes.top) << "the gap below the question";
    EXPECT_EQ(yes.top, no.top) << "one row";
    EXPECT_EQ(scaled(7), no.left - yes.right) << "Yes, a gap, No";
    EXPECT_EQ(clientWidth - scaled(10), no.right) << "the buttons keep to the right margin";
    EXPECT_EQ(scaled(10), check.left) << "the check box keeps to the left margin";
    EXPECT_GE(check.top, yes.bottom) << "the check-box row lies below the buttons";
    EXPECT_EQ(window.getClientHeight() - scaled(2 + 5), check.bottom)
        << "the height fits the content down to the last gap";

    EXPECT_GE(window.getWidth(), asker->getQuestionLabel()->getPreferredWidth() +
                                     scaled(FlexAsker::kWidthBeyondQuestion));
    // Where it stands is left to the end-to-end test: the window manager of
    // this display puts a window it maps for the first time where it likes.

    const LONG_PTR style = GetWindowLongPtrW(dialog(), GWL_STYLE);
    EXPECT_EQ(0, style & WS_MAXIMIZEBOX);
    EXPECT_EQ(0, style & WS_MINIMIZEBOX);
    EXPECT_NE(0, GetWindowLongPtrW(dialog(), GWL_EXSTYLE) & WS_EX_APPWINDOW) << "taskbar button";
    EXPECT_TRUE(asker->getYesButton()->isDefault());
    EXPECT_FALSE(asker->getNoButton()->isDefault());
    EXPECT_NE(std::u16string::npos, windowText(asker->getYesButton()->getHandle()).find(u"Yes"));
    EXPECT_NE(std::u16string::npos, windowText(asker->getNoButton()->getHandle()).find(u"No"));
    EXPECT_FALSE(asker->getCheckBox()->isChecked());
}

TEST_F(FlexAskerWinTest, WithoutTheOptionTheCheckBoxRowStillHoldsABoxWithAnEmptyLabel) {
    ASSERT_TRUE(ask(parentWindow.get()));
    ASSERT_NE(nullptr, asker->getCheckBox());
    EXPECT_TRUE(IsWindowVisible(asker->getCheckBox()->getHandle()));
    EXPECT_EQ(u"", std::u16string(asker->getCheckBox()->getText()));
    EXPECT_EQ(u"Confirmation", windowText(dialog())) << "the default title";
    EXPECT_EQ(std::u16string(appBase->getLocalizer()->getText(FlexAsker::kQuestionTextId)),
              std::u16string(asker->getQuestionLabel()->getText()))
        << "the default question";
    press(VK_ESCAPE);
    EXPECT_FALSE(asker->getWindow()->isClosed()) << "other keys do nothing";
    asker->getWindow()->close();
    ASSERT_TRUE(answered());

    // With the option the same row offers "Don't ask me again", and its
    // state comes back to the caller.
    asker->setShowCheckBox(true);
    ASSERT_TRUE(ask(parentWindow.get()));
    EXPECT_EQ(u"Don't ask me again", std::u16string(asker->getCheckBox()->getText()));
    SendMessageW(asker->getCheckBox()->getHandle(), BM_CLICK, 0, 0);
    press(VK_RETURN);
    ASSERT_TRUE(answered());
    EXPECT_TRUE(asker->getDontAskAgain());
    EXPECT_TRUE(asker->getAnswer());
}

TEST_F(FlexAskerWinTest, EnterAnswersTheDefaultButtonAndTabMovesTheDefault) {
    ASSERT_TRUE(ask(parentWindow.get()));
    press(VK_RETURN);
    ASSERT_TRUE(answered());
    EXPECT_TRUE(asker->getAnswer()) << "Enter right after the dialog opens answers Yes";

    ASSERT_TRUE(ask(parentWindow.get()));
    press(VK_TAB);
    EXPECT_FALSE(asker->getYesButton()->isDefault());
    EXPECT_TRUE(asker->getNoButton()->isDefault());
    press(VK_RETURN);
    ASSERT_TRUE(answered());
    EXPECT_FALSE(asker->getAnswer()) << "Tab, then Enter answers No";

    ASSERT_TRUE(ask(parentWindow.get()));
    press(VK_TAB);
    press(VK_TAB);
    EXPECT_TRUE(asker->getYesButton()->isDefault());
    EXPECT_FALSE(asker->getNoButton()->isDefault());
    press(VK_RETURN);
    ASSERT_TRUE(answered());
    EXPECT_TRUE(asker->getAnswer()) << "a second Tab brings the default back to Yes";
}

TEST_F(FlexAskerWinTest, TheButtonsAnswerAndEveryOtherCloseAnswersNo) {
    ASSERT_TRUE(ask(parentWindow.get()));
    SendMessageW(asker->getNoButton()->getHandle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(answered());
    EXPECT_FALSE(asker->getAnswer());

    ASSERT_TRUE(ask(parentWindow.get()));
    SendMessageW(asker->getYesButton()->getHandle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(answered());
    EXPECT_TRUE(asker->getAnswer());

    // The close box, and the middle click the settings give the dialog.
    ASSERT_TRUE(ask(parentWindow.get()));
    SendMessageW(dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(answered());
    EXPECT_FALSE(asker->getAnswer()) << "a Yes of the last question is not kept";
    ASSERT_TRUE(ask(parentWindow.get()));
    EXPECT_TRUE(std::u16string(asker->getWindow()->getMiddleClickAction()) == u"Close");
}

TEST_F(FlexAskerWinTest, TheParentTakesNoInputWhileAskingAndOnlyItsOwnStateComesBack) {
    ASSERT_TRUE(ask(parentWindow.get()));
    EXPECT_FALSE(IsWindowEnabled(parentWindow.get()));
    press(VK_RETURN);
    ASSERT_TRUE(answered());
    EXPECT_TRUE(IsWindowEnabled(parentWindow.get())) << "enabled again after the answer";

    // A parent another question disabled stays disabled: this dialog does
    // not free it.
    EnableWindow(parentWindow.get(), FALSE);
    ASSERT_TRUE(ask(parentWindow.get()));
    SendMessageW(dialog(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(answered());
    EXPECT_FALSE(IsWindowEnabled(parentWindow.get()));
    EnableWindow(parentWindow.get(), TRUE);
}

TEST_F(FlexAskerWinTest, WithoutALiveParentItAsksWhereverTheScreenHasRoom) {
    ASSERT_TRUE(ask(nullptr));
    press(VK_RETURN);
    ASSERT_TRUE(answered());
    EXPECT_TRUE(asker->getAnswer());

    // A handle whose window is gone: nothing is centred on it or disabled.
    HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    DestroyWindow(gone);
    ASSERT_TRUE(ask(gone));
    EXPECT_TRUE(asker->getWindow()->isOnScreen());
    press(VK_TAB);
    press(VK_RETURN);
    ASSERT_TRUE(answered());
    EXPECT_FALSE(asker->getAnswer());
}

TEST_F(FlexAskerWinTest, WithASkinTheCheckBoxAndTheButtonsAreDrawnAndStillAnswer) {
    auto* skinner = s::gui::drawer::Skinner::newInstance();
    skinner->addScheme(&skin);
    settings->init(appBase.get(), kSection, appBase->getSoftwareType(), 400, 200, true, false,
                   WindowRules::kClose, skinner, u"Black Black");
    asker->setShowCheckBox(true);
    ASSERT_TRUE(ask(parentWindow.get()));
    s::gui::win::CheckBox* box = asker->getCheckBox();
    EXPECT_EQ(&skin.checkBox, box->getDrawer());
    EXPECT_EQ(&skin.button, asker->getYesButton()->getDrawer());
    EXPECT_EQ(&skin.button, asker->getNoButton()->getDrawer());
    EXPECT_TRUE(pumpUntil([this] { return skin.checkBox.last().text == u"Don't ask me again"; }));
    EXPECT_FALSE(skin.checkBox.last().marked);

    SendMessageW(box->getHandle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(pumpUntil([this] { return skin.checkBox.last().marked; })) << "drawn checked";
    press(VK_RETURN);
    ASSERT_TRUE(answered());
    EXPECT_TRUE(asker->getDontAskAgain()) << "the drawn check box still tells its state";
    EXPECT_TRUE(asker->getAnswer());
}
