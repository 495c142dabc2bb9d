#pragma once
#include "s/thread/IPoolable.h"

#include <cstdint>

namespace s::io {

// A readable byte stream with a byte position. Classes that are also byte
// streams (the string buffer over its UTF-16LE text, the arrays over their
// storage) carry this interface next to IOutputStream; each brings its own
// IPoolable base, and the class's one release() serves both.
//
// The positioning operations exist in IOutputStream too, with the same
// meaning: an object that implements both shares one position.
class IInputStream : public s::thread::IPoolable {
public:
    // Copies up to n bytes from the position into dest and advances the
    // position. False with got = 0 when the position is at or past the end;
    // n = 0 gives got = 0 and true while data remains.
    virtual bool read(void* dest, std::uint32_t n, std::uint32_t& got) = 0;

    virtual void rewind() = 0;
    virtual std::uint32_t getPosition() const = 0;
    virtual void setPosition(std::uint32_t position) = 0;
    // To the end of the data.
    virtual void seekToEnd() = 0;
    // To n bytes before the end (the start when n exceeds the size).
    virtual void seekFromEnd(std::uint32_t n) = 0;
    // Forward by n bytes.
    virtual void skip(std::uint32_t n) = 0;
    // Backward by n bytes (never before the start).
    virtual void stepBack(std::uint32_t n) = 0;

    // Capability queries: whether rewind() and the seek operations work.
    virtual bool canRewind() const = 0;
    virtual bool canSeek() const = 0;
};

} // namespace s::io
