// Taking an object from its class pool and giving it back, against allocating
// and deleting the same class, on Windows (the pool's lock is a critical
// section, the allocator the C runtime's heap). Prints both times per
// operation and their ratio, measured side by side in one run.
#include "s/base/IObject.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

#include <chrono>
#include <cstdint>
#include <cstdio>

namespace {

class Record : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Record, u"bench_Record")
public:
    Record() { reset(); }
    ~Record() override = default;
    void reset() override {
        items = nullptr;
        count = 0;
    }
    void* items;
    std::uint32_t count;
};

Record* volatile sink;

template <class Body> double nanosecondsPerRound(int rounds, Body body) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        body();
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return std::chrono::duration<double, std::nano>(elapsed).count() / rounds;
}

} // namespace

int main() {
    constexpr int kRounds = 2000000;
    Record* held[10];
    Record::newInstance()->release();
    double best[4] = {1e30, 1e30, 1e30, 1e30};
    for (int repeat = 0; repeat < 5; ++repeat) {
        const double pooled = nanosecondsPerRound(kRounds, [] {
            Record* record = Record::newInstance();
            sink = record;
            record->release();
        });
        const double allocated = nanosecondsPerRound(kRounds, [] {
            Record* record = new Record();
            sink = record;
            delete record;
        });
        const double pooledTen = nanosecondsPerRound(kRounds / 10, [&held] {
            for (Record*& record : held) {
                record = Record::newInstance();
                sink = record;
            }
            for (Record* record : held) {
                record->release();
            }
        });
        const double allocatedTen = nanosecondsPerRound(kRounds / 10, [&held] {
            for (Record*& record : held) {
                record = new Record();
                sink = record;
            }
            for (Record* record : held) {
                delete record;
            }
        });
        const double times[4] = {pooled, allocated, pooledTen, allocatedTen};
        for (int i = 0; i < 4; ++i) {
            best[i] = times[i] < best[i] ? times[i] : best[i];
        }
    }
    std::printf("pool take+release      %8.1f ns\n", best[0]);
    std::printf("new+delete             %8.1f ns   (new/pool %.2fx)\n", best[1], best[1] / best[0]);
    std::printf("pool 10 held           %8.1f ns\n", best[2]);
    std::printf("new+delete 10 held     %8.1f ns   (new/pool %.2fx)\n", best[3], best[3] / best[2]);
    return 0;
}
