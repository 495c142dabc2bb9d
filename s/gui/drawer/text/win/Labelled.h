#pragma once
#include <cstdint>

#include "s/gui/drawer/text/win/Basic.h"
#include "s/thread/PoolRef.h"

namespace s::gui::win {
class Font;
}

namespace s::gui::drawer::text::win {

// What the drawers of labelled controls (check box, radio button, combo
// box: the interface `Kind`) share: a text drawer of their own for the
// label, whose style 1 carries the enabled label's colour and style 2 the
// disabled one's, and from which the control completes its two fonts.
//
// The label is taken at construction and given back with the drawer; the
// drawer's own reset() resets it. Configured once by the owner's thread,
// then only read while drawing, like the drawer it belongs to.
template <class Kind> class Labelled : public Kind {
public:
    void completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) override {
        if (label) {
            label->completeFonts(first, second, nullptr, nullptr, nullptr);
        }
    }
    void setLabelColor(uint8_t red, uint8_t green, uint8_t blue) override {
        if (label) {
            label->getStyle1().setTextColor(red, green, blue);
        }
    }
    void setSecondLabelColor(uint8_t red, uint8_t green, uint8_t blue) override {
        if (label) {
            label->getStyle2().setTextColor(red, green, blue);
        }
    }

protected:
    Labelled() : label(Basic::newInstance()) {}

    s::thread::PoolRef<Basic> label;
};

} // namespace s::gui::drawer::text::win
