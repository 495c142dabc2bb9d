#pragma once
#include <windows.h>

#include <cstdint>

namespace s::lang {
class Localizer;
}

namespace s::gui::drawer {
class Skinner;
}

namespace s::gui::win {

// The stored settings of one window, as a window bound to them
// (Window::bindSettings) reads and writes them: where it was, its options,
// its texts, icons and look. The application framework's window settings
// implement it over the settings store; the toolkit only sees this
// interface, so it needs no product, registry path or file of its own, and
// tests can bind a window to settings held in memory.
//
// Middle-click actions are the window's three constant texts ("Close",
// "Iconize", "DoNothing"); getMiddleClick answers one of those constants.
//
// Threads: used by the bound window's thread and by the code that binds it,
// one at a time (the settings have no lock of their own). The window borrows
// the object; it must outlive the binding (Window::reset drops it).
class IWindowSettings {
public:
    virtual ~IWindowSettings() = default;

    // Stored bounds; the getters answer the defaults when nothing is stored.
    virtual bool hasPosition() = 0;
    virtual int32_t getX() = 0;
    virtual int32_t getY() = 0;
    virtual int32_t getWidth() = 0;
    virtual int32_t getHeight() = 0;
    virtual void setX(int32_t x) = 0;
    virtual void setY(int32_t y) = 0;
    virtual void setWidth(int32_t width) = 0;
    virtual void setHeight(int32_t height) = 0;

    // Stored options.
    virtual bool getMaximized() = 0;
    virtual void setMaximized(bool on) = 0;
    virtual bool getEasyDrag() = 0;
    virtual void setEasyDrag(bool on) = 0;
    virtual bool getKeepOnTop() = 0;
    virtual void setKeepOnTop(bool on) = 0;
    virtual const char16_t* getMiddleClick() = 0;
    virtual void setMiddleClick(const char16_t* action) = 0;

    // Texts and look: the title's text id (the version's is 10 more), the
    // localizer and skinner the window takes (either may be null: none).
    virtual int32_t getTextBase() = 0;
    virtual s::lang::Localizer* getLocalizer() = 0;
    virtual s::gui::drawer::Skinner* getSkinner() = 0;
    // The application's icon at a pixel size (16, 32, 64 or 128), a new
    // icon the caller owns, or null.
    virtual HICON createIcon(int32_t pixelSize) = 0;

    // Told by the window: the language it now shows (the pack's English
    // name), the skin it now draws with, and that the session ends (store
    // everything now).
    virtual void languageChanged(const char16_t* languageName) = 0;
    virtual void skinChanged(const char16_t* skinName) = 0;
    virtual void saveSettings() = 0;
};

} // namespace s::gui::win
