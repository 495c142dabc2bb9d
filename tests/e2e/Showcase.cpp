// The toolkit's showcase, a test program of the end-to-end scenarios (never
// shipped): one window with every component in boxes of both orientations,
// with easy drag and a resizable native frame, or drawn in one colour scheme of
// the ThinWindow skins.
//
//     Showcase.exe <report file> [--skin <scheme name>]
//
// Without --skin the window and its controls have the native look; with it
// the window takes a ThinWindow skinner with that scheme selected (a name the
// skinner does not know selects its first scheme, as the skinner does).
//
// It writes what the scenario needs to know to the report file, one fact a
// line, flushed at once:
//     scale <dpi> <pixels per 96> <unit>
//     skin <scheme name>|none                     the skin the window paints with
//     layout <n>            a new set of rectangles follows (after the first
//                           show and whenever the window moved or resized)
//     window <left> <top> <right> <bottom>        the outer rectangle
//     rect <name> <left> <top> <right> <bottom>   a component's native window
//     end <n>
//     checkbox 1|0, toggle 1|0, click <button name>   user actions
// Every rectangle is read back from the native windows on the screen, so the
// scenario compares pixels with what the program really placed.
#include <windows.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/events/IEventListener.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Box.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/CheckBox.h"
#include "s/gui/win/Image.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/Spacer.h"
#include "s/gui/win/Window.h"
#include "s/image/win/BufferedImage.h"
#include "s/thread/PoolRef.h"

namespace win = s::gui::win;

