#pragma once
#include <cstdint>

#include "s/str/Ascii.h"

namespace s::app {

// The pure rules of the window settings, kept apart from the store so that
// they can be checked anywhere.
struct WindowRules {
    // The middle-click actions a window knows; stored and compared as texts.
    // Arrays, not pointers to literals: each has one address in the whole
    // program, so an answer can also be compared with the constant itself.
    static constexpr char16_t kIconize[] = u"Iconize";
    static constexpr char16_t kClose[] = u"Close";
    static constexpr char16_t kDoNothing[] = u"DoNothing";

    // Stored sizes must lie between this and the virtual screen's size.
    static constexpr std::int32_t kMinimumSize = 10;

    // The section of positions and sizes for a screen factor: a window
    // remembers its bounds apart for ordinary, large and very large screens.
    // Only the screen factor decides, never the display scaling, so a user's
    // bounds stay where they are when only the scaling changes.
    static const char16_t* viewSectionFor(std::int32_t screenFactor) {
        if (screenFactor >= 4) {
            return u"View8K";
        }
        return screenFactor == 2 ? u"View4K" : u"View";
    }

    // One of the three constants for a stored action (ASCII case ignored);
    // anything else, null included, means doing nothing.
    static const char16_t* canonicalMiddleClick(const char16_t* stored) {
        if (s::str::Ascii::equalsIgnoreCase(stored, kIconize)) {
            return kIconize;
        }
        if (s::str::Ascii::equalsIgnoreCase(stored, kClose)) {
            return kClose;
        }
        return kDoNothing;
    }

    // True when a stored width or height fits the virtual screen's.
    static bool isSizeValid(std::int32_t size, std::int32_t screenSize) {
        return size >= kMinimumSize && size <= screenSize;
    }
};

} // namespace s::app
