#include "s/col/_array/Sort.h"

#include "s/col/_array/ArrayP.h"

#include <cstdlib>
#include <cstring>

namespace s::col::_array {

namespace {

constexpr std::uint32_t kInsertionRun = 6;

// The order test, ascending or reversed.
struct Order {
    PointerCompare compare;
    void* context;
    bool descending;

    int operator()(void* a, void* b) const {
        return descending ? compare(b, a, context) : compare(a, b, context);
    }
};

// Sorts dest[low, high) using src as scratch; on entry both hold the same
// elements in that range. Source and destination swap roles on the way down.
void mergeSort(void** src, void** dest, std::uint32_t low, std::uint32_t high, const Order& order) {
    const std::uint32_t length = high - low;
    if (length <= kInsertionRun) {
        for (std::uint32_t i = low + 1; i < high; ++i) {
            for (std::uint32_t j = i; j > low && order(dest[j - 1], dest[j]) > 0; --j) {
                void* swapped = dest[j];
                dest[j] = dest[j - 1];
                dest[j - 1] = swapped;
            }
        }
        return;
    }
    const std::uint32_t mid = low + length / 2;
    mergeSort(dest, src, low, mid, order);
    mergeSort(dest, src, mid, high, order);
    // Halves already in order: copy them over without merging.
    if (order(src[mid - 1], src[mid]) <= 0) {
        std::memcpy(dest + low, src + low, length * sizeof(void*));
        return;
    }
    // Taking from the left on ties keeps equal elements in their order.
    std::uint32_t left = low;
    std::uint32_t right = mid;
    for (std::uint32_t i = low; i < high; ++i) {
        if (right >= high || (left < mid && order(src[left], src[right]) <= 0)) {
            dest[i] = src[left++];
        } else {
            dest[i] = src[right++];
        }
    }
}

bool sort(ArrayP& array, const Order& order) {
    if (order.compare == nullptr) {
        return false;
    }
    const std::uint32_t count = array.count();
    if (count < 2) {
        return true;
    }
    void** elements = array.data();
    auto** scratch = static_cast<void**>(std::malloc(std::size_t(count) * sizeof(void*)));
    if (scratch == nullptr) {
        return false;
    }
    std::memcpy(scratch, elements, std::size_t(count) * sizeof(void*));
    mergeSort(scratch, elements, 0, count, order);
    std::free(scratch);
    return true;
}

} // namespace

bool sortPointers(ArrayP& array, PointerCompare compare, void* context) {
    return sort(array, Order{compare, context, false});
}

bool sortPointersDescending(ArrayP& array, PointerCompare compare, void* context) {
    return sort(array, Order{compare, context, true});
}

} // namespace s::col::_array
