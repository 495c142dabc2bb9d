#include "s/str/strbuffer/SharedScratch.h"

namespace s::str::strbuffer {

namespace {

void releaseBuffer(void* owned) {
    static_cast<StrBuffer*>(owned)->release();
}

} // namespace

s::thread::ObjLocker& SharedScratch::locker() {
    // Made once, safely against concurrent first use; never destroyed, so a
    // static destructor may still format through it.
    static s::thread::ObjLocker* const instance =
        new s::thread::ObjLocker(StrBuffer::newInstance(), &releaseBuffer);
    return *instance;
}

SharedScratch::SharedScratch()
    : heldLock(locker()), buffer(static_cast<StrBuffer*>(heldLock.owned())) {
    heldLock.enter();
}

SharedScratch::~SharedScratch() {
    heldLock.leave();
}

} // namespace s::str::strbuffer
