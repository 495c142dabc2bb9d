#include "s/gui/events/EventSource.h"

#include <new>
#include <thread>

namespace s::gui::events {

namespace {

// The deliveries running on the calling thread, innermost first: withdraw()
// must not wait for a delivery that its own thread is inside (a listener
// withdrawing itself while it is told).
struct DeliveryFrame {
    const EventSource* source;
    DeliveryFrame* outer;
};
thread_local DeliveryFrame* innermostDelivery = nullptr;

// Marks one delivery as running, on this thread and in the source's count.
class DeliveryScope {
public:
    DeliveryScope(const EventSource* source, std::atomic<uint32_t>& deliveryCount)
        : frame{source, innermostDelivery}, delivering(deliveryCount) {
        deliveryCount.fetch_add(1, std::memory_order_seq_cst);
        innermostDelivery = &frame;
    }
    ~DeliveryScope() {
        innermostDelivery = frame.outer;
        delivering.fetch_sub(1, std::memory_order_seq_cst);
    }
    DeliveryScope(const DeliveryScope&) = delete;
    DeliveryScope& operator=(const DeliveryScope&) = delete;

private:
    DeliveryFrame frame;
    std::atomic<uint32_t>& delivering;
};

uint32_t deliveriesOnThisThread(const EventSource* source) {
    uint32_t own = 0;
    for (const DeliveryFrame* frame = innermostDelivery; frame != nullptr; frame = frame->outer) {
        own += frame->source == source ? 1 : 0;
    }
    return own;
}

// Chunk k starts at index kFirst * (2^k - 1).
uint32_t chunkOf(uint32_t index, uint32_t firstChunkSize) {
    uint32_t blocks = index / firstChunkSize + 1;
    uint32_t chunk = 0;
    while (blocks > 1) {
        blocks >>= 1;
        ++chunk;
    }
    return chunk;
}

} // namespace

EventSource::~EventSource() {
    for (std::atomic<Slot*>& chunk : chunks) {
        delete[] chunk.load(std::memory_order_relaxed);
    }
}

EventSource::Slot* EventSource::slotAt(uint32_t index) const {
    const uint32_t chunk = chunkOf(index, kFirstChunkSize);
    const uint32_t first = kFirstChunkSize * ((1u << chunk) - 1u);
    return chunks[chunk].load(std::memory_order_acquire) + (index - first);
}

bool EventSource::reserve(uint32_t index) {
    const uint32_t chunk = chunkOf(index, kFirstChunkSize);
    if (chunk >= kChunkCount) {
        return false;
    }
    if (chunks[chunk].load(std::memory_order_relaxed) != nullptr) {
        return true;
    }
    Slot* made = new (std::nothrow) Slot[kFirstChunkSize << chunk];
    if (made == nullptr) {
        return false;
    }
    for (uint32_t i = 0; i < (kFirstChunkSize << chunk); ++i) {
        made[i].store(nullptr, std::memory_order_relaxed);
    }
    // Published before any count that reaches into it.
    chunks[chunk].store(made, std::memory_order_release);
    return true;
}

bool EventSource::append(IEventListener* listener) {
    const uint32_t index = count.load(std::memory_order_relaxed);
    if (!reserve(index)) {
        return false;
    }
    slotAt(index)->store(listener, std::memory_order_seq_cst);
    // The entry is complete before the count lets a delivery see it.
    count.store(index + 1, std::memory_order_release);
    return true;
}

bool EventSource::add(IEventListener* listener) {
    if (listener == nullptr) {
        return false;
    }
    s::thread::CriticalSection::Scope guard(addLock);
    return append(listener);
}

bool EventSource::addOnce(IEventListener* listener) {
    if (listener == nullptr) {
        return false;
    }
    s::thread::CriticalSection::Scope guard(addLock);
    return contains(listener) || append(listener);
}

bool EventSource::contains(const IEventListener* listener) const {
    const uint32_t added = size();
    for (uint32_t i = 0; i < added; ++i) {
        if (slotAt(i)->load(std::memory_order_acquire) == listener) {
            return true;
        }
    }
    return false;
}

void EventSource::raise(s::base::IObject* source, int32_t code) {
    DeliveryScope scope(this, delivering);
    // The count is read again after every call, so a listener added during
    // the delivery is called in this same pass.
    for (uint32_t i = 0; i < count.load(std::memory_order_acquire); ++i) {
        IEventListener* listener = slotAt(i)->load(std::memory_order_seq_cst);
        if (listener != nullptr) {
            listener->onEvent(source, code);
        }
    }
}

void EventSource::reset() {
    s::thread::CriticalSection::Scope guard(addLock);
    // The chunks stay: a delivery on another thread may still be reading
    // them. Blanked entries make it skip what it had not reached yet.
    const uint32_t added = count.load(std::memory_order_relaxed);
    count.store(0, std::memory_order_release);
    for (uint32_t i = 0; i < added; ++i) {
        slotAt(i)->store(nullptr, std::memory_order_seq_cst);
    }
}

void EventSource::withdraw(IEventListener* listener) {
    if (listener == nullptr) {
        return;
    }
    {
        s::thread::CriticalSection::Scope guard(addLock);
        const uint32_t added = count.load(std::memory_order_relaxed);
        for (uint32_t i = 0; i < added; ++i) {
            Slot* slot = slotAt(i);
            if (slot->load(std::memory_order_relaxed) == listener) {
                slot->store(nullptr, std::memory_order_seq_cst);
            }
        }
    }
    // A delivery on another thread may have read the entry just before it
    // was blanked: wait until every such delivery has ended.
    const uint32_t own = deliveriesOnThisThread(this);
    while (delivering.load(std::memory_order_seq_cst) > own) {
        std::this_thread::yield();
    }
}

} // namespace s::gui::events
