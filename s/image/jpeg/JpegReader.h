#pragma once
#include <cstddef>
#include <cstdint>

namespace s::image::jpeg {

// Decodes a JPEG picture held in memory into 32-bit pixels (blue, green, red,
// alpha 255 per pixel, rows top first, width * 4 bytes each) with libjpeg.
//
// The bytes are untrusted: whatever they hold, read() answers a result and
// never ends the process (libjpeg's fatal errors come back here instead of
// exiting), never reads outside [bytes, bytes + size), and refuses pictures
// beyond the limits before any pixel memory is asked for. A picture whose
// data ends early is refused rather than shown half grey.
//
// Stateless: any thread may decode, each call uses its own decoder state.
class JpegReader {
public:
    enum class Result {
        decoded,     // every pixel row was written
        empty,       // no bytes at all
        corrupt,     // not a JPEG, or damaged
        truncated,   // the data ends before the picture does
        unsupported, // a JPEG whose colours cannot be shown as RGB (CMYK)
        tooLarge,    // beyond the limits (size of the input or of the picture)
        refused      // the target gave no memory for the picture
    };

    // Receives the picture's size once it is known and valid, and answers
    // where the rows go: height rows of width * 4 bytes, or null to stop.
    class ITarget {
    public:
        virtual uint8_t* allocate(int32_t width, int32_t height) = 0;

    protected:
        ~ITarget() = default;
    };

    struct Limits {
        // Width and height each at most this.
        int32_t maxSide = 16384;
        // Width times height at most this (160 MB of pixels).
        int64_t maxPixels = 40000000;
        // Bytes of input at most this.
        size_t maxBytes = 64u * 1024u * 1024u;
        // Progressive pictures at most this many scans: a few hundred tiny
        // scans would otherwise make a small input decode for minutes.
        int32_t maxScans = 500;
    };

    static Result read(const uint8_t* bytes, size_t size, ITarget& target, const Limits& limits);
    static Result read(const uint8_t* bytes, size_t size, ITarget& target) {
        return read(bytes, size, target, Limits());
    }
};

} // namespace s::image::jpeg
