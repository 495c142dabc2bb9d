#pragma once
#include "s/base/IObject.h"
#include "s/gui/ILayoutManager.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::layout {

// Children stacked top to bottom, as wide as the box allows, the box's vertical
// gap between them; extra height is shared among the children that can grow.
// The default layout of boxes and windows.
//
// Stateless: one shared instance serves every container on every thread.
class Vertical : public s::gui::ILayoutManager,
                 public s::base::IObject,
                 public s::thread::IPoolable {
    S_POOLED_CLASS(Vertical, u"s_gui_layout_Vertical")
public:
    // The process-wide instance; never given back.
    static const Vertical& shared();

    void reset() override {}
    void arrange(const LayoutRequest& request, LayoutResult& result) const override;

private:
    Vertical() { reset(); }
    ~Vertical() override = default;
};

} // namespace s::gui::layout
