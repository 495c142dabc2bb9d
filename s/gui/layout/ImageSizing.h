#pragma once
#include <cstdint>

#include "s/gui/layout/Axis.h"
#include "s/gui/layout/LeafSizing.h"
#include "s/gui/layout/Size.h"
#include "s/gui/layout/SizeRange.h"

namespace s::gui::layout {

// The size rules of a picture component: the leaf rules with the picture as
// content, plus a stretched picture that keeps its aspect ratio deriving the
// dimension that is not given from the one that is. A plain value embedded in
// its component, used on that component's thread.
//
//   banner 700 x 230, width 100 % of a 336 wide parent:
//     width  = 336                (the percent)
//     height = 230 / 700 x 336    = 110.4, rounded to 110
//
// A frame (1 pixel on each side) adds 2 to every size taken from the picture;
// fixed sizes already include it.
class ImageSizing {
public:
    static constexpr int32_t kNone = -1;
    static constexpr int32_t kFrame = 2;

    // The picture's size, its switches and fixed sizes (kNone for none).
    void setPicture(Size picture, bool stretch, bool keepAspect, int32_t fixedWidth,
                    int32_t fixedHeight);
    void setWidthPercent(int32_t percent) { leaf.setWidthPercent(percent); }
    void setHeightPercent(int32_t percent) { leaf.setHeightPercent(percent); }
    void setFixedWidth(int32_t pixels) { leaf.setFixedWidth(pixels); }
    void setFixedHeight(int32_t pixels) { leaf.setFixedHeight(pixels); }
    void setFrame(bool on);

    Size getPicture() const { return picture; }
    bool hasFrame() const { return frame; }

    SizeRange range(Size parentClient) const;

private:
    // Natural and requested sizes follow the picture and the switches.
    void updateLeaf();
    bool keepsAspect() const { return stretch && keepAspect; }
    // The width or height available to the picture along `axis` when that
    // dimension is given by a fixed size or a percent; kNone when it is not.
    int32_t givenAlong(Axis axis, int32_t parentClient) const;
    // The extent across `axis` that keeps the aspect ratio for `given`
    // pixels along it, frame included; kNone without a usable picture.
    int32_t derivedAcross(Axis axis, int32_t given) const;

    LeafSizing leaf;
    Size picture{0, 0};
    bool stretch = false;
    bool keepAspect = false;
    bool frame = false;
};

} // namespace s::gui::layout
