#pragma once
#include <cstdint>

namespace s::gui::frame {

// The arithmetic of the two hover-evasion modes, one timer tick at a time.
// Fading out goes to nothing in about five ticks and back in about ten;
// shrinking takes about five ticks and growing back about fifteen, so the
// window gets out of the way fast and returns gently. Pure arithmetic; any
// thread.
class EvasionSteps {
public:
    // Native timer ids and periods (milliseconds) of the evasion.
    static constexpr int32_t kWaitTimer = 1;    // fade: counting down outside the window
    static constexpr int32_t kFadeInTimer = 2;  // fade: back to the target opacity
    static constexpr int32_t kFadeOutTimer = 3; // fade: down to nothing
    static constexpr int32_t kShrunkTimer = 4;  // shrink: waiting for the cursor to leave
    static constexpr int32_t kGrowTimer = 5;    // shrink: back to the remembered size
    static constexpr int32_t kShrinkTimer = 6;  // shrink: down to the targets
    static constexpr int32_t kFirstTimer = 1;
    static constexpr int32_t kLastTimer = 6;
    static constexpr int32_t kFadeOutPeriod = 10;
    static constexpr int32_t kWaitPeriod = 500;
    static constexpr int32_t kFadeInPeriod = 25;
    static constexpr int32_t kShrinkPeriod = 10;
    static constexpr int32_t kGrowPeriod = 25;

    // Opacity after one fade-out tick: max(1, target / 5) percent less, not
    // below 0.
    static int32_t fadeOut(int32_t opacity, int32_t target);
    // Opacity after one fade-in tick: max(1, target / 10) percent more, not
    // above the target.
    static int32_t fadeIn(int32_t opacity, int32_t target);
    // The countdown after one wait tick: 500 ms less while the cursor is
    // outside the window, unchanged while it is inside; never below 0.
    static int32_t countDown(int32_t remaining, bool cursorOutside);

    // One dimension after one shrink tick: max(1, remembered / 5) less, not
    // below the target. A negative target, or a dimension already at or
    // below it, stays as it is.
    static int32_t shrink(int32_t size, int32_t remembered, int32_t target);
    // One dimension after one grow tick: remembered / 15 (at least 1) more,
    // not above the remembered size.
    static int32_t grow(int32_t size, int32_t remembered);
};

} // namespace s::gui::frame
