// Feeds arbitrary bytes to the XML reader, both as UTF-8 and as UTF-16 text,
// and checks that what it read writes back and reads again to the same text
// (the writer's output is a fixed point of reader + writer).
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"
#include "s/xml/Node.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;
using s::xml::Node;

namespace {

void checkFixedPoint(const Node& node) {
    if (node.nameLength() == 0) {
        return; // nothing was read
    }
    PoolRef<StrBuffer> first(node.toText());
    auto again = PoolRef<Node>::take();
    again->parse(first->c_str());
    PoolRef<StrBuffer> second(again->toText());
    if (!first->equals(second.get())) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto node = PoolRef<Node>::take();
    node->parseUtf8(data, size);
    std::vector<std::uint8_t> bytes;
    node->toUtf8Bytes(bytes);
    checkFixedPoint(*node);

    // The same bytes as UTF-16 units, in a buffer exactly as long as the text
    // and its terminator, so that any read beyond the end is caught.
    std::vector<char16_t> units(size / 2 + 1);
    if (size >= 2) {
        std::memcpy(units.data(), data, (size / 2) * 2);
    }
    units[size / 2] = 0;
    const char16_t* end = node->parse(units.data());
    if (end < units.data() || end > units.data() + size / 2) {
        std::abort();
    }
    return 0;
}
