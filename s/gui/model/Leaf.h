#pragma once
#include <cstdint>

#include "s/gui/layout/LeafSizing.h"
#include "s/gui/model/Component.h"
#include "s/thread/ClassPool.h"

namespace s::gui::model {

// A leaf control's portable part: a component whose sizes follow the leaf
// rules (natural size from its content, requested size, percent of the
// parent, fixed size). Buttons, labels and check boxes are leaves whose
// native side measures the content and reports it with setNaturalSize; a
// label sets neither percent nor fixed sizes, so its measured text is both its
// minimum and its maximum.
//
// Pooled; owned by its container once added (see IContainer). One thread at a
// time, as every component.
class Leaf : public Component {
    S_POOLED_CLASS(Leaf, u"s_gui_model_Leaf")
public:
    void reset() override;

    // The size measured from the content.
    void setNaturalSize(int32_t width, int32_t height) { sizing.setNatural({width, height}); }
    void setRequestedSize(int32_t width, int32_t height) { sizing.setRequested({width, height}); }
    void setWidthPercent(int32_t percent) { sizing.setWidthPercent(percent); }
    void setHeightPercent(int32_t percent) { sizing.setHeightPercent(percent); }
    void setFixedWidth(int32_t pixels) { sizing.setFixedWidth(pixels); }
    void setFixedHeight(int32_t pixels) { sizing.setFixedHeight(pixels); }
    const layout::LeafSizing& getSizing() const { return sizing; }

    layout::SizeRange getSizeRange() const override;

protected:
    Leaf() { reset(); }
    ~Leaf() override = default;

    layout::Size getPreferredSize() const override;

private:
    layout::LeafSizing sizing;
};

} // namespace s::gui::model
