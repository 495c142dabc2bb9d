#pragma once

namespace s::thread {

// The second base of every pooled class: the object goes back to its class
// pool instead of being deleted. A class may carry this base more than once
// (through its stream interfaces); one override of each operation in the
// class serves all of them. Use s/thread/ClassPool.h to implement release().
class IPoolable {
public:
    virtual ~IPoolable() = default;
    // Gives the whole object back to its class pool; the caller must not use
    // it afterwards.
    virtual void release() = 0;
    // Back to the default state, releasing what the object holds. Runs under
    // the class pool's lock: it must not take or give back objects of its own
    // class. Every pooled class's constructor ends by calling it.
    virtual void reset() = 0;
};

} // namespace s::thread
