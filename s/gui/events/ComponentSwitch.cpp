#include "s/gui/events/ComponentSwitch.h"

#include "s/gui/IComponent.h"

namespace s::gui::events {

void ComponentSwitch::reset() {
    source = nullptr;
    targets.clear();
}

void ComponentSwitch::addTarget(s::gui::IComponent* target) {
    if (target != nullptr) {
        targets.push_back(target);
    }
}

void ComponentSwitch::onEvent(s::base::IObject* eventSource, int32_t code) {
    if (eventSource == nullptr || eventSource != source) {
        return;
    }
    for (s::gui::IComponent* target : targets) {
        apply(*target);
    }
}

} // namespace s::gui::events
