#pragma once
#include "s/base/IObject.h"
#include "s/map/HashChains.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/ObjLocker.h"

#include <cstdint>

namespace s::map {

// A hash set of library objects: MapTable without values. Keys are owned
// through the key disposer only. Pooled; a recycled set is empty with no
// disposer. Users that share a set between threads hold lock() around every
// use.
class Map : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Map, u"s_map_Map")
public:
    void reset() override;

    s::thread::ObjLocker& lock() { return accessLock; }

    // False, nothing stored, when an equal key with the same hash exists.
    bool put(std::uint32_t hash, s::base::IComparable* key) {
        return chains.put(hash, key, nullptr);
    }
    // The stored key equal to `key`, or null.
    s::base::IComparable* find(std::uint32_t hash, const s::base::IComparable* key) const {
        const MapEntry* entry = chains.findEntry(hash, key);
        return entry != nullptr ? static_cast<s::base::IComparable*>(entry->key) : nullptr;
    }
    bool contains(std::uint32_t hash, const s::base::IComparable* key) const {
        return chains.findEntry(hash, key) != nullptr;
    }
    // Removes the key, disposing of the stored one; false when absent.
    bool remove(std::uint32_t hash, const s::base::IComparable* key) {
        return chains.remove(hash, key);
    }
    void clear() { chains.clear(); }
    // A new ArrayP of the MapEntry records (value null), bucket by bucket in
    // chain order; the caller releases the list.
    s::col::_array::ArrayP* entries() const { return chains.entries(); }

    std::uint32_t count() const { return chains.count(); }
    std::uint32_t bucketCount() const { return chains.bucketCount(); }
    std::uint32_t sizeLevel() const { return chains.sizeLevel(); }

    void setKeyDisposer(s::base::IDestructor* disposer) { chains.keyDisposer = disposer; }
    void setIgnoreCase(bool ignoreCase) { chains.ignoreCase = ignoreCase; }
    bool ignoreCase() const { return chains.ignoreCase; }

private:
    Map() { reset(); }

    s::thread::ObjLocker accessLock;
    HashChains chains;
};

} // namespace s::map
