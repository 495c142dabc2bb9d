#pragma once

namespace s::system::win {

// Opens a web address with the shell's "open" verb, as the user's browser
// handles it: no owner window, no parameters, no folder, shown normally.
// True when the shell accepted it; callers that show pages on request ignore
// a refusal, since there is nothing better to offer. Any thread; the call
// returns once the shell has handed the address on.
bool openWebAddress(const char16_t* address);

} // namespace s::system::win
