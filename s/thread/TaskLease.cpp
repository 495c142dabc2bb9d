#include "s/thread/TaskLease.h"

namespace s::thread {

void TaskLease::enter() {
    state.fetch_add(1, std::memory_order_acq_rel);
}

void TaskLease::leave() {
    const std::uint32_t before = state.fetch_sub(1, std::memory_order_acq_rel);
    // The last run out finds the owner's give-back waiting: it is its job now.
    if (before == (kPending | 1u)) {
        performGiveBack();
    }
}

bool TaskLease::giveBackWhenFree(GiveBack giveBack, void* owner) {
    pendingGiveBack = giveBack;
    pendingOwner = owner;
    const std::uint32_t before = state.fetch_or(kPending, std::memory_order_acq_rel);
    if ((before & kRunMask) != 0) {
        return false; // a worker inside run() gives it back when it leaves
    }
    performGiveBack();
    return true;
}

bool TaskLease::isInRun() const {
    return (state.load(std::memory_order_acquire) & kRunMask) != 0;
}

void TaskLease::performGiveBack() {
    const GiveBack giveBack = pendingGiveBack;
    void* const owner = pendingOwner;
    pendingGiveBack = nullptr;
    pendingOwner = nullptr;
    // Cleared before the give-back: the object may be reused at once, and a
    // reused object starts with a free lease.
    state.store(0, std::memory_order_release);
    if (giveBack != nullptr) {
        giveBack(owner);
    }
}

} // namespace s::thread
