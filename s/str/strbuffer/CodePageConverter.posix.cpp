#include "s/str/strbuffer/CodePageConverter.h"

namespace s::str::strbuffer {

namespace {

constexpr std::uint32_t kUsAscii = 20127;
constexpr std::uint32_t kLatin1 = 28591;
// What an unmappable unit becomes, as on Windows.
constexpr std::uint8_t kDefaultByte = '?';
constexpr std::uint32_t kOemUnitedStates = 437;

} // namespace

std::uint32_t CodePageConverter::oemCodePage() {
    return kOemUnitedStates;
}

bool CodePageConverter::isSupported(std::uint32_t codePage) {
    return codePage == kUsAscii || codePage == kLatin1;
}

std::int32_t CodePageConverter::encode(std::uint32_t codePage, const char16_t* units,
                                       std::uint32_t count, std::uint8_t* out, std::uint32_t room) {
    if (!isSupported(codePage)) {
        return -1;
    }
    if (out == nullptr) {
        return static_cast<std::int32_t>(count);
    }
    if (count > room) {
        return -1;
    }
    const char16_t highest = codePage == kUsAscii ? 0x7F : 0xFF;
    for (std::uint32_t i = 0; i < count; ++i) {
        out[i] = units[i] <= highest ? static_cast<std::uint8_t>(units[i]) : kDefaultByte;
    }
    return static_cast<std::int32_t>(count);
}

std::int32_t CodePageConverter::decode(std::uint32_t codePage, const std::uint8_t* bytes,
                                       std::uint32_t count, char16_t* out, std::uint32_t room) {
    if (!isSupported(codePage) || count > room) {
        return -1;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        // US-ASCII has no meaning for the high half: the replacement character.
        out[i] = codePage == kUsAscii && bytes[i] > 0x7F ? u'\xFFFD' : char16_t(bytes[i]);
    }
    return static_cast<std::int32_t>(count);
}

} // namespace s::str::strbuffer
