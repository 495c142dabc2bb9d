#include "s/cleaner/CleanerIObject.h"

#include "s/base/IComparable.h"

#include <new>

namespace s::cleaner {

CleanerIObject& CleanerIObject::instance() {
    // Never destroyed, so containers emptied by static destructors still find it.
    static CleanerIObject* const cleaner = new CleanerIObject();
    return *cleaner;
}

void CleanerIObject::dispose(void** slot) {
    if (slot == nullptr || *slot == nullptr) {
        return;
    }
    delete static_cast<s::base::IComparable*>(*slot);
    *slot = nullptr;
}

} // namespace s::cleaner
