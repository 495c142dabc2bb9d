#include "s/gui/drawer/scrollbar/win/Thin.h"

#include <initializer_list>

#include "s/gui/drawer/ColourChannels.h"
#include "s/gui/drawer/border/win/Thin.h"
#include "s/gui/drawer/button/win/Thin.h"
#include "s/gui/drawer/scrollbar/ScrollBarLayout.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::drawer::scrollbar::win {

using Channels = s::gui::drawer::ColourChannels;
using s::gui::layout::Rect;
using s::gui::text::FontDescription;

namespace {

constexpr uint8_t kGrey = 120;
constexpr uint8_t kWhite = 255;
// The bar's thickness in units until a scheme sets one.
constexpr int32_t kThicknessUnits = 15;
// The track's frame: sunken.
constexpr int32_t kSunken = 2;

// Glyph labels of the arrows and the thumb's grip by orientation.
struct Labels {
    const char16_t* first;
    const char16_t* second;
    const char16_t* thumb;
};
constexpr Labels kVertical = {u"#Up", u"#Down", u"#ThumbLineH"};
constexpr Labels kHorizontal = {u"#Left", u"#Right", u"#ThumbLineV"};

} // namespace

Thin::Thin()
    : button(s::gui::drawer::button::win::Thin::newInstance()),
      border(s::gui::drawer::border::win::Thin::newInstance()) {
    reset();
}

Thin::~Thin() = default;

void Thin::reset() {
    cornerStyle = 1;
    frameColor = FontDescription::rgb(kGrey, kGrey, kGrey);
    trackColor = FontDescription::rgb(kWhite, kWhite, kWhite);
    thickness = kThicknessUnits * s::gui::scale::win::systemScale().getUnit();
    if (button) {
        button->reset();
        button->setFrameColor(kGrey, kGrey, kGrey);
    }
    if (border) {
        border->reset();
    }
}

int32_t Thin::hitTest(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, bool horizontal, int32_t total, int32_t page,
                      int32_t position, bool corner) const {
    return ScrollBarLayout(left, top, right, bottom, horizontal, total, page, position, corner)
        .hitTest(x, y);
}

int32_t Thin::dragPosition(int32_t delta, int32_t position, int32_t left, int32_t top,
                           int32_t right, int32_t bottom, bool horizontal, int32_t total,
                           int32_t page, bool corner) const {
    return ScrollBarLayout(left, top, right, bottom, horizontal, total, page, position, corner)
        .dragPosition(delta);
}

void Thin::draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, bool horizontal,
                int32_t total, int32_t page, int32_t position, int32_t firstArrowState,
                int32_t thumbState, int32_t secondArrowState, bool corner, bool highlightTrack,
                uint8_t red, uint8_t green, uint8_t blue) const {
    if (left >= right || top >= bottom || !button || !border) {
        return;
    }
    const int32_t unit = s::gui::scale::win::systemScale().getUnit();
    const ScrollBarLayout layout(left, top, right, bottom, horizontal, total, page, position,
                                 corner);
    const Labels& labels = horizontal ? kHorizontal : kVertical;
    // 1. The sunken frame around the bar; the corner square stays unpainted.
    if (cornerStyle == 1 || cornerStyle == 2) {
        const Rect& bar = layout.getBar();
        border->draw(dc, bar.x, bar.y, bar.right(), bar.bottom(), kSunken, cornerStyle,
                     Channels::red(frameColor), Channels::green(frameColor),
                     Channels::blue(frameColor));
    }
    // 2. Arrows and thumb are framed glyph buttons.
    const auto drawButton = [&](const Rect& rect, int32_t state, const char16_t* label) {
        if (!ScrollBarLayout::isEmpty(rect)) {
            button->draw(dc, rect.x, rect.y, rect.right(), rect.bottom(), state, label, true,
                         nullptr, true, false, false);
        }
    };
    drawButton(layout.getFirstArrow(), firstArrowState, labels.first);
    drawButton(layout.getSecondArrow(), secondArrowState, labels.second);
    drawButton(layout.getThumb(), thumbState, labels.thumb);
    // 3. A long thumb shows which way its ends lead.
    if (layout.thumbCarriesArrows()) {
        const Rect start = layout.thumbStartSquare(unit);
        const Rect end = layout.thumbEndSquare(unit);
        button->paintGlyph(dc, start.x, start.y, start.right(), start.bottom(), labels.first,
                           Channels::red(frameColor), Channels::green(frameColor),
                           Channels::blue(frameColor));
        button->paintGlyph(dc, end.x, end.y, end.right(), end.bottom(), labels.second,
                           Channels::red(frameColor), Channels::green(frameColor),
                           Channels::blue(frameColor));
    }
    // 4. The track pieces, inside the frame's long edges.
    const uint32_t track = highlightTrack ? FontDescription::rgb(red, green, blue) : trackColor;
    s::gui::paint::win::DcFill target(dc);
    for (const Rect* piece : {&layout.getTrackBefore(), &layout.getTrackAfter()}) {
        if (!ScrollBarLayout::isEmpty(*piece)) {
            const Rect fill = layout.trackFill(*piece, unit);
            target.fill(fill.x, fill.y, fill.width, fill.height, track);
        }
    }
}

void Thin::setFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    frameColor = FontDescription::rgb(red, green, blue);
    if (button) {
        button->setFrameColor(red, green, blue);
    }
}

void Thin::setTrackColor(uint8_t red, uint8_t green, uint8_t blue) {
    trackColor = FontDescription::rgb(red, green, blue);
}

} // namespace s::gui::drawer::scrollbar::win
