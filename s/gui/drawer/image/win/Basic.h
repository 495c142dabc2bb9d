#pragma once
#include "s/gui/drawer/image/IBasic.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::image::win {

// The picture drawer: stretches a 32-bit image over a rectangle from a
// memory context holding its bitmap, inside a 1-pixel black frame when
// asked (see image::Frame).
//
// The image type it draws is one still bitmap that any context can stretch
// from: it has no frames of an animation to pick the current one from, and
// it never needs an off-screen buffer, so `buffer` and `throughBuffer` leave
// the drawing as it is (the picture component draws everything into its own
// off-screen buffer anyway).
//
// No fields; owned by the picture component that took it from the pool. No
// lock: drawing changes nothing in the drawer.
class Basic : public s::gui::drawer::image::IBasic, public s::thread::IPoolable {
    S_POOLED_CLASS(Basic, u"s_gui_drawer_image_win_Basic")
public:
    void reset() override {}

    void draw(HDC dc, s::image::win::BufferedImage* buffer, int32_t left, int32_t top,
              int32_t right, int32_t bottom, const s::image::win::BufferedImage* image,
              int32_t mode, bool framed, bool throughBuffer) override;

private:
    Basic() { reset(); }
    ~Basic() override = default;
};

} // namespace s::gui::drawer::image::win
