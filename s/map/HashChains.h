#pragma once
#include "s/base/IComparable.h"
#include "s/base/IDestructor.h"
#include "s/map/MapEntry.h"
#include "s/thread/EasyPooler.h"

#include <cstdint>

namespace s::col::_array {
class ArrayP;
}

namespace s::map {

// The chained hash table behind MapTable and Map. Bucket counts are primes
// by size level (211 at level 0 up to 113905901 at level 19); the bucket
// array is made on the first put. Before a new entry goes in, a table whose
// entry count has reached half its bucket count moves to the next level,
// keeping every chain's order. New entries go to the end of their chain.
// Hashes come from the caller (normally the key's hashCode(), or
// hashCodeIgnoreCase() for an ignore-case table). Not locked: the owning
// table's user holds the table's lock where threads share it.
class HashChains {
public:
    static constexpr std::uint32_t kLevels = 20;
    static constexpr std::uint32_t kEntryPoolLimit = 10000;

    // Bucket count of a size level (0..19).
    static std::uint32_t bucketCountOfLevel(std::uint32_t level);
    // The process-wide pool of zero-filled entry records.
    static s::thread::EasyPooler& entryPool();

    HashChains() = default;
    ~HashChains();
    HashChains(const HashChains&) = delete;
    HashChains& operator=(const HashChains&) = delete;

    // False, nothing stored, for a null key, an equal key with the same hash,
    // or no memory.
    bool put(std::uint32_t hash, s::base::IComparable* key, void* value);
    MapEntry* findEntry(std::uint32_t hash, const s::base::IComparable* key) const;
    // Takes the entry out and disposes of its key and value through the
    // disposers; false when absent.
    bool remove(std::uint32_t hash, const s::base::IComparable* key);
    // Disposes of every key and value, gives the entries back; the bucket
    // array and the size level stay.
    void clear();
    // clear(), then back to a new table: no bucket array, level 0, no
    // disposers, case-sensitive.
    void reset();
    // A new ArrayP (no disposer, owned by the caller) of all entries, bucket
    // by bucket in chain order; null when out of memory.
    s::col::_array::ArrayP* entries() const;

    std::uint32_t count() const { return entryCount; }
    std::uint32_t sizeLevel() const { return level; }
    // 0 until the first put.
    std::uint32_t bucketCount() const;

    s::base::IDestructor* keyDisposer = nullptr;
    s::base::IDestructor* valueDisposer = nullptr;
    bool ignoreCase = false;

private:
    bool keysMatch(const MapEntry* entry, std::uint32_t hash,
                   const s::base::IComparable* key) const;
    s::col::_array::ArrayP* newBuckets(std::uint32_t sizeLevel) const;
    // Moves every entry into a bucket array of the next level; false (table
    // unchanged) when that cannot be allocated.
    bool grow();
    void disposeEntry(MapEntry* entry);

    s::col::_array::ArrayP* buckets = nullptr;
    std::uint32_t level = 0;
    std::uint32_t entryCount = 0;
};

} // namespace s::map