namespace {

// The gradient picture's size and colours: red grows to the right, green
// downwards, blue is constant (tests/e2e/run_showcase.py knows them).
constexpr int32_t kPictureWidth = 64;
constexpr int32_t kPictureHeight = 32;
constexpr uint8_t kPictureBlue = 160;
constexpr int32_t kImageWidth = 96;
constexpr int32_t kImageHeight = 72;

// The report file; lines come from the main thread and the window's thread.
class Report {
public:
    bool open(const wchar_t* path) {
        file = _wfopen(path, L"w");
        return file != nullptr;
    }
    void line(const std::string& text) {
        const std::lock_guard<std::mutex> lock(mutex);
        std::fputs(text.c_str(), file);
        std::fputc('\n', file);
        std::fflush(file);
    }

private:
    std::mutex mutex;
    FILE* file = nullptr;
};

Report report;

std::string rectLine(const char* kind, const char* name, const RECT& rect) {
    char text[160];
    std::snprintf(text, sizeof text, "%s %s%s%ld %ld %ld %ld", kind, name, *name ? " " : "",
                  rect.left, rect.top, rect.right, rect.bottom);
    return text;
}

// Writes one fact for every user action it hears about.
class ActionReporter : public s::gui::events::IEventListener {
public:
    explicit ActionReporter(const char* fact) : fact(fact) {}
    void onEvent(s::base::IObject*, int32_t) override { report.line(fact); }

private:
    const char* fact;
};

s::image::win::BufferedImage* gradient() {
    auto* picture = s::image::win::BufferedImage::newInstance();
    if (!picture->resize(kPictureWidth, kPictureHeight)) {
        return picture;
    }
    uint8_t* pixel = picture->getPixels();
    for (int32_t y = 0; y < kPictureHeight; ++y) {
        for (int32_t x = 0; x < kPictureWidth; ++x, pixel += 4) {
            pixel[0] = kPictureBlue;
            pixel[1] = static_cast<uint8_t>(y * 255 / (kPictureHeight - 1));
            pixel[2] = static_cast<uint8_t>(x * 255 / (kPictureWidth - 1));
            pixel[3] = 255;
        }
    }
    return picture;
}

struct Named {
    const char* name;
    HWND (*handle)(void*);
    void* component;
};

template <class Component> HWND handleOf(void* component) {
    return static_cast<Component*>(component)->getHandle();
}

std::vector<Named> shown;

template <class Component> Component* named(const char* name, Component* component) {
    shown.push_back({name, &handleOf<Component>, component});
    return component;
}

win::Label* label(const char* name, const char16_t* text) {
    auto* item = named(name, win::Label::newInstance());
    item->setText(text);
    return item;
}

win::Button* button(const char* name, const char16_t* text) {
    auto* item = named(name, win::Button::newInstance());
    item->setText(text);
    return item;
}

// A row: a label, a spacer, the check box and a link, middle-aligned.
win::Box* optionsRow(ActionReporter& checked, ActionReporter& unchecked) {
    auto* row = named("row", win::Box::newInstance());
    row->setMouseTransparent(true);
    row->setHorizontal();
    row->alignMiddle();
    row->setHorizontalGap(8);
    row->add(label("name", u"Name:"));
    auto* spacer = win::Spacer::newInstance();
    spacer->setFixedWidth(24);
    row->add(spacer);
    auto* check = named("checkbox", win::CheckBox::newInstance());
    check->setText(u"Check me");
    check->addCheckedListener(&checked);
    check->addUncheckedListener(&unchecked);
    row->add(check);
    auto* link = label("link", u"Home page");
    link->setLink(true);
    row->add(link);
    return row;
}

// The picture beside a column of buttons, right-aligned.
win::Box* pictureRow(ActionReporter& toggled, ActionReporter& okClick, ActionReporter& plainClick) {
    auto* row = named("pictures", win::Box::newInstance());
    row->setMouseTransparent(true);
    row->setHorizontal();
    row->setHorizontalGap(10);
    auto* image = named("image", win::Image::newInstance());
    // Fixed at 4:3, so that the 2:1 picture keeps its aspect only with
    // bands above and below it.
    image->setImage(gradient(), true, true, true, false, kImageWidth, kImageHeight);
    row->add(image);
    auto* column = named("buttons", win::Box::newInstance());
    column->setMouseTransparent(true);
    column->setVertical();
    column->alignRight();
    column->setVerticalGap(4);
    column->setWidthPercent(50, false);
    column->setMargins(4);
    auto* ok = button("default", u"OK");
    ok->makeDefault();
    ok->addClickListener(&okClick);
    column->add(ok);
    auto* toggle = button("toggle", u"Toggle");
    toggle->setToggle(true);
    toggle->addToggleListener(&toggled);
    column->add(toggle);
    auto* plain = button("plain", u"Cancel");
    plain->addClickListener(&plainClick);
    column->add(plain);
    auto* spacer = win::Spacer::newInstance();
    spacer->setVertical();
    spacer->setFixedHeight(12);
    column->add(spacer);
    row->add(column);
    return row;
}

// The title with a close glyph button at the right, the way skinned windows
// carry their caption buttons (the native look shows the glyph's name).
win::Box* captionRow(win::Window& window, int32_t glyphWidth, int32_t glyphHeight) {
    auto* row = named("caption", win::Box::newInstance());
    row->setMouseTransparent(true);
    row->setHorizontal();
    row->alignMiddle();
    row->setHorizontalGap(16);
    auto* title = label("title", u"Toolkit showcase");
    title->setFontSize(103);
    row->add(title);
    auto* glyph = button("glyph", u"#X");
    glyph->setFixedWidth(glyphWidth);
    glyph->setFixedHeight(glyphHeight);
    window.addCloser(static_cast<s::base::IObject*>(glyph));
    glyph->addClickListener(&window);
    row->add(glyph);
    return row;
}

win::Box* content(win::Window& window, ActionReporter* reporters) {
    auto* root = named("root", win::Box::newInstance());
    // Clicks over the boxes' free space reach the window, which then moves.
    root->setMouseTransparent(true);
    root->setVertical();
    root->setMargins(10);
    root->setVerticalGap(6);
    const auto& scale = s::gui::scale::win::systemScale();
    root->add(captionRow(window, scale.pixels(50), scale.pixels(14)));
    // Word-wrapped: a wrapped label asks for the height of its unbroken text,
    // so in a narrower window it shows its first line.
    auto* wrapped = label("wrapped", u"A long line of words that wraps when the window is narrower "
                                     u"than the text itself.");
    wrapped->setWordWrap(true);
    wrapped->setWidthPercent(100);
    root->add(wrapped);
    root->add(optionsRow(reporters[0], reporters[1]));
    root->add(pictureRow(reporters[2], reporters[3], reporters[4]));
    auto* bottom = named("bottom", win::Box::newInstance());
    bottom->setMouseTransparent(true);
    bottom->setHorizontal();
    bottom->alignCenter();
    bottom->setHorizontalGap(6);
    bottom->setWidthPercent(100, false);
    bottom->add(button("apply", u"Apply"));
    bottom->add(button("close", u"Close"));
    root->add(bottom);
    return root;
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The window's and every component's rectangle, read while the window kept
// its own (a layout read in the middle of a drag would mix two states);
// false when the window changed meanwhile.
bool writeLayout(int32_t number, HWND window) {
    std::vector<std::string> lines;
    lines.push_back("layout " + std::to_string(number));
    RECT before;
    GetWindowRect(window, &before);
    lines.push_back(rectLine("window", "", before));
    for (const Named& item : shown) {
        const HWND handle = item.handle(item.component);
        RECT rect;
        if (handle != nullptr && GetWindowRect(handle, &rect)) {
            lines.push_back(rectLine("rect", item.name, rect));
        } else {
            lines.push_back(std::string("missing ") + item.name);
        }
    }
    lines.push_back("end " + std::to_string(number));
    RECT after;
    GetWindowRect(window, &after);
    if (!sameRect(before, after)) {
        return false;
    }
    for (const std::string& line : lines) {
        report.line(line);
    }
    return true;
}

} // namespace

// The scheme name of "--skin <name>", or null.
const wchar_t* schemeArgument(int argc, wchar_t** argv) {
    for (int i = 2; i + 1 < argc; ++i) {
        if (wcscmp(argv[i], L"--skin") == 0) {
            return argv[i + 1];
        }
    }
    return nullptr;
}

std::string narrow(const char16_t* text) {
    std::string result;
    for (; text != nullptr && *text != 0; ++text) {
        result += *text < 128 ? static_cast<char>(*text) : '?';
    }
    return result;
}

// A ThinWindow skinner with the named scheme selected; null without a name.
s::gui::drawer::Skinner* skinnerFor(const wchar_t* scheme) {
    if (scheme == nullptr) {
        return nullptr;
    }
    std::u16string name;
    for (const wchar_t* c = scheme; *c != 0; ++c) {
        name += static_cast<char16_t>(*c);
    }
    auto* skinner = s::gui::drawer::Skinner::newThinWindowSkinner();
    skinner->select(name.c_str());
    return skinner;
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 2 || !report.open(argv[1])) {
        return 2;
    }
    const auto& scale = s::gui::scale::win::systemScale();
    report.line("scale " + std::to_string(scale.getDpi()) + " " +
                std::to_string(scale.getPixelsPer96()) + " " + std::to_string(scale.getUnit()));
    // Outlives the window, which leaves the skinner's list when it goes.
    s::thread::PoolRef<s::gui::drawer::Skinner> skinner(skinnerFor(schemeArgument(argc, argv)));
    const s::gui::drawer::ISkin* skin = skinner ? skinner->getCurrent() : nullptr;
    report.line("skin " + (skin != nullptr ? narrow(skin->getName()) : std::string("none")));

