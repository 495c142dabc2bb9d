#pragma once
#include <cstdint>

namespace s::str::strbuffer {

// The platform's conversions between UTF-16 and the 8-bit code pages (the
// system's ANSI and OEM pages, DBCS pages, ...). UTF-8 and UTF-16 never come
// here: the string buffer converts those itself, identically everywhere.
// Windows asks the system; elsewhere only US-ASCII (20127) and Latin-1
// (28591) are known and every other page is refused. Stateless; any thread.
class CodePageConverter {
public:
    // The system's OEM code page (437 where there is no such notion).
    static std::uint32_t oemCodePage();
    // Whether encode and decode work for codePage here.
    static bool isSupported(std::uint32_t codePage);
    // Encodes count units into at most room bytes; the number of bytes
    // written, or -1 when the code page is refused or the conversion failed.
    // With a null out, only the number of bytes needed is answered.
    static std::int32_t encode(std::uint32_t codePage, const char16_t* units, std::uint32_t count,
                               std::uint8_t* out, std::uint32_t room);
    // Decodes count bytes into at most room units; the number of units
    // written, or -1 as above.
    static std::int32_t decode(std::uint32_t codePage, const std::uint8_t* bytes,
                               std::uint32_t count, char16_t* out, std::uint32_t room);
};

} // namespace s::str::strbuffer
