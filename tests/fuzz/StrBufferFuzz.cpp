// Feeds arbitrary bytes to the string buffer's decoders and parsers: they must
// never read or write outside their storage, and UTF-8 text decoded once must
// survive an encode/decode round trip unchanged.
#include "s/col/_array/ArrayU08.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) {
        return 0;
    }
    const auto count = static_cast<std::int32_t>(size);
    auto decoded = PoolRef<StrBuffer>::take();
    decoded->fromUtf8(data, false, count);

    s::col::_array::ArrayU08* bytes = decoded->toUtf8(nullptr, false, false);
    auto again = PoolRef<StrBuffer>::take();
    again->fromUtf8(bytes->data(), false, static_cast<std::int32_t>(bytes->count()));
    if (!again->equals(decoded.get())) {
        std::abort();
    }
    bytes->release();

    auto wide = PoolRef<StrBuffer>::take();
    wide->fromCodePage(StrBuffer::kCodePageUtf16Be, data, false, count);
    wide->toInt();
    wide->toInt64();
    wide->toDouble();
    wide->toUInt32();
    wide->isHex();
    wide->parseHex();
    wide->trim();
    wide->split(u',')->release();
    wide->words(true)->release();
    wide->replaceAll(u"a", u"bc");
    wide->replaceAllIgnoreCase(u"BC", u"");
    std::uint32_t pos = 0;
    wide->lastIndexOfString(u"ab", pos);
    wide->regionMatches(static_cast<std::uint32_t>(size % 7), u"ab", 0, -1);
    return 0;
}
