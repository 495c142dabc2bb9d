// sortPointers against std::stable_sort on the same pointers and comparison.
// Run both and compare the per-iteration times.
#include "s/col/_array/Sort.h"

#include "s/col/_array/ArrayP.h"
#include "s/thread/PoolRef.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

struct Record {
    int key;
};

int byKey(const void* a, const void* b, void*) {
    const int left = static_cast<const Record*>(a)->key;
    const int right = static_cast<const Record*>(b)->key;
    return left < right ? -1 : (left > right ? 1 : 0);
}

std::vector<Record> makeRecords(std::size_t n, bool ordered) {
    std::mt19937 random(42);
    std::vector<Record> records(n);
    for (std::size_t i = 0; i < n; ++i) {
        records[i].key = ordered ? static_cast<int>(i) : static_cast<int>(random() % 100000);
    }
    return records;
}

void BM_SortPointers(benchmark::State& state) {
    auto records = makeRecords(static_cast<std::size_t>(state.range(0)), state.range(1) != 0);
    auto array = s::thread::PoolRef<s::col::_array::ArrayP>::take();
    for (auto _ : state) {
        state.PauseTiming();
        array->clear();
        for (Record& record : records) {
            array->add(&record);
        }
        state.ResumeTiming();
        s::col::_array::sortPointers(*array, &byKey, nullptr);
        benchmark::DoNotOptimize(array->data());
    }
}
BENCHMARK(BM_SortPointers)->Args({10000, 0})->Args({10000, 1});

void BM_StdStableSort(benchmark::State& state) {
    auto records = makeRecords(static_cast<std::size_t>(state.range(0)), state.range(1) != 0);
    std::vector<void*> pointers;
    for (auto _ : state) {
        state.PauseTiming();
        pointers.clear();
        for (Record& record : records) {
            pointers.push_back(&record);
        }
        state.ResumeTiming();
        std::stable_sort(pointers.begin(), pointers.end(),
                         [](const void* a, const void* b) { return byKey(a, b, nullptr) < 0; });
        benchmark::DoNotOptimize(pointers.data());
    }
}
BENCHMARK(BM_StdStableSort)->Args({10000, 0})->Args({10000, 1});

} // namespace

BENCHMARK_MAIN();
