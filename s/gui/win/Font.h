#pragma once
#include <windows.h>

#include <cstdint>

#include "s/base/IObject.h"
#include "s/gui/text/FontDescription.h"
#include "s/platform/win/GdiObject.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::win {

class FontSetting;

// A component's font: a description (face, size, weight, style, the text,
// back and shade colours, word wrap, end ellipsis and the drawing effect,
// with the marks of what was set explicitly) and
// the system font made from it. A new font is ordinary 10-point text in the
// system's message face, sized for the display (see FontSize).
//
// The system font is made when it is first needed after a change, so a
// series of setters builds it once; the font owns it and deletes it with
// the next change or when given back. Whoever selects it into a context
// must select it out again before the font changes (ObjectSelection does).
//
// Owned by the component that took it; used on that component's thread
// only. Pooled without idle objects, as every holder of a system font.
class Font : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS_LIMIT(Font, u"s_gui_win_Font", 0)
public:
    void reset() override;

    // Size codes (see FontSize): |code| < 100 normal 10 + code points,
    // 100 <= |code| < 1000 bold 14 + (code rem 100), 100001 normal 8 points,
    // other codes change nothing but are kept.
    void setFontSize(int32_t code);
    int32_t getFontSize() const { return description.getFontSize(); }
    void setTextColor(uint8_t red, uint8_t green, uint8_t blue);
    COLORREF getTextColor() const { return description.getTextColor(); }
    void setBackColor(uint8_t red, uint8_t green, uint8_t blue);
    COLORREF getBackColor() const { return description.getBackColor(); }
    void setShadeColor(uint8_t red, uint8_t green, uint8_t blue);
    COLORREF getShadeColor() const { return description.getShadeColor(); }
    // The drawing effect (see TextEffect); no mark, never inherited.
    void setEffect(int32_t effect) { description.setEffect(effect); }
    int32_t getEffect() const { return description.getEffect(); }
    void setWordWrap(bool on) { description.setWordWrap(on); }
    bool getWordWrap() const { return description.getWordWrap(); }
    void setEllipsis(bool on) { description.setEllipsis(on); }
    bool getEllipsis() const { return description.getEllipsis(); }
    void setUnderline(bool on);
    void setBold(bool on);
    void setFace(const char16_t* name);
    void setHeight(int32_t pixels);

    // Takes every property not set explicitly from a text style (see
    // FontDescription::inheritFrom).
    void inheritFrom(const s::gui::text::FontDescription& style);
    void inheritFrom(const FontSetting& style);
    const s::gui::text::FontDescription& getDescription() const { return description; }
    // Becomes exactly `source`, marks included (a text style making a font).
    void assign(const s::gui::text::FontDescription& source);

    // The system font for the present description; null only when the
    // system cannot make one. Valid until the next change.
    HFONT getHandle();

private:
    Font() { reset(); }
    ~Font() override = default;

    void changed() { handle.assign(nullptr); }

    s::gui::text::FontDescription description;
    s::platform::win::OwnedGdiObject<HFONT> handle;
};

} // namespace s::gui::win
