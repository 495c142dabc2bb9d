#pragma once
#include "s/gui/drawer/skin/SkinBase.h"
#include "s/thread/ClassPool.h"

namespace s::gui::drawer::skin {

struct ThinWindowPalette;

// A skin of the "ThinWindow" family: one of its sixteen schemes (see ThinWindowPalette),
// built by newScheme(). Fields, ownership and threads as SkinBase says.
class ThinWindow : public SkinBase {
    S_POOLED_CLASS(ThinWindow, u"s_gui_drawer_skin_ThinWindow")
public:
    void reset() override { SkinBase::reset(); }

    // A skin from the pool named after the palette, with its drawers in the
    // palette's colours; owned by the caller. Null when the pool has none.
    static ThinWindow* newScheme(const ThinWindowPalette& palette);

private:
    ThinWindow() { reset(); }
    ~ThinWindow() override = default;
};

} // namespace s::gui::drawer::skin
