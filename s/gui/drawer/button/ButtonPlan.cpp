#include "s/gui/drawer/button/ButtonPlan.h"

#include <algorithm>

#include "s/gui/drawer/border/Bevel.h"

namespace s::gui::drawer::button {

namespace {

using s::gui::drawer::border::Bevel;
using s::gui::layout::Rect;

Rect between(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return {left, top, right - left, bottom - top};
}

Rect grown(const Rect& rect, int32_t by) {
    return {rect.x - by, rect.y - by, rect.width + 2 * by, rect.height + 2 * by};
}

int32_t drawnState(int32_t state, bool toggled) {
    if (state != ButtonPlan::kHot && state != ButtonPlan::kPressed) {
        return ButtonPlan::kNormal;
    }
    if (!toggled) {
        return state;
    }
    return state == ButtonPlan::kHot ? ButtonPlan::kPressed : ButtonPlan::kHot;
}

int32_t bevelTypeOf(int32_t state) {
    switch (state) {
    case ButtonPlan::kHot:
        return Bevel::kRaised;
    case ButtonPlan::kPressed:
        return Bevel::kSunken;
    default:
        return Bevel::kFlat;
    }
}

// The fill and frame of a button that shows its frame in every state.
void planFramed(ButtonPlan& plan, const ButtonPlan::Look& look, const ButtonPlan::Request& request,
                int32_t u) {
    if (request.toggled) {
        plan.hasFill = true;
        plan.fill =
            between(request.left + u, request.top + u, request.right - u, request.bottom - u);
        plan.fillColour = look.toggledFill;
    }
    plan.hasBevel = true;
    plan.bevel = between(request.left, request.top, request.right, request.bottom);
    plan.bevelType = bevelTypeOf(plan.state);
}

// The fill and frame of a button that shows a frame only when toggled or
// open at the bottom (tabs, toolbar buttons).
void planUnframed(ButtonPlan& plan, const ButtonPlan::Look& look,
                  const ButtonPlan::Request& request) {
    if (request.toggled) {
        const int32_t top = request.openBottom ? request.top + 1 : request.top;
        plan.hasFill = true;
        plan.fill = between(request.left, top, request.right, request.bottom);
        plan.fillColour = look.toggledFill;
        plan.hasBevel = true;
        plan.bevel = plan.fill;
        plan.bevelType = Bevel::kFlat;
    } else if (request.openBottom) {
        plan.hasBevel = true;
        plan.bevel = between(request.left, request.top, request.right, request.bottom);
        plan.bevelType = Bevel::kFlatOpenBottom;
    }
}

Rect labelRect(const ButtonPlan::Request& request, int32_t state, bool shift, int32_t u) {
    if (shift && state == ButtonPlan::kHot) {
        return between(request.left + u, request.top + u, request.right - 3 * u,
                       request.bottom - 3 * u);
    }
    if (shift && state == ButtonPlan::kPressed) {
        return between(request.left + 3 * u, request.top + 3 * u, request.right - u,
                       request.bottom - u);
    }
    return between(request.left + 2 * u, request.top + 2 * u, request.right - 2 * u,
                   request.bottom - 2 * u);
}

} // namespace

ButtonPlan ButtonPlan::make(const Look& look, const Request& request) {
    ButtonPlan plan;
    if (request.left >= request.right || request.top >= request.bottom) {
        return plan;
    }
    const int32_t u = std::max(1, request.unit);
    plan.empty = false;
    plan.state = drawnState(request.state, request.toggled);
    if (!request.enabled) {
        plan.frameColour = look.disabledFrame;
    } else {
        plan.frameColour = request.toggled ? look.toggledFrame : look.frame;
    }
    if (request.framed) {
        planFramed(plan, look, request, u);
    } else {
        planUnframed(plan, look, request);
    }
    plan.glyph = labelRect(request, plan.state, look.shiftLabel, u);
    // Without any frame the text may use the unit the frame would take.
    plan.text = plan.hasBevel ? plan.glyph : grown(plan.glyph, u);
    return plan;
}

} // namespace s::gui::drawer::button
