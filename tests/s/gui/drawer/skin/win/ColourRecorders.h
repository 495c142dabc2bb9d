#pragma once
// Drawer stand-ins that keep what a scheme's colouring sets, including the
// settings the real drawers offer no getter for (corner styles, flags, the
// toggled frame colour). Colours are kept packed (0x00BBGGRR); -1 means
// "never set".
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IButton.h"
#include "s/gui/drawer/ICheckBox.h"
#include "s/gui/drawer/ICombo.h"
#include "s/gui/drawer/IRadioButton.h"
#include "s/gui/drawer/IScrollBar.h"
#include "s/gui/drawer/IStatusBar.h"
#include "s/gui/drawer/IWindow.h"
#include "s/gui/text/FontDescription.h"

namespace colour_recorders {

constexpr int64_t kUnset = -1;

inline int64_t packed(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<int64_t>(s::gui::text::FontDescription::rgb(r, g, b));
}

class WindowRecorder : public s::gui::drawer::IWindow {
public:
    const char16_t* getClassName() const override { return u"tests_WindowRecorder"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void release() override {}
    void draw(HDC, int32_t, int32_t, int32_t, int32_t) override {}
    HRGN getRegion(int32_t, int32_t, int32_t, int32_t) override { return nullptr; }
    COLORREF getBackground() const override { return static_cast<COLORREF>(background); }
    uint8_t getBackgroundRed() const override { return 0; }
    uint8_t getBackgroundGreen() const override { return 0; }
    uint8_t getBackgroundBlue() const override { return 0; }
    void setBackground(uint8_t r, uint8_t g, uint8_t b) override { background = packed(r, g, b); }
    uint8_t getFrameRed() const override { return 0; }
    uint8_t getFrameGreen() const override { return 0; }
    uint8_t getFrameBlue() const override { return 0; }
    void setFrameColor(uint8_t r, uint8_t g, uint8_t b) override { frame = packed(r, g, b); }
    void setTopCorners(int32_t style) override { topCorners = style; }
    void setBottomCorners(int32_t style) override { bottomCorners = style; }

    int64_t background = kUnset;
    int64_t frame = kUnset;
    int32_t topCorners = -1;
    int32_t bottomCorners = -1;
};

class ButtonRecorder : public s::gui::drawer::IButton {
public:
    const char16_t* getClassName() const override { return u"tests_ButtonRecorder"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void release() override {}
    void draw(HDC, int32_t, int32_t, int32_t, int32_t, int32_t, const char16_t*, bool,
              s::gui::win::Font*, bool, bool, bool) override {}
    bool paintGlyph(HDC, int32_t, int32_t, int32_t, int32_t, const char16_t*, uint8_t, uint8_t,
                    uint8_t) override {
        return false;
    }
    void setAccentColor(uint8_t r, uint8_t g, uint8_t b) override { accent = packed(r, g, b); }
    void setFirstFlag(bool on) override { firstFlag = on; }
    void setSecondFlag(bool on) override { secondFlag = on; }
    void setCornerStyle(int32_t style) override { cornerStyle = style; }
    void setShiftLabel(bool on) override { shiftLabel = on; }
    uint8_t getFrameRed() const override { return 0; }
    uint8_t getFrameGreen() const override { return 0; }
    uint8_t getFrameBlue() const override { return 0; }
    void setFrameColor(uint8_t r, uint8_t g, uint8_t b) override { frame = packed(r, g, b); }
    uint8_t getDisabledFrameRed() const override { return 0; }
    uint8_t getDisabledFrameGreen() const override { return 0; }
    uint8_t getDisabledFrameBlue() const override { return 0; }
    void setDisabledFrameColor(uint8_t r, uint8_t g, uint8_t b) override {
        disabledFrame = packed(r, g, b);
    }
    void setToggledFrameColor(uint8_t r, uint8_t g, uint8_t b) override {
        toggledFrame = packed(r, g, b);
    }
    void setToggledFill(uint8_t r, uint8_t g, uint8_t b) override { toggledFill = packed(r, g, b); }
    uint8_t getToggledFillRed() const override { return 0; }
    uint8_t getToggledFillGreen() const override { return 0; }
    uint8_t getToggledFillBlue() const override { return 0; }
    void completeFonts(s::gui::win::Font*, s::gui::win::Font*) override {}
    void completeSettings(s::gui::win::FontSetting*, s::gui::win::FontSetting*) override {}
    s::gui::text::FontDescription& getStyle1() override { return style1; }
    s::gui::text::FontDescription& getStyle2() override { return style2; }
    void completeToggledFont(s::gui::win::Font*) override {}
    void completeToggledSetting(s::gui::win::FontSetting*) override {}
    s::gui::text::FontDescription& getToggledStyle() override { return toggledStyle; }
    void setShaded(bool on) override { shaded = on; }

    int64_t accent = kUnset;
    int64_t frame = kUnset;
    int64_t disabledFrame = kUnset;
    int64_t toggledFrame = kUnset;
    int64_t toggledFill = kUnset;
    int firstFlag = -1;
    int secondFlag = -1;
    int shiftLabel = -1;
    int shaded = -1;
    int32_t cornerStyle = -1;
    s::gui::text::FontDescription style1;
    s::gui::text::FontDescription style2;
    s::gui::text::FontDescription toggledStyle;
};

class CheckBoxRecorder : public s::gui::drawer::ICheckBox {
public:
    const char16_t* getClassName() const override { return u"tests_CheckBoxRecorder"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void release() override {}
    void draw(HDC, int32_t, int32_t, int32_t, int32_t, int32_t, bool, const char16_t*,
              s::gui::win::Font*) override {}
    s::gui::text::TextExtents measureForLayout(HDC, const char16_t*, s::gui::win::Font&) override {
        return {};
    }
    void completeFonts(s::gui::win::Font*, s::gui::win::Font*) override {}
    void setFirstFlag(bool on) override { firstFlag = on; }
    void setSecondFlag(bool on) override { secondFlag = on; }
    void setLabelColor(uint8_t r, uint8_t g, uint8_t b) override { label = packed(r, g, b); }
    void setSecondLabelColor(uint8_t r, uint8_t g, uint8_t b) override {
        secondLabel = packed(r, g, b);
    }
    void setFrameColor(uint8_t r, uint8_t g, uint8_t b) override { frame = packed(r, g, b); }
    void setMarkFrameColor(uint8_t r, uint8_t g, uint8_t b) override {
        markFrame = packed(r, g, b);
    }

    int64_t label = kUnset;
    int64_t secondLabel = kUnset;
    int64_t frame = kUnset;
    int64_t markFrame = kUnset;
    int firstFlag = -1;
    int secondFlag = -1;
};

class RadioButtonRecorder : public s::gui::drawer::IRadioButton {
public:
    const char16_t* getClassName() const override { return u"tests_RadioButtonRecorder"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void release() override {}
    void draw(HDC, HDC, int32_t, int32_t, int32_t, int32_t, bool, const char16_t*,
              s::gui::win::Font*, uint32_t) override {}
    void completeFonts(s::gui::win::Font*, s::gui::win::Font*) override {}
    void setFlag(bool on) override { flag = on; }
    void setLabelColor(uint8_t r, uint8_t g, uint8_t b) override { label = packed(r, g, b); }
    void setSecondLabelColor(uint8_t r, uint8_t g, uint8_t b) override {
        secondLabel = packed(r, g, b);
    }
    void setFrameColor(uint8_t r, uint8_t g, uint8_t b) override { frame = packed(r, g, b); }
    void setDotColor(uint8_t r, uint8_t g, uint8_t b) override { dot = packed(r, g, b); }

    int64_t label = kUnset;
    int64_t secondLabel = kUnset;
    int64_t frame = kUnset;
    int64_t dot = kUnset;
    int flag = -1;
};

class ComboRecorder : public s::gui::drawer::ICombo {
public:
    const char16_t* getClassName() const override { return u"tests_ComboRecorder"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void release() override {}
    void draw(HDC, int32_t, int32_t, int32_t, int32_t, int32_t, const char16_t*, s::gui::win::Font*,
              bool) const override {}
    void setLabelColor(uint8_t r, uint8_t g, uint8_t b) override { label = packed(r, g, b); }
    void setSecondLabelColor(uint8_t r, uint8_t g, uint8_t b) override {
        secondLabel = packed(r, g, b);
    }
    void setFrameColor(uint8_t r, uint8_t g, uint8_t b) override { frame = packed(r, g, b); }
    void completeFonts(s::gui::win::Font*, s::gui::win::Font*) override {}

    int64_t label = kUnset;
    int64_t secondLabel = kUnset;
    int64_t frame = kUnset;
};

class ScrollBarRecorder : public s::gui::drawer::IScrollBar {
public:
    const char16_t* getClassName() const override { return u"tests_ScrollBarRecorder"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void release() override {}
    int32_t hitTest(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, bool, int32_t, int32_t,
                    int32_t, bool) const override {
        return -1;
    }
    int32_t dragPosition(int32_t, int32_t position, int32_t, int32_t, int32_t, int32_t, bool,
                         int32_t, int32_t, bool) const override {
        return position;
    }
    void draw(HDC, int32_t, int32_t, int32_t, int32_t, bool, int32_t, int32_t, int32_t, int32_t,
              int32_t, int32_t, bool, bool, uint8_t, uint8_t, uint8_t) const override {}
    int32_t getThickness() const override { return thickness; }
    void setThickness(int32_t pixels) override { thickness = pixels; }
    void setFrameColor(uint8_t r, uint8_t g, uint8_t b) override { frame = packed(r, g, b); }
    void setTrackColor(uint8_t r, uint8_t g, uint8_t b) override { track = packed(r, g, b); }

    int32_t thickness = -1;
    int64_t frame = kUnset;
    int64_t track = kUnset;
};

class StatusBarRecorder : public s::gui::drawer::IStatusBar {
public:
    const char16_t* getClassName() const override { return u"tests_StatusBarRecorder"; }
    s::base::IObject* newObject() const override { return nullptr; }
    void release() override {}
    void draw(HDC, int32_t, int32_t, int32_t, int32_t) override {}
    int32_t getHeight() const override { return 13; }
    void setBackground(uint8_t r, uint8_t g, uint8_t b) override { background = packed(r, g, b); }

    int64_t background = kUnset;
};

} // namespace colour_recorders
