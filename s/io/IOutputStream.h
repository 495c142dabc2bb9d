#pragma once
#include "s/thread/IPoolable.h"

#include <cstdint>

namespace s::io {

// A writable byte stream with a byte position; see IInputStream for how the
// two interfaces share one position in classes that implement both.
class IOutputStream : public s::thread::IPoolable {
public:
    // Writes n bytes from src at the position and advances it; put receives
    // the number of bytes written. False when nothing could be written.
    virtual bool write(const void* src, std::uint32_t n, std::uint32_t& put) = 0;
    // Pushes buffered bytes to their destination (nothing for memory streams).
    virtual void flush() = 0;

    virtual void rewind() = 0;
    virtual std::uint32_t getPosition() const = 0;
    virtual void setPosition(std::uint32_t position) = 0;
    virtual void seekToEnd() = 0;
    virtual void seekFromEnd(std::uint32_t n) = 0;
    virtual void skip(std::uint32_t n) = 0;
    virtual void stepBack(std::uint32_t n) = 0;

    virtual bool canRewind() const = 0;
    virtual bool canSeek() const = 0;
};

} // namespace s::io
