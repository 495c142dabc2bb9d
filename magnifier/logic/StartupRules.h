#pragma once
#include <cstdint>

namespace s::image::gui::dialogs::magnifier {

// The start-up decisions that depend only on plain values: which systems the
// program runs on and what the command line asks for.

// NT 5.1 (XP) and NT 5.2 (XP x64 / Server 2003) or any system of major
// version 6 or later, whatever its platform flag says.
bool isSupportedSystem(bool isNT, uint32_t majorVersion, uint32_t minorVersion);

// True when any argument (already normalised) equals "-startup" as a whole,
// ignoring ASCII case. Other arguments are ignored.
bool isBootStart(const char16_t* const* arguments, int32_t count);

} // namespace s::image::gui::dialogs::magnifier
