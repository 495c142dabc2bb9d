#pragma once
#include "s/base/IObject.h"
#include "s/gui/ILayoutManager.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::layout {

// Children side by side from left to right (the button rows of dialogs), as
// high as the row allows, the box's horizontal gap between them; extra width
// is shared among the children that can grow.
//
// Stateless: one shared instance serves every container on every thread.
class Horizontal : public s::gui::ILayoutManager,
                   public s::base::IObject,
                   public s::thread::IPoolable {
    S_POOLED_CLASS(Horizontal, u"s_gui_layout_Horizontal")
public:
    // The process-wide instance; never given back.
    static const Horizontal& shared();

    void reset() override {}
    void arrange(const LayoutRequest& request, LayoutResult& result) const override;

private:
    Horizontal() { reset(); }
    ~Horizontal() override = default;
};

} // namespace s::gui::layout
