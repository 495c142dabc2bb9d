#pragma once
#include <cstdint>

#include "s/gui/drawer/skin/Rgb.h"

namespace s::gui::drawer::skin {

// The colours of one scheme of the "ThinWindow" family: a name and fifteen
// colours (C1 to C15), each with a role that every drawer of the scheme
// reads it by. The sixteen schemes are a constant table in list order, the
// order the skinner offers them in.
//
// Constant data: any thread may read it.
struct ThinWindowPalette {
    // The roles of C1 to C15, in that order.
    enum class Role : int32_t {
        Background = 0, // C1: window background, back of text style 1, selected menu text
        Frame,          // C2: window frame
        Disabled,       // C3: disabled frames and text (style 2)
        ControlFrame,   // C4: frame of buttons and most controls, menu selection
        GroupFrame,     // C5: group-box frame
        Text,           // C6: text styles 1 and 3, labels and captions
        Shade,          // C7: shade of text style 1
        Track,          // C8: scroll-bar track, slider fill
        ToggledFill,    // C9: toggled buttons, list-header background, list-box frame
        ToggledText,    // C10: text on C9, list-box selected text
        ListBackground, // C11: list-box background
        ListText,       // C12: list-box item text
        ListThird,      // C13: list box's third colour
        FirstSeries,    // C14: counter's first series
        SecondSeries,   // C15: counter's second series
    };
    static constexpr int32_t kColourCount = 15;
    static constexpr int32_t kSchemeCount = 16;

    const char16_t* name;
    Rgb colours[kColourCount];

    const Rgb& colour(Role role) const { return colours[static_cast<int32_t>(role)]; }

    // The scheme at `index` in list order, or null outside 0..15.
    static const ThinWindowPalette* at(int32_t index);
};

} // namespace s::gui::drawer::skin
