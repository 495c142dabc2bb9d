#include "s/gui/drawer/glyph/GlyphPainter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

using s::gui::drawer::glyph::GlyphPainter;

namespace {

using Pixel = std::pair<int64_t, int64_t>;
using PixelSet = std::set<Pixel>;

constexpr uint32_t kInk = 0x00123456;

// Rasterizes every fill into a map of pixels, so tests compare pixel sets:
// overlapping rectangles count once, as on screen.
class PixelGrid : public s::gui::paint::IRectFill {
public:
    void fill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) override {
        ++fills;
        for (int64_t row = y; row < int64_t{y} + height; ++row) {
            for (int64_t column = x; column < int64_t{x} + width; ++column) {
                pixels[{column, row}] = colour;
            }
        }
    }
    PixelSet set() const {
        PixelSet result;
        for (const auto& entry : pixels) {
            result.insert(entry.first);
        }
        return result;
    }
    bool allInside(int64_t left, int64_t top, int64_t right, int64_t bottom) const {
        return std::all_of(pixels.begin(), pixels.end(), [&](const auto& entry) {
            const Pixel& p = entry.first;
            return p.first >= left && p.first < right && p.second >= top && p.second < bottom;
        });
    }
    std::map<Pixel, uint32_t> pixels;
    int32_t fills = 0;
};

struct Box {
    int32_t left, top, right, bottom;
};

PixelGrid paintGlyph(const char16_t* label, Box box, int32_t scale, bool* painted = nullptr) {
    PixelGrid grid;
    const bool result =
        GlyphPainter::paint(grid, box.left, box.top, box.right, box.bottom, label, kInk, scale);
    if (painted != nullptr) {
        *painted = result;
    }
    return grid;
}

void addRect(PixelSet& set, int64_t x, int64_t y, int64_t width, int64_t height) {
    for (int64_t row = y; row < y + height; ++row) {
        for (int64_t column = x; column < x + width; ++column) {
            set.insert({column, row});
        }
    }
}

// The caption glyphs' reference geometry, written out from their formulas.
struct Inner {
    Inner(Box box, int64_t scale)
        : s(scale), x0(box.left + s), y0(box.top + s), x1(box.right - s), y1(box.bottom - s),
          W(x1 - x0), H(y1 - y0), N(std::min(W, H) / 2 * 2), bx((W - N) / 2), by((H - N) / 2),
          low(y0 + (H * 8) / 10) {}
    int64_t s, x0, y0, x1, y1, W, H, N, bx, by, low;
};

PixelSet expectedMinimize(Box box, int64_t s) {
    const Inner in(box, s);
    PixelSet set;
    addRect(set, in.x0, in.low, in.W, 2 * s);
    return set;
}

PixelSet expectedDot(Box box, int64_t s) {
    const Inner in(box, s);
    PixelSet set;
    addRect(set, box.right - 3 * s, in.low, 2 * s, 2 * s);
    return set;
}

PixelSet expectedClose(Box box, int64_t s) {
    const Inner in(box, s);
    PixelSet set;
    const int64_t side = 2 * s;
    for (int64_t i = 0; in.y0 + in.by + i < in.y1 - side + 1; ++i) {
        const int64_t y = in.y0 + in.by + i;
        const int64_t down = in.x0 + in.bx + i;
        const int64_t back = box.right - 3 * s - in.bx - i;
        if (down + side <= in.x1) {
            addRect(set, down, y, side, side);
        }
        if (back >= in.x0) {
            addRect(set, back, y, side, side);
        }
    }
    return set;
}

// An outline of a square with a thicker top edge.
void addOutline(PixelSet& set, int64_t x, int64_t y, int64_t side, int64_t topThickness) {
    for (int64_t row = 0; row < side; ++row) {
        for (int64_t column = 0; column < side; ++column) {
            if (row < topThickness || row == side - 1 || column == 0 || column == side - 1) {
                set.insert({x + column, y + row});
            }
        }
    }
}

PixelSet expectedMaximize(Box box, int64_t s) {
    const Inner in(box, s);
    PixelSet set;
    addOutline(set, in.x0 + in.bx, in.y0 + in.by, in.N, 3);
    return set;
}

