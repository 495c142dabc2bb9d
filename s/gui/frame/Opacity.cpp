#include "s/gui/frame/Opacity.h"

namespace s::gui::frame {

uint8_t Opacity::alpha(int32_t percent) {
    const int64_t value = static_cast<int64_t>(percent) * 255 / kOpaque;
    return static_cast<uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

int32_t Opacity::applied(int32_t target, bool onlyWhenOnTop, bool keptOnTop) {
    return onlyWhenOnTop && !keptOnTop ? kOpaque : target;
}

} // namespace s::gui::frame
