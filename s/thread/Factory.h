#pragma once
#include "s/thread/PoolerBase.h"

namespace s::thread {

// The base of the library's record factories (e.g. the XML attribute
// records): a PoolerBase whose subclass supplies generate(), newObject(),
// resetBlock() and destroyBlock(), and calls destroyIdleBlocks() from its
// destructor.
class Factory : public PoolerBase {
public:
    const char16_t* getClassName() const override { return u"s_thread_Factory"; }
};

} // namespace s::thread
