#pragma once
#include <cstdint>

#include "s/base/IObject.h"

namespace s::process::commandline {

// The arguments a program was started with, after the program name, in
// order. An argument written with a leading "-" or "/" is kept as "-" and
// the rest, so "/startup" and "-startup" read the same.
class ICommandLine : public s::base::IObject {
public:
    static constexpr const char16_t* interfaceName = u"s_process_commandline_ICommandLine";

    virtual int32_t getCount() const = 0;
    // The argument at `index`, or "" outside the list.
    virtual const char16_t* getArgument(int32_t index) const = 0;
};

} // namespace s::process::commandline
