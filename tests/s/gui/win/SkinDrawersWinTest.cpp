// Components of a window that has a skin paint with the skin's drawers:
// push buttons and check boxes are owner-drawn through the skin's button and
// check box drawers, labels take the skin's text colours, transparent
// components show the window drawer's background; a new skin brings new
// drawers, and without a skin the system's controls come back.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "s/gui/drawer/Skinner.h"
#include "s/gui/drawer/button/win/Thin.h"
#include "s/gui/drawer/checkbox/win/Thin.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/drawer/window/win/Thin.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/CheckBox.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/Window.h"
#include "s/thread/PoolRef.h"
#include "tests/s/gui/win/RecordingDrawers.h"

using recording::ButtonCall;
using recording::kFrame;
using recording::RecordingButtonDrawer;
using recording::RecordingCheckBoxDrawer;
using recording::TestSkin;
using s::gui::win::Button;
using s::gui::win::CheckBox;
using s::gui::win::Font;
using s::gui::win::Label;
using s::gui::win::Window;
using s::thread::PoolRef;

namespace {

constexpr COLORREF kUntouched = RGB(255, 0, 255);

// Polls until `done()` or about `timeoutMs`; the windows run on their own
// threads, so nothing needs pumping here. The time only bounds a failing
// wait.
template <class Condition> bool waitUntil(Condition done, int timeoutMs = 4000) {
    for (int waited = 0; !done() && waited < timeoutMs; waited += 10) {
        Sleep(10);
    }
    return done();
}

class Clicks : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject*, int32_t code) override { codes.push_back(code); }
    int count(int32_t code) const {
        int n = 0;
        for (int32_t c : codes) {
            n += c == code;
        }
        return n;
    }
    // Written on the window's thread, read after waits.
    std::vector<int32_t> codes;
};

DWORD buttonType(HWND control) {
    return static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE)) & BS_TYPEMASK;
}

RECT screenRect(HWND window) {
    RECT bounds = {0, 0, 0, 0};
    GetWindowRect(window, &bounds);
    return bounds;
}

