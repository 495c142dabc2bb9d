#pragma once
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/ObjLocker.h"

namespace s::str::strbuffer {

// Holds the lock of the process-wide scratch buffer for one scope and gives
// access to the buffer. Code that composes short texts (numbers, hex runs)
// from several threads shares this one buffer; the lock is re-entrant, so a
// thread may nest scopes. The buffer's text is whatever the previous user
// left: clear it first. Do not keep the pointer beyond the scope.
//
//     SharedScratch scratch;
//     scratch->setInt32(value);
//     attributes.add(name, scratch->c_str());
class SharedScratch {
public:
    SharedScratch();
    ~SharedScratch();
    SharedScratch(const SharedScratch&) = delete;
    SharedScratch& operator=(const SharedScratch&) = delete;

    StrBuffer* get() const { return buffer; }
    StrBuffer* operator->() const { return buffer; }
    StrBuffer& operator*() const { return *buffer; }

    // The lock itself (an ObjLocker owning the buffer), made on first use.
    static s::thread::ObjLocker& locker();

private:
    s::thread::ObjLocker& heldLock;
    StrBuffer* buffer;
};

} // namespace s::str::strbuffer
