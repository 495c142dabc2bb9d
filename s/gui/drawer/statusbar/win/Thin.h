#pragma once
#include "s/gui/drawer/statusbar/IThin.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::statusbar::win {

// The skins' status bar drawer: it paints nothing and reports a bar 13
// pixels high; the background is kept for a bar that paints itself.
//
// Owned by a skin; configured once, then only read from any window's
// thread.
class Thin : public s::gui::drawer::statusbar::IThin, public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_statusbar_win_Thin")
public:
    static constexpr int32_t kHeight = 13;

    void reset() override;

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    int32_t getHeight() const override { return kHeight; }
    void setBackground(uint8_t red, uint8_t green, uint8_t blue) override;
    COLORREF getBackground() const { return background; }

private:
    Thin() { reset(); }
    ~Thin() override = default;

    COLORREF background = 0;
};

} // namespace s::gui::drawer::statusbar::win
