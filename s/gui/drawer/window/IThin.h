#pragma once
#include <cstdint>

#include "s/gui/drawer/IWindow.h"

namespace s::gui::drawer::window {

// A window drawer with a one-pixel frame and optionally rounded corners
// (see FrameShape and RegionShape), read back by whoever configures or
// tests it: the corner styles and whether the background is painted.
class IThin : public s::gui::drawer::IWindow {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_window_IThin";

    virtual int32_t getTopCorners() const = 0;
    virtual int32_t getBottomCorners() const = 0;
    // True until a background colour is set: the window's pixels stay.
    virtual bool isTransparent() const = 0;
    virtual COLORREF getFrameColor() const = 0;
};

} // namespace s::gui::drawer::window
