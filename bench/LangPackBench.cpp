// Loading the shipped language pack from its bytes, as the program does at
// every start: the XML read, the 40 packs filled with every id, and the
// user-interface language chosen. The XML read alone runs alongside, so the
// report shows how the time divides between the reader and the pack filling.
#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/thread/PoolRef.h"
#include "s/xml/Node.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// The pack beside this file's folder: bench/../resources/lang/LangPack.xml.
const std::string& shippedPack() {
    static const std::string bytes = [] {
        std::string path = __FILE__;
        path = path.substr(0, path.find_last_of("/\\"));
        path = path.substr(0, path.find_last_of("/\\")) + "/resources/lang/LangPack.xml";
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }();
    return bytes;
}

const std::uint8_t* packBytes() {
    return reinterpret_cast<const std::uint8_t*>(shippedPack().data());
}

void BM_LoadShippedPack(benchmark::State& state) {
    if (shippedPack().empty()) {
        state.SkipWithError("resources/lang/LangPack.xml not found");
        return;
    }
    for (auto _ : state) {
        s::thread::PoolRef<s::lang::Localizer> localizer(
            s::lang::Localizer::load(packBytes(), shippedPack().size()));
        benchmark::DoNotOptimize(localizer->getText(500000));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(shippedPack().size()));
}
BENCHMARK(BM_LoadShippedPack)->Unit(benchmark::kMillisecond);

void BM_ReadPackDocumentOnly(benchmark::State& state) {
    for (auto _ : state) {
        auto document = s::thread::PoolRef<s::xml::Node>::take();
        document->parseUtf8(packBytes(), shippedPack().size());
        benchmark::DoNotOptimize(document->childCount());
    }
}
BENCHMARK(BM_ReadPackDocumentOnly)->Unit(benchmark::kMillisecond);

void BM_GetTextLastId(benchmark::State& state) {
    s::thread::PoolRef<s::lang::Localizer> localizer(
        s::lang::Localizer::load(packBytes(), shippedPack().size()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(localizer->getText(2010001000));
    }
}
BENCHMARK(BM_GetTextLastId);

} // namespace

BENCHMARK_MAIN();
