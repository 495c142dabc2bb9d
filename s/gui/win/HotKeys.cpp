#include "s/gui/win/HotKeys.h"

#include "s/platform/win/WideText.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::win {

namespace {

// Modifier bits as the system numbers them.
constexpr uint32_t kAlt = 0x0001;
constexpr uint32_t kControl = 0x0002;
constexpr uint32_t kShift = 0x0004;
constexpr uint32_t kWinKey = 0x0008;
constexpr uint32_t kNoRepeat = 0x4000;
// Longest name the atom table takes.
constexpr size_t kLongestName = 255;

bool isUsableName(const char16_t* name) {
    if (name == nullptr || name[0] == 0) {
        return false;
    }
    size_t length = 0;
    while (name[length] != 0 && length <= kLongestName) {
        ++length;
    }
    return length <= kLongestName;
}

// The id of a name already in the atom table, 0 when it is not there.
ATOM findId(const char16_t* name) {
    return isUsableName(name) ? GlobalFindAtomW(s::platform::win::wide(name)) : 0;
}

} // namespace

HotKeys::HotKeys() : names(s::str::strarray::StrArray::newInstance()) {}

HotKeys::~HotKeys() {
    names->release();
}

uint32_t HotKeys::modifierMask(bool alt, bool ctrl, bool shift, bool win, bool noRepeat) {
    return (alt ? kAlt : 0) | (ctrl ? kControl : 0) | (shift ? kShift : 0) | (win ? kWinKey : 0) |
           (noRepeat ? kNoRepeat : 0);
}

void HotKeys::appendOccupiedText(s::str::strbuffer::StrBuffer* text, bool alt, bool ctrl,
                                 bool shift, bool win, int32_t keyCode) {
    text->appendWcs(u"HotKey ");
    if (alt) {
        text->appendWcs(u"Alt+");
    }
    if (ctrl) {
        text->appendWcs(u"Ctrl+");
    }
    if (shift) {
        text->appendWcs(u"Shift+");
    }
    if (win) {
        text->appendWcs(u"WinKey+");
    }
    text->appendInt32(keyCode);
    text->appendWcs(u" has been occupied by another application.");
}

bool HotKeys::add(HWND window, const Request& request, DWORD* error) {
    *error = ERROR_SUCCESS;
    uint32_t index = 0;
    if (!isUsableName(request.name)) {
        *error = ERROR_INVALID_PARAMETER;
        return false;
    }
    if (names->indexOf(request.name, -1, index)) {
        // Registered already; the window gives it back before it asks again.
        *error = ERROR_HOTKEY_ALREADY_REGISTERED;
        return false;
    }
    // Every registration holds one reference on its atom until it is given
    // back, so the name keeps its id while the key lives.
    const ATOM id = GlobalAddAtomW(s::platform::win::wide(request.name));
    if (id == 0) {
        *error = GetLastError();
        return false;
    }
    if (!RegisterHotKey(window, id, request.modifiers, static_cast<UINT>(request.keyCode))) {
        *error = GetLastError();
        GlobalDeleteAtom(id);
        return false;
    }
    names->appendCopy(request.name);
    return true;
}

void HotKeys::remove(HWND window, const char16_t* name) {
    uint32_t index = 0;
    if (!isUsableName(name) || !names->indexOf(name, -1, index)) {
        return;
    }
    const ATOM id = findId(name);
    UnregisterHotKey(window, id);
    GlobalDeleteAtom(id);
    names->removeAt(index);
}

void HotKeys::removeAll(HWND window) {
    while (!names->isEmpty()) {
        remove(window, names->textAt(names->count() - 1));
    }
}

bool HotKeys::isPressed(const char16_t* name) const {
    const ATOM id = findId(name);
    return id != 0 && id == lastId.load();
}

} // namespace s::gui::win
