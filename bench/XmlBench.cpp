// The XML reader and writer against pugixml on the same generated document of
// about 1 MB (settings-like elements with attributes, language-pack-like
// elements with encoded content, a few levels deep). Both parsers read the
// same UTF-8 bytes into a tree that is freed again each iteration; the
// writers write that tree back to UTF-8 bytes. Compare the pairs' times for
// the ratios (same process, same run).
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"
#include "s/xml/Node.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;
using s::xml::Node;

const std::string& document() {
    static const std::string text = [] {
        std::string out = "<savedata>";
        std::uint32_t seed = 12345;
        auto next = [&seed] {
            seed = seed * 1103515245u + 12345u;
            return (seed >> 8) & 0xFFFF;
        };
        for (int group = 0; out.size() < 1000000; ++group) {
            out += "<Window" + std::to_string(group) + "><View X=\"" + std::to_string(next()) +
                   "\" Y=\"-" + std::to_string(next()) + "\" Width=\"" +
                   std::to_string(next() % 4000) + "\" Height=\"" + std::to_string(next() % 3000) +
                   "\" EasyDrag=\"1\" OnMClick=\"Iconize\"></View><Version Update=\"" +
                   std::to_string(490000 + next()) + "\">2.4.1</Version>";
            for (int text = 0; text < 6; ++text) {
                out += "<Text id=\"" + std::to_string(500000 + next()) +
                       "\">Zoom&#160;in&#160;or&#160;out&#160;with&#160;the&#160;wheel "
                       "\xC3\xA4\xC3\xB6\xC3\xBC &amp; &lt;more&gt;</Text>";
            }
            out += "</Window" + std::to_string(group) + ">";
        }
        out += "</savedata>";
        return out;
    }();
    return text;
}

void BM_Xml_Parse_Node(benchmark::State& state) {
    const std::string& bytes = document();
    for (auto _ : state) {
        auto root = PoolRef<Node>::take();
        root->parseUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        benchmark::DoNotOptimize(root->childCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// The same without the release of the tree, to show where the time goes.
void BM_Xml_Parse_Node_WithoutRelease(benchmark::State& state) {
    const std::string& bytes = document();
    for (auto _ : state) {
        auto root = PoolRef<Node>::take();
        root->parseUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        benchmark::DoNotOptimize(root->childCount());
        state.PauseTiming();
        root.assign(nullptr);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_Xml_Parse_Pugixml(benchmark::State& state) {
    const std::string& bytes = document();
    for (auto _ : state) {
        pugi::xml_document doc;
        pugi::xml_parse_result result =
            doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8);
        benchmark::DoNotOptimize(result.status);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_Xml_Write_Node(benchmark::State& state) {
    const std::string& bytes = document();
    auto root = PoolRef<Node>::take();
    root->parseUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    std::vector<std::uint8_t> out;
    for (auto _ : state) {
        root->toUtf8Bytes(out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * out.size()));
}

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

void BM_Xml_Write_Pugixml(benchmark::State& state) {
    const std::string& bytes = document();
    pugi::xml_document doc;
    doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8);
    std::size_t size = 0;
    for (auto _ : state) {
        StringWriter writer;
        doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
        size = writer.text.size();
        benchmark::DoNotOptimize(writer.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

} // namespace

BENCHMARK(BM_Xml_Parse_Node)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Xml_Parse_Node_WithoutRelease)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Xml_Parse_Pugixml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Xml_Write_Node)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Xml_Write_Pugixml)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
