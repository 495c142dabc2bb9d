#pragma once
// The one place where the library's UTF-16 text (char16_t) meets the Windows
// API's wchar_t. On Windows both are 16-bit UTF-16 units, so the conversion is
// a reinterpretation of the same memory, never a copy.

static_assert(sizeof(wchar_t) == 2, "the Windows API needs 16-bit wchar_t");

namespace s::platform::win {

inline const wchar_t* wide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}
inline wchar_t* wide(char16_t* text) {
    return reinterpret_cast<wchar_t*>(text);
}
inline const char16_t* utf16(const wchar_t* text) {
    return reinterpret_cast<const char16_t*>(text);
}
inline char16_t* utf16(wchar_t* text) {
    return reinterpret_cast<char16_t*>(text);
}

} // namespace s::platform::win
