#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/layout/Size.h"

namespace s::gui::win {

class Font;

// The natural size of a push button or check box: the system's ideal size
// for the control's text in its font (BCM_GETIDEALSIZE), which needs the
// control to exist and a system with the newer common controls. Elsewhere
// (before the control is made, or when the system does not answer) the text
// is measured as the control shows it (with access-key prefixes) and the
// control's own parts are added: `extraWidth` and `extraHeight` design
// pixels, scaled for the display, and at least `minimumHeight` of them.
// On the control's thread, or before it exists on the configuring thread.
class ControlSize {
public:
    static s::gui::layout::Size natural(HWND control, Font& font, const char16_t* text,
                                        int32_t extraWidth, int32_t extraHeight,
                                        int32_t minimumHeight);
};

} // namespace s::gui::win
