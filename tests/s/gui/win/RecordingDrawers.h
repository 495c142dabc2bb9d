#pragma once
// Test doubles of the skin's component drawers: a button drawer and a check
// box drawer that record every draw and fill the control with known colours,
// and a skin that holds them with a one-colour window drawer and a real text
// drawer of known colours. The draws come on the windows' threads; the
// records are read under a lock.
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "s/gui/drawer/IButton.h"
#include "s/gui/drawer/ICheckBox.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/win/Font.h"
#include "tests/s/gui/win/TestDrawers.h"

namespace recording {

using s::gui::win::Font;

constexpr COLORREF kFrame = RGB(10, 20, 30);
constexpr COLORREF kDisabledFrame = RGB(90, 90, 90);

struct ButtonCall {
    int32_t state = -1;
    std::u16string label;
    bool framed = false;
    COLORREF textColour = 0;
    bool enabled = false;
    bool toggled = false;
    bool openBottom = true;
};

// The label's styles of a drawer: a real text drawer whose first two styles
// carry known colours.
class Styles {
public:
    Styles(COLORREF enabled, COLORREF disabled)
        : text(s::gui::drawer::text::win::Basic::newInstance()) {
        text->getStyle1().setTextColor(GetRValue(enabled), GetGValue(enabled), GetBValue(enabled));
        text->getStyle2().setTextColor(GetRValue(disabled), GetGValue(disabled),
                                       GetBValue(disabled));
    }
    ~Styles() { text->release(); }
    s::gui::drawer::text::win::Basic* text;
};

// Records every draw (on the window's thread) and fills the button with the
// colour of its state.
class RecordingButtonDrawer : public s::gui::drawer::IButton {
public:
    RecordingButtonDrawer(COLORREF textColour, COLORREF normal, COLORREF hover, COLORREF pressed)
        : styles(textColour, RGB(150, 150, 150)), fills{normal, hover, pressed} {}

    const char16_t* getClassName() const override { return u"tests_RecordingButtonDrawer"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void release() override {}

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
              const char16_t* label, bool framed, Font* style, bool enabled, bool toggled,
              bool openBottom) override {
        ButtonCall call;
        call.state = state;
        call.label = label != nullptr ? label : u"";
        call.framed = framed;
        call.textColour = style != nullptr ? style->getTextColor() : 0xFFFFFFFF;
        call.enabled = enabled;
        call.toggled = toggled;
        call.openBottom = openBottom;
        {
            const std::lock_guard<std::mutex> hold(lock);
            calls.push_back(call);
        }
        const RECT area = {left, top, right, bottom};
        HBRUSH brush = CreateSolidBrush(fills[state >= 0 && state <= 2 ? state : 0]);
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }
    bool paintGlyph(HDC, int32_t, int32_t, int32_t, int32_t, const char16_t*, uint8_t, uint8_t,
                    uint8_t) override {
        return false;
    }
    void setAccentColor(uint8_t, uint8_t, uint8_t) override {}
    void setFirstFlag(bool) override {}
    void setSecondFlag(bool) override {}
    void setCornerStyle(int32_t) override {}
    void setShiftLabel(bool) override {}
    uint8_t getFrameRed() const override { return GetRValue(kFrame); }
    uint8_t getFrameGreen() const override { return GetGValue(kFrame); }
    uint8_t getFrameBlue() const override { return GetBValue(kFrame); }
    void setFrameColor(uint8_t, uint8_t, uint8_t) override {}
    uint8_t getDisabledFrameRed() const override { return GetRValue(kDisabledFrame); }
    uint8_t getDisabledFrameGreen() const override { return GetGValue(kDisabledFrame); }
    uint8_t getDisabledFrameBlue() const override { return GetBValue(kDisabledFrame); }
    void setDisabledFrameColor(uint8_t, uint8_t, uint8_t) override {}
    void setToggledFrameColor(uint8_t, uint8_t, uint8_t) override {}
    void setToggledFill(uint8_t, uint8_t, uint8_t) override {}
    uint8_t getToggledFillRed() const override { return 0; }
    uint8_t getToggledFillGreen() const override { return 0; }
    uint8_t getToggledFillBlue() const override { return 0; }
    void completeFonts(Font* first, Font* second) override {
        styles.text->completeFonts(first, second, nullptr, nullptr, nullptr);
    }
    void completeSettings(s::gui::win::FontSetting*, s::gui::win::FontSetting*) override {}
    s::gui::text::FontDescription& getStyle1() override { return styles.text->getStyle1(); }
    s::gui::text::FontDescription& getStyle2() override { return styles.text->getStyle2(); }
    void completeToggledFont(Font*) override {}
    void completeToggledSetting(s::gui::win::FontSetting*) override {}
    s::gui::text::FontDescription& getToggledStyle() override { return styles.text->getStyle1(); }
    void setShaded(bool) override {}

