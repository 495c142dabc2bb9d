#pragma once
#include <windows.h>

#include <cstdint>

#include "s/base/IObject.h"
#include "s/gui/drawer/window/IThin.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::window::win {

// The thin window drawer: a one-pixel frame in the frame colour over the
// background (or over the window's own pixels while transparent), square,
// slightly rounded or rounded at each end, with the window region that
// matches (see FrameShape, RegionShape). A new drawer is square, transparent,
// white and framed in grey RGB 120, 120, 120.
//
// Owned by the skin (or window) that took it from its pool. Configured on
// the owner's thread before it is shared; drawing and making regions only
// read it, from any window's thread, so it takes no lock.
class Thin : public IThin, public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_window_win_Thin")
public:
    void reset() override;

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    // Null for unknown corner styles and when the system makes no region.
    HRGN getRegion(int32_t left, int32_t top, int32_t right, int32_t bottom) override;

    COLORREF getBackground() const override { return background; }
    uint8_t getBackgroundRed() const override { return GetRValue(background); }
    uint8_t getBackgroundGreen() const override { return GetGValue(background); }
    uint8_t getBackgroundBlue() const override { return GetBValue(background); }
    void setBackground(uint8_t red, uint8_t green, uint8_t blue) override;

    uint8_t getFrameRed() const override { return GetRValue(frame); }
    uint8_t getFrameGreen() const override { return GetGValue(frame); }
    uint8_t getFrameBlue() const override { return GetBValue(frame); }
    void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;

    void setTopCorners(int32_t style) override { topCorners = style; }
    void setBottomCorners(int32_t style) override { bottomCorners = style; }

    int32_t getTopCorners() const override { return topCorners; }
    int32_t getBottomCorners() const override { return bottomCorners; }
    bool isTransparent() const override { return transparent; }
    COLORREF getFrameColor() const override { return frame; }

private:
    Thin() { reset(); }
    ~Thin() override = default;

    int32_t topCorners = 0;
    int32_t bottomCorners = 0;
    bool transparent = true;
    COLORREF background = 0;
    COLORREF frame = 0;
};

} // namespace s::gui::drawer::window::win
