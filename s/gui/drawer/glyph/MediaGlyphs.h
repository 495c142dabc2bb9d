#pragma once
#include "s/gui/drawer/glyph/GlyphFrame.h"

namespace s::gui::drawer::glyph {

// The player's glyphs: play, pause, stop and the loudspeaker with sound
// lines or muted. All are drawn in the frame's centred square.
//
// Stateless; any thread.
class MediaGlyphs {
public:
    static void play(const GlyphFrame& frame);
    static void pause(const GlyphFrame& frame);
    static void stop(const GlyphFrame& frame);
    static void speaker(const GlyphFrame& frame);
    static void mute(const GlyphFrame& frame);

private:
    static GlyphFrame speakerGrid(const GlyphFrame& frame);
    static bool compact(const GlyphFrame& grid);
    static int64_t speakerLeft(const GlyphFrame& grid);
    static void loudspeaker(const GlyphFrame& grid, int64_t x);
    static void centredColumn(const GlyphFrame& grid, int64_t x, int64_t width, int64_t height);
};

} // namespace s::gui::drawer::glyph
