#pragma once
#include <cstdint>

#include "s/gui/scale/DisplayScale.h"

namespace s::gui::text {

// What a font looks like, before any platform font exists: face, height,
// weight, style, colours (text, back and shade), the two layout switches
// (word wrap, end ellipsis) and the drawing effect (see TextEffect), plus a
// mark for every property a caller set explicitly.
//
// The marks are what lets a component's font be completed from a text style:
// inheritFrom() takes from the style every property the font has not set
// itself, so a label that chose only its colour gets the style's face and
// size, and a label that chose a size keeps it. Size codes (setFontSize)
// never set a mark: they follow the style like the defaults do.
//
// Colours are stored as 0x00BBGGRR, the system's colour values.
//
// A value type, owned by whoever embeds it (a native font, a text style);
// one thread at a time.
class FontDescription {
public:
    // The longest face name kept, not counting the terminating zero.
    static constexpr int32_t kFaceLength = 31;
    // ClearType and plain (not antialiased) output quality.
    static constexpr int32_t kClearTypeQuality = 5;
    static constexpr int32_t kPlainQuality = 3;
    // Weights from this one up count as bold.
    static constexpr int32_t kBoldFrom = 500;

    static constexpr uint32_t rgb(uint8_t red, uint8_t green, uint8_t blue) {
        return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
               static_cast<uint32_t>(blue) << 16;
    }

    FontDescription() { reset(u"", s::gui::scale::DisplayScale()); }

    // Ordinary 10-point text in `face` (cut to 31 units) for the display;
    // black on light grey, no switches, no marks.
    void reset(const char16_t* face, const s::gui::scale::DisplayScale& display);

    // Size codes (see FontSize): the code is kept in every case; a size code
    // sets the weight unless bold was set explicitly and the height unless
    // the size was. Sets no mark.
    void setFontSize(int32_t code);
    int32_t getFontSize() const { return sizeCode; }

    const char16_t* getFace() const { return face; }
    void setFace(const char16_t* name);
    uint32_t getTextColor() const { return textColor; }
    void setTextColor(uint8_t red, uint8_t green, uint8_t blue);
    uint32_t getBackColor() const { return backColor; }
    void setBackColor(uint8_t red, uint8_t green, uint8_t blue);
    // The colour of the outline some effects draw around the text.
    uint32_t getShadeColor() const { return shadeColor; }
    void setShadeColor(uint8_t red, uint8_t green, uint8_t blue);
    int32_t getHeight() const { return height; }
    void setHeight(int32_t pixels);
    int32_t getWidth() const { return width; }
    void setWidth(int32_t pixels);
    int32_t getWeight() const { return weight; }
    void setWeight(int32_t value);
    bool isBold() const { return weight >= kBoldFrom; }
    void setBold(bool on);
    bool isItalic() const { return italic; }
    void setItalic(bool on);
    bool isUnderline() const { return underline; }
    void setUnderline(bool on);
    bool isStrikeOut() const { return strikeOut; }
    void setStrikeOut(bool on);
    int32_t getQuality() const { return quality; }
    bool isClearType() const { return quality == kClearTypeQuality; }
    void setClearType(bool on);

    // Layout switches; they set no mark and are never inherited.
    bool getWordWrap() const { return wordWrap; }
    void setWordWrap(bool on) { wordWrap = on; }
    bool getEllipsis() const { return ellipsis; }
    void setEllipsis(bool on) { ellipsis = on; }
    // How the text is drawn (0 plain, 1 to 7 outlined, shadowed or
    // engraved; see TextEffect). Like the switches it sets no mark and is
    // never inherited: it belongs to the one text that asked for it.
    int32_t getEffect() const { return effect; }
    void setEffect(int32_t value) { effect = value; }

    // True when any property was set explicitly.
    bool isCustomized() const;
    // Takes every property whose mark is not set from `other`: face, the
    // three colours, height and width, italic, underline, strike-out and
    // quality. The weight follows other's boldness unless bold was set
    // explicitly, also when the weight itself was. Switches, effect, size
    // code and marks stay.
    void inheritFrom(const FontDescription& other);
    // Forgets that the quality was chosen: a font made from a text style
    // keeps the style's quality as a value but still follows the next style
    // it is completed from.
    void clearQualityMark() { marks.quality = false; }

    const s::gui::scale::DisplayScale& getScale() const { return scale; }

private:
    // One mark per property a caller can set.
    struct Marks {
        bool face = false;
        bool textColor = false;
        bool backColor = false;
        bool shadeColor = false;
        bool size = false;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        bool weight = false;
        bool quality = false;
    };

    void copyFace(const char16_t* name);

    s::gui::scale::DisplayScale scale;
    char16_t face[kFaceLength + 1] = {};
    int32_t height = 0;
    int32_t width = 0;
    int32_t weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int32_t quality = kClearTypeQuality;
    uint32_t textColor = 0;
    uint32_t backColor = 0;
    uint32_t shadeColor = 0;
    bool wordWrap = false;
    bool ellipsis = false;
    int32_t sizeCode = 0;
    int32_t effect = 0;
    Marks marks;
};

} // namespace s::gui::text
