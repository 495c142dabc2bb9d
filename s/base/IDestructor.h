#pragma once

namespace s::base {

// Disposes of items held in pointer variables; containers use it as the
// element disposer of the items they own. Implementations either give the item
// back to its pool or delete it.
class IDestructor {
public:
    virtual ~IDestructor() = default;
    // If *slot is non-null, disposes of it and sets *slot to null; a null
    // *slot (or a null slot) is ignored.
    virtual void dispose(void** slot) = 0;
};

} // namespace s::base
