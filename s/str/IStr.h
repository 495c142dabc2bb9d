#pragma once
#include "s/base/IObject.h"

#include <cstdint>

namespace s::str {

// Read access to a text of UTF-16 code units, as other strings see it when
// they append or compare it. The string buffer is its one implementation.
class IStr : public s::base::IObject {
public:
    // Number of code units.
    virtual std::uint32_t length() const = 0;
    // The units, not zero-terminated; null while nothing was ever stored.
    virtual const char16_t* data() const = 0;
    // The text as a zero-terminated string; never null.
    virtual const char16_t* c_str() const = 0;
};

} // namespace s::str
