#pragma once
#include <string>

namespace s::process::commandline {

// The form the command line keeps an argument in: a leading "/" becomes "-",
// so switches may be written either way. Pure, so it is checked anywhere.
inline std::u16string normaliseArgument(const char16_t* argument) {
    std::u16string normalised(argument != nullptr ? argument : u"");
    if (!normalised.empty() && normalised[0] == u'/') {
        normalised[0] = u'-';
    }
    return normalised;
}

} // namespace s::process::commandline
