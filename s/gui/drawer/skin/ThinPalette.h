#pragma once
#include <cstdint>

#include "s/gui/drawer/skin/Rgb.h"

namespace s::gui::drawer::skin {

// The colours of one scheme of the "Thin" family: a name and six colours (T1
// to T6). The thirteen schemes are a constant table in list order.
//
// Constant data: any thread may read it.
struct ThinPalette {
    // The roles of T1 to T6, in that order.
    enum class Role : int32_t {
        Background = 0, // T1: backgrounds, scroll-bar track, list selected text
        Frame,          // T2: every frame, menu selection, status bar, tab box
        Text,           // T3: text styles 1 and 2 and every label
        SliderFill,     // T4: slider fill
        FirstSeries,    // T5: counter's first series
        SecondSeries,   // T6: counter's second series
    };
    static constexpr int32_t kColourCount = 6;
    static constexpr int32_t kSchemeCount = 13;
    // The list box's third colour, the same in every Thin scheme.
    static constexpr Rgb kListThird{243, 243, 243};

    const char16_t* name;
    Rgb colours[kColourCount];

    const Rgb& colour(Role role) const { return colours[static_cast<int32_t>(role)]; }

    // The scheme at `index` in list order, or null outside 0..12.
    static const ThinPalette* at(int32_t index);
};

} // namespace s::gui::drawer::skin
