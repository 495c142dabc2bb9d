#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "magnifier/LensPainter.h"
#include "magnifier/LensWindowSettings.h"
#include "magnifier/TextIds.h"
#include "magnifier/logic/LensRules.h"
#include "magnifier/logic/MagnifierSettings.h"
#include "magnifier/logic/TrayMenu.h"
#include "s/base/IObject.h"
#include "s/gui/events/IEventListener.h"
#include "s/image/win/BufferedImage.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/ITask.h"
#include "s/thread/ObjLocker.h"

namespace s::app::win {
class AppBase;
class AppWindow;
} // namespace s::app::win
namespace s::gui::dialogs {
class About3;
}
namespace s::gui::win {
class Box;
class PopupMenu;
class Window;
} // namespace s::gui::win
namespace s::thread::win {
class Thread;
}
namespace s::lang {
class Localizer;
}
namespace s::map {
class IMappedData;
}
namespace s::app {
class IAppWindow;
}

namespace s::image::gui::dialogs::magnifier {

// The controller of the lens. It owns the lens window (a borderless window
// that covers the whole virtual screen while shown), its canvas and the tray
// menu, keeps the lens state, listens to the window's events and runs the
// key-polling loop on its own worker thread.
//
// The decisions (when to show and hide, the activation click, the wheel
// zoom) are `rules`; the dialog carries them out with the window, the screen
// capture and the synthetic click.
//
// Threads: the worker runs run(); the lens window's thread runs onEvent,
// showLens, hideLens, the wheel step and drawLens. The worker never touches
// the window directly: "Show" and "Hide" travel as synchronous calls and
// execute on the window's thread. `lock` guards showing, hiding and the wheel
// step; what the loop reads of `rules` is atomic.
//
// Pooled: take with newInstance(), give back with release(), whose reset()
// stops the polling task and gives back the lens window.
class Dialog : public s::gui::events::IEventListener,
               public s::base::IObject,
               public s::thread::IPoolable,
               public s::thread::ITask {
    S_POOLED_CLASS(Dialog, u"s_image_gui_dialogs_magnifier_Dialog")
public:
    // Names of the synchronous calls to the lens window, compared by address.
    static constexpr const char16_t* kShowCall = u"Show";
    static constexpr const char16_t* kHideCall = u"Hide";

    void reset() override;
    void onEvent(s::base::IObject* source, int32_t code) override;
    // The key-polling loop; runs on `worker`.
    void run() override;

    // A dialog for the main window's settings object: the lens window is
    // bound to it, and the dialog uses its localizer and its application
    // base's store (all borrowed; they must outlive the dialog). Owned by
    // the caller.
    // Null gives a dialog with the default settings, no texts and nothing
    // stored.
    static Dialog* createDialog(s::app::IAppWindow* appWindow);

    // Builds the lens window, its menu and tray icon, starts the polling
    // task and, unless started at boot, shows the usage hint (modal).
    void start(bool bootStart);
    s::gui::win::Window* getLensWindow() const { return lensWindow; }
    // The application whose windows the About command opens (borrowed; it
    // must outlive the dialog). Without one the command shows nothing.
    void setApplication(s::app::win::AppBase* application) { appBase = application; }
    // The version information window, once the About command made it.
    s::gui::dialogs::About3* getAboutWindow() const { return aboutWindow; }

    void drawLens(bool force, HDC paintDc);
    bool isTriggerHeld() const;
    void showLens();
    void hideLens();

    // The lens state. Tests may swap its key probe before start(); reset()
    // puts the keyboard back.
    LensRules& getRules() { return rules; }
    // True while the polling loop runs.
    bool isPolling() const { return taskRunning; }

private:
    Dialog();
    ~Dialog() override;

    // The text of an id in the current language ("" without a localizer).
    const char16_t* text(TextId id) const;
    // Reads the stored settings into the fields and answers them.
    MagnifierSettings readSettings();
    void buildTrayMenu(const MagnifierSettings& stored);
    void buildLensWindow();
    void bindLensWindow();
    void showUsageHint();
    void onLensWindowEvent(int32_t code);
    void onCall();
    void onWheel();
    void onMenuCommand(int32_t commandId);
    // Writes the setting a command changed, at once.
    void storeSetting(const MenuAction& action);
    // The version information window's command.
    void openAbout();
    // Sends a call name to the lens window and waits until it has run.
    void sendToLens(const char16_t* name);
    // Waits, polling, until the trigger combination is released.
    void waitForRelease() const;
    void makeActivationClick();

    s::app::IAppWindow* appWindow = nullptr;
    // The lens window's binding to `appWindow`, without its bounds.
    LensWindowSettings lensSettings;
    s::map::IMappedData* settings = nullptr;
    s::lang::Localizer* localizer = nullptr;
    s::app::win::AppBase* appBase = nullptr;
    s::gui::win::Window* lensWindow = nullptr;
    // Made on the first About command, kept for the program's life; owned.
    s::app::win::AppWindow* aboutSettings = nullptr;
    s::gui::dialogs::About3* aboutWindow = nullptr;
    // The lens window's thread: the lens was shown while the version window
    // held its window disabled, and enabled it for the time it is shown.
    bool lensEnabledOverModal = false;
    // Borrowed: the lens window owns its tray menu and canvas.
    s::gui::win::PopupMenu* trayMenu = nullptr;
    // The tray menu's tree and commands.
    TrayMenu menu;
    s::gui::win::Box* canvas = nullptr;
    s::image::win::BufferedImage* snapshot = nullptr;
    // Draws the lens; its frame and tables, like the snapshot's pixels, are
    // held only while the lens is shown.
    LensPainter painter;
    LensRules rules;

    s::thread::win::Thread* worker = nullptr;
    s::thread::ObjLocker lock;
    std::atomic<bool> taskRunning{false};
    std::atomic<bool> stopRequested{false};
};

} // namespace s::image::gui::dialogs::magnifier
