#include "s/gui/drawer/glyph/GlyphPainter.h"

#include <algorithm>
#include <string_view>

#include "s/gui/drawer/glyph/ArrowGlyphs.h"
#include "s/gui/drawer/glyph/CaptionGlyphs.h"
#include "s/gui/drawer/glyph/ColourSwatch.h"
#include "s/gui/drawer/glyph/GlyphFrame.h"
#include "s/gui/drawer/glyph/MediaGlyphs.h"
#include "s/gui/drawer/glyph/SignGlyphs.h"

namespace s::gui::drawer::glyph {

namespace {

using Shape = void (*)(const GlyphFrame&);

struct NamedShape {
    std::u16string_view name;
    Shape shape;
};

// Every glyph by its exact (case-sensitive) name.
constexpr NamedShape kShapes[] = {
    {u"#_", CaptionGlyphs::minimize},
    {u"#Transform", CaptionGlyphs::transform},
    {u"#.", CaptionGlyphs::dot},
    {u"#X", CaptionGlyphs::close},
    {u"#\u25A1", CaptionGlyphs::maximize}, // white square
    {u"#\u2199", CaptionGlyphs::restore},  // south-west arrow
    {u"#Play", MediaGlyphs::play},
    {u"#Pause", MediaGlyphs::pause},
    {u"#Stop", MediaGlyphs::stop},
    {u"#Speaker", MediaGlyphs::speaker},
    {u"#Mute", MediaGlyphs::mute},
    {u"#Right", ArrowGlyphs::right},
    {u"#Left", ArrowGlyphs::left},
    {u"#Up", ArrowGlyphs::up},
    {u"#Down", ArrowGlyphs::down},
    {u"#RightRight", ArrowGlyphs::rightRight},
    {u"#LeftLeft", ArrowGlyphs::leftLeft},
    {u"#ThumbLineV", ArrowGlyphs::thumbLineV},
    {u"#ThumbLineH", ArrowGlyphs::thumbLineH},
    {u"#Minus", SignGlyphs::minus},
    {u"#Plus", SignGlyphs::plus},
    {u"#PlusMinus", SignGlyphs::plusMinus},
    {u"#Check", SignGlyphs::check},
    {u"#Next", ArrowGlyphs::next},
    {u"#Prev", ArrowGlyphs::prev},
    {u"#Resizer", SignGlyphs::resizer},
    {u"#TreeClosed", ArrowGlyphs::treeClosed},
    {u"#TreeOpen", ArrowGlyphs::treeOpen},
    {u"#TurnRight", ArrowGlyphs::turnRight},
    {u"#TurnLeft", ArrowGlyphs::turnLeft},
    {u"#OnTop", ArrowGlyphs::onTop},
    {u"#FitWindow", SignGlyphs::fitWindow},
    {u"#FitToWindow", SignGlyphs::fitToWindow},
    {u"#Palm", SignGlyphs::palm},
    {u"#KeepRatio", SignGlyphs::keepRatio},
};

// Glyphs are meant for buttons; a rectangle larger than any screen is a
// caller's mistake, and the per-pixel steps of the diagonals would take
// ages to walk it. Such a glyph is recognised but left unpainted.
constexpr int64_t kLargestSide = 1 << 16;
// The display factors are 1, 2 and 4; anything else is brought into range.
constexpr int32_t kSmallestScale = 1;
constexpr int32_t kLargestScale = 4;

Shape findShape(std::u16string_view name) {
    for (const NamedShape& entry : kShapes) {
        if (entry.name == name) {
            return entry.shape;
        }
    }
    return nullptr;
}

bool paintable(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const int64_t width = int64_t{right} - left;
    const int64_t height = int64_t{bottom} - top;
    return width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide;
}

} // namespace

bool GlyphPainter::paint(s::gui::paint::IRectFill& target, int32_t left, int32_t top, int32_t right,
                         int32_t bottom, const char16_t* label, uint32_t colour, int32_t scale) {
    if (label == nullptr || label[0] != u'#') {
        return false;
    }
    const GlyphFrame frame(target, left, top, right, bottom, colour,
                           std::clamp(scale, kSmallestScale, kLargestScale));
    const std::u16string_view name(label);
    const std::u16string_view prefix(ColourSwatch::kPrefix);
    if (name.substr(0, prefix.size()) == prefix) {
        uint32_t swatch = 0;
        if (!ColourSwatch::parse(label + prefix.size(), swatch)) {
            return false;
        }
        if (paintable(left, top, right, bottom)) {
            ColourSwatch::paint(frame, swatch);
        }
        return true;
    }
    const Shape shape = findShape(name);
    if (shape == nullptr) {
        return false;
    }
    if (paintable(left, top, right, bottom)) {
        shape(frame);
    }
    return true;
}

} // namespace s::gui::drawer::glyph
