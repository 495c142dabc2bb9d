#pragma once
#include "s/gui/layout/Rect.h"
#include "s/gui/layout/Size.h"

namespace s::gui::paint {

// Where a picture is drawn inside the area of a picture component:
//  - not stretched: at its own size in the top-left corner (cut off by the
//    area when larger);
//  - stretched: over the whole area;
//  - stretched with its aspect ratio kept: the largest rectangle of the
//    picture's proportions that fits, centred, the leftover split evenly
//    (an odd pixel goes after the picture).
// An empty picture or area gives an empty rectangle. A pure rule: any thread.
class PictureFit {
public:
    static layout::Rect place(layout::Size area, layout::Size picture, bool stretch,
                              bool keepAspect);
};

} // namespace s::gui::paint
