#pragma once
#include "s/gui/drawer/IScrollBar.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/PoolRef.h"

namespace s::gui::drawer::border::win {
class Thin;
}
namespace s::gui::drawer::button::win {
class Thin;
}

namespace s::gui::drawer::scrollbar::win {

// The scroll bar of the thin skins: a sunken frame around the bar, arrow
// and thumb buttons from its own button drawer (glyph labels), small arrows
// on long thumbs, and the track pieces filled inside the frame (see
// ScrollBarLayout for where everything lies).
//
// Owned by a skin, which owns it through the pool; it owns its button and
// border drawers for its whole life (reset with it). Configured once by the
// skin's thread, then only read: every call lays the bar out in its own
// locals, so windows on several threads may share it. No lock.
class Thin : public s::gui::drawer::IScrollBar, public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_scrollbar_win_Thin")
public:
    void reset() override;

    int32_t hitTest(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    bool horizontal, int32_t total, int32_t page, int32_t position,
                    bool corner) const override;
    int32_t dragPosition(int32_t delta, int32_t position, int32_t left, int32_t top, int32_t right,
                         int32_t bottom, bool horizontal, int32_t total, int32_t page,
                         bool corner) const override;
    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, bool horizontal,
              int32_t total, int32_t page, int32_t position, int32_t firstArrowState,
              int32_t thumbState, int32_t secondArrowState, bool corner, bool highlightTrack,
              uint8_t red, uint8_t green, uint8_t blue) const override;

    int32_t getThickness() const override { return thickness; }
    void setThickness(int32_t pixels) override { thickness = pixels; }
    void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setTrackColor(uint8_t red, uint8_t green, uint8_t blue) override;

    uint32_t getFrameColor() const { return frameColor; }
    uint32_t getTrackColor() const { return trackColor; }
    int32_t getCornerStyle() const { return cornerStyle; }

private:
    Thin();
    ~Thin() override;

    // The frame's corner style (the border drawer's 0 to 2); 0 draws no
    // frame around the track.
    int32_t cornerStyle = 1;
    s::thread::PoolRef<s::gui::drawer::button::win::Thin> button;
    s::thread::PoolRef<s::gui::drawer::border::win::Thin> border;
    uint32_t frameColor = 0;
    uint32_t trackColor = 0;
    int32_t thickness = 0;
};

} // namespace s::gui::drawer::scrollbar::win
