#pragma once
#include <cstddef>
#include <cstdint>

namespace s::xml {

// UTF-8 <-> UTF-16 for documents read from and written to files. Decoding is
// tolerant: every byte that does not start a well-formed sequence (stray
// continuation bytes, overlong forms, encoded surrogates, values above
// U+10FFFF, a sequence cut short by the end) becomes one U+FFFD, and decoding
// goes on with the next byte. Encoding turns an unpaired surrogate into
// U+FFFD. Both run over caller-provided storage and allocate nothing.
class Utf8 {
public:
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

} // namespace s::xml