PixelSet expectedRestore(Box box, int64_t s) {
    // Two squares of side V three pixels apart, the pair centred.
    const Inner in(box, s);
    const int64_t V = std::min(in.W - 3, in.H - 3) / 2 * 2;
    const int64_t x = in.x0 + (in.W - V - 3) / 2;
    const int64_t y = in.y0 + (in.H - V - 3) / 2;
    PixelSet set;
    addRect(set, x + 3, y, V, 2);
    addRect(set, x + 3 + V - 1, y, 1, V);
    addOutline(set, x, y + 3, V, 2);
    return set;
}

// The label for messages (the glyph names are ASCII).
std::string ascii(const std::u16string& label) {
    return std::string(label.begin(), label.end());
}

const std::u16string kMaximize = u"#\u25A1";
const std::u16string kRestore = u"#\u2199";

const char16_t* const kSecondary[] = {
    u"#Transform",  u"#Play",       u"#Pause",     u"#Stop",        u"#Speaker",    u"#Mute",
    u"#Right",      u"#Left",       u"#Up",        u"#Down",        u"#RightRight", u"#LeftLeft",
    u"#ThumbLineV", u"#ThumbLineH", u"#Minus",     u"#Plus",        u"#PlusMinus",  u"#Check",
    u"#Next",       u"#Prev",       u"#Resizer",   u"#TreeClosed",  u"#TreeOpen",   u"#TurnRight",
    u"#TurnLeft",   u"#OnTop",      u"#FitWindow", u"#FitToWindow", u"#Palm",       u"#KeepRatio"};

// The pixels mirrored about the vertical (or horizontal) middle of a box.
PixelSet mirrored(const PixelSet& set, Box box, bool horizontally) {
    PixelSet result;
    for (const Pixel& p : set) {
        result.insert(horizontally ? Pixel{box.left + box.right - 1 - p.first, p.second}
                                   : Pixel{p.first, box.top + box.bottom - 1 - p.second});
    }
    return result;
}

} // namespace

TEST(GlyphPainterTest, CaptionGlyphsCoverExactlyTheirPixelsAtEveryScale) {
    struct Case {
        Box box;
        int32_t scale;
    };
    // Caption buttons of 16 x 14 per scale unit, a square one with odd sides,
    // and rectangles away from the origin.
    const Case cases[] = {{{0, 0, 16, 14}, 1}, {{3, 5, 28, 30}, 1}, {{0, 0, 32, 28}, 2},
                          {{7, 2, 32, 27}, 2}, {{0, 0, 64, 56}, 4}, {{10, 20, 59, 63}, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.box.right - c.box.left << "x"
                                        << c.box.bottom - c.box.top << " at " << c.scale);
        EXPECT_EQ(expectedMinimize(c.box, c.scale), paintGlyph(u"#_", c.box, c.scale).set());
        EXPECT_EQ(expectedDot(c.box, c.scale), paintGlyph(u"#.", c.box, c.scale).set());
        EXPECT_EQ(expectedClose(c.box, c.scale), paintGlyph(u"#X", c.box, c.scale).set());
        EXPECT_EQ(expectedMaximize(c.box, c.scale),
                  paintGlyph(kMaximize.c_str(), c.box, c.scale).set());
        EXPECT_EQ(expectedRestore(c.box, c.scale),
                  paintGlyph(kRestore.c_str(), c.box, c.scale).set());
    }
}

TEST(GlyphPainterTest, CaptionShapesGrowWithTheScale) {
    // The minimize bar is 2, 4 and 8 pixels high; the close cross is as
    // tall as the centred square; everything is in the given colour.
    const std::pair<int32_t, int64_t> barHeights[] = {{1, 2}, {2, 4}, {4, 8}};
    for (const auto& [scale, height] : barHeights) {
        const PixelGrid bar = paintGlyph(u"#_", {0, 0, 16 * scale, 14 * scale}, scale);
        std::set<int64_t> rows;
        for (const auto& [pixel, colour] : bar.pixels) {
            rows.insert(pixel.second);
            EXPECT_EQ(kInk, colour);
        }
        EXPECT_EQ(static_cast<size_t>(height), rows.size()) << "scale " << scale;
    }
    const PixelSet cross = paintGlyph(u"#X", {0, 0, 16, 14}, 1).set();
    EXPECT_TRUE(cross.count({2, 1}) && cross.count({13, 1}) && cross.count({2, 12}) &&
                cross.count({13, 12}));
    EXPECT_EQ(mirrored(cross, {0, 0, 16, 14}, true), cross);
}

