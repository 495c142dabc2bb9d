#pragma once
#include "s/base/IComparable.h"

namespace s::base {

// A library object: it names its class and can make a fresh object of the
// same concrete class. Pooled classes answer newObject() from their class pool
// (see s/thread/ClassPool.h); infrastructure classes allocate directly. The
// caller owns the new object (release() for pooled ones, delete otherwise).
class IObject : public IComparable {
public:
    // The namespace path joined with '_', e.g. u"s_thread_EasyPooler".
    virtual const char16_t* getClassName() const = 0;
    // A new object of the same concrete class in its reset state.
    virtual IObject* newObject() const = 0;
};

} // namespace s::base
