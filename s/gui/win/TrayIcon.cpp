#include "s/gui/win/TrayIcon.h"

#include <shellapi.h>

namespace s::gui::win {

namespace {

// The record layout that ends with the item id: every shell since Windows XP
// accepts it.
constexpr DWORD kRecordSize = offsetof(NOTIFYICONDATAW, guidItem) + sizeof(GUID);
// One icon per window.
constexpr UINT kIconId = 0;
// What marks a shortened tip.
constexpr char16_t kEllipsis = u'\u2026';

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

} // namespace

size_t TrayIcon::copyTip(const char16_t* text, wchar_t* field, size_t capacity) {
    if (field == nullptr || capacity == 0) {
        return 0;
    }
    const char16_t* source = text != nullptr ? text : u"";
    size_t length = 0;
    while (length < capacity && source[length] != 0) {
        ++length;
    }
    size_t kept = length;
    bool shortened = false;
    if (length >= capacity) {
        // Room for the kept units, the ellipsis and the terminator.
        kept = capacity >= 2 ? capacity - 2 : 0;
        // A high surrogate at the cut would lose its partner.
        if (kept > 0 && isHighSurrogate(source[kept - 1])) {
            --kept;
        }
        shortened = capacity >= 2;
    }
    for (size_t i = 0; i < kept; ++i) {
        field[i] = static_cast<wchar_t>(source[i]);
    }
    if (shortened) {
        field[kept++] = static_cast<wchar_t>(kEllipsis);
    }
    field[kept] = 0;
    return kept;
}

UINT TrayIcon::taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

bool TrayIcon::send(DWORD command, HWND window, UINT flags, HICON icon, const char16_t* tip) {
    NOTIFYICONDATAW data = {};
    data.cbSize = kRecordSize;
    data.hWnd = window;
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = (flags & NIF_MESSAGE) != 0 ? kCallbackMessage : 0;
    data.hIcon = icon;
    if ((flags & NIF_TIP) != 0) {
        copyTip(tip, data.szTip, kTipCapacity);
    }
    return Shell_NotifyIconW(command, &data) != FALSE;
}

bool TrayIcon::add(HWND window, HICON icon, const char16_t* tip) {
    shown = true;
    return send(NIM_ADD, window, NIF_MESSAGE | NIF_ICON | NIF_TIP, icon, tip);
}

bool TrayIcon::modify(HWND window, HICON icon, const char16_t* tip) {
    return shown.load() && send(NIM_MODIFY, window, NIF_MESSAGE | NIF_ICON | NIF_TIP, icon, tip);
}

bool TrayIcon::modifyTip(HWND window, const char16_t* tip) {
    return shown.load() && send(NIM_MODIFY, window, NIF_TIP, nullptr, tip);
}

bool TrayIcon::remove(HWND window) {
    shown = false;
    return send(NIM_DELETE, window, 0, nullptr, nullptr);
}

} // namespace s::gui::win
