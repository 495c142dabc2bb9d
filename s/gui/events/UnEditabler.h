#pragma once
#include "s/gui/IComponent.h"
#include "s/gui/IEditable.h"
#include "s/gui/events/ComponentSwitch.h"
#include "s/thread/ClassPool.h"

namespace s::gui::events {

// Makes every target read-only on any event of its source (see ComponentSwitch).
// Pooled; owned by whoever took it.
class UnEditabler : public ComponentSwitch {
    S_POOLED_CLASS(UnEditabler, u"s_gui_events_UnEditabler")
public:
    void reset() override { ComponentSwitch::reset(); }

protected:
    void apply(s::gui::IComponent& target) override {
        // Components that cannot be edited pass unchanged.
        if (auto* editable = dynamic_cast<s::gui::IEditable*>(&target)) {
            editable->setEditable(false);
        }
    }

private:
    UnEditabler() { reset(); }
    ~UnEditabler() override = default;
};

} // namespace s::gui::events
