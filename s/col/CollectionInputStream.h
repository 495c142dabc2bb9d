#pragma once
#include "s/base/IObject.h"
#include "s/io/IInputStream.h"
#include "s/thread/ClassPool.h"

#include <cstdint>

namespace s::col {

namespace _array {
class ArrayBase;
}

// Reads the storage bytes of an array (its elements in memory order) as a
// byte stream with a position of its own, apart from the array's own stream
// view. The bytes are looked up at each read, so the array may grow or
// shrink between reads: a read covers what is stored at that moment, and a
// position beyond the end reads nothing.
//
// Made by the array's newInputStream(); pooled, owned by the caller, used by
// the thread that uses the array, which must outlive the stream.
class CollectionInputStream final : public s::base::IObject, public s::io::IInputStream {
    S_POOLED_CLASS(CollectionInputStream, u"s_col_CollectionInputStream")
public:
    void reset() override;

    // A new stream at the first byte of the array's storage; null when out
    // of memory.
    static CollectionInputStream* over(const _array::ArrayBase* source);

    bool read(void* dest, std::uint32_t n, std::uint32_t& got) override;
    void rewind() override { position = 0; }
    std::uint32_t getPosition() const override { return position; }
    void setPosition(std::uint32_t newPosition) override { position = newPosition; }
    void seekToEnd() override { position = size(); }
    void seekFromEnd(std::uint32_t n) override;
    void skip(std::uint32_t n) override;
    void stepBack(std::uint32_t n) override;
    bool canRewind() const override { return true; }
    bool canSeek() const override { return true; }

private:
    CollectionInputStream() { reset(); }
    // The bytes the array stores now.
    std::uint32_t size() const;

    const _array::ArrayBase* array;
    std::uint32_t position;
};

} // namespace s::col
