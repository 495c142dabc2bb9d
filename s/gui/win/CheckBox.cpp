#include "s/gui/win/CheckBox.h"

#include <windowsx.h>

#include "s/gui/text/Ampersands.h"
#include "s/gui/win/ControlSize.h"
#include "s/gui/win/Font.h"
#include "s/lang/Localizer.h"
#include "s/platform/win/WideText.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::win {

using s::platform::win::wide;
using s::str::strbuffer::StrBuffer;

namespace {

// The click notification the window class reflects back to the control.
constexpr UINT kReflectedClick = WM_APP + 4;

// Room for the check mark and its gap when the system gives no ideal size
// (design pixels), and the mark's height.
constexpr int32_t kMarkWidth = 13;
constexpr int32_t kMarkGap = 6;
constexpr int32_t kExtraHeight = 2;

} // namespace

CheckBox::CheckBox() {
    font = Font::newInstance();
    text = StrBuffer::newInstance();
    shown = StrBuffer::newInstance();
    reset();
}

CheckBox::~CheckBox() {
    detach();
    font->release();
    text->release();
    shown->release();
}

void CheckBox::reset() {
    detach();
    Leaf::reset();
    font->reset();
    text->clear();
    shown->clear();
    textId = -1;
    localizer = nullptr;
    wordWrap = false;
    checked = false;
    checkedListeners.reset();
    uncheckedListeners.reset();
    measure();
}

bool CheckBox::createNative(HWND parent) {
    const DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | BS_NOTIFY | BS_AUTOCHECKBOX |
                        (wordWrap ? BS_MULTILINE : 0);
    return createControl(L"BUTTON", 0, wide(shown->c_str()), style, 0, 0, 0, 0, parent, kControlId);
}

void CheckBox::afterCreate() {
    SendMessageW(getHandle(), WM_SETFONT, reinterpret_cast<WPARAM>(font->getHandle()), FALSE);
    SendMessageW(getHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    resolveTextId();
    measure();
}

void CheckBox::setText(const char16_t* newText) {
    textId = -1;
    applyText(newText);
}

void CheckBox::applyText(const char16_t* newText) {
    text->assignWcs(newText != nullptr ? newText : u"");
    s::gui::text::Ampersands::doubled(text->c_str(), *shown);
    if (isAttached()) {
        SetWindowTextW(getHandle(), wide(shown->c_str()));
    }
    measure();
}

void CheckBox::setTextId(int32_t id) {
    textId = id;
    resolveTextId();
}

void CheckBox::setLocalizer(s::lang::Localizer* textSource) {
    localizer = textSource;
    resolveTextId();
}

void CheckBox::resolveTextId() {
    if (textId != -1) {
        applyText(localizer != nullptr ? localizer->getText(textId) : u"");
    }
}

const char16_t* CheckBox::getText() const {
    return text->c_str();
}

void CheckBox::setWordWrap(bool on) {
    wordWrap = on;
}

void CheckBox::measure() {
    const s::gui::layout::Size natural = ControlSize::natural(
        getHandle(), *font, shown->c_str(), kMarkWidth + kMarkGap, kExtraHeight, kMarkWidth);
    setNaturalSize(natural.width, natural.height);
}

void CheckBox::setChecked(bool on) {
    if (isAttached()) {
        SendMessageW(getHandle(), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    changeState(on);
}

void CheckBox::changeState(bool on) {
    if (on == checked) {
        return;
    }
    checked = on;
    if (on) {
        checkedListeners.raise(this, static_cast<int32_t>(CheckBoxEvent::Checked));
    } else {
        uncheckedListeners.raise(this, static_cast<int32_t>(CheckBoxEvent::Unchecked));
    }
}

void CheckBox::addCheckedListener(s::gui::events::IEventListener* listener) {
    checkedListeners.add(listener);
}

void CheckBox::addUncheckedListener(s::gui::events::IEventListener* listener) {
    uncheckedListeners.add(listener);
}

void CheckBox::onWheel(WPARAM wParam, LPARAM lParam) {
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT bounds;
    if (GetWindowRect(getHandle(), &bounds) && PtInRect(&bounds, point)) {
        return;
    }
    const HWND window = GetAncestor(getHandle(), GA_ROOT);
    if (window != nullptr && window != getHandle()) {
        SendMessageW(window, WM_MOUSEWHEEL, wParam, lParam);
    }
}

bool CheckBox::handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    *result = 0;
    switch (message) {
    case kReflectedClick:
        // The automatic check box has already changed its mark (click or
        // space bar); the state follows it.
        changeState(SendMessageW(getHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED);
        return true;
    case WM_MOUSEWHEEL:
        onWheel(wParam, lParam);
        return true;
    default:
        return false;
    }
}

} // namespace s::gui::win
