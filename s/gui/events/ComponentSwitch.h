#pragma once
#include <cstdint>
#include <vector>

#include "s/base/IObject.h"
#include "s/gui/events/IEventListener.h"
#include "s/thread/IPoolable.h"

namespace s::gui {
class IComponent;
}

namespace s::gui::events {

// A listener that sets a list of components when its source raises any
// event: the base of the enable, disable, editable and read-only switches (a
// check box that enables the controls depending on it). The concrete switch
// says what it sets (apply).
//
// The source and the targets are borrowed: the targets belong to their
// containers and must outlive the switch's use. Configure it (source,
// targets) before the source can raise; the events then arrive on the
// source's thread, which is also the targets' window thread.
class ComponentSwitch : public IEventListener,
                        public s::base::IObject,
                        public s::thread::IPoolable {
public:
    void reset() override;

    // The one source the switch answers; events of other sources are
    // ignored.
    void setSource(s::base::IObject* eventSource) { source = eventSource; }
    s::base::IObject* getSource() const { return source; }
    // Null is ignored.
    void addTarget(s::gui::IComponent* target);
    int32_t getTargetCount() const { return static_cast<int32_t>(targets.size()); }

    void onEvent(s::base::IObject* eventSource, int32_t code) override;

protected:
    ComponentSwitch() = default;
    ~ComponentSwitch() override = default;

    // Sets one target.
    virtual void apply(s::gui::IComponent& target) = 0;

private:
    s::base::IObject* source = nullptr;
    std::vector<s::gui::IComponent*> targets;
};

} // namespace s::gui::events
