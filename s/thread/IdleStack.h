#pragma once
#include <cstdint>
#include <cstdlib>

namespace s::thread {

// The idle list of a pool: a growable stack of untyped pointers, last pushed
// first popped. It allocates with malloc, never through a pool, so pools can
// use it without depending on themselves. Not locked: its pool's lock guards
// it. Growth follows the library's geometric rule (100 first, then three
// times, slowing down for very large stacks).
class IdleStack {
public:
    IdleStack() = default;
    ~IdleStack() { std::free(items); }
    IdleStack(const IdleStack&) = delete;
    IdleStack& operator=(const IdleStack&) = delete;

    std::uint32_t count() const { return size; }
    // False, leaving the stack as it was, when it cannot grow.
    bool push(void* item) {
        if (size == capacity && !grow()) {
            return false;
        }
        items[size++] = item;
        return true;
    }
    // The last pushed item, or null when empty.
    void* pop() { return size > 0 ? items[--size] : nullptr; }
    // Hands every item over and leaves the stack empty; the caller frees the
    // returned array with std::free.
    void** detach(std::uint32_t& detachedCount) {
        void** detached = items;
        detachedCount = size;
        items = nullptr;
        size = 0;
        capacity = 0;
        return detached;
    }

private:
    static std::uint32_t grownCapacity(std::uint32_t current) {
        if (current < 100) {
            return 100;
        }
        if (current < 10000000) {
            return current * 3;
        }
        if (current < 50000000) {
            return current * 2;
        }
        if (current < 100000000) {
            return current + current / 2;
        }
        return current + current / 5;
    }
    bool grow() {
        const std::uint32_t grownTo = grownCapacity(capacity);
        void** grown = static_cast<void**>(std::realloc(items, grownTo * sizeof(void*)));
        if (grown == nullptr) {
            return false;
        }
        items = grown;
        capacity = grownTo;
        return true;
    }

    void** items = nullptr;
    std::uint32_t size = 0;
    std::uint32_t capacity = 0;
};

} // namespace s::thread
