#pragma once
#include "s/gui/drawer/IBorder.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::border::win {

// The bevel drawer of the thin skins: paints a Bevel into a device context,
// one solid fill per rectangle, with the display's unit. Shaded by default.
//
// Owned by the drawer that paints with it (a button drawer owns one) and
// reset with it. Drawing writes nothing in the drawer, so any window's
// thread may draw with it once its owner is configured; setShaded belongs to
// the owner's thread.
class Thin : public s::gui::drawer::IBorder, public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_border_win_Thin")
public:
    void reset() override;

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t type,
              int32_t cornerStyle, uint8_t red, uint8_t green, uint8_t blue) override;
    void setShaded(bool on) override { shaded = on; }
    bool isShaded() const { return shaded; }

private:
    Thin() { reset(); }
    ~Thin() override = default;

    bool shaded = true;
};

} // namespace s::gui::drawer::border::win
