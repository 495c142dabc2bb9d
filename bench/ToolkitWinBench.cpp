// Speed of the window toolkit under Wine, each figure side by side with one
// BitBlt of a 340 x 285 area (the size of the program's dialogs) in the same
// run:
//  - laying out a window's tree of 200 components (boxes, labels, buttons,
//    check boxes, spacers), native windows moved included: the root box is
//    given another width each round, so that every child moves or resizes;
//  - painting a 340 x 285 window: frame, background and every child
//    invalidated and redrawn at once (RedrawWindow with RDW_UPDATENOW); the
//    window paints through its off-screen buffer (with a drawer the frame
//    too), the labels and boxes through theirs. Measured with a drawer
//    (frame and background in the buffer) and without one (native frame),
//    with the components of a small dialog and without any;
//  - the BitBlt: a 340 x 285 memory bitmap onto the shown window.
// Everything is measured on the window's own thread (a synchronous call), so
// no thread hop is counted.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "s/gui/drawer/IWindow.h"
#include "s/gui/win/Box.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/CheckBox.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/Spacer.h"
#include "s/gui/win/Window.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/platform/win/WindowDC.h"
#include "s/thread/PoolRef.h"

namespace win = s::gui::win;

namespace {

constexpr int kRuns = 30;
constexpr int kWidth = 340;
constexpr int kHeight = 285;
constexpr int kTreeComponents = 200;

template <class Work> double medianMilliseconds(Work work, int runs = kRuns) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        GdiFlush();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Side by side with both BitBlts of 340 x 285: onto the shown window (what
// a paint ends with) and between two memory bitmaps.
void report(const char* name, double measured, double onWindow, double inMemory) {
    std::printf("%-52s %7.3f ms | BitBlt onto window %6.3f ms: %6.1fx | in memory %6.3f ms: "
                "%6.1fx\n",
                name, measured, onWindow, measured / onWindow, inMemory, measured / inMemory);
}

// A leaf of the tree, by turns a label, a button, a check box and a spacer.
s::gui::IComponent* leaf(int index) {
    switch (index % 4) {
    case 0: {
        auto* label = win::Label::newInstance();
        label->setText(u"Label text");
        return label;
    }
    case 1: {
        auto* button = win::Button::newInstance();
        button->setText(u"Button");
        return button;
    }
    case 2: {
        auto* check = win::CheckBox::newInstance();
        check->setText(u"Option");
        return check;
    }
    default: {
        auto* spacer = win::Spacer::newInstance();
        spacer->setFixedWidth(6);
        return spacer;
    }
    }
}

// 200 components: a root column of 9 rows (boxes), each row of 3 columns
// (boxes), each column of 6 leaves, and the root's own 200 - 1 - 9 - 27 -
// 162 = 1 more leaf.
win::Box* tree(int* count) {
    auto* root = win::Box::newInstance();
    root->setVertical();
    root->setMargins(4);
    root->setVerticalGap(2);
    *count = 1;
    int leaves = 0;
    for (int row = 0; row < 9; ++row) {
        auto* line = win::Box::newInstance();
        line->setHorizontal();
        line->setHorizontalGap(3);
        line->setWidthPercent(100, false);
        ++*count;
        for (int column = 0; column < 3; ++column) {
            auto* cell = win::Box::newInstance();
            cell->setVertical();
            cell->setWidthPercent(33, false);
            ++*count;
            for (int item = 0; item < 6; ++item) {
                auto* component = leaf(leaves++);
                if (auto* labelled = dynamic_cast<win::Label*>(component)) {
                    labelled->setWidthPercent(100);
                }
                cell->add(component);
                ++*count;
            }
            line->add(cell);
        }
        root->add(line);
    }
    while (*count < kTreeComponents) {
        root->add(leaf(leaves++));
        ++*count;
    }
    return root;
}

// A dialog-like window content: a title, a wrapped text, options and buttons.
win::Box* dialog() {
    auto* root = win::Box::newInstance();
    root->setVertical();
    root->setMargins(10);
    root->setVerticalGap(6);
    auto* title = win::Label::newInstance();
    title->setText(u"Settings");
    title->setFontSize(103);
    root->add(title);
    auto* text = win::Label::newInstance();
    text->setText(u"A longer explanation of the settings below, wrapped to the width of "
                  u"the window so that it takes a few lines.");
    text->setWordWrap(true);
    text->setWidthPercent(100);
    root->add(text);
    for (const char16_t* option : {u"First option", u"Second option", u"Third option"}) {
        auto* check = win::CheckBox::newInstance();
        check->setText(option);
        root->add(check);
    }
    auto* buttons = win::Box::newInstance();
    buttons->setHorizontal();
    buttons->alignRight();
    buttons->setHorizontalGap(6);
    buttons->setWidthPercent(100, false);
    for (const char16_t* name : {u"OK", u"Cancel"}) {
        auto* button = win::Button::newInstance();
        button->setText(name);
        buttons->add(button);
    }
    root->add(buttons);
    return root;
}

// A plain skin's window drawer: a light background and a 1-pixel frame.
class FrameDrawer : public s::gui::drawer::IWindow {
public:
    const char16_t* getClassName() const override { return u"bench_FrameDrawer"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void release() override {}

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) override {
        HBRUSH frame = CreateSolidBrush(RGB(60, 60, 60));
        HBRUSH face = CreateSolidBrush(RGB(240, 240, 240));
        const RECT whole = {left, top, right, bottom};
        const RECT inside = {left + 1, top + 1, right - 1, bottom - 1};
        FillRect(dc, &whole, frame);
        FillRect(dc, &inside, face);
        DeleteObject(frame);
        DeleteObject(face);
    }
    HRGN getRegion(int32_t, int32_t, int32_t, int32_t) override { return nullptr; }
    COLORREF getBackground() const override { return RGB(240, 240, 240); }
    uint8_t getBackgroundRed() const override { return 240; }
    uint8_t getBackgroundGreen() const override { return 240; }
    uint8_t getBackgroundBlue() const override { return 240; }
    void setBackground(uint8_t, uint8_t, uint8_t) override {}
    uint8_t getFrameRed() const override { return 60; }
    uint8_t getFrameGreen() const override { return 60; }
    uint8_t getFrameBlue() const override { return 60; }
    void setFrameColor(uint8_t, uint8_t, uint8_t) override {}
    void setTopCorners(int32_t) override {}
    void setBottomCorners(int32_t) override {}
};

// Runs the measurements on the window's thread when called (code 2).
class Measurer : public s::gui::events::IEventListener {
public:
    Measurer(win::Window& window, win::Box* root) : window(window), root(root) {}

    void onEvent(s::base::IObject*, int32_t code) override {
        if (code != static_cast<int32_t>(win::WindowEvent::Call)) {
            return;
        }
        blit = blitOnce(false);
        memoryBlit = blitOnce(true);
        if (root != nullptr) {
            int round = 0;
            measured = medianMilliseconds([this, &round] {
                const int32_t width = (++round % 2) == 0 ? 600 : 640;
                root->setBounds(0, 0, width, 560);
                root->doLayout();
            });
        } else {
            const HWND handle = window.getHandle();
            measured = medianMilliseconds([handle] {
                RedrawWindow(handle, nullptr, nullptr,
                             RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW |
                                 RDW_ALLCHILDREN);
            });
        }
    }

    double measured = 0;
    double blit = 0;
    double memoryBlit = 0;

private:
    // One BitBlt of 340 x 285 from a memory bitmap onto the window, or into
    // a second memory bitmap (each the median of single copies).
    double blitOnce(bool intoMemory) const {
        const s::platform::win::WindowDC screen(window.getHandle());
        const s::platform::win::MemoryDC memory(screen.get());
        const s::platform::win::MemoryDC target(screen.get());
        HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), kWidth, kHeight);
        HBITMAP copy = CreateCompatibleBitmap(screen.get(), kWidth, kHeight);
        double time = 0;
        {
            const s::platform::win::ObjectSelection selection(memory.get(), bitmap);
            const s::platform::win::ObjectSelection targetSelection(target.get(), copy);
            PatBlt(memory.get(), 0, 0, kWidth, kHeight, WHITENESS);
            const HDC destination = intoMemory ? target.get() : screen.get();
            time = medianMilliseconds(
                [&] { BitBlt(destination, 0, 0, kWidth, kHeight, memory.get(), 0, 0, SRCCOPY); });
        }
        DeleteObject(bitmap);
        DeleteObject(copy);
        return time;
    }

