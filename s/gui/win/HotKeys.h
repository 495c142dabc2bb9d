#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

namespace s::str::strarray {
class StrArray;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::gui::win {

// The system-wide hot keys of one window, registered by name. A name maps
// to its id through the global atom table, so the same name always gives the
// same id and a listener can tell keys apart by name (isPressed()). The names
// are kept in registration order so that all of them can be given back.
//
// Embedded in its Window, which owns it. A hot key belongs to the thread that
// registers it, so add(), remove() and removeAll() run on the window's
// thread only; onPressed() runs there too, and isPressed() may be asked from
// any thread.
class HotKeys {
public:
    // What the window's thread needs to register one key; the caller keeps
    // the texts alive until the registration has answered.
    struct Request {
        uint32_t modifiers;
        int32_t keyCode;
        const char16_t* name;
        bool reportFailure;
        // Shown (after the system's error number) when the key is taken.
        const char16_t* failureText;
    };

    HotKeys();
    ~HotKeys();
    HotKeys(const HotKeys&) = delete;
    HotKeys& operator=(const HotKeys&) = delete;

    // The system's modifier bits for the keys held with the hot key; with
    // noRepeat, holding the combination down raises it only once.
    static uint32_t modifierMask(bool alt, bool ctrl, bool shift, bool win, bool noRepeat);
    // Appends the text that tells the user a combination is taken, for
    // example "HotKey Alt+Ctrl+77 has been occupied by another application.".
    static void appendOccupiedText(s::str::strbuffer::StrBuffer* text, bool alt, bool ctrl,
                                   bool shift, bool win, int32_t keyCode);

    // Registers the combination for `window` under `name`. False when the
    // name is not usable (empty or longer than 255 units) or the system
    // refuses (the key is taken); `error` then holds the system's error
    // number. A name is registered at most once: give it back first.
    bool add(HWND window, const Request& request, DWORD* error);
    // Gives back the key registered under `name`, if any.
    void remove(HWND window, const char16_t* name);
    // Gives back every key.
    void removeAll(HWND window);

    // Records a press of the key with this id (the hot key message's wParam).
    void onPressed(WPARAM id) { lastId = static_cast<uint16_t>(id & 0xFFFF); }
    // True when the last key pressed is the one registered under `name`.
    bool isPressed(const char16_t* name) const;
    // Forgets the last press.
    void clearPressed() { lastId = 0; }

private:
    // Owned; touched on the window's thread only.
    s::str::strarray::StrArray* names;
    std::atomic<uint16_t> lastId{0};
};

} // namespace s::gui::win
