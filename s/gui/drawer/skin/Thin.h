#pragma once
#include "s/gui/drawer/skin/SkinBase.h"
#include "s/thread/ClassPool.h"

namespace s::gui::drawer::skin {

struct ThinPalette;

// A skin of the "Thin" family: one of its thirteen schemes (see ThinPalette),
// built by newScheme(). Fields, ownership and threads as SkinBase says.
class Thin : public SkinBase {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_skin_Thin")
public:
    void reset() override { SkinBase::reset(); }

    // A skin from the pool named after the palette, with its drawers in the
    // palette's colours; owned by the caller. Null when the pool has none.
    static Thin* newScheme(const ThinPalette& palette);

private:
    Thin() { reset(); }
    ~Thin() override = default;
};

} // namespace s::gui::drawer::skin
