#include "s/gui/win/ControlSize.h"

#include <commctrl.h>

#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Font.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/platform/win/WideText.h"
#include "s/platform/win/WindowDC.h"

namespace s::gui::win {

s::gui::layout::Size ControlSize::natural(HWND control, Font& font, const char16_t* text,
                                          int32_t extraWidth, int32_t extraHeight,
                                          int32_t minimumHeight) {
    if (control != nullptr) {
        SIZE ideal = {0, 0};
        if (SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) &&
            ideal.cx > 0 && ideal.cy > 0) {
            return {ideal.cx, ideal.cy};
        }
    }
    const s::gui::scale::DisplayScale& scale = s::gui::scale::win::systemScale();
    RECT rect = {0, 0, 0, 0};
    {
        const s::platform::win::WindowDC screen(nullptr);
        if (screen) {
            const s::platform::win::ObjectSelection selection(screen.get(), font.getHandle());
            DrawTextW(screen.get(), s::platform::win::wide(text != nullptr ? text : u""), -1, &rect,
                      DT_CALCRECT | DT_SINGLELINE);
        }
    }
    const int32_t textHeight = rect.bottom - rect.top;
    const int32_t lowest = scale.pixels(minimumHeight);
    return {rect.right - rect.left + scale.pixels(extraWidth),
            (textHeight > lowest ? textHeight : lowest) + scale.pixels(extraHeight)};
}

} // namespace s::gui::win
