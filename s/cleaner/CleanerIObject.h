#pragma once
#include "s/base/IDestructor.h"

namespace s::cleaner {

// The element disposer for objects a container owns outright and that must
// not go back to a pool: it deletes them through their virtual destructor.
// Elements must be objects whose first base derives from s::base::IComparable
// (every library object), stored as pointers to their own class. Stateless;
// one process-wide instance, usable from any thread and at any time of exit.
class CleanerIObject : public s::base::IDestructor {
public:
    static CleanerIObject& instance();

    // Deletes *slot if non-null and sets it to null.
    void dispose(void** slot) override;

private:
    CleanerIObject() = default;
};

} // namespace s::cleaner
