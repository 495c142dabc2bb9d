#pragma once

namespace s::base {

// Something that makes new items on request (pools, factories).
class IGenerator {
public:
    virtual ~IGenerator() = default;
    // A new item owned by the caller, or null when it could not be made.
    virtual void* generate() = 0;
};

} // namespace s::base
