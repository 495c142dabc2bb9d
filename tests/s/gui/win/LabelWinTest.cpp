#include "s/gui/win/Label.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "ControlHost.h"
#include "s/gui/model/Box.h"
#include "s/gui/win/Box.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/Window.h"
#include "s/thread/PoolRef.h"

using controlhost::Host;
using controlhost::pumpFor;
using controlhost::pumpUntil;
using s::gui::win::Label;
using s::thread::PoolRef;

namespace {

class Counter : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject*, int32_t code) override { codes.push_back(code); }
    std::vector<int32_t> codes;
};

std::u16string text(const Label& label) {
    return label.getText();
}

BOOL CALLBACK countVisibleWindow(HWND window, LPARAM count) {
    if (IsWindowVisible(window)) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

int visibleTopLevelWindows() {
    int count = 0;
    EnumWindows(&countVisibleWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

LPARAM clientPoint(int32_t x, int32_t y) {
    return MAKELPARAM(x, y);
}

} // namespace

TEST(LabelWinTest, SizesFollowTheMeasuredTextFontAndSwitches) {
    auto label = PoolRef<Label>::take();
    label->setText(u"Zoom");
    const int32_t shortWidth = label->getMinimumWidth();
    const int32_t lineHeight = label->getMinimumHeight();
    EXPECT_GT(shortWidth, 0);
    EXPECT_GT(lineHeight, 0);
    EXPECT_EQ(shortWidth, label->getMaximumWidth()) << "one line is exactly its size";
    EXPECT_EQ(lineHeight, label->getMaximumHeight());

    label->setText(u"Zoom ratio and trigger keys");
    EXPECT_GT(label->getMinimumWidth(), shortWidth * 3);
    const int32_t longWidth = label->getMinimumWidth();

    label->setFontSize(103);
    EXPECT_GT(label->getMinimumHeight(), lineHeight) << "17-point bold";
    EXPECT_GT(label->getMinimumWidth(), longWidth);
    label->setFontSize(0);
    EXPECT_EQ(longWidth, label->getMinimumWidth());

    label->setEllipsis(true);
    EXPECT_EQ(1, label->getMinimumWidth());
    EXPECT_EQ(longWidth, label->getMaximumWidth());
    label->setWordWrap(true);
    EXPECT_LT(label->getMinimumWidth(), longWidth / 3) << "down to the widest word";
    EXPECT_EQ(0, label->getMaximumHeight());
}

TEST(LabelWinTest, ANewTextLaysOutTheContainerAgainAndTheNativeWindowFollows) {
    Host host;
    auto box = PoolRef<s::gui::model::Box>::take();
    box->setBounds(0, 0, 380, 200);
    Label* label = Label::newInstance();
    label->setText(u"Zoom");
    ASSERT_TRUE(box->add(label));
    box->doLayout();
    ASSERT_TRUE(label->attach(host.get()));
    const int32_t before = label->getWidth();
    EXPECT_EQ(label->getMinimumWidth(), before);

    label->setText(u"Zoom ratio and trigger keys");
    EXPECT_GT(label->getWidth(), before) << "the box laid out the label's new size";
    RECT native;
    GetClientRect(label->getHandle(), &native);
    EXPECT_EQ(label->getWidth(), native.right);
}

TEST(LabelWinTest, TextIdsComeFromTheLocalizerOrAreEmpty) {
    auto label = PoolRef<Label>::take();
    label->setText(u"before");
    label->setTextId(500001);
    EXPECT_EQ(u"", text(*label)) << "no localizer: the empty text";
    EXPECT_EQ(0, label->getMinimumWidth());
}

TEST(LabelWinTest, OnlyLinksTakeTheMouseAndAnEmptyTargetOnlyRaisesTheClick) {
    Host host;
    auto label = PoolRef<Label>::take();
    label->setText(u"Home page");
    label->setBounds(10, 10, 120, 20);
    Counter clicks;
    label->addListener(&clicks);
    ASSERT_TRUE(label->attach(host.get()));
    const HWND handle = label->getHandle();
    EXPECT_EQ(HTTRANSPARENT, SendMessageW(handle, WM_NCHITTEST, 0, MAKELPARAM(60, 60)))
        << "clicks fall through a plain label";

    label->setLink(true);
    EXPECT_EQ(HTCLIENT,
              SendMessageW(handle, WM_NCHITTEST, 0, MAKELPARAM(Host::kX + 15, Host::kY + 15)));
    SendMessageW(handle, WM_MOUSEMOVE, 0, clientPoint(5, 5));
    EXPECT_EQ(1, label->getMouseState()) << "hovered";
    EXPECT_EQ(handle, GetCapture()) << "held to notice the mouse leaving";
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, clientPoint(5, 5));
    EXPECT_EQ(2, label->getMouseState());
    SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, clientPoint(500, 5));
    EXPECT_EQ(0, label->getMouseState()) << "held outside";
    SendMessageW(handle, WM_LBUTTONUP, 0, clientPoint(500, 5));
    EXPECT_TRUE(clicks.codes.empty()) << "released outside: no click";

    const int windowsBefore = visibleTopLevelWindows();
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, clientPoint(5, 5));
    SendMessageW(handle, WM_LBUTTONUP, 0, clientPoint(5, 5));
    ASSERT_EQ(1u, clicks.codes.size());
    EXPECT_EQ(1, clicks.codes[0]);
    pumpFor(300);
    EXPECT_EQ(windowsBefore, visibleTopLevelWindows()) << "nothing was opened";
    SendMessageW(handle, WM_MOUSEMOVE, 0, clientPoint(500, 5));
    EXPECT_EQ(0, label->getMouseState());
    EXPECT_NE(handle, GetCapture()) << "let go once the mouse left";
}

