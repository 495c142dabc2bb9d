#include "magnifier/logic/LensRules.h"

#include "magnifier/logic/LensGeometry.h"

namespace s::image::gui::dialogs::magnifier {

LensRules::LensRules(KeyProbe keyProbe, void* keyProbeContext, Clock timeSource,
                     void* timeSourceContext)
    : probe(keyProbe), probeContext(keyProbeContext), clock(timeSource),
      clockContext(timeSourceContext) {}

void LensRules::reset() {
    keyType = kDefaultKeyType;
    isOn = true;
    autoLock = true;
    magnificationLevel = kDefaultLevel;
    shown = false;
    zoom = kDefaultLevel;
    clickDone = true;
    clickDeadline = 0;
    lastCursorX = kNoCursor;
    lastCursorY = kNoCursor;
}

void LensRules::setKeyProbe(KeyProbe keyProbe, void* context) {
    probe = keyProbe;
    probeContext = context;
}

void LensRules::setClock(Clock timeSource, void* context) {
    clock = timeSource;
    clockContext = context;
}

bool LensRules::isTriggerHeld() const {
    return isKeyTypeHeld(keyType, probe, probeContext);
}

PollStep LensRules::nextPollStep() const {
    const bool isShown = shown;
    if (isTriggerHeld()) {
        if (autoLock && isShown) {
            return PollStep::HideAndWaitForRelease;
        }
        if (isOn && !isShown) {
            return PollStep::ShowAndWaitForRelease;
        }
        return PollStep::Nothing;
    }
    if (isShown && (probe(vk::kEscape, probeContext) || !autoLock)) {
        return PollStep::Hide;
    }
    return PollStep::Nothing;
}

void LensRules::lensShown() {
    zoom = magnificationLevel;
    lastCursorX = kNoCursor;
    lastCursorY = kNoCursor;
    shown = true;
}

void LensRules::lensHidden() {
    shown = false;
    clickDeadline = 0;
    clickDone = true;
}

void LensRules::armActivationClick() {
    if (!shown) {
        return;
    }
    clickDone = false;
    clickDeadline = now() + kClickGraceMilliseconds;
}

bool LensRules::takeActivationClick(int32_t dx, int32_t dy, int32_t width, int32_t height) {
    if (clickDone || !(dx > 0 && dy > 0 && dx < width && dy < height)) {
        return false;
    }
    clickDeadline = now() + kClickGraceMilliseconds;
    clickDone = true;
    return true;
}

bool LensRules::hidesOnLeftUp() const {
    return clickDone && autoLock && shown && now() > clickDeadline;
}

bool LensRules::wheel(int32_t wheelValue) {
    if (!autoLock || !shown) {
        return false;
    }
    zoom = wheelZoomStep(zoom, wheelValue);
    return true;
}

bool LensRules::needsDrawing(bool force, bool painting, int32_t cursorX, int32_t cursorY) const {
    if (!shown) {
        return false;
    }
    return force || painting || cursorX != lastCursorX || cursorY != lastCursorY;
}

void LensRules::drawn(int32_t cursorX, int32_t cursorY) {
    lastCursorX = cursorX;
    lastCursorY = cursorY;
}

} // namespace s::image::gui::dialogs::magnifier