    std::vector<ButtonCall> taken() const {
        const std::lock_guard<std::mutex> hold(lock);
        return calls;
    }
    ButtonCall last() const {
        const std::lock_guard<std::mutex> hold(lock);
        return calls.empty() ? ButtonCall() : calls.back();
    }
    size_t count() const {
        const std::lock_guard<std::mutex> hold(lock);
        return calls.size();
    }

    Styles styles;
    COLORREF fills[3];

private:
    mutable std::mutex lock;
    std::vector<ButtonCall> calls;
};

struct CheckCall {
    int32_t boxSide = 0;
    bool marked = false;
    std::u16string text;
    COLORREF textColour = 0;
};

// Records every draw and fills the check box with the colour of its mark;
// its layout sizes are fixed, so that a component using them shows.
class RecordingCheckBoxDrawer : public s::gui::drawer::ICheckBox {
public:
    static constexpr int32_t kWidth = 150;
    static constexpr int32_t kHeight = 25;

    RecordingCheckBoxDrawer(COLORREF textColour, COLORREF unmarked, COLORREF marked)
        : styles(textColour, RGB(150, 150, 150)), unmarkedFill(unmarked), markedFill(marked) {}

    const char16_t* getClassName() const override { return u"tests_RecordingCheckBoxDrawer"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void release() override {}

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t boxSide,
              bool marked, const char16_t* text, Font* font) override {
        CheckCall call;
        call.boxSide = boxSide;
        call.marked = marked;
        call.text = text != nullptr ? text : u"";
        call.textColour = font != nullptr ? font->getTextColor() : 0xFFFFFFFF;
        {
            const std::lock_guard<std::mutex> hold(lock);
            calls.push_back(call);
        }
        const RECT area = {left, top, right, bottom};
        HBRUSH brush = CreateSolidBrush(marked ? markedFill : unmarkedFill);
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }
    s::gui::text::TextExtents measureForLayout(HDC, const char16_t*, Font&) override {
        return {kWidth, kHeight, kWidth, kHeight};
    }
    void completeFonts(Font* first, Font* second) override {
        styles.text->completeFonts(first, second, nullptr, nullptr, nullptr);
    }
    void setFirstFlag(bool) override {}
    void setSecondFlag(bool) override {}
    void setLabelColor(uint8_t, uint8_t, uint8_t) override {}
    void setSecondLabelColor(uint8_t, uint8_t, uint8_t) override {}
    void setFrameColor(uint8_t, uint8_t, uint8_t) override {}
    void setMarkFrameColor(uint8_t, uint8_t, uint8_t) override {}

    CheckCall last() const {
        const std::lock_guard<std::mutex> hold(lock);
        return calls.empty() ? CheckCall() : calls.back();
    }
    size_t count() const {
        const std::lock_guard<std::mutex> hold(lock);
        return calls.size();
    }

    Styles styles;
    COLORREF unmarkedFill;
    COLORREF markedFill;

private:
    mutable std::mutex lock;
    std::vector<CheckCall> calls;
};

// One scheme: a window drawer of one colour, the two recording drawers and a
// text drawer whose normal style has the scheme's text colour.
class TestSkin : public NamedSkin {
public:
    TestSkin(const char16_t* name, COLORREF background, COLORREF text, COLORREF link)
        : NamedSkin(name, &window), window(background, background),
          button(text, RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)),
          checkBox(text, RGB(200, 200, 0), RGB(0, 200, 200)), styles(text, RGB(150, 150, 150)) {
        styles.text->getStyle3().setTextColor(GetRValue(link), GetGValue(link), GetBValue(link));
    }
    s::gui::drawer::IButton* getButtonDrawer() const override {
        return const_cast<RecordingButtonDrawer*>(&button);
    }
    s::gui::drawer::ICheckBox* getCheckBoxDrawer() const override {
        return const_cast<RecordingCheckBoxDrawer*>(&checkBox);
    }
    s::gui::drawer::IText* getTextDrawer() const override { return styles.text; }

    PatternDrawer window;
    RecordingButtonDrawer button;
    RecordingCheckBoxDrawer checkBox;
    Styles styles;
};

} // namespace recording
