#pragma once
#include <atomic>
#include <cstdint>

#include "magnifier/logic/TriggerKeys.h"

namespace s::image::gui::dialogs::magnifier {

// Milliseconds since 1970-01-01 UTC, from whatever clock the caller injects.
using Clock = int64_t (*)(void* context);

// What one pass of the polling loop does.
enum class PollStep {
    Nothing,
    ShowAndWaitForRelease, // "Show", then wait until the trigger is let go
    HideAndWaitForRelease, // "Hide", then wait until the trigger is let go
    Hide,                  // "Hide"
};

// The decisions of the lens: when it is shown and hidden, the activation
// click and its grace second, the wheel zoom and when a drawing is due. The
// key state and the time come from an injected probe and clock, so every rule
// runs anywhere; the magnifier dialog carries the decisions out.
//
//   Hidden --trigger pressed, isOn------------------> Shown (activation click armed)
//   Hidden --tray icon left click-------------------> Shown (no activation click)
//   Shown  --trigger pressed again, autoLock--------> Hidden (then wait for the release)
//   Shown  --trigger up, autoLock off---------------> Hidden
//   Shown  --Escape, trigger not held---------------> Hidden
//   Shown  --right button up, autoLock--------------> Hidden
//   Shown  --left button up, autoLock, later than
//            the activation click's deadline--------> Hidden
//   Shown  --wheel, autoLock-----------------------> Shown with a new zoom
//
// Threads: the polling worker calls only isTriggerHeld() and nextPollStep(),
// which read the settings and `shown`; those are atomic. Everything else
// (showing, hiding, clicks, wheel, drawing) happens on the lens window's
// thread, which alone touches `zoom`, `clickDone`, `clickDeadline` and the
// last cursor position. The probe and the clock are set before the worker
// starts and stay fixed while it runs. Owned by the dialog, by value.
class LensRules {
public:
    // Left-button releases are ignored this long after the activation click.
    static constexpr int64_t kClickGraceMilliseconds = 1000;
    // The last cursor position before anything was drawn.
    static constexpr int32_t kNoCursor = -10000;
    static constexpr int32_t kDefaultLevel = 200;

    LensRules(KeyProbe probe, void* probeContext, Clock clock, void* clockContext);

    // Defaults: right Ctrl, on, auto-lock, 200 percent, hidden, no click
    // armed. Probe and clock stay.
    void reset();
    void setKeyProbe(KeyProbe probe, void* context);
    void setClock(Clock clock, void* context);

    // Settings, read at start and changed by the menu.
    void setKeyType(int32_t type) { keyType = type; }
    int32_t getKeyType() const { return keyType; }
    void setOn(bool on) { isOn = on; }
    bool getOn() const { return isOn; }
    void setAutoLock(bool on) { autoLock = on; }
    bool getAutoLock() const { return autoLock; }
    void setMagnificationLevel(int32_t percent) { magnificationLevel = percent; }
    int32_t getMagnificationLevel() const { return magnificationLevel; }

    // --- the polling worker ---
    // Every key of the trigger row is down now.
    bool isTriggerHeld() const;
    // The trigger decides while it is held (so Escape is not looked at then);
    // otherwise a shown lens goes on Escape or when auto-lock is off.
    PollStep nextPollStep() const;

    // --- the lens window's thread ---
    bool isShown() const { return shown; }
    int32_t getZoom() const { return zoom; }
    bool isClickDone() const { return clickDone; }
    int64_t getClickDeadline() const { return clickDeadline; }

    // The lens is up (its picture was taken): the working zoom starts from
    // the chosen level and the next cursor event draws.
    void lensShown();
    // The lens is down; no activation click is pending.
    void lensHidden();
    // After a "Show" call: the next drawing makes the activation click, and
    // left releases wait a grace second. Nothing is armed when the lens did
    // not come up (its picture could not be taken).
    void armActivationClick();
    // Whether a drawing with the cursor at (dx, dy) relative to the lens
    // window of width x height makes the armed activation click now; when it
    // does, the grace second starts and the click counts as made. The cursor
    // must lie strictly inside (the left column and top row do not count).
    bool takeActivationClick(int32_t dx, int32_t dy, int32_t width, int32_t height);

    // A left click on the tray icon shows a hidden lens.
    bool showsOnTrayClick() const { return !shown; }
    // A right release on the lens hides it with auto-lock.
    bool hidesOnRightUp() const { return autoLock && shown; }
    // A left release hides it with auto-lock once the activation click is
    // made and the time is later than its deadline.
    bool hidesOnLeftUp() const;
    // One wheel step (positive forward) on a shown lens with auto-lock:
    // changes the working zoom within 110 .. 5000 and answers true (redraw).
    bool wheel(int32_t wheelValue);

    // Whether a drawing is due: only while shown, and then when forced, when
    // painting or when the cursor moved since the last drawing.
    bool needsDrawing(bool force, bool painting, int32_t cursorX, int32_t cursorY) const;
    void drawn(int32_t cursorX, int32_t cursorY);

private:
    int64_t now() const { return clock(clockContext); }

    KeyProbe probe;
    void* probeContext;
    Clock clock;
    void* clockContext;

    std::atomic<int32_t> keyType{kDefaultKeyType};
    std::atomic<bool> isOn{true};
    std::atomic<bool> autoLock{true};
    std::atomic<int32_t> magnificationLevel{kDefaultLevel};
    std::atomic<bool> shown{false};
    int32_t zoom = kDefaultLevel;
    bool clickDone = true;
    int64_t clickDeadline = 0;
    int32_t lastCursorX = kNoCursor;
    int32_t lastCursorY = kNoCursor;
};

} // namespace s::image::gui::dialogs::magnifier
