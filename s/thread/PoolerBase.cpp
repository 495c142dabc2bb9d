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
        ObjLocker::Scope scope(lock_);
        accounting = accounting_;
    }
    if (accounting && size == -1) {
        size = blockSize(block);
    }
    {
        ObjLocker::Scope scope(lock_);
        if (!accounting_) {
            if (idle_.count() <= maxIdleCount_) {
                resetBlock(block);
                if (idle_.push(block)) {
                    return;
                }
            }
        } else {
            // A negative size other than -1 is no size at all: never keep it.
            const bool sizeKnown = size >= 0;
            const auto bytes = static_cast<std::uint32_t>(size);
            if (sizeKnown && idle_.count() <= maxIdleCount_ && bytes <= maxBlockSize_ &&
                bytesHeld_ + bytes <= maxBytesHeld_) {
                resetBlock(block);
                if (idle_.push(block)) {
                    bytesHeld_ += bytes;
                    return;
                }
            }
        }
    }
    destroyBlock(&block);
}

void* PoolerBase::take() {
    {
        ObjLocker::Scope scope(lock_);
        if (idle_.count() > 0) {
            void* block = idle_.pop();
            if (accounting_) {
                const std::int32_t size = blockSize(block);
                // A caller may have given the block back with another size than
                // blockSize(); never let the count wrap below zero.
                const auto bytes = size > 0 ? static_cast<std::uint32_t>(size) : 0u;
                bytesHeld_ = bytes < bytesHeld_ ? bytesHeld_ - bytes : 0;
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
    ObjLocker::Scope scope(lock_);
    accounting_ = on;
}

bool PoolerBase::accounting() const {
    ObjLocker::Scope scope(lock_);
    return accounting_;
}

std::uint32_t PoolerBase::idleCount() const {
    ObjLocker::Scope scope(lock_);
    return idle_.count();
}

std::uint32_t PoolerBase::bytesHeld() const {
    ObjLocker::Scope scope(lock_);
    return bytesHeld_;
}

void PoolerBase::destroyIdleBlocks() {
    void** idle;
    std::uint32_t count;
    {
        ObjLocker::Scope scope(lock_);
        idle = idle_.detach(count);
        bytesHeld_ = 0;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        void* block = idle[i];
        destroyBlock(&block);
    }
    std::free(idle);
}

} // namespace s::thread