// The middle of a window, read again at every call: the window manager may
// move the window after it is shown.
POINT centreOf(HWND window) {
    const RECT bounds = screenRect(window);
    return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

void sendButton(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

// A memory context the tests let controls print themselves into.
class Canvas {
public:
    Canvas(int width, int height) {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous = SelectObject(dc, bitmap);
        const RECT all = {0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(kUntouched);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    void print(HWND control) {
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }

private:
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

// Two schemes in a skinner; the window takes the first.
struct Skinned {
    TestSkin first{u"First", RGB(20, 20, 20), RGB(250, 250, 250), RGB(0, 170, 0)};
    TestSkin second{u"Second", RGB(230, 230, 230), RGB(5, 5, 5), RGB(0, 0, 170)};
    PoolRef<s::gui::drawer::Skinner> skinner = PoolRef<s::gui::drawer::Skinner>::take();
    PoolRef<Window> window = PoolRef<Window>::take();
    // The window's style with the native frame it was made with.
    LONG_PTR nativeStyle = GetWindowLongPtrW(window->getHandle(), GWL_STYLE);

    Skinned() {
        skinner->addScheme(&first);
        skinner->addScheme(&second);
        skinner->select(u"First");
        window->setBounds(200, 150, 320, 200);
        window->setSkinner(skinner.get());
    }
    ~Skinned() {
        window->reset();
        skinner->reset(); // the skins are the test's own and still exist
    }
    void show() {
        window->setVisible(true, true);
        waitUntil([this] { return IsWindowVisible(window->getHandle()) != FALSE; });
    }
};

} // namespace

TEST(SkinDrawersWinTest, AButtonFollowsTheRealMouseThroughItsDrawerAndStillClicks) {
    Skinned skinned;
    auto* button = Button::newInstance();
    button->setText(u"Go");
    Clicks clicks;
    button->addClickListener(&clicks);
    skinned.window->add(button);
    skinned.show();
    const HWND handle = button->getHandle();
    ASSERT_NE(nullptr, handle);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), buttonType(handle));
    RecordingButtonDrawer& drawer = skinned.first.button;
    ASSERT_TRUE(waitUntil([&] { return drawer.count() > 0; })) << "painted by the skin";
    const ButtonCall first = drawer.last();
    EXPECT_EQ(0, first.state);
    EXPECT_EQ(u"Go", first.label);
    EXPECT_TRUE(first.framed);
    EXPECT_TRUE(first.enabled);
    EXPECT_FALSE(first.toggled);
    EXPECT_FALSE(first.openBottom);
    EXPECT_EQ(RGB(250, 250, 250), first.textColour) << "the font completed from the styles";

    // Over it: hovered; held down: pressed; released: clicked, hovered again.
    // The pointer moves a little as a hand's would: a window that appears
    // under a still pointer, or a capture taken away meanwhile, is noticed
    // only at the next move; and the window manager may still move the
    // window, so the pointer follows its middle.
    int nudge = 0;
    EXPECT_TRUE(waitUntil([&] {
        const POINT centre = centreOf(handle);
        nudge = 1 - nudge;
        SetCursorPos(centre.x + nudge, centre.y);
        Sleep(40);
        return button->getMouseState() == 1 && drawer.last().state == 1;
    })) << "hovered state drawn; mouse state "
        << button->getMouseState() << ", drawn " << drawer.last().state << ", draws "
        << drawer.count() << ", window under the pointer "
        << (WindowFromPoint(centreOf(handle)) == handle);
    sendButton(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(waitUntil([&] { return drawer.last().state == 2; })) << "pressed state drawn";
    sendButton(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(waitUntil([&] { return clicks.count(1) == 1; })) << "the click arrives";
    EXPECT_TRUE(waitUntil([&] { return drawer.last().state == 1; })) << "hovered after release";

    // Away from it, low in the window (the button sits at its top): normal.
    EXPECT_TRUE(waitUntil([&] {
        const RECT bounds = screenRect(skinned.window->getHandle());
        nudge = 1 - nudge;
        SetCursorPos((bounds.left + bounds.right) / 2 + nudge, bounds.bottom - 20);
        Sleep(40);
        return drawer.last().state == 0;
    })) << "left: normal state drawn";
}

TEST(SkinDrawersWinTest, TheDefaultButtonHasAThickerFrameAndADisabledOneItsOwnFont) {
    Skinned skinned;
    auto* button = Button::newInstance();
    button->setText(u"#X");
    button->makeDefault();
    skinned.window->add(button);
    skinned.show();
    const HWND handle = button->getHandle();
    RecordingButtonDrawer& drawer = skinned.first.button;
    ASSERT_TRUE(waitUntil([&] { return drawer.count() > 0; }));
    EXPECT_EQ(u"#X", drawer.last().label) << "glyph names go to the drawer";
    EXPECT_TRUE(button->isDefault());

    Canvas canvas(400, 100);
    canvas.print(handle);
    const RECT bounds = screenRect(handle);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    EXPECT_EQ(RGB(200, 0, 0), canvas.at(0, 0)) << "the drawer's own paint at the edge";
    EXPECT_EQ(kFrame, canvas.at(width / 2, height - 2)) << "the second frame line";
    EXPECT_EQ(RGB(200, 0, 0), canvas.at(width / 2, height / 2)) << "inside stays the drawer's";

    button->makeNormal();
    canvas.print(handle);
    EXPECT_EQ(RGB(200, 0, 0), canvas.at(width / 2, height - 2)) << "a plain button: no line";

    button->setEnabled(false);
    ASSERT_TRUE(waitUntil([&] { return !drawer.last().enabled; }));
    EXPECT_EQ(RGB(150, 150, 150), drawer.last().textColour) << "the disabled font";
}

TEST(SkinDrawersWinTest, ACheckBoxDrawsItsMarkAndTogglesByClickAndSpace) {
    Skinned skinned;
    auto* box = CheckBox::newInstance();
    box->setText(u"Don't ask me again");
    Clicks changes;
    box->addCheckedListener(&changes);
    box->addUncheckedListener(&changes);
    skinned.window->add(box);
    skinned.show();
    const HWND handle = box->getHandle();
    RecordingCheckBoxDrawer& drawer = skinned.first.checkBox;
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), buttonType(handle) & BS_TYPEMASK);
    EXPECT_EQ(RecordingCheckBoxDrawer::kWidth, box->getMinimumWidth()) << "the drawer's sizes";
    EXPECT_EQ(RecordingCheckBoxDrawer::kHeight, box->getMinimumHeight());
    ASSERT_TRUE(waitUntil([&] { return drawer.count() > 0; }));
    EXPECT_FALSE(drawer.last().marked);
    EXPECT_EQ(CheckBox::boxSide(), drawer.last().boxSide);
    EXPECT_EQ(u"Don't ask me again", drawer.last().text);
    EXPECT_EQ(RGB(250, 250, 250), drawer.last().textColour);

    SendMessageW(handle, BM_CLICK, 0, 0);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ((std::vector<int32_t>{1}), changes.codes);
    EXPECT_TRUE(waitUntil([&] { return drawer.last().marked; })) << "drawn marked";

    PostMessageW(handle, WM_KEYDOWN, VK_SPACE, 0x00390001);
    PostMessageW(handle, WM_KEYUP, VK_SPACE, 0xC0390001);
    EXPECT_TRUE(waitUntil([&] { return !box->isChecked(); })) << "the space bar flips it";
    EXPECT_EQ((std::vector<int32_t>{1, 2}), changes.codes);
    EXPECT_TRUE(waitUntil([&] { return !drawer.last().marked; }));

    box->setChecked(true);
    EXPECT_TRUE(waitUntil([&] { return drawer.last().marked; }));
    Canvas canvas(400, 100);
    canvas.print(handle);
    EXPECT_EQ(RGB(0, 200, 200), canvas.at(2, 2)) << "printed through the drawer";
}

TEST(SkinDrawersWinTest, LabelsTakeTheSkinsTextColoursAndShowItsBackground) {
    Skinned skinned;
    auto* plain = Label::newInstance();
    plain->setText(u"Version:");
    auto* own = Label::newInstance();
    own->setText(u"Black");
    own->setTextColor(0, 0, 0);
    auto* link = Label::newInstance();
    link->setText(u"www");
    link->setLink(true);
    auto* ownLink = Label::newInstance();
    ownLink->setText(u"www");
    ownLink->setLink(true);
    ownLink->getLinkFont()->setTextColor(1, 2, 3);
    skinned.window->add(plain);
    skinned.window->add(own);
    skinned.window->add(link);
    skinned.window->add(ownLink);
    skinned.show();

    EXPECT_EQ(RGB(250, 250, 250), plain->getFont()->getTextColor()) << "the scheme's text";
    EXPECT_EQ(RGB(0, 0, 0), own->getFont()->getTextColor()) << "set by the label: kept";
    EXPECT_EQ(RGB(0, 170, 0), link->getLinkFont()->getTextColor()) << "the skin's link style";
    EXPECT_EQ(RGB(1, 2, 3), ownLink->getLinkFont()->getTextColor()) << "its own link colour";

    // Transparent: the window drawer's background behind the text.
    Canvas canvas(400, 100);
    canvas.print(plain->getHandle());
    const RECT bounds = screenRect(plain->getHandle());
    EXPECT_EQ(RGB(20, 20, 20), canvas.at(bounds.right - bounds.left - 1, 0));

    skinned.skinner->select(u"Second");
    EXPECT_TRUE(waitUntil([&] { return plain->getFont()->getTextColor() == RGB(5, 5, 5); }))
        << "a new skin, new colours";
    EXPECT_EQ(RGB(0, 0, 170), link->getLinkFont()->getTextColor());
    EXPECT_EQ(RGB(0, 0, 0), own->getFont()->getTextColor());
}

TEST(SkinDrawersWinTest, ANewSkinRepaintsWithItsDrawersAndNoSkinBringsTheSystemControlsBack) {
    Skinned skinned;
    const HWND window = skinned.window->getHandle();
    auto* button = Button::newInstance();
    button->setText(u"Go");
    auto* box = CheckBox::newInstance();
    box->setText(u"Again");
    skinned.window->add(button);
    skinned.window->add(box);
    skinned.show();
    ASSERT_TRUE(waitUntil([&] { return skinned.first.button.count() > 0; }));
    EXPECT_EQ(&skinned.first.window, skinned.window->getDrawer());

    skinned.skinner->select(u"Second");
    EXPECT_EQ(&skinned.second.window, skinned.window->getDrawer());
    EXPECT_EQ(&skinned.second.button, button->getDrawer());
    EXPECT_TRUE(waitUntil([&] { return skinned.second.button.count() > 0; }))
        << "repainted with the new button drawer";
    EXPECT_TRUE(waitUntil([&] { return skinned.second.checkBox.count() > 0; }));
    EXPECT_EQ(RGB(5, 5, 5), skinned.second.button.last().textColour);

    // The skin goes: system controls, the state kept, the native frame back.
    box->setChecked(true);
    skinned.window->setSkinner(nullptr);
    EXPECT_EQ(nullptr, skinned.window->getDrawer());
    EXPECT_EQ(nullptr, button->getDrawer());
    EXPECT_EQ(static_cast<DWORD>(BS_PUSHBUTTON), buttonType(button->getHandle()));
    EXPECT_EQ(static_cast<DWORD>(BS_AUTOCHECKBOX), buttonType(box->getHandle()));
    EXPECT_EQ(BST_CHECKED, SendMessageW(box->getHandle(), BM_GETCHECK, 0, 0));
    EXPECT_NE(0, skinned.nativeStyle & WS_CAPTION);
    EXPECT_EQ(skinned.nativeStyle & WS_CAPTION, GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION);
    SendMessageW(box->getHandle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(box->isChecked()) << "the system's check box works again";

    // A skinner that is no longer the window's changes nothing there.
    skinned.skinner->select(u"First");
    EXPECT_EQ(nullptr, skinned.window->getDrawer());
    EXPECT_EQ(nullptr, button->getDrawer());
}

namespace {

// A scheme made of the thin drawers themselves, in the colours of a grey
// scheme: background, frame, control frame, disabled and text colours.
constexpr COLORREF kBackground = RGB(116, 116, 116);
constexpr COLORREF kWindowFrame = RGB(17, 17, 17);
constexpr COLORREF kControlFrame = RGB(30, 30, 30);
constexpr COLORREF kDisabled = RGB(86, 86, 86);
constexpr COLORREF kText = RGB(255, 255, 255);

template <class Drawer>
void colour(Drawer& drawer, void (Drawer::*set)(uint8_t, uint8_t, uint8_t), COLORREF value) {
    (drawer.*set)(GetRValue(value), GetGValue(value), GetBValue(value));
}

class ThinSkin : public NamedSkin {
public:
    ThinSkin()
        : NamedSkin(u"Grey", nullptr), frame(s::gui::drawer::window::win::Thin::newInstance()),
          button(s::gui::drawer::button::win::Thin::newInstance()),
          checkBox(s::gui::drawer::checkbox::win::Thin::newInstance()),
          text(s::gui::drawer::text::win::Basic::newInstance()) {
        windowDrawer = frame;
        colour<s::gui::drawer::IWindow>(*frame, &s::gui::drawer::IWindow::setBackground,
                                        kBackground);
        colour<s::gui::drawer::IWindow>(*frame, &s::gui::drawer::IWindow::setFrameColor,
                                        kWindowFrame);
        colour<s::gui::drawer::IButton>(*button, &s::gui::drawer::IButton::setFrameColor,
                                        kControlFrame);
        colour<s::gui::drawer::IButton>(*button, &s::gui::drawer::IButton::setDisabledFrameColor,
                                        kDisabled);
        button->getStyle1().setTextColor(GetRValue(kText), GetGValue(kText), GetBValue(kText));
        colour<s::gui::drawer::ICheckBox>(*checkBox, &s::gui::drawer::ICheckBox::setFrameColor,
                                          kControlFrame);
        colour<s::gui::drawer::ICheckBox>(*checkBox, &s::gui::drawer::ICheckBox::setLabelColor,
                                          kText);
        text->getStyle1().setTextColor(GetRValue(kText), GetGValue(kText), GetBValue(kText));
    }
    ~ThinSkin() {
        frame->release();
        button->release();
        checkBox->release();
        text->release();
    }
    s::gui::drawer::IButton* getButtonDrawer() const override { return button; }
    s::gui::drawer::ICheckBox* getCheckBoxDrawer() const override { return checkBox; }
    s::gui::drawer::IText* getTextDrawer() const override { return text; }

    s::gui::drawer::window::win::Thin* frame;
    s::gui::drawer::button::win::Thin* button;
    s::gui::drawer::checkbox::win::Thin* checkBox;
    s::gui::drawer::text::win::Basic* text;
};

// Pixels of one colour inside a rectangle of the canvas.
int countColour(const Canvas& canvas, RECT area, COLORREF wanted) {
    int found = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            found += canvas.at(x, y) == wanted;
        }
    }
    return found;
}

} // namespace

TEST(SkinDrawersWinTest, TheThinDrawersPaintTheGlyphButtonTheCheckBoxAndTheLabels) {
    ThinSkin skin;
    auto skinner = PoolRef<s::gui::drawer::Skinner>::take();
    skinner->addScheme(&skin);
    skinner->select(u"Grey");
    auto window = PoolRef<Window>::take();
    window->setBounds(200, 150, 320, 200);
    window->setSkinner(skinner.get());
    auto* glyph = Button::newInstance();
    glyph->setText(u"#X");
    auto* box = CheckBox::newInstance();
    box->setText(u"Again");
    auto* label = Label::newInstance();
    label->setText(u"Version:");
    window->add(glyph);
    window->add(box);
    window->add(label);
    window->setVisible(true, true);
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(window->getHandle()) != FALSE; }));

    // The glyph button: the bevel's left edge in the control frame colour,
    // the cross in the same colour on the window's background, no text.
    Canvas canvas(400, 100);
    canvas.print(glyph->getHandle());
    const RECT bounds = screenRect(glyph->getHandle());
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    EXPECT_EQ(kControlFrame, canvas.at(0, height / 2));
    const RECT inside = {3, 3, width - 3, height - 3};
    EXPECT_GT(countColour(canvas, inside, kControlFrame), 4) << "the cross";
    EXPECT_GT(countColour(canvas, inside, kBackground), 0) << "the window's background";
    EXPECT_EQ(0, countColour(canvas, inside, kText)) << "no text for a glyph";

    // The check box: framed white box, a black mark once checked.
    const int side = CheckBox::boxSide();
    Canvas boxCanvas(400, 100);
    boxCanvas.print(box->getHandle());
    EXPECT_EQ(kControlFrame, boxCanvas.at(0, 0));
    const RECT inBox = {2, 2, side - 2, side - 2};
    EXPECT_GT(countColour(boxCanvas, inBox, RGB(255, 255, 255)), 0);
    EXPECT_EQ(0, countColour(boxCanvas, inBox, RGB(0, 0, 0))) << "unchecked: no mark";
    SendMessageW(box->getHandle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(box->isChecked());
    boxCanvas.print(box->getHandle());
    EXPECT_GT(countColour(boxCanvas, inBox, RGB(0, 0, 0)), 0) << "checked: the mark";

    EXPECT_EQ(kText, label->getFont()->getTextColor());
    window->reset();
    skinner->reset();
}
