#include "s/gui/scale/win/SystemScale.h"

#include <windows.h>

#include "s/system/monitor/win/Screen.h"

namespace s::gui::scale::win {

namespace {

int32_t readSystemDpi() {
    // The screen's device context reports the system dpi (the primary
    // monitor's at log-on) also to a per-monitor aware process.
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return DisplayScale::kBaseDpi;
    }
    const int32_t dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

const DisplayScale& systemScale() {
    // Racing first calls compute the same value.
    static const DisplayScale scale(s::system::monitor::win::screenScale(), readSystemDpi());
    return scale;
}

} // namespace s::gui::scale::win
