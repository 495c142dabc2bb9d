// Taking an object from its class pool and giving it back, against allocating
// and deleting the same class. Run both and compare the per-iteration times.
#include "s/base/IObject.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// Shaped like a small library object: two interfaces, a few fields.
class Record : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Record, u"bench_Record")
public:
    Record() { reset(); }
    ~Record() override = default;
    void reset() override {
        items = nullptr;
        count = 0;
        capacity = 0;
        position = 0;
    }
    void* items;
    std::uint32_t count;
    std::uint32_t capacity;
    std::uint32_t position;
};

void BM_PoolTakeRelease(benchmark::State& state) {
    Record::newInstance()->release(); // the pool exists and holds one idle record
    for (auto _ : state) {
        Record* record = Record::newInstance();
        benchmark::DoNotOptimize(record);
        record->count = 1;
        record->release();
    }
}
BENCHMARK(BM_PoolTakeRelease);

void BM_NewDelete(benchmark::State& state) {
    for (auto _ : state) {
        Record* record = new Record();
        benchmark::DoNotOptimize(record);
        record->count = 1;
        delete record;
    }
}
BENCHMARK(BM_NewDelete);

// Ten objects held at once, as a short computation would: the allocator can
// no longer hand back the block it just got.
void BM_PoolTakeReleaseTen(benchmark::State& state) {
    Record* records[10];
    for (auto _ : state) {
        for (Record*& record : records) {
            record = Record::newInstance();
            benchmark::DoNotOptimize(record);
        }
        for (Record* record : records) {
            record->release();
        }
    }
}
BENCHMARK(BM_PoolTakeReleaseTen);

void BM_NewDeleteTen(benchmark::State& state) {
    Record* records[10];
    for (auto _ : state) {
        for (Record*& record : records) {
            record = new Record();
            benchmark::DoNotOptimize(record);
        }
        for (Record* record : records) {
            delete record;
        }
    }
}
BENCHMARK(BM_NewDeleteTen);

} // namespace

BENCHMARK_MAIN();
