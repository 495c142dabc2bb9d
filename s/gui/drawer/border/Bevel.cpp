#include "s/gui/drawer/border/Bevel.h"

#include <algorithm>

namespace s::gui::drawer::border {

namespace {

constexpr int32_t kChannelMax = 255;
constexpr int32_t kPercent = 100;
// Rounded corners step by at most this many pixels.
constexpr int32_t kRoundedStepMax = 2;

// Tint factors of each type's edges: top, right, bottom, left.
struct TypeTints {
    int32_t top;
    int32_t right;
    int32_t bottom;
    int32_t left;
};
constexpr TypeTints kTypeTints[] = {
    {Bevel::kLighter15, Bevel::kDarker30, Bevel::kDarker50, Bevel::kLighter5}, // raised
    {Bevel::kLighter5, Bevel::kDarker10, Bevel::kDarker15, Bevel::kBase},      // flat
    {Bevel::kDarker15, Bevel::kBase, Bevel::kLighter5, Bevel::kDarker10},      // sunken
    {Bevel::kLighter5, Bevel::kDarker10, Bevel::kDarker15, Bevel::kBase},      // open bottom
};
constexpr int32_t kTypeCount = static_cast<int32_t>(sizeof(kTypeTints) / sizeof(kTypeTints[0]));

uint32_t tintChannel(uint32_t colour, int32_t shift, int32_t percent) {
    const int32_t channel = static_cast<int32_t>((colour >> shift) & 0xFFu);
    const int32_t tinted = std::min(kChannelMax, channel * percent / kPercent);
    return static_cast<uint32_t>(tinted) << shift;
}

// Fills kept inside the frame's rectangle: a frame smaller than its own
// corners must not paint over its neighbours.
class ClippedFill {
public:
    ClippedFill(s::gui::paint::IRectFill& into, int32_t frameLeft, int32_t frameTop,
                int32_t frameRight, int32_t frameBottom)
        : target(into), left(frameLeft), top(frameTop), right(frameRight), bottom(frameBottom) {}

    void fill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) {
        const int32_t x0 = std::max(x, left);
        const int32_t y0 = std::max(y, top);
        const int32_t x1 = std::min(x + width, right);
        const int32_t y1 = std::min(y + height, bottom);
        if (x0 < x1 && y0 < y1) {
            target.fill(x0, y0, x1 - x0, y1 - y0, colour);
        }
    }

private:
    s::gui::paint::IRectFill& target;
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// One frame being painted: its rectangle, step, tints and whether it has a
// bottom edge.
struct Frame {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    int32_t step;
    Bevel::Tints tints;
    bool closedBottom;
};

// 1. The four edges, top, right, bottom, left, each `inset` steps shorter
// at both ends (at the bottom only when the frame is closed there).
void paintEdges(ClippedFill& out, const Frame& frame, int32_t inset) {
    const int32_t t = frame.step;
    const int32_t cut = inset * t;
    const int32_t width = frame.right - frame.left;
    const int32_t height = frame.bottom - frame.top;
    const int32_t sideHeight = frame.closedBottom ? height - 2 * cut : height - cut;
    out.fill(frame.left + cut, frame.top, width - 2 * cut, t, frame.tints.top);
    out.fill(frame.right - t, frame.top + cut, t, sideHeight, frame.tints.right);
    if (frame.closedBottom) {
        out.fill(frame.left + cut, frame.bottom - t, width - 2 * cut, t, frame.tints.bottom);
    }
    out.fill(frame.left, frame.top + cut, t, sideHeight, frame.tints.left);
}

// 2a. Slightly rounded: one step diagonally inside each corner.
void paintSlightCorners(ClippedFill& out, const Frame& frame) {
    const int32_t t = frame.step;
    out.fill(frame.left + t, frame.top + t, t, t, frame.tints.top);
    out.fill(frame.right - 2 * t, frame.top + t, t, t, frame.tints.right);
    if (frame.closedBottom) {
        out.fill(frame.right - 2 * t, frame.bottom - 2 * t, t, t, frame.tints.bottom);
        out.fill(frame.left + t, frame.bottom - 2 * t, t, t, frame.tints.left);
    }
}

// 2b. Rounded: a diagonal of three steps across each corner, from the end
// of one edge to the end of the other.
void paintRoundCorners(ClippedFill& out, const Frame& frame) {
    const int32_t t = frame.step;
    const int32_t l = frame.left;
    const int32_t tp = frame.top;
    const int32_t r = frame.right;
    const int32_t b = frame.bottom;
    for (int32_t i = 0; i < 3; ++i) {
        const int32_t along = (2 - i) * t; // distance from the corner's first edge
        const int32_t across = i * t;      // distance from its second edge
        out.fill(l + along, tp + across, t, t, frame.tints.top);
        out.fill(r - t - across, tp + along, t, t, frame.tints.right);
        if (frame.closedBottom) {
            out.fill(r - t - along, b - t - across, t, t, frame.tints.bottom);
            out.fill(l + across, b - t - along, t, t, frame.tints.left);
        }
    }
}

} // namespace

uint32_t Bevel::tint(uint32_t colour, int32_t percent) {
    const int32_t factor = std::max(0, percent);
    return tintChannel(colour, 0, factor) | tintChannel(colour, 8, factor) |
           tintChannel(colour, 16, factor);
}

bool Bevel::tintsOf(int32_t type, uint32_t base, bool shaded, Tints& tints) {
    if (type < 0 || type >= kTypeCount) {
        return false;
    }
    const TypeTints& factors = kTypeTints[type];
    tints.top = shaded ? tint(base, factors.top) : base;
    tints.right = shaded ? tint(base, factors.right) : base;
    tints.bottom = shaded ? tint(base, factors.bottom) : base;
    tints.left = shaded ? tint(base, factors.left) : base;
    return true;
}

int32_t Bevel::thickness(int32_t cornerStyle, int32_t unit) {
    const int32_t step = std::max(1, unit);
    switch (cornerStyle) {
    case kSquare:
        return step;
    case kSlightlyRounded:
    case kRounded:
        return std::min(step, kRoundedStepMax);
    default:
        return 0;
    }
}

void Bevel::paint(s::gui::paint::IRectFill& target, int32_t left, int32_t top, int32_t right,
                  int32_t bottom, int32_t type, int32_t cornerStyle, int32_t unit, bool shaded,
                  uint32_t base) {
    if (left >= right || top >= bottom) {
        return;
    }
    Frame frame{
        left, top, right, bottom, thickness(cornerStyle, unit), {}, type != kFlatOpenBottom};
    if (frame.step == 0 || !tintsOf(type, base, shaded, frame.tints)) {
        return;
    }
    ClippedFill out(target, left, top, right, bottom);
    // The corner style says how many steps the edges leave to the corner.
    paintEdges(out, frame, cornerStyle);
    if (cornerStyle == kSlightlyRounded) {
        paintSlightCorners(out, frame);
    } else if (cornerStyle == kRounded) {
        paintRoundCorners(out, frame);
    }
}

} // namespace s::gui::drawer::border
