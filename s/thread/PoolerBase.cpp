#include "s/thread/PoolerBase.h"

#include <cstdlib>

namespace s::thread {

PoolerBase::~PoolerBase() {
    // Blocks still idle here were left by a subclass that did not call
    // destroyIdleBlocks(); only the list can be freed now.
    std::free(idle_);
}

bool PoolerBase::push(void* block) {
    if (idleCount_ == idleCapacity_) {
        const std::uint32_t capacity = idleCapacity_ < 100 ? 100 : idleCapacity_ * 3;
        void** grown = static_cast<void**>(std::realloc(idle_, capacity * sizeof(void*)));
        if (grown == nullptr) {
            return false;
        }
        idle_ = grown;
        idleCapacity_ = capacity;
    }
    idle_[idleCount_++] = block;
    return true;
}

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
            if (idleCount_ <= maxIdleCount_) {
                resetBlock(block);
                if (push(block)) {
                    return;
                }
            }
        } else {
            // A negative size other than -1 is no size at all: never keep it.
            const bool sizeKnown = size >= 0;
            const auto bytes = static_cast<std::uint32_t>(size);
            if (sizeKnown && idleCount_ <= maxIdleCount_ && bytes <= maxBlockSize_ &&
                bytesHeld_ + bytes <= maxBytesHeld_) {
                resetBlock(block);
                if (push(block)) {
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
        if (idleCount_ > 0) {
            void* block = idle_[--idleCount_];
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
    return idleCount_;
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
        idle = idle_;
        count = idleCount_;
        idle_ = nullptr;
        idleCount_ = 0;
        idleCapacity_ = 0;
        bytesHeld_ = 0;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        void* block = idle[i];
        destroyBlock(&block);
    }
    std::free(idle);
}

} // namespace s::thread
