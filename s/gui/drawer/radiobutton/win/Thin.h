#pragma once
#include "s/gui/drawer/IRadioButton.h"
#include "s/gui/drawer/text/win/Labelled.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::radiobutton::win {

// The radio button of the thin skins: a circle outlined in the frame colour
// and filled with the caller's background, a dot when marked, drawn at four
// times the size on the caller's scratch surface and shrunk with smoothing
// to 13 x 13 pixels (see RadioGeometry); the label to the right through its
// own text drawer.
//
// Owned by a skin, which owns it through the pool; it owns its text drawer
// for its whole life (reset with it). Configured once by the skin's thread,
// then only read: drawing writes only into the two contexts it is given, so
// windows on several threads may share it. No lock.
class Thin : public s::gui::drawer::text::win::Labelled<s::gui::drawer::IRadioButton>,
             public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_radiobutton_win_Thin")
public:
    void reset() override;

    void draw(HDC dc, HDC scratch, int32_t left, int32_t top, int32_t right, int32_t bottom,
              bool marked, const char16_t* text, s::gui::win::Font* font,
              uint32_t background) override;

    void setFlag(bool on) override { flag = on; }
    void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setDotColor(uint8_t red, uint8_t green, uint8_t blue) override;

    uint32_t getFrameColor() const { return frameColor; }
    uint32_t getDotColor() const { return dotColor; }

private:
    Thin();
    ~Thin() override;

    // Draws the large circle on the scratch surface.
    void drawCircle(HDC scratch, bool marked, uint32_t background) const;

    // Kept for the schemes that set it; the drawing does not read it.
    bool flag = false;
    uint32_t frameColor = 0;
    uint32_t dotColor = 0;
};

} // namespace s::gui::drawer::radiobutton::win
