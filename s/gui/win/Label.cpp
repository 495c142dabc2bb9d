#include "s/gui/win/Label.h"

#include <windowsx.h>

#include "s/gui/IContainer.h"
#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/win/Box.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/SkinFonts.h"
#include "s/platform/win/GdiObject.h"
#include "s/platform/win/WindowDC.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/system/win/WebAddress.h"

namespace s::gui::win {

using s::str::strbuffer::StrBuffer;

namespace {

// Mouse states of a link.
constexpr int32_t kStateNormal = 0;
constexpr int32_t kStateHover = 1;
constexpr int32_t kStatePressed = 2;

const char16_t* orEmpty(const char16_t* text) {
    return text != nullptr ? text : u"";
}

} // namespace

Label::Label() {
    for (Font*& font : fonts) {
        font = Font::newInstance();
    }
    drawer = s::gui::drawer::text::win::Basic::newInstance();
    text = StrBuffer::newInstance();
    linkTarget = StrBuffer::newInstance();
    flashSaved = StrBuffer::newInstance();
    reset();
}

Label::~Label() {
    // The native window goes first: its paint must not find the fonts gone.
    detach();
    for (Font* font : fonts) {
        font->release();
    }
    drawer->release();
    text->release();
    linkTarget->release();
    flashSaved->release();
}

void Label::reset() {
    detach();
    Leaf::reset();
    buffer.reset();
    listeners.reset();
    for (Font* font : fonts) {
        font->reset();
    }
    drawer->reset();
    skinText = nullptr;
    completeFonts();
    text->clear();
    linkTarget->clear();
    flashSaved->clear();
    flashing = false;
    textById.reset();
    link = false;
    transparent = true;
    background = GetSysColor(COLOR_BTNFACE);
    mouseState = kStateNormal;
    pressing = false;
    remeasure();
}

void Label::setText(const char16_t* newText, bool repaint) {
    textById.forgetId();
    showText(newText, repaint);
}

void Label::showText(const char16_t* newText, bool repaint) {
    if (isAttached()) {
        // The label's window does it on its own thread (at once when that
        // is the calling thread).
        SendMessageW(getHandle(), kSetText, reinterpret_cast<WPARAM>(orEmpty(newText)),
                     repaint ? 1 : 0);
        return;
    }
    applyText(newText, repaint);
}

void Label::applyText(const char16_t* newText, bool repaint) {
    // During a flash the new text is what the flash gives back, so that no
    // change made meanwhile is lost when it ends.
    if (flashing) {
        flashSaved->assignWcs(orEmpty(newText));
        return;
    }
    text->assignWcs(orEmpty(newText));
    remeasure();
    if (repaint) {
        invalidate();
    }
}

void Label::setTextId(int32_t id) {
    textById.setId(id);
    resolveTextId();
}

void Label::setLocalizer(s::lang::Localizer* textSource) {
    textById.setLocalizer(textSource);
    resolveTextId();
}

void Label::resolveTextId() {
    const char16_t* resolved = textById.resolve();
    if (resolved != nullptr) {
        showText(resolved, true);
    }
}

const char16_t* Label::getText() const {
    return text->c_str();
}

void Label::setWordWrap(bool on) {
    for (Font* font : fonts) {
        font->setWordWrap(on);
    }
    remeasure();
    invalidate();
}

void Label::setEllipsis(bool on) {
    for (Font* font : fonts) {
        font->setEllipsis(on);
    }
    remeasure();
    invalidate();
}

void Label::setFontSize(int32_t code) {
    for (Font* font : fonts) {
        font->setFontSize(code);
    }
    // The styles follow the code first, so the fonts take matching sizes.
    completeFonts();
    remeasure();
    invalidate();
}

void Label::setTextColor(uint8_t red, uint8_t green, uint8_t blue) {
    fonts[kNormal]->setTextColor(red, green, blue);
    invalidate();
}

void Label::setBackground(uint8_t red, uint8_t green, uint8_t blue) {
    background = RGB(red, green, blue);
    transparent = false;
    invalidate();
}

void Label::setTransparent() {
    transparent = true;
    invalidate();
}

void Label::setLink(bool on) {
    link = on;
    if (!on) {
        setMouseState(kStateNormal);
        pressing = false;
    }
    invalidate();
}

void Label::setLinkTarget(const char16_t* target) {
    linkTarget->assignWcs(orEmpty(target));
}

void Label::flashText(const char16_t* flash, int32_t durationMs) {
    if (!isAttached() || durationMs < 0) {
        // Nothing would end it: a flash needs the label's window and a time.
        return;
    }
    SendMessageW(getHandle(), kFlashText, reinterpret_cast<WPARAM>(orEmpty(flash)),
                 static_cast<LPARAM>(durationMs));
}

void Label::startFlash(const char16_t* flash, UINT durationMs) {
    if (!flashing) {
        flashSaved->assignStr(text);
    }
    flashing = false;
    applyText(flash, true);
    flashing = true;
    // Setting the timer again restarts it with the new duration.
    if (SetTimer(getHandle(), kFlashTimer, durationMs, nullptr) == 0) {
        endFlash();
    }
}

void Label::endFlash() {
    KillTimer(getHandle(), kFlashTimer);
    if (!flashing) {
        return;
    }
    flashing = false;
    text->assignStr(flashSaved);
    flashSaved->clear();
    remeasure();
    invalidate();
}

void Label::addListener(s::gui::events::IEventListener* listener) {
    listeners.add(listener);
}

void Label::completeFonts() {
    if (skinText != nullptr) {
        SkinFonts::complete(*skinText, fonts[kNormal], fonts[kDisabled], fonts[kLink],
                            fonts[kHover], fonts[kPressed]);
        return;
    }
    drawer->completeFonts(fonts[kNormal], fonts[kDisabled], fonts[kLink], fonts[kHover],
                          fonts[kPressed]);
}

void Label::applySkin(s::gui::drawer::ISkin* skin) {
    skinText = skin != nullptr ? skin->getTextDrawer() : nullptr;
    completeFonts();
    remeasure();
    invalidate();
}

s::gui::layout::SizeRange Label::getSizeRange() const {
    return {{extents.minWidth, extents.height}, {extents.maxWidth, extents.maxHeight}};
}

void Label::remeasure() {
    // The screen's context measures like the label's own: same device, and
    // it exists before the label is attached.
    const s::platform::win::WindowDC screen(nullptr);
    if (!screen) {
        return;
    }
    const s::gui::text::TextExtents measured =
        drawer->measureForLayout(screen.get(), text->c_str(), *fonts[kNormal]);
    const bool changed =
        measured.minWidth != extents.minWidth || measured.height != extents.height ||
        measured.maxWidth != extents.maxWidth || measured.maxHeight != extents.maxHeight;
    extents = measured;
    if (changed) {
        sizesChanged();
    }
}

void Label::invalidate() {
    if (isAttached()) {
        InvalidateRect(getHandle(), nullptr, FALSE);
    }
}

void Label::afterCreate() {
    resolveTextId();
    remeasure();
}

void Label::placed(const s::gui::layout::Rect& inParent) {
    placeNative(inParent);
    // Wrapped or cut text is laid out anew for the new width.
    invalidate();
}

void Label::enablingChanged() {
    enableNative();
    invalidate();
}

Font& Label::paintFont() const {
    if (!isEnabled()) {
        return *fonts[kDisabled];
    }
    if (!link) {
        return *fonts[kNormal];
    }
    if (mouseState == kStatePressed) {
        return *fonts[kPressed];
    }
    return *fonts[mouseState == kStateHover ? kHover : kLink];
}

void Label::paintBackground(HDC dc, int32_t width, int32_t height) {
    if (transparent) {
        // What the parent box (or the window) shows behind the label.
        Box::drawParentBackground(dc, *this);
        return;
    }
    const RECT all = {0, 0, width, height};
    const s::platform::win::OwnedGdiObject<HBRUSH> fill(CreateSolidBrush(background));
    FillRect(dc, &all, fill.get());
}

void Label::paintInto(HDC target) {
    RECT client;
    GetClientRect(getHandle(), &client);
    const int32_t width = client.right;
    const int32_t height = client.bottom;
    buffer.paint(target, width, height, [this, width, height](HDC dc) {
        paintBackground(dc, width, height);
        drawer->draw(dc, 0, 0, width, height, text->c_str(), paintFont());
    });
}

bool Label::isInside(LPARAM lParam) const {
    RECT client;
    GetClientRect(getHandle(), &client);
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, point) != FALSE;
}

