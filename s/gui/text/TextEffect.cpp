#include "s/gui/text/TextEffect.h"

#include "s/gui/text/FontDescription.h"

namespace s::gui::text {

namespace {

constexpr uint32_t kBlack = FontDescription::rgb(0, 0, 0);
constexpr uint32_t kWhite = FontDescription::rgb(255, 255, 255);
// The shadow of effect 2: mid grey, light grey under black text.
constexpr uint32_t kShadow = FontDescription::rgb(119, 119, 119);
constexpr uint32_t kShadowUnderBlack = FontDescription::rgb(238, 238, 238);

// The outline of effects 1 and 7: the eight neighbours of (1, 0), going
// round from above the text's left edge.
constexpr int32_t kOutlineSteps = 8;
constexpr int32_t kOutline[kOutlineSteps][2] = {{0, -1}, {1, -1}, {2, -1}, {2, 0},
                                                {2, 1},  {1, 1},  {0, 1},  {0, 0}};

void add(TextEffect::Copies& copies, int32_t dx, int32_t dy, uint32_t colour) {
    TextEffect::Copy& copy = copies.copy[copies.count++];
    copy.dx = dx;
    copy.dy = dy;
    copy.colour = colour;
}

void outline(TextEffect::Copies& copies, uint32_t around, uint32_t text) {
    for (const auto& step : kOutline) {
        add(copies, step[0], step[1], around);
    }
    add(copies, 1, 0, text);
}

} // namespace

TextEffect::Copies TextEffect::copiesFor(int32_t effect, uint32_t textColour, uint32_t backColour,
                                         uint32_t shadeColour) {
    Copies copies;
    switch (effect) {
    case 0:
        add(copies, 0, 0, textColour);
        break;
    case 1:
        outline(copies, backColour, textColour);
        break;
    case 2:
        add(copies, 1, 1, textColour == kBlack ? kShadowUnderBlack : kShadow);
        add(copies, 0, 0, textColour);
        break;
    case 3:
        add(copies, 2, 2, kBlack);
        add(copies, 0, 0, kWhite);
        add(copies, 1, 1, textColour);
        break;
    case 4:
        add(copies, 0, 0, kWhite);
        add(copies, 0, 2, kBlack);
        add(copies, 0, 1, textColour);
        break;
    case 5:
        add(copies, 2, 2, kWhite);
        add(copies, 0, 0, kBlack);
        add(copies, 1, 1, textColour);
        break;
    case 6:
        add(copies, 0, 0, kBlack);
        add(copies, 0, 2, kWhite);
        add(copies, 0, 1, textColour);
        break;
    case 7:
        outline(copies, shadeColour, textColour);
        break;
    default:
        break;
    }
    return copies;
}

s::gui::layout::Size TextEffect::margin(int32_t effect) {
    switch (effect) {
    case 0:
        return {0, 0};
    case 1:
    case 3:
    case 5:
    case 7:
        return {2, 1};
    case 2:
        return {1, 1};
    default:
        return {0, 1};
    }
}

s::gui::layout::Size TextEffect::widen(s::gui::layout::Size size, int32_t effect) {
    const s::gui::layout::Size extra = margin(effect);
    return {size.width + extra.width, size.height + extra.height};
}

TextExtents TextEffect::widen(TextExtents extents, int32_t effect) {
    const s::gui::layout::Size extra = margin(effect);
    extents.minWidth += extra.width;
    extents.maxWidth += extra.width;
    extents.height += extra.height;
    extents.maxHeight += extra.height;
    return extents;
}

} // namespace s::gui::text
