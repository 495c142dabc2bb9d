#include "s/map/HashChains.h"

#include "s/col/_array/ArrayP.h"

#include <cstdlib>
#include <cstring>

namespace s::map {

using s::col::_array::ArrayP;

namespace {

constexpr std::uint32_t kBucketCounts[HashChains::kLevels] = {
    211,    431,    863,    1733,    3467,    6947,    13901,    27803,    55609,    111227,
    222461, 444929, 889871, 1779761, 3559537, 7119103, 14238221, 28476473, 56952947, 113905901};

void* createEntry() {
    return std::calloc(1, sizeof(MapEntry));
}
void destroyEntry(void* entry) {
    std::free(entry);
}
void resetEntry(void* entry) {
    std::memset(entry, 0, sizeof(MapEntry));
}

MapEntry** chainHeads(ArrayP* buckets) {
    return reinterpret_cast<MapEntry**>(buckets->data());
}

} // namespace

std::uint32_t HashChains::bucketCountOfLevel(std::uint32_t level) {
    return kBucketCounts[level < kLevels ? level : kLevels - 1];
}

s::thread::EasyPooler& HashChains::entryPool() {
    static s::thread::EasyPooler* const pool = s::thread::EasyPooler::newProcessPool(
        kEntryPoolLimit, &createEntry, &destroyEntry, &resetEntry);
    return *pool;
}

HashChains::~HashChains() {
    reset();
}

std::uint32_t HashChains::bucketCount() const {
    return buckets != nullptr ? buckets->count() : 0;
}

bool HashChains::keysMatch(const MapEntry* entry, std::uint32_t hash,
                           const s::base::IComparable* key) const {
    if (entry->hash != hash) {
        return false;
    }
    const auto* stored = static_cast<const s::base::IComparable*>(entry->key);
    return ignoreCase ? key->equalsIgnoreCase(stored) : key->equals(stored);
}

ArrayP* HashChains::newBuckets(std::uint32_t sizeLevel) const {
    ArrayP* fresh = ArrayP::newInstance();
    if (fresh == nullptr) {
        return nullptr;
    }
    const std::uint32_t n = bucketCountOfLevel(sizeLevel);
    if (!fresh->setCount(n)) {
        fresh->release();
        return nullptr;
    }
    std::memset(fresh->data(), 0, std::size_t(n) * sizeof(void*));
    return fresh;
}

bool HashChains::grow() {
    ArrayP* grown = newBuckets(level + 1);
    if (grown == nullptr) {
        return false;
    }
    MapEntry** oldHeads = chainHeads(buckets);
    MapEntry** newHeads = chainHeads(grown);
    const std::uint32_t oldCount = buckets->count();
    const std::uint32_t newCount = grown->count();
    // Entries are moved bucket by bucket in chain order and appended at the
    // end of their new chain, so entries that share a chain keep their order.
    for (std::uint32_t b = 0; b < oldCount; ++b) {
        MapEntry* entry = oldHeads[b];
        while (entry != nullptr) {
            MapEntry* next = entry->next;
            entry->next = nullptr;
            MapEntry** link = &newHeads[entry->hash % newCount];
            while (*link != nullptr) {
                link = &(*link)->next;
            }
            *link = entry;
            entry = next;
        }
    }
    buckets->release();
    buckets = grown;
    ++level;
    return true;
}

bool HashChains::put(std::uint32_t hash, s::base::IComparable* key, void* value) {
    if (key == nullptr) {
        return false;
    }
    if (buckets == nullptr) {
        buckets = newBuckets(level);
        if (buckets == nullptr) {
            return false;
        }
    }
    if (findEntry(hash, key) != nullptr) {
        return false;
    }
    if (entryCount >= buckets->count() / 2 && level + 1 < kLevels) {
        // A failed growth only makes chains longer; the entry still goes in.
        grow();
    }
    auto* entry = static_cast<MapEntry*>(entryPool().take());
    if (entry == nullptr) {
        return false;
    }
    entry->hash = hash;
    entry->key = key;
    entry->value = value;
    entry->next = nullptr;
    MapEntry** link = &chainHeads(buckets)[hash % buckets->count()];
    while (*link != nullptr) {
        link = &(*link)->next;
    }
    *link = entry;
    ++entryCount;
    return true;
}

MapEntry* HashChains::findEntry(std::uint32_t hash, const s::base::IComparable* key) const {
    if (buckets == nullptr || key == nullptr) {
        return nullptr;
    }
    for (MapEntry* entry = chainHeads(buckets)[hash % buckets->count()]; entry != nullptr;
         entry = entry->next) {
        if (keysMatch(entry, hash, key)) {
            return entry;
        }
    }
    return nullptr;
}

void HashChains::disposeEntry(MapEntry* entry) {
    if (keyDisposer != nullptr) {
        keyDisposer->dispose(&entry->key);
    }
    if (valueDisposer != nullptr) {
        valueDisposer->dispose(&entry->value);
    }
    entryPool().giveBack(entry);
}

bool HashChains::remove(std::uint32_t hash, const s::base::IComparable* key) {
    if (buckets == nullptr || key == nullptr) {
        return false;
    }
    for (MapEntry** link = &chainHeads(buckets)[hash % buckets->count()]; *link != nullptr;
         link = &(*link)->next) {
        MapEntry* entry = *link;
        if (keysMatch(entry, hash, key)) {
            *link = entry->next;
            --entryCount;
            disposeEntry(entry);
            return true;
        }
    }
    return false;
}

void HashChains::clear() {
    if (buckets == nullptr) {
        return;
    }
    MapEntry** heads = chainHeads(buckets);
    const std::uint32_t n = buckets->count();
    for (std::uint32_t b = 0; b < n; ++b) {
        MapEntry* entry = heads[b];
        heads[b] = nullptr;
        while (entry != nullptr) {
            MapEntry* next = entry->next;
            disposeEntry(entry);
            entry = next;
        }
    }
    entryCount = 0;
}

void HashChains::reset() {
    clear();
    if (buckets != nullptr) {
        buckets->release();
        buckets = nullptr;
    }
    level = 0;
    keyDisposer = nullptr;
    valueDisposer = nullptr;
    ignoreCase = false;
}

ArrayP* HashChains::entries() const {
    ArrayP* list = ArrayP::newInstance();
    if (list == nullptr || buckets == nullptr) {
        return list;
    }
    if (!list->reserve(entryCount)) {
        list->release();
        return nullptr;
    }
    MapEntry* const* heads = chainHeads(buckets);
    const std::uint32_t n = buckets->count();
    for (std::uint32_t b = 0; b < n; ++b) {
        for (MapEntry* entry = heads[b]; entry != nullptr; entry = entry->next) {
            list->add(entry);
        }
    }
    return list;
}

} // namespace s::map
