#pragma once
#include "s/base/IComparator.h"
#include "s/base/IObject.h"

namespace s::comp {

// Compares two unsigned byte elements, given by their addresses (unsigned order). Stateless; one
// process-wide instance (instance(), never destroyed) serves every array of
// that element type and any thread. Not pooled.
class CompU08 : public s::base::IObject, public s::base::IComparator {
public:
    static const CompU08& instance();

    // -1, 0 or 1.
    int compare(const void* a, const void* b) const override;

    const char16_t* getClassName() const override { return u"s_comp_CompU08"; }
    // A new comparator owned by the caller (delete).
    s::base::IObject* newObject() const override;
};

} // namespace s::comp
