#pragma once
#include <windows.h>

#include <cstdint>

#include "s/base/IObject.h"
#include "s/gui/text/FontDescription.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::win {

class Font;

// A text style: what a skin says its texts look like (face, size, weight,
// style, the text, back and shade colours, the layout switches and the
// drawing effect), with a mark for every property set explicitly, so that
// the fonts and styles completed from it keep what they chose themselves
// (see FontDescription::inheritFrom). A new style is ordinary 10-point
// black text in the system's face, sized for the display.
//
// The style is its portable description; the system's logical font is built
// from it whenever asked (getLogFont), so the two can never disagree, and
// fonts are made from it on demand (createFont). The text drawer keeps its
// five styles as bare descriptions, which is all a style is; components
// complete their fonts from those and from styles like this one alike.
//
// Owned by whoever took it from its pool (or embeds the description); used
// on one thread at a time: a skin colours its styles once while it is built,
// and afterwards they are only read.
class FontSetting : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(FontSetting, u"s_gui_win_FontSetting")
public:
    void reset() override;

    // Size codes (see FontSize); sets no mark.
    void setFontSize(int32_t code) { description.setFontSize(code); }
    int32_t getFontSize() const { return description.getFontSize(); }
    bool isCustomized() const { return description.isCustomized(); }

    const char16_t* getFace() const { return description.getFace(); }
    // Keeps at most 31 characters.
    void setFace(const char16_t* name) { description.setFace(name); }

    COLORREF getTextColor() const { return description.getTextColor(); }
    uint8_t getTextRed() const { return GetRValue(getTextColor()); }
    uint8_t getTextGreen() const { return GetGValue(getTextColor()); }
    uint8_t getTextBlue() const { return GetBValue(getTextColor()); }
    void setTextColor(uint8_t red, uint8_t green, uint8_t blue) {
        description.setTextColor(red, green, blue);
    }
    COLORREF getBackColor() const { return description.getBackColor(); }
    void setBackColor(uint8_t red, uint8_t green, uint8_t blue) {
        description.setBackColor(red, green, blue);
    }
    COLORREF getShadeColor() const { return description.getShadeColor(); }
    void setShadeColor(uint8_t red, uint8_t green, uint8_t blue) {
        description.setShadeColor(red, green, blue);
    }

    // The height of a font of `points` on the screen, by the screen's
    // vertical dots per inch (no cap, unlike size codes); sets the size mark.
    void setPointSize(int32_t points);
    int32_t getHeight() const { return description.getHeight(); }
    void setHeight(int32_t pixels) { description.setHeight(pixels); }
    int32_t getWidth() const { return description.getWidth(); }
    void setWidth(int32_t pixels) { description.setWidth(pixels); }

    bool isBold() const { return description.isBold(); }
    void setBold(bool on) { description.setBold(on); }
    bool isItalic() const { return description.isItalic(); }
    void setItalic(bool on) { description.setItalic(on); }
    bool isUnderline() const { return description.isUnderline(); }
    void setUnderline(bool on) { description.setUnderline(on); }
    bool isStrikeOut() const { return description.isStrikeOut(); }
    void setStrikeOut(bool on) { description.setStrikeOut(on); }
    int32_t getWeight() const { return description.getWeight(); }
    void setWeight(int32_t weight) { description.setWeight(weight); }

    // Switches and effect set no mark and are never inherited.
    bool getWordWrap() const { return description.getWordWrap(); }
    void setWordWrap(bool on) { description.setWordWrap(on); }
    bool getEllipsis() const { return description.getEllipsis(); }
    void setEllipsis(bool on) { description.setEllipsis(on); }
    int32_t getEffect() const { return description.getEffect(); }
    void setEffect(int32_t effect) { description.setEffect(effect); }

    bool isClearType() const { return description.isClearType(); }
    void setClearType(bool on) { description.setClearType(on); }

    // Takes every property not set explicitly here from `other`.
    void inheritFrom(const FontSetting& other) { description.inheritFrom(other.description); }
    void inheritFrom(const s::gui::text::FontDescription& other) { description.inheritFrom(other); }

    // The system's logical font for this style.
    LOGFONTW getLogFont() const { return logicalFontOf(description); }
    // A new font from its pool with every property and the explicit choices
    // of this style (its quality choice aside: the font keeps the value and
    // still follows the styles it is completed from); the caller owns it.
    // Null only when the pool cannot make one.
    Font* createFont() const;

    const s::gui::text::FontDescription& getDescription() const { return description; }
    s::gui::text::FontDescription& getDescription() { return description; }

    // The logical font for any description: the description's face (at most
    // 31 characters), size, weight, style and quality, every script's
    // characters, outline output and a proportional pitch.
    static LOGFONTW logicalFontOf(const s::gui::text::FontDescription& description);

private:
    FontSetting() { reset(); }
    ~FontSetting() override = default;

    s::gui::text::FontDescription description;
};

} // namespace s::gui::win
