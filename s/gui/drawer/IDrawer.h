#pragma once
#include "s/base/IObject.h"

namespace s::gui::drawer {

// The root of every drawer: an object that paints one kind of control (or a
// window's frame and background) in the colours of a skin. Drawers are
// pooled; whoever owns one gives it back with release() (a skin owns its
// drawers; a window owns a drawer only when it was handed one as owned).
//
// Drawers take no locks: one drawer is used by the thread that paints with
// it (a window's own thread).
class IDrawer : public s::base::IObject {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IDrawer";

    // Gives the drawer back to its pool; the caller must not use it again.
    virtual void release() = 0;
};

} // namespace s::gui::drawer
