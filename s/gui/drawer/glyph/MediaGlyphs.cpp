#include "s/gui/drawer/glyph/MediaGlyphs.h"

#include <algorithm>

#include "s/gui/drawer/glyph/ArrowGlyphs.h"

namespace s::gui::drawer::glyph {

namespace {
// The loudspeaker with its sound lines is this many cells wide; in a
// square too small for that it keeps one line (or the bar) in six cells.
constexpr int64_t kSpeakerCells = 8;
constexpr int64_t kCompactSpeakerCells = 6;
} // namespace

void MediaGlyphs::play(const GlyphFrame& frame) {
    // Columns two cells wide from the square's left edge, each two cells
    // shorter and one lower, down to the middle rows.
    // An even height keeps the columns inside the square.
    const GlyphFrame grid = frame.inUnits(frame.s);
    ArrowGlyphs::stepTriangle(grid, 0, 0, GlyphFrame::roundDown(grid.n, 2), 2);
}

void MediaGlyphs::pause(const GlyphFrame& frame) {
    const int64_t bar = std::max(frame.s, GlyphFrame::roundDown(frame.N / 3, frame.s));
    frame.fillLocal(0, 0, bar, frame.N);
    frame.fillLocal(frame.N - bar, 0, bar, frame.N);
}

void MediaGlyphs::stop(const GlyphFrame& frame) {
    frame.fillLocal(0, 0, frame.N, frame.N);
}

GlyphFrame MediaGlyphs::speakerGrid(const GlyphFrame& frame) {
    // The pattern is eight cells wide; cells are whole multiples of s.
    return frame.inUnits(
        std::max(frame.s, GlyphFrame::roundDown(frame.N / kSpeakerCells, frame.s)));
}

bool MediaGlyphs::compact(const GlyphFrame& grid) {
    return grid.n < kSpeakerCells;
}

int64_t MediaGlyphs::speakerLeft(const GlyphFrame& grid) {
    return GlyphFrame::floorDiv(grid.n - (compact(grid) ? kCompactSpeakerCells : kSpeakerCells), 2);
}

void MediaGlyphs::centredColumn(const GlyphFrame& grid, int64_t x, int64_t width, int64_t height) {
    grid.fillLocal(x, GlyphFrame::floorDiv(grid.n - height, 2), width, height);
}

void MediaGlyphs::loudspeaker(const GlyphFrame& grid, int64_t x) {
    // The magnet (two cells wide, a third of the square high), then the
    // cone: a column two thirds high and one the full height.
    //
    //      #
    //     ##
    //   ####
    //   ####
    //     ##
    //      #
    const int64_t n = grid.n;
    centredColumn(grid, x, 2, std::max<int64_t>(2, GlyphFrame::roundDown(n / 3, 2)));
    centredColumn(grid, x + 2, 1, GlyphFrame::roundDown(n * 2 / 3, 2));
    centredColumn(grid, x + 3, 1, n);
}

void MediaGlyphs::speaker(const GlyphFrame& frame) {
    // Two sound lines to the right, the outer one the longer.
    const GlyphFrame grid = speakerGrid(frame);
    const int64_t x = speakerLeft(grid);
    loudspeaker(grid, x);
    const int64_t outer = compact(grid) ? x + 5 : x + 7;
    if (!compact(grid)) {
        centredColumn(grid, x + 5, 1, GlyphFrame::roundDown(grid.n / 3, 2));
    }
    centredColumn(grid, outer, 1, GlyphFrame::roundDown(grid.n * 2 / 3, 2));
}

void MediaGlyphs::mute(const GlyphFrame& frame) {
    // Where the sound lines would be, one bar the full height: silenced.
    const GlyphFrame grid = speakerGrid(frame);
    const int64_t x = speakerLeft(grid);
    loudspeaker(grid, x);
    centredColumn(grid, compact(grid) ? x + 5 : x + 6, 1, grid.n);
}

} // namespace s::gui::drawer::glyph
