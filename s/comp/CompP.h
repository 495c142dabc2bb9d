#pragma once
#include "s/base/IComparator.h"
#include "s/base/IObject.h"

namespace s::comp {

// Compares two pointer elements, given by their addresses (as unsigned numbers of the full pointer
// width). Stateless; one process-wide instance (instance(), never destroyed) serves every array of
// that element type and any thread. Not pooled.
class CompP : public s::base::IObject, public s::base::IComparator {
public:
    static const CompP& instance();

    // -1, 0 or 1.
    int compare(const void* a, const void* b) const override;

    const char16_t* getClassName() const override { return u"s_comp_CompP"; }
    // A new comparator owned by the caller (delete).
    s::base::IObject* newObject() const override;
};

} // namespace s::comp
