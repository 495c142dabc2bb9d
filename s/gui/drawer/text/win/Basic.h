#pragma once
#include "s/base/IObject.h"
#include "s/gui/drawer/IText.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::text::win {

// The plain text drawer: the font's colour and effect on a transparent
// background, aligned to the top left (or centred), never interpreting "&"
// as an access key. Its styles start as ordinary text in black (1), grey RGB 161, 161, 146
// for disabled text (2), underlined green RGB 0, 170, 0 for links (3), and
// underlined olive RGB 170, 170, 0 for links under the mouse and pressed (4
// and 5).
//
// Owned by whoever took it from its pool (today each text component keeps
// its own; the skins will share theirs). Drawing and measuring are const and
// may run on several threads at once; completing fonts and changing styles
// belong to the owner's thread.
class Basic : public s::gui::drawer::IText, public s::thread::IPoolable {
    S_POOLED_CLASS(Basic, u"s_gui_drawer_text_win_Basic")
public:
    void reset() override;

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
              const char16_t* text, s::gui::win::Font& font) const override;
    s::gui::layout::Size measure(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                                 const char16_t* text, s::gui::win::Font& font) const override;
    s::gui::text::TextExtents measureForLayout(HDC dc, const char16_t* text,
                                               s::gui::win::Font& font) const override;
    void completeFonts(s::gui::win::Font* font1, s::gui::win::Font* font2, s::gui::win::Font* font3,
                       s::gui::win::Font* font4, s::gui::win::Font* font5) override;
    void completeSettings(s::gui::win::FontSetting* setting1, s::gui::win::FontSetting* setting2,
                          s::gui::win::FontSetting* setting3, s::gui::win::FontSetting* setting4,
                          s::gui::win::FontSetting* setting5) override;
    s::gui::text::FontDescription& getStyle1() override { return styles[0]; }
    s::gui::text::FontDescription& getStyle2() override { return styles[1]; }
    s::gui::text::FontDescription& getStyle3() override { return styles[2]; }
    s::gui::text::FontDescription& getStyle4() override { return styles[3]; }
    s::gui::text::FontDescription& getStyle5() override { return styles[4]; }
    void setCentered(bool on) override { centred = on; }

private:
    Basic() { reset(); }
    ~Basic() override = default;

    static constexpr int32_t kStyleCount = 5;
    s::gui::text::FontDescription styles[kStyleCount];
    bool centred = false;
};

} // namespace s::gui::drawer::text::win
