#pragma once
#include "s/io/IInputStream.h"

namespace s::io {

// An object whose bytes can be read as a stream of their own: each call
// gives a new reader that starts at the first byte and keeps its own
// position, so several readers (and the object's own stream view, if it has
// one) never disturb each other.
class IInputStreamable {
public:
    virtual ~IInputStreamable() = default;
    // A new pooled stream over this object's bytes, owned by the caller
    // (release()); null when out of memory. The object must outlive it.
    virtual IInputStream* newInputStream() const = 0;
};

} // namespace s::io
