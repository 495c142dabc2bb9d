#pragma once
#include "s/base/IDestructor.h"
#include "s/base/IGenerator.h"
#include "s/base/IObject.h"
#include "s/thread/IdleStack.h"
#include "s/thread/ObjLocker.h"

#include <cstdint>

namespace s::thread {

// A pool of raw memory blocks (records that are not objects), with an optional
// byte budget. Subclasses say how to make (generate), reset and destroy a
// block and how large one is. With accounting off the pool keeps a block while
// the idle count is at most the maximum idle count (so up to 1001 blocks);
// with accounting on it also refuses blocks larger than the maximum block size
// and blocks that would raise the bytes held above the maximum.
//
// Any thread may take and give back; the lock is held for the list operation
// and resetBlock(), not around generate() or destroyBlock().
//
// A C++ base destructor cannot call the subclass's destroyBlock(), so every
// concrete subclass calls destroyIdleBlocks() from its own destructor.
class PoolerBase : public s::base::IObject,
                   public s::base::IGenerator,
                   public s::base::IDestructor {
public:
    static constexpr std::uint32_t kMaxIdleCount = 1000;
    static constexpr std::uint32_t kMaxBlockSize = 1024;
    static constexpr std::uint32_t kMaxBytesHeld = 102400;

    PoolerBase() = default;
    ~PoolerBase() override;
    PoolerBase(const PoolerBase&) = delete;
    PoolerBase& operator=(const PoolerBase&) = delete;

    // Size of a block in bytes, for the byte budget.
    virtual std::int32_t blockSize(void* block) const { return 1024; }
    // Keeps or destroys the block; size -1 stands for blockSize(block). Null
    // is ignored.
    virtual void giveBack(void* block, std::int32_t size = -1);
    // The most recently given back block, or a new one from generate().
    virtual void* take();
    virtual void resetBlock(void* block) = 0;
    // Destroys *slot and sets it to null.
    virtual void destroyBlock(void** slot) = 0;

    // giveBack(*slot, -1), then *slot = null; a null *slot is ignored.
    void dispose(void** slot) override;

    void setAccounting(bool on);
    bool accounting() const;
    std::uint32_t idleCount() const;
    std::uint32_t bytesHeld() const;

    const char16_t* getClassName() const override { return u"s_thread_PoolerBase"; }

protected:
    // Destroys every idle block; the pool stays usable.
    void destroyIdleBlocks();

private:
    ObjLocker lock;
    IdleStack idle;
    std::uint32_t maxIdleCount = kMaxIdleCount;
    std::uint32_t maxBlockSize = kMaxBlockSize;
    std::uint32_t maxBytesHeld = kMaxBytesHeld;
    std::uint32_t heldByteCount = 0;
    bool accountingOn = false;
};

} // namespace s::thread
