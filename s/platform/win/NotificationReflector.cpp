#include "s/platform/win/NotificationReflector.h"

#include <cstddef>
#include <cstdint>

namespace s::platform::win {

namespace {

// The 16-bit colour request, kept for controls that still send it.
constexpr UINT kOldColourRequest = 0x19;

struct Reflection {
    int32_t code;    // notification code
    UINT message;    // sent to the control
    bool passAnswer; // the control's answer goes back to the parent, else 0
};

constexpr Reflection kCommands[] = {
    {0, WM_APP + 4, false},      {1, WM_APP + 10, false}, {5, WM_APP + 5, false},
    {7, WM_APP + 15, false},     {8, WM_APP + 16, false}, {0x200, WM_APP + 21, false},
    {0x300, WM_APP + 12, false},
};

constexpr Reflection kNotifications[] = {
    {-101, WM_APP + 6, false}, {-115, WM_APP + 7, false}, {-109, WM_APP + 8, false},
    {-176, WM_APP + 9, true},  {-551, WM_APP + 11, true}, {-108, WM_APP + 13, true},
    {-12, WM_APP + 14, true},  {-310, WM_APP + 17, true}, {-311, WM_APP + 18, true},
    {-100, WM_APP + 19, true},
};

template <size_t Count> const Reflection* find(const Reflection (&table)[Count], int32_t code) {
    for (const Reflection& entry : table) {
        if (entry.code == code) {
            return &entry;
        }
    }
    return nullptr;
}

bool send(HWND control, const Reflection& entry, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const LRESULT answer = SendMessageW(control, entry.message, wParam, lParam);
    *result = entry.passAnswer ? answer : 0;
    return true;
}

// A control other than the window itself that still exists.
bool isOtherControl(HWND window, HWND control) {
    return control != nullptr && control != window && IsWindow(control);
}

} // namespace

bool NotificationReflector::reflect(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    LRESULT* result) {
    const bool colourRequest = message == kOldColourRequest ||
                               (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
    if (colourRequest) {
        const HWND control = reinterpret_cast<HWND>(lParam);
        if (!isOtherControl(window, control)) {
            return false;
        }
        *result = SendMessageW(control, kColour, wParam, lParam);
        return true;
    }
    switch (message) {
    case WM_COMMAND:
        return reflectCommand(window, wParam, lParam, result);
    case WM_NOTIFY:
        return reflectNotify(window, wParam, lParam, result);
    case WM_DRAWITEM: {
        // An owner-drawn control paints itself with its own drawer.
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item == nullptr || item->CtlType == ODT_MENU ||
            !isOtherControl(window, item->hwndItem)) {
            return false;
        }
        SendMessageW(item->hwndItem, kDrawItem, wParam, lParam);
        *result = TRUE;
        return true;
    }
    case WM_HSCROLL:
        // The control hears of it first; the system default still runs.
        if (isOtherControl(window, reinterpret_cast<HWND>(lParam))) {
            SendMessageW(reinterpret_cast<HWND>(lParam), WM_HSCROLL, wParam, lParam);
        }
        return false;
    default:
        return false;
    }
}

bool NotificationReflector::reflectCommand(HWND window, WPARAM wParam, LPARAM lParam,
                                           LRESULT* result) {
    // A menu or accelerator command names no control.
    const HWND control = reinterpret_cast<HWND>(lParam);
    if (!isOtherControl(window, control)) {
        return false;
    }
    const int32_t code = HIWORD(wParam);
    const Reflection* entry = find(kCommands, code);
    if (entry == nullptr) {
        return false;
    }
    return send(control, *entry, wParam, lParam, result);
}

bool NotificationReflector::reflectNotify(HWND window, WPARAM wParam, LPARAM lParam,
                                          LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || !isOtherControl(window, header->hwndFrom)) {
        return false;
    }
    const Reflection* entry = find(kNotifications, static_cast<int32_t>(header->code));
    if (entry == nullptr) {
        return false;
    }
    return send(header->hwndFrom, *entry, wParam, lParam, result);
}

} // namespace s::platform::win