TEST(GlyphPainterTest, TransformAndPlayFollowTheirPixelRulesAtScaleOne) {
    const Box box{0, 0, 20, 16};
    const Inner in(box, 1);
    PixelSet transform;
    addRect(transform, in.x0, in.y0 + 1, in.W - 1, 2);
    const int64_t lower = in.low;
    addRect(transform, in.x0 + 1, lower, in.W - 1, 2);
    for (int64_t k = 1; k <= 3; ++k) {
        addRect(transform, in.x0 + k, in.y0 + 1, 1, 2 + k);
        addRect(transform, in.x1 - 1 - k, lower - k, 1, 2 + k);
    }
    EXPECT_EQ(transform, paintGlyph(u"#Transform", box, 1).set());

    PixelSet play;
    for (int64_t k = 0; in.N - 2 * k > 0; ++k) {
        addRect(play, in.x0 + in.bx + 2 * k, in.y0 + in.by + k, 2, in.N - 2 * k);
    }
    EXPECT_EQ(play, paintGlyph(u"#Play", box, 1).set());
}

TEST(GlyphPainterTest, ColourSwatchIsTheNamedColourInABlackBox) {
    const Box box{10, 10, 24, 22};
    bool painted = false;
    const PixelGrid grid = paintGlyph(u"#Color-00336699", box, 1, &painted);
    EXPECT_TRUE(painted);
    // Red 0x99, green 0x66, blue 0x33 is the COLORREF 0x00336699.
    const uint32_t swatch = 0x99 | 0x66 << 8 | 0x33 << 16;
    for (int64_t y = box.top; y < box.bottom; ++y) {
        for (int64_t x = box.left; x < box.right; ++x) {
            const bool outer =
                x == box.left || y == box.top || x == box.right - 1 || y == box.bottom - 1;
            const bool ring = !outer && (x == box.left + 1 || y == box.top + 1 ||
                                         x == box.right - 2 || y == box.bottom - 2);
            const auto found = grid.pixels.find({x, y});
            if (outer) {
                EXPECT_TRUE(found == grid.pixels.end()) << x << "," << y;
            } else {
                ASSERT_TRUE(found != grid.pixels.end()) << x << "," << y;
                EXPECT_EQ(ring ? 0u : swatch, found->second) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(swatch, paintGlyph(u"#Color-FF336699", box, 1).pixels.at({15, 15}));

    for (const char16_t* bad : {u"#Color-", u"#Color-0033669", u"#Color-003366990",
                                u"#Color-0033669g", u"#Color- 0336699", u"#Color-0x336699"}) {
        const PixelGrid none = paintGlyph(bad, box, 1, &painted);
        EXPECT_FALSE(painted);
        EXPECT_EQ(0, none.fills);
    }
}

TEST(GlyphPainterTest, OtherGlyphsAreDrawnInsideTheirInnerBoxAtEveryScale) {
    // Scroll-bar arrows, combo arrows, check marks and wide or tall buttons.
    const Box boxes[] = {{0, 0, 17, 17}, {5, 3, 15, 30}, {0, 0, 40, 20}, {2, 2, 11, 11}};
    for (const char16_t* label : kSecondary) {
        for (const int32_t scale : {1, 2, 4}) {
            for (const Box& base : boxes) {
                const Box box{base.left, base.top, base.left + (base.right - base.left) * scale,
                              base.top + (base.bottom - base.top) * scale};
                bool painted = false;
                const PixelGrid grid = paintGlyph(label, box, scale, &painted);
                SCOPED_TRACE(testing::Message() << ascii(label) << " scale " << scale << " width "
                                                << box.right - box.left);
                EXPECT_TRUE(painted);
                EXPECT_FALSE(grid.pixels.empty());
                EXPECT_TRUE(grid.allInside(box.left + scale, box.top + scale, box.right - scale,
                                           box.bottom - scale));
            }
        }
    }
}

TEST(GlyphPainterTest, TurnedGlyphsAreMirrorImagesAndDoubleAtScaleTwo) {
    const Box box{0, 0, 16, 16};
    const std::pair<const char16_t*, const char16_t*> mirrors[] = {{u"#Right", u"#Left"},
                                                                   {u"#RightRight", u"#LeftLeft"},
                                                                   {u"#Next", u"#Prev"},
                                                                   {u"#TurnRight", u"#TurnLeft"}};
    for (const auto& [one, other] : mirrors) {
        EXPECT_EQ(mirrored(paintGlyph(one, box, 1).set(), box, true),
                  paintGlyph(other, box, 1).set());
    }
    EXPECT_EQ(mirrored(paintGlyph(u"#Down", box, 1).set(), box, false),
              paintGlyph(u"#Up", box, 1).set());
    // Symmetric shapes are their own mirror images.
    for (const char16_t* label : {u"#Down", u"#Up", u"#TreeOpen", u"#Plus", u"#Pause",
                                  u"#FitWindow", u"#KeepRatio", u"#ThumbLineH"}) {
        const PixelSet set = paintGlyph(label, box, 1).set();
        EXPECT_EQ(mirrored(set, box, true), set);
    }
    // At scale 2 in a box twice the size, each pixel becomes a 2 x 2 block.
    for (const char16_t* label : kSecondary) {
        PixelSet doubled;
        for (const Pixel& p : paintGlyph(label, box, 1).set()) {
            addRect(doubled, 2 * p.first, 2 * p.second, 2, 2);
        }
        EXPECT_EQ(doubled, paintGlyph(label, {0, 0, 32, 32}, 2).set()) << ascii(label);
    }
}

TEST(GlyphPainterTest, BarsAndGripLinesHaveTheirThickness) {
    // A fifth of the square rounded down to even, but never thinner than 1.
    auto rowsOf = [](const PixelSet& set) {
        std::set<int64_t> rows;
        for (const Pixel& p : set) {
            rows.insert(p.second);
        }
        return rows.size();
    };
    EXPECT_EQ(2u, rowsOf(paintGlyph(u"#Minus", {0, 0, 16, 16}, 1).set()));
    EXPECT_EQ(1u, rowsOf(paintGlyph(u"#Minus", {0, 0, 10, 10}, 1).set()));
    EXPECT_EQ(4u, rowsOf(paintGlyph(u"#Minus", {0, 0, 24, 24}, 1).set()));
    // Two lines s thick with 2s between them.
    for (const int32_t scale : {1, 2, 4}) {
        std::set<int64_t> rows;
        for (const Pixel& p : paintGlyph(u"#ThumbLineH", {0, 0, 17 * scale, 40}, scale).set()) {
            rows.insert(p.second);
        }
        ASSERT_EQ(static_cast<size_t>(2 * scale), rows.size());
        EXPECT_EQ(*rows.begin() + 4 * scale - 1, *rows.rbegin());
    }
}

TEST(GlyphPainterTest, TinyInvertedAndHugeRectanglesStayInside) {
    const Box boxes[] = {{0, 0, 0, 0},
                         {5, 5, 6, 6},
                         {5, 5, 8, 8},
                         {10, 10, 5, 5},
                         {0, 0, 2, 9},
                         {0, 0, 9, 3},
                         {-3, -3, 1, 1},
                         {INT32_MAX - 4, INT32_MAX - 4, INT32_MAX, INT32_MAX},
                         {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}};
    std::u16string labels[std::size(kSecondary) + 5] = {u"#_", u"#.", u"#X", kMaximize, kRestore};
    std::copy(std::begin(kSecondary), std::end(kSecondary), labels + 5);
    for (const std::u16string& label : labels) {
        for (const int32_t scale : {1, 2, 4}) {
            for (const Box& box : boxes) {
                bool painted = false;
                const PixelGrid grid = paintGlyph(label.c_str(), box, scale, &painted);
                EXPECT_TRUE(painted);
                EXPECT_TRUE(grid.allInside(box.left, box.top, box.right, box.bottom));
            }
        }
    }
    bool painted = false;
    EXPECT_EQ(0, paintGlyph(u"#Color-00336699", {4, 4, 2, 2}, 1, &painted).fills);
    EXPECT_TRUE(painted);
    EXPECT_TRUE(paintGlyph(u"#X", {0, 0, 16, 14}, 0).allInside(0, 0, 16, 14));
    EXPECT_TRUE(paintGlyph(u"#X", {0, 0, 16, 14}, 99).allInside(0, 0, 16, 14));
}

TEST(GlyphPainterTest, LabelsThatNameNoGlyphPaintNothing) {
    for (const char16_t* label : {static_cast<const char16_t*>(nullptr), u"", u"X", u"Close", u"#",
                                  u"#Nothing", u"#x", u"#X ", u"#_#", u" #X", u"#check"}) {
        bool painted = true;
        const PixelGrid grid = paintGlyph(label, {0, 0, 16, 14}, 1, &painted);
        EXPECT_FALSE(painted);
        EXPECT_EQ(0, grid.fills);
    }
}
