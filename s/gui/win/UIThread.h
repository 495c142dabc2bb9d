#pragma once
#include "s/platform/win/WinThread.h"

#include <type_traits>

namespace s::gui::win {

// The user-interface thread of one top-level window: every window of the
// toolkit lives on a thread of its own, and all its native windows, timers,
// hot keys, menus and message boxes belong to that thread.
//
// start(init, context) starts the thread, which initialises the common
// controls, OLE (and so COM, single-threaded apartment) and the process's COM
// security, then calls init(context); that is where the window creates its
// native windows. start() returns init's answer once it has returned. The
// thread then pumps messages until it is asked to quit: stop() (or
// postQuit()) from another thread, or PostQuitMessage() on the thread, which
// a window calls when it is destroyed. Use call()/invoke() to run code on the
// thread and wait for it.
//
//     UIThread ui;                               // usually a window's member
//     if (!ui.start(&createWindows, this)) ...   // createWindows runs on ui's thread
//     ui.invoke(work);                           // runs work() there, waits
//     ui.stop();                                 // WM_QUIT, waits up to 5 s
//
// Owned by the window that embeds it; not pooled (it is a thread, not a
// reusable object). The destructor stops the thread.
class UIThread : public s::platform::win::WinThread {
public:
    // Runs on the new thread after the platform initialisation; false makes
    // start() fail and ends the thread.
    using InitFunction = bool (*)(void* context);

    UIThread() = default;
    ~UIThread() override;

    // Starts the thread with `init` (may be null: nothing beyond the platform
    // initialisation) and waits for its answer. False also when the common
    // controls or OLE could not be initialised, or when already started.
    bool start(InitFunction init, void* context);
    // The same with a callable `bool()` (a lambda); start() returns only
    // after it has run, so a temporary is fine.
    template <class Function> bool startWith(Function&& init) {
        using Callable = std::remove_reference_t<Function>;
        return start(&initTrampoline<Callable>, const_cast<void*>(static_cast<const void*>(&init)));
    }

protected:
    bool initInstance() override;
    int exitInstance(int loopCode) override;

private:
    template <class Function> static bool initTrampoline(void* context) {
        return (*static_cast<Function*>(context))();
    }

    InitFunction initFunction = nullptr;
    void* initContext = nullptr;
    bool oleInitialized = false;
};

} // namespace s::gui::win
