#pragma once
#include "s/gui/drawer/ICheckBox.h"
#include "s/gui/drawer/text/win/Labelled.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/PoolRef.h"

namespace s::gui::drawer::button::win {
class Thin;
}

namespace s::gui::drawer::checkbox::win {

// The check box of the thin skins: a white box in a frame two units thick,
// a black check mark when marked (painted by its own button drawer's glyph
// painter), the label to the right through its own text drawer (see
// CheckBoxGeometry). The label's styles 1 and 2 carry the scheme's colours
// for enabled and disabled labels.
//
// Owned by a skin, which owns it through the pool; it owns its button and
// text drawers for its whole life (reset with it). Configured once by the skin's thread,
// then only read: drawing writes nothing, so windows on several threads may
// share it. No lock.
class Thin : public s::gui::drawer::text::win::Labelled<s::gui::drawer::ICheckBox>,
             public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_checkbox_win_Thin")
public:
    void reset() override;

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t boxSide,
              bool marked, const char16_t* text, s::gui::win::Font* font) override;
    s::gui::text::TextExtents measureForLayout(HDC dc, const char16_t* text,
                                               s::gui::win::Font& font) override;

    void setFirstFlag(bool on) override { firstFlag = on; }
    void setSecondFlag(bool on) override { secondFlag = on; }
    void setLabelColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setMarkFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;

    uint32_t getFrameColor() const { return frameColor; }
    uint32_t getLabelColor() const { return labelColor; }
    bool getFirstFlag() const { return firstFlag; }
    bool getSecondFlag() const { return secondFlag; }

private:
    Thin();
    ~Thin() override;

    bool firstFlag = true;
    bool secondFlag = false;
    // Kept for the schemes that set it; the drawing does not read it.
    int32_t thirdSetting = 1;
    uint32_t labelColor = 0;
    uint32_t frameColor = 0;
    s::thread::PoolRef<s::gui::drawer::button::win::Thin> mark;
};

} // namespace s::gui::drawer::checkbox::win