void Label::setMouseState(int32_t state) {
    if (mouseState != state) {
        mouseState = state;
        invalidate();
    }
}

void Label::onMouseMove(LPARAM lParam) {
    const bool inside = isInside(lParam);
    if (pressing) {
        setMouseState(inside ? kStatePressed : kStateNormal);
        return;
    }
    holdCaptureWhile(inside);
    setMouseState(inside ? kStateHover : kStateNormal);
}

void Label::onLeftDown() {
    pressing = true;
    SetCapture(getHandle());
    setMouseState(kStatePressed);
}

void Label::onLeftUp(LPARAM lParam) {
    const bool clicked = pressing && isInside(lParam);
    pressing = false;
    setMouseState(clicked ? kStateHover : kStateNormal);
    if (!clicked && GetCapture() == getHandle()) {
        ReleaseCapture();
    }
    if (!clicked) {
        return;
    }
    if (!linkTarget->isEmpty()) {
        // A refusal of the shell has no better answer than the click event.
        s::system::win::openWebAddress(linkTarget->c_str());
    }
    listeners.raise(this, static_cast<int32_t>(LabelEvent::Clicked));
}

void Label::onCaptureLost() {
    pressing = false;
    setMouseState(kStateNormal);
}

bool Label::handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    *result = 0;
    switch (message) {
    case kSetText:
        applyText(reinterpret_cast<const char16_t*>(wParam), lParam != 0);
        return true;
    case kFlashText:
        startFlash(reinterpret_cast<const char16_t*>(wParam), static_cast<UINT>(lParam));
        return true;
    case WM_TIMER:
        if (wParam != kFlashTimer) {
            return false;
        }
        endFlash();
        return true;
    case WM_NCHITTEST:
        if (link) {
            return false;
        }
        *result = HTTRANSPARENT;
        return true;
    case WM_PAINT:
    case WM_ERASEBKGND:
        return handleOwnPaint(result, message);
    case WM_PRINTCLIENT:
        // Drawn as for a paint, into the context given (a printout, an
        // animation, a picture of the label).
        paintInto(reinterpret_cast<HDC>(wParam));
        return true;
    case WM_MOUSEMOVE:
        if (link) {
            onMouseMove(lParam);
        }
        return false;
    case WM_LBUTTONDOWN:
        if (link) {
            onLeftDown();
            return true;
        }
        return false;
    case WM_LBUTTONUP:
        if (link) {
            onLeftUp(lParam);
            return true;
        }
        return false;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != getHandle()) {
            onCaptureLost();
        }
        return false;
    default:
        return false;
    }
}

} // namespace s::gui::win
