#pragma once
#include "s/base/IObject.h"
#include "s/map/HashChains.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/ObjLocker.h"

#include <cstdint>

namespace s::map {

// A hash table from library objects (keys) to values. Keys are compared with
// equals(), or equalsIgnoreCase() when ignore case is set; the caller supplies
// the hash (key->hashCode(), or hashCodeIgnoreCase() for an ignore-case
// table). The table owns keys and values only through the disposers set on
// it: clear(), remove() and release() dispose of them. Pooled; a recycled
// table is empty with no disposers. Users that share a table between threads
// hold lock() around every use.
//
//     auto table = PoolRef<MapTable>::take();
//     table->setKeyDisposer(&StrBuffer::pool());
//     table->put(name->hashCode(), name, text);
//     auto* found = static_cast<StrBuffer*>(table->find(key->hashCode(), key));
class MapTable : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(MapTable, u"s_map_MapTable")
public:
    void reset() override;

    s::thread::ObjLocker& lock() { return accessLock; }

    // Adds the entry; false, nothing stored, when an equal key with the same
    // hash exists (or the key is null, or memory ran out).
    bool put(std::uint32_t hash, s::base::IComparable* key, void* value) {
        return chains.put(hash, key, value);
    }
    // The value stored for the key, or null.
    void* find(std::uint32_t hash, const s::base::IComparable* key) const {
        const MapEntry* entry = chains.findEntry(hash, key);
        return entry != nullptr ? entry->value : nullptr;
    }
    bool contains(std::uint32_t hash, const s::base::IComparable* key) const {
        return chains.findEntry(hash, key) != nullptr;
    }
    MapEntry* findEntry(std::uint32_t hash, const s::base::IComparable* key) const {
        return chains.findEntry(hash, key);
    }
    // Removes the entry, disposing of its key and value; false when absent.
    bool remove(std::uint32_t hash, const s::base::IComparable* key) {
        return chains.remove(hash, key);
    }
    // Disposes of all keys and values and empties the table.
    void clear() { chains.clear(); }
    // A new ArrayP of the MapEntry records, bucket by bucket in chain order;
    // the caller releases the list (not the entries).
    s::col::_array::ArrayP* entries() const { return chains.entries(); }

    std::uint32_t count() const { return chains.count(); }
    std::uint32_t bucketCount() const { return chains.bucketCount(); }
    std::uint32_t sizeLevel() const { return chains.sizeLevel(); }

    void setKeyDisposer(s::base::IDestructor* disposer) { chains.keyDisposer = disposer; }
    void setValueDisposer(s::base::IDestructor* disposer) { chains.valueDisposer = disposer; }
    void setIgnoreCase(bool ignoreCase) { chains.ignoreCase = ignoreCase; }
    bool ignoreCase() const { return chains.ignoreCase; }

private:
    MapTable() { reset(); }

    s::thread::ObjLocker accessLock;
    HashChains chains;
};

} // namespace s::map
