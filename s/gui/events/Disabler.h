#pragma once
#include "s/gui/IComponent.h"
#include "s/gui/events/ComponentSwitch.h"
#include "s/thread/ClassPool.h"

namespace s::gui::events {

// Makes every target disabled on any event of its source (see ComponentSwitch).
// Pooled; owned by whoever took it.
class Disabler : public ComponentSwitch {
    S_POOLED_CLASS(Disabler, u"s_gui_events_Disabler")
public:
    void reset() override { ComponentSwitch::reset(); }

protected:
    void apply(s::gui::IComponent& target) override { target.setEnabled(false); }

private:
    Disabler() { reset(); }
    ~Disabler() override = default;
};

} // namespace s::gui::events
