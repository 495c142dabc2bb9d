// Filling and searching a MapTable against std::unordered_map with the same
// keys, hashes and equality. Run both and compare the per-iteration times.
#include "s/map/MapTable.h"

#include "s/thread/PoolRef.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace {

class Key : public s::base::IComparable {
public:
    explicit Key(std::uint32_t value) : value_(value) {}
    int compareTo(const IComparable* other, const s::base::IComparator* = nullptr) const override {
        const std::uint32_t that = static_cast<const Key*>(other)->value_;
        return value_ < that ? -1 : (value_ > that ? 1 : 0);
    }
    bool equals(const IComparable* other, const s::base::IComparator* = nullptr) const override {
        return value_ == static_cast<const Key*>(other)->value_;
    }
    std::int32_t hashCode() const override {
        return static_cast<std::int32_t>(value_ * 2654435761u);
    }

private:
    std::uint32_t value_;
};

struct KeyHash {
    std::size_t operator()(const Key* key) const {
        return static_cast<std::uint32_t>(key->hashCode());
    }
};
struct KeyEqual {
    bool operator()(const Key* a, const Key* b) const { return a->equals(b); }
};

std::vector<Key> makeKeys(std::size_t n) {
    std::vector<Key> keys;
    keys.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        keys.emplace_back(static_cast<std::uint32_t>(i * 7919));
    }
    return keys;
}

void BM_MapTablePut(benchmark::State& state) {
    const auto keys = makeKeys(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto table = s::thread::PoolRef<s::map::MapTable>::take();
        for (const Key& key : keys) {
            table->put(static_cast<std::uint32_t>(key.hashCode()), const_cast<Key*>(&key), nullptr);
        }
        benchmark::DoNotOptimize(table->count());
    }
}
BENCHMARK(BM_MapTablePut)->Arg(1000)->Arg(5000);

void BM_UnorderedMapPut(benchmark::State& state) {
    const auto keys = makeKeys(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::unordered_map<const Key*, void*, KeyHash, KeyEqual> table;
        for (const Key& key : keys) {
            table.emplace(&key, nullptr);
        }
        benchmark::DoNotOptimize(table.size());
    }
}
BENCHMARK(BM_UnorderedMapPut)->Arg(1000)->Arg(5000);

void BM_MapTableFind(benchmark::State& state) {
    const auto keys = makeKeys(static_cast<std::size_t>(state.range(0)));
    auto table = s::thread::PoolRef<s::map::MapTable>::take();
    for (const Key& key : keys) {
        table->put(static_cast<std::uint32_t>(key.hashCode()), const_cast<Key*>(&key),
                   const_cast<Key*>(&key));
    }
    for (auto _ : state) {
        for (const Key& key : keys) {
            benchmark::DoNotOptimize(table->find(static_cast<std::uint32_t>(key.hashCode()), &key));
        }
    }
}
BENCHMARK(BM_MapTableFind)->Arg(1000)->Arg(5000);

void BM_UnorderedMapFind(benchmark::State& state) {
    const auto keys = makeKeys(static_cast<std::size_t>(state.range(0)));
    std::unordered_map<const Key*, const Key*, KeyHash, KeyEqual> table;
    for (const Key& key : keys) {
        table.emplace(&key, &key);
    }
    for (auto _ : state) {
        for (const Key& key : keys) {
            benchmark::DoNotOptimize(table.find(&key)->second);
        }
    }
}
BENCHMARK(BM_UnorderedMapFind)->Arg(1000)->Arg(5000);

} // namespace

BENCHMARK_MAIN();
