#pragma once
// Test double: window settings held in memory, counting what the window
// tells them.
#include <windows.h>

#include <string>
#include <vector>

#include "s/gui/win/IWindowSettings.h"

class MemorySettings : public s::gui::win::IWindowSettings {
public:
    bool hasPosition() override { return positioned; }
    int32_t getX() override { return x; }
    int32_t getY() override { return y; }
    int32_t getWidth() override { return width; }
    int32_t getHeight() override { return height; }
    void setX(int32_t value) override { x = value, positioned = true; }
    void setY(int32_t value) override { y = value, positioned = true; }
    void setWidth(int32_t value) override { width = value; }
    void setHeight(int32_t value) override { height = value; }
    bool getMaximized() override { return maximized; }
    void setMaximized(bool on) override { maximized = on; }
    bool getEasyDrag() override { return easyDrag; }
    void setEasyDrag(bool on) override { easyDrag = on; }
    bool getKeepOnTop() override { return keepOnTop; }
    void setKeepOnTop(bool on) override { keepOnTop = on; }
    const char16_t* getMiddleClick() override { return middleClick.c_str(); }
    void setMiddleClick(const char16_t* action) override { middleClick = action; }
    int32_t getTextBase() override { return textBase; }
    s::lang::Localizer* getLocalizer() override { return localizer; }
    s::gui::drawer::Skinner* getSkinner() override { return skinner; }
    HICON createIcon(int32_t pixelSize) override {
        iconSizes.push_back(pixelSize);
        std::vector<BYTE> andMask(pixelSize * pixelSize / 8, 0xFF);
        std::vector<BYTE> xorMask(pixelSize * pixelSize / 8, 0);
        return CreateIcon(nullptr, pixelSize, pixelSize, 1, 1, andMask.data(), xorMask.data());
    }
    void languageChanged(const char16_t* name) override { language = name; }
    void skinChanged(const char16_t* name) override { skin = name; }
    void saveSettings() override { ++saves; }

    bool positioned = false;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 320;
    int32_t height = 200;
    bool maximized = false;
    bool easyDrag = false;
    bool keepOnTop = false;
    std::u16string middleClick = u"DoNothing";
    int32_t textBase = -1;
    s::lang::Localizer* localizer = nullptr;
    s::gui::drawer::Skinner* skinner = nullptr;
    std::vector<int32_t> iconSizes;
    std::u16string language;
    std::u16string skin;
    int saves = 0;
};
