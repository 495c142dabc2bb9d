#pragma once
#include <windows.h>

#include <cstdint>

#include "s/base/IObject.h"
#include "s/gui/win/IWindowSettings.h"
#include "s/thread/IPoolable.h"

namespace s::app {

class IAppBase;

// The settings object of one named application window as the framework's
// dialogs see it: its part of the settings store (bounds per screen size,
// options, its own skin when it has one), its texts and look, and the
// taskbar progress indicator. A toolkit window binds to it through the
// window settings interface it extends. See s::app::win::AppWindow.
class IAppWindow : public s::base::IObject,
                   public s::thread::IPoolable,
                   public s::gui::win::IWindowSettings {
public:
    virtual IAppBase* getAppBase() = 0;
    virtual const char16_t* getName() const = 0;
    // name + "\" + sub; valid until the next call.
    virtual const char16_t* sectionPath(const char16_t* sub) = 0;

    virtual bool hasSkinner() const = 0;
    virtual const char16_t* getSkin() = 0;
    virtual void setSkin(const char16_t* name) = 0;

    virtual void setBounds(std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height) = 0;
    virtual void setSize(std::int32_t width, std::int32_t height) = 0;
    virtual void removeBounds() = 0;
    virtual bool hasX() = 0;
    virtual bool hasY() = 0;
    virtual bool hasWidth() = 0;
    virtual bool hasHeight() = 0;
    // A stored size between 10 and the virtual screen's.
    virtual bool isWidthValid() = 0;
    virtual bool isHeightValid() = 0;

    virtual bool isMiddleClickClose() = 0;
    virtual bool isMiddleClickIconize() = 0;

    // The window's taskbar button: a busy indicator, a progress value, and
    // neither. Nothing happens without the taskbar (before Windows 7).
    virtual void showTaskbarBusy(HWND window) = 0;
    virtual void setTaskbarProgress(HWND window, std::uint64_t total, std::uint64_t done) = 0;
    virtual void clearTaskbarProgress(HWND window) = 0;
};

} // namespace s::app