    ActionReporter reporters[] = {ActionReporter("checkbox 1"), ActionReporter("checkbox 0"),
                                  ActionReporter("toggle"), ActionReporter("click default"),
                                  ActionReporter("click plain")};
    auto window = s::thread::PoolRef<win::Window>::take();
    window->setTitle(u"Toolkit Showcase");
    window->setNativeFrame(true);
    window->setResizable(true);
    window->setEasyDrag(true);
    if (skinner) {
        window->setSkinner(skinner.get());
    }
    window->add(content(*window, reporters));
    window->fitSize();
    window->setLocation(200, 150);
    window->setVisible(true, true);

    // The layout as the screen shows it, again whenever it changes (polled:
    // the scenario reads the file, and the window's own events are its own).
    const HWND handle = window->getHandle();
    RECT last = {0, 0, 0, 0};
    int32_t number = 0;
    // Five minutes at most: a scenario that lost track of the program does
    // not leave it running.
    for (int i = 0; i < 6000 && !window->isClosed(); ++i) {
        Sleep(50);
        RECT now;
        GetWindowRect(handle, &now);
        if (!sameRect(now, last)) {
            Sleep(150); // let the layout of a move or resize settle
            GetWindowRect(handle, &last);
            if (writeLayout(number + 1, handle)) {
                ++number;
            } else {
                last = {0, 0, 0, 0};
            }
        }
    }
    return 0;
}
