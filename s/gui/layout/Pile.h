#pragma once
#include "s/base/IObject.h"
#include "s/gui/ILayoutManager.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::layout {

// Every child occupies the whole content area on its own, as far as its
// sizes allow, placed by the alignments; the children overlap (pages of which
// one is shown, a caption over a frame). The content area is at least as
// large as the largest minimum of any child, and so is what the layout
// reports; its maximum is the largest size any child can use.
//
// Stateless: one shared instance serves every container on every thread.
class Pile : public s::gui::ILayoutManager, public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Pile, u"s_gui_layout_Pile")
public:
    static const Pile& shared();

    void reset() override {}
    void arrange(const LayoutRequest& request, LayoutResult& result) const override;

private:
    Pile() { reset(); }
    ~Pile() override = default;
};

} // namespace s::gui::layout
