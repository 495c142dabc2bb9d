#include "s/gui/win/ButtonControl.h"

#include <windowsx.h>

#include "s/gui/win/Box.h"
#include "s/gui/win/ControlSize.h"
#include "s/gui/win/Font.h"
#include "s/platform/win/NotificationReflector.h"
#include "s/platform/win/WideText.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::win {

using s::platform::win::wide;
using s::str::strbuffer::StrBuffer;

ButtonControl::ButtonControl(int32_t id, Room textRoom) : controlId(id), room(textRoom) {
    font = Font::newInstance();
    disabledFont = Font::newInstance();
    text = StrBuffer::newInstance();
}

ButtonControl::~ButtonControl() {
    detach();
    font->release();
    disabledFont->release();
    text->release();
}

void ButtonControl::resetControl() {
    detach();
    Leaf::reset();
    font->reset();
    disabledFont->reset();
    skinBuffer.reset();
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
    // The system's ideal size is that of its own look, which an owner-drawn
    // control does not have: its text is measured instead.
    const HWND control = isOwnerDrawn() ? nullptr : getHandle();
    const s::gui::layout::Size natural = ControlSize::natural(
        control, *font, shownText(), room.extraWidth, room.extraHeight, room.minimumHeight);
    const s::gui::layout::Size before = getSizing().getNatural();
    setNaturalSize(natural.width, natural.height);
    if (natural.width != before.width || natural.height != before.height) {
        sizesChanged();
    }
}

void ButtonControl::matchDisabledFont() {
    disabledFont->setFontSize(font->getFontSize());
    disabledFont->setWordWrap(font->getWordWrap());
}

void ButtonControl::skinChanged() {
    if (isAttached()) {
        const HWND control = getHandle();
        // Completing the font made a new system font.
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font->getHandle()), FALSE);
        SendMessageW(control, BM_SETSTYLE, controlStyle() | BS_NOTIFY, FALSE);
        afterStyleSwitch();
        SetWindowTextW(control, wide(shownText()));
        skinBuffer.reset();
    }
    measure();
    if (isAttached()) {
        InvalidateRect(getHandle(), nullptr, TRUE);
    }
}

void ButtonControl::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (!isOwnerDrawn() || item.hDC == nullptr) {
        return;
    }
    const int32_t width = item.rcItem.right - item.rcItem.left;
    const int32_t height = item.rcItem.bottom - item.rcItem.top;
    const UINT state = item.itemState;
    skinBuffer.paint(item.hDC, width, height, [this, width, height, state](HDC dc) {
        // The drawers leave the corners and a plain button's inside to what
        // lies behind it.
        Box::drawParentBackground(dc, *this);
        drawSkinned(dc, width, height, state);
    });
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
    if (message == s::platform::win::NotificationReflector::kDrawItem) {
        onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        *result = TRUE;
        return true;
    }
    if (message != WM_MOUSEWHEEL) {
        return false;
    }
    onWheel(wParam, lParam);
    return true;
}

} // namespace s::gui::win
