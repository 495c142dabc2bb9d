#include "s/gui/win/ButtonControl.h"

#include <windowsx.h>

#include "s/gui/win/ControlSize.h"
#include "s/gui/win/Font.h"
#include "s/platform/win/WideText.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::win {

using s::platform::win::wide;
using s::str::strbuffer::StrBuffer;

ButtonControl::ButtonControl(int32_t id, Room textRoom) : controlId(id), room(textRoom) {
    font = Font::newInstance();
    text = StrBuffer::newInstance();
}

ButtonControl::~ButtonControl() {
    detach();
    font->release();
    text->release();
}

void ButtonControl::resetControl() {
    detach();
    Leaf::reset();
    font->reset();
    text->clear();
    textById.reset();
    textChanged();
}

bool ButtonControl::createNative(HWND parent) {
    return createControl(L"BUTTON", 0, wide(shownText()),
                         WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | BS_NOTIFY | controlStyle(), 0, 0,
                         0, 0, parent, controlId);
}

void ButtonControl::afterCreate() {
    SendMessageW(getHandle(), WM_SETFONT, reinterpret_cast<WPARAM>(font->getHandle()), FALSE);
    resolveTextId();
    measure();
}

void ButtonControl::setText(const char16_t* newText) {
    textById.forgetId();
    applyText(newText);
}

void ButtonControl::applyText(const char16_t* newText) {
    text->assignWcs(newText != nullptr ? newText : u"");
    textChanged();
    if (isAttached()) {
        SetWindowTextW(getHandle(), wide(shownText()));
    }
    measure();
}

void ButtonControl::setTextId(int32_t id) {
    textById.setId(id);
    resolveTextId();
}

void ButtonControl::setLocalizer(s::lang::Localizer* textSource) {
    textById.setLocalizer(textSource);
    resolveTextId();
}

void ButtonControl::resolveTextId() {
    const char16_t* resolved = textById.resolve();
    if (resolved != nullptr) {
        applyText(resolved);
    }
}

const char16_t* ButtonControl::getText() const {
    return text->c_str();
}

const char16_t* ButtonControl::shownText() const {
    return text->c_str();
}

void ButtonControl::measure() {
    const s::gui::layout::Size natural = ControlSize::natural(
        getHandle(), *font, shownText(), room.extraWidth, room.extraHeight, room.minimumHeight);
    setNaturalSize(natural.width, natural.height);
}

void ButtonControl::onWheel(WPARAM wParam, LPARAM lParam) {
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

bool ButtonControl::handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    *result = 0;
    if (message != WM_MOUSEWHEEL) {
        return false;
    }
    onWheel(wParam, lParam);
    return true;
}

} // namespace s::gui::win
