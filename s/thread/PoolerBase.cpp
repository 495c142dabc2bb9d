#include "s/thread/PoolerBase.h"

#include <cstdlib>

namespace s::thread {

// Blocks still idle at destruction were left by a subclass that did not call
// destroyIdleBlocks(); only the list itself is freed then.
PoolerBase::~PoolerBase() = default;

void PoolerBase::giveBack(void* block, std::int32_t size) {
    if (block == nullptr) {
        return;
    }
    bool accounting;
    {
        ObjLocker::Scope scope(lock);
        accounting = accountingOn;
    }
    if (accounting && size == -1) {
        size = blockSize(block);
    }
    {
        ObjLocker::Scope scope(lock);
        if (!accountingOn) {
            if (idle.count() <= maxIdleCount) {
                resetBlock(block);
                if (idle.push(block)) {
                    return;
                }
            }
        } else {
            // A negative size other than -1 is no size at all: never keep it.
            const bool sizeKnown = size >= 0;
            const auto bytes = static_cast<std::uint32_t>(size);
            if (sizeKnown && idle.count() <= maxIdleCount && bytes <= maxBlockSize &&
                heldByteCount + bytes <= maxBytesHeld) {
                resetBlock(block);
                if (idle.push(block)) {
                    heldByteCount += bytes;
                    return;
                }
            }
        }
    }
    destroyBlock(&block);
}

void* PoolerBase::take() {
    {
        ObjLocker::Scope scope(lock);
        if (idle.count() > 0) {
            void* block = idle.pop();
            if (accountingOn) {
                const std::int32_t size = blockSize(block);
                // A caller may have given the block back with another size than
                // blockSize(); never let the count wrap below zero.
                const auto bytes = size > 0 ? static_cast<std::uint32_t>(size) : 0u;
                heldByteCount = bytes < heldByteCount ? heldByteCount - bytes : 0;
            }
            return block;
        }
    }
    return generate();
}

void PoolerBase::dispose(void** slot) {
    if (slot == nullptr || *slot == nullptr) {
        return;
    }
    giveBack(*slot, -1);
    *slot = nullptr;
}

void PoolerBase::setAccounting(bool on) {
    ObjLocker::Scope scope(lock);
    accountingOn = on;
}

bool PoolerBase::accounting() const {
    ObjLocker::Scope scope(lock);
    return accountingOn;
}

std::uint32_t PoolerBase::idleCount() const {
    ObjLocker::Scope scope(lock);
    return idle.count();
}

std::uint32_t PoolerBase::bytesHeld() const {
    ObjLocker::Scope scope(lock);
    return heldByteCount;
}

void PoolerBase::destroyIdleBlocks() {
    void** idleBlocks;
    std::uint32_t count;
    {
        ObjLocker::Scope scope(lock);
        idleBlocks = idle.detach(count);
        heldByteCount = 0;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        void* block = idleBlocks[i];
        destroyBlock(&block);
    }
    std::free(idleBlocks);
}

} // namespace s::thread
