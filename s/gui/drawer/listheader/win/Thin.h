#pragma once
#include "s/gui/drawer/IListHeader.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/PoolRef.h"

namespace s::gui::drawer::button::win {
class Thin;
}

namespace s::gui::drawer::listheader::win {

// The list header of the thin skins: a background and one framed button
// per column from its own button drawer, square-cornered, with labels that
// move with the hot and pressed states.
//
// Owned by a skin, which owns it through the pool; it owns its button
// drawer for its whole life (reset with it). Configured once by the skin's
// thread, then only read: drawing writes nothing in the drawer, so windows
// on several threads may share it. No lock.
class Thin : public s::gui::drawer::IListHeader, public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_listheader_win_Thin")
public:
    void reset() override;

    void drawBackground(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                        bool useGiven, uint8_t red, uint8_t green, uint8_t blue) const override;
    void drawCell(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
                  const char16_t* label, s::gui::win::Font* font) const override;
    void setShiftLabel(bool on) override;
    uint8_t getFrameRed() const override;
    uint8_t getFrameGreen() const override;
    uint8_t getFrameBlue() const override;
    void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;
    uint8_t getBackgroundRed() const override;
    uint8_t getBackgroundGreen() const override;
    uint8_t getBackgroundBlue() const override;
    void setBackground(uint8_t red, uint8_t green, uint8_t blue) override;
    void completeFonts(s::gui::win::Font* font) override;
    s::gui::text::FontDescription& getTextStyle() override;
    void setRowHeight(int32_t pixels) override { rowHeight = pixels; }
    int32_t getRowHeight() const override { return rowHeight; }

    bool getShiftLabel() const { return shiftLabel; }
    int32_t getCornerStyle() const { return cornerStyle; }

private:
    Thin();
    ~Thin() override;

    bool shiftLabel = true;
    int32_t cornerStyle = 0;
    uint32_t frameColor = 0;
    uint32_t background = 0;
    s::thread::PoolRef<s::gui::drawer::button::win::Thin> button;
    int32_t rowHeight = 0;
};

} // namespace s::gui::drawer::listheader::win
