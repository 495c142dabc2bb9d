// Feeds arbitrary bytes to the JPEG reader. Whatever the bytes, it must answer
// a result without reading outside them (the address sanitizer watches libjpeg
// too, which this configuration builds instrumented), and a decoded picture
// must lie within the limits and have had every row written.
#include "s/image/jpeg/JpegReader.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

using s::image::jpeg::JpegReader;

namespace {

// Small limits keep each input fast; the rules are the same at any size.
constexpr int32_t fuzzSide = 2048;
constexpr int64_t fuzzPixels = 1 << 20;

class Sink : public JpegReader::ITarget {
public:
    uint8_t* allocate(int32_t width, int32_t height) override {
        if (width < 1 || height < 1 || width > fuzzSide || height > fuzzSide ||
            static_cast<int64_t>(width) * height > fuzzPixels || !pixels.empty()) {
            std::abort();
        }
        // A marker byte the decoder must overwrite in every pixel's alpha.
        pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 4u, 0);
        return pixels.data();
    }
    std::vector<uint8_t> pixels;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact copy, so that the sanitizer sees a read past the end.
    std::vector<uint8_t> bytes(data, data + size);
    JpegReader::Limits limits;
    limits.maxSide = fuzzSide;
    limits.maxPixels = fuzzPixels;
    Sink sink;
    const JpegReader::Result result =
        JpegReader::read(bytes.empty() ? nullptr : bytes.data(), bytes.size(), sink, limits);
    if (result == JpegReader::Result::decoded) {
        for (size_t alpha = 3; alpha < sink.pixels.size(); alpha += 4) {
            if (sink.pixels[alpha] != 255) {
                std::abort();
            }
        }
    }
    return 0;
}
