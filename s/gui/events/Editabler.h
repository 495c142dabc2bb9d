#pragma once
#include "s/gui/IComponent.h"
#include "s/gui/IEditable.h"
#include "s/gui/events/ComponentSwitch.h"
#include "s/thread/ClassPool.h"

namespace s::gui::events {

// Makes every target editable on any event of its source (see ComponentSwitch).
// Pooled; owned by whoever took it.
class Editabler : public ComponentSwitch {
    S_POOLED_CLASS(Editabler, u"s_gui_events_Editabler")
public:
    void reset() override { ComponentSwitch::reset(); }

protected:
    void apply(s::gui::IComponent& target) override {
        // Components that cannot be edited pass unchanged.
        if (auto* editable = dynamic_cast<s::gui::IEditable*>(&target)) {
            editable->setEditable(true);
        }
    }

private:
    Editabler() { reset(); }
    ~Editabler() override = default;
};

} // namespace s::gui::events
