#pragma once
#include <cstdint>

#include "s/gui/layout/LeafSizing.h"
#include "s/gui/model/Component.h"
#include "s/thread/ClassPool.h"

namespace s::gui::model {

// An empty gap of fixed size between components: a horizontal spacer of fixed
// width in a row, a vertical spacer of fixed height in a column.
//
// Inside a box a spacer takes space along one axis only: a vertical spacer in
// a horizontal box reports a width of 0 (minimum and maximum), a horizontal
// spacer in a vertical box a height of 0, so a spacer meant for the other
// direction never widens a row or lengthens a column. Turning a spacer from
// horizontal to vertical (or back) exchanges its width and height settings.
// A new spacer is horizontal.
//
// Pooled; owned by its container once added. One thread at a time.
class Spacer : public Component {
    S_POOLED_CLASS(Spacer, u"s_gui_model_Spacer")
public:
    void reset() override;

    void setHorizontal();
    void setVertical();
    bool isHorizontal() const { return horizontal; }
    void setFixedWidth(int32_t pixels) { sizing.setFixedWidth(pixels); }
    void setFixedHeight(int32_t pixels) { sizing.setFixedHeight(pixels); }

    layout::SizeRange getSizeRange() const override;

protected:
    Spacer() { reset(); }
    ~Spacer() override = default;

private:
    layout::LeafSizing sizing;
    bool horizontal = true;
};

} // namespace s::gui::model