TEST(LabelWinTest, FlashShowsATextForAWhileThenTheTextItReplaced) {
    Host host;
    auto label = PoolRef<Label>::take();
    label->setText(u"Ready");
    label->setBounds(0, 0, 100, 20);
    ASSERT_TRUE(label->attach(host.get()));

    label->flashText(u"Copied", 150);
    EXPECT_EQ(u"Copied", text(*label));
    label->flashText(u"Copied again", 150);
    EXPECT_TRUE(pumpUntil([&] { return text(*label) == u"Ready"; }))
        << "the first flash's saved text comes back";

    label->flashText(u"Saved", 150);
    label->setText(u"Ready for more");
    EXPECT_EQ(u"Saved", text(*label)) << "the flash stays until its time is up";
    EXPECT_TRUE(pumpUntil([&] { return text(*label) == u"Ready for more"; }))
        << "a change during the flash is not lost";

    auto loose = PoolRef<Label>::take();
    loose->setText(u"kept");
    loose->flashText(u"never shown", 10);
    EXPECT_EQ(u"kept", text(*loose)) << "without a window nothing would end the flash";
}

TEST(LabelWinTest, SetTextFromAnotherThreadRunsOnTheLabelsThread) {
    auto label = PoolRef<Label>::take();
    label->setBounds(0, 0, 200, 20);
    std::atomic<DWORD> ownerThread{0};
    std::thread owner([&] {
        Host host;
        label->attach(host.get());
        ownerThread = GetCurrentThreadId();
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchMessageW(&message);
        }
        label->detach();
    });
    while (ownerThread == 0) {
        Sleep(5);
    }
    ASSERT_NE(nullptr, label->getHandle());
    label->setText(u"from the test's thread");
    EXPECT_EQ(u"from the test's thread", text(*label));
    EXPECT_GT(label->getMinimumWidth(), 0);
    PostThreadMessageW(ownerThread, WM_QUIT, 0, 0);
    owner.join();
}

TEST(LabelWinTest, FontsAreCompletedFromTheTextStyles) {
    auto label = PoolRef<Label>::take();
    EXPECT_EQ(RGB(161, 161, 146), label->getDisabledFont()->getTextColor());
    EXPECT_EQ(RGB(0, 170, 0), label->getLinkFont()->getTextColor());
    EXPECT_TRUE(label->getLinkFont()->getDescription().isUnderline());
    EXPECT_EQ(RGB(170, 170, 0), label->getHoverFont()->getTextColor());
    EXPECT_EQ(RGB(170, 170, 0), label->getPressedFont()->getTextColor());
    label->setTextColor(1, 2, 3);
    EXPECT_EQ(RGB(1, 2, 3), label->getFont()->getTextColor());
    label->setFontSize(-103);
    EXPECT_EQ(700, label->getLinkFont()->getDescription().getWeight()) << "every font takes it";
    EXPECT_EQ(RGB(1, 2, 3), label->getFont()->getTextColor()) << "its own colour stays";
}

namespace {

// Pixels of exactly `color` in a picture of the label's window, drawn by
// the label on its own thread as for a paint (independent of what covers
// the window on the screen).
int pixelsOf(HWND window, COLORREF color) {
    RECT client;
    GetClientRect(window, &client);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(memory, picture);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    int found = 0;
    for (int32_t y = 0; y < client.bottom; ++y) {
        for (int32_t x = 0; x < client.right; ++x) {
            found += GetPixel(memory, x, y) == color;
        }
    }
    SelectObject(memory, previous);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

TEST(LabelWinTest, PaintsWithTheFontOfItsStateOverThePixelsBehindIt) {
    Host host;
    auto label = PoolRef<Label>::take();
    label->setText(u"WWWW");
    label->setTextColor(0, 0, 255);
    label->setBounds(0, 0, label->getMinimumWidth(), label->getMinimumHeight());
    ASSERT_TRUE(label->attach(host.get()));
    const HWND handle = label->getHandle();
    EXPECT_GT(pixelsOf(handle, RGB(0, 0, 255)), 10);
    EXPECT_GT(pixelsOf(handle, GetSysColor(COLOR_BTNFACE)), 10) << "the parent's face behind";

    label->setEnabled(false);
    EXPECT_EQ(0, pixelsOf(handle, RGB(0, 0, 255)));
    EXPECT_GT(pixelsOf(handle, RGB(161, 161, 146)), 10) << "the disabled font";
    label->setEnabled(true);
    label->setLink(true);
    EXPECT_GT(pixelsOf(handle, RGB(0, 170, 0)), 10) << "the link font";
    label->setBackground(255, 0, 0);
    EXPECT_GT(pixelsOf(handle, RGB(255, 0, 0)), 10) << "an opaque background";
}

TEST(LabelWinTest, InAWindowItShowsTheBoxBehindItAndTakesTextsFromOtherThreads) {
    auto window = PoolRef<s::gui::win::Window>::take();
    window->setBounds(50, 50, 300, 200);
    auto* box = s::gui::win::Box::newInstance();
    box->setBackground(255, 0, 0, false);
    Label* label = Label::newInstance();
    label->setText(u"W");
    box->add(label);
    window->add(box);
    window->setVisible(true);
    ASSERT_NE(nullptr, label->getHandle());
    EXPECT_NE(GetCurrentThreadId(), GetWindowThreadProcessId(label->getHandle(), nullptr));
    const int32_t before = label->getWidth();

    label->setText(u"WWWW WWWW");
    EXPECT_EQ(u"WWWW WWWW", text(*label));
    EXPECT_GT(label->getWidth(), before) << "laid out again on the window's thread";
    EXPECT_GT(pixelsOf(label->getHandle(), RGB(255, 0, 0)), 10) << "the box's colour behind it";
    window->close();
}
