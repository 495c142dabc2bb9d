#pragma once
#include "s/gui/IComponent.h"
#include "s/gui/events/ComponentSwitch.h"
#include "s/thread/ClassPool.h"

namespace s::gui::events {

// Makes every target enabled on any event of its source (see ComponentSwitch).
// Pooled; owned by whoever took it.
class Enabler : public ComponentSwitch {
    S_POOLED_CLASS(Enabler, u"s_gui_events_Enabler")
public:
    void reset() override { ComponentSwitch::reset(); }

protected:
    void apply(s::gui::IComponent& target) override { target.setEnabled(true); }

private:
    Enabler() { reset(); }
    ~Enabler() override = default;
};

} // namespace s::gui::events
