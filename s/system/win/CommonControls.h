#pragma once
#include <cstdint>

namespace s::system::win {

// The common controls library, loaded at run time instead of imported:
// imported, it and the libraries it needs in turn would be looked for next to
// the program before the program could restrict the search path. Loaded by
// name so that the version 6 controls the manifest asks for are the ones
// found. The library stays loaded for the rest of the process, as an import
// would. Any thread may call init().
class CommonControls {
public:
    // InitCommonControlsEx for these control classes (ICC_* bits); false
    // when the library or the function is missing or the call fails.
    static bool init(std::uint32_t classes);
};

} // namespace s::system::win
