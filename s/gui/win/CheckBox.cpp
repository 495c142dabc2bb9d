#include "s/gui/win/CheckBox.h"

#include "s/gui/drawer/ICheckBox.h"
#include "s/gui/drawer/ISkin.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/text/Ampersands.h"
#include "s/gui/win/Font.h"
#include "s/platform/win/WindowDC.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::win {

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

CheckBox::CheckBox()
    : ButtonControl(kControlId, {kMarkWidth + kMarkGap, kExtraHeight, kMarkWidth}) {
    shown = StrBuffer::newInstance();
    reset();
}

CheckBox::~CheckBox() {
    detach();
    shown->release();
}

void CheckBox::reset() {
    resetControl();
    wordWrap = false;
    checked = false;
    drawer = nullptr;
    checkedListeners.reset();
    uncheckedListeners.reset();
    measure();
}

DWORD CheckBox::controlStyle() const {
    return (drawer != nullptr ? BS_OWNERDRAW : BS_AUTOCHECKBOX) | (wordWrap ? BS_MULTILINE : 0);
}

void CheckBox::afterCreate() {
    ButtonControl::afterCreate();
    SendMessageW(getHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::afterStyleSwitch() {
    // Back to the system's check box: its mark shows the state kept while
    // the skin drew it.
    if (drawer == nullptr) {
        SendMessageW(getHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

int32_t CheckBox::boxSide() {
    return s::gui::scale::win::systemScale().pixels(kMarkWidth);
}

void CheckBox::applySkin(s::gui::drawer::ISkin* skin) {
    switchDrawer(drawer, skin != nullptr ? skin->getCheckBoxDrawer() : nullptr);
}

void CheckBox::measure() {
    if (drawer == nullptr) {
        ButtonControl::measure();
        return;
    }
    const s::platform::win::WindowDC screen(nullptr);
    if (!screen) {
        return;
    }
    // One line as wide as the drawer's label with its box beside it.
    const s::gui::text::TextExtents extents =
        drawer->measureForLayout(screen.get(), getText(), *getFont());
    const int32_t side = boxSide();
    setNaturalSize(extents.maxWidth, extents.height > side ? extents.height : side);
}

void CheckBox::drawSkinned(HDC dc, int32_t width, int32_t height, UINT itemState) {
    const bool enabled = isEnabled();
    drawer->draw(dc, 0, 0, width, height, boxSide(), checked, getText(),
                 enabled ? getFont() : getDisabledFont());
}

const char16_t* CheckBox::shownText() const {
    return shown->c_str();
}

void CheckBox::textChanged() {
    s::gui::text::Ampersands::doubled(getText(), *shown);
}

void CheckBox::setWordWrap(bool on) {
    wordWrap = on;
}

void CheckBox::setChecked(bool on) {
    if (isAttached() && drawer == nullptr) {
        SendMessageW(getHandle(), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    changeState(on);
}

void CheckBox::changeState(bool on) {
    if (on == checked) {
        return;
    }
    checked = on;
    if (drawer != nullptr && isAttached()) {
        InvalidateRect(getHandle(), nullptr, FALSE);
    }
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

bool CheckBox::handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    *result = 0;
    switch (message) {
    case kReflectedClick:
        if (drawer != nullptr) {
            // Owner-drawn, the control keeps no mark: the click (or the
            // space bar) flips the state itself.
            changeState(!checked);
            return true;
        }
        // The automatic check box has already changed its mark (click or
        // space bar); the state follows it.
        changeState(SendMessageW(getHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED);
        return true;
    default:
        return ButtonControl::handleComponentMessage(result, message, wParam, lParam);
    }
}

} // namespace s::gui::win
