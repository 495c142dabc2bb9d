#include "s/gui/frame/EvasionSteps.h"

namespace s::gui::frame {

namespace {

int32_t atLeastOne(int32_t value) {
    return value < 1 ? 1 : value;
}

} // namespace

int32_t EvasionSteps::fadeOut(int32_t opacity, int32_t target) {
    const int32_t next = opacity - atLeastOne(target / 5);
    return next < 0 ? 0 : next;
}

int32_t EvasionSteps::fadeIn(int32_t opacity, int32_t target) {
    const int32_t next = opacity + atLeastOne(target / 10);
    return next > target ? target : next;
}

int32_t EvasionSteps::countDown(int32_t remaining, bool cursorOutside) {
    if (!cursorOutside) {
        return remaining;
    }
    const int32_t next = remaining - kWaitPeriod;
    return next < 0 ? 0 : next;
}

int32_t EvasionSteps::shrink(int32_t size, int32_t remembered, int32_t target) {
    if (target < 0 || size <= target) {
        return size;
    }
    const int32_t next = size - atLeastOne(remembered / 5);
    return next < target ? target : next;
}

int32_t EvasionSteps::grow(int32_t size, int32_t remembered) {
    const int32_t next = size + atLeastOne(remembered / 15);
    return next > remembered ? remembered : next;
}

} // namespace s::gui::frame
