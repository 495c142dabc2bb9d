#pragma once
#include "s/gui/drawer/ICombo.h"
#include "s/gui/drawer/text/win/Labelled.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/PoolRef.h"

namespace s::gui::drawer::button::win {
class Thin;
}

namespace s::gui::drawer::combo::win {

// The closed combo box of the thin skins: a framed button from its own
// button drawer, the chosen text left-aligned and vertically centred in the
// text box through its own text drawer, a separator and a down arrow in the
// frame colour (see ComboGeometry).
//
// Owned by a skin or a menu drawer through the pool; it owns its button and
// text drawers for its whole life (reset with it). Configured once by the
// owner's thread, then only read: drawing writes nothing in the drawer, so
// windows on several threads may share it. No lock.
class Thin : public s::gui::drawer::text::win::Labelled<s::gui::drawer::ICombo>,
             public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_combo_win_Thin")
public:
    void reset() override;

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
              const char16_t* text, s::gui::win::Font* font, bool enabled) const override;
    void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;

    uint32_t getFrameColor() const { return frameColor; }

private:
    Thin();
    ~Thin() override;

    s::thread::PoolRef<s::gui::drawer::button::win::Thin> button;
    uint32_t frameColor = 0;
};

} // namespace s::gui::drawer::combo::win
