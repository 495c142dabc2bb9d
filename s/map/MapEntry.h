#pragma once
#include <cstdint>

namespace s::map {

// One record of a hash table chain, recycled through the process-wide entry
// pool of HashChains. Keys are library objects (stored as pointers to their
// own class, whose first base derives from IComparable); values are whatever
// the table's user stores (null in the key-only Map).
struct MapEntry {
    std::uint32_t hash;
    void* key;
    void* value;
    MapEntry* next;
};

} // namespace s::map
