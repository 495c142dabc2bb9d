#include "s/gui/frame/HitTest.h"

namespace s::gui::frame {

namespace {

constexpr int32_t code(HitCode hit) {
    return static_cast<int32_t>(hit);
}

} // namespace

HitTest::HitTest(const s::gui::scale::DisplayScale& scale)
    : border(scale.pixels(kBorderDesignWidth)), corner(scale.pixels(kCornerDesignLength)) {}

int32_t HitTest::zone(int32_t x, int32_t y, int32_t width, int32_t height,
                      int32_t defaultAnswer) const {
    if (x > width - border) {
        return y > height - corner ? code(HitCode::BottomRight)
               : y < corner        ? code(HitCode::TopRight)
                                   : code(HitCode::Right);
    }
    if (y > height - border) {
        return x > width - corner ? code(HitCode::BottomRight)
               : x < corner       ? code(HitCode::BottomLeft)
                                  : code(HitCode::Bottom);
    }
    if (x < border) {
        return y > height - corner ? code(HitCode::BottomLeft)
               : y < corner        ? code(HitCode::TopLeft)
                                   : code(HitCode::Left);
    }
    if (y < border) {
        return x > width - corner ? code(HitCode::TopRight)
               : x < corner       ? code(HitCode::TopLeft)
                                  : code(HitCode::Top);
    }
    return defaultAnswer;
}

int32_t HitTest::easyDrag(int32_t answer, bool rightButtonDown) {
    return answer == code(HitCode::Client) && !rightButtonDown ? code(HitCode::Caption) : answer;
}

bool HitTest::isBorder(int32_t hit) {
    return hit >= code(HitCode::Left) && hit <= code(HitCode::BottomRight);
}

} // namespace s::gui::frame