    win::Window& window;
    win::Box* root;
};

void run(const char* name, win::Box* root, bool layoutOnly, s::gui::drawer::IWindow* drawer,
         int32_t width, int32_t height) {
    auto window = s::thread::PoolRef<win::Window>::take();
    if (drawer != nullptr) {
        window->setDrawer(drawer, false);
    } else {
        window->setNativeFrame(true);
    }
    window->setBounds(100, 100, width, height);
    if (root != nullptr) {
        window->add(root);
    }
    window->setVisible(true);
    Sleep(500); // the X server maps the window and its first paint passes
    Measurer measurer(*window, layoutOnly ? root : nullptr);
    window->addListener(win::WindowEvent::Call, &measurer);
    window->sendCall(0, 0, 0, 0);
    report(name, measurer.measured, measurer.blit, measurer.memoryBlit);
    window->close();
}

} // namespace

int main() {
    int count = 0;
    win::Box* big = tree(&count);
    char name[80];
    std::snprintf(name, sizeof name, "layout of a tree of %d components", count);
    run(name, big, true, nullptr, 700, 640);
    FrameDrawer drawer;
    run("painting a 340 x 285 window, drawer, components", dialog(), false, &drawer, kWidth,
        kHeight);
    run("painting a 340 x 285 window, drawer, no components", nullptr, false, &drawer, kWidth,
        kHeight);
    run("painting a 340 x 285 window, native frame, components", dialog(), false, nullptr, kWidth,
        kHeight);
    return 0;
}
