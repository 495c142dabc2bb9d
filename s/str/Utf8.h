#pragma once
#include <cstddef>
#include <cstdint>

namespace s::str {

// UTF-8 <-> UTF-16, the one codec of the library (string buffers, documents,
// file names). Decoding is tolerant: each ill-formed part (a stray
// continuation byte, an overlong form, an encoded surrogate, a value above
// U+10FFFF, a sequence cut short) becomes one U+FFFD and decoding goes on
// after it; a sequence cut short loses only the bytes that began it.
// Encoding turns an unpaired surrogate into U+FFFD. Both run over
// caller-provided storage and allocate nothing; safe from any thread.
class Utf8 {
public:
    static constexpr char16_t kReplacement = 0xFFFD;

    // Units needed at most for `count` bytes (one unit per byte suffices).
    static std::size_t maxUnits(std::size_t count) { return count; }
    // Decodes `count` bytes into `units` (room for maxUnits(count)); returns
    // the number of units written.
    static std::size_t decode(const std::uint8_t* bytes, std::size_t count, char16_t* units);

    // Bytes needed at most for `count` units.
    static std::size_t maxBytes(std::size_t count) { return count * 3; }
    // Encodes `count` units into `bytes` (room for maxBytes(count)); returns
    // the number of bytes written.
    static std::size_t encode(const char16_t* units, std::size_t count, std::uint8_t* bytes);
};

} // namespace s::str
