#pragma once
#include <atomic>
#include <cstdint>

#include "s/gui/events/IEventListener.h"
#include "s/thread/CriticalSection.h"

namespace s::base {
class IObject;
}

namespace s::gui::events {

// The listener list of one event of one source (a window's close event, a
// menu's command, the localizer's language change): every raiser of the
// toolkit keeps one per event and calls raise() to deliver.
//
// Rules that raisers and listeners rely on:
//  - delivery order is registration order;
//  - a listener added while an event is being delivered (by a listener, or
//    by another thread) is called in the same pass: the count is read again
//    after every call;
//  - add() is safe from any thread at any time, also while another thread
//    delivers. The list is append-only and made of chunks that never move, so
//    growing it never invalidates a delivery in progress; the new entry is
//    written before the count that publishes it;
//  - listeners are not removed one by one; reset() empties the list. The one
//    exception is withdraw(), for a listener that lives shorter than its
//    source (a window registered with the application's localizer): it blanks
//    the listener's entries in place, so order and any running delivery are
//    unaffected, and returns only when no other thread is still inside a
//    delivery of this source, so the listener may be destroyed afterwards.
//
// Embedded by value in its raiser, which owns it; the listeners are borrowed
// and must outlive the source or be withdrawn. Adders share one lock; raise()
// takes no lock, so a listener may add, raise or deliver on any source. The
// destructor requires that no other thread still uses the source.
class EventSource {
public:
    EventSource() = default;
    ~EventSource();
    EventSource(const EventSource&) = delete;
    EventSource& operator=(const EventSource&) = delete;

    // Appends a listener. False for null, or when the list cannot grow (out
    // of memory, or more than about a hundred million entries).
    bool add(IEventListener* listener);
    // Appends a listener unless it is already there (then answers true).
    bool addOnce(IEventListener* listener);
    // Calls onEvent(source, code) on every listener in order, on the calling
    // thread.
    void raise(s::base::IObject* source, int32_t code);
    // Empties the list. A delivery running on another thread stops at its
    // next step.
    void reset();
    // Blanks every entry of the listener (see above), then waits until no
    // delivery of this source runs on another thread; meant for sources that
    // raise seldom (a language change), since a source raised without pause
    // keeps it waiting. Must not be called from a thread that a running
    // delivery of this source waits for.
    void withdraw(IEventListener* listener);

    // Entries added since the last reset, withdrawn ones included.
    uint32_t size() const { return count.load(std::memory_order_acquire); }
    bool isEmpty() const { return size() == 0; }
    bool contains(const IEventListener* listener) const;

private:
    using Slot = std::atomic<IEventListener*>;

    // Chunk k holds kFirstChunkSize << k slots; together they hold
    // kFirstChunkSize * (2^kChunkCount - 1) entries.
    static constexpr uint32_t kFirstChunkSize = 8;
    static constexpr uint32_t kChunkCount = 24;

    // The slot of an index below the published count (or below the count
    // being written, under the add lock).
    Slot* slotAt(uint32_t index) const;
    // Under the add lock: makes the chunk of `index` exist.
    bool reserve(uint32_t index);
    bool append(IEventListener* listener);

    s::thread::CriticalSection addLock;
    std::atomic<uint32_t> count{0};
    std::atomic<Slot*> chunks[kChunkCount] = {};
    // Deliveries running now, on every thread.
    std::atomic<uint32_t> delivering{0};
};

} // namespace s::gui::events
