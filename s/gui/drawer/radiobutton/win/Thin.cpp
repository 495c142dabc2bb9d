#include "s/gui/drawer/radiobutton/win/Thin.h"

#include "s/gui/drawer/radiobutton/RadioGeometry.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/text/FontDescription.h"
#include "s/gui/win/Font.h"
#include "s/platform/win/GdiObject.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/platform/win/StretchModeScope.h"

namespace s::gui::drawer::radiobutton::win {

using s::gui::text::FontDescription;
using s::platform::win::ObjectSelection;
using s::platform::win::OwnedGdiObject;

namespace {

constexpr uint8_t kGrey = 120;
// The dot keeps this green in every scheme.
constexpr uint8_t kDot[3] = {53, 185, 56};

} // namespace

Thin::Thin() {
    reset();
}

Thin::~Thin() = default;

void Thin::reset() {
    flag = false;
    frameColor = FontDescription::rgb(kGrey, kGrey, kGrey);
    dotColor = FontDescription::rgb(kDot[0], kDot[1], kDot[2]);
    if (label) {
        label->reset();
    }
}

void Thin::draw(HDC dc, HDC scratch, int32_t left, int32_t top, int32_t right, int32_t bottom,
                bool marked, const char16_t* text, s::gui::win::Font* font, uint32_t background) {
    if (left >= right || top >= bottom) {
        return;
    }
    if (scratch != nullptr) {
        drawCircle(scratch, marked, background);
        // Smoothing while shrinking is what makes the circle round at 13
        // pixels.
        const s::platform::win::StretchModeScope smoothing(dc, HALFTONE);
        StretchBlt(dc, left, RadioGeometry::imageTop(top, bottom), RadioGeometry::kImageSide,
                   RadioGeometry::kImageSide, scratch, 0, 0, RadioGeometry::kSurfaceSide,
                   RadioGeometry::kSurfaceSide, SRCCOPY);
    }
    if (font != nullptr && text != nullptr && label) {
        label->draw(dc, RadioGeometry::labelLeft(left, top, bottom), top, right, bottom, text,
                    *font);
    }
}

void Thin::drawCircle(HDC scratch, bool marked, uint32_t background) const {
    const OwnedGdiObject<HPEN> outline(CreatePen(PS_SOLID, RadioGeometry::kPenWidth, frameColor));
    const OwnedGdiObject<HBRUSH> inside(CreateSolidBrush(background));
    {
        const ObjectSelection pen(scratch, outline.get());
        const ObjectSelection brush(scratch, inside.get());
        Ellipse(scratch, 0, 0, RadioGeometry::kSurfaceSide, RadioGeometry::kSurfaceSide);
    }
    if (!marked) {
        return;
    }
    const OwnedGdiObject<HPEN> ring(CreatePen(PS_SOLID, RadioGeometry::kPenWidth, background));
    const OwnedGdiObject<HBRUSH> dot(CreateSolidBrush(dotColor));
    const ObjectSelection pen(scratch, ring.get());
    const ObjectSelection brush(scratch, dot.get());
    Ellipse(scratch, RadioGeometry::kDotFrom, RadioGeometry::kDotFrom, RadioGeometry::kDotTo,
            RadioGeometry::kDotTo);
}

void Thin::setFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    frameColor = FontDescription::rgb(red, green, blue);
}

void Thin::setDotColor(uint8_t red, uint8_t green, uint8_t blue) {
    dotColor = FontDescription::rgb(red, green, blue);
}

} // namespace s::gui::drawer::radiobutton::win
