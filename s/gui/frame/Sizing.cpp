#include "s/gui/frame/Sizing.h"

#include "s/gui/frame/HitTest.h"

namespace s::gui::frame {

namespace {

// The system's edge numbers, index = own numbering.
constexpr int32_t kSystemEdges[] = {0, 1, 2, 3, 6, 4, 5, 7, 8};
constexpr int32_t kEdgeCount = 9;

bool dragsLeft(int32_t hit) {
    return hit == static_cast<int32_t>(HitCode::Left) ||
           hit == static_cast<int32_t>(HitCode::TopLeft) ||
           hit == static_cast<int32_t>(HitCode::BottomLeft);
}
bool dragsRight(int32_t hit) {
    return hit == static_cast<int32_t>(HitCode::Right) ||
           hit == static_cast<int32_t>(HitCode::TopRight) ||
           hit == static_cast<int32_t>(HitCode::BottomRight);
}
bool dragsTop(int32_t hit) {
    return hit == static_cast<int32_t>(HitCode::Top) ||
           hit == static_cast<int32_t>(HitCode::TopLeft) ||
           hit == static_cast<int32_t>(HitCode::TopRight);
}
bool dragsBottom(int32_t hit) {
    return hit == static_cast<int32_t>(HitCode::Bottom) ||
           hit == static_cast<int32_t>(HitCode::BottomLeft) ||
           hit == static_cast<int32_t>(HitCode::BottomRight);
}

bool movesLeftForWidth(SizingEdge edge) {
    return edge == SizingEdge::Left || edge == SizingEdge::TopLeft ||
           edge == SizingEdge::BottomLeft;
}
bool movesTopForHeight(SizingEdge edge) {
    return edge == SizingEdge::Top || edge == SizingEdge::TopLeft || edge == SizingEdge::TopRight;
}
bool movesBottomForCut(SizingEdge edge) {
    return edge == SizingEdge::Bottom || edge == SizingEdge::BottomLeft ||
           edge == SizingEdge::BottomRight;
}

} // namespace

SizingEdge Sizing::fromSystemEdge(int32_t systemEdge) {
    for (int32_t own = 1; own < kEdgeCount; ++own) {
        if (kSystemEdges[own] == systemEdge) {
            return static_cast<SizingEdge>(own);
        }
    }
    return SizingEdge::None;
}

int32_t Sizing::toSystemEdge(SizingEdge edge) {
    const int32_t own = static_cast<int32_t>(edge);
    return own > 0 && own < kEdgeCount ? kSystemEdges[own] : 0;
}

SizingEdge Sizing::fromHitCode(int32_t hitCode) {
    switch (static_cast<HitCode>(hitCode)) {
    case HitCode::Left:
        return SizingEdge::Left;
    case HitCode::Right:
        return SizingEdge::Right;
    case HitCode::Top:
        return SizingEdge::Top;
    case HitCode::Bottom:
        return SizingEdge::Bottom;
    case HitCode::TopLeft:
        return SizingEdge::TopLeft;
    case HitCode::TopRight:
        return SizingEdge::TopRight;
    case HitCode::BottomLeft:
        return SizingEdge::BottomLeft;
    case HitCode::BottomRight:
        return SizingEdge::BottomRight;
    default:
        return SizingEdge::None;
    }
}

void Sizing::cutToHeight(Sides& rect, SizingEdge edge, int32_t maximumHeight) {
    if (rect.height() <= maximumHeight) {
        return;
    }
    if (movesBottomForCut(edge)) {
        rect.bottom = rect.top + maximumHeight;
    } else {
        rect.top = rect.bottom - maximumHeight;
    }
}

void Sizing::enforceMinimum(Sides& rect, SizingEdge edge, int32_t minimumWidth,
                            int32_t minimumHeight, bool enforceWidth, bool enforceHeight) {
    if (enforceWidth && rect.width() < minimumWidth) {
        if (movesLeftForWidth(edge)) {
            rect.left = rect.right - minimumWidth;
        } else {
            rect.right = rect.left + minimumWidth;
        }
    }
    if (enforceHeight && rect.height() < minimumHeight) {
        if (movesTopForHeight(edge)) {
            rect.top = rect.bottom - minimumHeight;
        } else {
            rect.bottom = rect.top + minimumHeight;
        }
    }
}

Sides Sizing::dragged(const Sides& window, int32_t hitCode, int32_t dx, int32_t dy) {
    Sides rect = window;
    if (dragsLeft(hitCode)) {
        rect.left += dx;
    }
    if (dragsRight(hitCode)) {
        rect.right += dx;
    }
    if (dragsTop(hitCode)) {
        rect.top += dy;
    }
    if (dragsBottom(hitCode)) {
        rect.bottom += dy;
    }
    return rect;
}

s::gui::layout::Point Sizing::moved(const Sides& before, const Sides& after, int32_t hitCode) {
    s::gui::layout::Point distance;
    if (dragsLeft(hitCode)) {
        distance.x = after.left - before.left;
    } else if (dragsRight(hitCode)) {
        distance.x = after.right - before.right;
    }
    if (dragsTop(hitCode)) {
        distance.y = after.top - before.top;
    } else if (dragsBottom(hitCode)) {
        distance.y = after.bottom - before.bottom;
    }
    return distance;
}

} // namespace s::gui::frame
