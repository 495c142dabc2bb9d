#include "s/str/strbuffer/CodePageConverter.h"

#include "s/platform/win/WideText.h"

#include <windows.h>

namespace s::str::strbuffer {

using s::platform::win::wide;

std::uint32_t CodePageConverter::oemCodePage() {
    return GetOEMCP();
}

bool CodePageConverter::isSupported(std::uint32_t codePage) {
    return IsValidCodePage(codePage) != FALSE;
}

std::int32_t CodePageConverter::encode(std::uint32_t codePage, const char16_t* units,
                                       std::uint32_t count, std::uint8_t* out, std::uint32_t room) {
    if (count == 0) {
        // The system treats an empty source as an error.
        return IsValidCodePage(codePage) ? 0 : -1;
    }
    const int written =
        WideCharToMultiByte(codePage, 0, wide(units), static_cast<int>(count),
                            reinterpret_cast<char*>(out), static_cast<int>(room), nullptr, nullptr);
    return written > 0 ? written : -1;
}

std::int32_t CodePageConverter::decode(std::uint32_t codePage, const std::uint8_t* bytes,
                                       std::uint32_t count, char16_t* out, std::uint32_t room) {
    if (count == 0) {
        return IsValidCodePage(codePage) ? 0 : -1;
    }
    const int written =
        MultiByteToWideChar(codePage, 0, reinterpret_cast<const char*>(bytes),
                            static_cast<int>(count), wide(out), static_cast<int>(room));
    return written > 0 ? written : -1;
}

} // namespace s::str::strbuffer
