// StrBuffer appends against std::u16string doing the same work (numbers
// through std::to_chars, widened to UTF-16). Each pair runs side by side in
// one process; compare the pairs' times for the ratio.
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <string>

namespace {

using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;

constexpr int kAppends = 1000;
const char16_t kShort[] = u"settings";
constexpr std::uint32_t kShortLength = 8;

// Widens into a small stack array and appends it in one piece.
void appendWidened(std::u16string& text, const char* begin, const char* end) {
    char16_t wide[64];
    std::size_t count = 0;
    for (const char* p = begin; p != end; ++p) {
        wide[count++] = static_cast<char16_t>(*p);
    }
    text.append(wide, count);
}

void appendNumber(std::u16string& text, std::int32_t value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    appendWidened(text, digits, result.ptr);
}

void BM_StrBuffer_AppendChar(benchmark::State& state) {
    for (auto _ : state) {
        auto text = PoolRef<StrBuffer>::take();
        for (int i = 0; i < kAppends; ++i) {
            text->appendChar(static_cast<char16_t>(u'a' + (i & 15)));
        }
        benchmark::DoNotOptimize(text->data());
    }
}

void BM_U16String_AppendChar(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string text;
        for (int i = 0; i < kAppends; ++i) {
            text.push_back(static_cast<char16_t>(u'a' + (i & 15)));
        }
        benchmark::DoNotOptimize(text.data());
    }
}

void BM_StrBuffer_AppendShort(benchmark::State& state) {
    for (auto _ : state) {
        auto text = PoolRef<StrBuffer>::take();
        for (int i = 0; i < kAppends; ++i) {
            text->append(kShort, kShortLength);
        }
        benchmark::DoNotOptimize(text->data());
    }
}

void BM_U16String_AppendShort(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string text;
        for (int i = 0; i < kAppends; ++i) {
            text.append(kShort, kShortLength);
        }
        benchmark::DoNotOptimize(text.data());
    }
}

void BM_StrBuffer_AppendInt32(benchmark::State& state) {
    for (auto _ : state) {
        auto text = PoolRef<StrBuffer>::take();
        for (int i = 0; i < kAppends; ++i) {
            text->appendInt32(i * 7919 - 500000);
        }
        benchmark::DoNotOptimize(text->data());
    }
}

void BM_U16String_AppendInt32(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string text;
        for (int i = 0; i < kAppends; ++i) {
            appendNumber(text, i * 7919 - 500000);
        }
        benchmark::DoNotOptimize(text.data());
    }
}

void BM_StrBuffer_AppendDouble(benchmark::State& state) {
    for (auto _ : state) {
        auto text = PoolRef<StrBuffer>::take();
        for (int i = 0; i < kAppends; ++i) {
            text->appendDouble(i * 0.37);
        }
        benchmark::DoNotOptimize(text->data());
    }
}

void BM_U16String_AppendDouble(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string text;
        for (int i = 0; i < kAppends; ++i) {
            char digits[64];
            const auto result = std::to_chars(digits, digits + sizeof digits, i * 0.37,
                                              std::chars_format::fixed, 6);
            appendWidened(text, digits, result.ptr);
        }
        benchmark::DoNotOptimize(text.data());
    }
}

} // namespace

BENCHMARK(BM_StrBuffer_AppendChar);
BENCHMARK(BM_U16String_AppendChar);
BENCHMARK(BM_StrBuffer_AppendShort);
BENCHMARK(BM_U16String_AppendShort);
BENCHMARK(BM_StrBuffer_AppendInt32);
BENCHMARK(BM_U16String_AppendInt32);
BENCHMARK(BM_StrBuffer_AppendDouble);
BENCHMARK(BM_U16String_AppendDouble);

BENCHMARK_MAIN();
