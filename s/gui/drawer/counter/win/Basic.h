#pragma once
#include "s/gui/drawer/counter/IBasic.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::counter::win {

// The strip-chart drawer: the background (unless transparent), then the
// first and the second series in their colours (see counter::Chart). Each
// series is copied out under its own lock, one after the other, and drawn
// without holding it, so a producer adding samples is never held up by a
// paint.
//
// Colours start as "none" (0xFFFFFFFF): a series without a colour of its own
// is then not drawn, and the background not painted. Owned by a skin;
// configured once, then only read from any window's thread.
class Basic : public s::gui::drawer::counter::IBasic, public s::thread::IPoolable {
    S_POOLED_CLASS(Basic, u"s_gui_drawer_counter_win_Basic")
public:
    static constexpr uint32_t kNoColour = 0xFFFFFFFF;

    void reset() override;

    void setBackground(uint8_t red, uint8_t green, uint8_t blue) override;
    uint8_t getFirstRed() const override { return GetRValue(firstColour); }
    uint8_t getFirstGreen() const override { return GetGValue(firstColour); }
    uint8_t getFirstBlue() const override { return GetBValue(firstColour); }
    void setFirstColor(uint8_t red, uint8_t green, uint8_t blue) override;
    uint8_t getSecondRed() const override { return GetRValue(secondColour); }
    uint8_t getSecondGreen() const override { return GetGValue(secondColour); }
    uint8_t getSecondBlue() const override { return GetBValue(secondColour); }
    void setSecondColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t mode,
              const counter::Series* firstSeries, const counter::Series* secondSeries,
              bool swapColours) override;

private:
    Basic() { reset(); }
    ~Basic() override = default;

    bool transparent = true;
    uint32_t background = kNoColour;
    uint32_t firstColour = kNoColour;
    uint32_t secondColour = kNoColour;
};

} // namespace s::gui::drawer::counter::win
