#pragma once
#include <windows.h>

#include <shobjidl.h>

#include <cstdint>
#include <string>

#include "s/app/IAppWindow.h"
#include "s/thread/ClassPool.h"

namespace s::map {
class IMappedData;
}
namespace s::gui::win {
class Window;
}

namespace s::app::win {

class AppBase;

// The settings object of one named application window ("MainWindow",
// "AboutWindow", ...): its part of the application base's store, its
// defaults, its texts, icons and look. A toolkit window binds to it
// (Window::bindSettings) and reads and writes its bounds and options here.
//
// Store layout, window being the name:
//   window\SoftwareType, \SoftwareID, \Version  identity, rewritten by init
//   window\View (View4K, View8K)  "X" "Y" "Width" "Height", per screen factor
//   window\View                    "EasyDrag" "Maximized" "KeepOnTop" "OnMClick"
//   window\Skin                    the window's own skin, when it has one
//
// Taken from the pool and initialised by the code that makes the window,
// released together with the window. Used by the window's thread and by the
// code that makes it, one at a time; no lock, as the store has none. The
// application base is borrowed and must outlive it.
class AppWindow final : public s::app::IAppWindow {
    S_POOLED_CLASS(AppWindow, u"s_app_win_AppWindow")

public:
    static constexpr std::int32_t kDefaultSize = 500;

    // Sets the object up for a window. A skinner other than the application
    // base's own makes the window keep a skin of its own (stored under
    // window\Skin, `defaultSkinName` when none is stored) and is owned from
    // then on; the base's own makes it follow the application's skin.
    // screenFactor 0 takes the primary screen's (tests pass one).
    void init(AppBase* base, const char16_t* windowName, const char16_t* type, std::int32_t width,
              std::int32_t height, bool easyDrag, bool maximized, const char16_t* middleClickAction,
              s::gui::drawer::Skinner* skinnerGiven, const char16_t* defaultSkinName,
              std::int32_t screenFactor = 0);
    // Gives the window a localizer of its own (owned from then on), set to
    // the application's stored language.
    void setOwnLocalizer(s::lang::Localizer* own);

    void reset() override;

    s::app::IAppBase* getAppBase() override;
    const char16_t* getName() const override { return name.c_str(); }
    const char16_t* sectionPath(const char16_t* sub) override;
    // "View", "View4K" or "View8K".
    const char16_t* getViewSection() const { return viewSection; }
    const char16_t* getSoftwareType() const { return softwareType; }
    bool hasOwnSkin() const { return ownSkin; }

    bool hasSkinner() const override { return skinner != nullptr; }
    const char16_t* getSkin() override;
    void setSkin(const char16_t* skinName) override;

    bool hasPosition() override { return hasX() && hasY(); }
    void setBounds(std::int32_t x, std::int32_t y, std::int32_t width,
                   std::int32_t height) override;
    void setSize(std::int32_t width, std::int32_t height) override;
    void removeBounds() override;
    bool hasX() override;
    bool hasY() override;
    bool hasWidth() override;
    bool hasHeight() override;
    std::int32_t getX() override;
    std::int32_t getY() override;
    std::int32_t getWidth() override;
    std::int32_t getHeight() override;
    void setX(std::int32_t x) override;
    void setY(std::int32_t y) override;
    void setWidth(std::int32_t width) override;
    void setHeight(std::int32_t height) override;
    bool isWidthValid() override;
    bool isHeightValid() override;

    bool getMaximized() override;
    void setMaximized(bool on) override;
    bool getEasyDrag() override;
    void setEasyDrag(bool on) override;
    bool getKeepOnTop() override;
    void setKeepOnTop(bool on) override;
    bool isMiddleClickClose() override;
    bool isMiddleClickIconize() override;
    const char16_t* getMiddleClick() override;
    void setMiddleClick(const char16_t* action) override;

    std::int32_t getTextBase() override { return textBase; }
    s::lang::Localizer* getLocalizer() override;
    s::gui::drawer::Skinner* getSkinner() override { return skinner; }
    HICON createIcon(std::int32_t pixelSize) override;

    void languageChanged(const char16_t* languageName) override;
    void skinChanged(const char16_t* skinName) override;
    void saveSettings() override;

    void showTaskbarBusy(HWND window) override;
    void setTaskbarProgress(HWND window, std::uint64_t total, std::uint64_t done) override;
    void clearTaskbarProgress(HWND window) override;
    // True when the taskbar object could be made (Windows 7 and later).
    bool hasTaskbar() const { return taskbar != nullptr; }

    // The check for a newer version, at most once every 30 days (see
    // s::app::update::UpdateCheck), over the system's network, the
    // confirmation dialog centred on `parentWindow` and the shell's browser.
    // Blocks the calling thread for the transfer's bound (about 8 seconds)
    // and then while the question is open; call it where that holds up
    // nothing the user waits for.
    void checkForUpdate(s::gui::win::Window* parentWindow);

private:
    AppWindow() { reset(); }
    ~AppWindow() override;

    s::map::IMappedData* store();
    void writeIdentity();
    void chooseSkin(s::gui::drawer::Skinner* skinnerGiven, const char16_t* defaultSkinName);
    void createTaskbar();
    // The stored action, or the one in effect when none is stored.
    const char16_t* storedMiddleClick();
    void dropOwned();

    std::u16string path;        // composed section paths
    AppBase* appBase = nullptr; // borrowed
    std::u16string name;
    const char16_t* viewSection = u"View";
    const char16_t* softwareType = u"Freeware";
    std::int32_t textBase = 500000;
    s::lang::Localizer* localizer = nullptr;    // owned, or null: the base's
    s::gui::drawer::Skinner* skinner = nullptr; // owned only with ownSkin
    bool ownSkin = false;
    std::u16string defaultSkin;
    std::int32_t defaultWidth = kDefaultSize;
    std::int32_t defaultHeight = kDefaultSize;
    bool defaultEasyDrag = true;
    bool defaultMaximized = false;
    bool defaultKeepOnTop = false;
    const char16_t* middleClick = u"Close";
    ITaskbarList3* taskbar = nullptr; // owned (one reference)
    // COM was set up for the taskbar on this thread and must be undone there.
    bool comInitialized = false;
    DWORD comThread = 0;
};

} // namespace s::app::win
