#include "s/gui/drawer/window/win/Thin.h"

#include "s/gui/drawer/window/FrameShape.h"
#include "s/gui/drawer/window/RegionShape.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/platform/win/GdiObject.h"

namespace s::gui::drawer::window::win {

namespace {

constexpr COLORREF kResetBackground = RGB(255, 255, 255);
constexpr COLORREF kResetFrame = RGB(120, 120, 120);

} // namespace

void Thin::reset() {
    topCorners = FrameShape::kSquare;
    bottomCorners = FrameShape::kSquare;
    transparent = true;
    background = kResetBackground;
    frame = kResetFrame;
}

void Thin::setBackground(uint8_t red, uint8_t green, uint8_t blue) {
    background = RGB(red, green, blue);
    transparent = false;
}

void Thin::setFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    frame = RGB(red, green, blue);
}

void Thin::draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (dc == nullptr || left >= right || top >= bottom) {
        return;
    }
    // The frame is drawn in client coordinates: the rectangle gives only
    // the size.
    FrameShape::Colours colours;
    colours.transparent = transparent;
    colours.background = background;
    colours.frame = frame;
    s::gui::paint::win::DcFill target(dc);
    FrameShape::paint(target, right - left, bottom - top, topCorners, bottomCorners, colours);
}

HRGN Thin::getRegion(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const RegionShape shape =
        RegionShape::forWindow(left, top, right, bottom, topCorners, bottomCorners);
    const RegionShape::Rectangle& box = shape.bounds;
    switch (shape.kind) {
    case RegionShape::Kind::kRectangle:
        return CreateRectRgn(box.left, box.top, box.right, box.bottom);
    case RegionShape::Kind::kRoundedRectangle:
        break;
    case RegionShape::Kind::kNone:
    default:
        return nullptr;
    }
    s::platform::win::OwnedGdiObject<HRGN> region(
        CreateRoundRectRgn(box.left, box.top, box.right, box.bottom, shape.ellipse, shape.ellipse));
    if (!region || !shape.squared) {
        return region.detach();
    }
    const s::platform::win::OwnedGdiObject<HRGN> square(CreateRectRgn(
        shape.square.left, shape.square.top, shape.square.right, shape.square.bottom));
    if (!square || CombineRgn(region.get(), region.get(), square.get(), RGN_OR) == ERROR) {
        return nullptr;
    }
    return region.detach();
}

} // namespace s::gui::drawer::window::win
