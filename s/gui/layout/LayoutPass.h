#pragma once
#include "s/base/IObject.h"
#include "s/gui/layout/LayoutRequest.h"
#include "s/gui/layout/LayoutResult.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::layout {

// The request and result of one layout pass, taken from the pool for the
// length of the pass and given back after it. Pooled so that the vectors keep
// their storage between passes, and one per pass so that a pass nested inside
// another (a listener of the laid-out event laying out again) cannot overwrite
// the outer pass's data. Owned by whoever took it; one thread at a time.
class LayoutPass : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(LayoutPass, u"s_gui_layout_LayoutPass")
public:
    void reset() override;

    LayoutRequest request;
    LayoutResult result;

private:
    LayoutPass() { reset(); }
    ~LayoutPass() override = default;
};

} // namespace s::gui::layout
