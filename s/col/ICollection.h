#pragma once
#include "s/base/IObject.h"

#include <cstdint>

namespace s::col {

// A library object holding a number of elements.
class ICollection : public s::base::IObject {
public:
    virtual std::uint32_t count() const = 0;
};

} // namespace s::col
