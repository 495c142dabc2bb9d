#pragma once
#include "s/str/strbuffer/StrBuffer.h"

namespace s::str::strbuffer {

// Free factories: each answers a new buffer from the pool, owned by the
// caller. Null texts count as empty.

// A copy of a zero-terminated text.
StrBuffer* newStr(const char16_t* text);
// a followed by b.
StrBuffer* newStr(const char16_t* a, const char16_t* b);
// dir, a backslash, name.
StrBuffer* newPath(const char16_t* dir, const char16_t* name);

} // namespace s::str::strbuffer
