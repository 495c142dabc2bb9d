#pragma once
#include <cstdint>

#include "s/gui/IContainer.h"
#include "s/gui/layout/Margins.h"
#include "s/gui/layout/Size.h"

namespace s::gui {

// Event codes a box raises (the source is the box).
enum class BoxEvent : int32_t {
    Wheel = 2,     // a wheel turn over it that no child consumed
    LaidOut = 3,   // after each layout pass
    Bounds = 4,    // after it moved or was resized
    Paint = 5,     // while it paints
    MouseDown = 6, // the left button went down over it
};

// A container with the built-in layouts and their settings: kind, alignments,
// gaps, margins, and its own size settings (percent of the parent, fixed,
// explicit minimum, collapse).
//
// The margin setters lay out again and hand the new left and top margins to
// the children as their offset; the percent and fixed setters lay out the
// box's parent again when asked to (`relayout`), since they change what the
// parent gives the box. The kind, alignment and gap setters only record: the
// next pass uses them.
class IBox : public IContainer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_IBox";

    virtual void setHorizontal() = 0;
    virtual void setVertical() = 0;
    virtual void setFlow() = 0;
    virtual void setPile() = 0;

    virtual void alignLeft() = 0;
    virtual void alignCenter() = 0;
    virtual void alignRight() = 0;
    virtual void alignTop() = 0;
    virtual void alignMiddle() = 0;
    virtual void alignBottom() = 0;

    virtual void setHorizontalGap(int32_t pixels) = 0;
    virtual void setVerticalGap(int32_t pixels) = 0;

    virtual void setMarginLeft(int32_t pixels) = 0;
    virtual void setMarginRight(int32_t pixels) = 0;
    virtual void setMarginTop(int32_t pixels) = 0;
    virtual void setMarginBottom(int32_t pixels) = 0;
    virtual void setMarginsLeftRight(int32_t pixels) = 0;
    virtual void setMarginsTopBottom(int32_t pixels) = 0;
    virtual void setMargins(int32_t pixels) = 0;
    virtual layout::Margins getMargins() const = 0;

    // A percent clears the fixed value and a fixed value clears the percent;
    // a negative value clears the setting.
    virtual void setWidthPercent(int32_t percent, bool relayout) = 0;
    virtual void setHeightPercent(int32_t percent, bool relayout) = 0;
    virtual void setFixedWidth(int32_t pixels, bool relayout) = 0;
    virtual void setFixedHeight(int32_t pixels, bool relayout) = 0;
    virtual void setExplicitMinimumWidth(int32_t pixels) = 0;
    // A collapsed dimension reports a minimum of 0.
    virtual void setCollapse(bool width, bool height) = 0;

    // The sizes the last pass reported: (minimum width, total height) and
    // (maximum width, total maximum height); zero before the first pass and
    // for a box without children.
    virtual layout::Size getLayoutMinimum() const = 0;
    virtual layout::Size getLayoutMaximum() const = 0;
};

} // namespace s::gui
