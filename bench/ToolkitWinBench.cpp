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
//  - painting a window laid out like the program's version window (frame,
//    14 labels, three buttons and the banner picture) through a skin (the
//    ThinWindow scheme "Classic LG": frame, buttons, glyph and label styles
//    by the skin's drawers) against the same window with the plain drawer
//    below (frame and background only, system-drawn controls), side by
//    side, with the ratio of the two;
//  - the BitBlt: a 340 x 285 memory bitmap onto the shown window.
// Everything is measured on the window's own thread (a synchronous call), so
// no thread hop is counted.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>

#include "bench/MedianTime.h"
#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/IWindow.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/win/Box.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/CheckBox.h"
#include "s/gui/win/Image.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/Spacer.h"
#include "s/gui/win/Window.h"
#include "s/image/win/BufferedImage.h"
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
    return bench::medianMilliseconds(work, runs);
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

// A row of a fixed height with the given children, left to right.
win::Box* row(std::initializer_list<s::gui::IComponent*> children) {
    auto* line = win::Box::newInstance();
    line->setHorizontal();
    line->alignMiddle();
    line->setHorizontalGap(4);
    line->setWidthPercent(100, false);
    for (s::gui::IComponent* child : children) {
        line->add(child);
    }
    return line;
}

win::Label* text(const char16_t* words, int32_t fontSize = 0) {
    auto* label = win::Label::newInstance();
    label->setText(words);
    label->setFontSize(fontSize);
    return label;
}

win::Button* button(const char16_t* label) {
    auto* item = win::Button::newInstance();
    item->setText(label);
    return item;
}

// A 700 x 230 banner picture of flat bands, as large as the program's logo.
s::image::win::BufferedImage* banner() {
    auto* picture = s::image::win::BufferedImage::newInstance();
    if (picture->resize(700, 230)) {
        uint8_t* pixel = picture->getPixels();
        for (int32_t y = 0; y < 230; ++y) {
            for (int32_t x = 0; x < 700; ++x, pixel += 4) {
                pixel[0] = static_cast<uint8_t>(0x45 + (x / 100) * 10);
                pixel[1] = static_cast<uint8_t>(0x2B + (y / 50) * 20);
                pixel[2] = 0x14;
                pixel[3] = 255;
            }
        }
    }
    return picture;
}

// The version window's layout: a heading beside the close glyph, the
// banner, the product name, five rows of caption and value, the donation
// question and link, two buttons below: 14 labels, three buttons.
win::Box* versionWindow() {
    auto* root = win::Box::newInstance();
    root->setVertical();
    root->setMargins(2);
    root->setVerticalGap(2);
    auto* glyph = button(u"#X");
    glyph->setFixedWidth(50);
    glyph->setFixedHeight(14);
    root->add(row({text(u"Version Information", -104), glyph}));
    auto* picture = win::Image::newInstance();
    picture->setImage(banner(), true, true, true, true, -1, -1);
    picture->setWidthPercent(100);
    root->add(picture);
    root->add(row({text(u"Vexa Magnifier", -103)}));
    const char16_t* rows[][2] = {{u"Version:", u"1.19"},
                                 {u"Last Updated:", u"2019/06/17"},
                                 {u"License:", u"Free for personal and business use"},
                                 {u"Supported:", u"Windows XP/7/8.1/10"},
                                 {u"URL:", u"https://vexasoft.example/software/Magnifier/"}};
    for (const auto& line : rows) {
        root->add(row({text(line[0]), text(line[1])}));
    }
    root->add(row({text(u"Is this freeware useful?", -1)}));
    root->add(row({text(u"Please support us via donation.", -103)}));
    root->add(row({button(u"Check for Updates"), button(u"Close")}));
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

// The median time (ms) of the measurement, reported. A skinner, when given,
// paints the window and its components with its current skin.
double run(const char* name, win::Box* root, bool layoutOnly, s::gui::drawer::IWindow* drawer,
           int32_t width, int32_t height, s::gui::drawer::Skinner* skinner = nullptr) {
    auto window = s::thread::PoolRef<win::Window>::take();
    if (skinner != nullptr) {
        window->setSkinner(skinner);
    } else if (drawer != nullptr) {
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
    return measurer.measured;
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

    // The skin against the plain drawer, alternating so that both see the
    // same machine load; the best of three rounds of each.
    s::thread::PoolRef<s::gui::drawer::Skinner> skinner(
        s::gui::drawer::Skinner::newThinWindowSkinner());
    skinner->select(u"Classic LG");
    if (skinner->getCurrent() == nullptr) {
        std::printf("no skin: the ThinWindow family built no schemes\n");
        return 1;
    }
    double plain = 1e9;
    double skinned = 1e9;
    for (int round = 0; round < 3; ++round) {
        plain = std::min(plain, run("painting the version window, plain drawer", versionWindow(),
                                    false, &drawer, kWidth, kHeight));
        skinned =
            std::min(skinned, run("painting the version window, skin Classic LG", versionWindow(),
                                  false, nullptr, kWidth, kHeight, skinner.get()));
    }
    std::printf("version window: skin %.3f ms, plain drawer %.3f ms: the skin costs %.2fx "
                "(target at most 1.5x)\n",
                skinned, plain, skinned / plain);
    return 0;
}
