#pragma once
#include <cstdint>

namespace s::base {
class IObject;
}

namespace s::gui::events {

// The one way events reach client code: a source (a window, a component, a
// menu, the localizer) calls onEvent with a numbered code. Listeners are
// called on the thread of the source (for windows and their components, the
// window's own thread). Every source keeps its listeners in an EventSource,
// which borrows them: a listener outlives the source's last event or is
// withdrawn first.
class IEventListener {
public:
    virtual ~IEventListener() = default;
    virtual void onEvent(s::base::IObject* source, int32_t code) = 0;
};

} // namespace s::gui::events
