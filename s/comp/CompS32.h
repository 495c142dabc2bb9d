#pragma once
#include "s/base/IComparator.h"
#include "s/base/IObject.h"

namespace s::comp {

// Compares two signed 32-bit elements, given by their addresses (signed order). Stateless; one
// process-wide instance (instance(), never destroyed) serves every array of
// that element type and any thread. Not pooled.
class CompS32 : public s::base::IObject, public s::base::IComparator {
public:
    static const CompS32& instance();

    // -1, 0 or 1.
    int compare(const void* a, const void* b) const override;

    const char16_t* getClassName() const override { return u"s_comp_CompS32"; }
    // A new comparator owned by the caller (delete).
    s::base::IObject* newObject() const override;
};

} // namespace s::comp
