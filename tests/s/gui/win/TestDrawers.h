#pragma once
// Test doubles of the drawer interfaces: a window drawer that paints a known
// pattern and a skin that lends one.
#include <windows.h>

#include <atomic>
#include <string>

#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/IWindow.h"

// Paints the left half of the rectangle in `left`, the right half in
// `right`; counts its paints and notes whether it was given back.
class PatternDrawer : public s::gui::drawer::IWindow {
public:
    PatternDrawer(COLORREF leftColour, COLORREF rightColour)
        : left(leftColour), right(rightColour) {}

    const char16_t* getClassName() const override { return u"tests_PatternDrawer"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void release() override { released = true; }

    void draw(HDC dc, int32_t x0, int32_t y0, int32_t x1, int32_t y1) override {
        const int32_t middle = x0 + (x1 - x0) / 2;
        fill(dc, {x0, y0, middle, y1}, left);
        fill(dc, {middle, y0, x1, y1}, right);
        draws.fetch_add(1);
        lastWidth = x1 - x0;
    }
    HRGN getRegion(int32_t x0, int32_t y0, int32_t x1, int32_t y1) override {
        regions.fetch_add(1);
        return CreateRectRgn(x0, y0, x1, y1);
    }
    COLORREF getBackground() const override { return left; }
    uint8_t getBackgroundRed() const override { return GetRValue(left); }
    uint8_t getBackgroundGreen() const override { return GetGValue(left); }
    uint8_t getBackgroundBlue() const override { return GetBValue(left); }
    void setBackground(uint8_t r, uint8_t g, uint8_t b) override { left = RGB(r, g, b); }
    uint8_t getFrameRed() const override { return 0; }
    uint8_t getFrameGreen() const override { return 0; }
    uint8_t getFrameBlue() const override { return 0; }
    void setFrameColor(uint8_t, uint8_t, uint8_t) override {}
    void setTopCorners(int32_t) override {}
    void setBottomCorners(int32_t) override {}

    COLORREF left;
    COLORREF right;
    std::atomic<int> draws{0};
    std::atomic<int> regions{0};
    std::atomic<int32_t> lastWidth{0};
    std::atomic<bool> released{false};

private:
    static void fill(HDC dc, RECT area, COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }
};

// A skin with a name and a window drawer; the other drawers are absent.
class NamedSkin : public s::gui::drawer::ISkin {
public:
    NamedSkin(const char16_t* skinName, s::gui::drawer::IWindow* drawer)
        : name(skinName), windowDrawer(drawer) {}

    const char16_t* getClassName() const override { return u"tests_NamedSkin"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void release() override { released = true; }
    const char16_t* getName() const override { return name.c_str(); }
    void setName(const char16_t* text) override { name = text; }
    s::gui::drawer::IWindow* getWindowDrawer() const override { return windowDrawer; }
    void setWindowDrawer(s::gui::drawer::IWindow* drawer) override { windowDrawer = drawer; }

#define NAMED_SKIN_ABSENT(Kind, Getter, Setter)                                                    \
    s::gui::drawer::Kind* Getter() const override {                                                \
        return nullptr;                                                                            \
    }                                                                                              \
    void Setter(s::gui::drawer::Kind*) override {}
    NAMED_SKIN_ABSENT(IButton, getButtonDrawer, setButtonDrawer)
    NAMED_SKIN_ABSENT(IText, getTextDrawer, setTextDrawer)
    NAMED_SKIN_ABSENT(IScrollBar, getScrollBarDrawer, setScrollBarDrawer)
    NAMED_SKIN_ABSENT(ICheckBox, getCheckBoxDrawer, setCheckBoxDrawer)
    NAMED_SKIN_ABSENT(IRadioButton, getRadioButtonDrawer, setRadioButtonDrawer)
    NAMED_SKIN_ABSENT(ISlider, getSliderDrawer, setSliderDrawer)
    NAMED_SKIN_ABSENT(ICounter, getCounterDrawer, setCounterDrawer)
    NAMED_SKIN_ABSENT(IListHeader, getListHeaderDrawer, setListHeaderDrawer)
    NAMED_SKIN_ABSENT(IListBox, getListBoxDrawer, setListBoxDrawer)
    NAMED_SKIN_ABSENT(IStatusBar, getStatusBarDrawer, setStatusBarDrawer)
    NAMED_SKIN_ABSENT(IMenu, getMenuDrawer, setMenuDrawer)
    NAMED_SKIN_ABSENT(ICombo, getComboDrawer, setComboDrawer)
    NAMED_SKIN_ABSENT(IGroupBox, getGroupBoxDrawer, setGroupBoxDrawer)
    NAMED_SKIN_ABSENT(ITabBox, getTabBoxDrawer, setTabBoxDrawer)
#undef NAMED_SKIN_ABSENT

    std::u16string name;
    s::gui::drawer::IWindow* windowDrawer;
    bool released = false;
};
